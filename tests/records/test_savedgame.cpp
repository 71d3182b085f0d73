#include "Puzzle.h"
#include "RecordsTestSupport.h"
#include "SavedGame.h"
#include "SavedGameMoves.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(SavedGameFile, WritesReplaceTheFileAndAFailedWriteKeepsThePreviousOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkpath("Players/Saved Games"));
  const QString path = SavedGamePath(dir.filePath("Players"), "Ann_B", 1234, 6);
  EXPECT_EQ(path, dir.filePath("Players/Saved Games/Ann_B_1234_6.sav"));

  TPuzzle p;
  p.SetUp(6, 1234, 5);
  const TSavedGame first = SavedGameOf(p, 1234, 10);
  ASSERT_TRUE(WriteSavedGame(path, first));
  Place(p, 2, 2);
  const TSavedGame second = SavedGameOf(p, 1234, 20);
  ASSERT_TRUE(WriteSavedGame(path, second));
  EXPECT_EQ(ReadText(path).toStdString(), SavedGameText(second));
  TSavedGame read;
  ASSERT_TRUE(ReadSavedGame(path, read));
  EXPECT_EQ(read, second);

  TPuzzle big;
  big.SetUp(10, 5, 5);
  TResult failed;
  {
    const TFileSizeLimit limit(64);
    failed = WriteSavedGame(path, SavedGameOf(big, 5, 0));
  }
  EXPECT_FALSE(failed);
  EXPECT_EQ(failed.Error, "Unable to write to " + path + ": " + SystemReason(EFBIG));
  EXPECT_EQ(ReadText(path).toStdString(), SavedGameText(second));
  EXPECT_EQ(QDir(dir.filePath("Players/Saved Games")).entryList(QDir::Files),
            QStringList{"Ann_B_1234_6.sav"});

  // The system's reason alone would not say which file could not be written.
  EXPECT_EQ(WriteSavedGame(dir.filePath("Missing/x.sav"), first).Error,
            "Unable to write to " + dir.filePath("Missing/x.sav") + ": " + SystemReason(ENOENT));
  EXPECT_EQ(ReadSavedGame(dir.filePath("Missing.sav"), read).Error, "File not found");
  EXPECT_EQ(ReadSavedGame(dir.path(), read).Error, "File not found");
  // A FIFO would block the open for ever, /dev/zero never end, and a file
  // far beyond any saved game fill the memory: each is refused unread.
  const QString fifo = dir.filePath("fifo.sav");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(ReadSavedGame(fifo, read).Error, "it is not a regular file");
  ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.sav")));
  EXPECT_EQ(ReadSavedGame(dir.filePath("zero.sav"), read).Error, "it is not a regular file");
  QFile huge(dir.filePath("huge.sav"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(64 * 1024 * 1024));
  huge.close();
  EXPECT_EQ(ReadSavedGame(huge.fileName(), read).Error, "it is larger than 4 MB");
  EXPECT_EQ(read, second);

  // The reader's messages in words, the checks of the puzzle after those of
  // the text: a damaged field, and another puzzle's clues.
  WriteText(path, QByteArray::fromStdString(SavedGameText(second)).replace("size=6", "size=7"));
  EXPECT_EQ(ReadSavedGame(path, read).Error,
            "line 1, field \"size\": 7 is not a board size (4, 5, 6, 8, 9 or 10)");
  // A file's own text as it stands, a character cut off at its end too.
  WriteText(path, QByteArray::fromStdString(SavedGameText(second)).replace("size=6", "size=6\xC3"));
  EXPECT_EQ(ReadSavedGame(path, read).Error,
            QString::fromUtf8("line 1, field \"size\": '6\xEF\xBF\xBD' is not a valid integer value"));
  TSavedGame other = second;
  other.Horizontal.pop_back();
  ASSERT_TRUE(WriteSavedGame(path, other));
  EXPECT_EQ(ReadSavedGame(path, read).Error, "the clues are not those of puzzle No. 1234 at 6 x 6");
  EXPECT_EQ(read, second);
}

TEST(SavedGameFile, TheOwnerIsTheNameBeforeTheNumberAndTheSize) {
  const QStringList names = {"Ann", "Ann_B", "Bob"};
  EXPECT_EQ(SavedGameOwner("Ann_B_12_6.sav", names), "Ann_B");
  EXPECT_EQ(SavedGameOwner("Ann_B_12_6.sav", {"Ann_B", "Ann"}), "Ann_B");
  EXPECT_EQ(SavedGameOwner("/games/Bob_1/Players/Saved Games/ann_b_12_6.sav", names), "Ann_B");
  EXPECT_EQ(SavedGameOwner("ANN_12_6.sav", names), "Ann");
  EXPECT_EQ(SavedGameOwner("Anna_12_6.sav", names), "");
  EXPECT_EQ(SavedGameOwner("Carl_12_6.sav", names), "");
  // Anna's puzzle 1 at 4 x 4 beside a player "Anna_1", whoever plays.
  for (const char* current : {"Anna", "Anna_1", ""}) {
    EXPECT_EQ(SavedGameOwner("Anna_1_4.sav", {"Anna_1", "Anna"}, current), "Anna");
    EXPECT_EQ(SavedGameOwner("Anna_1_1_4.sav", {"Anna", "Anna_1"}, current), "Anna_1");
  }
  // A renamed file: the current player when her name starts it.
  EXPECT_EQ(SavedGameOwner("Anna_1_4 copy.sav", {"Anna_1", "Anna"}, "Anna"), "Anna");
  EXPECT_EQ(SavedGameOwner("Anna_1_4 copy.sav", {"Anna_1", "Anna"}, "Bob"), "Anna_1");
}

}  // namespace
