#pragma once

#include "ScoreTable.h"

#include <QString>

#include <vector>

// One board size's figures (Size 0: all sizes together) for one player.
struct TSizeStatistics {
  int Size = 0;
  int Completed = 0;  // results in the table
  int Timed = 0;      // ...of them with a time (an untimed game has none)
  // Over the timed results only; -1 when there is none. With an even count
  // the median is the mean of the two middle times, rounded down.
  int BestTime = -1;
  int MedianTime = -1;
  double MisClicksPerPuzzle = 0;  // 0 when nothing was completed
  double CluesPerPuzzle = 0;
};

// A player's statistics, all taken from the score table.
struct TPlayerStatistics {
  QString Player;
  // One entry for each board size, 4 to 10, completed or not.
  std::vector<TSizeStatistics> Sizes;
  // Every size together; its times stay -1, as times of different sizes
  // do not compare.
  TSizeStatistics All;
  // The player's last RecentCount results, oldest first, in the table's
  // order. The file has no dates, but each completion is appended to it, so
  // its order is the order of completion until a sort in the score window
  // rewrites the file in the sort's order.
  static constexpr int RecentCount = 30;
  std::vector<TScore> Recent;
};

// The statistics of player (names compared without regard to case, as the
// score window's erasing does).
TPlayerStatistics ComputeStatistics(const std::vector<TScore>& scores, const QString& player);

// A time as the score window shows it: hh:mm:ss, or "--:--:--" for none.
QString StatisticsTimeText(int seconds);
