#include "Effects.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Images.h"
#include "PuzzleRandom.h"

namespace {

constexpr double Pi = std::numbers::pi;

// The test board: u = 360 / 90 = 4, centre (180, 120).
constexpr int W = 360;
constexpr int H = 240;
constexpr int StartTag = 0x40;
constexpr int FinishTag = 0x80;

// Every pixel names its picture and its own position: red and green hold the
// low bytes of x and y, blue the picture's tag and their high bits. So a pixel
// of the canvas tells which picture it came from and from where.
QImage Coded(int w, int h, int tag) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, tag | (x >> 8) << 2 | y >> 8));
  return image;
}

struct TSource {
  int Tag, X, Y;
};

TSource SourceOf(const QImage& canvas, int x, int y) {
  const QRgb p = canvas.pixel(x, y);
  const int b = qBlue(p);
  return {b & 0xF0, qRed(p) | (b >> 2 & 3) << 8, qGreen(p) | (b & 3) << 8};
}

// Where a pixel must come from; nullopt where the rule leaves it open (the
// rasterised edges of shapes). Tolerance allows for stretched copies.
struct TExpected {
  int Tag, X, Y, Tolerance = 0;
};
using TRule = std::function<std::optional<TExpected>(int x, int y)>;

std::optional<TExpected> Start(int x, int y, int tolerance = 0) {
  return TExpected{StartTag, x, y, tolerance};
}
std::optional<TExpected> Finish(int x, int y) {
  return TExpected{FinishTag, x, y};
}

// Checks every pixel the rule decides. Unless the frame covers the whole
// board, the rule must find pixels of both pictures, or it would prove nothing.
void ExpectPixels(const QImage& canvas, const TRule& rule, const std::string& what, bool covers = false) {
  int wrong = 0, fromStart = 0, fromFinish = 0;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const auto e = rule(x, y);
      if (!e) continue;
      ++(e->Tag == StartTag ? fromStart : fromFinish);
      const TSource s = SourceOf(canvas, x, y);
      if (s.Tag == e->Tag && std::abs(s.X - e->X) <= e->Tolerance && std::abs(s.Y - e->Y) <= e->Tolerance)
        continue;
      if (++wrong <= 5)
        ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") shows "
                      << (s.Tag == StartTag ? "start" : "finish") << " (" << s.X << ", " << s.Y
                      << "), expected " << (e->Tag == StartTag ? "start" : "finish") << " (" << e->X << ", "
                      << e->Y << ")";
    }
  EXPECT_EQ(wrong, 0) << what;
  EXPECT_GT(fromStart, 0) << what << ": no pixel shows the start picture";
  EXPECT_TRUE(covers || fromFinish > 0) << what << ": no pixel keeps the finished board";
}

// Progress sizes of the test board (w > h), rounded as plain arithmetic would.
int Wk(int k) {
  return static_cast<int>(std::floor(W * k / 100.0 + 0.5));
}
int Hk(int k) {
  return static_cast<int>(std::floor(Wk(k) * H / static_cast<double>(W) + 0.5));
}

using TPoints = std::vector<std::pair<double, double>>;

bool InPolygon(const TPoints& p, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    const auto [xi, yi] = p[i];
    const auto [xj, yj] = p[j];
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

double DistanceToEdges(const TPoints& p, double x, double y) {
  double nearest = 1e9;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    const auto [xi, yi] = p[i];
    const auto [xj, yj] = p[j];
    const double dx = xj - xi, dy = yj - yi, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((x - xi) * dx + (y - yi) * dy) / length, 0.0, 1.0) : 0;
    nearest = std::min(nearest, std::hypot(x - xi - t * dx, y - yi - t * dy));
  }
  return nearest;
}

// Sampling every other pixel of every other row keeps the sanitized build quick.
bool Sampled(int x, int y) {
  return x % 2 == 0 && y % 2 == 0;
}

// Start inside any of the polygons, finish outside all of them, open within
// 1.5 pixels of an edge, where rasterising rules may differ.
TRule InPolygons(const std::vector<TPoints>& polygons) {
  return [polygons](int x, int y) -> std::optional<TExpected> {
    if (!Sampled(x, y)) return std::nullopt;
    const double cx = x + 0.5, cy = y + 0.5;
    bool inside = false;
    for (const TPoints& p : polygons) {
      if (DistanceToEdges(p, cx, cy) < 1.5) return std::nullopt;
      inside = inside || InPolygon(p, cx, cy);
    }
    return inside ? Start(x, y) : Finish(x, y);
  };
}

// The same for a smooth shape: open where the corners of the 3 x 3 square
// about the pixel disagree with its centre.
TRule Shape(const std::function<bool(double, double)>& inside) {
  return [inside](int x, int y) -> std::optional<TExpected> {
    if (!Sampled(x, y)) return std::nullopt;
    const double cx = x + 0.5, cy = y + 0.5, m = 1.5;
    const bool centre = inside(cx, cy);
    for (double dx : {-m, m})
      for (double dy : {-m, m})
        if (inside(cx + dx, cy + dy) != centre) return std::nullopt;
    return centre ? Start(x, y) : Finish(x, y);
  };
}

TPoints Turned(TPoints points, int k) {
  const double a = k * Pi / 50;
  for (auto& [x, y] : points) {
    const double dx = x - W / 2.0, dy = y - H / 2.0;
    x = W / 2.0 + std::cos(a) * dx - std::sin(a) * dy;
    y = H / 2.0 + std::sin(a) * dx + std::cos(a) * dy;
  }
  return points;
}

TPoints SweepPolygon(int k, int direction) {
  const double r = 217;  // the smallest whole number >= sqrt(180^2 + 120^2) = 216.3
  TPoints p{{W / 2.0, H / 2.0}};
  for (int i = 0; i < k; ++i) {
    const double a = -Pi / 2 + direction * i * Pi / 50;
    p.emplace_back(W / 2.0 + r * std::cos(a), H / 2.0 + r * std::sin(a));
  }
  return p;
}

class EffectsTest : public ::testing::Test {
 protected:
  TImages Images;  // empty: only the sprinkle reads it
  PuzzleRandom Random;
  TEffects Effects{Images, Random};
  QImage Canvas;

  void SetUp() override {
    Effects.StartPicture = Coded(W, H, StartTag);
    Effects.FinishPicture = Coded(W, H, FinishTag);
    Canvas = Effects.FinishPicture.copy();
  }

  // Frame k of the transition that brings in the start picture, drawn alone
  // over the finished board.
  const QImage& Frame(int effect, int k) {
    Canvas = Effects.FinishPicture.copy();
    Effects.EffectNumber = effect;
    Effects.FrameNumber = k;
    Effects.ShowFinish = false;
    EXPECT_TRUE(Effects.NextFrame(Canvas));
    return Canvas;
  }
};

TEST(MulDiv, RoundsHalvesAwayFromZeroIn64Bits) {
  EXPECT_EQ(TEffects::MulDiv(1, 1, 2), 1);
  EXPECT_EQ(TEffects::MulDiv(5, 1, 2), 3);
  EXPECT_EQ(TEffects::MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(TEffects::MulDiv(5, 1, -2), -3);
  EXPECT_EQ(TEffects::MulDiv(732, 33, 100), 242);  // 241.56
  EXPECT_EQ(TEffects::MulDiv(732, 7, 100), 51);    // 51.24
  EXPECT_EQ(TEffects::MulDiv(2000000000, 3, 4), 1500000000);
}

TEST_F(EffectsTest, StartReseedsTheSharedSourceAndPicksTheEffectFromIt) {
  Random.Seed(12345);
  PuzzleRandom untouched = Random;
  untouched.Random(20);
  Effects.FrameNumber = 57;
  Effects.ShowFinish = true;
  Effects.StepFactor = 3;
  Effects.Start(1);
  EXPECT_NE(Random.State(), untouched.State());
  // The effect is the one draw after the seed: the upper bits of state x 20.
  EXPECT_EQ(Effects.EffectNumber, static_cast<int>((std::uint64_t{Random.State()} * 20) >> 32) + 1);
  EXPECT_EQ(Effects.FrameNumber, 1);
  EXPECT_FALSE(Effects.ShowFinish);
  EXPECT_EQ(Effects.StepFactor, 1);

  // A clock fine enough to give different seeds to quick successive starts.
  std::set<int> seen;
  for (int i = 0; i < 200; ++i) {
    Effects.Start(1);
    ASSERT_GE(Effects.EffectNumber, 1);
    ASSERT_LE(Effects.EffectNumber, 20);
    seen.insert(Effects.EffectNumber);
  }
  EXPECT_GE(seen.size(), 10u);
}

TEST_F(EffectsTest, AnimationOffLeavesTheBoardWhileTheFramesCycle) {
  Effects.Start(0);
  EXPECT_EQ(Effects.EffectNumber, 0);
  const QImage before = Canvas.copy();
  for (int i = 0; i < 150; ++i) ASSERT_TRUE(Effects.NextFrame(Canvas));
  EXPECT_EQ(Canvas, before);
  EXPECT_EQ(Effects.FrameNumber, 51);
  EXPECT_TRUE(Effects.ShowFinish);
}

TEST_F(EffectsTest, TransitionsAlternateBetweenThePictures) {
  Effects.Start(1);
  Effects.EffectNumber = 2;  // slides cover the whole board at frame 100
  for (int i = 0; i < 100; ++i) Effects.NextFrame(Canvas);
  EXPECT_EQ(Canvas, Effects.StartPicture);
  EXPECT_TRUE(Effects.ShowFinish);
  EXPECT_EQ(Effects.FrameNumber, 1);
  Effects.NextFrame(Canvas);
  const int edge = W - Wk(1);
  ExpectPixels(
      Canvas, [&](int x, int y) { return x >= edge ? Finish(x - edge, y) : Start(x, y); },
      "finish slide, k = 1");
  for (int i = 1; i < 100; ++i) Effects.NextFrame(Canvas);
  EXPECT_EQ(Canvas, Effects.FinishPicture);
  EXPECT_FALSE(Effects.ShowFinish);
}

TEST_F(EffectsTest, SlidesPushesAndBandsCopyTheirPartsOfThePicture) {
  const int k = 40, w = Wk(k), h = Hk(k);  // 144, 96
  ASSERT_EQ(w, 144);
  ASSERT_EQ(h, 96);

  ExpectPixels(
      Frame(2, k), [&](int x, int y) { return x >= W - w ? Start(x - (W - w), y) : Finish(x, y); }, "slide");
  // The board moves down by Hk and the start picture's bottom rows fill the top.
  ExpectPixels(
      Frame(3, k), [&](int x, int y) { return y < h ? Start(x, H - h + y) : Finish(x, y - h); }, "push");
  ExpectPixels(
      Frame(6, k), [&](int x, int y) { return x >= 108 && x < 252 ? Start(x, y) : Finish(x, y); }, "split");
  // Right band of width Wk in place; the 90 columns left of it (w div u) are
  // stretched over the rest.
  ExpectPixels(
      Frame(7, k),
      [&](int x, int y) {
        return x >= W - w ? Start(x, y) : Start(126 + static_cast<int>((x + 0.5) * 90 / 216), y, 1);
      },
      "stretch", true);
  // Pitch 240 div 4 = 60: bands 2 x (60 x 40 div 200) = 24 high about y = 30,
  // 90, 150, 210; bands 144 x 40 div 100 = 57 wide at x = 0, 144, 288.
  ExpectPixels(
      Frame(8, k),
      [&](int x, int y) {
        const bool band = y % 60 >= 18 && y % 60 < 42;
        return band || x % 144 < 57 ? Start(x, y) : Finish(x, y);
      },
      "blinds");
  // Pitch 90: bands 36 wide about x = 45, 135, ...; bands 96 x 40 div 100 = 38
  // high with bottoms at 240, 144, 48.
  ExpectPixels(
      Frame(9, k),
      [&](int x, int y) {
        const bool band = x % 90 >= 27 && x % 90 < 63;
        return band || (240 - y - 1) % 96 < 38 ? Start(x, y) : Finish(x, y);
      },
      "bars");
  ExpectPixels(
      Frame(10, k),
      [&](int x, int y) {
        const bool rising = x % 10 < 5 && y >= H - h, hanging = x % 10 >= 5 && y < h;
        return rising || hanging ? Start(x, y) : Finish(x, y);
      },
      "comb");
  // 2 Wk = 288 of 360: rows y = 0, 10, ... reach 288 from the right; columns
  // x = 0, 10, ... reach 192 from the bottom.
  ExpectPixels(
      Frame(16, k),
      [&](int x, int y) {
        const bool row = y % 10 < 5 && x >= W - 288, column = x % 10 < 5 && y >= H - 192;
        return row || column ? Start(x, y) : Finish(x, y);
      },
      "weave, first strips");
  // k = 70: 2 Wk = 504, 2 Hk = 336: the first strips are full, the second ones
  // reach 144 from the right and 96 from the bottom.
  ExpectPixels(
      Frame(16, 70),
      [&](int x, int y) {
        const bool row = y % 10 < 5 || x >= W - 144, column = x % 10 < 5 || y >= H - 96;
        return row || column ? Start(x, y) : Finish(x, y);
      },
      "weave, second strips");
}

TEST_F(EffectsTest, RollsShowTheMirroredPictureBeyondTheFold) {
  // {k, fold}: the fold sits Wk div 2, w div 10 or half the rest beyond Wk.
  // Each fold is copied to a plain local, as clang before 16 cannot capture
  // a structured binding in a lambda.
  for (auto [k, fold] : {std::pair{10, 54}, {40, 180}, {90, 342}}) {
    const int w = Wk(k), R = fold;
    ExpectPixels(
        Frame(12, k),
        [&](int x, int y) { return x < w   ? Start(x, y)
                                   : x < R ? Start(2 * R - 1 - x, y)
                                           : Finish(x, y); },
        "roll from the left, k = " + std::to_string(k));
  }
  for (auto [k, fold] : {std::pair{10, 36}, {40, 120}, {90, 228}}) {
    const int h = Hk(k), B = fold;
    ExpectPixels(
        Frame(18, k),
        [&](int x, int y) { return y < h   ? Start(x, y)
                                   : y < B ? Start(x, 2 * B - 1 - y)
                                           : Finish(x, y); },
        "roll from the top, k = " + std::to_string(k));
  }
  for (auto [k, fold] : {std::pair{10, 204}, {40, 120}, {90, 12}}) {
    const int D = H - Hk(k), T = fold;
    ExpectPixels(
        Frame(20, k),
        [&](int x, int y) { return y >= D   ? Start(x, y)
                                   : y >= T ? Start(x, 2 * T - 1 - y)
                                            : Finish(x, y); },
        "roll from the bottom, k = " + std::to_string(k));
  }
}

TEST_F(EffectsTest, ShapesClipThePictureToTheirOutline) {
  const int k = 40;
  const double w = Wk(k), h = Hk(k), cx = W / 2.0, cy = H / 2.0;
  for (auto [effect, direction] : {std::pair{4, 1}, {15, -1}}) {
    ExpectPixels(Frame(effect, k), InPolygons({SweepPolygon(k, direction)}),
                 "sweep " + std::to_string(effect));
  }
  // Turned by 0.8 pi: a sign error would show the mirror image.
  const TPoints star = Turned({{cx - 2 * w, cy},
                               {cx - 72, cy - 48},
                               {cx, cy - 2 * h},
                               {cx + 72, cy - 48},
                               {cx + 2 * w, cy},
                               {cx + 72, cy + 48},
                               {cx, cy + 2 * h},
                               {cx - 72, cy + 48}},
                              k);
  ExpectPixels(Frame(5, k), InPolygons({star}), "star");
  const TPoints rectangle =
      Turned({{cx - 72, cy - 48}, {cx + 72, cy - 48}, {cx + 72, cy + 48}, {cx - 72, cy + 48}}, k);
  ExpectPixels(Frame(14, k), InPolygons({rectangle}), "rectangle");

  // Outside the rectangle (-36, -24) .. (396, 264) with corner ellipses
  // 216 x 9 div 5 = 388 by 144 x 9 div 5 = 259.
  const double L = -36, T = -24, R = 396, B = 264, a = 388 / 2.0, b = 259 / 2.0;
  ExpectPixels(Frame(17, k), Shape([&](double x, double y) {
                 const double ex = x < L + a ? L + a : x > R - a ? R - a : x;
                 const double ey = y < T + b ? T + b : y > B - b ? B - b : y;
                 const bool inside = (x - ex) * (x - ex) / (a * a) + (y - ey) * (y - ey) / (b * b) <= 1;
                 return !inside;
               }),
               "iris");

  // v = u div 2 = 2: grid points 180 x 120 apart, legs 2 x 72 and 2 x 48.
  std::vector<TPoints> triangles;
  for (int j = 0; j <= 2; ++j)
    for (int i = 0; i <= 2; ++i) {
      const double x = 180 * i, y = 120 * j;
      triangles.push_back({{x - 72, y - 48}, {x + 72, y - 48}, {x - 72, y + 48}});
    }
  ExpectPixels(Frame(19, k), InPolygons(triangles), "triangles");
}

TEST_F(EffectsTest, TheSweepEndsOneWedgeShortOfTheFullTurn) {
  Effects.Start(1);
  Effects.EffectNumber = 4;
  for (int i = 0; i < 100; ++i) Effects.NextFrame(Canvas);
  ExpectPixels(Canvas, InPolygons({SweepPolygon(100, 1)}), "sweep after frame 100");
  // The wedge just anticlockwise of twelve o'clock, halfway out.
  const double a = -Pi / 2 - Pi / 100;
  EXPECT_EQ(SourceOf(Canvas, static_cast<int>(W / 2.0 + 60 * std::cos(a)),
                     static_cast<int>(H / 2.0 + 60 * std::sin(a)))
                .Tag,
            FinishTag);
}

TEST_F(EffectsTest, FizzAndDripAreRaggedDifferentlyEveryFrame) {
  const int k = 40, h = Hk(k);
  // Fizz: e = 24, blocks of 2 up to 24 rows above the columns' tops at 144.
  // Drip: columns end within c - 1 = 33 rows of Hk = 96.
  struct TCase {
    int Effect, SolidBelow, SolidAbove;
    int StartTagBelow;
  };
  const TCase cases[] = {{11, H - h, H - h - 24, StartTag}, {13, h + 33, h - 33, FinishTag}};
  for (const TCase& c : cases) {
    const QImage first = Frame(c.Effect, k).copy();
    const QImage second = Frame(c.Effect, k).copy();
    EXPECT_NE(first, second) << "effect " << c.Effect;
    const int otherTag = c.StartTagBelow == StartTag ? FinishTag : StartTag;
    for (const QImage* image : {&first, &second}) {
      int wrong = 0;
      std::set<int> ragged;
      for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
          const TSource s = SourceOf(*image, x, y);
          if (s.X != x || s.Y != y) ++wrong;
          if (y >= c.SolidBelow && s.Tag != c.StartTagBelow) ++wrong;
          if (y < c.SolidAbove && s.Tag != otherTag) ++wrong;
          if (y >= c.SolidAbove && y < c.SolidBelow) ragged.insert(s.Tag);
        }
      EXPECT_EQ(wrong, 0) << "effect " << c.Effect;
      EXPECT_EQ(ragged.size(), 2u) << "effect " << c.Effect << ": both pictures meet in the ragged edge";
    }
  }
}

TEST_F(EffectsTest, SprinkleDrawsTheDrawnTileAtTheDrawnPlaceOrNothing) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (int i = 0; i < 10; ++i) {
    QImage tile(64, 64, QImage::Format_RGB888);
    tile.fill(qRgb(10 * i, 200, 30));
    ASSERT_TRUE(tile.save(QDir(folder.path()).filePath(QStringLiteral("%1.bmp").arg(i))));
  }
  for (int i = 0; i < 10; ++i) ASSERT_EQ(Images.LoadFolder(folder.path()), 10);  // pictures 0..99
  Effects.Start(1);
  Effects.EffectNumber = 1;
  int drawn = 0, empty = 0;
  for (int frame = 0; frame < 200; ++frame) {
    PuzzleRandom replay = Random;
    const int left = static_cast<int>(replay.Random(W)), top = static_cast<int>(replay.Random(H));
    const int number = static_cast<int>(replay.Random(144));
    QImage expected = Effects.FinishPicture.copy();
    if (number < 100) {
      QPainter(&expected).fillRect(left, top, 64, 64, QColor(qRgb(10 * (number % 10), 200, 30)));
      ++drawn;
    } else {
      ++empty;
    }
    Canvas = Effects.FinishPicture.copy();
    Effects.NextFrame(Canvas);
    ASSERT_EQ(Canvas, expected) << "frame " << frame << ": picture " << number << " at " << left << ", "
                                << top;
  }
  EXPECT_GT(drawn, 0);
  EXPECT_GT(empty, 0);
}

// A pitch or step of 0 pixels would loop for ever inside a frame; a watchdog
// turns that into a failure instead of a hanging test.
TEST_F(EffectsTest, TinyBoardsNeverHang) {
  std::atomic<bool> done{false};
  std::thread watchdog([&done] {
    for (int i = 0; i < 100 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!done) {
      std::fprintf(stderr, "TinyBoardsNeverHang: a frame did not return within 10 s\n");
      std::_Exit(1);
    }
  });
  for (auto [w, h] : {std::pair{3, 2}, {2, 5}, {1, 1}, {0, 0}}) {
    Effects.StartPicture = Coded(w, h, StartTag);
    Effects.FinishPicture = Coded(w, h, FinishTag);
    for (int effect = 1; effect <= 20; ++effect) {
      Canvas = Effects.FinishPicture.copy();
      Effects.Start(1);
      Effects.EffectNumber = effect;
      for (int i = 0; i < 200; ++i) Effects.NextFrame(Canvas);
      EXPECT_EQ(Effects.FrameNumber, 1);
      EXPECT_FALSE(Effects.ShowFinish);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const int tag = SourceOf(Canvas, x, y).Tag;
          EXPECT_TRUE(tag == StartTag || tag == FinishTag) << w << " x " << h << ", effect " << effect;
        }
    }
  }
  done = true;
  watchdog.join();
}

// Not run by default: writes frames 1, 25, 50, 75 and 100 of every effect at
// the 1024 x 768 window's board size, a third of the size, to a PNG.
// --gtest_also_run_disabled_tests --gtest_filter=*ContactSheet*
TEST(EffectsSheet, DISABLED_ContactSheet) {
  int argc = 1;
  char name[] = "test_effects";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);  // for the labels' font
  const int w = 732, h = 437, tw = w / 3, th = h / 3, gap = 4, label = 28;
  QImage start(w, h, QImage::Format_RGB32), finish(w, h, QImage::Format_RGB32);
  {
    // Start: a grid of coloured tiles; finish: rings with a white cross.
    QPainter p(&start);
    for (int j = 0; j < 6; ++j)
      for (int i = 0; i < 10; ++i) {
        p.fillRect(i * w / 10, j * h / 6, w / 10 + 1, h / 6 + 1,
                   QColor::fromHsv((i * 36 + j * 50) % 360, 200, 230));
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(i * w / 10, j * h / 6, w / 10, h / 6);
      }
    QPainter q(&finish);
    for (int r = 520; r > 0; r -= 40) {
      q.setBrush(r / 40 % 2 ? QColor(30, 40, 120) : QColor(250, 210, 40));
      q.setPen(Qt::NoPen);
      q.drawEllipse(QPoint(w / 2, h / 2), r, r);
    }
    q.setPen(QPen(Qt::white, 14));
    q.drawLine(0, 0, w, h);
    q.drawLine(w, 0, 0, h);
  }
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (int i = 0; i < 10; ++i) {
    QImage tile(64, 64, QImage::Format_RGB888);
    tile.fill(QColor::fromHsv(i * 36, 255, 255));
    QPainter(&tile).fillRect(16, 16, 32, 32, Qt::black);
    ASSERT_TRUE(tile.save(QDir(folder.path()).filePath(QStringLiteral("%1.bmp").arg(i))));
  }
  TImages images;
  for (int i = 0; i < 10; ++i) images.LoadFolder(folder.path());
  PuzzleRandom random;
  TEffects effects(images, random);
  effects.StartPicture = start;
  effects.FinishPicture = finish;

  const int frames[] = {1, 25, 50, 75, 100};
  QImage sheet(label + 5 * (tw + gap), 20 * (th + gap), QImage::Format_RGB32);
  sheet.fill(Qt::darkGray);
  QPainter s(&sheet);
  s.setPen(Qt::white);
  for (int effect = 1; effect <= 20; ++effect) {
    effects.Start(1);
    effects.EffectNumber = effect;
    QImage canvas = finish.copy();
    const int y = (effect - 1) * (th + gap);
    s.drawText(QRect(0, y, label, th), Qt::AlignCenter, QString::number(effect));
    for (int k = 1, column = 0; k <= 100; ++k) {
      effects.NextFrame(canvas);
      if (k != frames[column]) continue;
      s.drawImage(QRect(label + column * (tw + gap), y, tw, th),
                  canvas.scaled(tw, th, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      ++column;
    }
  }
  s.end();
  const char* path = std::getenv("QUILLMERE_EFFECTS_SHEET");
  ASSERT_TRUE(sheet.save(QString::fromLocal8Bit(path ? path : "/tmp/effects-sheet.png")));
}

}  // namespace
