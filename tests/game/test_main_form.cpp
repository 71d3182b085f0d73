// Creating, showing and closing the main window; the data folder; sounds.
#include "GameTestSupport.h"
#include "QtDialogs.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QTemporaryDir>
#include <QScreen>
#include <QMenu>
#include <QComboBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "FileFaults.h"
#include "RecordsLock.h"
#include "RunningGame.h"
#include "SavedGame.h"
#include "WindowLinks.h"

#include <QLocalSocket>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <future>
#include <thread>

namespace {
// The program's own words are checked in English, whatever the desktop speaks.
[[maybe_unused]] const bool EnglishDesktop = unsetenv("LANGUAGE") == 0 && setenv("LC_ALL", "C.UTF-8", 1) == 0;

void WriteFile(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}
QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class MainFormTest : public TWindowTest {
 protected:
  // Solves every square and lets the clock see it: the puzzle completes.
  void SolveAll() {
    for (int r = 1; r <= Form->N(); ++r)
      for (int c = 1; c <= Form->N(); ++c)
        if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
    Form->Timer1Timer();
  }
};

TEST_F(MainFormTest, StartsWithTheDesignedWindowAndSetsUpTheCurrentPuzzle) {
  Open(6, 1);
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Quillmere - Logic Challenge"));
  EXPECT_EQ(Form->size(), QSize(1024, 768));
  EXPECT_EQ(Form->minimumHeight(), 500);
  EXPECT_EQ(Form->minimumWidth(),
            Form->Controls.ZoomBtn->mapTo(Form.get(), QPoint(Form->Controls.ZoomBtn->width(), 0)).x() + 4);
  EXPECT_EQ(Form->HorizontalPanel()->width(), 288);
  EXPECT_EQ(Form->VerticalPanel()->height(), 199);
  EXPECT_EQ(Form->Controls.NextBtn->size(), QSize(58, 58));
  EXPECT_EQ(Form->Controls.NextBtn->toolTip(), QStringLiteral("Next puzzle"));
  EXPECT_EQ(Form->InfoBar()->Player()->text(), QStringLiteral("Guest"));
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. 1"));
  // The first player starts as any new player does: hints shown.
  EXPECT_EQ(Form->statusBar()->height(), 36);
  EXPECT_TRUE(Form->Controls.ShowHints1->isChecked());
  EXPECT_TRUE(Form->Session().Game().BoardReady());
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_FALSE(Form->Board()->Animation()->isActive());
  EXPECT_FALSE(Form->Session().Game().Puzzle.HorizontalClues.empty());
  // The board is drawn: navy background, candidates in the squares.
  const TBoardLayout L = Form->Board()->Layout();
  EXPECT_EQ(Form->Board()->Canvas.pixelColor(3, 3), QColor(0, 0, 128));
  EXPECT_NE(Form->Board()->Canvas.pixelColor(L.X0(1) + 3, L.Y0(1) + 3), QColor(0, 0, 128));
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

TEST_F(MainFormTest, ExitAsksToSaveOnlyDuringAGame) {
  Open(4);
  Form->Controls.Exit1->trigger();
  EXPECT_EQ(Dialogs.Questions, QStringList{QStringLiteral("Do you want to save this game?")});
  EXPECT_FALSE(Form->isVisible());

  Form->show();
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  Form->Timer1Timer();
  Form->Controls.Exit1->trigger();
  EXPECT_EQ(Dialogs.Questions.size(), 1);
}

// The close button, Alt+F4 and the desktop's log-out all close the window
// with a close event: each asks as Exit does, and Cancel keeps the window
// and the game running. The size list shows the size kept when a size change
// is cancelled.
TEST_F(MainFormTest, ClosingTheWindowAnyWayAsksAndCancelKeepsTheGame) {
  Open(4, 6);
  Press(Qt::LeftButton, 2, 2, Sq(2, 2).localindex());
  Dialogs.Answers = {TDialogs::TAnswer::Cancel};
  EXPECT_FALSE(Form->close());
  EXPECT_EQ(Dialogs.Questions, QStringList{QStringLiteral("Do you want to save this game?")});
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(Form->Session().Game().Phase(), TPhase::Playing);
  EXPECT_TRUE(Form->Timer1->isActive()) << "the clock runs on";
  EXPECT_TRUE(Sq(2, 2).IsSolved());

  Dialogs.Answers = {TDialogs::TAnswer::Cancel};
  Form->Controls.ComboBox1->setCurrentIndex(IndexForSize(8));
  emit Form->Controls.ComboBox1->activated(IndexForSize(8));
  EXPECT_EQ(Form->N(), 4);
  EXPECT_EQ(Form->Controls.ComboBox1->currentIndex(), IndexForSize(4));

  Dialogs.Answers = {TDialogs::TAnswer::Yes};
  EXPECT_TRUE(Form->close());
  EXPECT_FALSE(Form->isVisible());
  EXPECT_TRUE(QFile::exists(Folder.Path("Players/Saved Games/Guest_6_4.sav")));
  EXPECT_EQ(Dialogs.Questions.size(), 3);
}

// The real question: Yes, No and Cancel, and Escape is Cancel (never No,
// which would quit without saving).
TEST_F(MainFormTest, EscapeOnTheRealSaveQuestionCancels) {
  TestApp();
  TQtDialogs dialogs{QString()};
  for (const int key : {Qt::Key_Escape, Qt::Key_N, Qt::Key_Y}) {
    QMessageBox::StandardButtons buttons;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&poll, &buttons, key] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      poll.stop();
      buttons = box->standardButtons();
      if (key == Qt::Key_Escape)
        QTest::keyClick(box, Qt::Key_Escape);
      else
        box->button(key == Qt::Key_N ? QMessageBox::No : QMessageBox::Yes)->click();
    });
    poll.start();
    const TDialogs::TAnswer answer =
        dialogs.YesNoCancel(nullptr, QStringLiteral("Do you want to save this game?"));
    EXPECT_EQ(answer, key == Qt::Key_Escape ? TDialogs::TAnswer::Cancel
                      : key == Qt::Key_N    ? TDialogs::TAnswer::No
                                            : TDialogs::TAnswer::Yes);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
}

// A save that fails when the game is about to be dropped keeps it: at the
// exit, and before a new player or another one takes the board. Declining
// the save leaves knowingly.
TEST_F(MainFormTest, AFailedSaveKeepsTheGameUntilThePlayerDeclinesToSave) {
  Open(4, 6);
  Press(Qt::LeftButton, 2, 2, Sq(2, 2).localindex());
  ASSERT_TRUE(QDir(Folder.Path("Players/Saved Games")).removeRecursively());
  WriteFile(Folder.Path("Players/Saved Games"), "a file where the folder should be");
  Form->Session().Settings().PlayerList.append(QStringLiteral("Anna=Anna"));

  Dialogs.ConfirmAnswers = {true, true, true};
  Form->Controls.Exit1->trigger();
  Dialogs.NameAnswers.push_back(QStringLiteral("Bob"));
  Form->Controls.Createnewplayer1->trigger();
  Dialogs.PlayerAnswers.push_back(QStringLiteral("Anna"));
  Form->Controls.SwitchtoPlayer1->trigger();
  EXPECT_EQ(Dialogs.Questions.size(), 3);
  ASSERT_EQ(Dialogs.Errors.size(), 3);
  for (const QString& error : Dialogs.Errors) EXPECT_TRUE(error.startsWith("Could not save your game!"));
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(Form->Session().Settings().Prefs.PlayerName, QStringLiteral("Guest"));
  EXPECT_FALSE(Form->Session().Settings().ListPlayerNames().contains(QStringLiteral("Bob")));
  EXPECT_TRUE(Form->Session().Game().InProgress());
  EXPECT_TRUE(Sq(2, 2).IsSolved());

  Dialogs.ConfirmAnswers = {false};
  Form->Controls.Exit1->trigger();
  EXPECT_FALSE(Form->isVisible());
}

TEST_F(MainFormTest, ClosingKeepsTheSizesAndTheProfileStoresThem) {
  Open(4, 9);
  const QSize room = Form->screen()->availableGeometry().size();
  Form->resize(room.width() + 300, room.height() - 40);
  QApplication::processEvents();
  Form->close();
  const int width = Form->Session().Settings().MainWidth;
  const int height = Form->Session().Settings().MainHeight;
  EXPECT_GE(width, room.width() + 300);
  EXPECT_EQ(Form->Session().Settings().HorizontalWidth, Form->HorizontalPanel()->width());
  EXPECT_EQ(Form->Session().Settings().VerticalHeight, Form->VerticalPanel()->height());
  Form.reset();  // stores the player list and the profile
  EXPECT_TRUE(Dialogs.Errors.isEmpty());

  // The next start shows the stored height and the same puzzle; the width
  // beyond the screen is fitted to it, never below the window's minimum.
  Form = std::make_unique<TMainForm>(Folder.ProgramPath(), Dialogs);
  ASSERT_TRUE(Form->FormCreate());
  EXPECT_EQ(Form->Session().Settings().MainWidth, width);
  EXPECT_EQ(Form->Session().Settings().Prefs.PuzzleSize, 4);
  EXPECT_EQ(Form->Session().Settings().Prefs.PuzzleNumbers[4], 9);
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  EXPECT_EQ(Form->InfoBar()->Puzzle()->text(), QStringLiteral("Puzzle No. 9"));
  EXPECT_EQ(Form->frameGeometry().height(), height);
  const QSize least = Form->minimumSize().expandedTo(Form->minimumSizeHint());
  const QSize frame = Form->frameGeometry().size() - Form->size();
  EXPECT_EQ(Form->width(), std::max(room.width() - frame.width(), least.width()));
}

TEST_F(MainFormTest, AProfileAskingForAHugeWindowGetsOneTheScreenHolds) {
  WriteFile(Folder.Path("Players/Guest.ini"),
            "[Window]\nMainWidth=100000\nMainHeight=2147483647\nHorizontalWidth=2147483647\n"
            "VerticalHeight=100000\n");
  Open(6);
  const QRect room = Form->screen()->availableGeometry();
  const QSize least = Form->minimumSize().expandedTo(Form->minimumSizeHint());
  const QSize frame = Form->frameGeometry().size() - Form->size();
  EXPECT_EQ(Form->width(), std::max(room.width() - frame.width(), least.width()));
  EXPECT_EQ(Form->height(), std::max(room.height() - frame.height(), least.height()));
  EXPECT_LT(Form->HorizontalPanel()->width(), Form->width());
  EXPECT_LT(Form->VerticalPanel()->height(), Form->height());
  EXPECT_LE(Form->Board()->Canvas.sizeInBytes(), qsizetype(16) << 20);
  // What the window really had is what is kept, so the next start is sane too.
  Form.reset();
  const QByteArray profile = ReadFile(Folder.Path("Players/Guest.ini"));
  for (const char* huge : {"100000", "2147483647", "32767"})
    EXPECT_FALSE(profile.contains(huge)) << profile.toStdString();
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
}

TEST_F(MainFormTest, AnUnusableCurrentPlayerIsRefusedOnceAndNeverKept) {
  WriteFile(Folder.ProgramPath() + ".ini", "[Game]\nCurrentPlayer=../evil\n[Players]\nBea=Bea\n");
  Open(4);
  ASSERT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_TRUE(Dialogs.Errors[0].contains(QStringLiteral("\"../evil\" (A player name cannot contain \"/\".)")))
      << Dialogs.Errors[0].toStdString();
  EXPECT_EQ(Form->InfoBar()->Player()->text(), QStringLiteral("Bea"));
  EXPECT_EQ(Form->Session().Settings().ListPlayerNames(), QStringList{"Bea"});
  Form.reset();  // the exit stores Bea as the current player, without a second message
  EXPECT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_TRUE(QFile::exists(Folder.Path("Players/Bea.ini")));
  Dialogs.Errors.clear();
  Open(4);
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
  EXPECT_EQ(Form->InfoBar()->Player()->text(), QStringLiteral("Bea"));
}

TEST_F(MainFormTest, TheStartMakesAMissingPlayersFolderOrSaysOnceThatItCannot) {
  ASSERT_TRUE(QDir(Folder.Path("Players")).removeRecursively());
  Open(4);
  EXPECT_TRUE(QFileInfo(Folder.Path("Players/Saved Games")).isDir());
  Form->Save1Click();  // progress and saved games are kept again
  EXPECT_EQ(Dialogs.Infos.size(), 1);
  Form.reset();
  EXPECT_TRUE(QFile::exists(Folder.Path("Players/Guest.ini")));
  EXPECT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();

  // A plain file where the folder belongs cannot be made a folder.
  ASSERT_TRUE(QDir(Folder.Path("Players")).removeRecursively());
  WriteFile(Folder.Path("Players"), "not a folder");
  Open(4);
  ASSERT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_EQ(Dialogs.Errors[0], "Unable to create the folder " + Folder.Path("Players/Saved Games") +
                                   ".\rThe players' progress and saved games cannot be kept.");
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());  // the game goes on
  EXPECT_TRUE(Sq(1, 1).IsSolved());
  Form.reset();
  EXPECT_EQ(Dialogs.Errors.size(), 1) << Dialogs.Errors.join('\n').toStdString();
  EXPECT_TRUE(QFile::exists(Folder.ProgramPath() + ".ini"));  // the players file beside it is kept
  EXPECT_EQ(ReadFile(Folder.Path("Players")), "not a folder");
}

// Every records file fails to be written, early (the first byte) or in the
// middle: each failure is told once, the previous file stays byte for byte,
// and the player plays on.
TEST_F(MainFormTest, EveryFailedWriteIsToldOnceAndTheGameGoesOn) {
  // A previous file of every kind: a score, a saved game, the players file, a profile.
  Open(4, 3);
  SolveAll();
  Form->NextBtnClick();
  Form->Save1Click();
  ASSERT_TRUE(Form->Session().Settings().StorePlayerList().Ok());
  Form.reset();
  ASSERT_TRUE(Dialogs.Errors.isEmpty()) << Dialogs.Errors.join('\n').toStdString();
  const QString files[] = {Folder.ProgramPath() + ".sco", Folder.Path("Players/Saved Games/Guest_4_4.sav"),
                           Folder.ProgramPath() + ".ini", Folder.Path("Players/Guest.ini")};
  QByteArray before[4];
  for (int i = 0; i < 4; ++i) {
    before[i] = ReadFile(files[i]);
    ASSERT_GT(before[i].size(), 40) << files[i].toStdString();
  }

  for (const rlim_t limit : {rlim_t(0), rlim_t(40)}) {
    SCOPED_TRACE(limit);
    Dialogs = TScriptedDialogs();
    Open(4, 4);
    TFileSizeLimit full(limit);
    Form->Save1Click();
    ASSERT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(Dialogs.Errors[0].startsWith(QLatin1String(CouldNotSaveGameText)))
        << Dialogs.Errors[0].toStdString();
    EXPECT_TRUE(Form->Session().Game().InProgress());
    EXPECT_TRUE(Form->Timer1->isActive());

    SolveAll();
    ASSERT_EQ(Dialogs.Errors.size(), 2);
    // The run's first score write keeps the file as it found it first.
    EXPECT_TRUE(
        Dialogs.Errors[1].startsWith("Unable to write to " + Folder.ProgramPath() + ".scb: File too large"))
        << Dialogs.Errors[1].toStdString();
    EXPECT_EQ(Form->Session().Scores().Scores().size(), 2u);  // kept for the next write
    Form->NextBtnClick();
    EXPECT_TRUE(Form->Session().Game().InProgress());

    Dialogs.NameAnswers = {QStringLiteral("Bea")};
    Form->Createnewplayer1Click();
    ASSERT_EQ(Dialogs.Errors.size(), 3);
    EXPECT_EQ(Dialogs.Errors[2], "Unable to write to " + files[3] + ": File too large");
    EXPECT_EQ(Form->InfoBar()->Player()->text(), QStringLiteral("Guest"));
    EXPECT_TRUE(Form->Session().Game().InProgress());

    Form.reset();  // the end of the run tries the score once more
    ASSERT_EQ(Dialogs.Errors.size(), 5);
    EXPECT_EQ(Dialogs.Errors[3], "Unable to write to " + files[2] + ": File too large");
    EXPECT_TRUE(Dialogs.Errors[4].contains("could not be kept")) << Dialogs.Errors[4].toStdString();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ReadFile(files[i]), before[i]) << files[i].toStdString();
  }
  const QStringList left = QDir(Folder.Path("Players")).entryList(QDir::Files) +
                           QDir(Folder.Path("Players/Saved Games")).entryList(QDir::Files);
  EXPECT_EQ(left, QStringList({"Guest.ini", "Guest_4_4.sav"}));  // no half-written copies
}

TEST_F(MainFormTest, MissingTilesEndTheProgramWithTheMessage) {
  QTemporaryDir empty;
  TScriptedDialogs dialogs;
  TMainForm form(empty.filePath("quillmere"), dialogs);
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.Errors.size(), 1);
  EXPECT_EQ(dialogs.Errors[0].split('\r'),
            QStringList({"Not all images found - the program must close.",
                         "The folder \"" + empty.filePath("tiles/Row 1") +
                             "\" holds 0 of the 10 tile pictures (*.bmp) it needs.",
                         "Please refer to the troubleshooting section of the user guide."}));
}

TEST(MainFormFolders, PicturesAndSoundsFromOneFolderRecordsInTheOther) {
  const TGameFolder assets;  // tiles/, sounds/ and the settings store
  QTemporaryDir records;
  ASSERT_TRUE(QDir(records.path()).mkpath("Players/Saved Games"));
  const QStringList before = QDir(assets.Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  TScriptedDialogs dialogs;
  {
    TMainForm form(TDataFolders{assets.Dir.path(), records.path()}, dialogs);
    EXPECT_EQ(form.Session().RecordsPath(), records.filePath("quillmere"));
    ASSERT_TRUE(form.FormCreate());
    EXPECT_FALSE(TMainFormProbe::Sounds(form).Buffer(TGameSound::Pop).isEmpty());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  EXPECT_TRUE(dialogs.Errors.isEmpty()) << dialogs.Errors.join('\n').toStdString();
  EXPECT_TRUE(QFile::exists(records.filePath("quillmere.ini")));
  EXPECT_TRUE(QFile::exists(records.filePath("Players/Guest.ini")));
  // Nothing new beside the pictures but the test's own settings store.
  QStringList after = QDir(assets.Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  after.removeOne(QStringLiteral("store"));
  EXPECT_EQ(after, before);
  EXPECT_TRUE(QDir(assets.Path("Players")).isEmpty(QDir::Files));
}

TEST_F(MainFormTest, AMissingSoundIsReportedAndTheGameGoesOn) {
  QFile::remove(Folder.Path("sounds/pop.wav"));
  Open(4);
  ASSERT_EQ(Dialogs.Errors.size(), 1);
  EXPECT_TRUE(Dialogs.Errors[0].contains(QStringLiteral("pop.wav"))) << Dialogs.Errors[0].toStdString();
  EXPECT_TRUE(TMainFormProbe::Sounds(*Form).Buffer(TGameSound::Pop).isEmpty());
  EXPECT_FALSE(TMainFormProbe::Sounds(*Form).Buffer(TGameSound::Click).isEmpty());
  Form->Session().Settings().Prefs.SoundsOn = true;
  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());  // plays nothing, breaks nothing
  EXPECT_TRUE(Sq(1, 1).IsSolved());
}

TEST_F(MainFormTest, HintsAndTimedGameFollowTheirSwitches) {
  Open(4);
  Form->Session().SetShowHints(false);
  QTest::mouseClick(Form->Controls.HintBtn, Qt::LeftButton);
  EXPECT_TRUE(Form->Session().Settings().Prefs.ShowHints);
  EXPECT_TRUE(Form->Controls.ShowHints1->isChecked());
  EXPECT_EQ(Form->statusBar()->height(), 36);
  Form->Controls.ShowHints1->trigger();
  EXPECT_FALSE(Form->Controls.HintBtn->isChecked());
  EXPECT_EQ(Form->statusBar()->height(), 12);
  EXPECT_TRUE(Form->Controls.TimedGame1->isChecked());
  // Every switch in the menus shows its state as a tick, not as a frame
  // round an icon.
  int switches = 0;
  for (QMenu* menu : Form->menuBar()->findChildren<QMenu*>())
    for (QAction* item : menu->actions())
      if (item->isCheckable()) {
        ++switches;
        EXPECT_FALSE(item->isIconVisibleInMenu()) << item->text().toStdString();
      }
  EXPECT_EQ(switches, 4);  // Pause, Timed Game, Show Hints, Zoom Small Tiles
}

TEST_F(MainFormTest, BlinkingFlipsRedAndYellowAndDismissingStopsIt) {
  Open(4);
  Form->Board()->Arrow()->show();
  Form->HorizontalPanel()->Arrow()->show();
  Form->BlinkTimer->start();
  Form->HintPointers().Blink();
  EXPECT_EQ(Form->Board()->Arrow()->LineColor, QColor(255, 255, 0));
  EXPECT_EQ(Form->HorizontalPanel()->Arrow()->LineColor, QColor(255, 255, 0));
  Form->HintPointers().Blink();
  EXPECT_EQ(Form->Board()->Arrow()->LineColor, QColor(255, 0, 0));
  QTest::mousePress(Form->InfoBar(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_FALSE(Form->BlinkTimer->isActive());
  EXPECT_TRUE(Form->Board()->Arrow()->isHidden());
  EXPECT_TRUE(Form->HorizontalPanel()->Arrow()->isHidden());
}

TEST(ProgramStart, TheSplashShowsUnlessTheUserSwitchedItOff) {
  TGameFolder folder;  // its own settings store
  TScriptedDialogs dialogs;
  ShowSplashAtStart(dialogs);
  EXPECT_EQ(dialogs.SplashShown, 1) << "a missing switch counts as set";
  QSettings("Vantor", "Quillmere").setValue("Options/ShowSplash", 0);
  ShowSplashAtStart(dialogs);
  EXPECT_EQ(dialogs.SplashShown, 1);
  QSettings("Vantor", "Quillmere").setValue("Options/ShowSplash", 1);
  ShowSplashAtStart(dialogs);
  EXPECT_EQ(dialogs.SplashShown, 2);
}

TEST(ProgramArguments, AMissingDataFolderIsAClearErrorBeforeAnyWindow) {
  TestApp();
  QProcess program;
  program.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), {"--data-dir", "/no/such/folder"});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitCode(), 2);
  EXPECT_TRUE(program.readAllStandardError().contains("the data folder \"/no/such/folder\" does not exist"));

  QTemporaryDir dir;
  const QString file = dir.filePath("plain");
  WriteFile(file, "x");
  program.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), {"--data-dir", file});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitCode(), 2);
  EXPECT_TRUE(
      program.readAllStandardError().contains("the data folder \"" + file.toUtf8() + "\" is not a folder"));

  program.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), {"--data-dir"});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitCode(), 2);
}

// A folder that is not the game's is left as it was: nothing is made in it
// before the pictures are found. A folder named in bytes that are no name in
// the file name encoding is refused as such, not said not to exist.
TEST(ProgramArguments, AWrongDataFolderIsLeftAsItWas) {
  TestApp();
  QTemporaryDir dir;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("SDL_AUDIODRIVER", "dummy");
  environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  QProcess game;
  game.setProcessEnvironment(environment);
  game.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), {"--data-dir", dir.path()});
  ASSERT_TRUE(game.waitForStarted(20000));
  for (QDeadlineTimer deadline(20000);
       !QFile::exists(dir.filePath("quillmere.lock")) && !deadline.hasExpired();)
    QTest::qWait(20);
  QTest::qWait(1000);  // the start goes on to the missing pictures' message
  game.kill();
  game.waitForFinished(20000);
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("Players")));

  const QByteArray latin1 = QFile::encodeName(dir.path()) + "/caf\xe9";
  ASSERT_EQ(::mkdir(latin1.constData(), 0700), 0);
  QProcess named;
  named.setProcessEnvironment(environment);
  named.start("/bin/sh", {"-c", "exec \"$0\" --data-dir \"$(printf '%s/caf\\351' \"$1\")\"",
                          QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), dir.path()});
  ASSERT_TRUE(named.waitForFinished(20000));
  const QByteArray err = named.readAllStandardError();
  EXPECT_EQ(named.exitCode(), 2) << err.toStdString();
  EXPECT_TRUE(err.contains("is no name in the system's file name encoding")) << err.toStdString();
}

TEST(ProgramArguments, HelpVersionAndRefusalsComeBeforeAnyWindow) {
  TestApp();
  // No window system can start: every answer below comes before one is needed.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "no-such-platform");
  auto run = [&](const QStringList& arguments, QByteArray& out, QByteArray& err) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    out = program.readAllStandardOutput();
    err = program.readAllStandardError();
    return program.exitCode();
  };
  QByteArray out, err;
  EXPECT_EQ(run({"--version"}, out, err), 0);
  EXPECT_EQ(out, "quillmere " + ProgramVersion().toUtf8() + "\n");
  EXPECT_EQ(run({"--help"}, out, err), 0);
  EXPECT_TRUE(out.startsWith("Usage: quillmere [options]\n")) << out.toStdString();
  EXPECT_TRUE(out.contains("--data-dir <DIR>")) << out.toStdString();
  EXPECT_TRUE(out.contains("--version")) << out.toStdString();
  for (const QStringList& bad : {QStringList{"--frobnicate"}, QStringList{"-x"}, QStringList{"foo"},
                                 QStringList{"--data-dir", "/tmp", "foo"}}) {
    EXPECT_EQ(run(bad, out, err), 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.startsWith("quillmere: ")) << err.toStdString();
  }
  EXPECT_TRUE(err.contains("\"foo\"")) << err.toStdString();
}

TEST(ProgramArguments, ABadPuzzleIsRefusedInOneLineBeforeAnyWindow) {
  TestApp();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "no-such-platform");
  for (const char* bad : {"17:12", "6:0", "6:1000000", "6", "six:1", "6:1:2"}) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), {"--puzzle", bad});
    ASSERT_TRUE(program.waitForFinished(20000));
    const QByteArray err = program.readAllStandardError();
    EXPECT_EQ(program.exitCode(), 2) << bad;
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.startsWith("quillmere: --puzzle: ")) << err.toStdString();
  }
}

TEST(ProgramArguments, OneGamePerDataFolderAndADeadGamesLockIsTakenOver) {
  const TGameFolder folder;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("SDL_AUDIODRIVER", "dummy");
  environment.insert("XDG_CONFIG_HOME", folder.Path("config"));  // not the user's settings store
  // The games meet on a socket there; the killed one's goes with the folder.
  QDir(folder.Dir.path()).mkdir("run");
  environment.insert("XDG_RUNTIME_DIR", folder.Path("run"));
  const QString program = QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere");
  const QStringList arguments{"--data-dir", folder.Dir.path()};
  auto start = [&](QProcess& game) {
    game.setProcessEnvironment(environment);
    game.start(program, arguments);
    ASSERT_TRUE(game.waitForStarted(20000));
  };
  auto waitForLock = [&] {
    QDeadlineTimer deadline(20000);
    while (!QFile::exists(folder.Path("quillmere.lock")) && !deadline.hasExpired()) QTest::qWait(20);
    ASSERT_TRUE(QFile::exists(folder.Path("quillmere.lock")));
  };

  // An empty lock, as a power cut soon after a start leaves it: no game
  // holds it, so the first start takes it over.
  WriteFile(folder.Path("quillmere.lock"), "");
  QProcess first;
  start(first);
  QTest::qWait(500);
  ASSERT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().toStdString();
  waitForLock();
  QProcess second;
  start(second);
  // The second start reaches the running game, which comes to the front, and ends.
  ASSERT_TRUE(second.waitForFinished(20000));
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  EXPECT_EQ(first.state(), QProcess::Running);

  // A game that was killed leaves its lock behind; the next start takes it over.
  first.kill();
  ASSERT_TRUE(first.waitForFinished(20000));
  ASSERT_TRUE(QFile::exists(folder.Path("quillmere.lock")));
  QProcess third;
  start(third);
  EXPECT_FALSE(third.waitForFinished(3000)) << third.readAllStandardError().toStdString();
  third.kill();
  third.waitForFinished(20000);
}

// Without a home there is no folder for the records: refused in one line
// rather than kept under "/". A data folder of the player's choosing keeps
// the program's own translations: a start refused for a folder in use
// speaks German on a German desktop.
TEST(ProgramArguments, NoHomeIsRefusedAndADataFolderKeepsTheProgramsLanguage) {
  TestApp();
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
  const QString installed = dir.filePath("bin/quillmere");
  ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), installed));
  QProcessEnvironment homeless = QProcessEnvironment::systemEnvironment();
  homeless.remove("HOME");
  homeless.remove("XDG_DATA_HOME");
  homeless.insert("QT_QPA_PLATFORM", "no-such-platform");
  QProcess program;
  program.setProcessEnvironment(homeless);
  program.start(installed, {});
  ASSERT_TRUE(program.waitForFinished(20000));
  const QByteArray err = program.readAllStandardError();
  EXPECT_EQ(program.exitCode(), 2) << err.toStdString();
  EXPECT_TRUE(err.startsWith("quillmere: neither HOME nor XDG_DATA_HOME is set") && err.count('\n') == 1)
      << err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("bin/quillmere.ini")));

  ASSERT_TRUE(QDir(dir.path()).mkdir("data") && QDir(dir.path()).mkdir("run"));
  ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("run")).constData(), 0700), 0);
  TRecordsLock held(dir.filePath("data/quillmere.lock"));
  ASSERT_EQ(held.TryLock(), TRecordsLock::TOutcome::Locked);
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  german.insert("LANGUAGE", "de");
  german.insert("LC_ALL", "de_DE.UTF-8");
  german.insert("QT_QPA_PLATFORM", "offscreen");
  german.insert("XDG_RUNTIME_DIR", dir.filePath("run"));
  german.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  QProcess refused;
  refused.setProcessEnvironment(german);
  refused.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"), {"--data-dir", dir.filePath("data")});
  ASSERT_TRUE(refused.waitForStarted(20000));
  QByteArray said;
  for (QDeadlineTimer deadline(20000);
       !said.contains("Datenordner") && !deadline.hasExpired() && refused.state() == QProcess::Running;) {
    refused.waitForReadyRead(100);
    said += refused.readAllStandardError();
  }
  refused.kill();  // its box waits for the player
  refused.waitForFinished(20000);
  said += refused.readAllStandardError();
  EXPECT_TRUE(said.contains("Quillmere läuft bereits für den Datenordner"))
      << said.toStdString() << " (status " << refused.exitCode() << ")";
}

// The X server ends (or a remote session drops) under a running game: the
// window system's plugin ends the process at once, and the records must be
// stored and the lock freed as at a termination signal.
TEST(ProgramArguments, ALostDisplayStoresTheRecordsAndFreesTheLock) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  if (xvfb.isEmpty()) GTEST_SKIP() << "no Xvfb";
  const TGameFolder folder;
  ASSERT_TRUE(QDir(folder.Path("Players")).removeRecursively());  // made again once the window is up
  ASSERT_TRUE(QDir().mkpath(folder.Path("config/Vantor")));
  WriteFile(folder.Path("config/Vantor/Quillmere.conf"), "[Options]\nShowSplash=0\n");
  QProcess server;
  server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
  ASSERT_TRUE(server.waitForStarted(20000));
  QByteArray display;
  for (QDeadlineTimer deadline(20000); !display.endsWith('\n') && !deadline.hasExpired();) {
    server.waitForReadyRead(200);
    display += server.readAllStandardOutput();
  }
  ASSERT_TRUE(display.endsWith('\n')) << "Xvfb gave no display";

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("DISPLAY", ":" + QString::fromLatin1(display.trimmed()));
  environment.insert("SDL_AUDIODRIVER", "dummy");
  environment.insert("XDG_CONFIG_HOME", folder.Path("config"));
  QProcess game;
  game.setProcessEnvironment(environment);
  game.start(QStringLiteral(QUILLMERE_RUNTIME_DIR "/quillmere"),
             {"--data-dir", folder.Dir.path(), "--puzzle", "5:17"});
  ASSERT_TRUE(game.waitForStarted(20000));
  for (QDeadlineTimer deadline(30000);
       !QFileInfo(folder.Path("Players/Saved Games")).isDir() && !deadline.hasExpired();)
    QTest::qWait(50);
  ASSERT_TRUE(QFileInfo(folder.Path("Players/Saved Games")).isDir())
      << game.readAllStandardError().toStdString();
  QTest::qWait(1500);  // the window shows and the event loop runs
  ASSERT_EQ(game.state(), QProcess::Running);
  ASSERT_TRUE(QFile::exists(folder.Path("quillmere.lock")));

  server.terminate();
  ASSERT_TRUE(server.waitForFinished(20000));
  ASSERT_TRUE(game.waitForFinished(20000));
  EXPECT_FALSE(QFile::exists(folder.Path("quillmere.lock")));
  EXPECT_TRUE(ReadFile(folder.Path("quillmere.ini")).contains("CurrentPlayer=Guest"));
  EXPECT_TRUE(ReadFile(folder.Path("Players/Guest.ini")).contains("Size5=17"))
      << game.readAllStandardError().toStdString();
}

namespace {

// A later start's request answered while this thread's event loop runs, as
// the running game answers it.
TFrontAnswer Ask(const QString& name, int size, int number, int timeoutMs = 5000) {
  std::future<TFrontAnswer> answer = std::async(std::launch::async, [&] {
    return AskRunningGame(name, TFrontRequest{QString(), size, number}, timeoutMs);
  });
  while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) QTest::qWait(5);
  return answer.get();
}

// A listening socket at path made by hand (another user's program, or one
// that dribbles its answer); serve runs on each connection, in a thread.
int ListenAt(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  std::memcpy(address.sun_path, name.constData(), name.size() + 1);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

// The socket a later start reaches the running game on lies in a folder of
// the user's alone; only a game of the same user is told anything, within a
// time; a request for no puzzle the game has, or one it cannot play now, is
// said to be so; and no number of connections closes it.
TEST(RunningGame, TheFrontSocketServesItsUserAloneWithinATimeAndOutlivesAFlood) {
  TestApp();
  QTemporaryDir dir;
  const QString uid = QString::number(geteuid());
  // A runtime folder open to others is not used; the temporary folder's own
  // is made for the user alone, and refused when another made it or opened it.
  ASSERT_TRUE(QDir(dir.path()).mkdir("runtime") && QDir(dir.path()).mkdir("tmp"));
  ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("runtime")).constData(), 0755), 0);
  QString why;
  const QString folder = RunningGameFolder(dir.filePath("runtime"), dir.filePath("tmp"), why);
  EXPECT_EQ(folder, dir.filePath("tmp/quillmere-" + uid)) << why.toStdString();
  EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, 0) << "no permission for group or others";
  ASSERT_TRUE(QDir(dir.path()).mkdir("tmp2") && QDir(dir.path()).mkdir("tmp3") &&
              QDir(dir.path()).mkdir("x"));
  ASSERT_EQ(::mkdir(QFile::encodeName(dir.filePath("tmp2/quillmere-" + uid)).constData(), 0777), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("tmp2/quillmere-" + uid)).constData(), 0777), 0);
  EXPECT_TRUE(RunningGameFolder({}, dir.filePath("tmp2"), why).isEmpty());
  EXPECT_TRUE(why.contains("open to other users")) << why.toStdString();
  ASSERT_TRUE(QFile::link(dir.filePath("x"), dir.filePath("tmp3/quillmere-" + uid)));
  EXPECT_TRUE(RunningGameFolder({}, dir.filePath("tmp3"), why).isEmpty());
  if (geteuid() == 0) {
    ASSERT_TRUE(QFile::remove(dir.filePath("tmp3/quillmere-" + uid)));
    ASSERT_EQ(::mkdir(QFile::encodeName(dir.filePath("tmp3/quillmere-0")).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(dir.filePath("tmp3/quillmere-0")).constData(), 65534, 65534), 0);
    EXPECT_TRUE(RunningGameFolder({}, dir.filePath("tmp3"), why).isEmpty());
    EXPECT_TRUE(why.contains("another user")) << why.toStdString();
  }

  const QString name = folder + "/quillmere-test";
  TRunningGameServer server(name);
  ASSERT_TRUE(server.Listen()) << server.ListenError().toStdString();
  std::vector<TFrontRequest> played;
  bool dialogOpen = false;
  server.CanPlay = [&] { return !dialogOpen; };
  server.OnRequest = [&](const TFrontRequest& request) { played.push_back(request); };

  EXPECT_EQ(Ask(name, 6, 17), TFrontAnswer::Taken);
  EXPECT_EQ(Ask(name, 0, 0), TFrontAnswer::Taken) << "only to the front";
  // No such size, odd numbers: refused before anything is asked.
  for (const auto& [size, number] : {std::pair{17, 1}, {6, -5}, {6, 2147483647}, {6, 0}, {0, 3}})
    EXPECT_EQ(Ask(name, size, number), TFrontAnswer::Refused) << size << ":" << number;
  // A dialog open: it comes to the front, and the later start is told the
  // puzzle was not opened.
  dialogOpen = true;
  EXPECT_EQ(Ask(name, 5, 3), TFrontAnswer::Busy);
  dialogOpen = false;
  QTest::qWait(20);
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0].PuzzleSize, 6);
  EXPECT_EQ(played[0].PuzzleNumber, 17);
  EXPECT_EQ(played[1].PuzzleSize, 0);
  EXPECT_EQ(played[2].PuzzleSize, 0) << "the busy one only comes to the front";

  // A second request while the first is being played (its question open):
  // not dropped in silence.
  TFrontAnswer second = TFrontAnswer::NoAnswer;
  server.OnRequest = [&](const TFrontRequest& request) {
    if (request.PuzzleSize == 4) second = Ask(name, 5, 9);
  };
  EXPECT_EQ(Ask(name, 4, 1), TFrontAnswer::Taken);
  QTest::qWait(50);
  EXPECT_EQ(second, TFrontAnswer::Busy);

  // A flood of connections that send nothing of the game's, or send nothing
  // at all and stay, more than the files the process may hold: the socket
  // is still there and answers.
  rlimit files{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &files), 0);
  rlimit few = files;
  few.rlim_cur = std::min<rlim_t>(files.rlim_cur, 256);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
  for (int i = 0; i < 300; ++i) {
    QLocalSocket garbage;
    garbage.connectToServer(name);
    ASSERT_TRUE(garbage.waitForConnected(5000)) << i;
    garbage.write("not a request at all, but long enough to be read");
    garbage.waitForBytesWritten(5000);
    QCoreApplication::processEvents();
  }
  std::vector<std::unique_ptr<QLocalSocket>> idle;
  for (int i = 0; i < 150; ++i) {
    idle.push_back(std::make_unique<QLocalSocket>());
    idle.back()->connectToServer(name);
    idle.back()->waitForConnected(1000);
    QCoreApplication::processEvents();
  }
  QTest::qWait(50);
  EXPECT_TRUE(QFileInfo::exists(name));
  idle.clear();
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &files), 0);
  // Once they are gone, a later start is answered again: as soon as the game
  // has seen them close (a start in the same instant may still find every
  // place taken), or when it next looks for its socket.
  TFrontAnswer answer = TFrontAnswer::NoAnswer;
  for (QDeadlineTimer wait(15000); answer != TFrontAnswer::Taken && !wait.hasExpired(); QTest::qWait(20))
    answer = Ask(name, 0, 0);
  EXPECT_EQ(answer, TFrontAnswer::Taken);

  // A peer that dribbles its answer does not keep a later start waiting.
  const QString slow = folder + "/slow";
  const int slowFd = ListenAt(slow);
  ASSERT_GE(slowFd, 0);
  std::thread dribbler([slowFd] {
    const int peer = ::accept(slowFd, nullptr, nullptr);
    for (int i = 0; i < 100 && ::write(peer, "o", 1) == 1; ++i) ::usleep(50000);
    ::close(peer);
  });
  EXPECT_EQ(Ask(slow, 6, 1, 500), TFrontAnswer::NoAnswer);
  dribbler.join();
  ::close(slowFd);

  // Another user's program listening there is told nothing.
  if (geteuid() != 0) return;
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
  ASSERT_EQ(::mkdir(QFile::encodeName(dir.filePath("open")).constData(), 0777), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("open")).constData(), 0777), 0);
  const QString squatted = dir.filePath("open/quillmere-squat");
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  const pid_t child = fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    const int fd = ListenAt(squatted);
    ::chmod(QFile::encodeName(squatted).constData(), 0777);
    (void)!::write(pipeFds[1], "r", 1);
    const int peer = ::accept(fd, nullptr, nullptr);
    char byte = 0;
    const ssize_t got = ::read(peer, &byte, 1);
    _exit(got > 0 ? 1 : 0);
  }
  ::close(pipeFds[1]);
  char ready = 0;
  ASSERT_EQ(::read(pipeFds[0], &ready, 1), 1);
  ::close(pipeFds[0]);
  EXPECT_EQ(Ask(squatted, 6, 1), TFrontAnswer::NotOurs);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the squatter received nothing";
}

TEST_F(MainFormTest, AHighContrastIconThemesWhitePicturesStillShowOnTheToolbar) {
  // An icon theme of white line pictures, as high-contrast themes have.
  QTemporaryDir themes;
  ASSERT_TRUE(QDir().mkpath(themes.filePath("white/48x48/actions")));
  QFile index(themes.filePath("white/index.theme"));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write(
      "[Icon Theme]\nName=white\nDirectories=48x48/actions\n\n[48x48/actions]\nSize=48\nType=Fixed\n");
  index.close();
  QImage white(48, 48, QImage::Format_ARGB32);
  white.fill(Qt::transparent);
  {
    QPainter p(&white);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(8, 24, 40, 24);
    p.drawLine(28, 12, 40, 24);
    p.drawLine(28, 36, 40, 24);
  }
  const QStringList names{"go-next",       "go-previous",  "view-refresh", "media-playback-pause",
                          "document-open", "document-save"};
  for (const QString& name : names)
    ASSERT_TRUE(white.save(themes.filePath("white/48x48/actions/" + name + ".png")));
  const QStringList paths = QIcon::themeSearchPaths();
  const QString theme = QIcon::themeName();
  QIcon::setThemeSearchPaths({themes.path()});
  QIcon::setThemeName("white");
  const QColor themed = Form ? QColor() : QIcon::fromTheme("go-next").pixmap(48).toImage().pixelColor(20, 24);
  Open(6);
  QIcon::setThemeSearchPaths(paths);
  QIcon::setThemeName(theme);
  ASSERT_EQ(themed, QColor(Qt::white)) << "the icon theme is in use";
  // Most of every themed picture stands out from the toolbar's light grey.
  for (QToolButton* button :
       {Form->Controls.BtnSave, Form->Controls.NextBtn, Form->Controls.RestartBtn, Form->Controls.PauseBtn}) {
    const QImage shot = button->grab().toImage();
    const QRect icon(QPoint((shot.width() - button->iconSize().width()) / 2,
                            (shot.height() - button->iconSize().height()) / 2),
                     button->iconSize());
    int standing = 0;
    for (int y = icon.top(); y <= icon.bottom(); ++y)
      for (int x = icon.left(); x <= icon.right(); ++x)
        standing += std::abs(shot.pixelColor(x, y).lightness() - ToolbarColour.lightness()) > 96;
    EXPECT_GT(standing, icon.width() * icon.height() / 2) << button->toolTip().toStdString();
  }
}
