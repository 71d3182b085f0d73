// The board's full redraw (DrawBoard) at N = 10 in a 1024 x 768 window, and a
// whole puzzle set-up with its redraw, on the real window and the generated
// tiles. Runs headless; the settings store goes to a temporary folder.
#include "BenchWindow.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void BM_DrawBoard(benchmark::State& state) {
  TBenchWindow window(static_cast<int>(state.range(0)));
  TMainForm& form = *window.Form;
  for (auto _ : state) {
    QPainter p(&form.PaintBox1->Canvas);
    form.DrawBoard(p);
  }
  state.counters["width"] = form.PaintBox1->width();
  state.counters["height"] = form.PaintBox1->height();
}
BENCHMARK(BM_DrawBoard)->Arg(10)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_SetUpPuzzle(benchmark::State& state) {
  TBenchWindow window(static_cast<int>(state.range(0)));
  TMainForm& form = *window.Form;
  int number = 1;
  for (auto _ : state) {
    form.Settings->Prefs.PuzzleNumbers[form.Settings->Prefs.PuzzleSize] = number++;
    form.SetUpPuzzle();
  }
}
BENCHMARK(BM_SetUpPuzzle)->Arg(10)->Arg(6)->Arg(4)->Unit(benchmark::kMillisecond);

// One hover explanation of the longest sentence (three tiles in a column) at
// 10 x 10, as every mouse move over such a clue draws it.
void BM_ExplainHover(benchmark::State& state) {
  TBenchWindow window(10);
  TMainForm& form = *window.Form;
  form.Settings->Prefs.ShowHints = true;
  const TClueList* clues = &form.Game.Puzzle.VerticalClues;
  auto three = [&] {
    return std::find_if(clues->begin(), clues->end(),
                        [](const TClue& c) { return c.type() == TClueType::clTwoInSameColumn; });
  };
  while (three() == clues->end()) form.NextBtnClick();
  const int index = int(three() - clues->begin());
  for (auto _ : state) form.ExplainClue(&(*clues)[index], index, false);
}
BENCHMARK(BM_ExplainHover)->Unit(benchmark::kMicrosecond);

// "Give me a clue!" at 10 x 10 on the starting board: the engine's step, its
// explanation, the arrows and the redrawn squares.
void BM_ClueStep(benchmark::State& state) {
  TBenchWindow window(10);
  TMainForm& form = *window.Form;
  for (auto _ : state) {
    state.PauseTiming();
    form.Game.Puzzle.ResetBoard();
    state.ResumeTiming();
    form.ClueBtnClick();
  }
}
BENCHMARK(BM_ClueStep)->Unit(benchmark::kMicrosecond);

}  // namespace
