#include "Puzzle.h"
#include "RecordsTestSupport.h"
#include "SavedGame.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

// Failures show the whole file rather than the value's bytes.
void PrintTo(const TSavedGame& game, std::ostream* out) {
  *out << '\n' << SavedGameText(game).toStdString();
}

namespace {

// The player's two moves as the window makes them: placing the right tile,
// and removing a wrong candidate (which solves the square when one is left).
void Place(TPuzzle& p, int c, int r) {
  TSquare& square = p.Square(c, r);
  if (square.IsSolved()) return;
  square.Solve();
  ++p.SolvedCount;
  p.RemoveFromRow(c, r, square.localindex());
}

void Remove(TPuzzle& p, int c, int r, int t) {
  TSquare& square = p.Square(c, r);
  if (square.IsSolved() || t == square.localindex() || !square.HasCandidate(t)) return;
  square.RemoveCandidate(t);
  if (square.IsSingle()) {
    square.Solve();
    ++p.SolvedCount;
    p.RemoveFromRow(c, r, square.localindex());
  }
  p.CheckRow(r);
}

void ExpectSameBoard(const TPuzzle& expected, const TPuzzle& actual) {
  ASSERT_EQ(actual.Size(), expected.Size());
  EXPECT_EQ(actual.SolvedCount, expected.SolvedCount);
  for (int c = 1; c <= expected.Size(); ++c) {
    for (int r = 1; r <= expected.Size(); ++r) {
      const TSquare& e = expected.Square(c, r);
      const TSquare& a = actual.Square(c, r);
      EXPECT_EQ(a.imageindex(), e.imageindex()) << c << "," << r;
      EXPECT_EQ(a.localindex(), e.localindex()) << c << "," << r;
      EXPECT_EQ(a.IsSolved(), e.IsSolved()) << c << "," << r;
      EXPECT_EQ(a.remaining(), e.remaining()) << c << "," << r;
    }
  }
  EXPECT_EQ(actual.HorizontalClues, expected.HorizontalClues);
  EXPECT_EQ(actual.VerticalClues, expected.VerticalClues);
}

QString Lines(const QByteArray& text, int from, int count) {
  return QString::fromLatin1(text.split('\n').mid(from - 1, count).join('\n'));
}

TEST(SavedGameText, TheExampleLinesFieldByField) {
  TSquare solved;
  solved.Init(3, 3, 4);
  solved.Solve();
  EXPECT_EQ(SquareToText(solved), "imageindex=3~localindex=3~solved=-1~remaining=3=3/");
  TSquare open;
  open.Init(12, 2, 4);
  open.RemoveCandidate(3);
  const QString openLine = SquareToText(open);
  EXPECT_EQ(openLine, "imageindex=12~localindex=2~solved=0~remaining=1=1/2=2/4=4/");
  // Tile 10 without tile 1: "1=" also stands inside "10=10", but not after a separator.
  TSquare ten;
  ten.Init(17, 7, 10);
  for (int t = 1; t <= 9; ++t)
    if (t != 7) ten.RemoveCandidate(t);
  const QString tenList = *ReadField(SquareToText(ten), u"remaining", u'~');
  EXPECT_EQ(tenList, "7=7/10=10/");
  EXPECT_EQ(ReadField(tenList, u"10", u'/'), "10");
  EXPECT_EQ(ReadField(tenList, u"1", u'/'), std::nullopt);
  EXPECT_EQ(ReadField(tenList, u"0", u'/'), std::nullopt);

  EXPECT_EQ(ClueToText(TClue(TClueType::clLeftOf, 2, 1, 4, 3, 0, 0)),
            "type=clLeftOf~indices=c1=2/c2=1/c3=4/c4=3/c5=0/c6=0~");
  EXPECT_EQ(ClueToText(TClue(TClueType::clAdjacent, 1, 3, 2, 4, 0, 0)),
            "type=clAdjacent~indices=c1=1/c2=3/c3=2/c4=4/c5=0/c6=0~");
  EXPECT_EQ(ClueToText(TClue(TClueType::clSameColumn, 2, 1, 3, 0, 0, 0)),
            "type=clSameColumn~indices=c1=2/c2=1/c3=3/c4=0/c5=0/c6=0~");
  const QString wide = ClueToText(TClue(TClueType::clTwoAdjacent, 4, 6, 5, 2, 7, 10));
  EXPECT_EQ(wide, "type=clTwoAdjacent~indices=c1=4/c2=6/c3=5/c4=2/c5=7/c6=10~");
  // The last entry of a list runs to the record's "~", or to the end of the text.
  const QString indices = *ReadField(wide, u"indices", u'~');
  EXPECT_EQ(ReadField(indices, u"c6", u'/'), "10");
  EXPECT_EQ(ReadField(u"c1=4/c6=10", u"c6", u'/'), "10");

  const QString header = "size=4~number=1234~progress=3~time=95~";
  EXPECT_EQ(ReadField(header, u"size", u'~'), "4");
  EXPECT_EQ(ReadField(header, u"number", u'~'), "1234");
  EXPECT_EQ(ReadField(header, u"progress", u'~'), "3");
  EXPECT_EQ(ReadField(header, u"time", u'~'), "95");
  EXPECT_EQ(ReadField(openLine, u"solved", u'~'), "0");
  EXPECT_EQ(ReadField(openLine, u"index", u'~'), std::nullopt);  // only inside other keys
  EXPECT_EQ(ReadField(u"a=1~a=2~", u"a", u'~'), "1");            // the first field counts
  EXPECT_EQ(ReadField(u"b=a=7~", u"a", u'~'), std::nullopt);     // a key inside a value
  EXPECT_EQ(ReadField(u"a=~b=2", u"a", u'~'), "");
}

TEST(SavedGame, AHalfPlayedGameComesBackWhole) {
  TPuzzle played;
  played.SetUp(10, 4242, 5);
  for (int c = 1; c <= 9; ++c) Place(played, c, 1);  // the row fills its last square itself
  ASSERT_TRUE(played.Square(10, 1).IsSolved());
  Place(played, 4, 3);
  Place(played, 10, 10);
  Remove(played, 2, 5, played.Square(1, 5).localindex());
  // A square left with its own tile and tile 10, but not tile 1.
  int tenC = 0, tenR = 0;
  for (int c = 1; c <= 10 && !tenC; ++c) {
    for (int r = 1; r <= 10 && !tenC; ++r) {
      const TSquare& s = played.Square(c, r);
      if (!s.IsSolved() && s.localindex() != 1 && s.localindex() != 10 && s.HasCandidate(1) &&
          s.HasCandidate(10))
        tenC = c, tenR = r;
    }
  }
  ASSERT_NE(tenC, 0);
  for (int t = 1; t <= 9; ++t) Remove(played, tenC, tenR, t);
  const TSquare& ten = played.Square(tenC, tenR);
  ASSERT_EQ(ten.remaining(), TSquare::Bit(ten.localindex()) | TSquare::Bit(10));
  // The kinds generation never makes come back from files too; one clue is hidden.
  played.HorizontalClues.front().setShown(false);
  played.HorizontalClues.emplace_back(TClueType::clTwoAdjacent, 4, 6, 5, 2, 7, 10);
  played.HorizontalClues.emplace_back(TClueType::clAdjacent, 9, 10, 1, 10, 0, 0);
  played.HorizontalClues.emplace_back(TClueType::clTwoAdjacentExclude, 1, 3, 5, 8, 9, 10);
  played.VerticalClues.emplace_back(TClueType::clSameColumn, 10, 9, 3, 0, 0, 0);

  const TSavedGame saved = SavedGameOf(played, 4242, 321);
  const QByteArray text = SavedGameText(saved);
  const int h = static_cast<int>(played.HorizontalClues.size());
  const int v = static_cast<int>(played.VerticalClues.size());
  EXPECT_TRUE(text.startsWith("size=10~number=4242~progress=" + QByteArray::number(played.SolvedCount) +
                              "~time=321~\r\n"));
  EXPECT_EQ(text.count("\r\n"), 1 + 100 + 1 + h + 1 + v);
  EXPECT_EQ(text.count('\n'), text.count("\r\n"));
  EXPECT_TRUE(text.endsWith("type=clSameColumn~indices=c1=10/c2=3/c3=9/c4=0/c5=0/c6=0~\r\n"));
  const int tenLine = 1 + (tenC - 1) * 10 + tenR;
  EXPECT_EQ(Lines(text, tenLine, 1),
            QStringLiteral("imageindex=%1~localindex=%2~solved=0~remaining=%2=%2/10=10/~\r")
                .arg(ten.imageindex())
                .arg(ten.localindex()));
  EXPECT_EQ(Lines(text, 102, 1), QStringLiteral("hclues=%1~\r").arg(h));
  EXPECT_EQ(Lines(text, 103 + h, 1), QStringLiteral("vclues=%1~\r").arg(v));

  TSavedGame read;
  const TResult result = ParseSavedGame(text, read);
  ASSERT_TRUE(result) << result.Error.toStdString();
  EXPECT_EQ(read, saved);

  // Onto a smaller board in play, with squares solved and a clue hidden that
  // the file has otherwise.
  TPuzzle board;
  board.SetUp(6, 99, 5);
  for (int r = 1; r <= 6; ++r) Place(board, 2, r);
  board.VerticalClues.front().setShown(false);
  ApplySavedGame(read, board);
  ExpectSameBoard(played, board);
  EXPECT_TRUE(board.HorizontalClues.front().shown());  // hidden when it was saved
  EXPECT_EQ(SavedGameText(SavedGameOf(board, 4242, 321)), text);

  // Lines ended by LF alone read the same.
  QByteArray lf = text;
  lf.replace("\r\n", "\n");
  TSavedGame readLf;
  ASSERT_TRUE(ParseSavedGame(lf, readLf));
  EXPECT_EQ(readLf, saved);
}

// A 6 x 6 game with some squares solved, and every kind of damage a file can
// take; a failed read leaves the caller's game as it was.
class DamagedSavedGame : public ::testing::Test {
 protected:
  void SetUp() override {
    TPuzzle p;
    p.SetUp(6, 77, 5);
    Place(p, 1, 1);
    Place(p, 3, 4);
    Remove(p, 5, 5, p.Square(1, 5).localindex());
    Game = SavedGameOf(p, 77, 95);
    ASSERT_GT(Game.Progress, 0);
    ASSERT_GE(Game.Horizontal.size(), 2u);
    ASSERT_GE(Game.Vertical.size(), 2u);
    QByteArray text = SavedGameText(Game);
    text.chop(2);
    Text = text.split('\n');
    for (QByteArray& line : Text) line.chop(1);  // the "\r"
    H = static_cast<int>(Game.Horizontal.size());
    V = static_cast<int>(Game.Vertical.size());
    Untouched.Size = 5;
    Untouched.Number = 3;
    Untouched.Squares.resize(1);
    Untouched.Vertical.emplace_back(TClueType::clSameColumn, 1, 2, 3, 0, 0, 0);
  }

  // Line `number` (from 1) of the file with the field `key` set to `value`.
  QByteArray WithField(int number, const QString& key, const QByteArray& value) const {
    const QString rest = key == "remaining" ? "[^~]*" : "[^~/]*";
    QString line = QString::fromLatin1(Text[number - 1]);
    line.replace(QRegularExpression("(^|[~/=])" + key + "=" + rest),
                 "\\1" + key + "=" + QString::fromLatin1(value));
    return line.toLatin1();
  }

  QByteArray Joined(const QList<QByteArray>& lines) const {
    QByteArray text;
    for (const QByteArray& line : lines) text += line + "\r\n";
    return text;
  }

  QByteArray With(int number, const QByteArray& line) const {
    QList<QByteArray> lines = Text;
    lines[number - 1] = line;
    return Joined(lines);
  }

  // The message of reading text, which must leave the target untouched.
  QString ReadError(const QByteArray& text) const {
    TSavedGame target = Untouched;
    const TResult result = ParseSavedGame(text, target);
    if (!result) {
      EXPECT_EQ(target, Untouched) << result.Error.toStdString();
    }
    return result.Error;
  }

  int SquareLine(int c, int r) const { return 1 + (c - 1) * 6 + r; }
  const TSavedSquare& Square(int c, int r) const { return Game.Square(c, r); }
  int HLine() const { return 38; }
  int VLine() const { return 39 + H; }

  TSavedGame Game;
  TSavedGame Untouched;
  QList<QByteArray> Text;
  int H = 0;
  int V = 0;
};

TEST_F(DamagedSavedGame, ACutFileFailsAtTheLineWhereItEnds) {
  ASSERT_EQ(ReadError(Joined(Text)), "");
  for (int kept = 0; kept < Text.size(); ++kept) {
    const QByteArray head = Joined(Text.mid(0, kept));
    EXPECT_TRUE(ReadError(head).startsWith(QStringLiteral("line %1: the file ends where ").arg(kept + 1)))
        << kept << ": " << ReadError(head).toStdString();
    const QByteArray half = head + Text[kept].left(Text[kept].size() / 2);
    const QString line = QStringLiteral("line %1").arg(kept + 1);
    EXPECT_TRUE(ReadError(half).startsWith(line + ':') || ReadError(half).startsWith(line + ','))
        << kept << ": " << ReadError(half).toStdString();
  }
  EXPECT_EQ(ReadError(Joined(Text.mid(0, 20))), "line 21: the file ends where square 20 of 36 should be");
  EXPECT_EQ(ReadError(""), "line 1: the file ends where the header should be");
}

TEST_F(DamagedSavedGame, EachDamagedFieldIsNamedWithItsLine) {
  const TSavedSquare& first = Square(1, 1);
  TSavedSquare open;  // an unsolved square with more than one candidate
  int openC = 0, openR = 0;
  for (int c = 1; c <= 6 && !openC; ++c)
    for (int r = 1; r <= 6 && !openC; ++r)
      if (!Square(c, r).Solved && Square(c, r).Remaining != TSquare::Bit(Square(c, r).LocalIndex))
        open = Square(c, r), openC = c, openR = r;
  ASSERT_NE(openC, 0);
  const QByteArray p = QByteArray::number(Game.Progress);
  QList<QByteArray> extraSquare = Text;
  extraSquare.insert(37, Text[36]);
  QList<QByteArray> twoEmptyLines = Text;
  twoEmptyLines << ""
                << "";
  QList<QByteArray> fewerVertical = Text;
  fewerVertical[VLine() - 1] = "vclues=" + QByteArray::number(V - 1) + "~";
  QList<QByteArray> moreVertical = Text;
  moreVertical[VLine() - 1] = "vclues=" + QByteArray::number(V + 1) + "~";

  const std::pair<QByteArray, QString> cases[] = {
      {With(1, WithField(1, "size", "7")),
       "line 1, field \"size\": 7 is not a board size (4, 5, 6, 8, 9 or 10)"},
      {With(1, WithField(1, "number", "12x")),
       "line 1, field \"number\": '12x' is not a valid integer value"},
      {With(1, WithField(1, "number", "0")), "line 1, field \"number\": 0 is outside 1..999999"},
      {With(1, WithField(1, "time", "2147483648")),
       "line 1, field \"time\": '2147483648' is not a valid integer value"},
      {With(1, WithField(1, "time", " 95")), "line 1, field \"time\": ' 95' is not a valid integer value"},
      {With(1, WithField(1, "time", "-1")), "line 1, field \"time\": -1 is negative"},
      {With(1, "size=6~number=77~progress=" + p + "~"), "line 1: the field \"time\" is missing"},
      {With(1, WithField(1, "progress", QByteArray::number(Game.Progress + 1))),
       QStringLiteral("line 1, field \"progress\": %1, but %2 squares are solved")
           .arg(Game.Progress + 1)
           .arg(p)},
      {With(7, WithField(7, "remaining", "1=1/9=9/")),
       "line 7, field \"remaining\": candidate 9 is outside 1..6"},
      {With(7, WithField(7, "remaining", "1=1/3=4/")),
       "line 7, field \"remaining\": \"3=4\" is not a candidate entry n=n"},
      {With(2, WithField(2, "localindex", "7")), "line 2, field \"localindex\": 7 is outside 1..6"},
      {With(8, WithField(8, "localindex", QByteArray::number(first.LocalIndex))),
       QStringLiteral("line 8, field \"localindex\": tile %1 stands twice in row 1").arg(first.LocalIndex)},
      {With(3, WithField(3, "imageindex", QByteArray::number(Square(1, 2).LocalIndex))),
       QStringLiteral("line 3, field \"imageindex\": %1 is not %2, the picture of tile %1 in row 2")
           .arg(Square(1, 2).LocalIndex)
           .arg(10 + Square(1, 2).LocalIndex)},
      {With(SquareLine(openC, openR), WithField(SquareLine(openC, openR), "solved", "-1")),
       QStringLiteral("line %1, field \"remaining\": a solved square holds its own tile %2 and nothing else")
           .arg(SquareLine(openC, openR))
           .arg(open.LocalIndex)},
      {With(3, WithField(3, "solved", "yes")),
       "line 3, field \"solved\": 'yes' is not a valid integer value"},
      {Joined(extraSquare), "line 38: the field \"hclues\" is missing"},
      {With(HLine(), "hclues=" + QByteArray::number(H + 1) + "~"),
       QStringLiteral("line %1: the \"vclues\" line stands where horizontal clue %2 of %2 should be")
           .arg(VLine())
           .arg(H + 1)},
      {With(HLine(), "hclues=" + QByteArray::number(H - 1) + "~"),
       QStringLiteral("line %1: a clue line stands where the \"vclues\" line should be").arg(VLine() - 1)},
      {With(HLine(), "hclues=-1~"), "line 38, field \"hclues\": -1 is negative"},
      {Joined(fewerVertical),
       QStringLiteral("line %1: a line follows the last of the clues that \"vclues\" counts")
           .arg(Text.size())},
      {Joined(moreVertical), QStringLiteral("line %1: the file ends where vertical clue %2 of %2 should be")
                                 .arg(Text.size() + 1)
                                 .arg(V + 1)},
      {Joined(twoEmptyLines),
       QStringLiteral("line %1: a line follows the last of the clues that \"vclues\" counts")
           .arg(Text.size() + 1)},
      {With(VLine() + 1, WithField(VLine() + 1, "type", "clLeftOf")),
       QStringLiteral("line %1, field \"type\": clLeftOf is not a vertical clue").arg(VLine() + 1)},
      {With(HLine() + 1, WithField(HLine() + 1, "type", "clsamecolumn")),
       "line 39, field \"type\": clsamecolumn is not a horizontal clue"},
      {With(HLine() + 1, WithField(HLine() + 1, "type", "clDiagonal")),
       "line 39, field \"type\": \"clDiagonal\" is not a kind of clue"},
      {With(HLine() + 1, WithField(HLine() + 1, "c2", "7")), "line 39, field \"c2\": 7 is outside 1..6"},
      {With(HLine() + 2, WithField(HLine() + 2, "c1", "0")), "line 40, field \"c1\": 0 is outside 1..6"},
      {With(VLine() + 2, WithField(VLine() + 2, "c3", "")),
       QStringLiteral("line %1, field \"c3\": '' is not a valid integer value").arg(VLine() + 2)},
      {With(VLine() + 2, QByteArray(Text[VLine() + 1]).replace("indices=", "")),
       QStringLiteral("line %1: the field \"indices\" is missing").arg(VLine() + 2)},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ReadError(text), message);

  // What a reader by key must take: fields in another order, kind names in
  // any case, an unused coordinate off the board, one empty final line.
  QList<QByteArray> tolerated = Text;
  tolerated[0] = "time=95~progress=" + p + "~number=77~size=6~";
  const std::string_view kind = ClueTypeName(Game.Vertical.front().type());
  tolerated[VLine()] = WithField(VLine() + 1, "type", QByteArray(kind.data(), kind.size()).toUpper());
  tolerated[VLine()] = QByteArray(tolerated[VLine()]).replace("c6=0", "c6=99");
  tolerated << "";
  TSavedGame read;
  ASSERT_EQ(ParseSavedGame(Joined(tolerated), read).Error, "");
  TSavedGame expected = Game;
  const TClue& v = Game.Vertical.front();
  expected.Vertical.front() = TClue(v.type(), v.c1(), v.c2(), v.c3(), v.c4(), v.c5(), 99);
  EXPECT_EQ(read, expected);
}

// A crafted file may fit the board and still lie: a clue false for the
// solution makes the deduction rule out a square's own tile, solve solved
// squares again and count a puzzle complete with squares open; a time beyond
// the clock overflows it.
TEST_F(DamagedSavedGame, AFileTheSolutionContradictsIsRefused) {
  const QString falseClue = QStringLiteral("line %1: the clue is false for the board's solution");
  const QByteArray horizontal[] = {
      "type=clLeftOf~indices=c1=3/c2=2/c3=1/c4=1/c5=0/c6=0~",  // column 3 is not left of column 2
      "type=clLeftOf~indices=c1=2/c2=2/c3=1/c4=3/c5=0/c6=0~",
      "type=clAdjacent~indices=c1=1/c2=3/c3=1/c4=1/c5=0/c6=0~",
      "type=clNotAdjacent~indices=c1=4/c2=5/c3=2/c4=6/c5=0/c6=0~",
      "type=clTwoAdjacent~indices=c1=1/c2=3/c3=4/c4=1/c5=2/c6=3~",  // 4 is not between 1 and 3
      "type=clTwoAdjacent~indices=c1=2/c2=2/c3=3/c4=1/c5=2/c6=3~",
      "type=clTwoAdjacentExclude~indices=c1=1/c2=3/c3=2/c4=1/c5=2/c6=3~",
  };
  for (const QByteArray& clue : horizontal)
    EXPECT_EQ(ReadError(With(HLine() + 1, clue)), falseClue.arg(HLine() + 1)) << clue.toStdString();
  EXPECT_EQ(ReadError(With(VLine() + 1, "type=clNotInSameColumn~indices=c1=2/c2=1/c3=4/c4=0/c5=0/c6=0~")),
            falseClue.arg(VLine() + 1));
  // The same kinds where they hold are read.
  for (const QByteArray& clue :
       {QByteArray("type=clLeftOf~indices=c1=1/c2=6/c3=1/c4=1/c5=0/c6=0~"),
        QByteArray("type=clNotAdjacent~indices=c1=3/c2=3/c3=2/c4=6/c5=0/c6=0~"),
        QByteArray("type=clTwoAdjacent~indices=c1=5/c2=3/c3=4/c4=1/c5=2/c6=3~"),
        QByteArray("type=clTwoAdjacentExclude~indices=c1=1/c2=3/c3=6/c4=1/c5=2/c6=3~")})
    EXPECT_EQ(ReadError(With(HLine() + 1, clue)), "") << clue.toStdString();

  // An open square without its own tile: no move of the player leaves one.
  const int line = SquareLine(2, 2);
  ASSERT_FALSE(Square(2, 2).Solved);
  const int own = Square(2, 2).LocalIndex;
  const int other = own == 1 ? 2 : 1;
  EXPECT_EQ(
      ReadError(With(line, WithField(line, "remaining",
                                     QByteArray::number(other) + "=" + QByteArray::number(other) + "/"))),
      QStringLiteral("line %1, field \"remaining\": the square's own tile %2 is not among its candidates")
          .arg(line)
          .arg(own));

  EXPECT_EQ(ReadError(With(1, WithField(1, "time", "2147483647"))),
            "line 1, field \"time\": 2147483647 seconds are more than the clock shows (99:59:59)");
  EXPECT_EQ(ReadError(With(1, WithField(1, "time", "360000"))),
            "line 1, field \"time\": 360000 seconds are more than the clock shows (99:59:59)");
  EXPECT_EQ(ReadError(With(1, WithField(1, "time", "359999"))), "");
}

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
  EXPECT_EQ(ReadText(path), SavedGameText(second));
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
  EXPECT_EQ(ReadText(path), SavedGameText(second));
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
}

// A file is the puzzle its size and number give, or it is refused: puzzle
// 2's board under puzzle 1's name and number would score as puzzle 1. Files
// of every difficulty open, though from 7 up the generator thins the clues.
TEST(SavedGameFile, OnlyThePuzzleItsSizeAndNumberGiveOpens) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto read = [&dir](const TSavedGame& game, TSavedGame& into) {
    const QString path = dir.filePath("Guest_1_6.sav");
    EXPECT_TRUE(WriteSavedGame(path, game));
    return ReadSavedGame(path, into).Error;
  };
  for (int difficulty = 0; difficulty <= 10; ++difficulty) {
    TPuzzle p;
    p.SetUp(6, 1, difficulty);
    Place(p, 4, 2);
    TSavedGame game = SavedGameOf(p, 1, 30);
    game.Errors = 3;
    TSavedGame back;
    EXPECT_EQ(read(game, back), "") << difficulty;
    EXPECT_EQ(back, game) << difficulty;
  }

  TPuzzle one, two;
  one.SetUp(6, 1, 5);
  two.SetUp(6, 2, 5);
  int c = 1, r = 1;
  while (one.Square(c, r).localindex() == two.Square(c, r).localindex()) {
    if (++r > 6) r = 1, ++c;
    ASSERT_LE(c, 6);
  }
  const TSavedGame untouched = SavedGameOf(one, 1, 0);
  TSavedGame target = untouched;
  EXPECT_EQ(read(SavedGameOf(two, 1, 30), target),
            QStringLiteral("line %1, field \"localindex\": puzzle No. 1 at 6 x 6 has tile %2 in this square, "
                           "not %3")
                .arg(1 + (c - 1) * 6 + r)
                .arg(one.Square(c, r).localindex())
                .arg(two.Square(c, r).localindex()));
  EXPECT_EQ(target, untouched);

  // Its own solution with a clue too few, or another true clue put in.
  TSavedGame fewer = SavedGameOf(one, 1, 30);
  fewer.Horizontal.pop_back();
  EXPECT_EQ(read(fewer, target), "the clues are not those of puzzle No. 1 at 6 x 6");
  TSavedGame other = SavedGameOf(one, 1, 30);
  const TClue column(TClueType::clSameColumn, 1, 1, 2, 0, 0, 0);
  other.Vertical.front() =
      other.Vertical.front() == column ? TClue(TClueType::clSameColumn, 1, 1, 3, 0, 0, 0) : column;
  ASSERT_NE(other.Vertical, one.VerticalClues);
  EXPECT_EQ(read(other, target), "the clues are not those of puzzle No. 1 at 6 x 6");
  EXPECT_EQ(target, untouched);
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
