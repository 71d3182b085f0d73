// The hint pane: the sentence about a clue or a step, with the tiles drawn.
#include "HintPane.h"

#include "Fonts.h"
#include "Images.h"
#include "PuzzleArt.h"
#include "Session.h"

#include <QEvent>
#include <QPainter>
#include <QStatusBar>

namespace {
// The pane is laid over the whole bar (the bar's own layout keeps a margin
// above its widgets, which would cut the pictures' bottom row).
QWidget* MakeRoom(QStatusBar* bar) {
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(12);
  return bar;
}
}  // namespace

THintPane::THintPane(const TSession& session, QStatusBar* statusBar, std::function<QString(int)> rowName)
    : TPaintBox(MakeRoom(statusBar)), Session(session), RowName(std::move(rowName)) {
  Background = statusBar->palette().color(QPalette::Window);
  OnPaint = [this] { Paint(); };
  setGeometry(statusBar->rect());
  statusBar->installEventFilter(this);
}

void THintPane::SetArt(const TImages* images) {
  TileImages = images;
  ScratchBitmap = TileImages->Picture(0)->copy();
}

bool THintPane::eventFilter(QObject* watched, QEvent* event) {
  // The pane fills the whole status bar.
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return TPaintBox::eventFilter(watched, event);
}

void THintPane::Explain(const TClue* Clue, int Index, bool Step, const TDeductionStep& LastStep) {
  const QFont font = NarrowFont(14);
  const QFontMetrics metrics(font);
  std::vector<THintPiece> pieces = LayOutHint(
      Session.Game().Puzzle, Clue, Index, Step, LastStep,
      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }, RowName);
  // Without hints the board's and the two-places messages are left out; a
  // clue's own sentence is still written.
  if (!Clue && !Session.Prefs().ShowHints) pieces.clear();
  HintPieces = std::move(pieces);
  Repaint();
}

void THintPane::Paint() {
  // The whole sentence every time, so a pane that grows back (hints switched
  // on again) shows all of it. The thin bar without hints shows none of it:
  // its 12 pixels would cut the text to a sliver.
  const QFont font = NarrowFont(14);
  const QFontMetrics metrics(font);
  QPainter p(&Canvas);
  p.fillRect(Canvas.rect(), parentWidget()->palette().color(QPalette::Window));
  if (!Session.Prefs().ShowHints) return;
  p.setFont(font);
  p.setPen(Qt::black);
  for (const THintPiece& piece : HintPieces) {
    if (piece.IsPicture)
      TPuzzleArt(TileImages, ScratchBitmap)
          .DrawPicture(p, piece.Picture, piece.X, piece.Y, HintPictureSize, HintPictureSize);
    else
      p.drawText(piece.X, piece.Y + metrics.ascent(), piece.Text);
  }
}

void THintPane::Clear() {
  HintPieces.clear();
  Repaint();
}

void THintPane::FitBar() {
  parentWidget()->setFixedHeight(Session.Prefs().ShowHints ? 36 : 12);
  Repaint();  // the thin bar drops the sentence, the tall one brings it back
}
