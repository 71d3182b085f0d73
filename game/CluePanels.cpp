// The two clue panels: horizontal clues on the right, vertical clues below
// the board; hiding and showing clues, the congratulations, Best Fit.
#include "MainForm.h"
#include "Settings.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);

QFont MarkFont(const QString& family, double points) {
  QFont font(family);
  font.setPointSize(std::max(1, int(std::lround(points))));
  return font;
}

// Text with its top-left corner at (x, y) on a transparent background.
void TextOut(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(x, y + p.fontMetrics().ascent(), text);
}

void HiddenBox(QPainter& p, int left, int top, int w, int h) {
  p.fillRect(left, top, w, h, Qt::black);
  p.setPen(QPen(Blue, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(left, top, w - 1, h - 1);
}
}  // namespace

THorizontalLayout TMainForm::HorizontalLayout() const {
  return HorizontalLayoutFor(HorizontalPaintBox->width(), HorizontalPaintBox->height(),
                             int(Game.Puzzle.HorizontalClues.size()));
}

void TMainForm::DrawHorizontalClue(QPainter& p, const TClue& Clue, int Left, int Top, int Size) {
  if (Size <= 0) return;
  // The picture of the tile the solution puts at (c, r).
  auto tile = [&](int cell, int c, int r) {
    if (c < 1 || c > MaxBoardSize || r < 1 || r > MaxBoardSize) return;
    const int image = Game.Puzzle.Square(c, r).imageindex();
    if (image >= 1 && image <= 100) DrawPicture(p, image - 1, Left + cell * Size, Top, Size, Size);
  };
  auto borderMarks = [&](const QString& mark) {
    p.setFont(MarkFont(QStringLiteral("Arial"), Size * 0.7));
    const int w = p.fontMetrics().horizontalAdvance(mark);
    TextOut(p, Left + Size - w / 2, Top, mark, Qt::black);
    TextOut(p, Left + 2 * Size - w / 2, Top, mark, Qt::black);
    const int w2 = w + 2;
    TextOut(p, Left + Size - w2 / 2, Top - 2, mark, Red);
    TextOut(p, Left + 2 * Size - w2 / 2, Top - 2, mark, Red);
  };
  switch (Clue.type()) {
    case TClueType::clTwoAdjacent:
    case TClueType::clTwoAdjacentExclude:
      tile(0, Clue.c1(), Clue.c4());
      tile(1, Clue.c3(), Clue.c6());
      tile(2, Clue.c2(), Clue.c5());
      if (Clue.type() == TClueType::clTwoAdjacent) {
        // One measured width serves both marks, as "<" and ">" are alike.
        p.setFont(MarkFont(QStringLiteral("Arial"), Size * 0.7));
        const int w = p.fontMetrics().horizontalAdvance(QStringLiteral("<"));
        TextOut(p, Left + Size - w / 2, Top, QStringLiteral("<"), Qt::black);
        TextOut(p, Left + 2 * Size - w / 2, Top, QStringLiteral(">"), Qt::black);
        TextOut(p, Left + Size - (w + 2) / 2, Top - 2, QStringLiteral("<"), Red);
        TextOut(p, Left + 2 * Size - (w + 2) / 2, Top - 2, QStringLiteral(">"), Red);
      } else {
        p.setPen(QPen(Red, 1));
        p.drawLine(Left + Size / 2, Top + Size / 2, Left + 2 * Size + Size / 2, Top + Size / 2);
      }
      break;
    case TClueType::clAdjacent:
    case TClueType::clNotAdjacent:
      tile(0, Clue.c1(), Clue.c3());
      tile(1, Clue.c2(), Clue.c4());
      tile(2, Clue.c1(), Clue.c3());
      if (Clue.type() == TClueType::clNotAdjacent) borderMarks(QStringLiteral("X"));
      break;
    case TClueType::clLeftOf:
      tile(0, Clue.c1(), Clue.c3());
      p.fillRect(Left + Size, Top, Size, Size, Green);
      tile(2, Clue.c2(), Clue.c4());
      p.setFont(MarkFont(QStringLiteral("Arial"), Size * 0.6));
      TextOut(p, Left + Size + 4, Top + 4, QStringLiteral("<<"), Qt::black);
      TextOut(p, Left + Size + 2, Top + 2, QStringLiteral("<<"), Red);
      break;
    default:
      break;  // not a horizontal clue: its place stays black
  }
}

void TMainForm::DrawHorizontalPanel() {
  {
    QPainter p(&HorizontalPaintBox->Canvas);
    p.fillRect(HorizontalPaintBox->rect(), Qt::black);
    const THorizontalLayout L = HorizontalLayout();
    const TClueList& clues = Game.Puzzle.HorizontalClues;
    if (!clues.empty() && L.s > 0) {
      for (int i = 0; i < int(clues.size()); ++i) {
        const int left = HorizontalClueLeft(i, L.s), top = HorizontalClueTop(i, L.s);
        if (clues[i].shown())
          DrawHorizontalClue(p, clues[i], left, top, L.s);
        else
          HiddenBox(p, left, top, 3 * L.s, L.s);
      }
    }
  }
  HorizontalPaintBox->update();
}

void TMainForm::DrawVerticalPanel() {
  {
    QPainter p(&VerticalPaintBox->Canvas);
    p.fillRect(VerticalPaintBox->rect(), Qt::black);
    const TClueList& clues = Game.Puzzle.VerticalClues;
    const int m = int(clues.size());
    const int s = VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), m);
    for (int i = 0; i < m && s > 0; ++i) {
      const TClue& clue = clues[i];
      const int left = VerticalClueLeft(i, s);
      if (!clue.shown()) {
        HiddenBox(p, left, 10, s, 3 * s);
        continue;
      }
      auto tile = [&](int cell, int r) {
        const int c = clue.c1();
        if (c < 1 || c > MaxBoardSize || r < 1 || r > MaxBoardSize) return;
        const int image = Game.Puzzle.Square(c, r).imageindex();
        if (image >= 1 && image <= 100) DrawPicture(p, image - 1, left, 10 + cell * s, s, s);
      };
      switch (clue.type()) {
        case TClueType::clSameColumn:
          tile(0, clue.c2());
          tile(1, clue.c3());
          break;
        case TClueType::clTwoInSameColumn:
          tile(0, clue.c2());
          tile(1, clue.c3());
          tile(2, clue.c4());
          break;
        case TClueType::clNotInSameColumn: {
          tile(0, clue.c2());
          tile(1, clue.c3());
          p.setFont(MarkFont(QStringLiteral("Arial Narrow"), s * 0.7));
          const int w = p.fontMetrics().horizontalAdvance(QStringLiteral("X"));
          TextOut(p, left + s / 2 - w / 2, 10 + s / 2, QStringLiteral("X"), Qt::black);
          TextOut(p, left + s / 2 - (w + 2) / 2, 10 + s / 2 - 2, QStringLiteral("X"), Red);
          break;
        }
        default:
          break;
      }
    }
  }
  VerticalPaintBox->update();
}

void TMainForm::HorizontalPaintBoxPaint() {
  if (Game.Paused()) {
    PausedLook(HorizontalPaintBox);
    return;
  }
  DrawHorizontalPanel();
}

void TMainForm::VerticalPaintBoxPaint() {
  if (Game.Finished()) {
    QPainter p(&VerticalPaintBox->Canvas);
    p.fillRect(VerticalPaintBox->rect(), Qt::black);
    const QFont font = NarrowFont(24);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int VW = VerticalPaintBox->width();
    const QString first = QStringLiteral("CONGRATULATIONS!"),
                  second = QStringLiteral("Click here to continue");
    TextOut(p, VW / 2 - fm.horizontalAdvance(first) / 2, 24, first, QColor(255, 255, 0));
    TextOut(p, VW / 2 - fm.horizontalAdvance(second) / 2, 54, second, QColor(255, 255, 0));
    return;
  }
  if (Game.Paused()) {
    PausedLook(VerticalPaintBox);
    return;
  }
  DrawVerticalPanel();
}

void TMainForm::HorizontalPaintBoxMouseDown(Qt::MouseButton Button, int X, int Y) {
  DismissPointers();
  if (Game.Paused() || Button != Qt::LeftButton) return;  // a right press opens the pop-up menu
  const int i = HorizontalClueAt(HorizontalPaintBox->width(), HorizontalPaintBox->height(),
                                 int(Game.Puzzle.HorizontalClues.size()), X, Y);
  if (i >= 0) Game.Puzzle.HorizontalClues[i].setShown(!Game.Puzzle.HorizontalClues[i].shown());
  DrawHorizontalPanel();
}

void TMainForm::VerticalPaintBoxMouseDown(int X, int Y) {
  DismissPointers();
  if (WinTimer->isActive()) ShowHighScores1Click();
  if (Game.Paused()) return;
  const int c = VerticalClueAt(VerticalPaintBox->width(), VerticalPaintBox->height(),
                               int(Game.Puzzle.VerticalClues.size()), X, Y);
  if (c >= 0) Game.Puzzle.VerticalClues[c].setShown(!Game.Puzzle.VerticalClues[c].shown());
  DrawVerticalPanel();
}

void TMainForm::HorizontalPaintBoxMouseMove(int X, int Y) {
  if (Game.Paused() || Game.Puzzle.HorizontalClues.empty() || !Settings->Prefs.ShowHints) return;
  const int i = HorizontalClueAt(HorizontalPaintBox->width(), HorizontalPaintBox->height(),
                                 int(Game.Puzzle.HorizontalClues.size()), X, Y);
  if (i < 0) return;
  ExplainClue(&Game.Puzzle.HorizontalClues[i], i, false);
  if (Settings->Prefs.Zoom) ShowCluePreview(Game.Puzzle.HorizontalClues[i]);
}

void TMainForm::ShowCluePreview(const TClue& Clue) {
  {
    QPainter p(&PaintBox2->Canvas);
    p.fillRect(PaintBox2->rect(), Qt::black);
    DrawHorizontalClue(p, Clue, 0, 0, PaintBox2->width() / 3);
  }
  PaintBox2->update();
}

void TMainForm::VerticalPaintBoxMouseMove(int X, int Y) {
  if (Game.Paused() || Game.Puzzle.VerticalClues.empty() || !Settings->Prefs.ShowHints) return;
  const int c = VerticalClueAt(VerticalPaintBox->width(), VerticalPaintBox->height(),
                               int(Game.Puzzle.VerticalClues.size()), X, Y);
  if (c >= 0) ExplainClue(&Game.Puzzle.VerticalClues[c], c, false);
}

void TMainForm::Showall1Click() {
  for (TClue& clue : Game.Puzzle.HorizontalClues) clue.setShown(true);
  HorizontalPaintBox->Repaint();
}

void TMainForm::ShowAll2Click() {
  for (TClue& clue : Game.Puzzle.VerticalClues) clue.setShown(true);
  VerticalPaintBox->Repaint();
}

void TMainForm::BestFit1Click() {
  WinTimer->stop();
  const int width = BestFitWidth(RzSizePanel2->width(), RzSizePanel2->height(), HorizontalPaintBox->width(),
                                 HorizontalPaintBox->height(), int(Game.Puzzle.HorizontalClues.size()));
  if (width > 0) SetHorizontalPanelWidth(width);
}
