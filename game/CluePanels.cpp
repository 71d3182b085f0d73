// The two clue panels: horizontal clues on the right, vertical clues below
// the board; hiding and showing clues, the congratulations, Best Fit.
#include "MainForm.h"
#include "PuzzleArt.h"

#include <QPainter>
#include <QSplitter>
#include <QTimer>

#include <algorithm>

namespace {
// Text with its top-left corner at (x, y) on a transparent background.
void TextOut(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(x, y + p.fontMetrics().ascent(), text);
}
}  // namespace

THorizontalLayout TMainForm::HorizontalLayout() const {
  return HorizontalLayoutFor(HorizontalPaintBox->width(), HorizontalPaintBox->height(),
                             int(Play->Game().Puzzle.HorizontalClues.size()));
}

void TMainForm::DrawHorizontalClue(QPainter& p, const TClue& Clue, int Left, int Top, int Size) {
  TPuzzleArt(TileImages.get(), ScratchBitmap)
      .DrawHorizontalClue(p, Play->Game().Puzzle, Clue, Left, Top, Size);
}

void TMainForm::DrawHorizontalPanel() {
  {
    QPainter p(&HorizontalPaintBox->Canvas);
    TPuzzleArt(TileImages.get(), ScratchBitmap)
        .DrawHorizontalPanel(p, Play->Game().Puzzle, HorizontalPaintBox->width(),
                             HorizontalPaintBox->height());
  }
  HorizontalPaintBox->update();
}

void TMainForm::DrawVerticalPanel() {
  {
    QPainter p(&VerticalPaintBox->Canvas);
    TPuzzleArt(TileImages.get(), ScratchBitmap)
        .DrawVerticalPanel(p, Play->Game().Puzzle, VerticalPaintBox->width(), VerticalPaintBox->height());
  }
  VerticalPaintBox->update();
}

void TMainForm::HorizontalPaintBoxPaint() {
  if (Play->Game().Paused()) {
    PausedLook(HorizontalPaintBox);
    return;
  }
  DrawHorizontalPanel();
}

void TMainForm::VerticalPaintBoxPaint() {
  if (Play->Game().Finished()) {
    QPainter p(&VerticalPaintBox->Canvas);
    p.fillRect(VerticalPaintBox->rect(), Qt::black);
    const QFont font = NarrowFont(24);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int VW = VerticalPaintBox->width();
    const QString first = tr("CONGRATULATIONS!"), second = tr("Click here to continue");
    TextOut(p, VW / 2 - fm.horizontalAdvance(first) / 2, 24, first, QColor(255, 255, 0));
    TextOut(p, VW / 2 - fm.horizontalAdvance(second) / 2, 54, second, QColor(255, 255, 0));
    return;
  }
  if (Play->Game().Paused()) {
    PausedLook(VerticalPaintBox);
    return;
  }
  DrawVerticalPanel();
}

void TMainForm::HorizontalPaintBoxMouseDown(Qt::MouseButton Button, int X, int Y) {
  DismissPointers();
  if (Button != Qt::LeftButton) return;  // a right press opens the pop-up menu
  Play->ToggleClue(false, HorizontalClueAt(HorizontalPaintBox->width(), HorizontalPaintBox->height(),
                                           int(Play->Game().Puzzle.HorizontalClues.size()), X, Y));
  // The hint pane says at once what the press made of the clue (hidden, and
  // how to show it again), not only once the pointer moves.
  HorizontalPaintBoxMouseMove(X, Y);
}

void TMainForm::VerticalPaintBoxMouseDown(int X, int Y) {
  const bool finished = Play->Game().Finished();
  VerticalClueChosen(VerticalClueAt(VerticalPaintBox->width(), VerticalPaintBox->height(),
                                    int(Play->Game().Puzzle.VerticalClues.size()), X, Y));
  if (!finished) VerticalPaintBoxMouseMove(X, Y);
}

void TMainForm::VerticalClueChosen(int Index) {
  DismissPointers();
  // The congratulations say "Click here to continue": to the high scores,
  // and that is all the click does; the clue under the pointer stays as it
  // was, and so do the congratulations.
  if (Play->Game().Finished()) {
    ShowHighScores1Click();
    return;
  }
  Play->ToggleClue(true, Index);
}

void TMainForm::HorizontalPaintBoxMouseMove(int X, int Y) {
  HoverClue(false, HorizontalClueAt(HorizontalPaintBox->width(), HorizontalPaintBox->height(),
                                    int(Play->Game().Puzzle.HorizontalClues.size()), X, Y));
}

void TMainForm::VerticalPaintBoxMouseMove(int X, int Y) {
  HoverClue(true, VerticalClueAt(VerticalPaintBox->width(), VerticalPaintBox->height(),
                                 int(Play->Game().Puzzle.VerticalClues.size()), X, Y));
}

void TMainForm::HoverClue(bool Vertical, int Index) {
  const TGameController& game = Play->Game();
  const TClueList& clues = Vertical ? game.Puzzle.VerticalClues : game.Puzzle.HorizontalClues;
  if (game.Paused() || !Play->Prefs().ShowHints || Index < 0 || Index >= int(clues.size())) return;
  ExplainClue(&clues[Index], Index, false);
  if (!Vertical && Play->Prefs().Zoom) ShowCluePreview(clues[Index]);
}

void TMainForm::ShowCluePreview(const TClue& Clue) {
  {
    QPainter p(&PaintBox2->Canvas);
    p.fillRect(PaintBox2->rect(), Qt::black);
    DrawHorizontalClue(p, Clue, 0, 0, PaintBox2->width() / 3);
  }
  PaintBox2->update();
}

void TMainForm::Showall1Click() {
  Play->ShowAllClues(false);
}

void TMainForm::ShowAll2Click() {
  Play->ShowAllClues(true);
}

void TMainForm::BestFit1Click() {
  WinTimer->stop();
  const int width =
      BestFitWidth(RzSizePanel2->width(), RzSizePanel2->height(), HorizontalPaintBox->width(),
                   HorizontalPaintBox->height(), int(Play->Game().Puzzle.HorizontalClues.size()));
  if (width <= 0) return;
  // A few clues would have the panel grow until the board is a sliver (at
  // 4 x 4 over 1000 pixels of a 1024-pixel window): the board keeps at least
  // half of the width the two share.
  const int shared = MainSplitter->width() - MainSplitter->handleWidth();
  SetHorizontalPanelWidth(std::min(width, shared / 2));
}
