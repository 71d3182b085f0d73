// Saving the game in play and opening it again, as a player would.
#include "GameTestSupport.h"
#include "SavedGame.h"

#include <QComboBox>
#include <QTimer>
#include <QToolButton>

class SavedGamesTest : public TWindowTest {
 protected:
  QString SavePath(const QString& player, int number, int size) const {
    return Folder.Path(QStringLiteral("Players/Saved Games/%1_%2_%3.sav").arg(player).arg(number).arg(size));
  }
  std::vector<std::uint16_t> Board() {
    std::vector<std::uint16_t> board;
    for (int r = 1; r <= Form->N(); ++r)
      for (int c = 1; c <= Form->N(); ++c)
        board.push_back(Sq(c, r).remaining() | (Sq(c, r).IsSolved() << 15));
    return board;
  }
};

TEST_F(SavedGamesTest, ASavedGameOpensWithItsBoardCluesAndTime) {
  Open(10, 321, 6);
  Press(Qt::LeftButton, 3, 2, Sq(3, 2).localindex());
  Press(Qt::RightButton, 5, 7, WrongCandidate(5, 7));
  Press(Qt::LeftButton, 1, 1, WrongCandidate(1, 1));  // a mis-click: it counts in the file too
  Form->Session().Controller().Puzzle.HorizontalClues[1].setShown(false);
  Form->Session().Controller().Clock.ElapsedSeconds = 1234;
  const std::vector<std::uint16_t> board = Board();
  const TClueList horizontal = Form->Session().Game().Puzzle.HorizontalClues;
  const int solved = Form->Session().Game().Puzzle.SolvedCount;

  Form->Controls.Save1->trigger();
  EXPECT_EQ(Dialogs.Infos, QStringList{QStringLiteral("Your game has been saved")});
  ASSERT_TRUE(QFile::exists(SavePath("Guest", 321, 10)));
  EXPECT_TRUE(Form->Timer1->isActive()) << "the clock runs on after a save";
  EXPECT_FALSE(Form->Session().Game().Paused());

  // Another puzzle of another size, then open the saved one.
  Form->ComboBox1Change(0);
  Dialogs.FileAnswers.push_back(SavePath("Guest", 321, 10));
  QTest::mouseClick(Form->Controls.BtnOpen, Qt::LeftButton);
  EXPECT_EQ(Dialogs.FileRequests.front(),
            Folder.Path("Players/Saved Games") + QStringLiteral("|Quillmere Saved Game (*.sav)|sav"));
  EXPECT_EQ(Dialogs.Infos.last(), QStringLiteral("Your game has been loaded"));
  EXPECT_EQ(Form->N(), 10);
  EXPECT_EQ(Form->Controls.ComboBox1->currentIndex(), 5);
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. 321"));
  EXPECT_EQ(Board(), board);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, solved);
  EXPECT_EQ(Form->Session().Game().Puzzle.HorizontalClues, horizontal);
  EXPECT_TRUE(Form->Session().Game().Puzzle.HorizontalClues[1].shown()) << "every clue read back is shown";
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 1234);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 1) << "the counters come back with the game";
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_TRUE(Form->Session().Game().InProgress());
}

TEST_F(SavedGamesTest, TheToolbarSavePausesAndAFinishedGameSavesNothing) {
  Open(4, 2);
  QTest::mouseClick(Form->Controls.BtnSave, Qt::LeftButton);
  EXPECT_TRUE(Form->Session().Game().Paused());
  EXPECT_TRUE(Form->Controls.PauseBtn->isChecked());
  EXPECT_FALSE(Form->Timer1->isActive());
  EXPECT_TRUE(QFile::exists(SavePath("Guest", 2, 4)));
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);

  QFile::remove(SavePath("Guest", 2, 4));
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  Form->Timer1Timer();
  ASSERT_TRUE(Form->Session().Game().Finished());
  Form->Controls.Save1->trigger();
  EXPECT_FALSE(QFile::exists(SavePath("Guest", 2, 4)));
  EXPECT_EQ(Dialogs.Infos.size(), 1);
}
