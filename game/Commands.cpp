// The commands, each a session call after the window's own part (the
// animation stopped, the arrows dismissed), and what the session reports.
#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <functional>

void TMainForm::WireCommands() {
  const auto on = [this](QAction* action, const std::function<void()>& handler) {
    connect(action, &QAction::triggered, this, handler);
  };
  // Nearly every command stops the animation first, many put the arrows away.
  const auto stopped = [this](bool dismiss, const std::function<void()>& handler) {
    return [this, dismiss, handler] {
      BoardView->Animation()->stop();
      if (dismiss) DismissPointers();
      handler();
    };
  };
  TSession& session = *GameSession;
  on(Controls.Open1, stopped(true, [&session] { session.Open(); }));
  on(Controls.Save1, [this] { Save1Click(); });
  on(Controls.PrintExport1,
     stopped(true, [this] { Printer.Run(this, Dialogs, *GameSession, TileImages.get()); }));
  // The toolbar's save leaves the game paused, as the pause button does.
  on(Controls.SaveAndPause, stopped(true, [&session] { session.SaveAndPause(); }));
  on(Controls.Exit1, [this] { close(); });  // the close asks to save a game in progress
  on(Controls.New1, [this] { NextBtnClick(); });
  on(Controls.Previous1, [this] {
    DismissPointers();
    GameSession->Previous();
  });
  on(Controls.GotoPuzzle1, [&session] { session.AskPuzzleNumber(); });
  Info->OnPuzzleClick = stopped(false, [&session] { session.AskPuzzleNumber(); });
  on(Controls.Jumptorandompuzzle1, [this] {
    DismissPointers();
    GameSession->RandomJump();
  });
  on(Controls.PuzzleOfTheDay1, [this] {
    DismissPointers();
    GameSession->PuzzleOfTheDay();
  });
  on(Controls.Restart1, stopped(false, [&session] { session.Restart(); }));
  on(Controls.Pause1, [this] { PauseBtnClick(); });
  Info->OnTimeClick = stopped(false, [this] { Controls.Pause1->trigger(); });
  on(Controls.Createnewplayer1, [this] { Createnewplayer1Click(); });
  on(Controls.SwitchtoPlayer1, stopped(false, [&session] { session.SwitchPlayer(); }));
  Info->OnPlayerClick = stopped(false, [&session] { session.SwitchPlayer(); });
  on(Controls.DeletePlayer1, stopped(false, [&session] { session.DeletePlayer(); }));
  for (QAction* scores : {Controls.ShowHighScores1, Controls.ShowHighScores2})
    on(scores, [this] { ShowHighScores1Click(); });
  on(Controls.BestFit1, [this] { BestFit1Click(); });
  on(Controls.Statistics1, stopped(true, [&session] { session.ShowStatistics(); }));
  on(Controls.TimedGame1,
     stopped(false, [this] { GameSession->SetTimed(Controls.TimedGame1->isChecked()); }));
  on(Controls.ShowHints1, [this] { HintBtnClick(); });
  on(Controls.GiveClue, [this] { ClueBtnClick(); });
  on(Controls.ZoomSmallTiles1, stopped(false, [this] { SetZoom(Controls.ZoomSmallTiles1->isChecked()); }));
  on(Controls.Options1, stopped(true, [&session] { session.ShowOptions(); }));
  on(Controls.HelpMenu, [this] { Dialogs.ShowHelp(this); });
  on(Controls.Guide1, [this] { Dialogs.ShowGuide(this); });
  on(Controls.SayTime1, [this] { SayTime1Click(); });
  // The dividers by the keys: the right panel's edge left or right, the
  // lower panel's edge up or down, a step at a time.
  on(Controls.DividerLeft, [this] { Controls.StepDivider(true, 1); });
  on(Controls.DividerRight, [this] { Controls.StepDivider(true, -1); });
  on(Controls.DividerUp, [this] { Controls.StepDivider(false, 1); });
  on(Controls.DividerDown, [this] { Controls.StepDivider(false, -1); });
  on(Controls.About1, [this] { Dialogs.ShowAbout(this); });
}

void TMainForm::NextBtnClick() {
  DismissPointers();
  GameSession->Next();
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

void TMainForm::PauseBtnClick() {
  BoardView->Animation()->stop();
  DismissPointers();
  GameSession->SetPaused(Controls.Pause1->isChecked());
  // A game being set up takes no pause: the button shows what the game does.
  Controls.Pause1->setChecked(GameSession->Game().PlayerPaused());
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

void TMainForm::Save1Click() {
  BoardView->Animation()->stop();
  GameSession->Save();
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
    case TPuzzleChange::Loaded:
      Pointers->Forget();
      Words->ForgetPenalty();
      ClearZoomBoxes();
      ShowPuzzleSize();
      Info->ShowPuzzle();
      Info->ShowClock();
      BoardView->DrawStartPicture();
      break;
    case TPuzzleChange::Restarted:
      Pointers->Forget();  // the step explained last is undone
      Words->ForgetPenalty();
      break;
    case TPuzzleChange::Proved:
      break;
  }
  DrawAll();
  Words->PuzzleChanged(change);
}

void TMainForm::SquareChanged(const TSquareChange& change) {
  BoardView->DrawSquare(change.Square.c, change.Square.r);
  Words->SquareChanged(change);
}

void TMainForm::ClueChanged(const TClueChange& change) {
  TCluePanel* panel = change.Vertical ? VerticalClues : HorizontalClues;
  if (change.Index < 0)
    panel->Clues()->Repaint();
  else
    panel->Draw();
  Words->ClueChanged(change);
}

void TMainForm::PhaseChanged(const TPhaseChange& change) {
  Words->PhaseChanged(change);
  GamePhaseChanged();
}

void TMainForm::ClockChanged(const TClockChange& change) {
  Info->ShowClock();
  Words->NotePenalty(change.Penalty, change.For == TPenalty::Clue);
}

void TMainForm::StateChanged(TStateChange change) {
  Words->StateChanged(change);
  switch (change) {
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

void TMainForm::ExplainStep(const TStepTaken& taken) {
  ExplainClue(taken.Step.Clue, taken.Step.Index, true);
  Words->StepExplained(taken.Step);
}

void TMainForm::PlaySound(TGameSound sound) {
  GameSounds.Play(sound);
}

void TMainForm::StoringProfile() {
  CaptureWindowSizes();
}

void TMainForm::SayTime1Click() {
  const QString text = Words->TimeAndProgress();
  Words->Announce(text);
  ShowNoteAt({BoardView->width(), 0}, text);  // at the board's top right, below the clock
}

// --- presses, hovers and hints -------------------------------------------------

void TMainForm::PressCell(const TMove& Move, QPoint At) {
  MessagePoint = At;
  GameSession->Press(Move);  // what it changed and cost comes back as the session's reports
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
  const TGameController& game = GameSession->Game();
  const TClueList& clues = Vertical ? game.Puzzle.VerticalClues : game.Puzzle.HorizontalClues;
  if (game.Paused() || !GameSession->Prefs().ShowHints || Index < 0 || Index >= int(clues.size())) return;
  ExplainClue(&clues[Index], Index, false);
  if (!Vertical && GameSession->Prefs().Zoom) HorizontalClues->ShowCluePreview(clues[Index]);
}

void TMainForm::ExplainClue(const TClue* Clue, int Index, bool Step) {
  Pointers->Explain(Clue, Index, Step);
}

void TMainForm::DismissPointers() {
  Pointers->Dismiss();
}

void TMainForm::ClueBtnClick() {
  BoardView->Animation()->stop();
  if (!GameSession->Game().MayGiveClue()) return;
  // One step, explained as the engine takes it; its penalty is reported.
  const TDeductionStep step = GameSession->GiveClue();
  // Nothing found: the pane keeps no sentence of an earlier step.
  if (!step.Found()) Pointers->Forget();
  Pointers->ShowPointers(step);
  BlinkTimer->start();
}

void TMainForm::HintBtnMouseDown() {
  GameSession->Prove();
}
