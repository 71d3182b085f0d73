// The completion animation's pacing as the player sees it: the real window
// completes a puzzle and its own timer runs the animation for four seconds of
// wall-clock time. Counted on the board's screen paints: frames drawn and
// painted per second, and transitions per second, each of which leaves the
// whole board showing the other picture (the flash rate; three a second is
// the usual limit for flashing, and the animation keeps under one).
#include "BenchWindow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Counts the board's paints and the transitions they show.
struct TPaintCounter : QObject {
  explicit TPaintCounter(const TEffects& effects) : Effects(effects) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++Paints;
      if (Effects.ShowFinish != ShowFinish) {
        ShowFinish = Effects.ShowFinish;
        ++Transitions;
      }
    }
    return false;
  }
  const TEffects& Effects;
  int Paints = 0;
  int Transitions = 0;  // completed: the running one turned over
  bool ShowFinish = false;
};

void BM_AnimationPacing(benchmark::State& state) {
  TBenchWindow window(static_cast<int>(state.range(0)), 1);
  TMainForm& form = *window.Form;
  TPuzzle& puzzle = form.Session().Controller().Puzzle;
  for (auto _ : state) {
    for (int r = 1; r <= form.N(); ++r)
      for (int c = 1; c <= form.N(); ++c)
        if (!puzzle.Square(c, r).IsSolved())
          form.Session().Controller().Press({c, r, puzzle.Square(c, r).localindex(), TButton::Left});
    form.Timer1Timer();  // completes and starts the animation
    if (!form.Board()->Animation()->isActive()) std::abort();
    TPaintCounter counter(*TMainFormProbe::Effects(form));
    form.Board()->installEventFilter(&counter);
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(4000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    form.Board()->removeEventFilter(&counter);
    // Every frame so far: the completed transitions and the running one's.
    const int frames =
        counter.Transitions * TEffects::FrameCount + TMainFormProbe::Effects(form)->FrameNumber - 1;
    state.counters["effect"] = TMainFormProbe::Effects(form)->EffectNumber;
    state.counters["frames_per_s"] = frames / seconds;
    state.counters["paints_per_s"] = counter.Paints / seconds;
    state.counters["transitions_per_s"] = counter.Transitions / seconds;
    state.counters["transition_s"] = frames > 0 ? TEffects::FrameCount * seconds / frames : 0;
    form.NextBtnClick();  // stops the animation
  }
}
BENCHMARK(BM_AnimationPacing)->Arg(10)->Arg(4)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
