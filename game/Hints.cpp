// The hint pane, the outlined clues, the hint arrows and "Give me a clue!".
#include "HintLayout.h"
#include "MainForm.h"

#include <QAction>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

namespace {
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

void Place(TArrowLine* arrow, const TArrowPlace& place, bool moveTop = true) {
  arrow->move(place.Left, moveTop ? place.Top : arrow->y());
  arrow->SetShape(place.Slope == TArrowSlope::Up ? TArrowLine::TSlope::Up : TArrowLine::TSlope::Down,
                  place.Head == TArrowHead::AtStart ? TArrowLine::THead::AtStart : TArrowLine::THead::AtEnd);
}
}  // namespace

void TMainForm::ExplainClue(const TClue* Clue, int Index, bool Step) {
  const TGameController::THints& hints = Play->Game().Hints();
  if (Clue && Play->Prefs().ShowHints) {
    const int before = Play->Controller().OutlineClue(Clue->IsVertical(), Index);
    if (Clue->IsVertical()) {
      HighlightVerticalClue(before, false);
      HighlightVerticalClue(Index, true);
    } else {
      HighlightHorizontalClue(before, false);
      HighlightHorizontalClue(Index, true);
    }
  }
  const QFont font = NarrowFont(14);
  const QFontMetrics metrics(font);
  std::vector<THintPiece> pieces = LayOutHint(
      Play->Game().Puzzle, Clue, Index, Step, hints.LastStep,
      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); },
      [this](int row) { return Access.RowName(row); });
  // Without hints the board's and the two-places messages are left out; a
  // clue's own sentence is still written.
  if (!Clue && !Play->Prefs().ShowHints) pieces.clear();
  HintPieces = std::move(pieces);
  HintPane->Repaint();
  if (!Step) return;
  // The controller keeps whether the arrow points at a square of the step.
  const TDeductionStep& last = hints.LastStep;
  if (last.ChangedSquare) Place(RzLine1, BoardArrowPlace(last.Square, BoardLayout()));
}

void TMainForm::HintPanePaint() {
  // The whole sentence every time, so a pane that grows back (hints switched
  // on again) shows all of it. The thin bar without hints shows none of it:
  // its 12 pixels would cut the text to a sliver.
  const QFont font = NarrowFont(14);
  const QFontMetrics metrics(font);
  QPainter p(&HintPane->Canvas);
  p.fillRect(HintPane->Canvas.rect(), statusBar()->palette().color(QPalette::Window));
  if (!Play->Prefs().ShowHints) return;
  p.setFont(font);
  p.setPen(Qt::black);
  for (const THintPiece& piece : HintPieces) {
    if (piece.IsPicture)
      DrawPicture(p, piece.Picture, piece.X, piece.Y, HintPictureSize, HintPictureSize);
    else
      p.drawText(piece.X, piece.Y + metrics.ascent(), piece.Text);
  }
}

void TMainForm::ForgetHints() {
  DismissPointers();
  HintPieces.clear();
  HintPane->Repaint();
}

void TMainForm::HighlightHorizontalClue(int Index, bool On) {
  const TClueList& clues = Play->Game().Puzzle.HorizontalClues;
  if (Index < 0 || Index >= int(clues.size())) return;
  const int s = HorizontalLayout().s;
  if (s <= 0) return;
  // A hidden clue gets no outline, but the arrow still points at its box.
  if (clues[Index].shown())
    Outline(HorizontalPaintBox, QRect(HorizontalClueLeft(Index, s), HorizontalClueTop(Index, s), 3 * s, s),
            On);
  Place(RzLine2, HorizontalArrowPlace(Index, s, HorizontalPaintBox->width(), HorizontalPaintBox->height()));
}

void TMainForm::HighlightVerticalClue(int Index, bool On) {
  const TClueList& clues = Play->Game().Puzzle.VerticalClues;
  if (Index < 0 || Index >= int(clues.size())) return;
  const int s = VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), int(clues.size()));
  if (s <= 0) return;
  if (clues[Index].shown()) Outline(VerticalPaintBox, QRect(VerticalClueLeft(Index, s), 10, s, 3 * s), On);
  // The arrow lives on the paint box itself, so the box's own left is 0.
  Place(RzLine4, VerticalArrowPlace(Index, s, VerticalPaintBox->width(), 0), false);
}

void TMainForm::ShowPointers(const TDeductionStep& Step) {
  // Only what this step used: an arrow left from an earlier step would point
  // at a clue or square it never touched.
  const bool byClue = Step.Rule == TDeductionStep::TRule::Clue;
  RzLine1->setVisible(Step.Found() && Play->Game().Hints().BoardArrowPlaced);
  RzLine2->setVisible(byClue && !Step.IsVertical());
  RzLine4->setVisible(byClue && Step.IsVertical());
  // Every arrow starts red, so the two shown blink in step whatever colour
  // an earlier step left them in.
  ArrowsLit = false;
  for (TArrowLine* arrow : {RzLine1, RzLine2, RzLine4}) {
    arrow->SetLineColor(ArrowRed);
    arrow->raise();
  }
}

void TMainForm::ClueBtnClick() {
  WinTimer->stop();
  if (Play->Game().Paused() || !Play->Game().InProgress()) return;
  // One step, explained as the engine takes it; its penalty is reported.
  const TDeductionStep step = Play->GiveClue();
  // Nothing found: the pane keeps no sentence of an earlier step.
  if (!step.Found()) ForgetHints();
  ShowPointers(step);
  BlinkTimer->start();
}

void TMainForm::HintBtnMouseDown() {
  Play->Prove();
}
