#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GameFacts.h"
#include "Puzzle.h"

namespace {
// Every board size the game offers.
const std::vector<int> Sizes = [] {
  std::vector<int> sizes;
  sizes.reserve(BoardSizes.size());
  for (const TBoardSize& size : BoardSizes) sizes.push_back(size.N);
  return sizes;
}();
}  // namespace

TEST(Board, ShuffleGivesPermutationsAndUsesExactly20000Draws) {
  for (int n : Sizes) {
    TPuzzle p;
    p.SetSize(n);
    p.InitSquares();
    p.Random.Seed(4242);
    p.ShuffleSolution();

    PuzzleRandom reference;
    reference.Seed(4242);
    for (int i = 0; i < 20000; ++i) reference.Random(static_cast<std::uint32_t>(n));
    EXPECT_EQ(p.Random.State(), reference.State()) << n;

    bool moved = false;
    for (int r = 1; r <= MaxBoardSize; ++r) {
      std::vector<int> row;
      for (int c = 1; c <= MaxBoardSize; ++c) {
        const TSquare& sq = p.Square(c, r);
        EXPECT_EQ(sq.imageindex(), (r - 1) * 10 + sq.localindex()) << c << "," << r;
        if (c <= n && r <= n)
          row.push_back(sq.localindex());
        else
          EXPECT_EQ(sq.localindex(), c) << "slots outside the board are untouched";
        moved = moved || (c <= n && r <= n && sq.localindex() != c);
      }
      if (r <= n) {
        std::sort(row.begin(), row.end());
        for (int t = 1; t <= n; ++t) EXPECT_EQ(row[t - 1], t) << "row " << r << " of size " << n;
      }
    }
    EXPECT_TRUE(moved);
  }
}

TEST(Board, ShuffleVisitsRowsInTheirCycle) {
  // For N = 4 the iterations visit rows 2, 3, 4, 1, 2, ..., each exchanging
  // the columns of two draws. Replaying that on a plain grid from the same
  // seed must give the same rows.
  const std::uint32_t seed = 31337;
  int tiles[5][5];
  for (int row = 1; row <= 4; ++row)
    for (int c = 1; c <= 4; ++c) tiles[c][row] = c;
  const int cycle[4] = {2, 3, 4, 1};
  PuzzleRandom r;
  r.Seed(seed);
  for (int k = 1; k <= 10000; ++k) {
    const int row = cycle[(k - 1) % 4];
    const int x = static_cast<int>(r.Random(4)) + 1;
    const int y = static_cast<int>(r.Random(4)) + 1;
    std::swap(tiles[x][row], tiles[y][row]);
  }
  TPuzzle p;
  p.SetSize(4);
  p.InitSquares();
  p.Random.Seed(seed);
  p.ShuffleSolution();
  for (int row = 1; row <= 4; ++row)
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(p.Square(c, row).localindex(), tiles[c][row]) << c << "," << row;
}

TEST(Board, ResetBoardKeepsSolutionAndCoveredFlags) {
  TPuzzle p;
  p.SetUp(6, 77, 5);
  std::vector<int> solution;
  int covered = 0;
  for (int c = 1; c <= 6; ++c)
    for (int r = 1; r <= 6; ++r) {
      solution.push_back(p.Square(c, r).localindex());
      covered += p.Square(c, r).IsCovered();
    }
  EXPECT_GT(covered, 0) << "generation covers squares";
  EXPECT_EQ(p.SolvedCount, 0);

  p.Deduce(true, false);
  EXPECT_EQ(p.SolvedCount, 36);
  p.ResetBoard();
  EXPECT_EQ(p.SolvedCount, 0);
  int i = 0, coveredAfter = 0;
  for (int c = 1; c <= 6; ++c)
    for (int r = 1; r <= 6; ++r) {
      const TSquare& sq = p.Square(c, r);
      EXPECT_EQ(sq.localindex(), solution[i++]);
      EXPECT_FALSE(sq.IsSolved());
      EXPECT_EQ(sq.CandidateCount(), 6);
      coveredAfter += sq.IsCovered();
    }
  EXPECT_EQ(coveredAfter, covered);
}

TEST(Board, SetUpIsDeterministicAndReseeds) {
  for (int n : Sizes) {
    TPuzzle a, b;
    a.SetUp(n, 123456, 5);
    b.Random.Seed(99);  // whatever came before must not matter
    b.Random.Random(7);
    b.SetUp(n, 123456, 5);
    for (int c = 1; c <= MaxBoardSize; ++c)
      for (int r = 1; r <= MaxBoardSize; ++r)
        ASSERT_EQ(a.Square(c, r).localindex(), b.Square(c, r).localindex());
    EXPECT_EQ(a.HorizontalClues, b.HorizontalClues);
    EXPECT_EQ(a.VerticalClues, b.VerticalClues);
    EXPECT_EQ(a.Random.State(), b.Random.State());
    EXPECT_EQ(a.ProveRounds, b.ProveRounds);

    TPuzzle other;
    other.SetUp(n, 123457, 5);
    EXPECT_FALSE(other.HorizontalClues == a.HorizontalClues && other.VerticalClues == a.VerticalClues)
        << "neighbouring numbers give different puzzles";
  }
}
