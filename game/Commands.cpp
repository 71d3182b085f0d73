// Commands that change the game in play, the clock and completion.
#include "MainForm.h"
#include "Settings.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

void TMainForm::SetUpPuzzle() {
  TPrefs& prefs = Settings->Prefs;
  // A hand-edited profile may name a size the list does not offer or a
  // number out of range; play the nearest thing the game has.
  if (IndexForSize(prefs.PuzzleSize) < 0) prefs.PuzzleSize = 6;
  prefs.PuzzleNumbers[prefs.PuzzleSize] = ClampPuzzleNumber(prefs.PuzzleNumbers[prefs.PuzzleSize]);
  const int number = prefs.PuzzleNumbers[prefs.PuzzleSize];

  WinTimer->stop();
  RzLabel1->setText(QStringLiteral("Puzzle No. %1").arg(number));
  Timer1->stop();
  BoardReady = false;
  const bool sounds = prefs.SoundsOn;
  prefs.SoundsOn = false;
  Finished = false;
  Settings->ResetStats();
  Puzzle.SetUp(prefs.PuzzleSize, static_cast<std::uint32_t>(number), prefs.Difficulty);
  BoardReady = true;
  Effects->BoardBitmap = QImage(PaintBox1->size(), QImage::Format_RGB32);
  {
    QPainter p(&Effects->BoardBitmap);
    DrawBoard(p);
  }
  {
    QPainter p(&PaintBox1->Canvas);
    DrawBoard(p);
  }
  PaintBox1->update();
  DrawVerticalPanel();
  DrawHorizontalPanel();
  prefs.SoundsOn = sounds;
  Clock.Reset();
  Paused = false;
  Timer1->start();
  InProgress = true;
}

void TMainForm::SetPuzzleNumber(int number) {
  Settings->Prefs.PuzzleNumbers[Settings->Prefs.PuzzleSize] = ClampPuzzleNumber(number);
  SetUpPuzzle();
}

void TMainForm::NextBtnClick() {
  const TPrefs& prefs = Settings->Prefs;
  SetPuzzleNumber(prefs.PuzzleNumbers[prefs.PuzzleSize] + 1);
}

void TMainForm::New1Click() {
  DismissPointers();
  NextBtnClick();
}

void TMainForm::PrevBtnClick() {
  const TPrefs& prefs = Settings->Prefs;
  SetPuzzleNumber(prefs.PuzzleNumbers[prefs.PuzzleSize] - 1);
}

void TMainForm::Previous1Click() {
  PrevBtnClick();
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
  if (!(Shift & Qt::ControlModifier)) return;
  for (int i = 0; i < 999; ++i) NextBtnClick();
}

void TMainForm::Jumptorandompuzzle1Click() {
  DismissPointers();
  SetPuzzleNumber(static_cast<int>(Puzzle.Random.Random(MaxPuzzleNumber)) + 1);
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
  WinTimer->stop();
  for (TClue& clue : Puzzle.VerticalClues) clue.setShown(true);
  for (TClue& clue : Puzzle.HorizontalClues) clue.setShown(true);
  Puzzle.ResetBoard();
  // Cleared first, so the panels and the board draw the fresh game rather
  // than the congratulations or the paused look.
  Paused = false;
  Finished = false;
  DrawHorizontalPanel();
  DrawVerticalPanel();
  {
    QPainter p(&PaintBox1->Canvas);
    DrawBoard(p);
  }
  PaintBox1->update();
  Clock.Reset();
  Timer1->start();
  InProgress = true;
}

void TMainForm::Restart1Click() {
  DismissPointers();
  RestartBtnClick();
}

void TMainForm::PauseBtnClick() {
  WinTimer->stop();
  if (PauseBtn->isChecked()) {
    Paused = true;
    Timer1->stop();
    RepaintAll();
  } else {
    Paused = false;
    RepaintAll();
    if (InProgress) Timer1->start();
  }
}

void TMainForm::Pause1Click() {
  DismissPointers();
  PauseBtn->setChecked(!PauseBtn->isChecked());
  PauseBtnClick();
}

void TMainForm::TimeLblClick() {
  WinTimer->stop();
  PauseBtn->setChecked(!PauseBtn->isChecked());
  PauseBtnClick();
}

void TMainForm::OptionsBtnClick() {
  WinTimer->stop();
  DismissPointers();
  const bool wasPaused = Paused;
  if (!wasPaused) {
    Paused = true;
    Timer1->stop();
    RepaintAll();
  }
  Dialogs.ShowOptions(this, *Settings);
  if (wasPaused) return;
  Paused = false;
  RepaintAll();
  if (InProgress) Timer1->start();
}

void TMainForm::Options1Click() {
  OptionsBtnClick();
}

void TMainForm::UpdateLabels() {
  Label1->setText(ProgressText(Puzzle.SolvedCount, N()));
  TimeLbl->setText(TimeText(Clock.ElapsedSeconds, Settings->Prefs.TimerOn));
}

void TMainForm::ClockTick() {
  if (Clock.Tick()) UpdateLabels();
  if (Clock.MessageAge > 3) RzLabel2->hide();
  // Only a game in progress completes: a clock event that was already on its
  // way when the puzzle finished must not score it twice.
  if (InProgress && Puzzle.SolvedCount >= N() * N()) {
    UpdateLabels();
    CompletePuzzle();
  }
}

void TMainForm::CompletePuzzle() {
  RzLabel2->hide();
  InProgress = false;
  Finished = true;
  DismissPointers();
  Timer1->stop();
  PlayGameSound(TGameSound::Complete);
  Effects->Start(Settings->Prefs.Animation);
  Effects->BoardBitmap = PaintBox1->Canvas.copy();
  VerticalPaintBox->Repaint();
  if (!Settings->Prefs.TimerOn) Clock.ElapsedSeconds = -1;
  const TPrefs& prefs = Settings->Prefs;
  ScoreForm->AddScore(prefs.PlayerName, prefs.PuzzleNumbers[prefs.PuzzleSize], N(), Clock.ElapsedSeconds,
                      Settings->Stats.Errors, Settings->Stats.Clues, prefs.Difficulty);
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
  Clock.MessageAge = 0;
}
