// A player's statistics from a scripted score table.
#include "RecordsTestSupport.h"
#include "Statistics.h"

#include <gtest/gtest.h>

namespace {
const TSizeStatistics& OfSize(const TPlayerStatistics& s, int size) {
  for (const TSizeStatistics& one : s.Sizes)
    if (one.Size == size) return one;
  static const TSizeStatistics none;
  ADD_FAILURE() << "no line for size " << size;
  return none;
}
}  // namespace

TEST(Statistics, FiguresPerSizeCountOnlyThePlayersResults) {
  TScoreTable table;  // never loaded: nothing is written
  // player, number, size, time, errors, clues, difficulty
  (void)table.AddScore("Ann", 1, 6, 300, 2, 0, 5);
  (void)table.AddScore("Bob", 2, 6, 10, 0, 0, 5);   // faster, but another player's
  (void)table.AddScore("ann", 3, 6, 100, 1, 1, 5);  // the same player in other letters
  (void)table.AddScore("Ann", 4, 6, -1, 0, 3, 5);   // untimed: no time, but its counts
  (void)table.AddScore("Ann", 5, 6, 200, 0, 0, 5);
  (void)table.AddScore("Ann", 6, 6, 251, 4, 0, 5);
  (void)table.AddScore("Ann", 7, 10, 900, 9, 2, 5);
  (void)table.AddScore("Anne", 8, 4, 5, 0, 0, 5);  // a longer name is someone else
  const TPlayerStatistics s = ComputeStatistics(table.Scores(), "Ann");

  ASSERT_EQ(s.Sizes.size(), 6u);
  const TSizeStatistics& six = OfSize(s, 6);
  EXPECT_EQ(six.Completed, 5);
  EXPECT_EQ(six.Timed, 4);
  EXPECT_EQ(six.BestTime, 100);
  // Times 100, 200, 251, 300: the mean of the middle two, rounded down.
  EXPECT_EQ(six.MedianTime, 225);
  EXPECT_DOUBLE_EQ(six.MisClicksPerPuzzle, 7.0 / 5);
  EXPECT_DOUBLE_EQ(six.CluesPerPuzzle, 4.0 / 5);
  const TSizeStatistics& ten = OfSize(s, 10);
  EXPECT_EQ(ten.Completed, 1);
  EXPECT_EQ(ten.BestTime, 900);
  EXPECT_EQ(ten.MedianTime, 900);
  for (int size : {4, 5, 8, 9}) {
    EXPECT_EQ(OfSize(s, size).Completed, 0) << size;
    EXPECT_EQ(OfSize(s, size).BestTime, -1) << size;
    EXPECT_EQ(OfSize(s, size).MedianTime, -1) << size;
    EXPECT_EQ(OfSize(s, size).MisClicksPerPuzzle, 0) << size;
  }
  EXPECT_EQ(s.All.Completed, 6);
  EXPECT_DOUBLE_EQ(s.All.MisClicksPerPuzzle, 16.0 / 6);
  EXPECT_DOUBLE_EQ(s.All.CluesPerPuzzle, 6.0 / 6);
  EXPECT_EQ(s.All.BestTime, -1) << "times of different sizes are not compared";
  // An odd count of times takes the middle one; only untimed games: none.
  (void)table.AddScore("Ann", 9, 6, 50, 0, 0, 5);
  EXPECT_EQ(OfSize(ComputeStatistics(table.Scores(), "Ann"), 6).MedianTime, 200);
  (void)table.AddScore("Cy", 10, 8, -1, 0, 0, 5);
  const TPlayerStatistics cy = ComputeStatistics(table.Scores(), "Cy");
  const TSizeStatistics& untimed = OfSize(cy, 8);
  EXPECT_EQ(untimed.Completed, 1);
  EXPECT_EQ(untimed.BestTime, -1);
  EXPECT_EQ(untimed.MedianTime, -1);
  EXPECT_EQ(StatisticsTimeText(untimed.BestTime), "--:--:--");
  EXPECT_EQ(StatisticsTimeText(3723), "01:02:03");

  // Nothing completed: every line empty, nothing to plot.
  const TPlayerStatistics nobody = ComputeStatistics(table.Scores(), "Dora");
  EXPECT_EQ(nobody.All.Completed, 0);
  EXPECT_TRUE(nobody.Recent.empty());
}

TEST(Statistics, TheLastThirtyResultsFollowTheTableOldestFirst) {
  TScoreTable table;
  for (int i = 1; i <= 40; ++i) {
    (void)table.AddScore("Ann", i, i % 2 ? 4 : 9, i, 0, 0, 5);
    (void)table.AddScore("Bob", 100 + i, 5, i, 0, 0, 5);
  }
  const TPlayerStatistics s = ComputeStatistics(table.Scores(), "Ann");
  ASSERT_EQ(s.Recent.size(), 30u);
  for (int k = 0; k < 30; ++k) {
    EXPECT_EQ(s.Recent[k].Number, 11 + k) << k;
    EXPECT_EQ(s.Recent[k].Player, "Ann");
  }
  // The score window's sort rewrites the table's order, and the plot then
  // follows it (there is no date to do better).
  ASSERT_TRUE(table.Sort(4));  // by time
  const TPlayerStatistics sorted = ComputeStatistics(table.Scores(), "Ann");
  ASSERT_EQ(sorted.Recent.size(), 30u);
  const bool rising = sorted.Recent.front().Time < sorted.Recent.back().Time;
  for (int k = 1; k < 30; ++k) EXPECT_EQ(sorted.Recent[k - 1].Time < sorted.Recent[k].Time, rising) << k;
  EXPECT_EQ(sorted.Recent.front().Number, rising ? 11 : 30);
}
