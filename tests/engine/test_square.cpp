#include <gtest/gtest.h>

#include "PuzzleRandom.h"
#include "Square.h"

TEST(Square, InitAndResetKeepWhatTheyShould) {
  TSquare sq;
  sq.Init(23, 3, 6);
  EXPECT_EQ(sq.imageindex(), 23);
  EXPECT_EQ(sq.localindex(), 3);
  EXPECT_EQ(sq.CandidateCount(), 6);
  for (int t = 1; t <= 6; ++t) EXPECT_TRUE(sq.HasCandidate(t)) << t;
  EXPECT_FALSE(sq.HasCandidate(7));

  sq.MarkCovered();
  sq.RemoveCandidate(5);
  sq.Solve();
  sq.Reset(4);
  EXPECT_FALSE(sq.IsSolved());
  EXPECT_TRUE(sq.IsCovered()) << "Reset keeps covered";
  EXPECT_EQ(sq.lastremoved(), 5) << "Reset keeps lastremoved";
  EXPECT_EQ(sq.CandidateCount(), 4);

  sq.Init(23, 3, 4);
  EXPECT_FALSE(sq.IsCovered()) << "only Init clears covered";
  EXPECT_EQ(sq.lastremoved(), 5) << "lastremoved survives Init too";
}

TEST(Square, CandidateBoundsAndRemoval) {
  TSquare sq;
  sq.Init(1, 1, 10);
  EXPECT_FALSE(sq.HasCandidate(0));
  EXPECT_FALSE(sq.HasCandidate(16));
  EXPECT_FALSE(sq.HasCandidate(-1));

  sq.RemoveCandidate(4);
  sq.RemoveCandidate(4);  // not a candidate any more, still recorded
  EXPECT_EQ(sq.lastremoved(), 4);
  EXPECT_FALSE(sq.HasCandidate(4));
  EXPECT_EQ(sq.CandidateCount(), 9);
  sq.AddCandidate(4);
  EXPECT_TRUE(sq.HasCandidate(4));
  sq.AddCandidate(0);  // outside the tile numbers: ignored
  sq.AddCandidate(12);
  EXPECT_EQ(sq.CandidateCount(), 10);
}

TEST(Square, SolveAndSingle) {
  TSquare sq;
  sq.Init(14, 4, 5);
  sq.RemoveCandidate(4);
  EXPECT_FALSE(sq.IsSingle());
  sq.Solve();  // even without its own tile among the candidates
  EXPECT_TRUE(sq.IsSolved());
  EXPECT_EQ(sq.remaining(), TSquare::Bit(4));
  EXPECT_TRUE(sq.IsSingle());

  sq.setRemaining(0);
  EXPECT_TRUE(sq.IsSingle()) << "no candidate counts as single";
}

TEST(PuzzleRandom, LinearCongruentialDraws) {
  PuzzleRandom random;
  EXPECT_EQ(random.State(), 0u) << "state 0 at start";
  EXPECT_EQ(random.Random(100), 0u);  // state 1: 100 / 2^32 rounds down
  EXPECT_EQ(random.State(), 1u);

  random.Seed(1);
  EXPECT_EQ(random.Random(100), 3u);  // state 134775814: 13477581400 >> 32 = 3
  EXPECT_EQ(random.State(), 134775814u);

  // The state wraps modulo 2^32 and draws stay in range.
  random.Seed(0xFFFFFFFFu);
  std::uint32_t expected = 0xFFFFFFFFu;
  for (int i = 0; i < 1000; ++i) {
    expected = static_cast<std::uint32_t>(static_cast<std::uint64_t>(expected) * 134775813u + 1u);
    const std::uint32_t n = 1 + static_cast<std::uint32_t>(i % 999999);
    const std::uint32_t v = random.Random(n);
    ASSERT_EQ(random.State(), expected);
    ASSERT_LT(v, n);
    ASSERT_EQ(v, (static_cast<std::uint64_t>(expected) * n) >> 32);
  }
}
