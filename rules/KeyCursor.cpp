#include "KeyCursor.h"

#include "GameRules.h"

#include <algorithm>
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

bool StepBoardSquare(const TPuzzle& puzzle, TKeyCursor& cursor, int dx, int dy) {
  return MoveBoardCursorTo(puzzle, cursor, cursor.c + dx, cursor.r + dy);
}

bool MoveBoardCursorTo(const TPuzzle& puzzle, TKeyCursor& cursor, int c, int r) {
  const int n = puzzle.Size();
  if (c < 1 || c > n || r < 1 || r > n) return false;
  KeepBoardCursorOnBoard(puzzle, cursor);
  cursor.c = c;
  cursor.r = r;
  return true;
}

bool ChooseCandidate(const TPuzzle& puzzle, TKeyCursor& cursor, int q) {
  KeepBoardCursorOnBoard(puzzle, cursor);
  if (q < 1 || q > puzzle.Size() || puzzle.Square(cursor.c, cursor.r).IsSolved()) return false;
  cursor.q = q;
  return true;
}

bool BoardCursorOnBoard(const TPuzzle& puzzle, const TKeyCursor& cursor) {
  const int n = puzzle.Size();
  return cursor.c >= 1 && cursor.c <= n && cursor.r >= 1 && cursor.r <= n && cursor.q >= 1 && cursor.q <= n;
}

void KeepBoardCursorOnBoard(const TPuzzle& puzzle, TKeyCursor& cursor) {
  if (!BoardCursorOnBoard(puzzle, cursor)) cursor.c = cursor.r = cursor.q = 1;
}

bool PutBoardCursorOn(const TPuzzle& puzzle, TKeyCursor& cursor, int c, int r, int q) {
  TKeyCursor at = cursor;
  at.c = c;
  at.r = r;
  at.q = q;
  if (!BoardCursorOnBoard(puzzle, at)) return false;
  cursor = at;
  return true;
}

void ShowKeyCursor(const TPuzzle& puzzle, TKeyCursor& cursor, TKeyPane pane) {
  cursor.Active = true;
  cursor.Pane = pane;
  KeepBoardCursorOnBoard(puzzle, cursor);
  const int n = static_cast<int>(puzzle.HorizontalClues.size()),
            m = static_cast<int>(puzzle.VerticalClues.size());
  cursor.Horizontal = std::clamp(cursor.Horizontal, 0, std::max(0, n - 1));
  cursor.Vertical = std::clamp(cursor.Vertical, 0, std::max(0, m - 1));
}

bool StepClueCursor(const TPuzzle& puzzle, TKeyCursor& cursor, bool vertical, int step) {
  const int n = static_cast<int>((vertical ? puzzle.VerticalClues : puzzle.HorizontalClues).size());
  int& i = vertical ? cursor.Vertical : cursor.Horizontal;
  const int before = i;
  if (i + step >= 0 && i + step < n) i += step;
  i = std::clamp(i, 0, std::max(0, n - 1));
  return i != before;
}

TTileRef CursorTile(const TPuzzle& puzzle, const TKeyCursor& cursor) {
  const TSquare& square = puzzle.Square(cursor.c, cursor.r);
  return {cursor.r, square.IsSolved() ? square.localindex() : cursor.q};
}

TCluesNaming CluesNamingTile(const TPuzzle& puzzle, TTileRef tile) {
  // A clue names its tiles by the squares the solution puts them in.
  const auto names = [&](const TClue& clue) {
    for (int k = 1; k <= clue.TileCount(); ++k) {
      const TBoardPos at = clue.Tile(k);
      if (at.r == tile.r && puzzle.Square(at.c, at.r).localindex() == tile.t) return true;
    }
    return false;
  };
  TCluesNaming found;
  for (int i = 0; i < int(puzzle.HorizontalClues.size()); ++i)
    if (names(puzzle.HorizontalClues[i])) found.Horizontal.push_back(i);
  for (int i = 0; i < int(puzzle.VerticalClues.size()); ++i)
    if (names(puzzle.VerticalClues[i])) found.Vertical.push_back(i);
  return found;
}
