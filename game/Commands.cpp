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
  Play->Next();
}

void TMainForm::PrevBtnClick() {
  DismissPointers();
  Play->Previous();
}

void TMainForm::GotoPuzzle1Click() {
  Play->AskPuzzleNumber();
}

void TMainForm::RzLabel1Click() {
  WinTimer->stop();
  GotoPuzzle1Click();
}

void TMainForm::RzLabel1MouseDown(Qt::KeyboardModifiers Shift) {
  if (!(Shift & Qt::ControlModifier) || CtrlPressSteps <= 0) return;
  // Seconds of set-ups (17 at 10 x 10): the pointer says the window is busy,
  // and only the last puzzle is drawn.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DismissPointers();
  Play->StepOn(CtrlPressSteps);
  QApplication::restoreOverrideCursor();
}

void TMainForm::Jumptorandompuzzle1Click() {
  DismissPointers();
  Play->RandomJump();
}

void TMainForm::PuzzleOfTheDay1Click() {
  DismissPointers();
  Play->PuzzleOfTheDay();
}

void TMainForm::ComboBox1Change(int Index) {
  Play->SetSize(SizeForIndex(Index));
  ShowPuzzleSize();  // the size in play, when the player kept the game
}

void TMainForm::PlayPuzzle(int Size, int Number) {
  if (IndexForSize(Size) < 0) return;
  DismissPointers();
  // Before the window shows, showing it sets the puzzle up.
  Play->PlayPuzzle(Size, Number, Shown);
  ShowPuzzleSize();
}

void TMainForm::RestartBtnClick() {
  WinTimer->stop();
  Play->Restart();
}

void TMainForm::PauseBtnClick() {
  WinTimer->stop();
  DismissPointers();
  Play->SetPaused(Pause1->isChecked());
  // A game being set up takes no pause: the button shows what the game does.
  Pause1->setChecked(Play->Game().PlayerPaused());
}

void TMainForm::TimeLblClick() {
  WinTimer->stop();
  Pause1->trigger();
}

void TMainForm::OptionsBtnClick() {
  WinTimer->stop();
  DismissPointers();
  Play->ShowOptions();
}

void TMainForm::Timer1Timer() {
  if (Play->Tick()) RzLabel2->hide();
}

void TMainForm::UpdateLabels() {
  const TGameController& game = Play->Game();
  Label1->SetFittedText(ProgressText(game.Puzzle.SolvedCount, N()));
  TimeLbl->SetFittedText(TimeText(game.Clock.ElapsedSeconds, Play->Prefs().TimerOn));
}

void TMainForm::ShowMessageAt(int X, int Y, const QString& Text) {
  // Below the pointer; wrapped where the board is narrower than the message,
  // and above the pointer where it would run off the board's bottom edge.
  const int room = PaintBox1->width();
  RzLabel2->setText(Text);
  RzLabel2->setWordWrap(false);
  RzLabel2->adjustSize();
  if (RzLabel2->width() > room) {
    RzLabel2->setWordWrap(true);
    RzLabel2->resize(room, RzLabel2->heightForWidth(room));
  }
  const int w = RzLabel2->width();
  const int h = RzLabel2->height();
  X = std::max(0, std::min(X, room - w));
  int top = Y + 12;
  if (top + h > PaintBox1->height()) top = Y - 12 - h;
  RzLabel2->move(X, std::clamp(top, 0, std::max(0, PaintBox1->height() - h)));
  RzLabel2->show();
  RzLabel2->raise();
}

void TMainForm::ShowNoteAt(QPoint At, const QString& Text) {
  Play->MessageShown();
  ShowMessageAt(At.x(), At.y(), Text);
}

void TMainForm::Createnewplayer1Click() {
  WinTimer->stop();
  Play->CreatePlayer();
}

void TMainForm::SwitchtoPlayer1Click() {
  WinTimer->stop();
  Play->SwitchPlayer();
}

void TMainForm::PlayerLblClick() {
  SwitchtoPlayer1Click();
}

void TMainForm::DeletePlayer1Click() {
  WinTimer->stop();
  Play->DeletePlayer();
}

void TMainForm::Save1Click() {
  WinTimer->stop();
  Play->Save();
}

void TMainForm::BtnSaveClick() {
  WinTimer->stop();
  DismissPointers();
  // The toolbar's save leaves the game paused, as the pause button does.
  Play->SaveAndPause();
}

void TMainForm::Open1Click() {
  WinTimer->stop();
  DismissPointers();
  Play->Open();
}

// --- what the session reports -------------------------------------------------

void TMainForm::RepaintAll() {
  PaintBox1->Repaint();
  HorizontalPaintBox->Repaint();
  VerticalPaintBox->Repaint();
}

void TMainForm::DrawAll() {
  DrawHorizontalPanel();
  DrawVerticalPanel();
  {
    QPainter p(&PaintBox1->Canvas);
    DrawBoard(p);
  }
  PaintBox1->update();
}

void TMainForm::DrawStartPicture() {
  // The animation counts the canvas's own pixels, so the picture has as many;
  // the board is drawn into it in the widget's coordinates.
  QImage& start = Effects->StartPicture;
  start = QImage(PaintBox1->Canvas.size(), QImage::Format_RGB32);
  start.setDevicePixelRatio(PaintBox1->Canvas.devicePixelRatio());
  {
    QPainter p(&start);
    DrawBoard(p);
  }
  start.setDevicePixelRatio(1);
}

void TMainForm::PuzzleChanged(TPuzzleChange change) {
  WinTimer->stop();
  switch (change) {
    case TPuzzleChange::New:
    case TPuzzleChange::Loaded:
      ForgetHints();
      LastPenalty = 0;
      ClearZoomBoxes();
      ShowPuzzleSize();
      RzLabel1->SetFittedText(tr("Puzzle No. %1").arg(Play->Game().Number()));
      UpdateLabels();
      DrawStartPicture();
      break;
    case TPuzzleChange::Restarted:
      ForgetHints();  // the step explained last is undone
      LastPenalty = 0;
      break;
    case TPuzzleChange::Proved:
      break;
  }
  DrawAll();
  Access.PuzzleChanged(change);
}

void TMainForm::SquareChanged(const TSquareChange& change) {
  DrawSquare(change.Square.c, change.Square.r);
  Access.SquareChanged(change);
}

void TMainForm::ClueChanged(const TClueChange& change) {
  TPaintBox* box = change.Vertical ? VerticalPaintBox : HorizontalPaintBox;
  if (change.Index < 0)
    box->Repaint();
  else if (change.Vertical)
    DrawVerticalPanel();
  else
    DrawHorizontalPanel();
  Access.ClueChanged(change);
}

void TMainForm::PhaseChanged(const TPhaseChange& change) {
  Access.PhaseChanged(change);
  GamePhaseChanged();
}

void TMainForm::ClockChanged(const TClockChange& change) {
  UpdateLabels();
  NotePenalty(change.Penalty, change.For == TPenalty::Clue);
}

void TMainForm::StateChanged(TStateChange change) {
  Access.StateChanged(change);
  switch (change) {
    case TStateChange::Preferences:
      ShowSwitches(false);
      ShowHintPane();
      TimeLbl->SetFittedText(TimeText(Play->Game().Clock.ElapsedSeconds, Play->Prefs().TimerOn));
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
  RzLabel2->hide();
  DismissPointers();
  ClearZoomBoxes();
  Effects->Start(Play->Prefs().Animation);
  FitAnimationToBoard();  // the board may have been resized since the set-up
  VerticalPaintBox->Repaint();
  WinTimer->start();
}

void TMainForm::ShowMessage(const QString& text, const TMove& /*move*/) {
  ShowMessageAt(MessagePoint.x(), MessagePoint.y(), text);
  Access.MisClick(text);
}

void TMainForm::ExplainStep(const TStepTaken& taken) {
  ExplainClue(taken.Step.Clue, taken.Step.Index, true);
  Access.StepExplained(taken.Step);
}

void TMainForm::PlaySound(TGameSound sound) {
  Sounds.Play(sound);
}

void TMainForm::StoringProfile() {
  CaptureWindowSizes();
}

void TMainForm::NotePenalty(int seconds, bool clue) {
  if (seconds <= 0) return;
  LastPenalty = seconds;
  LastPenaltyForClue = clue;
  // Said after the mis-click's message or the clue's step, in one breath.
  if (Play->Prefs().TimerOn)
    Access.Announce(
        QCoreApplication::translate("Accessibility", "%n second(s) added to the time.", "", seconds));
}

void TMainForm::SayTime1Click() {
  const int seconds = LastPenalty;  // a plain name: lupdate skips a member as the count
  QString text;
  if (seconds <= 0 || !Play->Prefs().TimerOn)
    //: The clock ("Time: 0:01:05" or "Untimed") and the board's progress
    text = QCoreApplication::translate("Accessibility", "%1. Progress: %2.");
  else if (LastPenaltyForClue)
    text = QCoreApplication::translate(
        "Accessibility", "%1. Progress: %2. The last penalty: %n second(s), for a clue.", "", seconds);
  else
    text = QCoreApplication::translate(
        "Accessibility", "%1. Progress: %2. The last penalty: %n second(s), for a mis-click.", "", seconds);
  const TGameController& game = Play->Game();
  text = text.arg(TimeText(game.Clock.ElapsedSeconds, Play->Prefs().TimerOn),
                  ProgressText(game.Puzzle.SolvedCount, game.N()));
  Access.Announce(text);
  ShowNoteAt({PaintBox1->width(), 0}, text);  // at the board's top right, below the clock
}
