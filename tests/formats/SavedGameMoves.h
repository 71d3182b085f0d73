#pragma once
// What the saved-game tests share: a saved game printed as its file, and the
// player's two moves made on a puzzle as the window makes them.

#include "Puzzle.h"
#include "SavedGameFormat.h"

#include <ostream>

// Failures show the whole file rather than the value's bytes.
inline void PrintTo(const TSavedGame& game, std::ostream* out) {
  *out << '\n' << SavedGameText(game);
}

// The player's two moves as the window makes them: placing the right tile,
// and removing a wrong candidate (which solves the square when one is left).
inline void Place(TPuzzle& p, int c, int r) {
  TSquare& square = p.Square(c, r);
  if (square.IsSolved()) return;
  square.Solve();
  ++p.SolvedCount;
  p.RemoveFromRow(c, r, square.localindex());
}

inline void Remove(TPuzzle& p, int c, int r, int t) {
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
