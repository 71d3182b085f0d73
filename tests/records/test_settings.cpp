#include "IniFile.h"
#include "RecordsTestSupport.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPoint>
#include <QSettings>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace {

// Every test gets a fresh program folder with a "Players" folder, and the
// per-user settings store is redirected into it, so the real user's store
// is never touched.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    ASSERT_TRUE(QDir(Dir.path()).mkdir("Players"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, StoreFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, StoreFolder());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(StoreFolder()));
  }

  QString StoreFolder() const { return Dir.filePath("store"); }
  QString ProgramPath() const { return Dir.filePath("quillmere"); }
  QString PlayersFile() const { return Dir.filePath("quillmere.ini"); }
  QString Profile(const QString& name) const { return Dir.filePath("Players/" + name + ".ini"); }

  // A fresh records object that has loaded the players file and the profile,
  // as at program start.
  TSettings Started() const {
    TSettings settings(ProgramPath());
    settings.LoadPlayerList();
    settings.LoadProfile();
    return settings;
  }

  static void SetStoredSplash(const QVariant& value) {
    QSettings("Vantor", "Quillmere").setValue("Options/ShowSplash", value);
  }

  QTemporaryDir Dir;
};

// Sections and keys of an INI text in file order, sections as "[name]".
QStringList Names(const QByteArray& text) {
  QStringList names;
  for (const QByteArray& raw : text.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(';')) continue;
    names.append(QString::fromUtf8(line.startsWith('[') ? line : line.left(line.indexOf('='))));
  }
  return names;
}

// A player without a profile, such as the very first one, starts as a
// player created in the game does: sounds and hints on.
void ExpectReadDefaults(const TSettings& s) {
  EXPECT_TRUE(s.Prefs.TimerOn);
  EXPECT_TRUE(s.Prefs.SoundsOn);
  EXPECT_TRUE(s.Prefs.ShowHints);
  EXPECT_FALSE(s.Prefs.Zoom);
  EXPECT_EQ(s.Prefs.Animation, 0);
  EXPECT_EQ(s.Prefs.Difficulty, 5);
  EXPECT_EQ(s.Prefs.PuzzleSize, 6);
  for (int size = 1; size <= 12; ++size) EXPECT_EQ(s.Prefs.PuzzleNumbers[size], 1) << "size " << size;
  EXPECT_EQ(s.MainWidth, 0);
  EXPECT_EQ(s.MainHeight, 0);
  EXPECT_EQ(s.HorizontalWidth, 0);
  EXPECT_EQ(s.VerticalHeight, 0);
  EXPECT_FALSE(s.MainPlaced);
  EXPECT_EQ(s.Prefs.MisClickPenalty, 5);
  EXPECT_EQ(s.Prefs.CluePenalty, 20);
}

TEST(SettingsPathsTest, PlayersFileReplacesTheExtension) {
  EXPECT_EQ(TSettings("/opt/q/quillmere").PlayersFilePath(), "/opt/q/quillmere.ini");
  EXPECT_EQ(TSettings("/opt/q/quillmere.exe").PlayersFilePath(), "/opt/q/quillmere.ini");
  EXPECT_EQ(TSettings("/opt/q/quill.mere.bin").PlayersFilePath(), "/opt/q/quill.mere.ini");
  EXPECT_EQ(TSettings("/opt/q.d/quillmere").PlayersFilePath(), "/opt/q.d/quillmere.ini");
  EXPECT_EQ(TSettings("/opt/q.d/quillmere").PlayersFolder(), "/opt/q.d/Players");
  EXPECT_EQ(TSettings("/opt/q/quillmere").ProfilePath("Anna"), "/opt/q/Players/Anna.ini");
}

TEST_F(SettingsTest, FirstRunWithNoFiles) {
  const TSettings s = Started();
  EXPECT_EQ(s.Prefs.PlayerName, "Guest");
  EXPECT_EQ(s.PlayerList, QStringList{"Guest=Guest"});
  EXPECT_EQ(s.ListPlayerNames(), QStringList{"Guest"});
  EXPECT_TRUE(s.Prefs.ShowSplash);
  ExpectReadDefaults(s);
  EXPECT_EQ(s.CluePenaltyText(), "Time Penalty for Clues: +20 Seconds");
  EXPECT_EQ(s.MisClickPenaltyText(), "Time Penalty for Mis-Clicks: +5 Seconds");
  // Loading writes nothing.
  EXPECT_FALSE(QFile::exists(PlayersFile()));
  EXPECT_TRUE(QDir(Dir.filePath("Players")).isEmpty());
}

TEST_F(SettingsTest, FirstRunStoresGuest) {
  TSettings s = Started();
  ASSERT_TRUE(s.StorePlayerList().Ok());
  const QByteArray players = ReadText(PlayersFile());
  EXPECT_EQ(players, "[Game]\nCurrentPlayer=Guest\n\n\n[Players]\nGuest=Guest\n");
  EXPECT_TRUE(QFile::exists(Profile("Guest")));
  // The store stayed inside the test's folder.
  EXPECT_TRUE(QFile::exists(StoreFolder() + "/Vantor/Quillmere.conf"));
}

TEST_F(SettingsTest, EmptyCurrentPlayerLoadsGuest) {
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=\n[Players]\nAnna=Anna\n");
  const TSettings s = Started();
  EXPECT_EQ(s.Prefs.PlayerName, "Guest");
  EXPECT_EQ(s.PlayerList, QStringList({"Anna=Anna", "Guest=Guest"}));
}

TEST_F(SettingsTest, CurrentPlayerMissingFromTheListIsAppendedAndStored) {
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=Zoe\n[Players]\nbob=bob\nAnna=Anna\n");
  TSettings s = Started();
  EXPECT_EQ(s.PlayerList, QStringList({"Anna=Anna", "bob=bob", "Zoe=Zoe"}));
  ASSERT_TRUE(s.StorePlayerList().Ok());
  EXPECT_EQ(TIniFile(PlayersFile()).ReadSectionValues("Players"),
            QStringList({"bob=bob", "Anna=Anna", "Zoe=Zoe"}));
}

TEST_F(SettingsTest, PlayerListIsSortedAndMatchedWithoutRegardToCase) {
  WriteText(PlayersFile(),
            "[game]\ncurrentplayer=ANNA\n[PLAYERS]\ncarl=carl\nZoe=Zoe\nÉmile=Émile\nAnna=Anna\nBob=Bob\n"
            "anton=anton\neve=eve\n");
  TSettings s(ProgramPath());
  s.LoadPlayerList();
  EXPECT_EQ(s.Prefs.PlayerName, "ANNA");
  // The file's order is the same in every language...
  EXPECT_EQ(s.PlayerList, QStringList({"Anna=Anna", "anton=anton", "Bob=Bob", "carl=carl", "eve=eve",
                                       "Zoe=Zoe", "Émile=Émile"}));
  // ...and the names shown are in the order of the language the game
  // speaks: accented letters with their base letters.
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::French));
  const QStringList shown = s.ListPlayerNames();
  QLocale::setDefault(before);
  EXPECT_EQ(shown, QStringList({"Anna", "anton", "Bob", "carl", "Émile", "eve", "Zoe"}));
}

TEST_F(SettingsTest, EntriesAddedLaterGoToTheEndOfTheFileAndInOrderInTheList) {
  TSettings s = Started();
  s.PlayerList.append("Aaron=Aaron");
  EXPECT_EQ(s.PlayerList, QStringList({"Guest=Guest", "Aaron=Aaron"}));
  EXPECT_EQ(s.ListPlayerNames(), QStringList({"Aaron", "Guest"}));
}

TEST_F(SettingsTest, APlayerNamedInAnotherCaseOpensTheListsSpellingsProfile) {
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=ANNA\n[Players]\nAnna=Anna\n");
  WriteText(Profile("Anna"), "[Options]\nDifficulty=9\n");
  const TSettings s = Started();
  EXPECT_EQ(s.Prefs.PlayerName, QStringLiteral("Anna"));
  EXPECT_EQ(s.Prefs.Difficulty, 9);
  EXPECT_EQ(s.PlayerList, QStringList{QStringLiteral("Anna=Anna")});
}

TEST_F(SettingsTest, ProfileNamesMatchWithoutRegardToCase) {
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=Anna\n");
  WriteText(Profile("Anna"), "[options]\nDIFFICULTY=8\nsoundson=1\n[PUZZLES]\nsize10=42\n");
  const TSettings s = Started();
  EXPECT_EQ(s.Prefs.Difficulty, 8);
  EXPECT_TRUE(s.Prefs.SoundsOn);
  EXPECT_EQ(s.Prefs.PuzzleNumbers[10], 42);
}

TEST_F(SettingsTest, DifficultyThatIsNotAWholeNumberReadsAsFive) {
  for (const char* text : {"abc", "12abc", "", "0x0A", "7.5"}) {
    WriteText(Profile("Guest"), QByteArray("[Options]\nDifficulty=") + text + "\n");
    const TSettings s = Started();
    EXPECT_EQ(s.Prefs.Difficulty, 5) << "value \"" << text << "\"";
    EXPECT_EQ(s.Prefs.CluePenalty, 20);
    // A profile without the keys keeps them off, as it always has.
    EXPECT_FALSE(s.Prefs.SoundsOn);
    EXPECT_FALSE(s.Prefs.ShowHints);
  }
}

TEST_F(SettingsTest, PenaltiesFollowTheDifficulty) {
  TSettings s(ProgramPath());
  int calls = 0;
  s.PenaltiesChanged = [&] { ++calls; };
  s.Prefs.Difficulty = 0;
  s.UpdatePenalties();
  EXPECT_EQ(s.Prefs.MisClickPenalty, 0);
  EXPECT_EQ(s.Prefs.CluePenalty, 10);
  EXPECT_EQ(s.CluePenaltyText(), "Time Penalty for Clues: +10 Seconds");
  EXPECT_EQ(s.MisClickPenaltyText(), "Time Penalty for Mis-Clicks: +0 Seconds");
  s.Prefs.Difficulty = 10;
  s.UpdatePenalties();
  EXPECT_EQ(s.Prefs.MisClickPenalty, 10);
  EXPECT_EQ(s.Prefs.CluePenalty, 30);
  EXPECT_EQ(s.CluePenaltyText(), "Time Penalty for Clues: +30 Seconds");
  EXPECT_EQ(s.MisClickPenaltyText(), "Time Penalty for Mis-Clicks: +10 Seconds");
  EXPECT_EQ(calls, 2);
  // Every load and the new-player defaults refresh the labels too.
  s.LoadPlayerList();
  s.LoadProfile();
  s.SetNewPlayerDefaults();
  EXPECT_EQ(calls, 5);
}

TEST_F(SettingsTest, StoreThenLoadKeepsEveryField) {
  TSettings s = Started();
  s.Prefs.PlayerName = "Anna";
  s.Prefs.TimerOn = false;
  s.Prefs.SoundsOn = true;
  s.Prefs.ShowHints = true;
  s.Prefs.Zoom = true;
  s.Prefs.Animation = 7;
  s.Prefs.ShowSplash = false;
  s.Prefs.Difficulty = 9;
  s.Prefs.PuzzleSize = 10;
  for (int size = 1; size <= 12; ++size) s.Prefs.PuzzleNumbers[size] = size * 1000 + 17;
  s.Prefs.PuzzleNumbers[3] = -4;  // sizes the game does not offer are kept as they are
  s.MainWidth = 1024;
  s.MainHeight = 768;
  s.HorizontalWidth = 333;
  s.VerticalHeight = 150;
  s.MainPlaced = true;
  s.MainLeft = -1200;  // on a screen left of the first
  s.MainTop = 0;
  s.UpdatePenalties();
  s.PlayerList.append("Anna=Anna");
  ASSERT_TRUE(s.StorePlayerList().Ok());

  const TSettings loaded = Started();
  EXPECT_EQ(loaded.Prefs, s.Prefs);
  EXPECT_EQ(loaded.MainWidth, 1024);
  EXPECT_EQ(loaded.MainHeight, 768);
  EXPECT_EQ(loaded.HorizontalWidth, 333);
  EXPECT_EQ(loaded.VerticalHeight, 150);
  EXPECT_TRUE(loaded.MainPlaced);
  EXPECT_EQ(QPoint(loaded.MainLeft, loaded.MainTop), QPoint(-1200, 0));
  EXPECT_EQ(loaded.PlayerList, QStringList({"Anna=Anna", "Guest=Guest"}));
}

TEST_F(SettingsTest, ProfileKeysAreWrittenInTheirOrder) {
  TSettings s = Started();
  s.Prefs.TimerOn = true;
  s.Prefs.Zoom = false;
  s.Prefs.Language = "fr";
  ASSERT_TRUE(s.StoreProfile().Ok());
  const QByteArray text = ReadText(Profile("Guest"));
  QStringList expected = {"[Window]",       "MainWidth",  "MainHeight", "HorizontalWidth",
                          "VerticalHeight", "[Options]",  "TimerOn",    "SoundsOn",
                          "ShowHints",      "Zoom",       "Language",   "Animation",
                          "ShowSplash",     "Difficulty", "[Puzzles]",  "PuzzleSize"};
  for (int size = 1; size <= 12; ++size) expected.append(QStringLiteral("Size%1").arg(size));
  EXPECT_EQ(Names(text), expected);
  EXPECT_TRUE(text.contains("\nTimerOn=1\n"));
  EXPECT_TRUE(text.contains("\nZoom=0\n"));
  EXPECT_TRUE(text.contains("\nShowSplash=1\n"));
  EXPECT_TRUE(text.contains("\nLanguage=fr\n"));

  // The choice comes back; anything but a language code means the desktop's.
  TSettings again = Started();
  EXPECT_EQ(again.Prefs.Language, "fr");
  WriteText(Profile("Guest"), "[Options]\nLanguage=../fr\n");
  again.LoadProfile();
  EXPECT_EQ(again.Prefs.Language, "");
}

TEST_F(SettingsTest, StoringKeepsTheOtherLinesOfAnExistingFile) {
  WriteText(PlayersFile(),
            "; players of this machine\n[Game]\ncurrentplayer=Anna\nTheme=dark\n"
            "[Players]\nAnna=Anna\nOld=Old\n; end of list\n");
  WriteText(Profile("Anna"),
            "; Anna's own\n[Options]\n; hand-tuned\nDifficulty=2\nFavourite=owls\n[Extra]\nX=1\n");
  TSettings s = Started();
  s.PlayerList.removeAll("Old=Old");  // a line that no entry names stays
  s.Prefs.Difficulty = 8;
  ASSERT_TRUE(s.StorePlayerList().Ok());

  const QString players = QString::fromUtf8(ReadText(PlayersFile()));
  EXPECT_TRUE(players.startsWith("; players of this machine\n"));
  EXPECT_TRUE(players.contains("currentplayer=Anna\nTheme=dark\n")) << players.toStdString();
  EXPECT_TRUE(players.contains("Anna=Anna\nOld=Old\n; end of list\n")) << players.toStdString();
  EXPECT_EQ(players.count("CurrentPlayer", Qt::CaseInsensitive), 1);

  const QString profile = QString::fromUtf8(ReadText(Profile("Anna")));
  EXPECT_TRUE(profile.startsWith("; Anna's own\n"));
  EXPECT_TRUE(profile.contains("; hand-tuned\nDifficulty=8\nFavourite=owls\n")) << profile.toStdString();
  EXPECT_TRUE(profile.contains("[Extra]\nX=1\n"));
  EXPECT_EQ(profile.count("Difficulty="), 1);
}

TEST_F(SettingsTest, NewPlayerDefaultsDifferFromReadDefaults) {
  TSettings s = Started();
  s.MainWidth = 800;
  s.HorizontalWidth = 200;
  s.Prefs.Difficulty = 1;
  s.Prefs.PuzzleNumbers[4] = 99;
  s.Prefs.ShowSplash = false;
  s.SetNewPlayerDefaults();
  EXPECT_TRUE(s.Prefs.TimerOn);
  EXPECT_TRUE(s.Prefs.SoundsOn);   // off when read from a profile without the key
  EXPECT_TRUE(s.Prefs.ShowHints);  // likewise
  EXPECT_FALSE(s.Prefs.Zoom);
  EXPECT_EQ(s.Prefs.Animation, 0);
  EXPECT_TRUE(s.Prefs.ShowSplash);
  EXPECT_EQ(s.Prefs.Difficulty, 5);
  EXPECT_EQ(s.Prefs.PuzzleSize, 6);
  for (int size = 1; size <= 12; ++size) EXPECT_EQ(s.Prefs.PuzzleNumbers[size], 1);
  EXPECT_EQ(s.Prefs.MisClickPenalty, 5);
  EXPECT_EQ(s.Prefs.CluePenalty, 20);
  EXPECT_EQ(s.MainWidth, 800);  // geometry stays
  EXPECT_EQ(s.HorizontalWidth, 200);
  EXPECT_EQ(s.Prefs.PlayerName, "Guest");
}

TEST_F(SettingsTest, ShowSplashIsSharedByAllPlayersThroughTheStore) {
  EXPECT_TRUE(TSettings::ReadShowSplash());  // missing reads as set

  TSettings s = Started();
  s.Prefs.PlayerName = "Anna";
  s.Prefs.ShowSplash = false;
  ASSERT_TRUE(s.StoreProfile().Ok());
  EXPECT_FALSE(TSettings::ReadShowSplash());

  // Bob's profile says 1, but only the store counts.
  WriteText(Profile("Bob"), "[Options]\nShowSplash=1\n");
  s.Prefs.PlayerName = "Bob";
  s.Prefs.ShowSplash = true;
  s.LoadProfile();
  EXPECT_FALSE(s.Prefs.ShowSplash);

  SetStoredSplash(1);
  s.Prefs.PlayerName = "Anna";  // Anna's profile says 0
  s.LoadProfile();
  EXPECT_TRUE(s.Prefs.ShowSplash);
  EXPECT_TRUE(TSettings::ReadShowSplash());
}

TEST_F(SettingsTest, StoredSplashIsAnInteger) {
  SetStoredSplash(2);
  EXPECT_TRUE(TSettings::ReadShowSplash());
  SetStoredSplash(0);
  EXPECT_FALSE(TSettings::ReadShowSplash());
  TSettings s = Started();
  s.Prefs.ShowSplash = true;
  ASSERT_TRUE(s.StoreProfile().Ok());
  EXPECT_EQ(QSettings("Vantor", "Quillmere").value("Options/ShowSplash").toInt(), 1);
}

// The store is read before any window: a FIFO there must not hold the start
// (nor a link to /dev/zero fill the memory), and a store that cannot take
// the splash switch is said once, the player's profile written all the same.
TEST_F(SettingsTest, AStoreThatIsNoRegularFileIsNotOpenedAndItsFailureIsToldOnce) {
  ASSERT_TRUE(QDir().mkpath(StoreFolder() + "/Vantor"));
  const QString store = StoreFolder() + "/Vantor/Quillmere.conf";
  ASSERT_EQ(mkfifo(QFile::encodeName(store).constData(), 0600), 0);
  std::promise<bool> read;
  std::future<bool> done = read.get_future();
  std::thread reader([&read] { read.set_value(TSettings::ReadShowSplash()); });
  if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "reading the store waits on the FIFO";
    const int writer = ::open(QFile::encodeName(store).constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);  // lets the reader go
  }
  reader.join();
  EXPECT_TRUE(done.get()) << "an unusable store reads as set";

  TSettings s = Started();
  s.Prefs.ShowSplash = false;
  const TResult first = s.StoreShowSplash();
  EXPECT_EQ(first.Error, "The switch \"Show Splash Screen at Startup\" could not be stored in " + store +
                             " (it is not a regular file).");
  EXPECT_TRUE(s.StoreShowSplash().Ok()) << "said once";
  EXPECT_TRUE(s.StoreProfile().Ok());
  EXPECT_TRUE(QFileInfo(Profile("Guest")).isFile());
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(store).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  ASSERT_TRUE(QFile::remove(store));
  ASSERT_TRUE(QFile::link("/dev/zero", store));
  EXPECT_TRUE(TSettings::ReadShowSplash());

  // A store folder that cannot be made: the switch stays, and it is said.
  ASSERT_TRUE(QDir(StoreFolder()).removeRecursively());
  WriteText(StoreFolder(), "a file where the folder should be");
  TSettings other = Started();
  other.Prefs.ShowSplash = false;
  EXPECT_TRUE(other.StoreShowSplash().Error.contains("(it cannot be written)"));
  EXPECT_TRUE(other.StoreShowSplash().Ok());
  EXPECT_TRUE(TSettings::ReadShowSplash());
}

TEST_F(SettingsTest, DeletePlayerRemovesTheEntryTheProfileAndBothKeys) {
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=Bob\n[Players]\nAnna=Anna\nbob=bob\nBob=Bob\nCarl=Carl\n");
  WriteText(Profile("Bob"), "[Options]\nDifficulty=1\n");
  TSettings s(ProgramPath());
  s.PlayerList = {"Anna=Anna", "bob=bob", "Bob=Bob", "Bob=Bob", "Carl=Carl"};
  s.Prefs.PlayerName = "Bob";
  ASSERT_TRUE(s.DeletePlayer("Bob").Ok());
  EXPECT_EQ(s.PlayerList,
            QStringList({"Anna=Anna", "bob=bob", "Bob=Bob", "Carl=Carl"}));  // first exact match
  EXPECT_FALSE(QFile::exists(Profile("Bob")));
  const TIniFile players(PlayersFile());
  EXPECT_EQ(players.ReadString("Game", "CurrentPlayer", "none"), "none");
  EXPECT_EQ(players.ReadSectionValues("Players"), QStringList({"Anna=Anna", "Carl=Carl"}));
}

TEST_F(SettingsTest, DeletePlayerWithAnUnknownNameStillDeletesTheProfileAndBothKeys) {
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=Anna\n[Players]\nAnna=Anna\nGhost=Ghost\n");
  WriteText(Profile("Anna"), "[Options]\nDifficulty=1\n");
  TSettings s(ProgramPath());
  s.LoadPlayerList();
  s.PlayerList.removeAll("Ghost=Ghost");  // in the file, but not in the list
  const QStringList before = s.PlayerList;
  ASSERT_TRUE(s.DeletePlayer("Ghost").Ok());
  EXPECT_EQ(s.PlayerList, before);
  EXPECT_FALSE(QFile::exists(Profile("Anna")));
  const TIniFile players(PlayersFile());
  EXPECT_EQ(players.ReadString("Game", "CurrentPlayer", "none"), "none");
  EXPECT_EQ(players.ReadSectionValues("Players"), QStringList{"Anna=Anna"});
}

TEST_F(SettingsTest, DeletePlayerWithoutFilesIsQuiet) {
  TSettings s = Started();
  EXPECT_TRUE(s.DeletePlayer("Guest").Ok());
  EXPECT_TRUE(s.PlayerList.isEmpty());
  EXPECT_FALSE(QFile::exists(PlayersFile()));
}

TEST_F(SettingsTest, AMissingPlayersFolderFailsTheWriteWithItsPath) {
  ASSERT_TRUE(QDir(Dir.filePath("Players")).removeRecursively());
  TSettings s = Started();
  s.Prefs.Difficulty = 8;
  const TPrefs before = s.Prefs;
  const TResult result = s.StorePlayerList();
  EXPECT_FALSE(result.Ok());
  EXPECT_EQ(result.Error,
            "Unable to write to " + Dir.filePath("Players/Guest.ini") + ": No such file or directory");
  EXPECT_EQ(s.Prefs, before);
  EXPECT_TRUE(QFile::exists(PlayersFile()));                 // written before the failure, stays written
  EXPECT_FALSE(QFileInfo::exists(Dir.filePath("Players")));  // never created by the program
}

TEST_F(SettingsTest, AFailedWriteLeavesThePreviousProfileIntact) {
  const QByteArray previous = "; mine\n[Options]\nDifficulty=9\n";
  WriteText(Profile("Guest"), previous);
  TSettings s = Started();
  s.Prefs.Difficulty = 3;
  const TPrefs before = s.Prefs;
  TResult result;
  {
    const TFileSizeLimit limit(64);  // far less than a whole profile
    result = s.StoreProfile();
  }
  EXPECT_EQ(result.Error, "Unable to write to " + Profile("Guest") + ": " + SystemReason(EFBIG));
  EXPECT_EQ(ReadText(Profile("Guest")), previous);
  EXPECT_EQ(QDir(Dir.filePath("Players")).entryList(QDir::Files), QStringList{"Guest.ini"});
  EXPECT_EQ(s.Prefs, before);
}

TEST_F(SettingsTest, AnUnwritablePlayersFolderLeavesThePreviousProfileIntact) {
  const QByteArray previous = "[Options]\nDifficulty=9\n";
  WriteText(Profile("Guest"), previous);
  const QString folder = Dir.filePath("Players");
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
  const bool folderRefusesFiles = !QFile(folder + "/probe").open(QIODevice::WriteOnly);
  if (folderRefusesFiles) {
    TSettings s = Started();
    s.Prefs.Difficulty = 3;
    const QString error = s.StoreProfile().Error;
    const QString named = "Unable to write to " + Profile("Guest") + ": ";
    EXPECT_TRUE(error.startsWith(named) && error.size() > named.size()) << error.toStdString();
  }
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (!folderRefusesFiles) GTEST_SKIP() << "file modes do not bind this user (root)";
  EXPECT_EQ(ReadText(Profile("Guest")), previous);
}

TEST(PlayerNameTest, RefusesNamesThatCannotBeAFileOrAKey) {
  const std::pair<QString, QString> refused[] = {
      {"", "A player name cannot be empty."},
      {" Anna", "A player name cannot begin or end with a blank."},
      {"Anna ", "A player name cannot begin or end with a blank."},
      {"Anna\t", "A player name cannot contain control characters."},
      {"An\nna", "A player name cannot contain control characters."},
      {QString("An") + QChar(0) + "na", "A player name cannot contain control characters."},
      {"../Anna", "A player name cannot contain \"/\"."},
      {"a/b", "A player name cannot contain \"/\"."},
      {"a\\b", "A player name cannot contain \"\\\"."},
      {"..", "A player name cannot contain \"..\"."},
      {"a..b", "A player name cannot contain \"..\"."},
      {"a=b", "A player name cannot contain \"=\"."},
      {"[Game]", "A player name cannot contain \"[\"."},
      {"a]", "A player name cannot contain \"]\"."},
      {"Ann~B", "A player name cannot contain \"~\"."},
      {";Anna", "A player name cannot begin with \";\"."},
      {"#Anna", "A player name cannot begin with \"#\"."},
      // Hidden files the Open dialog does not list.
      {".", "A player name cannot begin with \".\"."},
      {".Zed", "A player name cannot begin with \".\"."},
      // A label that shows nothing, or "live" for "evil".
      {QString(QChar(0x200B)), "A player name needs at least one visible character."},
      {QString(QChar(0x200C)) + QChar(0x3000) + QChar(0x0301),
       "A player name needs at least one visible character."},
      {QString(QChar(0x202E)) + "live",
       "A player name cannot contain characters that change the writing direction."},
      {"Ann" + QString(QChar(0x2067)) + "a",
       "A player name cannot contain characters that change the writing direction."},
      // Files whose names the file system cannot hold: bytes count, not characters.
      {QString(235, 'A'),
       "A player name cannot be longer than 234 bytes (this one has 235): it names the player's files."},
      {QString(118, QChar(0xF6)),
       "A player name cannot be longer than 234 bytes (this one has 236): it names the player's files."},
  };
  for (const auto& [name, why] : refused) {
    QString message = "unchanged";
    EXPECT_FALSE(IsValidPlayerName(name, &message)) << name.toStdString();
    EXPECT_EQ(message, why) << name.toStdString();
    EXPECT_TRUE(TSettings("/opt/q/quillmere").ProfilePath(name).isEmpty()) << name.toStdString();
  }
}

TEST(PlayerNameTest, AcceptsOrdinaryNames) {
  for (const QString& name : {QString("Anna"), QString("Guest"), QString("Anna Lee"), QString("Zoë"),
                              QString("O'Brien"), QString("a.b"), QString("Player 2 (left)"), QString("مريم"),
                              QString(234, 'A'), QString(117, QChar(0xF6))}) {
    QString message = "unchanged";
    EXPECT_TRUE(IsValidPlayerName(name, &message)) << name.toStdString();
    EXPECT_TRUE(message.isEmpty());
    EXPECT_EQ(TSettings("/opt/q/quillmere").ProfilePath(name), "/opt/q/Players/" + name + ".ini");
  }
  EXPECT_TRUE(IsValidPlayerName("Anna"));  // the message is optional
}

TEST_F(SettingsTest, AnUnusableCurrentPlayerFallsBackAndIsNeverWrittenBack) {
  const QByteArray outside = "[Options]\nDifficulty=9\n";
  WriteText(Dir.filePath("evil.ini"), outside);
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=../evil\n[Players]\nZed=Zed\nAnn~B=Ann~B\nAnna=Anna\n");
  TSettings s = Started();
  EXPECT_EQ(s.Prefs.PlayerName, "Anna");  // the first usable player of the sorted list
  EXPECT_EQ(s.PlayerList, QStringList({"Anna=Anna", "Zed=Zed"}));
  EXPECT_EQ(s.RefusedNames, QStringList({"\"../evil\" (A player name cannot contain \"/\".)",
                                         "\"Ann~B\" (A player name cannot contain \"~\".)"}));
  EXPECT_EQ(s.RefusedNamesMessage(),
            "The players file " + PlayersFile() +
                " names players that cannot be used: \"../evil\" (A player name cannot contain \"/\".), "
                "\"Ann~B\" (A player name cannot contain \"~\".).\rThey are left out; the current player is "
                "\"Anna\".");
  ExpectReadDefaults(s);  // the file outside was not read
  ASSERT_TRUE(s.StorePlayerList().Ok());
  EXPECT_EQ(TIniFile(PlayersFile()).ReadString("Game", "CurrentPlayer", "?"), "Anna");
  EXPECT_EQ(ReadText(Dir.filePath("evil.ini")), outside);

  // Nobody usable at all: Guest plays.
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=a/b\n[Players]\na]=a]\n");
  s = Started();
  EXPECT_EQ(s.Prefs.PlayerName, "Guest");
  EXPECT_EQ(s.PlayerList, QStringList({"Guest=Guest"}));
  EXPECT_EQ(s.RefusedNames.size(), 2);

  // A good file refuses nothing and says nothing.
  WriteText(PlayersFile(), "[Game]\nCurrentPlayer=Zed\n[Players]\nZed=Zed\n");
  s = Started();
  EXPECT_TRUE(s.RefusedNames.isEmpty());
  EXPECT_TRUE(s.RefusedNamesMessage().isEmpty());

  // Whatever sets an unusable name later, no path leaves the Players folder.
  s.Prefs.PlayerName = "../evil";
  EXPECT_EQ(s.StoreProfile().Error,
            "Unable to write the profile of \"../evil\": A player name cannot contain \"/\".");
  ASSERT_TRUE(s.DeletePlayer("../evil").Ok());
  EXPECT_EQ(ReadText(Dir.filePath("evil.ini")), outside);  // not deleted either
}

TEST_F(SettingsTest, NumbersOutOfTheirRangesAreReadWithinThemAndNeverWrittenBack) {
  struct TCase {
    QByteArray Text;
    std::int32_t Difficulty, Size, Number, Width, Panel;
  };
  const TCase cases[] = {
      {"[Window]\nMainWidth=100000\nHorizontalWidth=-5\n[Options]\nDifficulty=2147483647\n"
       "[Puzzles]\nPuzzleSize=7\nSize6=0\n",
       10, 6, 1, 32767, 0},
      {"[Window]\nMainWidth=2147483647\n[Options]\nDifficulty=1000000000\n"
       "[Puzzles]\nPuzzleSize=2147483647\nSize6=-1\n",
       10, 6, 1, 32767, 0},
      {"[Window]\nMainWidth=-800\n[Options]\nDifficulty=-7\n[Puzzles]\nPuzzleSize=-2147483648\nSize6="
       "1000000\n",
       0, 6, 999999, 0, 0},
      {"[Window]\nMainWidth=900\nHorizontalWidth=300\n[Options]\nDifficulty=0\n[Puzzles]\nPuzzleSize="
       "9\nSize9=999999\n",
       0, 9, 999999, 900, 300},
  };
  for (const TCase& c : cases) {
    WriteText(Profile("Guest"), c.Text);
    TSettings s = Started();
    const std::string label = c.Text.toStdString();
    EXPECT_EQ(s.Prefs.Difficulty, c.Difficulty) << label;
    EXPECT_EQ(s.Prefs.MisClickPenalty, c.Difficulty) << label;
    EXPECT_EQ(s.Prefs.CluePenalty, 2 * c.Difficulty + 10) << label;
    EXPECT_EQ(s.Prefs.PuzzleSize, c.Size) << label;
    EXPECT_EQ(s.Prefs.PuzzleNumbers[c.Size], c.Number) << label;
    EXPECT_EQ(s.MainWidth, c.Width) << label;
    EXPECT_EQ(s.HorizontalWidth, c.Panel) << label;

    ASSERT_TRUE(s.StoreProfile().Ok());
    const TIniFile stored(Profile("Guest"));
    EXPECT_EQ(stored.ReadInteger("Options", "Difficulty", -99), c.Difficulty) << label;
    EXPECT_EQ(stored.ReadInteger("Puzzles", "PuzzleSize", -99), c.Size) << label;
    EXPECT_EQ(stored.ReadInteger("Puzzles", QStringLiteral("Size%1").arg(c.Size), -99), c.Number) << label;
    EXPECT_EQ(stored.ReadInteger("Window", "MainWidth", -99), c.Width) << label;
  }
}

}  // namespace

// A players file left damaged by a crash or written by another editor: every
// player is read, and storing the list writes every one of them back.
TEST_F(SettingsTest, ADamagedOrForeignPlayersFileKeepsEveryPlayer) {
  static const char Crashed[] =
      "[Game]\r\nCurrentPlayer=Ann\r\n[Players]\r\nAnn=Ann\r\n\0\0\0\0Bob=Bob\r\nJ\xc3\xb6rg=J\xc3\xb6rg\r\n";
  const QByteArray utf16 = QByteArray("\xff\xfe", 2) + [] {
    const QString text = QStringLiteral(
        "[Game]\r\nCurrentPlayer=Ann\r\n[Players]\r\nAnn=Ann\r\n"
        "Bob=Bob\r\nJ\u00f6rg=J\u00f6rg\r\n");
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  }();
  const struct {
    const char* what;
    QByteArray bytes;
    bool damaged;
  } files[] = {
      {"NUL bytes", QByteArray(Crashed, sizeof Crashed - 1), true},
      {"UTF-16", utf16, false},
      {"Latin-1", "[Game]\nCurrentPlayer=Ann\n[Players]\nAnn=Ann\nBob=Bob\nJ\xf6rg=J\xf6rg\n", false},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.what);
    QFile::remove(PlayersFile());
    QFile::remove(PlayersFile() + ".unreadable");
    WriteText(PlayersFile(), file.bytes);

    TSettings settings = Started();
    const QStringList all = {"Ann", "Bob", QStringLiteral("J\u00f6rg")};
    EXPECT_EQ(settings.ListPlayerNames(), all);
    const QStringList messages = settings.TakeReadMessages();
    ASSERT_EQ(messages.size(), file.damaged ? 1 : 0) << messages.join("\n").toStdString();
    ASSERT_TRUE(settings.StorePlayerList().Ok());
    EXPECT_EQ(Started().ListPlayerNames(), all) << ReadText(PlayersFile()).toStdString();
    // The file as it was stays beside it when it could not be read whole.
    EXPECT_EQ(QFileInfo::exists(PlayersFile() + ".unreadable"), file.damaged);
    if (file.damaged) {
      EXPECT_TRUE(messages[0].contains(PlayersFile() + ".unreadable")) << messages[0].toStdString();
      EXPECT_EQ(ReadText(PlayersFile() + ".unreadable"), file.bytes);
    }
  }
}

// A FIFO as the players file blocked the start in open() for ever, and a
// profile linked to /dev/zero was read without end. Both read promptly as
// unreadable, are said once, and are moved aside by the next store.
TEST_F(SettingsTest, SpecialFilesAreReportedAndMovedAsideNotRead) {
  ASSERT_EQ(mkfifo(QFile::encodeName(PlayersFile()).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", Profile("Guest")));

  TSettings settings = Started();  // returns: nothing waits for a writer
  EXPECT_EQ(settings.Prefs.PlayerName, "Guest");
  EXPECT_EQ(settings.Prefs.Difficulty, 5);
  const QStringList messages = settings.TakeReadMessages();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[0].contains("not a regular file")) << messages[0].toStdString();
  EXPECT_TRUE(messages[1].contains(Profile("Guest") + ".unreadable")) << messages[1].toStdString();
  settings.LoadProfile();
  EXPECT_TRUE(settings.TakeReadMessages().isEmpty()) << "said once a run";

  settings.Prefs.Difficulty = 8;
  ASSERT_TRUE(settings.StorePlayerList().Ok());
  EXPECT_TRUE(QFileInfo(PlayersFile()).isFile());
  EXPECT_FALSE(QFileInfo(PlayersFile() + ".unreadable").isFile()) << "the FIFO itself";
  EXPECT_TRUE(QFileInfo(Profile("Guest") + ".unreadable").isSymLink());
  EXPECT_FALSE(QFileInfo(Profile("Guest")).isSymLink());
  EXPECT_EQ(Started().Prefs.Difficulty, 8);
}
