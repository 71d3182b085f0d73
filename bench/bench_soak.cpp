// Soak: the completion animation for 100,000 frames, then 999 puzzle set-ups
// by one Ctrl+press on the puzzle label, on the real window at 10 x 10.
// Resident memory is read before and after (after a short warm-up that fills
// the caches a first run fills); the counters report it in kilobytes.
#include "BenchWindow.h"

#include <QTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Resident memory in kilobytes; freed heap pages go back first, so only
// what is really held counts.
double ResidentKilobytes() {
  malloc_trim(0);
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
}

struct TSoakWindow : TBenchWindow {
  TSoakWindow() : TBenchWindow(10, 1) {}

  // Solves the board square by square and lets the clock see it, which
  // starts the animation.
  void Complete() {
    TMainForm& form = *Form;
    TPuzzle& puzzle = form.Session().Controller().Puzzle;
    for (int r = 1; r <= form.N(); ++r)
      for (int c = 1; c <= form.N(); ++c)
        if (!puzzle.Square(c, r).IsSolved())
          form.Session().Controller().Press({c, r, puzzle.Square(c, r).localindex(), TButton::Left});
    form.Timer1Timer();
    if (!form.Board()->Animation()->isActive()) std::abort();
  }

  void Frames(int count) {
    for (int i = 1; i <= count; ++i) {
      Form->Board()->NextFrame();
      if (i % 100 == 0) QApplication::processEvents();  // the screen shows a frame now and then
    }
  }
};

void BM_SoakAnimationAndSetUps(benchmark::State& state) {
  TSoakWindow window;
  TMainForm& form = *window.Form;
  // Warm-up: one completion, some frames and one set-up fill the caches.
  window.Complete();
  window.Frames(1000);
  form.NextBtnClick();
  QApplication::processEvents();

  double before = 0, after = 0;
  for (auto _ : state) {
    before = ResidentKilobytes();
    window.Complete();
    window.Frames(100000);
    form.RzLabel1MouseDown(Qt::ControlModifier);  // 999 puzzles on
    QApplication::processEvents();
    after = ResidentKilobytes();
  }
  state.counters["rss_before_kb"] = before;
  state.counters["rss_after_kb"] = after;
  state.counters["rss_growth_kb"] = after - before;
  state.counters["puzzle"] = form.Session().Game().Number();
}
BENCHMARK(BM_SoakAnimationAndSetUps)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
