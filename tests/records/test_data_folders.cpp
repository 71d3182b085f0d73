// Where the game finds its pictures and keeps its records.
#include "DataFolders.h"
#include "RecordsLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A prefix with bin/ for the program; the program's folder holds tiles/ only
// when asked to (a build folder or a portable copy).
class DataFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Root.isValid());
    ASSERT_TRUE(QDir(Root.path()).mkpath("prefix/bin"));
  }
  QString Bin() const { return Root.filePath("prefix/bin"); }
  QString UserData() const { return Root.filePath("home/.local/share/Quillmere"); }
  void GiveProgramTiles() { ASSERT_TRUE(QDir(Bin()).mkpath("tiles/Row 1")); }
  QTemporaryDir Root;
};

TEST_F(DataFoldersTest, EachStartFindsItsFolders) {
  // Installed: no tiles beside the program; the shared data sits under the
  // prefix, the records in the user's data folder.
  TDataFolders installed = ResolveDataFolders(Bin(), {}, UserData());
  EXPECT_EQ(installed.Assets, Root.filePath("prefix/share/quillmere"));
  EXPECT_EQ(installed.Records, UserData());
  EXPECT_EQ(installed.RecordsPath(), UserData() + "/quillmere");

  // Portable: tiles beside a writable program keep everything there.
  GiveProgramTiles();
  const TDataFolders portable = ResolveDataFolders(Bin() + "/../bin", {}, UserData());
  EXPECT_EQ(portable.Assets, Bin());
  EXPECT_EQ(portable.Records, Bin());
  EXPECT_EQ(portable.RecordsPath(), Bin() + "/quillmere");

  // A chosen data folder wins over both, a relative one made absolute.
  const QString chosen = Root.filePath("mine");
  ASSERT_TRUE(QDir().mkpath(chosen));
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Root.path()));
  const TDataFolders given = ResolveDataFolders(Bin(), "mine/", UserData());
  QDir::setCurrent(saved);
  EXPECT_EQ(given.Assets, chosen);
  EXPECT_EQ(given.Records, chosen);
}

// A portable copy on a read-only medium, made immutable or another user's
// plays from its own pictures and keeps the records in the user's folder.
TEST_F(DataFoldersTest, ACopyThatCannotBeWrittenPlaysFromItsPicturesWithTheRecordsInTheUsersFolder) {
  GiveProgramTiles();
  QStringList asked;
  const TDataFolders folders = ResolveDataFolders(Bin(), {}, UserData(), [&](const QString& folder) {
    asked << folder;
    return false;
  });
  EXPECT_EQ(asked, QStringList{Bin()});
  EXPECT_EQ(folders.Assets, Bin());
  EXPECT_EQ(folders.Records, UserData());
  EXPECT_TRUE(folders.RecordsAwayFromCopy);
  EXPECT_FALSE(ResolveDataFolders(Bin(), {}, UserData()).RecordsAwayFromCopy);

  // The file system's own answer: a folder the user may not write, or one of
  // another user's (which root may write all the same).
  const QByteArray bin = QFile::encodeName(Bin());
  if (geteuid() != 0) {
    ASSERT_TRUE(QFile::setPermissions(Bin(), QFile::ReadOwner | QFile::ExeOwner));
  } else {
    ASSERT_EQ(::chown(bin.constData(), 65534, 65534), 0);
  }
  const TDataFolders readOnly = ResolveDataFolders(Bin(), {}, UserData());
  QFile::setPermissions(Bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(::chown(bin.constData(), geteuid(), getegid()), 0);
  EXPECT_EQ(readOnly.Assets, Bin());
  EXPECT_EQ(readOnly.Records, UserData());

  // No home to keep them in: no records folder, rather than one under "/".
  const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
  qunsetenv("HOME");
  qunsetenv("XDG_DATA_HOME");
  const QString none = UserDataFolder("/.local/share/Quillmere");
  qputenv("XDG_DATA_HOME", "/somewhere");
  const QString named = UserDataFolder("/somewhere/Quillmere");
  qputenv("HOME", home);
  if (dataHome.isEmpty())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", dataHome);
  EXPECT_TRUE(none.isEmpty());
  EXPECT_EQ(named, "/somewhere/Quillmere");
  const TDataFolders homeless = ResolveDataFolders(Bin(), {}, none, [](const QString&) { return false; });
  EXPECT_TRUE(homeless.Records.isEmpty());
  EXPECT_FALSE(MakeRecordsFolder(homeless));
}

TEST_F(DataFoldersTest, AFirstStartMakesTheRecordsFolders) {
  const TDataFolders folders = ResolveDataFolders(Bin(), {}, UserData());
  ASSERT_FALSE(QFileInfo::exists(UserData()));
  ASSERT_TRUE(MakeRecordsFolder(folders));
  EXPECT_TRUE(QFileInfo(UserData()).isDir());
  EXPECT_FALSE(QFileInfo::exists(UserData() + "/Players")) << "made once the game can run";
  EXPECT_TRUE(MakeRecordsFolder(folders)) << "a second start finds them made";

  QFile blocker(Root.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(MakeRecordsFolder({Bin(), Root.filePath("file/records")}));
}

// A lock no running game holds is stale, whatever lies under its name; one a
// running game holds is never, and says on which computer that game runs.
TEST_F(DataFoldersTest, TheRecordsLockTakesOverWhatNoGameHoldsAndNeverFollowsALink) {
  const QString path = Root.filePath("quillmere.lock");
  const QString target = Root.filePath("target");
  auto plant = [&](const char* what) {
    QFile::remove(path);
    QDir().rmdir(path);
    const QByteArray name = QFile::encodeName(path);
    if (qstrcmp(what, "folder") == 0) return QDir().mkdir(path);
    if (qstrcmp(what, "dangling link") == 0) return QFile::link(target, path);
    if (qstrcmp(what, "fifo") == 0) return ::mkfifo(name.constData(), 0600) == 0;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (qstrcmp(what, "garbage") == 0) file.write("\x01\xff not a lock \n\n\n\n");
    if (qstrcmp(what, "another computer's") == 0) file.write("4242\nquillmere\nfaraway.example\n");
    if (qstrcmp(what, "another user's") == 0)
      return file.flush() && ::chown(name.constData(), 65534, 65534) == 0;
    return true;
  };
  std::vector<const char*> cases{"empty", "garbage", "folder", "dangling link", "fifo", "another computer's"};
  if (geteuid() == 0) cases.push_back("another user's");
  for (const char* what : cases) {
    ASSERT_TRUE(plant(what)) << what;
    TRecordsLock lock(path);
    EXPECT_EQ(lock.TryLock(), TRecordsLock::TOutcome::Locked) << what << ": " << lock.Problem().toStdString();
    const QFileInfo file(path);
    EXPECT_TRUE(file.isFile() && !file.isSymLink() && file.ownerId() == geteuid()) << what;
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith(QByteArray::number(getpid()) + "\nquillmere\n")) << what;
    if (qstrcmp(what, "another computer's") == 0) {
      EXPECT_TRUE(lock.TakenOver().contains("faraway.example"));
    }
    EXPECT_FALSE(QFileInfo::exists(target)) << what << ": a link's target is never made";
    lock.Unlock();
    EXPECT_FALSE(QFileInfo::exists(path)) << what;
  }

  // A link to a file: the link goes, the file stays as it was.
  {
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
  }
  ASSERT_TRUE(QFile::link(target, path));
  TRecordsLock linked(path);
  EXPECT_EQ(linked.TryLock(), TRecordsLock::TOutcome::Locked);
  EXPECT_FALSE(QFileInfo(path).isSymLink());
  QFile kept(target);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "keep me");

  // Held by a running game (here another lock of this process): refused
  // however old, naming the computer its file names.
  TRecordsLock second(path);
  EXPECT_EQ(second.TryLock(), TRecordsLock::TOutcome::Held);
  EXPECT_TRUE(second.HolderHost().isEmpty()) << "this computer";
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("4242\nquillmere\nfaraway.example\n");
  }
  EXPECT_EQ(second.TryLock(), TRecordsLock::TOutcome::Held);
  EXPECT_EQ(second.HolderHost(), "faraway.example");
  linked.Unlock();
  EXPECT_EQ(second.TryLock(), TRecordsLock::TOutcome::Locked);
}

}  // namespace
