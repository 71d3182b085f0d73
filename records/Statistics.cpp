#include "Statistics.h"

#include "GameFacts.h"

#include <algorithm>

namespace {

TSizeStatistics Summarise(int size, const std::vector<const TScore*>& results, bool withTimes) {
  TSizeStatistics s;
  s.Size = size;
  s.Completed = static_cast<int>(results.size());
  if (results.empty()) return s;
  // Wide sums: a hand-edited file may hold any 32-bit counts.
  long long errors = 0, clues = 0;
  std::vector<int> times;
  for (const TScore* r : results) {
    errors += r->Errors;
    clues += r->Clues;
    if (r->Time >= 0) times.push_back(r->Time);
  }
  s.MisClicksPerPuzzle = double(errors) / s.Completed;
  s.CluesPerPuzzle = double(clues) / s.Completed;
  s.Timed = static_cast<int>(times.size());
  if (!withTimes || times.empty()) return s;
  std::sort(times.begin(), times.end());
  s.BestTime = times.front();
  const std::size_t mid = times.size() / 2;
  s.MedianTime = times.size() % 2
                     ? times[mid]
                     : static_cast<int>((static_cast<long long>(times[mid - 1]) + times[mid]) / 2);
  return s;
}

}  // namespace

TPlayerStatistics ComputeStatistics(const std::vector<TScore>& scores, const QString& player) {
  TPlayerStatistics stats;
  stats.Player = player;
  std::vector<const TScore*> mine;
  for (const TScore& s : scores)
    if (s.Player.compare(player, Qt::CaseInsensitive) == 0) mine.push_back(&s);
  for (const TBoardSize& size : BoardSizes) {
    std::vector<const TScore*> ofSize;
    for (const TScore* s : mine)
      if (s->Size == size.N) ofSize.push_back(s);
    stats.Sizes.push_back(Summarise(size.N, ofSize, true));
  }
  stats.All = Summarise(0, mine, false);
  const std::size_t first =
      mine.size() > TPlayerStatistics::RecentCount ? mine.size() - TPlayerStatistics::RecentCount : 0;
  for (std::size_t i = first; i < mine.size(); ++i) stats.Recent.push_back(*mine[i]);
  return stats;
}

QString StatisticsTimeText(int seconds) {
  if (seconds < 0) return QStringLiteral("--:--:--");
  auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  return two(seconds / 3600) + u':' + two(seconds / 60 % 60) + u':' + two(seconds % 60);
}
