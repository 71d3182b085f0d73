#pragma once

#include "Clue.h"
#include "Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

class TPuzzle;
class TSquare;

// The texts the window shows around saving and opening; a failure's own
// message follows the two "Could not" sentences ("\r" breaks the line).
inline constexpr char CouldNotSaveGameText[] =
    "Could not save your game!\rPlease check the documentation for this message:\r";
inline constexpr char CouldNotLoadGameText[] =
    "Could not load your game!\rPlease check the documentation for this message:\r";
inline constexpr char GameSavedText[] = "Your game has been saved";
inline constexpr char GameLoadedText[] = "Your game has been loaded";

// The longest time a saved game may hold, the most the clock shows: 99:59:59.
inline constexpr int MaxSavedSeconds = 99 * 3600 + 59 * 60 + 59;
// The most mis-clicks or clues a saved game may count; far beyond any game
// played, and far from where counting on would overflow.
inline constexpr int MaxSavedCount = 999999;

// One square as a saved game holds it.
// The fields are named after the file's keys and the square's accessors.
struct TSavedSquare {
  int ImageIndex = 0;
  int LocalIndex = 0;
  bool Solved = false;
  std::uint16_t Remaining = 0;  // bit t set: tile t is a candidate, as in TSquare

  bool operator==(const TSavedSquare&) const = default;
};

// A game in progress as its file holds it: no pause and no hidden clues
// (every clue read back is shown).
struct TSavedGame {
  int Size = 0;
  int Number = 0;
  int Progress = 0;  // solved squares
  int Time = 0;      // seconds on the clock
  // The mis-clicks made and the clues taken so far. Optional header fields
  // ("errors", "clues"): files of earlier versions lack them, and their
  // readers find fields by key and pass over these.
  std::optional<int> Errors;
  std::optional<int> Clues;
  // Column by column, rows 1..Size within each: Size * Size entries.
  std::vector<TSavedSquare> Squares;
  TClueList Horizontal;
  TClueList Vertical;

  TSavedSquare& Square(int c, int r) { return Squares[static_cast<std::size_t>((c - 1) * Size + (r - 1))]; }
  const TSavedSquare& Square(int c, int r) const {
    return Squares[static_cast<std::size_t>((c - 1) * Size + (r - 1))];
  }

  // Clues compare by kind and values; shown and used are not part of a file.
  bool operator==(const TSavedGame&) const = default;
};

// The state of the puzzle on the board, as a file would hold it.
TSavedGame SavedGameOf(const TPuzzle& puzzle, int number, int seconds);

// Puts a checked game (from ParseSavedGame, ReadSavedGame or SavedGameOf) on
// the board: size, squares, SolvedCount and both clue lists, every clue shown.
void ApplySavedGame(const TSavedGame& game, TPuzzle& puzzle);

// The square line without its final "~".
QString SquareToText(const TSquare& square);
// The whole clue line, without the line end.
QString ClueToText(const TClue& clue);

// The value of the field `key` in a record of key=value fields, each followed
// by separator: the first place where key and "=" stand at the start of the
// text or right after a separator; the value runs to the next separator or
// the end. std::nullopt when no field has the key.
std::optional<QString> ReadField(QStringView text, QStringView key, QChar separator);

// The file's bytes: header, Size * Size square lines, both clue lists, each
// line ended by CR LF.
QByteArray SavedGameText(const TSavedGame& game);

// Writes the file whole (WriteFileWhole), so a failed write keeps the previous
// file as it was; Error names the file and the failure's own message. The
// folder must exist.
TResult WriteSavedGame(const QString& path, const TSavedGame& game);

// Reads and checks the whole file, and that it is the puzzle its size and
// number give (CheckSavedPuzzle); game is assigned only when every check
// passed. Error is "File not found" for a missing file, otherwise names the
// first problem with its line and field ("line 7, field "remaining": ...").
TResult ReadSavedGame(const QString& path, TSavedGame& game);
// The same checks on a file's bytes, without generating its puzzle. Lines
// may end in CR LF or LF.
TResult ParseSavedGame(const QByteArray& bytes, TSavedGame& game);
// Whether a read game is the puzzle its size and number give: the engine
// generates it again, and the solution and both clue lists must be the same
// (the clue lists those of one difficulty: from 7 up, the generator thins
// them). Error names the first square or the lists that differ.
TResult CheckSavedPuzzle(const TSavedGame& game);

// playersFolder/Saved Games/<player>_<number>_<size>.sav, playersFolder being
// the "Players" folder beside the program.
QString SavedGamePath(const QString& playersFolder, const QString& player, int number, int size);

// The known player who owns a saved game's file (names matched without regard
// to case): the one whose name is the whole name part of name_number_size.sav;
// for a file of another name, the current player when her name and "_" start
// it, else the longest name that does. Empty when none does. Names come back
// as spelled in names.
QString SavedGameOwner(const QString& fileName, const QStringList& names, const QString& current = {});
