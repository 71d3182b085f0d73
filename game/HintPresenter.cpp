// The hints across the views: the pane, the outlines, the arrows and their blink.
#include "HintPresenter.h"

#include "BoardView.h"
#include "CluePanel.h"
#include "HintPane.h"
#include "Session.h"

#include <QTimer>

void THintPresenter::Explain(const TClue* Clue, int Index, bool Step) {
  const TGameController::THints& hints = Session.Game().Hints();
  if (Clue && Session.Prefs().ShowHints) {
    const int before = Session.Controller().OutlineClue(Clue->IsVertical(), Index);
    TCluePanel& panel = Clue->IsVertical() ? Vertical : Horizontal;
    panel.Highlight(before, false);
    panel.Highlight(Index, true);
  }
  Pane.Explain(Clue, Index, Step, hints.LastStep);
  if (!Step) return;
  // The controller keeps whether the arrow points at a square of the step.
  const TDeductionStep& last = hints.LastStep;
  if (last.ChangedSquare) Board.Arrow()->Place(BoardArrowPlace(last.Square, Board.Layout()));
}

void THintPresenter::ShowPointers(const TDeductionStep& Step) {
  // Only what this step used: an arrow left from an earlier step would point
  // at a clue or square it never touched.
  const bool byClue = Step.Rule == TDeductionStep::TRule::Clue;
  Board.Arrow()->setVisible(Step.Found() && Session.Game().Hints().BoardArrowPlaced);
  Horizontal.Arrow()->setVisible(byClue && !Step.IsVertical());
  Vertical.Arrow()->setVisible(byClue && Step.IsVertical());
  // Every arrow starts red, so the two shown blink in step whatever colour
  // an earlier step left them in.
  ArrowsLit = false;
  for (TArrowLine* arrow : {Board.Arrow(), Horizontal.Arrow(), Vertical.Arrow()}) {
    arrow->SetLineColor(ArrowRed);
    arrow->raise();
  }
}

void THintPresenter::Dismiss() {
  Board.Arrow()->hide();
  Horizontal.Arrow()->hide();
  Vertical.Arrow()->hide();
  BlinkTimer.stop();
}

void THintPresenter::Forget() {
  Dismiss();
  Pane.Clear();
}

void THintPresenter::Blink() {
  // One phase for all three, so the arrows shown change colour together.
  ArrowsLit = !ArrowsLit;
  for (TArrowLine* arrow : {Board.Arrow(), Horizontal.Arrow(), Vertical.Arrow()})
    arrow->SetLineColor(ArrowsLit ? ArrowYellow : ArrowRed);
}
