#include "SavedGame.h"

#include "FileBytes.h"
#include "GameFacts.h"
#include "GameRules.h"
#include "Puzzle.h"
#include "RequestTexts.h"
#include "Square.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <limits>

static_assert(TGameClock::MaxSeconds == MaxSavedSeconds, "a saved time is one the clock can show");

namespace {

constexpr QChar FieldSeparator = u'~';
constexpr QChar ListSeparator = u'/';

TSavedSquare SavedSquareOf(const TSquare& square) {
  return {square.imageindex(), square.localindex(), square.IsSolved(), square.remaining()};
}

// The square line without its final "~".
void AppendSquare(QByteArray& out, const TSavedSquare& square) {
  out += "imageindex=" + QByteArray::number(square.ImageIndex) +
         "~localindex=" + QByteArray::number(square.LocalIndex) +
         (square.Solved ? "~solved=-1" : "~solved=0") + "~remaining=";
  for (int t = 1; t <= MaxBoardSize; ++t) {
    if (square.Remaining & TSquare::Bit(t)) out += QByteArray::number(t) + '=' + QByteArray::number(t) + '/';
  }
}

void AppendClue(QByteArray& out, const TClue& clue) {
  const std::string_view name = ClueTypeName(clue.type());
  out += "type=" + QByteArray(name.data(), static_cast<qsizetype>(name.size())) + "~indices=";
  for (int k = 1; k <= 6; ++k) {
    out += 'c' + QByteArray::number(k) + '=' + QByteArray::number(clue.Coord(k)) + (k < 6 ? '/' : '~');
  }
}

// Plain decimal with an optional sign that fits 32 bits; blanks, "0x10",
// "1.5" or an empty text are no whole number.
std::optional<int> ParseInteger(QStringView text) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char16_t ch = text[i].unicode();
    if (ch < u'0' || ch > u'9') return std::nullopt;
    value = value * 10 + (ch - u'0');
    if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

// The kind with that name, compared without regard to case.
std::optional<TClueType> ClueTypeNamed(const QString& name) {
  for (const TClueKind& kind : ClueKinds) {
    if (name.compare(QLatin1StringView(kind.Name.data(), static_cast<qsizetype>(kind.Name.size())),
                     Qt::CaseInsensitive) == 0)
      return kind.Type;
  }
  return std::nullopt;
}

bool IsVerticalType(TClueType type) {
  return TClue(type, 0, 0, 0, 0, 0, 0).IsVertical();
}

// Thrown by the checks below and caught by ParseSavedGame: the first problem
// ends the reading, so each check can simply stop it.
struct TLoadFailure {
  QString Message;
};

// Reads a saved game's lines in order, naming each problem by its line
// number (from 1) and field.
class TSavedGameReader {
 public:
  explicit TSavedGameReader(const QByteArray& bytes) {
    Text = QString::fromUtf8(bytes);
    qsizetype start = 0;
    while (start < Text.size()) {
      qsizetype end = Text.indexOf(u'\n', start);
      const qsizetype next = end < 0 ? Text.size() : end + 1;
      if (end < 0) end = Text.size();
      if (end > start && Text[end - 1] == u'\r') --end;
      Lines.push_back(QStringView(Text).sliced(start, end - start));
      start = next;
    }
  }

  TSavedGame Read() {
    TSavedGame game;
    ReadHeader(game);
    ReadSquares(game);
    game.Horizontal = ReadClues(game.Size, "hclues", "vclues", false);
    game.Vertical = ReadClues(game.Size, "vclues", QString(), true);
    // One empty line may end the file; anything more is not a saved game.
    if (Next < Lines.size() && !(Next + 1 == Lines.size() && Lines[Next].isEmpty())) {
      LineNumber = static_cast<int>(Next) + 1;
      Fail(QCoreApplication::translate("SavedGames",
                                       "a line follows the last of the clues that \"vclues\" counts"));
    }
    return game;
  }

 private:
  [[noreturn]] void Fail(const QString& problem) const {
    throw TLoadFailure{QCoreApplication::translate("SavedGames", "line %1: %2").arg(LineNumber).arg(problem)};
  }
  [[noreturn]] void Fail(const QString& field, const QString& problem) const {
    throw TLoadFailure{QCoreApplication::translate("SavedGames", "line %1, field \"%2\": %3")
                           .arg(LineNumber)
                           .arg(field, problem)};
  }

  // The next line; what stands in place of a missing one names what was due.
  QStringView Take(const QString& expected) {
    LineNumber = static_cast<int>(Next) + 1;
    if (Next >= Lines.size())
      Fail(
          //: %1 is what was due: the header, square 3 of 16, the "hclues" line, horizontal clue 2 of 9.
          QCoreApplication::translate("SavedGames", "the file ends where %1 should be").arg(expected));
    return Lines[Next++];
  }

  QString Field(QStringView record, const QString& key, QChar separator = FieldSeparator) const {
    std::optional<QString> value = ReadField(record, key, separator);
    if (!value) Fail(QCoreApplication::translate("SavedGames", "the field \"%1\" is missing").arg(key));
    return *value;
  }

  int Integer(QStringView record, const QString& key, QChar separator = FieldSeparator) const {
    const QString value = Field(record, key, separator);
    const std::optional<int> number = ParseInteger(value);
    if (!number)
      Fail(key, QCoreApplication::translate("SavedGames", "'%1' is not a valid integer value").arg(value));
    return *number;
  }

  void ReadHeader(TSavedGame& game) {
    const QStringView line = Take(
        //: Said where the file ends early: "the file ends where the header should be".
        QCoreApplication::translate("SavedGames", "the header"));
    game.Size = Integer(line, "size");
    if (!IsBoardSize(game.Size))
      Fail("size", QCoreApplication::translate("SavedGames", "%1 is not a board size (%2)")
                       .arg(game.Size)
                       .arg(BoardSizeListText()));
    game.Number = Integer(line, "number");
    if (!IsPuzzleNumber(game.Number))
      Fail("number", QCoreApplication::translate("SavedGames", "%1 is outside %2..%3")
                         .arg(game.Number)
                         .arg(MinPuzzleNumber)
                         .arg(MaxPuzzleNumber));
    game.Progress = Integer(line, "progress");
    game.Time = Integer(line, "time");
    if (game.Time < 0)
      Fail("time", QCoreApplication::translate("SavedGames", "%1 is negative").arg(game.Time));
    if (game.Time > MaxSavedSeconds)
      Fail("time", QCoreApplication::translate(
                       "SavedGames", "%n seconds are more than the clock shows (99:59:59)", "", game.Time));
    game.Errors = Count(line, "errors");
    game.Clues = Count(line, "clues");
  }

  // An optional counter of the header: absent in older files.
  std::optional<int> Count(QStringView line, const QString& key) const {
    if (!ReadField(line, key, FieldSeparator)) return std::nullopt;
    const int count = Integer(line, key);
    if (count < 0) Fail(key, QCoreApplication::translate("SavedGames", "%1 is negative").arg(count));
    if (count > MaxSavedCount)
      Fail(key, QCoreApplication::translate("SavedGames", "%1 is outside %2..%3")
                    .arg(count)
                    .arg(0)
                    .arg(MaxSavedCount));
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
        const QStringView line =
            Take(QCoreApplication::translate("SavedGames", "square %1 of %2").arg(k).arg(n * n));
        TSavedSquare square;
        square.ImageIndex = Integer(line, "imageindex");
        square.LocalIndex = Integer(line, "localindex");
        square.Solved = Integer(line, "solved") != 0;
        const QString remaining = Field(line, "remaining");

        const int tile = square.LocalIndex;
        if (tile < 1 || tile > n)
          Fail("localindex",
               QCoreApplication::translate("SavedGames", "%1 is outside 1..%2").arg(tile).arg(n));
        if (tilesInRow[r] & TSquare::Bit(tile))
          Fail("localindex",
               QCoreApplication::translate("SavedGames", "tile %1 stands twice in row %2").arg(tile).arg(r));
        tilesInRow[r] |= TSquare::Bit(tile);
        const int picture = TilePicture(r, tile);
        if (square.ImageIndex != picture)
          Fail("imageindex",
               QCoreApplication::translate("SavedGames", "%1 is not %2, the picture of tile %3 in row %4")
                   .arg(square.ImageIndex)
                   .arg(picture)
                   .arg(tile)
                   .arg(r));
        square.Remaining = Candidates(remaining, n);
        if (square.Solved) {
          if (square.Remaining != TSquare::Bit(tile))
            Fail("remaining", QCoreApplication::translate(
                                  "SavedGames", "a solved square holds its own tile %1 and nothing else")
                                  .arg(tile));
          ++solved;
        } else if (!(square.Remaining & TSquare::Bit(tile))) {
          // The player can never rule out a square's own tile; without it the
          // deduction would solve the square with a wrong one.
          Fail("remaining", QCoreApplication::translate(
                                "SavedGames", "the square's own tile %1 is not among its candidates")
                                .arg(tile));
        }
        game.Squares.push_back(square);
      }
    }
    if (solved != game.Progress) {
      LineNumber = 1;
      Fail("progress", QCoreApplication::translate("SavedGames", "%1, but %2 squares are solved")
                           .arg(game.Progress)
                           .arg(solved));
    }
  }

  // The entries "n=n/" of a square's candidate list.
  std::uint16_t Candidates(const QString& list, int n) const {
    QList<QStringView> entries = QStringView(list).split(ListSeparator);
    if (entries.back().isEmpty()) entries.removeLast();  // the "/" after the last entry
    std::uint16_t set = 0;
    for (const QStringView entry : entries) {
      const qsizetype equals = entry.indexOf(u'=');
      const std::optional<int> key = equals < 0 ? std::nullopt : ParseInteger(entry.first(equals));
      const std::optional<int> value = equals < 0 ? std::nullopt : ParseInteger(entry.sliced(equals + 1));
      if (!key || !value || *key != *value)
        Fail("remaining",
             QCoreApplication::translate("SavedGames", "\"%1\" is not a candidate entry n=n").arg(entry));
      if (*value < 1 || *value > n)
        Fail("remaining",
             QCoreApplication::translate("SavedGames", "candidate %1 is outside 1..%2").arg(*value).arg(n));
      set |= TSquare::Bit(*value);
    }
    return set;
  }

  // A count line and the clues it counts. nextKey is the count line that
  // follows this list, so a count that is too large is told apart from a
  // damaged clue.
  TClueList ReadClues(int n, const QString& key, const QString& nextKey, bool vertical) {
    const QStringView countLine = Take(QCoreApplication::translate("SavedGames", "the \"%1\" line").arg(key));
    if (!ReadField(countLine, key, FieldSeparator) && ReadField(countLine, u"type", FieldSeparator))
      Fail(QCoreApplication::translate("SavedGames", "a clue line stands where the \"%1\" line should be")
               .arg(key));
    const int count = Integer(countLine, key);
    if (count < 0) Fail(key, QCoreApplication::translate("SavedGames", "%1 is negative").arg(count));

    TClueList clues;
    TPuzzle board;  // the engine's own test of which coordinates a kind uses
    board.SetSize(n);
    for (int i = 1; i <= count; ++i) {
      const QStringView line =
          Take((vertical ? QCoreApplication::translate("SavedGames", "vertical clue %1 of %2")
                         : QCoreApplication::translate("SavedGames", "horizontal clue %1 of %2"))
                   .arg(i)
                   .arg(count));
      if (!nextKey.isEmpty() && ReadField(line, nextKey, FieldSeparator))
        Fail((vertical ? QCoreApplication::translate(
                             "SavedGames", "the \"%1\" line stands where vertical clue %2 of %3 should be")
                       : QCoreApplication::translate(
                             "SavedGames", "the \"%1\" line stands where horizontal clue %2 of %3 should be"))
                 .arg(nextKey)
                 .arg(i)
                 .arg(count));
      const QString name = Field(line, "type");
      const std::optional<TClueType> type = ClueTypeNamed(name);
      if (!type)
        Fail("type", QCoreApplication::translate("SavedGames", "\"%1\" is not a kind of clue").arg(name));
      if (IsVerticalType(*type) != vertical)
        Fail("type", (vertical ? QCoreApplication::translate("SavedGames", "%1 is not a vertical clue")
                               : QCoreApplication::translate("SavedGames", "%1 is not a horizontal clue"))
                         .arg(name));
      const QString indices = Field(line, "indices");
      std::array<int, 6> c{};
      for (int k = 0; k < 6; ++k) c[k] = Integer(indices, QStringLiteral("c%1").arg(k + 1), ListSeparator);
      const TClue clue(*type, c[0], c[1], c[2], c[3], c[4], c[5]);
      if (!board.ClueFits(clue)) {
        // A kind uses c1 up to some ck, so the first value off the board is
        // one it uses (taken before the clue reorders its rows).
        for (int k = 0; k < 6; ++k) {
          if (c[k] < 1 || c[k] > n)
            Fail(QStringLiteral("c%1").arg(k + 1),
                 QCoreApplication::translate("SavedGames", "%1 is outside 1..%2").arg(c[k]).arg(n));
        }
      }
      if (!ClueHolds(clue))
        Fail(QCoreApplication::translate("SavedGames", "the clue is false for the board's solution"));
      clues.push_back(clue);
    }
    return clues;
  }

  QString Text;
  QList<QStringView> Lines;
  qsizetype Next = 0;
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
  Q_ASSERT(game.Squares.size() == static_cast<std::size_t>(game.Size * game.Size));
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

QString SquareToText(const TSquare& square) {
  QByteArray text;
  AppendSquare(text, SavedSquareOf(square));
  return QString::fromLatin1(text);
}

QString ClueToText(const TClue& clue) {
  QByteArray text;
  AppendClue(text, clue);
  return QString::fromLatin1(text);
}

std::optional<QString> ReadField(QStringView text, QStringView key, QChar separator) {
  qsizetype from = 0;
  while (from <= text.size()) {
    const qsizetype at = text.indexOf(key, from);
    if (at < 0) break;
    const qsizetype equals = at + key.size();
    if ((at == 0 || text[at - 1] == separator) && equals < text.size() && text[equals] == u'=') {
      const qsizetype end = text.indexOf(separator, equals + 1);
      return (end < 0 ? text.sliced(equals + 1) : text.sliced(equals + 1, end - equals - 1)).toString();
    }
    from = at + 1;
  }
  return std::nullopt;
}

QByteArray SavedGameText(const TSavedGame& game) {
  QByteArray out;
  out.reserve(
      80 * static_cast<qsizetype>(game.Squares.size() + game.Horizontal.size() + game.Vertical.size()) + 128);
  out += "size=" + QByteArray::number(game.Size) + "~number=" + QByteArray::number(game.Number) +
         "~progress=" + QByteArray::number(game.Progress) + "~time=" + QByteArray::number(game.Time);
  if (game.Errors) out += "~errors=" + QByteArray::number(*game.Errors);
  if (game.Clues) out += "~clues=" + QByteArray::number(*game.Clues);
  out += "~\r\n";
  for (const TSavedSquare& square : game.Squares) {
    AppendSquare(out, square);
    out += "~\r\n";
  }
  auto clues = [&out](const char* key, const TClueList& list) {
    out += key + QByteArray::number(static_cast<qsizetype>(list.size())) + "~\r\n";
    for (const TClue& clue : list) {
      AppendClue(out, clue);
      out += "\r\n";
    }
  };
  clues("hclues=", game.Horizontal);
  clues("vclues=", game.Vertical);
  return out;
}

TResult WriteSavedGame(const QString& path, const TSavedGame& game) {
  // The system's reason alone ("No such file or directory") would not say
  // which file.
  if (const TResult written = WriteFileWhole(path, SavedGameText(game)); !written)
    return {QCoreApplication::translate("Records", "Unable to write to %1: %2")
                .arg(QDir::toNativeSeparators(path), written.Error)};
  return {};
}

TResult ReadSavedGame(const QString& path, TSavedGame& game) {
  const TFileBytes file = ReadFileBytes(path, RecordFileLimit);
  if (file.Missing || (!file.Ok() && QFileInfo(path).isDir()))
    return {QCoreApplication::translate("SavedGames", "File not found")};
  if (!file.Ok()) return {file.Error};
  TSavedGame read;
  if (TResult parsed = ParseSavedGame(file.Bytes, read); !parsed) return parsed;
  if (TResult checked = CheckSavedPuzzle(read); !checked) return checked;
  game = std::move(read);
  return {};
}

TResult CheckSavedPuzzle(const TSavedGame& game) {
  TPuzzle puzzle;
  puzzle.SetUp(game.Size, static_cast<std::uint32_t>(game.Number), 0);
  // The solution is drawn before any clue, so no difficulty changes it.
  for (int c = 1; c <= game.Size; ++c) {
    for (int r = 1; r <= game.Size; ++r) {
      const int tile = puzzle.Square(c, r).localindex();
      if (game.Square(c, r).LocalIndex != tile)
        return {QCoreApplication::translate("SavedGames",
                                            "line %1, field \"localindex\": puzzle No. %2 at %3 x %3 has "
                                            "tile %4 in this square, not %5")
                    .arg(1 + (c - 1) * game.Size + r)
                    .arg(game.Number)
                    .arg(game.Size)
                    .arg(tile)
                    .arg(game.Square(c, r).LocalIndex)};
    }
  }
  // Difficulties up to 6 keep every clue the proof made; 7 to 10 each thin
  // the lists their own way.
  for (const int difficulty : {0, 7, 8, 9, 10}) {
    if (difficulty > 0) puzzle.SetUp(game.Size, static_cast<std::uint32_t>(game.Number), difficulty);
    if (puzzle.HorizontalClues == game.Horizontal && puzzle.VerticalClues == game.Vertical) return {};
  }
  return {QCoreApplication::translate("SavedGames", "the clues are not those of puzzle No. %1 at %2 x %2")
              .arg(game.Number)
              .arg(game.Size)};
}

TResult ParseSavedGame(const QByteArray& bytes, TSavedGame& game) {
  try {
    game = TSavedGameReader(bytes).Read();
  } catch (const TLoadFailure& failure) {
    return {failure.Message};
  }
  return {};
}

QString SavedGamePath(const QString& playersFolder, const QString& player, int number, int size) {
  // Joined, not filled into a pattern: a name may hold "%1".
  return playersFolder + QStringLiteral("/Saved Games/") + player + u'_' + QString::number(number) + u'_' +
         QString::number(size) + QStringLiteral(".sav");
}

QString SavedGameOwner(const QString& fileName, const QStringList& names, const QString& current) {
  const QString base = QFileInfo(fileName).fileName();
  // The file's own pattern first: name_number_size.sav, the last two fields
  // numbers, so "Anna_1_4.sav" is Anna's puzzle 1 even beside a player "Anna_1".
  static const QRegularExpression pattern(QStringLiteral("^(.+)_[0-9]+_[0-9]+\\.sav$"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (const QRegularExpressionMatch match = pattern.match(base); match.hasMatch()) {
    const QString name = match.captured(1);
    for (const QString& known : names)
      if (known.compare(name, Qt::CaseInsensitive) == 0) return known;
  }
  // A renamed file: the current player when her name starts it, else the
  // longest name that does.
  auto starts = [&base](const QString& name) {
    return !name.isEmpty() && base.startsWith(name + u'_', Qt::CaseInsensitive);
  };
  QString owner;
  for (const QString& name : names) {
    if (!starts(name)) continue;
    if (name.compare(current, Qt::CaseInsensitive) == 0) return name;
    if (name.size() > owner.size()) owner = name;
  }
  return owner;
}
