// Where the game finds its pictures and keeps its records.
#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST_F(DataFoldersTest, AProgramFolderThatCannotBeWrittenCountsAsInstalled) {
  GiveProgramTiles();
  QStringList asked;
  const TDataFolders folders = ResolveDataFolders(Bin(), {}, UserData(), [&](const QString& folder) {
    asked << folder;
    return false;
  });
  EXPECT_EQ(asked, QStringList{Bin()});
  EXPECT_EQ(folders.Assets, Root.filePath("prefix/share/quillmere"));
  EXPECT_EQ(folders.Records, UserData());

  // The file system's own answer, where the permissions bind (not for root).
  if (geteuid() != 0) {
    ASSERT_TRUE(QFile::setPermissions(Bin(), QFile::ReadOwner | QFile::ExeOwner));
    const TDataFolders readOnly = ResolveDataFolders(Bin(), {}, UserData());
    QFile::setPermissions(Bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readOnly.Records, UserData());
  }
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

}  // namespace
