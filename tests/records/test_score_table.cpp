#include "FileBytes.h"
#include "RecordsTestSupport.h"
#include "ScoreTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <utility>

inline void PrintTo(const TScore& s, std::ostream* out) {
  *out << s.Player.toStdString() << " #" << s.Number << " " << s.Size << "x" << s.Size << " t" << s.Time
       << " e" << s.Errors << " c" << s.Clues << " d" << s.Difficulty << " =" << s.Score;
}

namespace {

const QByteArray AnnaLine =
    "player=Anna~number=1234~size=6~time=312~errors=2~clues=1~difficulty=5~score=55548~";
const QByteArray BobLine = "player=Bob~number=7~size=5~time=-1~errors=0~clues=0~difficulty=10~score=50011~";

class ScoreTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Dir.isValid()); }
  QString ProgramPath() const { return Dir.filePath("quillmere"); }
  QString ScoreFile() const { return Dir.filePath("quillmere.sco"); }
  QString BackupFile() const { return Dir.filePath("quillmere.scb"); }
  TScoreTable Loaded() const {
    TScoreTable table;
    const TScoreReadReport report = table.Load(ProgramPath());
    EXPECT_TRUE(report.Ok()) << report.Error.toStdString();
    return table;
  }
  // A table of the given players, in this order, with each one's index as
  // its number, size 4 and no time.
  static TScoreTable Players(std::initializer_list<const char*> names) {
    TScoreTable table;  // not loaded: nothing is written
    int i = 0;
    for (const char* name : names) (void)table.AddScore(QString::fromUtf8(name), i++, 4, 0, 0, 0, 5);
    return table;
  }
  static QStringList Names(const TScoreTable& table) {
    QStringList names;
    for (const TScore& s : table.Scores()) names << s.Player;
    return names;
  }

  QTemporaryDir Dir;
};

TEST_F(ScoreTableTest, ScoreLinesReadByKeyAndWriteBackByteForByte) {
  EXPECT_EQ(TScoreTable::ScorePath(Dir.filePath("game.exe")), Dir.filePath("game.sco"));
  EXPECT_EQ(TScoreTable::BackupPath(ProgramPath()), BackupFile());

  const QByteArray file = AnnaLine + "\r\n" + BobLine + "\r\n";
  WriteText(ScoreFile(), file);
  TScoreTable table = Loaded();
  ASSERT_EQ(table.Scores().size(), 2u);
  EXPECT_EQ(table.Scores()[0], (TScore{1234, 6, "Anna", 312, 2, 1, 5, 55548}));
  EXPECT_EQ(table.Scores()[1], (TScore{7, 5, "Bob", -1, 0, 0, 10, 50011}));
  EXPECT_EQ(table.CurrentEntry(), -1);

  // A completion writes the table at once; taking it away again gives the
  // file as it was, to the byte.
  ASSERT_TRUE(table.AddScore("Zoë", 99, 4, 10, 0, 0, 3).Ok());
  EXPECT_EQ(
      ReadText(ScoreFile()),
      file + "player=Zo\xC3\xAB~number=99~size=4~time=10~errors=0~clues=0~difficulty=3~score=39890~\r\n");
  ASSERT_TRUE(table.DeletePlayerScores("ZOë").Ok());
  EXPECT_EQ(ReadText(ScoreFile()), file);
}

TEST_F(ScoreTableTest, EachCompletionIsItsOwnEntryHighlightedUntilTheNext) {
  TScoreTable table;
  ASSERT_TRUE(table.AddScore("Anna", 3, 5, -1, 0, 0, 7).Ok());
  ASSERT_TRUE(table.AddScore("Anna", 3, 5, -1, 0, 0, 7).Ok());
  ASSERT_EQ(table.Scores().size(), 2u);
  EXPECT_EQ(table.Scores()[1], (TScore{3, 5, "Anna", -1, 0, 0, 7, 50011}));
  EXPECT_EQ(table.CurrentEntry(), 1);
}

TEST_F(ScoreTableTest, CellTexts) {
  TScoreTable table;
  (void)table.AddScore("Anna", 1234, 6, 3725, 2, 1, 5);
  (void)table.AddScore("Bob", 7, 10, 59, 0, 0, 10);
  (void)table.AddScore("Cy", 8, 4, -1, 0, 0, 0);
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  QStringList row;
  for (int c = 0; c < TScoreTable::ColumnCount; ++c) row << table.CellText(0, c, english);
  EXPECT_EQ(row, QStringList({"Anna", "6 x 6", "18,005", "1234", "01:02:05", "2", "1", "5"}));
  EXPECT_EQ(table.CellText(1, 4), "00:00:59");
  EXPECT_EQ(table.CellText(2, 4), "--:--:--");
  EXPECT_EQ(table.CellText(1, 2, QLocale(QLocale::German, QLocale::Germany)), "99.351");
  EXPECT_EQ(table.CellText(1, 2, QLocale::c()), "99,351");  // grouped even where the locale would not
  EXPECT_EQ(table.CellText(3, 0), "");
}

// The order of repeated passes that exchange neighbours out of order, the
// highlight moving with its entry.
void ReferenceSort(std::vector<TScore>& s, int& current, int column, bool flag) {
  auto fold = [](QString name) {
    for (QChar& c : name)
      if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 32);
    return name;
  };
  auto key = [column](const TScore& e) {
    const int keys[] = {0, e.Size, e.Score, e.Number, e.Time, e.Errors, e.Clues, e.Difficulty};
    return keys[column];
  };
  for (bool exchanged = true; exchanged;) {
    exchanged = false;
    for (size_t i = 0; i + 1 < s.size(); ++i) {
      const bool outOfOrder = column == 0 ? (flag ? fold(s[i].Player) > fold(s[i + 1].Player)
                                                  : fold(s[i].Player) < fold(s[i + 1].Player))
                                          : (flag ? key(s[i]) < key(s[i + 1]) : key(s[i]) > key(s[i + 1]));
      if (!outOfOrder) continue;
      std::swap(s[i], s[i + 1]);
      if (current == int(i))
        current = int(i + 1);
      else if (current == int(i + 1))
        current = int(i);
      exchanged = true;
    }
  }
}

TEST_F(ScoreTableTest, SortingFollowsTheHeadingsDirectionsAndTheHighlightFollowsItsEntry) {
  // Names fold only a to z: "_" lies between "Z" and "a".
  TScoreTable table = Players({"bob", "Anna", "_x", "carl", "anna", "Ab"});
  EXPECT_EQ(table.CurrentEntry(), 5);  // Ab
  ASSERT_TRUE(table.Sort(0).Ok());     // right after the start: A to Z
  EXPECT_TRUE(table.SortFlag());
  EXPECT_EQ(Names(table), QStringList({"Ab", "Anna", "anna", "bob", "carl", "_x"}));
  EXPECT_EQ(table.CurrentEntry(), 0);
  ASSERT_TRUE(table.Sort(0).Ok());  // again: Z to A, equal names keep their order
  EXPECT_EQ(Names(table), QStringList({"_x", "carl", "bob", "Anna", "anna", "Ab"}));
  EXPECT_EQ(table.CurrentEntry(), 5);

  // The longer the time, the lower the score.
  TScoreTable scores;
  for (const int seconds : {300, 100, 200}) (void)scores.AddScore("P", seconds, 4, seconds, 0, 0, 0);
  TScoreTable named = scores;
  const auto order = [](const TScoreTable& t) {
    std::vector<int> numbers;
    for (const TScore& s : t.Scores()) numbers.push_back(s.Number);
    return numbers;
  };
  ASSERT_TRUE(scores.Sort(2).Ok());  // right after the start: the lowest score first
  EXPECT_EQ(order(scores), (std::vector<int>{300, 200, 100}));
  EXPECT_EQ(scores.CurrentEntry(), 1);  // the latest completion, number 200
  ASSERT_TRUE(scores.Sort(2).Ok());
  EXPECT_EQ(order(scores), (std::vector<int>{100, 200, 300}));
  ASSERT_TRUE(named.Sort(0).Ok());
  ASSERT_TRUE(named.Sort(2).Ok());  // after Name sorted A to Z: the highest score first
  EXPECT_EQ(order(named), (std::vector<int>{100, 200, 300}));
  EXPECT_EQ(named.SortColumn(), 2);

  // Against the repeated passes, over many clicks on a table full of ties.
  std::mt19937 random(12345);
  TScoreTable big;
  for (int i = 0; i < 300; ++i) {
    const char* names[] = {"anna", "Anna", "bob", "Bob", "_z", "Zed", "cy"};
    (void)big.AddScore(names[random() % 7], int(random() % 5), int(random() % 4) + 4, int(random() % 9) - 1,
                       int(random() % 3), int(random() % 3), int(random() % 11));
    if (i == 150) {
      ASSERT_TRUE(big.Sort(3).Ok());
    }
  }
  std::vector<TScore> expected = big.Scores();
  int current = big.CurrentEntry();
  for (int click = 0; click < 40; ++click) {
    const int column = int(random() % TScoreTable::ColumnCount);
    const bool flag = column == big.SortColumn() ? !big.SortFlag() : big.SortFlag();
    ReferenceSort(expected, current, column, flag);
    ASSERT_TRUE(big.Sort(column).Ok());
    ASSERT_EQ(big.Scores(), expected) << "click " << click << " on column " << column;
    ASSERT_EQ(big.CurrentEntry(), current) << "click " << click << " on column " << column;
  }

  // The file keeps the last sorted order and reads back into the same table.
  WriteText(ScoreFile(), QByteArray());
  TScoreTable stored = Loaded();
  for (const TScore& s : std::vector<TScore>(big.Scores().begin(), big.Scores().begin() + 20))
    ASSERT_TRUE(stored.AddScore(s.Player, s.Number, s.Size, s.Time, s.Errors, s.Clues, s.Difficulty).Ok());
  ASSERT_TRUE(stored.Sort(4).Ok());
  EXPECT_EQ(Loaded().Scores(), stored.Scores());
}

TEST_F(ScoreTableTest, ErasingRemovesTheViewingPlayersEntriesWithoutRegardToCase) {
  WriteText(ScoreFile(), QByteArray());
  TScoreTable table = Loaded();
  for (const char* name : {"Anna", "Annabel", "anna", "Bob", "ANNA", "Cy"})
    ASSERT_TRUE(table.AddScore(name, 1, 4, 0, 0, 0, 5).Ok());
  ASSERT_TRUE(table.Sort(0).Ok());  // Anna anna ANNA Annabel Bob Cy
  ASSERT_TRUE(table.Sort(0).Ok());  // Cy Bob Annabel Anna anna ANNA
  EXPECT_EQ(table.CurrentEntry(), 0);

  table.SetViewingPlayer("aNNa");
  ASSERT_TRUE(table.EraseViewingPlayerScores().Ok());
  EXPECT_EQ(Names(table), QStringList({"Cy", "Bob", "Annabel"}));
  EXPECT_EQ(table.CurrentEntry(), 0);  // still Cy
  EXPECT_EQ(Names(Loaded()), Names(table));

  ASSERT_TRUE(table.DeletePlayerScores("nobody").Ok());
  EXPECT_EQ(table.Scores().size(), 3u);
  ASSERT_TRUE(table.DeletePlayerScores("cy").Ok());
  EXPECT_EQ(Names(table), QStringList({"Bob", "Annabel"}));
  EXPECT_EQ(table.CurrentEntry(), -1);  // its entry is gone

  TScoreTable empty;
  empty.SetViewingPlayer("Anna");
  EXPECT_TRUE(empty.EraseViewingPlayerScores().Ok());
  EXPECT_TRUE(empty.Scores().empty());
}

// Unreadable lines are kept aside in their own file, after what an earlier
// run kept there, and leave the score file, so they are told once; where they
// cannot be kept aside they stay in the file as they were.
TEST_F(ScoreTableTest, UnreadableLinesAreKeptAsideAndReportedOnce) {
  const QByteArray badNumber = "player=Cy~number=12x~size=4~time=5~errors=0~clues=0~difficulty=1~score=5~";
  const QByteArray noSize = "player=Di~number=1~time=5~errors=0~clues=0~difficulty=1~score=5~";
  const QByteArray noise = "garbage, not a score";
  const QByteArray start =
      AnnaLine + "\r\n" + badNumber + "\r\n" + noSize + "\r\n\r\n" + BobLine + "\r\n" + noise + "\n";
  const QString kept = ScoreFile() + ".unreadable";
  ASSERT_EQ(TScoreTable::UnreadablePath(ProgramPath()), kept);
  WriteText(kept, "kept by an earlier run");
  WriteText(ScoreFile(), start);
  TScoreTable table;
  const TScoreReadReport report = table.Load(ProgramPath());
  EXPECT_EQ(report.UnreadableLines, 3);
  EXPECT_EQ(report.FirstLine, QString::fromUtf8(badNumber));
  EXPECT_EQ(report.FirstReason, "'12x' is not a valid integer value");
  EXPECT_EQ(report.KeptPath, kept);
  const QString message = report.Error;
  EXPECT_TRUE(message.contains(ScoreFile()) && message.contains("3 lines") && message.contains(kept) &&
              message.contains(QString::fromUtf8(badNumber)) && message.contains("'12x'"))
      << message.toStdString();
  EXPECT_EQ(Names(table), QStringList({"Anna", "Bob"}));  // reading went on past them
  EXPECT_EQ(ReadText(kept),
            "kept by an earlier run\r\n" + badNumber + "\r\n" + noSize + "\r\n" + noise + "\r\n");
  EXPECT_EQ(ReadText(ScoreFile()), AnnaLine + "\r\n" + BobLine + "\r\n");
  EXPECT_EQ(ReadText(BackupFile()), start);
  EXPECT_TRUE(Loaded().Scores().size() == 2u) << "the next start has nothing to report";

  // Nowhere to keep them (a folder in the way): they stay in the file.
  QFile::remove(kept);
  ASSERT_TRUE(QDir(Dir.path()).mkdir("quillmere.sco.unreadable"));
  WriteText(ScoreFile(), start);
  const TScoreReadReport stays = table.Load(ProgramPath());
  EXPECT_EQ(stays.UnreadableLines, 3);
  EXPECT_TRUE(stays.KeptPath.isEmpty());
  EXPECT_TRUE(stays.Error.contains("kept as they are")) << stays.Error.toStdString();
  ASSERT_TRUE(table.Sort(0).Ok());
  ASSERT_TRUE(table.Sort(0).Ok());  // Z to A
  EXPECT_EQ(ReadText(ScoreFile()),
            BobLine + "\r\n" + AnnaLine + "\r\n" + badNumber + "\r\n" + noSize + "\r\n" + noise + "\r\n");
}

// In a folder shared with others, the score files may have been replaced by
// links or by another user's files: nothing is read or written through them,
// and unreadable lines move once, whole, or stay where they are.
TEST_F(ScoreTableTest, NoScoreFileIsUsedThroughALinkAndUnreadableLinesMoveOnceOrNotAtAll) {
  const QByteArray bad = "player=Cy~number=x~";
  const QByteArray start = AnnaLine + "\r\n" + bad + "\r\n";
  const QString victim = Dir.filePath("profile");
  WriteText(victim, "private\n");
  const QString kept = TScoreTable::UnreadablePath(ProgramPath());

  // The side file links to the player's own file: the line stays in the
  // score file, the linked file is neither added to nor copied, at every start.
  ASSERT_TRUE(QFile::link(victim, kept));
  WriteText(ScoreFile(), start);
  for (int run = 0; run < 2; ++run) {
    TScoreTable table;
    const TScoreReadReport report = table.Load(ProgramPath());
    EXPECT_TRUE(report.KeptPath.isEmpty());
    EXPECT_TRUE(report.Error.contains("kept as they are") && report.Error.contains(kept) &&
                report.Error.contains("link"))
        << report.Error.toStdString();
    ASSERT_TRUE(table.AddScore("Eve", 2, 4, 9, 0, 0, 5).Ok());
  }
  EXPECT_EQ(ReadText(victim), "private\n");
  EXPECT_TRUE(QFileInfo(kept).isSymLink());
  EXPECT_TRUE(ReadText(ScoreFile()).contains(bad));
  QFile::remove(kept);

  // The backup cannot be written (a folder in its place): the lines stay in
  // the score file, nothing goes to the side file, and the box says so.
  QFile::remove(BackupFile());
  ASSERT_TRUE(QDir(Dir.path()).mkdir("quillmere.scb"));
  WriteText(ScoreFile(), start);
  for (int run = 0; run < 3; ++run) {
    TScoreTable table;
    const TScoreReadReport report = table.Load(ProgramPath());
    EXPECT_EQ(report.UnreadableLines, 1);
    EXPECT_TRUE(report.KeptPath.isEmpty());
    EXPECT_TRUE(report.Error.contains("kept as they are") && report.Error.contains(BackupFile()))
        << report.Error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(kept)) << "run " << run;
    EXPECT_EQ(ReadText(ScoreFile()), start);
  }
  ASSERT_TRUE(QDir(Dir.path()).rmdir("quillmere.scb"));

  // The score file itself a link, or another user's file: refused, and the
  // file behind it stays as it was whatever is played.
  QFile::remove(ScoreFile());
  ASSERT_TRUE(QFile::link(victim, ScoreFile()));
  TScoreTable linked;
  const TScoreReadReport refused = linked.Load(ProgramPath());
  EXPECT_TRUE(refused.Error.contains(ScoreFile()) && refused.Error.contains("link"))
      << refused.Error.toStdString();
  (void)linked.AddScore("Eve", 2, 4, 9, 0, 0, 5);
  EXPECT_EQ(ReadText(victim), "private\n");
  EXPECT_TRUE(QFileInfo(ScoreFile()).isSymLink());
  if (geteuid() == 0) {
    QFile::remove(ScoreFile());
    WriteText(ScoreFile(), AnnaLine + "\r\n");
    ASSERT_EQ(chown(QFile::encodeName(ScoreFile()).constData(), 65534, 65534), 0);
    TScoreTable theirs;
    const TScoreReadReport other = theirs.Load(ProgramPath());
    EXPECT_TRUE(other.Error.contains("another user")) << other.Error.toStdString();
    (void)theirs.AddScore("Eve", 2, 4, 9, 0, 0, 5);
    EXPECT_EQ(ReadText(ScoreFile()), AnnaLine + "\r\n");
  }
}

TEST_F(ScoreTableTest, AFailedWriteLeavesTheFileAsItWasAndTheBackupIsTheFileAtTheStart) {
  const QByteArray start = AnnaLine + "\r\n";
  WriteText(ScoreFile(), start);
  WriteText(BackupFile(), "an older backup\r\n");
  TScoreTable table = Loaded();

  // The backup comes first; while it cannot be written, the file is left
  // alone. The message gives the system's reason and says the score is kept.
  {
    const TFileSizeLimit limit(16);
    EXPECT_EQ(table.AddScore("Bob", 1, 4, 0, 0, 0, 5).Error,
              "Unable to write to " + BackupFile() + ": " + SystemReason(EFBIG) +
                  "\rThe scores are kept and written again at the next change and when the "
                  "game ends.");
  }
  EXPECT_TRUE(table.Unwritten());
  EXPECT_EQ(ReadText(ScoreFile()), start);
  EXPECT_EQ(ReadText(BackupFile()), "an older backup\r\n");

  ASSERT_TRUE(table.AddScore("Cy", 2, 4, 0, 0, 0, 5).Ok());  // carries Bob's entry too
  const QByteArray second = ReadText(ScoreFile());
  EXPECT_EQ(second.count('\n'), 3);
  EXPECT_EQ(ReadText(BackupFile()), start);
  EXPECT_FALSE(table.Unwritten());
  {
    const TFileSizeLimit limit(200);  // the backup is made already; now the file fails
    EXPECT_TRUE(
        table.AddScore("Di", 3, 4, 0, 0, 0, 5)
            .Error.startsWith("Unable to write to " + ScoreFile() + ": " + SystemReason(EFBIG) + "\r"));
    EXPECT_TRUE(table.Sort(3).Error.startsWith("Unable to write to " + ScoreFile()));
    EXPECT_TRUE(table.Sort(3).Error.startsWith("Unable to write to " + ScoreFile()));
    EXPECT_EQ(table.WriteUnwritten().Error, "Unable to write to " + ScoreFile() + ": " + SystemReason(EFBIG) +
                                                "\rThe scores of this run could not be kept.");
  }
  EXPECT_EQ(ReadText(ScoreFile()), second);
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList({"quillmere.scb", "quillmere.sco"}));
  // The end of the run writes what is still unwritten, and only then.
  ASSERT_TRUE(table.WriteUnwritten().Ok());
  EXPECT_FALSE(table.Unwritten());
  EXPECT_EQ(Names(Loaded()), QStringList({"Anna", "Di", "Cy", "Bob"}));  // numbers largest first
  QFile::remove(ScoreFile());
  ASSERT_TRUE(table.WriteUnwritten().Ok());
  EXPECT_FALSE(QFile::exists(ScoreFile()));
  ASSERT_TRUE(table.Sort(3).Ok());

  ASSERT_TRUE(table.DeletePlayerScores("Anna").Ok());
  EXPECT_EQ(Names(Loaded()), QStringList({"Bob", "Cy", "Di"}));
  EXPECT_EQ(ReadText(BackupFile()), start) << "one backup a run, of the file as the run found it";

  // The next run's first write keeps that run's start.
  const QByteArray third = ReadText(ScoreFile());
  TScoreTable next = Loaded();
  ASSERT_TRUE(next.AddScore("Ed", 4, 4, 0, 0, 0, 5).Ok());
  EXPECT_EQ(ReadText(BackupFile()), third);

  // A run that found no file leaves no backup of an earlier one.
  QFile::remove(ScoreFile());
  TScoreTable fresh = Loaded();
  ASSERT_TRUE(fresh.AddScore("Fay", 5, 4, 0, 0, 0, 5).Ok());
  EXPECT_FALSE(QFile::exists(BackupFile()));
}

}  // namespace

// A name another program wrote in Latin-1 stays the same name when the table
// is written back; a FIFO as the score file is reported, not waited on, and
// never replaced.
TEST_F(ScoreTableTest, ALatin1NameSurvivesAndAFifoIsNotWaitedOn) {
  WriteText(ScoreFile(),
            "player=J\xf6rg~number=1~size=4~time=10~errors=0~clues=0~difficulty=5~score=39890~\r\n");
  TScoreTable table = Loaded();
  ASSERT_EQ(table.Scores().size(), 1u);
  EXPECT_EQ(table.Scores()[0].Player, QStringLiteral("J\u00f6rg"));
  ASSERT_TRUE(table.AddScore("Ann", 2, 4, 10, 0, 0, 5).Ok());
  EXPECT_TRUE(
      ReadText(ScoreFile())
          .startsWith(
              "player=J\xc3\xb6rg~number=1~size=4~time=10~errors=0~clues=0~difficulty=5~score=39890~\r\n"));

  ASSERT_TRUE(QFile::remove(ScoreFile()));
  ASSERT_EQ(mkfifo(QFile::encodeName(ScoreFile()).constData(), 0600), 0);
  TScoreTable fifo;
  const TScoreReadReport report = fifo.Load(ProgramPath());
  EXPECT_TRUE(report.Error.contains("not a regular file")) << report.Error.toStdString();
  EXPECT_TRUE(fifo.AddScore("Ann", 1, 4, 10, 0, 0, 5).Ok());
  EXPECT_FALSE(QFileInfo(ScoreFile()).isFile()) << "a file never read is not replaced";
}

// Years of play make a table of many megabytes; only a file far beyond any
// play is refused, and without being read.
TEST_F(ScoreTableTest, ALongPlayedTableLoadsAndOnlyAnAbsurdFileIsRefused) {
  QByteArray text;
  for (int i = 0; i < 60000; ++i) text += AnnaLine + "\r\n";  // 5 MB
  WriteText(ScoreFile(), text);
  EXPECT_EQ(Loaded().Scores().size(), 60000u);

  QFile file(ScoreFile());
  ASSERT_TRUE(file.resize(ScoreFileLimit + 1));  // sparse: no disk is filled
  TScoreTable table;
  const TScoreReadReport report = table.Load(ProgramPath());
  EXPECT_TRUE(report.OpenError.contains("larger than 128 MB")) << report.Error.toStdString();
  EXPECT_TRUE(table.Scores().empty());
}
