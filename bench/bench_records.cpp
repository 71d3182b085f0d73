// Saving and opening a half-played 10 x 10 game through its file, as the
// window's save and open commands do (without their message boxes).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdlib>

#include "Puzzle.h"
#include "SavedGame.h"

namespace {

// A 10 x 10 puzzle with a few rows placed and some candidates removed.
void SetUpPlayedGame(TPuzzle& p) {
  p.SetUp(10, 4242, 5);
  for (int r = 1; r <= 10; r += 3) {
    for (int c = 1; c <= 10; c += 2) {
      TSquare& square = p.Square(c, r);
      if (square.IsSolved()) continue;
      square.Solve();
      ++p.SolvedCount;
      p.RemoveFromRow(c, r, square.localindex());
    }
  }
  for (int c = 1; c <= 10; ++c) {
    TSquare& square = p.Square(c, 2);
    const int wrong = square.localindex() % 10 + 1;
    if (!square.IsSolved() && square.CandidateCount() > 2) square.RemoveCandidate(wrong);
  }
}

void BM_SaveGame(benchmark::State& state) {
  QTemporaryDir dir;
  TPuzzle p;
  SetUpPlayedGame(p);
  const QString path = dir.filePath("Anna_4242_10.sav");
  for (auto _ : state) {
    const TResult result = WriteSavedGame(path, SavedGameOf(p, 4242, 321));
    if (!result) {
      state.SkipWithError(result.Error.toStdString().c_str());
      break;
    }
  }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_OpenGame(benchmark::State& state) {
  QTemporaryDir dir;
  TPuzzle played;
  SetUpPlayedGame(played);
  const QString path = dir.filePath("Anna_4242_10.sav");
  if (!WriteSavedGame(path, SavedGameOf(played, 4242, 321))) std::abort();
  TPuzzle board;
  board.SetUp(6, 1, 5);
  for (auto _ : state) {
    TSavedGame game;
    const TResult result = ReadSavedGame(path, game);
    if (!result) {
      state.SkipWithError(result.Error.toStdString().c_str());
      break;
    }
    ApplySavedGame(game, board);
    benchmark::DoNotOptimize(board.SolvedCount);
  }
}
BENCHMARK(BM_OpenGame)->Unit(benchmark::kMicrosecond);

}  // namespace
