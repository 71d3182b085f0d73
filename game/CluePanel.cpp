// The two clue panels: horizontal clues on the right, vertical clues below
// the board; hiding and showing clues, the congratulations, the clue zoom.
#include "CluePanel.h"

#include "Fonts.h"
#include "HintLayout.h"
#include "Images.h"
#include "PuzzleArt.h"
#include "Session.h"

#include <QBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
// Text with its top-left corner at (x, y) on a transparent background.
void TextOut(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(x, y + p.fontMetrics().ascent(), text);
}

const QColor Yellow(255, 255, 0);

void Outline(TPaintBox* box, const QRect& cell, bool on) {
  {
    QPainter p(&box->Canvas);
    p.setPen(QPen(on ? Yellow : QColor(Qt::black), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
  }
  box->update(cell);
}
}  // namespace

TCluePanel::TCluePanel(bool vertical, const TSession& session, QWidget* parent,
                       const std::function<QWidget*(QWidget*)>& sideBox)
    : TMousePanel(parent), Vertical(vertical), Session(session) {
  // The panels' free strips (under the tile zoom box) match the clues' black.
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  const auto at = [](QMouseEvent* e) { return e->position().toPoint(); };
  QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QHBoxLayout(this)) : new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // Vertical clues below the board, the tile zoom box on their left.
  if (sideBox) layout->addWidget(sideBox(this), 0, Qt::AlignTop);
  Box = new TPaintBox(this);
  Box->setMinimumSize(20, 20);
  Box->OnPaint = [this] { Paint(); };
  Box->OnMouseDown = [this, at](QMouseEvent* e) {
    Press(e->button(), at(e).x(), at(e).y());
    if (e->button() == Qt::RightButton) Popup->popup(e->globalPosition().toPoint());
  };
  Box->OnMouseMove = [this, at](QMouseEvent* e) { Hover(at(e).x(), at(e).y()); };
  layout->addWidget(Box, 1);
  // Horizontal clues on the right, the clue zoom box below them.
  if (!vertical) {
    ZoomBox = new TPaintBox(this);
    // A zoom box keeps its picture, but not over a pause.
    ZoomBox->OnPaint = [this] {
      if (Session.Game().Paused()) ZoomBox->Canvas.fill(PausedColour);
    };
    layout->addWidget(ZoomBox);
  }
  ClueArrow = new TArrowLine(Box);
  if (vertical)
    ClueArrow->setGeometry(QRect(QPoint(0, VerticalArrowTop), PanelArrowSize));
  else
    ClueArrow->resize(PanelArrowSize);
  Popup = new QMenu(window());
  //: Clue panel's menu: shows every hidden clue again
  ShowAllAction = Popup->addAction(tr("Show All"), this, [this] {
    if (OnShowAll) OnShowAll(Vertical);
  });
}

void TCluePanel::SetArt(const TImages* images) {
  TileImages = images;
  ScratchBitmap = TileImages->Picture(0)->copy();
}

const TClueList& TCluePanel::List() const {
  return Vertical ? Session.Game().Puzzle.VerticalClues : Session.Game().Puzzle.HorizontalClues;
}

THorizontalLayout TCluePanel::HorizontalLayout() const {
  return HorizontalLayoutFor(Box->width(), Box->height(), int(Session.Game().Puzzle.HorizontalClues.size()));
}

int TCluePanel::TileSize() const {
  return Vertical ? VerticalTileSize(Box->width(), Box->height(), int(List().size())) : HorizontalLayout().s;
}

int TCluePanel::ClueAt(int X, int Y) const {
  return Vertical ? VerticalClueAt(Box->width(), Box->height(), int(List().size()), X, Y)
                  : HorizontalClueAt(Box->width(), Box->height(), int(List().size()), X, Y);
}

QRect TCluePanel::ClueRect(int Index) const {
  const int s = TileSize();
  return Vertical ? QRect(VerticalClueLeft(Index, s), 10, s, 3 * s)
                  : QRect(HorizontalClueLeft(Index, s), HorizontalClueTop(Index, s), 3 * s, s);
}

void TCluePanel::DrawHorizontalClue(QPainter& p, const TClue& Clue, int Left, int Top, int Size) {
  TPuzzleArt(TileImages, ScratchBitmap).DrawHorizontalClue(p, Session.Game().Puzzle, Clue, Left, Top, Size);
}

void TCluePanel::Draw() {
  {
    QPainter p(&Box->Canvas);
    if (Vertical)
      TPuzzleArt(TileImages, ScratchBitmap)
          .DrawVerticalPanel(p, Session.Game().Puzzle, Box->width(), Box->height());
    else
      TPuzzleArt(TileImages, ScratchBitmap)
          .DrawHorizontalPanel(p, Session.Game().Puzzle, Box->width(), Box->height());
  }
  Box->update();
}

void TCluePanel::Paint() {
  if (Vertical && Session.Game().Finished()) {
    QPainter p(&Box->Canvas);
    p.fillRect(Box->rect(), Qt::black);
    const QFont font = NarrowFont(24);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int VW = Box->width();
    const QString first = tr("CONGRATULATIONS!"), second = tr("Click here to continue");
    TextOut(p, VW / 2 - fm.horizontalAdvance(first) / 2, 24, first, QColor(255, 255, 0));
    TextOut(p, VW / 2 - fm.horizontalAdvance(second) / 2, 54, second, QColor(255, 255, 0));
    return;
  }
  if (Session.Game().Paused()) {
    PausedLook(*Box);
    return;
  }
  Draw();
}

void TCluePanel::Press(Qt::MouseButton Button, int X, int Y) {
  if (Vertical) {
    const bool finished = Session.Game().Finished();
    if (OnChoose) OnChoose(ClueAt(X, Y));
    if (!finished) Hover(X, Y);
    return;
  }
  if (OnDismiss) OnDismiss();
  if (Button != Qt::LeftButton) return;  // a right press opens the pop-up menu
  if (OnChoose) OnChoose(ClueAt(X, Y));
  // The hint pane says at once what the press made of the clue (hidden, and
  // how to show it again), not only once the pointer moves.
  Hover(X, Y);
}

void TCluePanel::Hover(int X, int Y) {
  if (OnHover) OnHover(ClueAt(X, Y));
}

void TCluePanel::ShowCluePreview(const TClue& Clue) {
  {
    QPainter p(&ZoomBox->Canvas);
    p.fillRect(ZoomBox->rect(), Qt::black);
    DrawHorizontalClue(p, Clue, 0, 0, ZoomBox->width() / 3);
  }
  ZoomBox->update();
}

void TCluePanel::ShowZoom(bool On) {
  if (!ZoomBox) return;
  ZoomBox->setFixedHeight(std::max(1, width() / 3));
  ZoomBox->setVisible(On);
}

void TCluePanel::ClearZoom() {
  if (!ZoomBox) return;
  ZoomBox->Canvas.fill(Session.Game().Paused() ? PausedColour : QColor(Qt::black));
  ZoomBox->update();
}

void TCluePanel::resizeEvent(QResizeEvent* event) {
  // The clue zoom box stays one third as high as the panel is wide.
  if (ZoomBox) ZoomBox->setFixedHeight(std::max(1, width() / 3));
  TMousePanel::resizeEvent(event);
}

void TCluePanel::Highlight(int Index, bool On) {
  const TClueList& clues = List();
  if (Index < 0 || Index >= int(clues.size())) return;
  const int s = TileSize();
  if (s <= 0) return;
  // A hidden clue gets no outline, but the arrow still points at its box.
  if (clues[Index].shown()) Outline(Box, ClueRect(Index), On);
  if (Vertical)  // the arrow lives on the paint box itself, so the box's own left is 0
    ClueArrow->Place(VerticalArrowPlace(Index, s, Box->width(), 0), false);
  else
    ClueArrow->Place(HorizontalArrowPlace(Index, s, Box->width(), Box->height()));
}
