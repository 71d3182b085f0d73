#include "SavedGameFormat.h"

#include "GameFacts.h"
#include "GameRules.h"
#include "Puzzle.h"
#include "RecordFields.h"
#include "Square.h"

#include <array>
#include <cassert>
#include <charconv>

static_assert(TGameClock::MaxSeconds == MaxSavedSeconds, "a saved time is one the clock can show");

namespace {

constexpr char FieldSeparator = '~';
constexpr char ListSeparator = '/';
constexpr char Context[] = "SavedGames";

TFormatMessage Message(const char* source, std::vector<TFormatArg> args = {}) {
  return {Context, source, std::nullopt, std::move(args)};
}

TSavedSquare SavedSquareOf(const TSquare& square) {
  return {square.imageindex(), square.localindex(), square.IsSolved(), square.remaining()};
}

void AppendNumber(std::string& out, int value) {
  char digits[12];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The square line without its final "~".
void AppendSquare(std::string& out, const TSavedSquare& square) {
  out += "imageindex=";
  AppendNumber(out, square.ImageIndex);
  out += "~localindex=";
  AppendNumber(out, square.LocalIndex);
  out += square.Solved ? "~solved=-1" : "~solved=0";
  out += "~remaining=";
  for (int t = 1; t <= MaxBoardSize; ++t) {
    if (square.Remaining & TSquare::Bit(t)) {
      AppendNumber(out, t);
      out += '=';
      AppendNumber(out, t);
      out += '/';
    }
  }
}

void AppendClue(std::string& out, const TClue& clue) {
  out += "type=";
  out += ClueTypeName(clue.type());
  out += "~indices=";
  for (int k = 1; k <= 6; ++k) {
    out += 'c';
    AppendNumber(out, k);
    out += '=';
    AppendNumber(out, clue.Coord(k));
    out += k < 6 ? '/' : '~';
  }
}

// The letters of a kind's name without regard to case, as Unicode folds
// them: a long s is an s and the Kelvin sign a k. Empty for any other
// character: no kind's name holds one.
std::string FoldedName(std::string_view name) {
  std::string folded;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c >= 'A' && c <= 'Z') {
      folded += static_cast<char>(c - 'A' + 'a');
    } else if (static_cast<unsigned char>(c) < 0x80) {
      folded += c;
    } else if (name.substr(i, 2) == "\xC5\xBF") {
      folded += 's';
      i += 1;
    } else if (name.substr(i, 3) == "\xE2\x84\xAA") {
      folded += 'k';
      i += 2;
    } else {
      return {};
    }
  }
  return folded;
}

// The kind with that name, compared without regard to case.
std::optional<TClueType> ClueTypeNamed(std::string_view name) {
  const std::string folded = FoldedName(name);
  if (folded.empty()) return std::nullopt;
  for (const TClueKind& kind : ClueKinds) {
    if (FoldedName(kind.Name) == folded) return kind.Type;
  }
  return std::nullopt;
}

bool IsVerticalType(TClueType type) {
  return TClue(type, 0, 0, 0, 0, 0, 0).IsVertical();
}

std::string ListKey(int k) {
  return "c" + std::to_string(k);
}

// Thrown by the checks below and caught by ParseSavedGame: the first problem
// ends the reading, so each check can simply stop it.
struct TLoadFailure {
  TFormatMessage Message;
};

// Reads a saved game's lines in order, naming each problem by its line
// number (from 1) and field.
class TSavedGameReader {
 public:
  explicit TSavedGameReader(std::string_view bytes) {
    // A byte order mark before the text is no part of it.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::size_t start = 0;
    while (start < bytes.size()) {
      std::size_t end = bytes.find('\n', start);
      const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
      if (end == std::string_view::npos) end = bytes.size();
      if (end > start && bytes[end - 1] == '\r') --end;
      Lines.push_back(bytes.substr(start, end - start));
      start = next;
    }
  }

  TSavedGame Read() {
    TSavedGame game;
    ReadHeader(game);
    ReadSquares(game);
    game.Horizontal = ReadClues(game.Size, "hclues", "vclues", false);
    game.Vertical = ReadClues(game.Size, "vclues", {}, true);
    // One empty line may end the file; anything more is not a saved game.
    if (Next < Lines.size() && !(Next + 1 == Lines.size() && Lines[Next].empty())) {
      LineNumber = static_cast<int>(Next) + 1;
      Fail(Message(
          FORMATS_TR_NOOP("SavedGames", "a line follows the last of the clues that \"vclues\" counts")));
    }
    return game;
  }

 private:
  [[noreturn]] void Fail(TFormatMessage problem) const {
    throw TLoadFailure{
        Message(FORMATS_TR_NOOP("SavedGames", "line %1: %2"), {LineNumber, std::move(problem)})};
  }
  [[noreturn]] void Fail(std::string field, TFormatMessage problem) const {
    throw TLoadFailure{Message(FORMATS_TR_NOOP("SavedGames", "line %1, field \"%2\": %3"),
                               {LineNumber, std::move(field), std::move(problem)})};
  }

  // The next line; what stands in place of a missing one names what was due.
  std::string_view Take(TFormatMessage expected) {
    LineNumber = static_cast<int>(Next) + 1;
    if (Next >= Lines.size())
      Fail(Message(
          //: %1 is what was due: the header, square 3 of 16, the "hclues" line, horizontal clue 2 of 9.
          FORMATS_TR_NOOP("SavedGames", "the file ends where %1 should be"), {std::move(expected)}));
    return Lines[Next++];
  }

  std::string_view Field(std::string_view record, std::string_view key,
                         char separator = FieldSeparator) const {
    const std::optional<std::string_view> value = ReadField(record, key, separator);
    if (!value)
      Fail(Message(FORMATS_TR_NOOP("SavedGames", "the field \"%1\" is missing"), {std::string(key)}));
    return *value;
  }

  int Integer(std::string_view record, std::string_view key, char separator = FieldSeparator) const {
    const std::string_view value = Field(record, key, separator);
    const std::optional<int> number = ParseWholeNumber(value);
    if (!number)
      Fail(std::string(key),
           Message(FORMATS_TR_NOOP("SavedGames", "'%1' is not a valid integer value"), {std::string(value)}));
    return *number;
  }

  void ReadHeader(TSavedGame& game) {
    const std::string_view line = Take(Message(
        //: Said where the file ends early: "the file ends where the header should be".
        FORMATS_TR_NOOP("SavedGames", "the header")));
    game.Size = Integer(line, "size");
    if (!IsBoardSize(game.Size))
      Fail("size", Message(FORMATS_TR_NOOP("SavedGames", "%1 is not a board size (%2)"),
                           {game.Size, BoardSizeListMessage()}));
    game.Number = Integer(line, "number");
    if (!IsPuzzleNumber(game.Number))
      Fail("number", Message(FORMATS_TR_NOOP("SavedGames", "%1 is outside %2..%3"),
                             {game.Number, MinPuzzleNumber, MaxPuzzleNumber}));
    game.Progress = Integer(line, "progress");
    game.Time = Integer(line, "time");
    if (game.Time < 0) Fail("time", Message(FORMATS_TR_NOOP("SavedGames", "%1 is negative"), {game.Time}));
    if (game.Time > MaxSavedSeconds)
      Fail("time", {Context,
                    FORMATS_TR_N_NOOP("SavedGames", "%n seconds are more than the clock shows (99:59:59)"),
                    game.Time,
                    {}});
    game.Errors = Count(line, "errors");
    game.Clues = Count(line, "clues");
  }

  // An optional counter of the header: absent in older files.
  std::optional<int> Count(std::string_view line, std::string_view key) const {
    if (!ReadField(line, key, FieldSeparator)) return std::nullopt;
    const int count = Integer(line, key);
    if (count < 0) Fail(std::string(key), Message(FORMATS_TR_NOOP("SavedGames", "%1 is negative"), {count}));
    if (count > MaxSavedCount)
      Fail(std::string(key),
           Message(FORMATS_TR_NOOP("SavedGames", "%1 is outside %2..%3"), {count, 0, MaxSavedCount}));
    return count;
  }

  void ReadSquares(TSavedGame& game) {
    const int n = game.Size;
    std::array<std::uint16_t, MaxBoardSize + 1> tilesInRow{};  // bit t: tile t seen in that row
    int solved = 0;
    game.Squares.reserve(static_cast<std::size_t>(n * n));
    for (int c = 1; c <= n; ++c) {
      for (int r = 1; r <= n; ++r) {
        const int k = static_cast<int>(game.Squares.size()) + 1;
        const std::string_view line =
            Take(Message(FORMATS_TR_NOOP("SavedGames", "square %1 of %2"), {k, n * n}));
        TSavedSquare square;
        square.ImageIndex = Integer(line, "imageindex");
        square.LocalIndex = Integer(line, "localindex");
        square.Solved = Integer(line, "solved") != 0;
        const std::string_view remaining = Field(line, "remaining");

        const int tile = square.LocalIndex;
        if (tile < 1 || tile > n)
          Fail("localindex", Message(FORMATS_TR_NOOP("SavedGames", "%1 is outside 1..%2"), {tile, n}));
        if (tilesInRow[r] & TSquare::Bit(tile))
          Fail("localindex",
               Message(FORMATS_TR_NOOP("SavedGames", "tile %1 stands twice in row %2"), {tile, r}));
        tilesInRow[r] |= TSquare::Bit(tile);
        const int picture = TilePicture(r, tile);
        if (square.ImageIndex != picture)
          Fail("imageindex",
               Message(FORMATS_TR_NOOP("SavedGames", "%1 is not %2, the picture of tile %3 in row %4"),
                       {square.ImageIndex, picture, tile, r}));
        square.Remaining = Candidates(remaining, n);
        if (square.Solved) {
          if (square.Remaining != TSquare::Bit(tile))
            Fail("remaining",
                 Message(
                     FORMATS_TR_NOOP("SavedGames", "a solved square holds its own tile %1 and nothing else"),
                     {tile}));
          ++solved;
        } else if (!(square.Remaining & TSquare::Bit(tile))) {
          // The player can never rule out a square's own tile; without it the
          // deduction would solve the square with a wrong one.
          Fail("remaining",
               Message(FORMATS_TR_NOOP("SavedGames", "the square's own tile %1 is not among its candidates"),
                       {tile}));
        }
        game.Squares.push_back(square);
      }
    }
    if (solved != game.Progress) {
      LineNumber = 1;
      Fail("progress",
           Message(FORMATS_TR_NOOP("SavedGames", "%1, but %2 squares are solved"), {game.Progress, solved}));
    }
  }

  // The entries "n=n/" of a square's candidate list.
  std::uint16_t Candidates(std::string_view list, int n) const {
    std::vector<std::string_view> entries;
    for (std::size_t start = 0;;) {
      const std::size_t end = list.find(ListSeparator, start);
      entries.push_back(
          list.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
    if (entries.back().empty()) entries.pop_back();  // the "/" after the last entry
    std::uint16_t set = 0;
    for (const std::string_view entry : entries) {
      const std::size_t equals = entry.find('=');
      const bool split = equals != std::string_view::npos;
      const std::optional<int> key = split ? ParseWholeNumber(entry.substr(0, equals)) : std::nullopt;
      const std::optional<int> value = split ? ParseWholeNumber(entry.substr(equals + 1)) : std::nullopt;
      if (!key || !value || *key != *value)
        Fail("remaining", Message(FORMATS_TR_NOOP("SavedGames", "\"%1\" is not a candidate entry n=n"),
                                  {std::string(entry)}));
      if (*value < 1 || *value > n)
        Fail("remaining",
             Message(FORMATS_TR_NOOP("SavedGames", "candidate %1 is outside 1..%2"), {*value, n}));
      set |= TSquare::Bit(*value);
    }
    return set;
  }

  // A count line and the clues it counts. nextKey is the count line that
  // follows this list, so a count that is too large is told apart from a
  // damaged clue.
  TClueList ReadClues(int n, const char* key, std::string_view nextKey, bool vertical) {
    const std::string_view countLine = Take(Message(FORMATS_TR_NOOP("SavedGames", "the \"%1\" line"), {key}));
    if (!ReadField(countLine, key, FieldSeparator) && ReadField(countLine, "type", FieldSeparator))
      Fail(Message(FORMATS_TR_NOOP("SavedGames", "a clue line stands where the \"%1\" line should be"),
                   {key}));
    const int count = Integer(countLine, key);
    if (count < 0) Fail(key, Message(FORMATS_TR_NOOP("SavedGames", "%1 is negative"), {count}));

    TClueList clues;
    TPuzzle board;  // the engine's own test of which coordinates a kind uses
    board.SetSize(n);
    for (int i = 1; i <= count; ++i) {
      const std::string_view line =
          Take(vertical ? Message(FORMATS_TR_NOOP("SavedGames", "vertical clue %1 of %2"), {i, count})
                        : Message(FORMATS_TR_NOOP("SavedGames", "horizontal clue %1 of %2"), {i, count}));
      if (!nextKey.empty() && ReadField(line, nextKey, FieldSeparator))
        Fail(vertical
                 ? Message(FORMATS_TR_NOOP("SavedGames",
                                           "the \"%1\" line stands where vertical clue %2 of %3 should be"),
                           {std::string(nextKey), i, count})
                 : Message(FORMATS_TR_NOOP("SavedGames",
                                           "the \"%1\" line stands where horizontal clue %2 of %3 should be"),
                           {std::string(nextKey), i, count}));
      const std::string_view name = Field(line, "type");
      const std::optional<TClueType> type = ClueTypeNamed(name);
      if (!type)
        Fail("type",
             Message(FORMATS_TR_NOOP("SavedGames", "\"%1\" is not a kind of clue"), {std::string(name)}));
      if (IsVerticalType(*type) != vertical)
        Fail("type", vertical ? Message(FORMATS_TR_NOOP("SavedGames", "%1 is not a vertical clue"),
                                        {std::string(name)})
                              : Message(FORMATS_TR_NOOP("SavedGames", "%1 is not a horizontal clue"),
                                        {std::string(name)}));
      const std::string_view indices = Field(line, "indices");
      std::array<int, 6> c{};
      for (int k = 0; k < 6; ++k) c[k] = Integer(indices, ListKey(k + 1), ListSeparator);
      const TClue clue(*type, c[0], c[1], c[2], c[3], c[4], c[5]);
      if (!board.ClueFits(clue)) {
        // A kind uses c1 up to some ck, so the first value off the board is
        // one it uses (taken before the clue reorders its rows).
        for (int k = 0; k < 6; ++k) {
          if (c[k] < 1 || c[k] > n)
            Fail(ListKey(k + 1), Message(FORMATS_TR_NOOP("SavedGames", "%1 is outside 1..%2"), {c[k], n}));
        }
      }
      if (!ClueHolds(clue))
        Fail(Message(FORMATS_TR_NOOP("SavedGames", "the clue is false for the board's solution")));
      clues.push_back(clue);
    }
    return clues;
  }

  std::vector<std::string_view> Lines;
  std::size_t Next = 0;
  int LineNumber = 0;
};

}  // namespace

TSavedGame SavedGameOf(const TPuzzle& puzzle, int number, int seconds) {
  TSavedGame game;
  game.Size = puzzle.Size();
  game.Number = number;
  game.Progress = puzzle.SolvedCount;
  game.Time = seconds;
  game.Squares.reserve(static_cast<std::size_t>(game.Size * game.Size));
  for (int c = 1; c <= game.Size; ++c)
    for (int r = 1; r <= game.Size; ++r) game.Squares.push_back(SavedSquareOf(puzzle.Square(c, r)));
  game.Horizontal = puzzle.HorizontalClues;
  game.Vertical = puzzle.VerticalClues;
  return game;
}

void ApplySavedGame(const TSavedGame& game, TPuzzle& puzzle) {
  assert(game.Squares.size() == static_cast<std::size_t>(game.Size * game.Size));
  puzzle.SetSize(game.Size);
  for (int c = 1; c <= game.Size; ++c) {
    for (int r = 1; r <= game.Size; ++r) {
      const TSavedSquare& saved = game.Square(c, r);
      TSquare& square = puzzle.Square(c, r);
      square.setTile(saved.ImageIndex, saved.LocalIndex);
      square.setRemaining(saved.Remaining);
      square.setSolved(saved.Solved);
    }
  }
  puzzle.SolvedCount = game.Progress;
  puzzle.ClearClues();
  // A file keeps no hidden state, so every clue comes back shown (and, like
  // a new clue, not used).
  auto fresh = [](TClue clue) {
    clue.setShown(true);
    clue.setUsed(false);
    return clue;
  };
  for (const TClue& clue : game.Horizontal) puzzle.HorizontalClues.push_back(fresh(clue));
  for (const TClue& clue : game.Vertical) puzzle.VerticalClues.push_back(fresh(clue));
}

std::string SquareToText(const TSquare& square) {
  std::string text;
  AppendSquare(text, SavedSquareOf(square));
  return text;
}

std::string ClueToText(const TClue& clue) {
  std::string text;
  AppendClue(text, clue);
  return text;
}

std::string SavedGameText(const TSavedGame& game) {
  std::string out;
  out.reserve(80 * (game.Squares.size() + game.Horizontal.size() + game.Vertical.size()) + 128);
  out += "size=";
  AppendNumber(out, game.Size);
  out += "~number=";
  AppendNumber(out, game.Number);
  out += "~progress=";
  AppendNumber(out, game.Progress);
  out += "~time=";
  AppendNumber(out, game.Time);
  if (game.Errors) {
    out += "~errors=";
    AppendNumber(out, *game.Errors);
  }
  if (game.Clues) {
    out += "~clues=";
    AppendNumber(out, *game.Clues);
  }
  out += "~\r\n";
  for (const TSavedSquare& square : game.Squares) {
    AppendSquare(out, square);
    out += "~\r\n";
  }
  auto clues = [&out](const char* key, const TClueList& list) {
    out += key;
    out += std::to_string(list.size());
    out += "~\r\n";
    for (const TClue& clue : list) {
      AppendClue(out, clue);
      out += "\r\n";
    }
  };
  clues("hclues=", game.Horizontal);
  clues("vclues=", game.Vertical);
  return out;
}

TFormatResult ParseSavedGame(std::string_view bytes, TSavedGame& game) {
  try {
    game = TSavedGameReader(bytes).Read();
  } catch (const TLoadFailure& failure) {
    return {failure.Message};
  }
  return {};
}

TFormatResult CheckSavedPuzzle(const TSavedGame& game) {
  TPuzzle puzzle;
  puzzle.SetUp(game.Size, static_cast<std::uint32_t>(game.Number), 0);
  // The solution is drawn before any clue, so no difficulty changes it.
  for (int c = 1; c <= game.Size; ++c) {
    for (int r = 1; r <= game.Size; ++r) {
      const int tile = puzzle.Square(c, r).localindex();
      if (game.Square(c, r).LocalIndex != tile)
        return {Message(
            FORMATS_TR_NOOP("SavedGames",
                            "line %1, field \"localindex\": puzzle No. %2 at %3 x %3 has "
                            "tile %4 in this square, not %5"),
            {1 + (c - 1) * game.Size + r, game.Number, game.Size, tile, game.Square(c, r).LocalIndex})};
    }
  }
  // Difficulties up to 6 keep every clue the proof made; 7 to 10 each thin
  // the lists their own way.
  for (const int difficulty : {0, 7, 8, 9, 10}) {
    if (difficulty > 0) puzzle.SetUp(game.Size, static_cast<std::uint32_t>(game.Number), difficulty);
    if (puzzle.HorizontalClues == game.Horizontal && puzzle.VerticalClues == game.Vertical) return {};
  }
  return {Message(FORMATS_TR_NOOP("SavedGames", "the clues are not those of puzzle No. %1 at %2 x %2"),
                  {game.Number, game.Size})};
}
