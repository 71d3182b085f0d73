// The board's full redraw (DrawBoard) at N = 10 in a 1024 x 768 window, and a
// whole puzzle set-up with its redraw, on the real window and the generated
// tiles; the start of the game and the opening of the score window over a
// long-played score table. Runs headless; the settings store goes to a
// temporary folder.
#include "BenchWindow.h"
#include "ScoreForm.h"
#include "ScoreLines.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

namespace {

void BM_DrawBoard(benchmark::State& state) {
  TBenchWindow window(static_cast<int>(state.range(0)));
  TMainForm& form = *window.Form;
  for (auto _ : state) {
    QPainter p(&form.Board()->Canvas);
    form.Board()->DrawBoard(p);
  }
  state.counters["width"] = form.Board()->width();
  state.counters["height"] = form.Board()->height();
}
BENCHMARK(BM_DrawBoard)->Arg(10)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_SetUpPuzzle(benchmark::State& state) {
  TBenchWindow window(static_cast<int>(state.range(0)));
  TMainForm& form = *window.Form;
  int number = 1;
  for (auto _ : state) {
    form.Session().Settings().Prefs.PuzzleNumbers[form.Session().Settings().Prefs.PuzzleSize] = number++;
    form.Session().SetUpPuzzle();
  }
}
BENCHMARK(BM_SetUpPuzzle)->Arg(10)->Arg(6)->Arg(4)->Unit(benchmark::kMillisecond);

// One hover explanation of the longest sentence (three tiles in a column) at
// 10 x 10, as every mouse move over such a clue draws it.
void BM_ExplainHover(benchmark::State& state) {
  TBenchWindow window(10);
  TMainForm& form = *window.Form;
  form.Session().Settings().Prefs.ShowHints = true;
  const TClueList* clues = &form.Session().Game().Puzzle.VerticalClues;
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
    form.Session().Controller().Puzzle.ResetBoard();
    state.ResumeTiming();
    form.ClueBtnClick();
  }
}
BENCHMARK(BM_ClueStep)->Unit(benchmark::kMicrosecond);

// The whole start over a score file of range(0) entries (100,000 is 9 MB):
// reading the table, the tiles and sounds, and the shown window with its
// first puzzle set up.
void BM_StartWithScoreTable(benchmark::State& state) {
  const QByteArray scores = LongScoreFileText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::optional<TBenchWindow> window(std::in_place, 6, 0, scores);
    if (window->Form->Session().Scores().Scores().size() != static_cast<size_t>(state.range(0))) std::abort();
    state.PauseTiming();  // the window's end and the folder's removal are no part of the start
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartWithScoreTable)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The score window over 100,000 entries, from its creation until it is shown
// and drawn.
void BM_OpenScoreWindow(benchmark::State& state) {
  TBenchWindow window(6, 0, LongScoreFileText(100000));
  TScoreTable& table = window.Form->Session().Scores();
  if (table.Scores().size() != 100000) std::abort();
  for (auto _ : state) {
    TScoreForm form(table, window.Form.get());
    form.show();
    QApplication::processEvents();
    form.hide();
  }
}
BENCHMARK(BM_OpenScoreWindow)->Unit(benchmark::kMillisecond);

}  // namespace
