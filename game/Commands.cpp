// Commands that change the game in play, the clock and completion.
#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

void TMainForm::SetUpPuzzle() {
  WinTimer->stop();
  ForgetHints();
  ClearZoomBoxes();
  Game.SetUpPuzzle();  // stops the clock while it generates, starts it again
  RzLabel1->setText(QStringLiteral("Puzzle No. %1").arg(Game.Number()));
  DrawStartPicture();
  {
    QPainter p(&PaintBox1->Canvas);
    DrawBoard(p);
  }
  PaintBox1->update();
  DrawVerticalPanel();
  DrawHorizontalPanel();
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

void TMainForm::SetPuzzleNumber(int number) {
  Settings->Prefs.PuzzleNumbers[Settings->Prefs.PuzzleSize] = ClampPuzzleNumber(number);
  SetUpPuzzle();
}

void TMainForm::NextBtnClick() {
  DismissPointers();
  SetPuzzleNumber(Game.Number() + 1);
}

void TMainForm::PrevBtnClick() {
  DismissPointers();
  SetPuzzleNumber(Game.Number() - 1);
}

void TMainForm::GotoPuzzle1Click() {
  QString text = QStringLiteral("1");
  if (!Dialogs.InputBox(this, QStringLiteral("Enter Puzzle Number"),
                        QStringLiteral("Enter a value between 1 and 999999"), text))
    return;
  SetPuzzleNumber(ParsePuzzleNumber(text));
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
  for (int i = 1; i < CtrlPressSteps; ++i) {
    Settings->Prefs.PuzzleNumbers[Settings->Prefs.PuzzleSize] = ClampPuzzleNumber(Game.Number() + 1);
    Game.SetUpPuzzle();
  }
  NextBtnClick();
  QApplication::restoreOverrideCursor();
}

void TMainForm::Jumptorandompuzzle1Click() {
  DismissPointers();
  SetPuzzleNumber(static_cast<int>(Game.Puzzle.Random.Random(MaxPuzzleNumber)) + 1);
}

void TMainForm::ComboBox1Change(int Index) {
  const int size = SizeForIndex(Index);
  if (size == 0) return;
  Settings->Prefs.PuzzleSize = size;
  SetUpPuzzle();
}

void TMainForm::RepaintAll() {
  PaintBox1->Repaint();
  HorizontalPaintBox->Repaint();
  VerticalPaintBox->Repaint();
}

void TMainForm::RestartBtnClick() {
  ForgetHints();  // the step explained last is undone
  WinTimer->stop();
  // The game is playing again before anything is drawn, so the panels and
  // the board show the fresh game rather than the congratulations or the
  // paused look.
  Game.Restart();
  DrawHorizontalPanel();
  DrawVerticalPanel();
  {
    QPainter p(&PaintBox1->Canvas);
    DrawBoard(p);
  }
  PaintBox1->update();
}

void TMainForm::PauseBtnClick() {
  WinTimer->stop();
  DismissPointers();
  Game.SetPaused(Pause1->isChecked());
}

void TMainForm::TimeLblClick() {
  WinTimer->stop();
  Pause1->trigger();
}

void TMainForm::OptionsBtnClick() {
  WinTimer->stop();
  DismissPointers();
  {
    TGame::TPauseGuard pause(Game);
    Dialogs.ShowOptions(this, *Settings);
  }
  if (const TResult splash = Settings->StoreShowSplash(); !splash) Dialogs.ErrorBox(this, splash.Error);
  // The dialog changed the preferences themselves; the window shows them now.
  ShowSwitches();
  ShowHintPane();
  TimeLbl->setText(TimeText(Game.Clock.ElapsedSeconds, Settings->Prefs.TimerOn));
}

void TMainForm::UpdateLabels() {
  Label1->setText(ProgressText(Game.Puzzle.SolvedCount, N()));
  TimeLbl->setText(TimeText(Game.Clock.ElapsedSeconds, Settings->Prefs.TimerOn));
}

void TMainForm::Timer1Timer() {
  const TTick tick = Game.Tick();
  if (tick.WholeSecond) UpdateLabels();
  if (Game.Clock.MessageAge > 3) RzLabel2->hide();
  if (tick.Completed) {
    UpdateLabels();
    CompletePuzzle();
  }
}

void TMainForm::CompletePuzzle() {
  RzLabel2->hide();
  const TScore score = Game.Complete();  // stops the clock
  DismissPointers();
  ClearZoomBoxes();
  PlayGameSound(TGameSound::Complete);
  Effects->Start(Settings->Prefs.Animation);
  FitAnimationToBoard();  // the board may have been resized since the set-up
  VerticalPaintBox->Repaint();
  if (const TResult written = ScoreTable.AddScore(score.Player, score.Number, score.Size, score.Time,
                                                  score.Errors, score.Clues, score.Difficulty);
      !written)
    Dialogs.ErrorBox(this, written.Error);
  WinTimer->start();
}

void TMainForm::ShowMessageAt(int X, int Y, const QString& Text) {
  RzLabel2->setText(Text);
  RzLabel2->adjustSize();
  const int w = RzLabel2->width();
  if (X + w > PaintBox1->width()) X = PaintBox1->width() - w;
  if (Y > PaintBox1->height() - 20) Y -= 20;
  RzLabel2->move(X, Y + 12);
  RzLabel2->show();
  RzLabel2->raise();
  Game.Clock.MessageAge = 0;
}

void TMainForm::PuzzleOfTheDay1Click() {
  DismissPointers();
  SetPuzzleNumber(DailyPuzzleNumber(DailyDayOf(Today())));
}

void TMainForm::PlayPuzzle(int Size, int Number) {
  if (IndexForSize(Size) < 0) return;
  DismissPointers();
  Settings->Prefs.PuzzleSize = Size;
  Settings->Prefs.PuzzleNumbers[Size] = ClampPuzzleNumber(Number);
  ShowPuzzleSize();
  // Before the window shows, showing it sets the puzzle up.
  if (Shown) SetUpPuzzle();
}
