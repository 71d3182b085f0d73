// Navigation, restart, pause, options, the clock and its labels.
#include "GameTestSupport.h"

#include <QComboBox>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

class CommandsTest : public TWindowTest {
 protected:
  int Number() const {
    return Form->Session().Settings().Prefs.PuzzleNumbers[Form->Session().Settings().Prefs.PuzzleSize];
  }
  void Seconds(int n) {
    for (int i = 0; i < 10 * n; ++i) Form->Timer1Timer();
  }
};

TEST_F(CommandsTest, ACtrlPressOnThePuzzleLabelStepsOn999PuzzlesThenAsks) {
#if defined(__SANITIZE_ADDRESS__)
  // 999 set-ups take most of a minute under the sanitizers; a shorter run
  // steps the same way.
  const int steps = 40;
#else
  const int steps = 999;
#endif
  // The steps land exactly on the last number; one fewer would not.
  Open(4, 999999 - steps);
  EXPECT_EQ(TMainFormProbe::CtrlPressSteps(*Form), 999);
  TMainFormProbe::CtrlPressSteps(*Form) = steps;
  // The pointer is busy through every set-up, and only then back to normal.
  int setUps = 0, busy = 0;
  const std::function<void(const TGameEvent&)> report = Form->Session().Controller().Sink;
  Form->Session().Controller().Sink = [&](const TGameEvent& event) {
    if (std::holds_alternative<TPhaseChange>(event)) {
      ++setUps;
      const QCursor* cursor = QApplication::overrideCursor();
      busy += cursor && cursor->shape() == Qt::WaitCursor;
    }
    report(event);
  };
  Dialogs.InputAnswers.push_back(QString());  // the click that follows asks; cancel it
  QTest::mouseClick(Form->InfoBar()->Puzzle(), Qt::LeftButton, Qt::ControlModifier);
  Form->Session().Controller().Sink = report;
  EXPECT_GE(setUps, steps);
  EXPECT_EQ(busy, setUps);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Number(), 999999);
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. 999999"));
  EXPECT_EQ(Dialogs.InputPrompts.size(), 1);
  EXPECT_TRUE(Form->Session().Game().InProgress());

  Open(4, 5);
  Dialogs.InputAnswers.push_back(QString());
  QTest::mouseClick(Form->InfoBar()->Puzzle(), Qt::LeftButton);
  EXPECT_EQ(Number(), 5) << "without Ctrl a press only asks";
}

TEST_F(CommandsTest, EachSizeKeepsItsOwnNumber) {
  Open(6, 40);
  Form->Session().Settings().Prefs.PuzzleNumbers[4] = 7;
  Form->Controls.ComboBox1->setCurrentIndex(0);
  Form->ComboBox1Change(0);  // what choosing the entry does
  EXPECT_EQ(Form->N(), 4);
  EXPECT_EQ(Number(), 7);
  QTest::mouseClick(Form->Controls.NextBtn, Qt::LeftButton);
  EXPECT_EQ(Form->Session().Settings().Prefs.PuzzleNumbers[4], 8);
  Form->ComboBox1Change(2);
  EXPECT_EQ(Form->N(), 6);
  EXPECT_EQ(Number(), 40);
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. 40"));
  // Selecting an entry from the program sets nothing up.
  Form->Session().Settings().Prefs.PuzzleSize = 5;
  Form->ShowPuzzleSize();
  EXPECT_EQ(Form->Controls.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(Form->N(), 6);
}

TEST_F(CommandsTest, TheWheelNeverChangesTheSize) {
  Open(6);
  QWheelEvent wheel(QPointF(10, 10), Form->Controls.ComboBox1->mapToGlobal(QPointF(10, 10)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Form->Controls.ComboBox1, &wheel);
  EXPECT_EQ(Form->Controls.ComboBox1->currentIndex(), 2);
  EXPECT_TRUE(wheel.isAccepted());
}

TEST_F(CommandsTest, RestartKeepsTheCountersAndResetsBoardAndTime) {
  Open(4, 2, 3);
  Press(Qt::LeftButton, 1, 1, WrongCandidate(1, 1));
  Press(Qt::LeftButton, 2, 2, Sq(2, 2).localindex());
  Form->Session().Controller().Puzzle.HorizontalClues.front().setShown(false);
  Form->Session().Controller().Puzzle.VerticalClues.front().setShown(false);
  Seconds(3);
  QTest::mouseClick(Form->Controls.RestartBtn, Qt::LeftButton);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 1);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 0);
  EXPECT_FALSE(Sq(2, 2).IsSolved());
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 0);
  EXPECT_TRUE(Form->Session().Game().Puzzle.HorizontalClues.front().shown());
  EXPECT_TRUE(Form->Session().Game().Puzzle.VerticalClues.front().shown());
  EXPECT_TRUE(Form->Session().Game().InProgress());
  EXPECT_TRUE(Form->Timer1->isActive());

  // Restarting a finished puzzle brings the clues back in place of the congratulations.
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  Form->Timer1Timer();
  ASSERT_TRUE(Form->Session().Game().Finished());
  Form->Controls.Restart1->trigger();
  EXPECT_FALSE(Form->Session().Game().Finished());
  EXPECT_EQ(CountColour(Form->VerticalPanel()->Clues()->Canvas, QColor(255, 255, 0)), 0);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 1);
}

TEST_F(CommandsTest, TheClockLabelsChangeOnWholeSeconds) {
  Open(6);
  Form->InfoBar()->Progress()->setText(QStringLiteral("Solution"));
  for (int i = 0; i < 9; ++i) Form->Timer1Timer();
  EXPECT_EQ(Form->InfoBar()->Progress()->text(), QStringLiteral("Solution"));  // not yet a whole second
  Form->Timer1Timer();
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Time: 0:00:01"));
  EXPECT_EQ(Form->InfoBar()->Progress()->text(),
            QStringLiteral("%1 (%2%) complete")
                .arg(Form->Session().Game().Puzzle.SolvedCount)
                .arg(Form->Session().Game().Puzzle.SolvedCount * 100.0 / 36, 0, 'f', 1));
  Form->Session().Controller().Clock.ElapsedSeconds = 3724;
  Seconds(1);
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Time: 1:02:05"));
  Form->Controls.TimedGame1->trigger();  // untimed
  EXPECT_FALSE(Form->Session().Settings().Prefs.TimerOn);
  Seconds(1);
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Untimed"));
}

TEST_F(CommandsTest, AnUntimedResultIsRecordedAsMinusOne) {
  Open(4, 5);
  Form->Controls.TimedGame1->trigger();
  ASSERT_FALSE(Form->Session().Settings().Prefs.TimerOn);
  Seconds(5);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  Form->Timer1Timer();
  ASSERT_EQ(Scores().size(), 1u);
  EXPECT_EQ(Scores()[0].Time, -1);
  EXPECT_EQ(Scores()[0].Number, 5);
  EXPECT_EQ(Scores()[0].Difficulty, 5);
  // Pausing, resuming and the options after the finish neither restart the clock nor score again.
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  Form->Controls.Options1->trigger();
  EXPECT_FALSE(Form->Timer1->isActive());
  Form->Timer1Timer();
  EXPECT_EQ(Scores().size(), 1u);
  // The finished game had no time, whatever the switch says now.
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Untimed"));
  Form->Controls.TimedGame1->trigger();
  ASSERT_TRUE(Form->Session().Settings().Prefs.TimerOn);
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Untimed"));
  Form->Controls.Options1->trigger();
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Untimed"));
}

TEST_F(CommandsTest, ThePauseMenuAndTheTimeLabelToggleLikeTheButton) {
  Open(4);
  Form->Controls.Pause1->trigger();
  EXPECT_TRUE(Form->Session().Game().Paused());
  EXPECT_TRUE(Form->Controls.PauseBtn->isChecked());
  EXPECT_FALSE(Form->Timer1->isActive());
  QTest::mouseClick(Form->InfoBar()->Time(), Qt::LeftButton);
  EXPECT_FALSE(Form->Session().Game().Paused());
  EXPECT_FALSE(Form->Controls.PauseBtn->isChecked());
  EXPECT_TRUE(Form->Timer1->isActive());
  QTest::mouseClick(Form->InfoBar()->Time(), Qt::LeftButton);
  EXPECT_TRUE(Form->Session().Game().Paused());
}

TEST_F(CommandsTest, TheOptionsDialogPausesAroundItself) {
  Open(4);
  QTest::mouseClick(Form->Controls.OptionsBtn, Qt::LeftButton);
  EXPECT_EQ(Dialogs.OptionsShown, 1);
  EXPECT_FALSE(Form->Session().Game().Paused());
  EXPECT_TRUE(Form->Timer1->isActive());
  // Paused before: it stays paused.
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  Form->Controls.Options1->trigger();
  EXPECT_EQ(Dialogs.OptionsShown, 2);
  EXPECT_TRUE(Form->Session().Game().Paused());
  EXPECT_FALSE(Form->Timer1->isActive());
}

TEST_F(CommandsTest, ThePauseButtonShowsThePlayersPauseWhateverEndedIt) {
  Open(4);
  // The player's pause, the scores' and the toolbar save's: each is ended by
  // the next puzzle, whose clock runs at once with the button up.
  for (const auto& pause : std::initializer_list<std::function<void()>>{
           [&] { QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton); },
           [&] { Form->ShowHighScores1Click(); },
           [&] { QTest::mouseClick(Form->Controls.BtnSave, Qt::LeftButton); }}) {
    pause();
    ASSERT_TRUE(Form->Session().Game().Paused());
    EXPECT_TRUE(Form->Controls.PauseBtn->isChecked());
    Seconds(2);
    QTest::mouseClick(Form->Controls.NextBtn, Qt::LeftButton);
    EXPECT_FALSE(Form->Session().Game().Paused());
    EXPECT_FALSE(Form->Controls.PauseBtn->isChecked()) << "the clock runs under a pressed pause button";
    EXPECT_TRUE(Form->Timer1->isActive());
    EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 0);
  }
  EXPECT_EQ(Dialogs.HighScoresShown, 1);
  // A window's own pause is not the player's: the button stays up under it.
  bool pausedUnder = false, buttonUnder = true;
  Dialogs.OptionsChange = [&](TSettings&) {
    pausedUnder = Form->Session().Game().Paused();
    buttonUnder = Form->Controls.PauseBtn->isChecked();
  };
  Form->Controls.Options1->trigger();
  EXPECT_TRUE(pausedUnder);
  EXPECT_FALSE(buttonUnder);
}

TEST_F(CommandsTest, TheKeysPlayersExpectRunTheirCommands) {
  Open(4, 10);
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  QTest::keyClick(Form.get(), Qt::Key_PageDown);
  EXPECT_EQ(Number(), 11);
  QTest::keyClick(Form.get(), Qt::Key_PageUp);
  EXPECT_EQ(Number(), 10);
  QTest::keyClick(Form.get(), Qt::Key_H);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, 0) << "a stray key costs no clue";
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 0);
  QTest::keyClick(Form.get(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, 1);
  QTest::keyClick(Form.get(), Qt::Key_P);
  EXPECT_TRUE(Form->Session().Game().Paused());
  QTest::keyClick(Form.get(), Qt::Key_Pause);
  EXPECT_FALSE(Form->Session().Game().Paused());
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());
  QTest::keyClick(Form.get(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 0);
  EXPECT_EQ(Form->Controls.Open1->shortcut(), QKeySequence(QKeySequence::Open));
}

TEST_F(CommandsTest, TheDailyAndAChosenPuzzleBecomeTheSizesNumberAsGoToDoes) {
  Open(8, 50);
  // The Puzzle menu offers it right after the random jump.
  QMenu* puzzleMenu = nullptr;
  for (QObject* holder : Form->Controls.Jumptorandompuzzle1->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(holder)) puzzleMenu = menu;
  ASSERT_NE(puzzleMenu, nullptr);
  const QList<QAction*> items = puzzleMenu->actions();
  ASSERT_EQ(items.indexOf(Form->Controls.PuzzleOfTheDay1),
            items.indexOf(Form->Controls.Jumptorandompuzzle1) + 1);
  EXPECT_EQ(Form->Controls.PuzzleOfTheDay1->text(), QStringLiteral("Puzzle of the &Day"));
  Form->Session().Today = [] { return QDate(2027, 3, 14); };
  Form->Controls.PuzzleOfTheDay1->trigger();
  const int daily = DailyPuzzleNumber(DailyDayOf(2027, 3, 14));
  EXPECT_EQ(Number(), daily);
  EXPECT_EQ(Form->N(), 8) << "the player's current size";
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. %1").arg(daily));
  EXPECT_TRUE(Form->Session().Game().InProgress());
  // The next day has another number; the same day at another size the same.
  Form->Session().Today = [] { return QDate(2027, 3, 15); };
  Form->Controls.PuzzleOfTheDay1->trigger();
  EXPECT_NE(Number(), daily);

  // A shared puzzle: its size and number, the other sizes' numbers kept.
  const int eights = Number();
  Form->PlayPuzzle(9, 4321);
  EXPECT_EQ(Form->N(), 9);
  EXPECT_EQ(Form->Session().Settings().Prefs.PuzzleSize, 9);
  EXPECT_EQ(Number(), 4321);
  EXPECT_EQ(Form->Controls.ComboBox1->currentText(), QStringLiteral("9 x 9 (Harder)"));
  EXPECT_EQ(Form->Session().Settings().Prefs.PuzzleNumbers[8], eights);
  TPuzzle same;
  same.SetUp(9, 4321, Form->Session().Settings().Prefs.Difficulty);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(Sq(c, r).localindex(), same.Square(c, r).localindex());
}

TEST_F(CommandsTest, StatisticsOpenForTheCurrentPlayerWithTheClockStopped) {
  Open(4);
  bool pausedWhileShown = false;
  Dialogs.WhileStatisticsShow = [&] {
    pausedWhileShown = Form->Session().Game().Paused() && !Form->Timer1->isActive();
  };
  Form->Controls.Statistics1->trigger();
  EXPECT_TRUE(pausedWhileShown);
  EXPECT_EQ(Dialogs.StatisticsShown, QStringList{Form->Session().Settings().Prefs.PlayerName});
  EXPECT_FALSE(Form->Session().Game().Paused()) << "the game goes on after the window";
  EXPECT_TRUE(Form->Timer1->isActive());
}
