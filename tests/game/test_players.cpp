// Creating, switching and deleting players, and the options dialog, in a real window.
#include "GameTestSupport.h"

#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

class PlayersTest : public TWindowTest {
 protected:
  QString Name() const { return Form->Session().Settings().Prefs.PlayerName; }
  QByteArray PlayersFileText() const {
    QFile file(Folder.Path("quillmere.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  bool ProfileExists(const QString& name) const {
    return QFile::exists(Folder.Path("Players/" + name + ".ini"));
  }
  void Create(const QString& name) {
    Dialogs.NameAnswers.push_back(name);
    Form->Controls.Createnewplayer1->trigger();
  }
};

TEST_F(PlayersTest, ANewPlayerPlaysTheirOwnPuzzleAndCanBeChosenAtOnce) {
  Open(4, 77);
  Form->Session().Controller().Clock.ElapsedSeconds = 30;
  Dialogs.ConfirmAnswers.push_back(false);  // no, do not save the Guest's game
  Create(QStringLiteral("Anna"));
  EXPECT_EQ(Dialogs.Questions, QStringList{QStringLiteral("Do you want to save this game?")});
  EXPECT_EQ(Name(), QStringLiteral("Anna"));
  EXPECT_EQ(Form->InfoBar()->Player()->text(), QStringLiteral("Anna"));
  EXPECT_TRUE(ProfileExists(QStringLiteral("Anna")));
  // The new player's defaults: 6 x 6, puzzle 1, set up afresh.
  EXPECT_EQ(Form->N(), 6);
  EXPECT_EQ(Form->Session().Game().Number(), 1);
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. 1"));
  EXPECT_EQ(Form->Session().Game().Clock.ElapsedSeconds, 0);

  // Offered at once, and switching back brings the Guest's puzzle.
  Dialogs.PlayerAnswers.push_back(QStringLiteral("Guest"));
  Dialogs.ConfirmAnswers.push_back(false);
  Form->Controls.SwitchtoPlayer1->trigger();
  EXPECT_TRUE(Dialogs.PlayerRequests.back().split(',').contains(QStringLiteral("Anna")));
  EXPECT_EQ(Name(), QStringLiteral("Guest"));
  EXPECT_EQ(Form->N(), 4);
  EXPECT_EQ(Form->Session().Game().Number(), 77);
}

TEST_F(PlayersTest, ACancelledSwitchKeepsTheGameInPlay) {
  Open(6, 3);
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());
  const int solved = Form->Session().Game().Puzzle.SolvedCount;
  Form->Session().Controller().Clock.ElapsedSeconds = 12;
  Dialogs.PlayerAnswers.push_back(QString());
  QTest::mouseClick(Form->InfoBar()->Player(), Qt::LeftButton);
  EXPECT_EQ(Dialogs.PlayerRequests.size(), 1);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, solved);
  EXPECT_TRUE(Sq(1, 1).IsSolved());
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 12);
  EXPECT_TRUE(Dialogs.Questions.isEmpty());
}

TEST_F(PlayersTest, TheOnePlayingStaysAsSheIsAndADeletedPlayersGamesGoWithHer) {
  Open(4, 5);
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());
  Form->Session().Controller().Clock.ElapsedSeconds = 12;
  Dialogs.PlayerAnswers.push_back(QStringLiteral("guest"));
  Form->Controls.SwitchtoPlayer1->trigger();
  EXPECT_TRUE(Dialogs.Questions.isEmpty()) << "nothing to save: nobody else plays";
  EXPECT_TRUE(Sq(1, 1).IsSolved());
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 12);
  Form->Controls.Save1->trigger();  // Guest_5_4.sav

  // "Jo_Ann" reads so in the information bar, not "Jo Ann": the label shows
  // the whole underscore, every pixel the font draws for it.
  Dialogs.ConfirmAnswers.push_back(false);
  Create(QStringLiteral("Jo_Ann"));
  EXPECT_EQ(Form->InfoBar()->Player()->text(), QStringLiteral("Jo_Ann"));
  Form->InfoBar()->Player()->setText(QStringLiteral("_"));
  const QImage withLine = Form->InfoBar()->Player()->grab().toImage();
  Form->InfoBar()->Player()->setText(QString());
  const QImage without = Form->InfoBar()->Player()->grab().toImage();
  Form->InfoBar()->Player()->setText(QStringLiteral("Jo_Ann"));
  ASSERT_EQ(withLine.size(), without.size());
  int shown = 0;
  for (int y = 0; y < withLine.height(); ++y)
    for (int x = 0; x < withLine.width(); ++x) shown += withLine.pixel(x, y) != without.pixel(x, y);
  QImage alone(200, 100, QImage::Format_RGB32);
  alone.setDevicePixelRatio(withLine.devicePixelRatio());
  alone.fill(Qt::white);
  {
    QPainter painter(&alone);
    painter.setFont(Form->InfoBar()->Player()->font());
    painter.drawText(QRect(0, 0, 100, 50), Qt::AlignCenter, QStringLiteral("_"));
  }
  int drawn = 0;
  for (int y = 0; y < alone.height(); ++y)
    for (int x = 0; x < alone.width(); ++x) drawn += alone.pixel(x, y) != qRgb(255, 255, 255);
  ASSERT_GT(drawn, 0);
  EXPECT_GE(shown, drawn) << "the underscore is cut";

  // Her games go with her; another player's, of a name she begins, stay.
  Form->Controls.Save1->trigger();  // Jo_Ann_1_6.sav
  const QString games = Folder.Path("Players/Saved Games/");
  ASSERT_TRUE(QFile::copy(games + "Jo_Ann_1_6.sav", games + "Jo_Ann_7_6.sav"));
  ASSERT_TRUE(QFile::copy(games + "Jo_Ann_1_6.sav", games + "Jo_Ann_1_1_6.sav"));
  ASSERT_TRUE(Form->Session().Settings().StoreProfile());
  Form->Session().Settings().PlayerList.append(QStringLiteral("Jo_Ann_1=Jo_Ann_1"));
  Dialogs.ConfirmAnswers.push_back(true);
  Dialogs.PlayerAnswers.push_back(QString());
  Form->Controls.DeletePlayer1->trigger();
  EXPECT_TRUE(Dialogs.Questions.last().endsWith("Their saved games are deleted with them."));
  EXPECT_EQ(QDir(games).entryList(QDir::Files), QStringList({"Guest_5_4.sav", "Jo_Ann_1_1_6.sav"}));
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

TEST_F(PlayersTest, TheOptionsDialogsSwitchesShowInTheWindowWhenItCloses) {
  Open(4);
  Dialogs.OptionsChange = [](TSettings& s) {
    s.Prefs.ShowHints = true;
    s.Prefs.Zoom = true;
    s.Prefs.TimerOn = false;
  };
  Form->Controls.Options1->trigger();
  EXPECT_TRUE(Form->Controls.HintBtn->isChecked());
  EXPECT_TRUE(Form->Controls.ShowHints1->isChecked());
  EXPECT_EQ(Form->statusBar()->height(), 36);
  EXPECT_TRUE(Form->Controls.ZoomBtn->isChecked());
  EXPECT_FALSE(Form->Controls.TimedGame1->isChecked());
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Untimed"));
  // The timed-game toggle twice returns to where it was.
  Form->Controls.TimedGame1->trigger();
  Form->Controls.TimedGame1->trigger();
  EXPECT_FALSE(Form->Session().Settings().Prefs.TimerOn);
  EXPECT_FALSE(Form->Controls.TimedGame1->isChecked());
}
