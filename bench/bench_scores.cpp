// The score table at 100,000 entries: reading the file, sorting by each
// column, writing the file, and the whole of it as a run does it (read, then
// a click on every heading, each click writing the sorted table).
#include "ScoreLines.h"
#include "ScoreTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int Entries = 100000;

struct TScoreFolder {
  QTemporaryDir Dir;
  QString ProgramPath() const { return Dir.filePath("quillmere"); }
  TScoreFolder() {
    QFile file(TScoreTable::ScorePath(ProgramPath()));
    if (!file.open(QIODevice::WriteOnly) || file.write(LongScoreFileText(Entries)) < 0) std::abort();
  }
};

TScoreFolder& Folder() {
  static TScoreFolder folder;
  return folder;
}

void BM_ReadScores(benchmark::State& state) {
  for (auto _ : state) {
    TScoreTable table;
    if (!table.Load(Folder().ProgramPath()).Ok()) std::abort();
    benchmark::DoNotOptimize(table.Scores().data());
  }
}
BENCHMARK(BM_ReadScores)->Unit(benchmark::kMillisecond);

// A table that was never loaded writes nothing: the sort alone. The same
// column each time flips the direction, so every sort moves entries.
void BM_SortScores(benchmark::State& state) {
  TScoreTable loaded;
  if (!loaded.Load(Folder().ProgramPath()).Ok()) std::abort();
  TScoreTable table;
  for (const TScore& s : loaded.Scores())
    (void)table.AddScore(s.Player, s.Number, s.Size, s.Time, s.Errors, s.Clues, s.Difficulty);
  const int column = static_cast<int>(state.range(0));
  for (auto _ : state) {
    if (!table.Sort(column).Ok()) std::abort();
    benchmark::DoNotOptimize(table.Scores().data());
  }
}
BENCHMARK(BM_SortScores)->DenseRange(0, TScoreTable::ColumnCount - 1)->Unit(benchmark::kMillisecond);

// One sort by score and the write of the whole file that follows it.
void BM_SortAndWriteScores(benchmark::State& state) {
  TScoreTable table;
  if (!table.Load(Folder().ProgramPath()).Ok()) std::abort();
  for (auto _ : state)
    if (!table.Sort(2).Ok()) std::abort();
}
BENCHMARK(BM_SortAndWriteScores)->Unit(benchmark::kMillisecond);

// The whole: read the file, then click every heading, each click writing.
void BM_ReadSortEveryColumnWrite(benchmark::State& state) {
  for (auto _ : state) {
    TScoreTable table;
    if (!table.Load(Folder().ProgramPath()).Ok()) std::abort();
    for (int column = 0; column < TScoreTable::ColumnCount; ++column)
      if (!table.Sort(column).Ok()) std::abort();
  }
}
BENCHMARK(BM_ReadSortEveryColumnWrite)->Unit(benchmark::kMillisecond);

}  // namespace
