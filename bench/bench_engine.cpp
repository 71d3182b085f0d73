// Puzzle set-up (shuffle, generation, proving, thinning) per board size, and
// one silent deduction pass over a proven clue set from the reset board.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Puzzle.h"

namespace {

// Each iteration sets up the next puzzle number, so the time per iteration is
// the mean over numbers; the median and the slowest are reported as counters.
void BM_SetUpPuzzle(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const int n = static_cast<int>(state.range(0));
    TPuzzle p;
    std::uint32_t number = 1;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = Clock::now();
        p.SetUp(n, number, 5);
        benchmark::DoNotOptimize(p.SolvedCount);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        number = number % 999999 + 1;
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["max_us"] = micros.back();
    state.counters["puzzles"] = static_cast<double>(micros.size());
}
BENCHMARK(BM_SetUpPuzzle)->Arg(4)->Arg(5)->Arg(6)->Arg(8)->Arg(9)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_SilentPass(benchmark::State& state)
{
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

} // namespace
