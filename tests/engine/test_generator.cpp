#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "GameFacts.h"
#include "Puzzle.h"

using enum TClueType;

namespace {

// Every board size the game offers.
const std::vector<int> Sizes = [] {
  std::vector<int> sizes;
  sizes.reserve(BoardSizes.size());
  for (const TBoardSize& size : BoardSizes) sizes.push_back(size.N);
  return sizes;
}();

// What a clue claims, read on the solution columns its coordinates name.
bool ClueIsTrue(const TClue& c) {
  switch (c.type()) {
    case clSameColumn:
    case clTwoInSameColumn:
      return true;
    case clLeftOf:
      return c.c1() < c.c2();
    case clAdjacent:
      return std::abs(c.c1() - c.c2()) == 1;
    case clNotAdjacent:
      return std::abs(c.c1() - c.c2()) != 1;
    case clTwoAdjacent:
      return (c.c1() == c.c3() - 1 && c.c2() == c.c3() + 1) || (c.c2() == c.c3() - 1 && c.c1() == c.c3() + 1);
    default:
      return false;
  }
}

// Coordinates a clue of its type uses.
int UsedCoords(TClueType t) {
  switch (t) {
    case clSameColumn:
      return 3;
    case clTwoAdjacent:
      return 6;
    default:
      return 4;
  }
}

bool IsSubsequence(const TClueList& part, const TClueList& whole) {
  std::size_t j = 0;
  for (const TClue& c : part) {
    while (j < whole.size() && !(whole[j] == c)) ++j;
    if (j == whole.size()) return false;
    ++j;
  }
  return true;
}

void Generate(TPuzzle& p, int n, std::uint32_t number) {
  p.SetSize(n);
  p.Random.Seed(number);
  p.ClearClues();
  p.InitSquares();
  p.ShuffleSolution();
  p.GenerateClues();
}

}  // namespace

TEST(Generator, EveryClueIsTrueAndFitsTheBoard) {
  for (int n : Sizes) {
    for (std::uint32_t number : {1u, 2u, 3u, 17u, 500u, 65535u, 999999u}) {
      TPuzzle p;
      p.SetUp(n, number, 5);
      for (const TClueList* list : {&p.HorizontalClues, &p.VerticalClues}) {
        for (const TClue& c : *list) {
          EXPECT_EQ(c.IsVertical(), list == &p.VerticalClues);
          EXPECT_TRUE(ClueIsTrue(c)) << "size " << n << " number " << number << " type "
                                     << static_cast<int>(c.type());
          EXPECT_TRUE(p.ClueFits(c));
          for (int k = UsedCoords(c.type()) + 1; k <= 6; ++k) EXPECT_EQ(c.Coord(k), 0);
          EXPECT_TRUE(c.type() != clAdjacent && c.type() != clTwoAdjacentExclude &&
                      c.type() != clNotInSameColumn);
        }
      }
    }
  }
}

TEST(Generator, ProvenCluesSolveTheResetBoardAtEveryDifficulty) {
  for (int n : Sizes) {
    for (std::uint32_t number : {1u, 42u, 777777u}) {
      TPuzzle base;
      base.SetUp(n, number, 5);
      for (int d = 0; d <= 10; ++d) {
        TPuzzle p;
        p.SetUp(n, number, d);
        EXPECT_EQ(p.SolvedCount, 0);
        p.Deduce(true, false);
        EXPECT_EQ(p.SolvedCount, n * n) << "size " << n << " number " << number << " difficulty " << d;
        for (int c = 1; c <= n; ++c)
          for (int r = 1; r <= n; ++r)
            ASSERT_EQ(p.Square(c, r).remaining(), TSquare::Bit(p.Square(c, r).localindex()));
        if (d <= 6) {
          EXPECT_EQ(p.HorizontalClues, base.HorizontalClues) << "no thinning below 7";
          EXPECT_EQ(p.VerticalClues, base.VerticalClues);
        } else {
          EXPECT_TRUE(IsSubsequence(p.HorizontalClues, base.HorizontalClues));
          EXPECT_TRUE(IsSubsequence(p.VerticalClues, base.VerticalClues));
        }
      }
    }
  }
}

TEST(Generator, HigherDifficultyThinsMore) {
  std::size_t thinnedSomewhere = 0;
  for (int n : Sizes) {
    std::size_t previous = SIZE_MAX, atSix = 0;
    for (int d = 6; d <= 10; ++d) {
      TPuzzle p;
      p.SetUp(n, 2024, d);
      const std::size_t total = p.HorizontalClues.size() + p.VerticalClues.size();
      EXPECT_LE(total, previous) << n << " " << d;
      if (d == 6) atSix = total;
      if (d == 10) thinnedSomewhere += total < atSix;
      previous = total;
    }
  }
  EXPECT_GT(thinnedSomewhere, 0u);
}

TEST(Generator, EverySquareIsCoveredOrNamedByAColumnClue) {
  for (int n : Sizes) {
    for (std::uint32_t number = 1; number <= 20; ++number) {
      TPuzzle p;
      Generate(p, n, number);
      for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
          bool named = p.Square(c, r).IsCovered();
          for (const TClue& v : p.VerticalClues)
            named = named || (v.c1() == c && (v.c2() == r || v.c3() == r || v.c4() == r));
          EXPECT_TRUE(named) << n << " " << number << " (" << c << "," << r << ")";
        }
      // Merging leaves at most one clue per column whose rows overlap another's.
      for (std::size_t i = 0; i < p.VerticalClues.size(); ++i)
        for (std::size_t j = i + 1; j < p.VerticalClues.size(); ++j)
          EXPECT_FALSE(p.VerticalClues[i] == p.VerticalClues[j]);
    }
  }
}

TEST(Generator, MergeColumnClues) {
  TPuzzle p;
  p.SetSize(8);
  p.VerticalClues = {TClue(clSameColumn, 3, 2, 5, 0, 0, 0), TClue(clSameColumn, 3, 5, 2, 0, 0, 0)};
  p.MergeColumnClues();
  ASSERT_EQ(p.VerticalClues.size(), 1u) << "a repeat says nothing new";

  p.VerticalClues = {TClue(clSameColumn, 1, 1, 2, 0, 0, 0), TClue(clSameColumn, 3, 2, 5, 0, 0, 0),
                     TClue(clSameColumn, 3, 5, 7, 0, 0, 0), TClue(clSameColumn, 4, 1, 2, 0, 0, 0)};
  p.MergeColumnClues();
  ASSERT_EQ(p.VerticalClues.size(), 3u);
  EXPECT_EQ(p.VerticalClues[0], TClue(clSameColumn, 1, 1, 2, 0, 0, 0));
  EXPECT_EQ(p.VerticalClues[1], TClue(clSameColumn, 4, 1, 2, 0, 0, 0));
  EXPECT_EQ(p.VerticalClues[2], TClue(clTwoInSameColumn, 3, 2, 5, 7, 0, 0))
      << "the merged clue goes to the end";

  p.VerticalClues = {TClue(clSameColumn, 3, 2, 5, 0, 0, 0), TClue(clSameColumn, 3, 6, 7, 0, 0, 0)};
  p.MergeColumnClues();
  EXPECT_EQ(p.VerticalClues.size(), 2u) << "four rows stay apart";

  // A three-row clue swallows a pair inside it, then merging starts over.
  p.VerticalClues = {TClue(clTwoInSameColumn, 2, 1, 3, 6, 0, 0), TClue(clSameColumn, 2, 3, 6, 0, 0, 0),
                     TClue(clSameColumn, 5, 1, 4, 0, 0, 0), TClue(clSameColumn, 5, 4, 8, 0, 0, 0)};
  p.MergeColumnClues();
  ASSERT_EQ(p.VerticalClues.size(), 2u);
  EXPECT_EQ(p.VerticalClues[0], TClue(clTwoInSameColumn, 2, 1, 3, 6, 0, 0));
  EXPECT_EQ(p.VerticalClues[1], TClue(clTwoInSameColumn, 5, 1, 4, 8, 0, 0));

  p.VerticalClues = {TClue(clSameColumn, 3, 2, 5, 0, 0, 0)};
  p.MergeColumnClues();
  EXPECT_EQ(p.VerticalClues.size(), 1u);
  p.VerticalClues.clear();
  p.MergeColumnClues();
  EXPECT_TRUE(p.VerticalClues.empty());
}

TEST(Generator, RemoveUnusedCluesRoundsHalfToEvenAndSkipsTheSlidIn) {
  auto run = [](int unused, int p) {
    TPuzzle puzzle;
    for (int i = 0; i < unused; ++i) puzzle.HorizontalClues.push_back(TClue(clLeftOf, 1, 2, 1, i + 1, 0, 0));
    // Used clues between them, so no unused clue slides into a removed one's place.
    for (std::size_t i = 0; i < puzzle.HorizontalClues.size(); i += 2) {
      puzzle.HorizontalClues.insert(puzzle.HorizontalClues.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                    TClue(clLeftOf, 1, 3, 1, 1, 0, 0));
      puzzle.HorizontalClues[i + 1].setUsed(true);
    }
    const std::size_t before = puzzle.HorizontalClues.size();
    puzzle.RemoveUnusedClues(puzzle.CountUnusedClues(), p);
    return static_cast<int>(before - puzzle.HorizontalClues.size());
  };
  EXPECT_EQ(run(2, 25), 0);
  EXPECT_EQ(run(6, 25), 2);
  EXPECT_EQ(run(10, 25), 2);
  EXPECT_EQ(run(3, 50), 2);
  EXPECT_EQ(run(7, 75), 5);
  EXPECT_EQ(run(5, 100), 5);
  EXPECT_EQ(run(0, 100), 0);

  TPuzzle p;
  p.VerticalClues = {TClue(clSameColumn, 1, 1, 2, 0, 0, 0), TClue(clSameColumn, 1, 3, 4, 0, 0, 0),
                     TClue(clSameColumn, 2, 1, 2, 0, 0, 0), TClue(clSameColumn, 3, 1, 2, 0, 0, 0)};
  p.VerticalClues[2].setUsed(true);
  p.HorizontalClues = {TClue(clLeftOf, 1, 2, 1, 1, 0, 0)};
  EXPECT_EQ(p.CountUnusedClues(), 4);
  p.RemoveUnusedClues(4, 100);
  // The first goes, the second slides into its place and stays; the used one
  // stays; the last goes. The horizontal list is still looked at.
  ASSERT_EQ(p.VerticalClues.size(), 2u);
  EXPECT_EQ(p.VerticalClues[0], TClue(clSameColumn, 1, 3, 4, 0, 0, 0));
  EXPECT_EQ(p.VerticalClues[1], TClue(clSameColumn, 2, 1, 2, 0, 0, 0));
  EXPECT_TRUE(p.HorizontalClues.empty());

  TPuzzle q;
  q.VerticalClues = {TClue(clSameColumn, 1, 1, 2, 0, 0, 0), TClue(clSameColumn, 2, 1, 2, 0, 0, 0)};
  q.HorizontalClues = {TClue(clLeftOf, 1, 2, 1, 1, 0, 0)};
  q.RemoveUnusedClues(3, 25);  // limit 1: vertical clues first
  EXPECT_EQ(q.VerticalClues.size(), 1u);
  EXPECT_EQ(q.HorizontalClues.size(), 1u);
}

TEST(Generator, ProveAddsNothingToASetThatAlreadySolves) {
  TPuzzle p;
  p.SetUp(8, 31, 5);
  const TClueList h = p.HorizontalClues, v = p.VerticalClues;
  const auto state = p.Random.State();
  p.ProveRounds = 0;
  p.Prove();
  EXPECT_EQ(p.ProveRounds, 1);
  EXPECT_EQ(p.HorizontalClues, h);
  EXPECT_EQ(p.VerticalClues, v);
  EXPECT_EQ(p.Random.State(), state) << "no draw";
}

TEST(Generator, MostConstrainedSquareScansForwardOrBackwardByOneDraw) {
  auto seedFor = [](bool forward) {
    for (std::uint32_t s = 1;; ++s) {
      PuzzleRandom r;
      r.Seed(s);
      if ((r.Random(100) < 50) == forward) return s;
    }
  };
  TPuzzle p;
  p.SetSize(5);
  p.InitSquares();
  p.Random.Seed(seedFor(true));
  EXPECT_EQ(p.FindMostConstrainedSquare(), (TBoardPos{1, 1})) << "no square below N: first scanned";
  p.Random.Seed(seedFor(false));
  EXPECT_EQ(p.FindMostConstrainedSquare(), (TBoardPos{5, 5}));

  p.Square(1, 2).setRemaining(TSquare::Bit(1) | TSquare::Bit(2) | TSquare::Bit(3));
  p.Square(4, 4).setRemaining(TSquare::Bit(1) | TSquare::Bit(4) | TSquare::Bit(5));
  p.Square(3, 3).setRemaining(TSquare::Bit(1) | TSquare::Bit(3) | TSquare::Bit(4) | TSquare::Bit(5));
  p.Random.Seed(seedFor(true));
  EXPECT_EQ(p.FindMostConstrainedSquare(), (TBoardPos{1, 2}));
  p.Random.Seed(seedFor(false));
  EXPECT_EQ(p.FindMostConstrainedSquare(), (TBoardPos{4, 4})) << "ties go to the first in scan order";
}

TEST(Generator, PartlySolvedColumnClues) {
  // Column 1 wholly solved and nothing else: no column qualifies on any of
  // the 101 draws, so the clue links three columns at the edge.
  for (int edge : {1, 6}) {
    TPuzzle p;
    p.SetSize(6);
    p.InitSquares();
    for (int r = 1; r <= 6; ++r) p.Square(edge, r).Solve();
    p.SolvedCount = 6;
    p.Random.Seed(5);
    p.AddClueForPartlySolvedColumn();
    ASSERT_EQ(p.HorizontalClues.size(), 1u);
    const TClue& c = p.HorizontalClues[0];
    EXPECT_EQ(c.type(), clTwoAdjacent);
    if (edge == 1) {
      EXPECT_EQ(c.c1(), 1);
      EXPECT_EQ(c.c2(), 3);
      EXPECT_EQ(c.c3(), 2);
    } else {
      EXPECT_EQ(c.c1(), 6);
      EXPECT_EQ(c.c2(), 4);
      EXPECT_EQ(c.c3(), 5);
    }
    EXPECT_TRUE(ClueIsTrue(c));
  }

  TPuzzle p;
  p.SetSize(6);
  p.InitSquares();
  p.Square(4, 2).Solve();
  p.Square(4, 5).Solve();
  p.SolvedCount = 2;
  p.Random.Seed(11);
  p.AddClueForPartlySolvedColumn();
  ASSERT_EQ(p.VerticalClues.size(), 1u);
  const TClue& v = p.VerticalClues[0];
  EXPECT_EQ(v.c1(), 4);
  EXPECT_NE(p.Square(4, v.c2()).IsSolved(), p.Square(4, v.c3()).IsSolved())
      << "an open square tied to a solved one";
  EXPECT_TRUE(p.Square(4, v.c2()).IsCovered());
  EXPECT_TRUE(p.Square(4, v.c3()).IsCovered());
}

TEST(Generator, RulingOutACandidateNamesTheSquaresRowAndIsTrue) {
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    TPuzzle p;
    p.SetSize(5);
    p.Random.Seed(seed);
    p.InitSquares();
    p.ShuffleSolution();
    ASSERT_TRUE(p.AddClueRulingOutCandidate());
    const TClue& c = p.HorizontalClues.at(0);
    EXPECT_TRUE(ClueIsTrue(c)) << seed;
    EXPECT_TRUE(p.ClueFits(c));
  }
}

TEST(Generator, BoardsThatStopChangingAreStillProven) {
  // These numbers reach a board that is its own mirror image around a wholly
  // solved middle column; the clues added around that column never change it.
  for (auto [n, number] : {std::pair{5, 3072u}, std::pair{6, 17106u}}) {
    TPuzzle p;
    p.SetUp(n, number, 5);
    EXPECT_LT(p.ProveRounds, 1000) << n << " " << number;
    EXPECT_LE(p.HorizontalClues.size() + p.VerticalClues.size(), static_cast<std::size_t>(n * n))
        << "the clues of the stuck rounds are not kept";
    p.Deduce(true, false);
    EXPECT_EQ(p.SolvedCount, n * n) << n << " " << number;
    for (const TClueList* list : {&p.HorizontalClues, &p.VerticalClues})
      for (const TClue& c : *list) EXPECT_TRUE(ClueIsTrue(c));
  }
}

// Puzzle numbers must keep giving the same puzzles; these fingerprints were
// recorded from the generator and change only if the puzzles themselves do.
TEST(Generator, PuzzleNumbersKeepTheirPuzzles) {
  TPuzzle p;
  p.SetUp(6, 1, 5);
  EXPECT_EQ(p.Random.State(), 1500333260u);
  EXPECT_EQ(p.ProveRounds, 13);
  ASSERT_EQ(p.HorizontalClues.size(), 17u);
  ASSERT_EQ(p.VerticalClues.size(), 9u);
  EXPECT_EQ(p.HorizontalClues[4], TClue(clTwoAdjacent, 3, 5, 4, 5, 1, 2));
  EXPECT_EQ(p.VerticalClues[3], TClue(clTwoInSameColumn, 2, 1, 2, 5, 0, 0));
  const int row1[6] = {1, 6, 2, 5, 3, 4};
  for (int c = 1; c <= 6; ++c) EXPECT_EQ(p.Square(c, 1).localindex(), row1[c - 1]);
}

TEST(Generator, APassDependsOnlyOnTheBoardAndTheClues) {
  // The engine keeps work-saving caches between passes; a puzzle that has
  // been proved and reset must step exactly like a fresh copy of it.
  for (int n : Sizes) {
    TPuzzle played;
    played.SetUp(n, 8080 + static_cast<std::uint32_t>(n), 5);
    TPuzzle fresh;
    fresh.SetSize(n);
    for (int c = 1; c <= MaxBoardSize; ++c)
      for (int r = 1; r <= MaxBoardSize; ++r)
        fresh.Square(c, r).setTile(played.Square(c, r).imageindex(), played.Square(c, r).localindex());
    fresh.HorizontalClues = played.HorizontalClues;
    fresh.VerticalClues = played.VerticalClues;
    fresh.ResetBoard();
    for (int step = 0; step < 3 * n * n && played.SolvedCount < n * n; ++step) {
      const TDeductionStep a = played.Deduce(false, true);
      const TDeductionStep b = fresh.Deduce(false, true);
      ASSERT_EQ(a.Square, b.Square) << n << " step " << step;
      ASSERT_EQ(a.Index, b.Index) << n << " step " << step;
      for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
          ASSERT_EQ(played.Square(c, r).remaining(), fresh.Square(c, r).remaining()) << n << " step " << step;
      if (step % 5 == 4) {  // the player's own moves between steps
        played.ResetBoard();
        fresh.ResetBoard();
      }
    }
  }
}
