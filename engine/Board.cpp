// Squares, the solution shuffle and the set-up sequence.
#include "Puzzle.h"

#include <algorithm>
#include <utility>

TPuzzle::TPuzzle() {
  InitSquares();
}

void TPuzzle::SetSize(int n) {
  N = std::clamp(n, MinBoardSize, MaxBoardSize);
}

void TPuzzle::InitSquares() {
  for (int row = 1; row <= MaxBoardSize; ++row)
    for (int column = 1; column <= MaxBoardSize; ++column)
      Square(column, row).Init(TilePicture(row, column), column, N);
}

void TPuzzle::ShuffleSolution() {
  for (int k = 1; k <= 10000; ++k) {
    const int row = (k % N) + 1;
    const int a = RandomTo(N);
    const int b = RandomTo(N);
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
  for (int c = 1; c <= N; ++c)
    for (int r = 1; r <= N; ++r) Square(c, r).Reset(N);
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
  auto in = [this](int v) { return v >= 1 && v <= N; };
  const int tiles = clue.TileCount();
  for (int k = 1; k <= tiles; ++k) {
    const TBoardPos tile = clue.Tile(k);
    if (!in(tile.c) || !in(tile.r)) return false;
  }
  return tiles > 0;
}
