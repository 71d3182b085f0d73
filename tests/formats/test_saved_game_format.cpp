#include "Puzzle.h"
#include "RecordFields.h"
#include "SavedGameFormat.h"
#include "SavedGameMoves.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

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

// The pieces written one after another, numbers in decimal.
template <typename... T>
std::string Cat(const T&... pieces) {
  std::ostringstream out;
  (out << ... << pieces);
  return out.str();
}

// The file's lines without their CR LF; the text after the last one is
// the last entry.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::optional<std::string> Field(std::string_view text, std::string_view key, char separator) {
  const std::optional<std::string_view> value = ReadField(text, key, separator);
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

TEST(SavedGameText, TheExampleLinesFieldByField) {
  TSquare solved;
  solved.Init(3, 3, 4);
  solved.Solve();
  EXPECT_EQ(SquareToText(solved), "imageindex=3~localindex=3~solved=-1~remaining=3=3/");
  TSquare open;
  open.Init(12, 2, 4);
  open.RemoveCandidate(3);
  const std::string openLine = SquareToText(open);
  EXPECT_EQ(openLine, "imageindex=12~localindex=2~solved=0~remaining=1=1/2=2/4=4/");
  // Tile 10 without tile 1: "1=" also stands inside "10=10", but not after a separator.
  TSquare ten;
  ten.Init(17, 7, 10);
  for (int t = 1; t <= 9; ++t)
    if (t != 7) ten.RemoveCandidate(t);
  const std::string tenList = *Field(SquareToText(ten), "remaining", '~');
  EXPECT_EQ(tenList, "7=7/10=10/");
  EXPECT_EQ(Field(tenList, "10", '/'), "10");
  EXPECT_EQ(Field(tenList, "1", '/'), std::nullopt);
  EXPECT_EQ(Field(tenList, "0", '/'), std::nullopt);

  EXPECT_EQ(ClueToText(TClue(TClueType::clLeftOf, 2, 1, 4, 3, 0, 0)),
            "type=clLeftOf~indices=c1=2/c2=1/c3=4/c4=3/c5=0/c6=0~");
  EXPECT_EQ(ClueToText(TClue(TClueType::clAdjacent, 1, 3, 2, 4, 0, 0)),
            "type=clAdjacent~indices=c1=1/c2=3/c3=2/c4=4/c5=0/c6=0~");
  EXPECT_EQ(ClueToText(TClue(TClueType::clSameColumn, 2, 1, 3, 0, 0, 0)),
            "type=clSameColumn~indices=c1=2/c2=1/c3=3/c4=0/c5=0/c6=0~");
  const std::string wide = ClueToText(TClue(TClueType::clTwoAdjacent, 4, 6, 5, 2, 7, 10));
  EXPECT_EQ(wide, "type=clTwoAdjacent~indices=c1=4/c2=6/c3=5/c4=2/c5=7/c6=10~");
  // The last entry of a list runs to the record's "~", or to the end of the text.
  const std::string indices = *Field(wide, "indices", '~');
  EXPECT_EQ(Field(indices, "c6", '/'), "10");
  EXPECT_EQ(Field("c1=4/c6=10", "c6", '/'), "10");

  const std::string header = "size=4~number=1234~progress=3~time=95~";
  EXPECT_EQ(Field(header, "size", '~'), "4");
  EXPECT_EQ(Field(header, "number", '~'), "1234");
  EXPECT_EQ(Field(header, "progress", '~'), "3");
  EXPECT_EQ(Field(header, "time", '~'), "95");
  EXPECT_EQ(Field(openLine, "solved", '~'), "0");
  EXPECT_EQ(Field(openLine, "index", '~'), std::nullopt);  // only inside other keys
  EXPECT_EQ(Field("a=1~a=2~", "a", '~'), "1");             // the first field counts
  EXPECT_EQ(Field("b=a=7~", "a", '~'), std::nullopt);      // a key inside a value
  EXPECT_EQ(Field("a=~b=2", "a", '~'), "");
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
  const std::string text = SavedGameText(saved);
  const int h = static_cast<int>(played.HorizontalClues.size());
  const int v = static_cast<int>(played.VerticalClues.size());
  EXPECT_TRUE(text.starts_with(Cat("size=10~number=4242~progress=", played.SolvedCount, "~time=321~\r\n")));
  const std::vector<std::string> lines = SplitLines(text);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(1 + 100 + 1 + h + 1 + v + 1));
  EXPECT_EQ(lines.back(), "");  // the last line ends with CR LF too
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
  EXPECT_EQ(lines[lines.size() - 2], "type=clSameColumn~indices=c1=10/c2=3/c3=9/c4=0/c5=0/c6=0~");
  const int tenLine = 1 + (tenC - 1) * 10 + tenR;
  EXPECT_EQ(lines[tenLine - 1],
            Cat("imageindex=", ten.imageindex(), "~localindex=", ten.localindex(),
                "~solved=0~remaining=", ten.localindex(), "=", ten.localindex(), "/10=10/~"));
  EXPECT_EQ(lines[101], Cat("hclues=", h, "~"));
  EXPECT_EQ(lines[102 + h], Cat("vclues=", v, "~"));

  TSavedGame read;
  const TFormatResult result = ParseSavedGame(text, read);
  ASSERT_TRUE(result) << EnglishText(result.Error);
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

  // Lines ended by LF alone read the same, and so does a text after a
  // byte order mark.
  std::string lf = std::regex_replace(text, std::regex("\r\n"), "\n");
  TSavedGame readLf;
  ASSERT_TRUE(ParseSavedGame(lf, readLf));
  EXPECT_EQ(readLf, saved);
  TSavedGame readMarked;
  ASSERT_TRUE(ParseSavedGame("\xEF\xBB\xBF" + text, readMarked));
  EXPECT_EQ(readMarked, saved);
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
    Text = SplitLines(SavedGameText(Game));
    Text.pop_back();  // after the last CR LF
    H = static_cast<int>(Game.Horizontal.size());
    V = static_cast<int>(Game.Vertical.size());
    Untouched.Size = 5;
    Untouched.Number = 3;
    Untouched.Squares.resize(1);
    Untouched.Vertical.emplace_back(TClueType::clSameColumn, 1, 2, 3, 0, 0, 0);
  }

  // Line `number` (from 1) of the file with the field `key` set to `value`.
  std::string WithField(int number, const std::string& key, const std::string& value) const {
    const std::string rest = key == "remaining" ? "[^~]*" : "[^~/]*";
    return std::regex_replace(Text[number - 1], std::regex("(^|[~/=])" + key + "=" + rest),
                              "$1" + key + "=" + value);
  }

  static std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  }

  std::string With(int number, const std::string& line) const {
    std::vector<std::string> lines = Text;
    lines[number - 1] = line;
    return Joined(lines);
  }

  std::vector<std::string> Head(int count) const { return {Text.begin(), Text.begin() + count}; }

  // The message of reading text, which must leave the target untouched.
  std::string ReadError(const std::string& text) const {
    TSavedGame target = Untouched;
    const TFormatResult result = ParseSavedGame(text, target);
    std::string message = EnglishText(result.Error);
    if (!result) {
      EXPECT_EQ(target, Untouched) << message;
    }
    return message;
  }

  int SquareLine(int c, int r) const { return 1 + (c - 1) * 6 + r; }
  const TSavedSquare& Square(int c, int r) const { return Game.Square(c, r); }
  int HLine() const { return 38; }
  int VLine() const { return 39 + H; }

  TSavedGame Game;
  TSavedGame Untouched;
  std::vector<std::string> Text;
  int H = 0;
  int V = 0;
};

TEST_F(DamagedSavedGame, ACutFileFailsAtTheLineWhereItEnds) {
  ASSERT_EQ(ReadError(Joined(Text)), "");
  for (int kept = 0; kept < static_cast<int>(Text.size()); ++kept) {
    const std::string head = Joined(Head(kept));
    EXPECT_TRUE(ReadError(head).starts_with(Cat("line ", kept + 1, ": the file ends where ")))
        << kept << ": " << ReadError(head);
    const std::string half = head + Text[kept].substr(0, Text[kept].size() / 2);
    const std::string line = Cat("line ", kept + 1);
    EXPECT_TRUE(ReadError(half).starts_with(line + ':') || ReadError(half).starts_with(line + ','))
        << kept << ": " << ReadError(half);
  }
  EXPECT_EQ(ReadError(Joined(Head(20))), "line 21: the file ends where square 20 of 36 should be");
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
  const std::string p = std::to_string(Game.Progress);
  std::vector<std::string> extraSquare = Text;
  extraSquare.insert(extraSquare.begin() + 37, Text[36]);
  std::vector<std::string> twoEmptyLines = Text;
  twoEmptyLines.insert(twoEmptyLines.end(), {"", ""});
  std::vector<std::string> fewerVertical = Text;
  fewerVertical[VLine() - 1] = Cat("vclues=", V - 1, "~");
  std::vector<std::string> moreVertical = Text;
  moreVertical[VLine() - 1] = Cat("vclues=", V + 1, "~");
  const int size = static_cast<int>(Text.size());

  const std::pair<std::string, std::string> cases[] = {
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
      {With(1, WithField(1, "progress", std::to_string(Game.Progress + 1))),
       Cat("line 1, field \"progress\": ", Game.Progress + 1, ", but ", p, " squares are solved")},
      {With(7, WithField(7, "remaining", "1=1/9=9/")),
       "line 7, field \"remaining\": candidate 9 is outside 1..6"},
      {With(7, WithField(7, "remaining", "1=1/3=4/")),
       "line 7, field \"remaining\": \"3=4\" is not a candidate entry n=n"},
      {With(2, WithField(2, "localindex", "7")), "line 2, field \"localindex\": 7 is outside 1..6"},
      {With(8, WithField(8, "localindex", std::to_string(first.LocalIndex))),
       Cat("line 8, field \"localindex\": tile ", first.LocalIndex, " stands twice in row 1")},
      {With(3, WithField(3, "imageindex", std::to_string(Square(1, 2).LocalIndex))),
       Cat("line 3, field \"imageindex\": ", Square(1, 2).LocalIndex, " is not ",
           10 + Square(1, 2).LocalIndex, ", the picture of tile ", Square(1, 2).LocalIndex, " in row 2")},
      {With(SquareLine(openC, openR), WithField(SquareLine(openC, openR), "solved", "-1")),
       Cat("line ", SquareLine(openC, openR), ", field \"remaining\": a solved square holds its own tile ",
           open.LocalIndex, " and nothing else")},
      {With(3, WithField(3, "solved", "yes")),
       "line 3, field \"solved\": 'yes' is not a valid integer value"},
      {Joined(extraSquare), "line 38: the field \"hclues\" is missing"},
      {With(HLine(), Cat("hclues=", H + 1, "~")),
       Cat("line ", VLine(), ": the \"vclues\" line stands where horizontal clue ", H + 1, " of ", H + 1,
           " should be")},
      {With(HLine(), Cat("hclues=", H - 1, "~")),
       Cat("line ", VLine() - 1, ": a clue line stands where the \"vclues\" line should be")},
      {With(HLine(), "hclues=-1~"), "line 38, field \"hclues\": -1 is negative"},
      {Joined(fewerVertical),
       Cat("line ", size, ": a line follows the last of the clues that \"vclues\" counts")},
      {Joined(moreVertical),
       Cat("line ", size + 1, ": the file ends where vertical clue ", V + 1, " of ", V + 1, " should be")},
      {Joined(twoEmptyLines),
       Cat("line ", size + 1, ": a line follows the last of the clues that \"vclues\" counts")},
      {With(VLine() + 1, WithField(VLine() + 1, "type", "clLeftOf")),
       Cat("line ", VLine() + 1, ", field \"type\": clLeftOf is not a vertical clue")},
      {With(HLine() + 1, WithField(HLine() + 1, "type", "clsamecolumn")),
       "line 39, field \"type\": clsamecolumn is not a horizontal clue"},
      {With(HLine() + 1, WithField(HLine() + 1, "type", "clDiagonal")),
       "line 39, field \"type\": \"clDiagonal\" is not a kind of clue"},
      {With(HLine() + 1, WithField(HLine() + 1, "c2", "7")), "line 39, field \"c2\": 7 is outside 1..6"},
      {With(HLine() + 2, WithField(HLine() + 2, "c1", "0")), "line 40, field \"c1\": 0 is outside 1..6"},
      {With(VLine() + 2, WithField(VLine() + 2, "c3", "")),
       Cat("line ", VLine() + 2, ", field \"c3\": '' is not a valid integer value")},
      {With(VLine() + 2, std::regex_replace(Text[VLine() + 1], std::regex("indices="), "")),
       Cat("line ", VLine() + 2, ": the field \"indices\" is missing")},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ReadError(text), message);

  // What a reader by key must take: fields in another order, kind names in
  // any case (a long s is an s), an unused coordinate off the board, one
  // empty final line.
  std::vector<std::string> tolerated = Text;
  tolerated[0] = "time=95~progress=" + p + "~number=77~size=6~";
  std::string kind(ClueTypeName(Game.Vertical.front().type()));
  for (char& c : kind) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  kind = std::regex_replace(kind, std::regex("S"), "\xC5\xBF");
  tolerated[VLine()] = WithField(VLine() + 1, "type", kind);
  tolerated[VLine()] = std::regex_replace(tolerated[VLine()], std::regex("c6=0"), "c6=99");
  tolerated.emplace_back();
  TSavedGame read;
  ASSERT_EQ(EnglishText(ParseSavedGame(Joined(tolerated), read).Error), "");
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
  auto falseClue = [](int line) {
    return Cat("line ", line, ": the clue is false for the board's solution");
  };
  const char* const horizontal[] = {
      "type=clLeftOf~indices=c1=3/c2=2/c3=1/c4=1/c5=0/c6=0~",  // column 3 is not left of column 2
      "type=clLeftOf~indices=c1=2/c2=2/c3=1/c4=3/c5=0/c6=0~",
      "type=clAdjacent~indices=c1=1/c2=3/c3=1/c4=1/c5=0/c6=0~",
      "type=clNotAdjacent~indices=c1=4/c2=5/c3=2/c4=6/c5=0/c6=0~",
      "type=clTwoAdjacent~indices=c1=1/c2=3/c3=4/c4=1/c5=2/c6=3~",  // 4 is not between 1 and 3
      "type=clTwoAdjacent~indices=c1=2/c2=2/c3=3/c4=1/c5=2/c6=3~",
      "type=clTwoAdjacentExclude~indices=c1=1/c2=3/c3=2/c4=1/c5=2/c6=3~",
  };
  for (const char* clue : horizontal)
    EXPECT_EQ(ReadError(With(HLine() + 1, clue)), falseClue(HLine() + 1)) << clue;
  EXPECT_EQ(ReadError(With(VLine() + 1, "type=clNotInSameColumn~indices=c1=2/c2=1/c3=4/c4=0/c5=0/c6=0~")),
            falseClue(VLine() + 1));
  // The same kinds where they hold are read.
  for (const char* clue : {"type=clLeftOf~indices=c1=1/c2=6/c3=1/c4=1/c5=0/c6=0~",
                           "type=clNotAdjacent~indices=c1=3/c2=3/c3=2/c4=6/c5=0/c6=0~",
                           "type=clTwoAdjacent~indices=c1=5/c2=3/c3=4/c4=1/c5=2/c6=3~",
                           "type=clTwoAdjacentExclude~indices=c1=1/c2=3/c3=6/c4=1/c5=2/c6=3~"})
    EXPECT_EQ(ReadError(With(HLine() + 1, clue)), "") << clue;

  // An open square without its own tile: no move of the player leaves one.
  const int line = SquareLine(2, 2);
  ASSERT_FALSE(Square(2, 2).Solved);
  const int own = Square(2, 2).LocalIndex;
  const int other = own == 1 ? 2 : 1;
  EXPECT_EQ(ReadError(With(line, WithField(line, "remaining", Cat(other, "=", other, "/")))),
            Cat("line ", line, ", field \"remaining\": the square's own tile ", own,
                " is not among its candidates"));

  EXPECT_EQ(ReadError(With(1, WithField(1, "time", "2147483647"))),
            "line 1, field \"time\": 2147483647 seconds are more than the clock shows (99:59:59)");
  EXPECT_EQ(ReadError(With(1, WithField(1, "time", "360000"))),
            "line 1, field \"time\": 360000 seconds are more than the clock shows (99:59:59)");
  EXPECT_EQ(ReadError(With(1, WithField(1, "time", "359999"))), "");
}

// A game is the puzzle its size and number give, or it is refused: puzzle
// 2's board under puzzle 1's name and number would score as puzzle 1. Games
// of every difficulty pass, though from 7 up the generator thins the clues.
TEST(SavedPuzzle, OnlyThePuzzleItsSizeAndNumberGivePasses) {
  auto check = [](const TSavedGame& game) {
    TSavedGame read;
    const TFormatResult parsed = ParseSavedGame(SavedGameText(game), read);
    EXPECT_TRUE(parsed) << EnglishText(parsed.Error);
    EXPECT_EQ(read, game);
    return EnglishText(CheckSavedPuzzle(read).Error);
  };
  for (int difficulty = 0; difficulty <= 10; ++difficulty) {
    TPuzzle p;
    p.SetUp(6, 1, difficulty);
    Place(p, 4, 2);
    TSavedGame game = SavedGameOf(p, 1, 30);
    game.Errors = 3;
    EXPECT_EQ(check(game), "") << difficulty;
  }

  TPuzzle one, two;
  one.SetUp(6, 1, 5);
  two.SetUp(6, 2, 5);
  int c = 1, r = 1;
  while (one.Square(c, r).localindex() == two.Square(c, r).localindex()) {
    if (++r > 6) r = 1, ++c;
    ASSERT_LE(c, 6);
  }
  EXPECT_EQ(check(SavedGameOf(two, 1, 30)),
            Cat("line ", 1 + (c - 1) * 6 + r, ", field \"localindex\": puzzle No. 1 at 6 x 6 has tile ",
                one.Square(c, r).localindex(), " in this square, not ", two.Square(c, r).localindex()));

  // Its own solution with a clue too few, or another true clue put in.
  TSavedGame fewer = SavedGameOf(one, 1, 30);
  fewer.Horizontal.pop_back();
  EXPECT_EQ(check(fewer), "the clues are not those of puzzle No. 1 at 6 x 6");
  TSavedGame other = SavedGameOf(one, 1, 30);
  const TClue column(TClueType::clSameColumn, 1, 1, 2, 0, 0, 0);
  other.Vertical.front() =
      other.Vertical.front() == column ? TClue(TClueType::clSameColumn, 1, 1, 3, 0, 0, 0) : column;
  ASSERT_NE(other.Vertical, one.VerticalClues);
  EXPECT_EQ(check(other), "the clues are not those of puzzle No. 1 at 6 x 6");
}

}  // namespace
