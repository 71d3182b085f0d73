#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ClueText.h"

// The game's fixed facts, each written down once: the board sizes on offer,
// the puzzle numbers, and which picture shows which tile. Everything that
// checks or lists one of them reads it from here.

// One board size on offer and its label in the size list, easiest first
// (translated where the list is shown).
struct TBoardSize {
  int N;
  const char* Label;
};
inline constexpr std::array<TBoardSize, 6> BoardSizes{{
    {4, ENGINE_TR_NOOP("BoardSizes", "4 x 4 (Easiest)")},
    {5, ENGINE_TR_NOOP("BoardSizes", "5 x 5 (Easy)")},
    {6, ENGINE_TR_NOOP("BoardSizes", "6 x 6 (Medium)")},
    {8, ENGINE_TR_NOOP("BoardSizes", "8 x 8 (Hard)")},
    {9, ENGINE_TR_NOOP("BoardSizes", "9 x 9 (Harder)")},
    {10, ENGINE_TR_NOOP("BoardSizes", "10 x 10 (Very Hard)")},
}};
// The size a new player starts with and a bad stored size falls back to.
constexpr int DefaultBoardSize = 6;

// Smallest and largest board; the board always holds MaxBoardSize squares a
// side, of which the first N are in play.
constexpr int MinBoardSize = BoardSizes.front().N;
constexpr int MaxBoardSize = BoardSizes.back().N;

// The size's place in BoardSizes, -1 when it is not on offer.
constexpr int BoardSizeIndex(int n) {
  for (std::size_t i = 0; i < BoardSizes.size(); ++i)
    if (BoardSizes[i].N == n) return static_cast<int>(i);
  return -1;
}
constexpr bool IsBoardSize(int n) {
  return BoardSizeIndex(n) >= 0;
}
// The sizes as a list for messages: "4, 5, 6, 8, 9, 10" with lastSeparator
// ", ", "4, 5, 6, 8, 9 or 10" with " or ".
std::string BoardSizeList(std::string_view lastSeparator = ", ");

// Every size has puzzles numbered MinPuzzleNumber..MaxPuzzleNumber.
constexpr int MinPuzzleNumber = 1;
constexpr int MaxPuzzleNumber = 999999;
constexpr bool IsPuzzleNumber(long long k) {
  return k >= MinPuzzleNumber && k <= MaxPuzzleNumber;
}

// What keeps a requested puzzle from being played (size, number and
// difficulty 0..10); Form: the request could not be read at all.
enum class TRequestProblem : std::uint8_t { None, Form, Size, Number, Difficulty };
constexpr TRequestProblem RequestProblem(int size, long long number, int difficulty) {
  if (!IsBoardSize(size)) return TRequestProblem::Size;
  if (!IsPuzzleNumber(number)) return TRequestProblem::Number;
  if (difficulty < 0 || difficulty > 10) return TRequestProblem::Difficulty;
  return TRequestProblem::None;
}

// The tile library holds one row of MaxBoardSize pictures per board row:
// tile t (1..MaxBoardSize) of row r is picture (r - 1) * MaxBoardSize + t,
// numbered from 1. A square's imageindex is that number.
constexpr int PictureCount = MaxBoardSize * MaxBoardSize;
constexpr int TilePicture(int row, int tile) {
  return (row - 1) * MaxBoardSize + tile;
}
constexpr bool IsPicture(int picture) {
  return picture >= 1 && picture <= PictureCount;
}
