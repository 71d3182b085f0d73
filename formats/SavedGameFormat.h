#pragma once

#include "Clue.h"
#include "FormatMessage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TPuzzle;
class TSquare;

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

// Puts a checked game (from ParseSavedGame or SavedGameOf) on the board:
// size, squares, SolvedCount and both clue lists, every clue shown.
void ApplySavedGame(const TSavedGame& game, TPuzzle& puzzle);

// The square line without its final "~".
std::string SquareToText(const TSquare& square);
// The whole clue line, without the line end.
std::string ClueToText(const TClue& clue);

// The file's bytes: header, Size * Size square lines, both clue lists, each
// line ended by CR LF.
std::string SavedGameText(const TSavedGame& game);

// Reads and checks a saved game's bytes (UTF-8; lines may end in CR LF or
// LF); game is assigned only when every check passed. Error names the first
// problem with its line and field ("line 7, field "remaining": ..."). It does
// not generate the puzzle: CheckSavedPuzzle does.
TFormatResult ParseSavedGame(std::string_view bytes, TSavedGame& game);

// Whether a read game is the puzzle its size and number give: the engine
// generates it again, and the solution and both clue lists must be the same
// (the clue lists those of one difficulty: from 7 up, the generator thins
// them). Error names the first square or the lists that differ.
TFormatResult CheckSavedPuzzle(const TSavedGame& game);
