// Squares, the solution shuffle and the set-up sequence.
#include "Puzzle.h"

#include <algorithm>
#include <utility>

TPuzzle::TPuzzle() {
  InitSquares();
}

void TPuzzle::SetSize(int n) {
  n_ = std::clamp(n, 4, MaxBoardSize);
}

void TPuzzle::InitSquares() {
  for (int row = 1; row <= MaxBoardSize; ++row)
    for (int column = 1; column <= MaxBoardSize; ++column)
      Square(column, row).Init((row - 1) * 10 + column, column, n_);
}

void TPuzzle::ShuffleSolution() {
  for (int k = 1; k <= 10000; ++k) {
    const int row = (k % n_) + 1;
    const int a = RandomTo(n_);
    const int b = RandomTo(n_);
    TSquare& sa = Square(a, row);
    TSquare& sb = Square(b, row);
    const int image = sa.imageindex();
    const int local = sa.localindex();
    sa.setTile(sb.imageindex(), sb.localindex());
    sb.setTile(image, local);
  }
}

void TPuzzle::ResetBoard() {
  SolvedCount = 0;
  for (int c = 1; c <= n_; ++c)
    for (int r = 1; r <= n_; ++r) Square(c, r).Reset(n_);
}

void TPuzzle::ClearClues() {
  HorizontalClues.clear();
  VerticalClues.clear();
}

void TPuzzle::SetUp(int n, std::uint32_t number, int difficulty) {
  SetSize(n);
  ProveRounds = 0;
  Random.Seed(number);
  SolvedCount = 0;
  ClearClues();
  InitSquares();
  ShuffleSolution();
  GenerateClues();
  Prove();
  const int u = CountUnusedClues();
  if (difficulty >= 7 && difficulty <= 10) RemoveUnusedClues(u, (difficulty - 6) * 25);
  ResetBoard();
}

bool TPuzzle::ClueFits(const TClue& clue) const {
  auto in = [this](int v) { return v >= 1 && v <= n_; };
  switch (clue.type()) {
    case TClueType::clSameColumn:
    case TClueType::clNotInSameColumn:
      return in(clue.c1()) && in(clue.c2()) && in(clue.c3());
    case TClueType::clTwoInSameColumn:
    case TClueType::clAdjacent:
    case TClueType::clNotAdjacent:
    case TClueType::clLeftOf:
      return in(clue.c1()) && in(clue.c2()) && in(clue.c3()) && in(clue.c4());
    case TClueType::clTwoAdjacent:
    case TClueType::clTwoAdjacentExclude:
      return in(clue.c1()) && in(clue.c2()) && in(clue.c3()) && in(clue.c4()) && in(clue.c5()) &&
             in(clue.c6());
  }
  return false;
}
