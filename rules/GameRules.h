#pragma once

#include "GameFacts.h"

#include <cstdint>
#include <string_view>

// The game's rules in standard C++ (no Qt), so that any front end can share
// them: board geometry and hit tests, what a press on a candidate does, the
// clock, the puzzle numbers. The window translates events into these calls
// and draws the outcome; the texts built from them are the session's.

enum class TGameSound { Click, Pop, Error, Complete };

// The candidate grid of an unsolved square: gc columns by gr rows.
void CandidateGrid(int n, int& gc, int& gr);

// The first k in 0..Count-1 whose band 8 + k * (CellSize + 10) .. + CellSize
// (both ends inclusive) holds Pos; -1 when none does. RowAt has a pitch of
// CellSize + 6.
int ColumnAt(int CellSize, int Pos, int Count);
int RowAt(int CellSize, int Pos, int Count);

// The board's geometry for N squares a side in a client area of CW x CH.
struct TBoardLayout {
  TBoardLayout(int n, int clientWidth, int clientHeight);
  int N, CW, CH;
  int W, H;    // SquareWidth, SquareHeight
  int gc, gr;  // candidate grid
  int cw, ch;  // candidate cell
  int X0(int X) const { return 8 + (X - 1) * (W + 10); }
  int Y0(int Y) const { return 8 + (Y - 1) * (H + 6); }
};

// What lies under board point (x, y): square (c, r), 1-based, and its grid cell
// (sc, sr) with the tile number q = sr * gc + sc + 1 there.
struct TBoardHit {
  bool Square = false;  // a square is hit
  bool Cell = false;    // ...and a cell of its grid (not the leftover pixels)
  int c = 0, r = 0, sc = 0, sr = 0, q = 0;
};
TBoardHit HitTest(const TBoardLayout& layout, int x, int y);

enum class TPressResult {
  Ignored,           // nothing changes, nothing sounds
  Placed,            // the right tile was placed
  MisClick,          // a wrong tile placed, or the square's own tile removed
  Removed,           // a candidate removed
  RemovedAndSolved,  // ...leaving one, which solved the square
  Restored,          // a removed candidate came back
  RedrawOnly,        // the removed tile is placed elsewhere in the row
};

// The game clock's counters; Timer1 ticks every Interval ms. The time stops
// at MaxSeconds (99:59:59), penalties included, so it never overflows.
struct TGameClock {
  static constexpr int Interval = 100;
  static constexpr int MaxSeconds = 99 * 3600 + 59 * 60 + 59;
  int TickCount = 0;
  int ElapsedSeconds = 0;
  int MessageAge = 0;
  // One clock event; true when it completed a whole second.
  bool Tick();
  // Adds a penalty's seconds.
  void Add(int seconds);
  void Reset() {
    TickCount = 0;
    ElapsedSeconds = 0;
  }
};

int ClampPuzzleNumber(long long number);
// A puzzle number as the player types it for "Go to": blanks around it
// ignored, an optional sign and digits, clamped into the puzzle numbers
// (digits beyond 64 bits too); anything else is the first puzzle.
int ParsePuzzleNumber(std::string_view text);

// What mistakes cost at a difficulty of 0..10, in seconds: a mis-click its
// difficulty, a clue asked for twice that and 10 more.
struct TPenalties {
  int MisClick = 0;
  int Clue = 0;
};
constexpr TPenalties PenaltiesFor(int difficulty) {
  return {.MisClick = difficulty, .Clue = 2 * difficulty + 10};
}

// A finished puzzle's points: 10000 x size - 11 x time - 10 x errors -
// 1000 x clues, computed wide and kept within 1 .. 2^31 - 1. An untimed
// game's time of -1 adds 11.
std::int32_t ScoreFor(std::int32_t size, std::int32_t time, std::int32_t errors, std::int32_t clues);

// Board sizes of the size list, entry 0.. of BoardSizes; -1 / 0 for anything else.
int SizeForIndex(int index);
int IndexForSize(int size);

// Clue panel geometry. Horizontal: two clues of 3s x s per row, R rows.
struct THorizontalLayout {
  int s = 0;
  int R = 0;
};
THorizontalLayout HorizontalLayoutFor(int HW, int HH, int n);
inline int HorizontalClueLeft(int i, int s) {
  return i % 2 == 0 ? 6 : 3 * s + 18;
}
inline int HorizontalClueTop(int i, int s) {
  return 8 + (i / 2) * (s + 6);
}
// The clue under (x, y), or -1.
int HorizontalClueAt(int HW, int HH, int n, int x, int y);
// Vertical: m clues of s x 3s side by side.
int VerticalTileSize(int VW, int VH, int m);
inline int VerticalClueLeft(int i, int s) {
  return 10 + i * (s + 10);
}
int VerticalClueAt(int VW, int VH, int m, int x, int y);
// The client width "Best Fit" gives the horizontal panel, or -1 for no change.
int BestFitWidth(int panelWidth, int panelHeight, int boxWidth, int boxHeight, int n);

// The puzzle of the day: day is counted from 1 January 2000 (day 0) in the
// local calendar, and its number is 1 + (day x 524287 mod 999999), 999999
// being MaxPuzzleNumber. 524287 is prime and does not divide 999999, so
// 999999 days in a row (over 2700
// years) never meet the same number twice, and neighbouring days are far
// apart. Every size plays the same number on a day.
constexpr long long DailyMultiplier = 524287;
int DailyPuzzleNumber(long long day);
// The day of a date of the proleptic Gregorian calendar in that count
// (negative before 2000).
long long DailyDayOf(int year, int month, int day);
