// Tile scaling cost. A full board redraw at N = 10 scales every candidate of
// every square: 100 squares x 10 candidates = 1000 pictures of 64 x 64.
//
// The cell size follows the board layout for a 1024 x 768 window: the board
// paint box is what is left of the client area beside the 288-pixel clue panel
// and above the 199-pixel clue panel, the 59-pixel toolbar, the 38-pixel
// information bar, the menu (about 22) and the 36-pixel hint pane, that is
// 736 x 414. Squares are (736 - 10 N - 6) div N = 63 by (414 - 6 N - 10) div N
// = 33 pixels, split into a 4 x 3 candidate grid: cells of 15 x 11.

#include "Images.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int BoardWidth = 736;
constexpr int BoardHeight = 414;
constexpr int N = 10;
constexpr int SquareWidth = (BoardWidth - 10 * N - 6) / N;
constexpr int SquareHeight = (BoardHeight - 6 * N - 10) / N;
constexpr int CellWidth = SquareWidth / 4;
constexpr int CellHeight = SquareHeight / 3;

// 100 distinct 64 x 64 pictures: smooth colour fields with noise, so that
// neither scaler meets a trivially compressible source.
const std::vector<QImage>& Pictures() {
  static const std::vector<QImage> pictures = [] {
    std::vector<QImage> result;
    std::mt19937 random(99);
    std::uniform_int_distribution<int> noise(0, 40);
    for (int i = 0; i < 100; ++i) {
      QImage image(64, 64, QImage::Format_RGB888);
      for (int y = 0; y < 64; ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < 64; ++x) {
          p[3 * x] = static_cast<uchar>((x * 3 + i * 7) % 216 + noise(random));
          p[3 * x + 1] = static_cast<uchar>((y * 3 + i * 13) % 216 + noise(random));
          p[3 * x + 2] = static_cast<uchar>(((x + y) * 2 + i) % 216 + noise(random));
        }
      }
      result.push_back(std::move(image));
    }
    return result;
  }();
  return pictures;
}

void FullBoardResample(benchmark::State& state) {
  const auto& pictures = Pictures();
  QImage scratch(CellWidth, CellHeight, QImage::Format_RGB888);
  for (auto _ : state) {
    for (int square = 0; square < 100; ++square)
      for (int tile = 0; tile < 10; ++tile) {
        ResampleBitmap(pictures[static_cast<std::size_t>(10 * (square / 10) + tile)], scratch);
        benchmark::DoNotOptimize(scratch.constBits());
      }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  state.SetLabel(std::to_string(CellWidth) + "x" + std::to_string(CellHeight) + " cells");
}

void FullBoardQtSmooth(benchmark::State& state) {
  const auto& pictures = Pictures();
  for (auto _ : state) {
    for (int square = 0; square < 100; ++square)
      for (int tile = 0; tile < 10; ++tile) {
        QImage scaled = pictures[static_cast<std::size_t>(10 * (square / 10) + tile)].scaled(
            CellWidth, CellHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
      }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}

// Megapixels of target written per second, 64 x 64 sources to side x side.
void ResampleSize(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const auto& pictures = Pictures();
  QImage target(side, side, QImage::Format_RGB888);
  std::size_t i = 0;
  for (auto _ : state) {
    ResampleBitmap(pictures[i++ % pictures.size()], target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.counters["Mpix"] = benchmark::Counter(static_cast<double>(state.iterations()) * side * side / 1e6,
                                              benchmark::Counter::kIsRate);
}

void QtSmoothSize(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const auto& pictures = Pictures();
  std::size_t i = 0;
  for (auto _ : state) {
    QImage scaled =
        pictures[i++ % pictures.size()].scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    benchmark::DoNotOptimize(scaled.constBits());
  }
  state.counters["Mpix"] = benchmark::Counter(static_cast<double>(state.iterations()) * side * side / 1e6,
                                              benchmark::Counter::kIsRate);
}

}  // namespace

// Wall-clock time throughout: Qt spreads larger scalings over worker threads,
// which CPU time of the calling thread would not see.
BENCHMARK(FullBoardResample)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FullBoardQtSmooth)->Unit(benchmark::kMillisecond)->UseRealTime();
// 15: a candidate cell; 30: a solved square's picture; 60: the largest solved
// picture; 128: enlarging. (At 64, Qt returns the source itself unscaled.)
BENCHMARK(ResampleSize)->Arg(15)->Arg(30)->Arg(60)->Arg(128)->UseRealTime();
BENCHMARK(QtSmoothSize)->Arg(15)->Arg(30)->Arg(60)->Arg(128)->UseRealTime();

BENCHMARK_MAIN();
