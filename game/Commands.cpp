// The commands, each a session call after the window's own part (the
// animation stopped, the arrows dismissed), and what the session reports.
#include "GameTexts.h"
#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

void TMainForm::NextBtnClick() {
  DismissPointers();
  GameSession->Next();
}

void TMainForm::PrevBtnClick() {
  DismissPointers();
  GameSession->Previous();
}

void TMainForm::GotoPuzzle1Click() {
  GameSession->AskPuzzleNumber();
}

void TMainForm::RzLabel1Click() {
  BoardView->Animation()->stop();
  GotoPuzzle1Click();
}

void TMainForm::RzLabel1MouseDown(Qt::KeyboardModifiers Shift) {
  if (!(Shift & Qt::ControlModifier) || CtrlPressSteps <= 0) return;
  // Seconds of set-ups (17 at 10 x 10): the pointer says the window is busy,
  // and only the last puzzle is drawn.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DismissPointers();
  GameSession->StepOn(CtrlPressSteps);
  QApplication::restoreOverrideCursor();
}

void TMainForm::Jumptorandompuzzle1Click() {
  DismissPointers();
  GameSession->RandomJump();
}

void TMainForm::PuzzleOfTheDay1Click() {
  DismissPointers();
  GameSession->PuzzleOfTheDay();
}

void TMainForm::ComboBox1Change(int Index) {
  GameSession->SetSize(SizeForIndex(Index));
  ShowPuzzleSize();  // the size in play, when the player kept the game
}

void TMainForm::PlayPuzzle(int Size, int Number) {
  if (IndexForSize(Size) < 0) return;
  DismissPointers();
  // Before the window shows, showing it sets the puzzle up.
  GameSession->PlayPuzzle(Size, Number, Shown);
  ShowPuzzleSize();
}

void TMainForm::RestartBtnClick() {
  BoardView->Animation()->stop();
  GameSession->Restart();
}

void TMainForm::PauseBtnClick() {
  BoardView->Animation()->stop();
  DismissPointers();
  GameSession->SetPaused(Pause1->isChecked());
  // A game being set up takes no pause: the button shows what the game does.
  Pause1->setChecked(GameSession->Game().PlayerPaused());
}

void TMainForm::TimeLblClick() {
  BoardView->Animation()->stop();
  Pause1->trigger();
}

void TMainForm::OptionsBtnClick() {
  BoardView->Animation()->stop();
  DismissPointers();
  GameSession->ShowOptions();
}

void TMainForm::Timer1Timer() {
  if (GameSession->Tick()) BoardView->Message()->hide();
}

void TMainForm::ShowNoteAt(QPoint At, const QString& Text) {
  GameSession->MessageShown();
  BoardView->ShowMessageAt(At.x(), At.y(), Text);
}

void TMainForm::Createnewplayer1Click() {
  BoardView->Animation()->stop();
  GameSession->CreatePlayer();
}

void TMainForm::SwitchtoPlayer1Click() {
  BoardView->Animation()->stop();
  GameSession->SwitchPlayer();
}

void TMainForm::DeletePlayer1Click() {
  BoardView->Animation()->stop();
  GameSession->DeletePlayer();
}

void TMainForm::Save1Click() {
  BoardView->Animation()->stop();
  GameSession->Save();
}

void TMainForm::BtnSaveClick() {
  BoardView->Animation()->stop();
  DismissPointers();
  // The toolbar's save leaves the game paused, as the pause button does.
  GameSession->SaveAndPause();
}

void TMainForm::Open1Click() {
  BoardView->Animation()->stop();
  DismissPointers();
  GameSession->Open();
}

// --- what the session reports -------------------------------------------------

void TMainForm::RepaintAll() {
  BoardView->Repaint();
  HorizontalClues->Clues()->Repaint();
  VerticalClues->Clues()->Repaint();
}

void TMainForm::DrawAll() {
  HorizontalClues->Draw();
  VerticalClues->Draw();
  BoardView->Draw();
}

void TMainForm::ClearZoomBoxes() {
  BoardView->ClearZoom();
  HorizontalClues->ClearZoom();
}

void TMainForm::PuzzleChanged(TPuzzleChange change) {
  BoardView->Animation()->stop();
  switch (change) {
    case TPuzzleChange::New:
      ForgetHints();
      LastPenalty = 0;
      ClearZoomBoxes();
      ShowPuzzleSize();
      Info->ShowPuzzle();
      Info->ShowClock();
      BoardView->DrawStartPicture();
      break;
    case TPuzzleChange::Restarted:
      ForgetHints();  // the step explained last is undone
      LastPenalty = 0;
      break;
    case TPuzzleChange::Proved:
      break;
  }
  DrawAll();
  Words->PuzzleChanged(change);
}

void TMainForm::SquaresChanged(const std::vector<TBoardPos>& squares) {
  for (const TBoardPos& square : squares) BoardView->DrawSquare(square.c, square.r);
  Words->SquaresChanged(squares);
}

void TMainForm::CluesChanged(bool vertical, bool all) {
  TCluePanel* panel = vertical ? VerticalClues : HorizontalClues;
  if (all)
    panel->Clues()->Repaint();
  else
    panel->Draw();
  Words->CluesChanged(vertical, all);
}

void TMainForm::StateChanged(TStateChange change) {
  Words->StateChanged(change);
  switch (change) {
    case TStateChange::Phase:
      GamePhaseChanged();
      break;
    case TStateChange::Clock:
      Info->ShowClock();
      break;
    case TStateChange::Preferences:
      ShowSwitches(false);
      HintPane->FitBar();
      Info->ShowTime();
      break;
    case TStateChange::Player:
      ShowPlayer();
      break;
    case TStateChange::Completed:
      PuzzleCompleted();
      break;
  }
}

void TMainForm::PuzzleCompleted() {
  BoardView->Message()->hide();
  DismissPointers();
  ClearZoomBoxes();
  VerticalClues->Clues()->Repaint();
  BoardView->StartAnimation(GameSession->Prefs().Animation);
}

void TMainForm::ShowMessage(const QString& text, const TMove& /*move*/) {
  BoardView->ShowMessageAt(MessagePoint.x(), MessagePoint.y(), text);
  Words->MisClick(text);
}

void TMainForm::ExplainStep(const TDeductionStep& step) {
  ExplainClue(step.Clue, step.Index, true);
  Words->StepExplained(step);
}

void TMainForm::PlaySound(TGameSound sound) {
  GameSounds.Play(sound);
}

void TMainForm::StoringProfile() {
  CaptureWindowSizes();
}

void TMainForm::NotePenalty(int seconds, bool clue) {
  if (seconds <= 0) return;
  LastPenalty = seconds;
  LastPenaltyForClue = clue;
  // Said after the mis-click's message or the clue's step, in one breath.
  if (GameSession->Prefs().TimerOn)
    Words->Announce(
        QCoreApplication::translate("Accessibility", "%n second(s) added to the time.", "", seconds));
}

void TMainForm::SayTime1Click() {
  const int seconds = LastPenalty;  // a plain name: lupdate skips a member as the count
  QString text;
  if (seconds <= 0 || !GameSession->Prefs().TimerOn)
    //: The clock ("Time: 0:01:05" or "Untimed") and the board's progress
    text = QCoreApplication::translate("Accessibility", "%1. Progress: %2.");
  else if (LastPenaltyForClue)
    text = QCoreApplication::translate(
        "Accessibility", "%1. Progress: %2. The last penalty: %n second(s), for a clue.", "", seconds);
  else
    text = QCoreApplication::translate(
        "Accessibility", "%1. Progress: %2. The last penalty: %n second(s), for a mis-click.", "", seconds);
  const TGame& game = GameSession->Game();
  text = text.arg(TimeText(game.Clock.ElapsedSeconds, GameSession->Prefs().TimerOn),
                  ProgressText(game.Puzzle.SolvedCount, game.N()));
  Words->Announce(text);
  ShowNoteAt({BoardView->width(), 0}, text);  // at the board's top right, below the clock
}

// --- presses, hovers and hints -------------------------------------------------

void TMainForm::PressCell(const TMove& Move, QPoint At) {
  MessagePoint = At;
  const TPress outcome = GameSession->Press(Move);
  Words->Pressed(Move, outcome.Result);
  NotePenalty(outcome.Penalty, false);
}

void TMainForm::VerticalClueChosen(int Index) {
  DismissPointers();
  // The congratulations say "Click here to continue": to the high scores,
  // and that is all the click does; the clue under the pointer stays as it
  // was, and so do the congratulations.
  if (GameSession->Game().Finished()) {
    ShowHighScores1Click();
    return;
  }
  GameSession->ToggleClue(true, Index);
}

void TMainForm::HoverClue(bool Vertical, int Index) {
  TGame& game = GameSession->Game();
  const TClueList& clues = Vertical ? game.Puzzle.VerticalClues : game.Puzzle.HorizontalClues;
  if (game.Paused() || !GameSession->Prefs().ShowHints || Index < 0 || Index >= int(clues.size())) return;
  ExplainClue(&clues[Index], Index, false);
  if (!Vertical && GameSession->Prefs().Zoom) HorizontalClues->ShowCluePreview(clues[Index]);
}

void TMainForm::ExplainClue(const TClue* Clue, int Index, bool Step) {
  TGame::THints& hints = GameSession->Game().Hints;
  if (Clue && GameSession->Prefs().ShowHints) {
    if (Clue->IsVertical()) {
      VerticalClues->Highlight(hints.HighlightedVertical, false);
      VerticalClues->Highlight(Index, true);
      hints.HighlightedVertical = Index;
    } else {
      HorizontalClues->Highlight(hints.HighlightedHorizontal, false);
      HorizontalClues->Highlight(Index, true);
      hints.HighlightedHorizontal = Index;
    }
  }
  HintPane->Explain(Clue, Index, Step, hints.LastStep);
  if (!Step) return;
  const TDeductionStep& last = hints.LastStep;
  if (last.ChangedSquare) {
    BoardView->Arrow()->Place(BoardArrowPlace(last.Square, BoardView->Layout()));
    hints.BoardArrowPlaced = true;
  } else if (last.Rule == TDeductionStep::TRule::TwoPlaces) {
    hints.BoardArrowPlaced = false;  // no single square to point at
  }
}

void TMainForm::ForgetHints() {
  DismissPointers();
  HintPane->Clear();
}

void TMainForm::ShowPointers(const TDeductionStep& Step) {
  // Only what this step used: an arrow left from an earlier step would point
  // at a clue or square it never touched.
  const bool byClue = Step.Rule == TDeductionStep::TRule::Clue;
  BoardView->Arrow()->setVisible(Step.Found() && GameSession->Game().Hints.BoardArrowPlaced);
  HorizontalClues->Arrow()->setVisible(byClue && !Step.IsVertical());
  VerticalClues->Arrow()->setVisible(byClue && Step.IsVertical());
  // Every arrow starts red, so the two shown blink in step whatever colour
  // an earlier step left them in.
  ArrowsLit = false;
  for (TArrowLine* arrow : {BoardView->Arrow(), HorizontalClues->Arrow(), VerticalClues->Arrow()}) {
    arrow->SetLineColor(ArrowRed);
    arrow->raise();
  }
}

void TMainForm::ClueBtnClick() {
  BoardView->Animation()->stop();
  if (GameSession->Game().Paused() || !GameSession->Game().InProgress()) return;
  const int before = GameSession->Game().Clock.ElapsedSeconds;
  const TDeductionStep step = GameSession->GiveClue();  // one step, explained as the engine takes it
  NotePenalty(GameSession->Game().Clock.ElapsedSeconds - before, true);
  // Nothing found: the pane keeps no sentence of an earlier step.
  if (!step.Found()) ForgetHints();
  ShowPointers(step);
  BlinkTimer->start();
}

void TMainForm::HintBtnMouseDown() {
  GameSession->Prove();
}
