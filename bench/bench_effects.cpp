// Completion animation: one NextFrame of each effect, frames running on
// through the cycle (all k, both pictures) as the window's timer drives them,
// one every TEffects::FrameInterval (17) ms. The frame must fit in that tick
// with room for the screen's paint; bench_pacing shows the pace as drawn.
//
// Board sizes: 732 x 437 is the board of a 1024 x 768 window; the same margins
// (292 pixels beside the board, 331 above and below it) leave 1628 x 749 in a
// 1920 x 1080 window.

#include "Effects.h"
#include "Images.h"
#include "PuzzleRandom.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

QImage Picture(int w, int h, bool start) {
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  for (int y = 0; y < h; y += 40)
    for (int x = 0; x < w; x += 60)
      p.fillRect(x, y, 60, 40,
                 start ? QColor::fromHsv((x / 60 * 37 + y / 40 * 53) % 360, 200, 220)
                       : QColor::fromHsv((x + y) % 360, 120, 120));
  return image;
}

// The 100 tile pictures the sprinkle draws from.
const TImages& Tiles() {
  static TImages images;
  static QTemporaryDir folder;
  if (images.Count() == 0 && folder.isValid()) {
    for (int i = 0; i < 10; ++i) {
      QImage tile(64, 64, QImage::Format_RGB888);
      tile.fill(QColor::fromHsv(i * 36, 255, 255));
      tile.save(QDir(folder.path()).filePath(QStringLiteral("%1.bmp").arg(i)));
    }
    for (int i = 0; i < 10; ++i) images.LoadFolder(folder.path());
  }
  return images;
}

// Arguments: effect, board width, board height. Every run goes on through
// hundreds of frames, so all k of both transitions. Besides the mean, reports
// the 99th percentile and the slowest single frame in wall-clock time: Qt
// hands long span lists to its thread pool, which the calling thread's CPU
// time would not see.
void NextFrame(benchmark::State& state) {
  const int effect = static_cast<int>(state.range(0));
  const int w = static_cast<int>(state.range(1)), h = static_cast<int>(state.range(2));
  PuzzleRandom random;
  TEffects effects(Tiles(), random);
  effects.StartPicture = Picture(w, h, true);
  effects.FinishPicture = Picture(w, h, false);
  QImage canvas = effects.FinishPicture.copy();
  effects.Start(1);
  effects.EffectNumber = effect;
  std::vector<double> took;
  took.reserve(static_cast<std::size_t>(state.max_iterations));
  for (auto _ : state) {
    const auto begin = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(effects.NextFrame(canvas));
    took.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
  }
  std::sort(took.begin(), took.end());
  state.counters["p99_ms"] = took[took.size() * 99 / 100];
  state.counters["max_ms"] = took.back();
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int effect = 1; effect <= TEffects::EffectCount; ++effect) {
    b->Args({effect, 732, 437});
    b->Args({effect, 1628, 749});
  }
}

}  // namespace

BENCHMARK(NextFrame)
    ->Apply(Sizes)
    ->ArgNames({"effect", "w", "h"})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

BENCHMARK_MAIN();
