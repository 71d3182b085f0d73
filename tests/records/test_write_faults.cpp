// Every records writer (players file, profile, saved game, score file) under
// the faults of a real disk: a folder the user may not write into, so the
// write fails at its open, and a full file system, so it fails at its first
// flush or, for a long file, in the middle. The previous file stays byte for
// byte, the error names the file, and no half-written copy is left behind.
#include "Puzzle.h"
#include "RecordsTestSupport.h"
#include "SavedGame.h"
#include "ScoreTable.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <map>

namespace {

// The four records files of one records folder and what writes each anew.
struct TRecords {
  explicit TRecords(const QString& folder) : Folder(folder) {}

  QString Folder;
  QString Players() const { return Folder + "/quillmere.ini"; }
  QString Profile() const { return Folder + "/Players/Guest.ini"; }
  QString Saved() const { return Folder + "/Players/Saved Games/Guest_7_10.sav"; }
  QString Scores() const { return Folder + "/quillmere.sco"; }
  QString Backup() const { return Folder + "/quillmere.scb"; }

  // Writes a first version of every file; false when any write failed.
  bool WriteFirst() const {
    if (!QDir(Folder).mkpath("Players/Saved Games")) return false;
    TSettings settings(Folder + "/quillmere");
    settings.LoadPlayerList();
    settings.LoadProfile();
    TScoreTable scores;
    (void)scores.Load(Folder + "/quillmere");
    return settings.StorePlayerList().Ok() && WriteSavedGame(Saved(), Game(3)).Ok() &&
           scores.AddScore("Guest", 1, 4, 60, 0, 0, 5).Ok();
  }

  // Writes every file anew, `players` players and scores long; the error of
  // each write by its file.
  std::map<QString, QString> WriteAgain(int players) const {
    TSettings settings(Folder + "/quillmere");
    settings.LoadPlayerList();
    settings.LoadProfile();
    settings.Prefs.Difficulty = 9;
    for (int i = 0; i < players; ++i) settings.PlayerList << QStringLiteral("Player %1=Player %1").arg(i);
    TScoreTable scores;
    const TScoreReadReport loaded = scores.Load(Folder + "/quillmere");
    TResult score;
    for (int i = 0; i <= players && score.Ok(); ++i)
      score = scores.AddScore("Guest", i + 2, 10, 600, 1, 1, 5);
    // A score file that is refused at the start is never written.
    return {{Players(), settings.StorePlayerList().Error},
            {Profile(), settings.StoreProfile().Error},
            {Saved(), WriteSavedGame(Saved(), Game(40)).Error},
            {Scores(), loaded.Ok() ? score.Error : loaded.Error}};
  }

  std::map<QString, QByteArray> Contents() const {
    std::map<QString, QByteArray> contents;
    for (const QString& path : {Players(), Profile(), Saved(), Scores()}) contents[path] = ReadText(path);
    return contents;
  }

  // Everything in the folder and its subfolders, by relative path.
  QStringList Files() const {
    QStringList files;
    for (const QString& sub : {QString(), QStringLiteral("Players"), QStringLiteral("Players/Saved Games")})
      for (const QString& name : QDir(Folder + "/" + sub).entryList(QDir::Files | QDir::Hidden))
        files << (sub.isEmpty() ? name : sub + "/" + name);
    return files;
  }

  static TSavedGame Game(int seconds) {
    TPuzzle puzzle;
    puzzle.SetUp(10, 7, 5);
    return SavedGameOf(puzzle, 7, seconds);
  }
};

class WriteFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.filePath("store"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.filePath("store")));
  }
  QTemporaryDir Dir;
};

TEST_F(WriteFaultsTest, AFolderTheUserMayNotWriteFailsEveryWriteAtItsOpen) {
  const TRecords records(Dir.filePath("records"));
  ASSERT_TRUE(records.WriteFirst());
  const auto before = records.Contents();
  const QStringList files = records.Files();
  // Readable by everyone, writable by its owner only; the ordinary user is not the owner.
  const auto readOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                        QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
  for (const QString& folder :
       {Dir.path(), records.Folder, records.Folder + "/Players", records.Folder + "/Players/Saved Games"})
    ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
  if (geteuid() != 0) {  // this user owns the folders: take their write bit away instead
    for (const QString& folder :
         {records.Folder, records.Folder + "/Players", records.Folder + "/Players/Saved Games"})
      ASSERT_TRUE(QFile::setPermissions(folder, readOnly & ~QFile::WriteOwner));
  }

  // Root's files are another user's to the ordinary user: the score file is
  // refused as it is read, the others as they are written.
  const bool othersFiles = geteuid() == 0;
  const bool allFailed = RunAsOrdinaryUser([&] {
    bool ok = true;
    for (const auto& [path, error] : records.WriteAgain(3)) {
      // The score file's first write of a run is its backup; a saved game
      // brings the system's own reason alone, the others name their file
      // before it.
      const QString expected = path == records.Saved() ? QString()
                               : path == records.Scores()
                                   ? (othersFiles ? "The score file " + path + " could not be opened"
                                                  : "Unable to write to " + records.Backup() + ": ")
                                   : "Unable to write to " + path + ": ";
      if (error.size() <= expected.size() || !error.startsWith(expected)) {
        std::fprintf(stderr, "%s: \"%s\", not \"%s\"\n", qPrintable(path), qPrintable(error),
                     qPrintable(expected));
        ok = false;
      }
    }
    return ok;
  });
  for (const QString& folder :
       {records.Folder, records.Folder + "/Players", records.Folder + "/Players/Saved Games"})
    QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
  EXPECT_TRUE(allFailed) << "every write must fail with its file's error (see above)";
  EXPECT_EQ(records.Contents(), before);
  EXPECT_EQ(records.Files(), files);
}

// A small file system of its own, filled up; mounting needs root (CAP_SYS_ADMIN).
class FullDiskTest : public WriteFaultsTest {
 protected:
  void SetUp() override {
    WriteFaultsTest::SetUp();
    Mount = Dir.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(Mount));
    if (mount("tmpfs", qPrintable(Mount), "tmpfs", 0, "size=128k") != 0)
      GTEST_SKIP() << "no small file system can be mounted here (needs root): " << std::strerror(errno);
    Mounted = true;
  }
  void TearDown() override {
    if (Mounted) umount(qPrintable(Mount));
  }
  // Fills the file system, then frees `spare` bytes again.
  void Fill(qint64 spare) {
    QFile filler(Mount + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() - spare)));
  }
  QString Mount;
  bool Mounted = false;
};

TEST_F(FullDiskTest, AFullDiskFailsEveryWriteAtItsFlushOrInItsMiddle) {
  const TRecords records(Mount + "/records");
  ASSERT_TRUE(records.WriteFirst());
  const auto before = records.Contents();
  const QStringList files = records.Files();

  Fill(0);  // nothing left: each write fails at its first flush
  for (const auto& [path, error] : records.WriteAgain(3)) {
    const QString noSpace = SystemReason(ENOSPC);
    const QString expected = path == records.Scores()
                                 ? "Unable to write to " + records.Backup() + ": " + noSpace
                                 : "Unable to write to " + path + ": " + noSpace;
    EXPECT_EQ(error.section('\r', 0, 0), expected);
  }
  EXPECT_EQ(records.Contents(), before);

  // Room for a few kilobytes: a players file far longer than that fails
  // part-way through its writing.
  Fill(8192);
  const auto errors = records.WriteAgain(2000);
  EXPECT_EQ(errors.at(records.Players()),
            "Unable to write to " + records.Players() + ": " + SystemReason(ENOSPC));
  EXPECT_EQ(ReadText(records.Players()), before.at(records.Players()));
  QStringList left = records.Files();
  left.removeOne("quillmere.scb");
  EXPECT_EQ(left, files);
}

}  // namespace

namespace {

// A folder shared with a group: another user has put a link, or a file of
// their own, in place of each records file. Nothing is written through the
// link (the file behind it stays as it was), another user's file is left
// alone, and each error says why, naming the file where the writer does.
TEST_F(WriteFaultsTest, NoRecordsFileIsWrittenThroughALinkOrOverAnotherUsersFile) {
  const TRecords records(Dir.filePath("records"));
  ASSERT_TRUE(records.WriteFirst());
  const QString victim = Dir.filePath("dot-profile");
  WriteText(victim, "echo private\n");
  const QStringList files{records.Players(), records.Profile(), records.Saved()};
  for (const QString& file : files) {
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::link(victim, file));
  }
  std::map<QString, QString> errors = records.WriteAgain(2);
  for (const QString& file : files) {
    EXPECT_TRUE(errors[file].contains("link")) << errors[file].toStdString();
    EXPECT_TRUE(QFileInfo(file).isSymLink()) << file.toStdString();
  }
  EXPECT_TRUE(errors[records.Players()].contains(records.Players()));
  EXPECT_EQ(ReadText(victim), "echo private\n");

  if (geteuid() != 0) GTEST_SKIP() << "another user's file needs root to make";
  for (const QString& file : files) {
    ASSERT_TRUE(QFile::remove(file));
    WriteText(file, "theirs\n");
    ASSERT_EQ(chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
  }
  errors = records.WriteAgain(2);
  for (const QString& file : files) {
    EXPECT_TRUE(errors[file].contains("another user")) << errors[file].toStdString();
    EXPECT_EQ(ReadText(file), "theirs\n");
  }
}

}  // namespace
