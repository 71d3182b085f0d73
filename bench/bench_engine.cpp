// Puzzle set-up (shuffle, generation, proving, thinning) per board size, and
// one silent deduction pass over a proven clue set from the reset board.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "Puzzle.h"

namespace {

double ThreadMicros() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

// Each iteration sets up the next puzzle number, so the time per iteration is
// the mean over numbers; the median over numbers (wall and this thread's CPU
// time, which a busy machine does not inflate) and the slowest are counters.
void BM_SetUpPuzzle(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const int n = static_cast<int>(state.range(0));
  TPuzzle p;
  std::uint32_t number = 1;
  std::vector<double> wall, cpu;
  for (auto _ : state) {
    const auto start = Clock::now();
    const double cpuStart = ThreadMicros();
    p.SetUp(n, number, 5);
    benchmark::DoNotOptimize(p.SolvedCount);
    cpu.push_back(ThreadMicros() - cpuStart);
    wall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    number = number % 999999 + 1;
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  state.counters["median_us"] = wall[wall.size() / 2];
  state.counters["median_cpu_us"] = cpu[cpu.size() / 2];
  state.counters["max_us"] = wall.back();
  state.counters["puzzles"] = static_cast<double>(wall.size());
}
BENCHMARK(BM_SetUpPuzzle)->Arg(4)->Arg(5)->Arg(6)->Arg(8)->Arg(9)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_SilentPass(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TPuzzle p;
  p.SetUp(n, 4242, 5);
  for (auto _ : state) {
    p.ResetBoard();
    p.Deduce(true, false);
    benchmark::DoNotOptimize(p.SolvedCount);
  }
}
BENCHMARK(BM_SilentPass)->Arg(4)->Arg(5)->Arg(6)->Arg(8)->Arg(9)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
