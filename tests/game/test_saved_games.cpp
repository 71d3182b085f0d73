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
  Press(Qt::LeftButton, 1, 1, WrongCandidate(1, 1));  // a mis-click: the counter is not saved
  Form->Game.Puzzle.HorizontalClues[1].setShown(false);
  Form->Game.Clock.ElapsedSeconds = 1234;
  const std::vector<std::uint16_t> board = Board();
  const TClueList horizontal = Form->Game.Puzzle.HorizontalClues;
  const int solved = Form->Game.Puzzle.SolvedCount;

  Form->Save1->trigger();
  EXPECT_EQ(Dialogs.Infos, QStringList{QStringLiteral("Your game has been saved")});
  ASSERT_TRUE(QFile::exists(SavePath("Guest", 321, 10)));
  EXPECT_TRUE(Form->Timer1->isActive()) << "the clock runs on after a save";
  EXPECT_FALSE(Form->Game.Paused());

  // Another puzzle of another size, then open the saved one.
  Form->ComboBox1Change(0);
  Dialogs.FileAnswers.push_back(SavePath("Guest", 321, 10));
  QTest::mouseClick(Form->BtnOpen, Qt::LeftButton);
  EXPECT_EQ(Dialogs.FileRequests.front(),
            Folder.Path("Players/Saved Games") + QStringLiteral("|Quillmere Saved Game (*.sav)|sav"));
  EXPECT_EQ(Dialogs.Infos.last(), QStringLiteral("Your game has been loaded"));
  EXPECT_EQ(Form->N(), 10);
  EXPECT_EQ(Form->ComboBox1->currentIndex(), 5);
  EXPECT_EQ(Form->RzLabel1->text(), QStringLiteral("Puzzle No. 321"));
  EXPECT_EQ(Board(), board);
  EXPECT_EQ(Form->Game.Puzzle.SolvedCount, solved);
  EXPECT_EQ(Form->Game.Puzzle.HorizontalClues, horizontal);
  EXPECT_TRUE(Form->Game.Puzzle.HorizontalClues[1].shown()) << "every clue read back is shown";
  EXPECT_EQ(Form->Game.Clock.ElapsedSeconds, 1234);
  EXPECT_EQ(Form->Settings->Stats.Errors, 0) << "the counters keep the values they had";
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_TRUE(Form->Game.InProgress());
}

TEST_F(SavedGamesTest, ABadFileOrACancelLeavesTheGameAsItWas) {
  Open(6, 4);
  Press(Qt::LeftButton, 2, 2, Sq(2, 2).localindex());
  Form->Game.Clock.ElapsedSeconds = 50;
  Form->Save1->trigger();
  const std::vector<std::uint16_t> board = Board();
  // A square line whose candidate lies outside a 6 x 6 board.
  QFile file(SavePath("Guest", 4, 6));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QList<QByteArray> lines = file.readAll().split('\n');
  file.close();
  lines[3] = "imageindex=1~localindex=1~solved=0~remaining=1=1/9=9/~\r";
  const QString bad = Folder.Path("Players/Saved Games/Guest_4_6_bad.sav");
  QFile out(bad);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(lines.join('\n'));
  out.close();
  Form->NextBtnClick();
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());
  const std::vector<std::uint16_t> now = Board();
  ASSERT_NE(now, board);

  Dialogs.FileAnswers.push_back(bad);
  Form->Open1->trigger();
  ASSERT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_TRUE(Dialogs.Errors[0].startsWith(
      QStringLiteral("Could not load your game!\rPlease check the documentation for this message:\rline 4")))
      << Dialogs.Errors[0].toStdString();
  EXPECT_EQ(Board(), now);
  EXPECT_EQ(Form->Game.Number(), 5);
  EXPECT_TRUE(Form->Timer1->isActive()) << "the game goes on";

  Dialogs.FileAnswers.push_back(QString());  // cancel
  Form->Open1->trigger();
  EXPECT_EQ(Board(), now);
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_EQ(Dialogs.Infos.size(), 1);
}

TEST_F(SavedGamesTest, AnotherPlayersFileOpensForItsOwner) {
  Open(4, 8);
  Dialogs.NameAnswers.push_back(QStringLiteral("Ann_B"));
  Form->Createnewplayer1->trigger();
  Form->Save1->trigger();  // Ann_B's 6 x 6 puzzle 1
  Dialogs.PlayerAnswers.push_back(QStringLiteral("Guest"));
  Form->SwitchtoPlayer1->trigger();
  ASSERT_EQ(Form->Settings->Prefs.PlayerName, QStringLiteral("Guest"));

  Dialogs.FileAnswers.push_back(SavePath("Ann_B", 1, 6));
  Form->BtnOpenClick();
  EXPECT_EQ(Form->Settings->Prefs.PlayerName, QStringLiteral("Ann_B"));
  EXPECT_EQ(Form->PlayerLbl->text(), QStringLiteral("Ann_B"));
  EXPECT_EQ(Form->N(), 6);

  // A file no known player owns opens for the player at the board.
  QFile::copy(SavePath("Ann_B", 1, 6), SavePath("Zed", 1, 6));
  Dialogs.FileAnswers.push_back(SavePath("Zed", 1, 6));
  Form->BtnOpenClick();
  EXPECT_EQ(Form->Settings->Prefs.PlayerName, QStringLiteral("Ann_B"));
  EXPECT_EQ(Dialogs.Infos.count(QStringLiteral("Your game has been loaded")), 2);
}

TEST_F(SavedGamesTest, TheToolbarSavePausesAndAFinishedGameSavesNothing) {
  Open(4, 2);
  QTest::mouseClick(Form->BtnSave, Qt::LeftButton);
  EXPECT_TRUE(Form->Game.Paused());
  EXPECT_TRUE(Form->PauseBtn->isChecked());
  EXPECT_FALSE(Form->Timer1->isActive());
  EXPECT_TRUE(QFile::exists(SavePath("Guest", 2, 4)));
  QTest::mouseClick(Form->PauseBtn, Qt::LeftButton);

  QFile::remove(SavePath("Guest", 2, 4));
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  Form->Timer1Timer();
  ASSERT_TRUE(Form->Game.Finished());
  Form->Save1->trigger();
  EXPECT_FALSE(QFile::exists(SavePath("Guest", 2, 4)));
  EXPECT_EQ(Dialogs.Infos.size(), 1);
}
