#include "KeyCursor.h"

#include "GameRules.h"

#include <cstdlib>

namespace {

bool LiveCell(const TPuzzle& puzzle, int gc, int gr, int X, int Y) {
  const int n = puzzle.Size();
  if (X < 0 || Y < 0 || X >= n * gc || Y >= n * gr) return false;
  const int q = (Y % gr) * gc + X % gc + 1;
  return q <= n && !puzzle.Square(X / gc + 1, Y / gr + 1).IsSolved();
}

void Place(TKeyCursor& cursor, int gc, int gr, int X, int Y) {
  cursor.c = X / gc + 1;
  cursor.r = Y / gr + 1;
  cursor.q = (Y % gr) * gc + X % gc + 1;
}

}  // namespace

bool StepBoardCursor(const TPuzzle& puzzle, TKeyCursor& cursor, int dx, int dy) {
  const int n = puzzle.Size();
  int gc = 1, gr = 1;
  CandidateGrid(n, gc, gr);
  const int width = n * gc, height = n * gr;
  const int X = (cursor.c - 1) * gc + (cursor.q - 1) % gc;
  const int Y = (cursor.r - 1) * gr + (cursor.q - 1) / gc;
  if (dx) {
    // Along the cells in reading order, so every live cell can be reached.
    for (int at = Y * width + X + dx; at >= 0 && at < width * height; at += dx)
      if (LiveCell(puzzle, gc, gr, at % width, at / width)) {
        Place(cursor, gc, gr, at % width, at / width);
        return true;
      }
    return false;
  }
  // The next row of cells that has a live one, at the nearest column.
  for (int Y2 = Y + dy; dy && Y2 >= 0 && Y2 < height; Y2 += dy) {
    int best = -1;
    for (int X2 = 0; X2 < width; ++X2)
      if (LiveCell(puzzle, gc, gr, X2, Y2) && (best < 0 || std::abs(X2 - X) < std::abs(best - X))) best = X2;
    if (best >= 0) {
      Place(cursor, gc, gr, best, Y2);
      return true;
    }
  }
  return false;
}

void KeepBoardCursorOnBoard(const TPuzzle& puzzle, TKeyCursor& cursor) {
  // The first live cell in reading order from where the cursor stands.
  const int n = puzzle.Size();
  int gc = 1, gr = 1;
  CandidateGrid(n, gc, gr);
  if (cursor.c < 1 || cursor.c > n || cursor.r < 1 || cursor.r > n || cursor.q < 1 || cursor.q > n) {
    cursor.c = cursor.r = cursor.q = 1;
  }
  const int X0 = (cursor.c - 1) * gc + (cursor.q - 1) % gc;
  const int Y0 = (cursor.r - 1) * gr + (cursor.q - 1) / gc;
  const int width = n * gc, count = width * n * gr;
  for (int k = 0; k < count; ++k) {
    const int at = (Y0 * width + X0 + k) % count;
    if (LiveCell(puzzle, gc, gr, at % width, at / width)) {
      Place(cursor, gc, gr, at % width, at / width);
      return;
    }
  }
}
