#include "Effects.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "Images.h"
#include "PuzzleRandom.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr int SprinkleSize = 64;
constexpr int SprinkleNumbers = 144;  // more than the library holds: some ticks draw nothing

// What every effect needs for one frame: the board size, the frame k, the
// progress sizes Wk and Hk, the unit u and the centre.
struct TFrame {
  QImage& Canvas;
  const QImage& P;  // the picture the running transition brings in
  int w, h, k, Wk, Hk, u, cx, cy;
  PuzzleRandom& Random;
  const TImages& TileImages;

  int Draw(int n) const { return static_cast<int>(Random.Random(static_cast<std::uint32_t>(n))); }
};

QPoint Rounded(double x, double y) {
  return QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

// A shape as the union of rectangles, most of them one row high.
using TSpans = std::vector<QRect>;

// The board's pixels whose centres lie inside any of Polygons (each filled by
// the non-zero rule), row by row. Only the board's rows are scanned, however
// far the polygons reach beyond it.
TSpans PolygonSpans(const std::vector<QPolygon>& Polygons, int w, int h) {
  std::vector<std::pair<int, int>> extents;  // rows each polygon can touch
  for (const QPolygon& polygon : Polygons) {
    const QRect bounds = polygon.boundingRect();
    extents.emplace_back(std::max(bounds.top(), 0), std::min(bounds.bottom() + 1, h));
  }
  TSpans result;
  std::vector<std::pair<double, int>> crossings;
  std::vector<std::pair<int, int>> spans;
  for (int y = 0; y < h; ++y) {
    const double yc = y + 0.5;
    spans.clear();
    for (std::size_t p = 0; p < Polygons.size(); ++p) {
      if (y < extents[p].first || y >= extents[p].second) continue;
      const QPolygon& polygon = Polygons[p];
      crossings.clear();
      for (qsizetype i = 0, n = polygon.size(); i < n; ++i) {
        const QPoint a = polygon[i], b = polygon[(i + 1) % n];
        if ((a.y() <= yc) == (b.y() <= yc)) continue;  // half-open, so a vertex counts once
        crossings.emplace_back(a.x() + (yc - a.y()) * (b.x() - a.x()) / (b.y() - a.y()),
                               a.y() < b.y() ? 1 : -1);
      }
      std::sort(crossings.begin(), crossings.end());
      int winding = 0;
      double from = 0;
      for (const auto& [x, direction] : crossings) {
        if (winding == 0) from = x;
        winding += direction;
        if (winding == 0) {
          // Pixels whose centres lie in [from, x).
          const int left = std::max(static_cast<int>(std::ceil(from - 0.5)), 0);
          const int right = std::min(static_cast<int>(std::ceil(x - 0.5)), w);
          if (right > left) spans.emplace_back(left, right);
        }
      }
    }
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 0; i < spans.size();) {
      int right = spans[i].second;
      std::size_t j = i + 1;
      for (; j < spans.size() && spans[j].first <= right; ++j) right = std::max(right, spans[j].second);
      result.emplace_back(spans[i].first, y, right - spans[i].first, 1);
      i = j;
    }
  }
  return result;
}

// A painter on the canvas that copies rather than blends.
struct TCopyPainter : QPainter {
  explicit TCopyPainter(QImage& Canvas) : QPainter(&Canvas) { setCompositionMode(CompositionMode_Source); }
};

// Whether P's pixels can go into the canvas byte for byte: the same format,
// one whose copy by the painter is a plain copy of the 32-bit pixels.
bool CopiesBytes(const TFrame& f) {
  const QImage::Format format = f.Canvas.format();
  return f.P.format() == format &&
         (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied);
}

// P's pixels x0..x1-1 of rows y0..y1-1 copied into the same place on the
// canvas, cut to both pictures.
void CopyBytes(const TFrame& f, int x0, int y0, int x1, int y1) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min({x1, f.w, f.P.width()});
  y1 = std::min({y1, f.h, f.P.height()});
  if (x1 <= x0) return;
  const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 4;
  for (int y = y0; y < y1; ++y)
    std::memcpy(f.Canvas.scanLine(y) + x0 * 4, f.P.constScanLine(y) + x0 * 4, bytes);
}

// P drawn at (0, 0) through the union of Spans. Copied straight between the
// scan lines when the formats allow: a painter clip of many spans a row costs
// Qt far more than the copy, and it hands long span lists to its thread pool.
void DrawThrough(const TFrame& f, const TSpans& Spans) {
  if (Spans.empty()) return;
  if (CopiesBytes(f)) {
    for (const QRect& r : Spans) CopyBytes(f, r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    return;
  }
  QRegion region;
  for (const QRect& r : Spans) region += r;
  TCopyPainter painter(f.Canvas);
  painter.setClipRegion(region);
  painter.drawImage(0, 0, f.P);
}

void Copy(QPainter& painter, const QImage& P, const QRect& r) {
  if (!r.isEmpty()) painter.drawImage(r.topLeft(), P, r);
}

// P drawn through the union of Rects, one copy per rectangle: the same pixels
// as a clip, but a clip of hundreds of narrow strips splits every row into
// hundreds of spans, which costs Qt several milliseconds a frame.
void CopyRects(const TFrame& f, const std::vector<QRect>& Rects) {
  TCopyPainter painter(f.Canvas);
  for (const QRect& r : Rects) Copy(painter, f.P, r.intersected(f.Canvas.rect()));
}

// Source's pixels drawn into Target (same size), mirrored left to right or top
// to bottom: Target's first column (row) shows Source's last.
void CopyMirrored(QPainter& painter, const QImage& P, const QRect& Source, const QRect& Target,
                  bool LeftToRight) {
  if (Source.isEmpty()) return;
  painter.save();
  if (LeftToRight)
    painter.setTransform(QTransform(-1, 0, 0, 1, Source.left() + Target.left() + Source.width(), 0));
  else
    painter.setTransform(QTransform(1, 0, 0, -1, 0, Source.top() + Target.top() + Source.height()));
  painter.drawImage(QRectF(Source), P, QRectF(Source));
  painter.restore();
}

// Turns Points about the centre by k x pi/50.
QPolygon Turned(const TFrame& f, const QPoint* Points, int Count) {
  const double a = f.k * Pi / 50, c = std::cos(a), s = std::sin(a);
  QPolygon polygon(Count);
  for (int i = 0; i < Count; ++i) {
    const int dx = Points[i].x() - f.cx, dy = Points[i].y() - f.cy;
    polygon[i] = Rounded(f.cx + c * dx - s * dy, f.cy + s * dx + c * dy);
  }
  return polygon;
}

void Sprinkle(const TFrame& f) {
  const int left = f.Draw(f.w);
  const int top = f.Draw(f.h);
  const QImage* tile = f.TileImages.Picture(f.Draw(SprinkleNumbers));
  if (!tile) return;
  TCopyPainter painter(f.Canvas);
  painter.drawImage(QRect(left, top, SprinkleSize, SprinkleSize), *tile);
}

void SlideFromRight(const TFrame& f) {
  TCopyPainter painter(f.Canvas);
  painter.drawImage(f.w - f.Wk, 0, f.P);
}

void PushDown(const TFrame& f) {
  const int shift = std::min(f.Hk, f.h);
  if (shift <= 0) return;
  // An overlapping copy downwards, so one memmove rather than a painter copy
  // of the canvas onto itself.
  const qsizetype line = f.Canvas.bytesPerLine();
  uchar* bits = f.Canvas.bits();
  std::memmove(bits + shift * line, bits, static_cast<std::size_t>((f.h - shift) * line));
  TCopyPainter painter(f.Canvas);
  painter.drawImage(QRect(0, 0, f.w, shift), f.P, QRect(0, f.h - shift, f.w, shift));
}

void Sweep(const TFrame& f, int Direction) {
  const std::int64_t squared = std::int64_t{f.cx} * f.cx + std::int64_t{f.cy} * f.cy;
  int r = static_cast<int>(std::sqrt(static_cast<double>(squared)));
  while (std::int64_t{r} * r < squared) ++r;
  while (r > 0 && std::int64_t{r - 1} * (r - 1) >= squared) --r;
  QPolygon polygon;
  polygon.reserve(f.k + 1);
  polygon << QPoint(f.cx, f.cy);
  for (int i = 0; i < f.k; ++i) {
    const double a = -Pi / 2 + Direction * i * Pi / 50;
    polygon << Rounded(f.cx + r * std::cos(a), f.cy + r * std::sin(a));
  }
  DrawThrough(f, PolygonSpans({polygon}, f.w, f.h));
}

void SpinningStar(const TFrame& f) {
  const int W = f.Wk, H = f.Hk, cx = f.cx, cy = f.cy;
  const QPoint points[8] = {{cx - 2 * W, cy},         {cx - W / 2, cy - H / 2}, {cx, cy - 2 * H},
                            {cx + W / 2, cy - H / 2}, {cx + 2 * W, cy},         {cx + W / 2, cy + H / 2},
                            {cx, cy + 2 * H},         {cx - W / 2, cy + H / 2}};
  DrawThrough(f, PolygonSpans({Turned(f, points, 8)}, f.w, f.h));
}

void CentreSplit(const TFrame& f) {
  const int left = (f.w - f.Wk) / 2, right = (f.w + f.Wk) / 2;
  TCopyPainter painter(f.Canvas);
  Copy(painter, f.P, QRect(left, 0, right - left, f.h));
}

void StretchFromRight(const TFrame& f) {
  TCopyPainter painter(f.Canvas);
  const int edge = f.w - f.Wk;
  Copy(painter, f.P, QRect(edge, 0, f.Wk, f.h));
  const int from = std::max(edge - f.w / f.u, 0);
  if (edge > from) painter.drawImage(QRect(0, 0, edge, f.h), f.P, QRect(from, 0, edge - from, f.h));
}

void CrossBlinds(const TFrame& f) {
  std::vector<QRect> rects;
  const int pitch = std::max(f.h / f.u, 1);
  const int half = pitch * f.k / 200;
  for (int centre = pitch / 2; centre - half < f.h; centre += pitch)
    rects.emplace_back(0, centre - half, f.w, 2 * half);
  const int width = f.Wk * f.k / 100;
  for (int left = 0; left < f.w; left += std::max(f.Wk, 1)) rects.emplace_back(left, 0, width, f.h);
  CopyRects(f, rects);
}

void CrossBars(const TFrame& f) {
  std::vector<QRect> rects;
  const int pitch = std::max(f.w / f.u, 1);
  const int half = pitch * f.k / 200;
  for (int centre = pitch / 2; centre - half < f.w; centre += pitch)
    rects.emplace_back(centre - half, 0, 2 * half, f.h);
  const int height = f.Hk * f.k / 100;
  for (int bottom = f.h; bottom >= 0; bottom -= std::max(f.Hk, 1))
    rects.emplace_back(0, bottom - height, f.w, height);
  CopyRects(f, rects);
}

void Comb(const TFrame& f) {
  std::vector<QRect> rects;
  for (int j = 0; j < f.w + 5; j += 10) {
    rects.emplace_back(j, f.h - f.Hk, 5, f.Hk);
    rects.emplace_back(j + 5, 0, 5, f.Hk);
  }
  CopyRects(f, rects);
}

void FizzingRise(const TFrame& f) {
  const int e = f.Hk < f.h ? f.h / 10 : 0;
  const int size = std::max(e / 20, 2), step = size / 2;
  const int top = f.h - f.Hk;
  const int rows = e / size, limit = (3 * e / size) / 4;
  const int columns = (f.w + step - 1) / step;
  // Drawn column by column, each from the farthest block down; the region is
  // then built row by row.
  std::vector<char> block(static_cast<std::size_t>(rows + 1) * columns, 0);
  for (int c = 0; c < columns; ++c)
    for (int i = rows; i >= 1; --i) {
      // A second draw when the first misses, counting only near the column.
      const bool added = f.Draw(i) == 0 || (f.Draw(i) == 1 && i <= limit);
      block[static_cast<std::size_t>(i) * columns + c] = added;
    }
  TSpans region;
  for (int i = rows; i >= 1; --i) {
    const char* row = &block[static_cast<std::size_t>(i) * columns];
    // Runs of overlapping or touching blocks, kept apart by gaps.
    int left = -1, right = -1;
    for (int c = 0; c <= columns; ++c) {
      if (c < columns && !row[c]) continue;
      if (c < columns && left >= 0 && c * step <= right) {
        right = c * step + size;
        continue;
      }
      if (left >= 0) region.emplace_back(left, top - i * size, right - left, size);
      left = c * step;
      right = left + size;
    }
  }
  // The columns themselves overlap into one band.
  region.emplace_back(0, top, std::min((columns - 1) * step + size, f.w), f.Hk);
  DrawThrough(f, region);
}

void RollFromLeft(const TFrame& f) {
  const int W = f.Wk, w = f.w;
  const int R = W < w / 5 ? W + W / 2 : W + w / 5 > w ? W + (w - W) / 2 : W + w / 10;
  TCopyPainter painter(f.Canvas);
  CopyMirrored(painter, f.P, QRect(R, 0, R - W, f.h), QRect(W, 0, R - W, f.h), true);
  Copy(painter, f.P, QRect(0, 0, W, f.h));
}

void Dripping(const TFrame& f) {
  const int c = f.Hk < f.h ? f.h / 7 : 0;
  const int width = f.w % 5 + 5;
  std::vector<QRect> rects;
  for (int x = 0; x < f.w; x += 5) {
    int bottom = f.Hk;
    if (c > 0) {
      bottom += f.Draw(c);
      bottom -= f.Draw(c);
    }
    rects.emplace_back(x, 0, width, bottom);
  }
  CopyRects(f, rects);
}

void SpinningRectangle(const TFrame& f) {
  const int dx = f.Wk / 2, dy = f.Hk / 2, cx = f.cx, cy = f.cy;
  const QPoint points[4] = {{cx - dx, cy - dy}, {cx + dx, cy - dy}, {cx + dx, cy + dy}, {cx - dx, cy + dy}};
  DrawThrough(f, PolygonSpans({Turned(f, points, 4)}, f.w, f.h));
}

// How far the strips of one weave direction reach from their edge: the first
// set grows to the full Size, then the second follows.
void WeaveReach(int Size, int Twice, int u, int& First, int& Second) {
  if (Twice <= Size) {
    First = Size - Twice <= u ? Size : Twice;
    Second = 0;
  } else {
    First = Size;
    Second = std::min(Twice - Size, Size);
  }
}

void Weave(const TFrame& f) {
  int rowFirst, rowSecond, columnFirst, columnSecond;
  WeaveReach(f.w, 2 * f.Wk, f.u, rowFirst, rowSecond);
  WeaveReach(f.h, 2 * f.Hk, f.u, columnFirst, columnSecond);
  std::vector<QRect> rects;
  for (int y = 0; y < f.h; y += 10) {
    rects.emplace_back(f.w - rowFirst, y, rowFirst, 5);
    rects.emplace_back(f.w - rowSecond, y + 5, rowSecond, 5);
  }
  for (int x = 0; x < f.w; x += 10) {
    rects.emplace_back(x, f.h - columnFirst, 5, columnFirst);
    rects.emplace_back(x + 5, f.h - columnSecond, 5, columnSecond);
  }
  CopyRects(f, rects);
}

// The pixels of the board whose centres lie outside the rectangle Left..Right
// x Top..Bottom with corner ellipses EllipseW x EllipseH, row by row.
TSpans OutsideRoundedRectangle(const TFrame& f, int Left, int Top, int Right, int Bottom, int EllipseW,
                               int EllipseH) {
  const double a = std::min(EllipseW, Right - Left) / 2.0, b = std::min(EllipseH, Bottom - Top) / 2.0;
  const int first = std::clamp(Top, 0, f.h), last = std::clamp(Bottom, first, f.h);
  TSpans spans;
  if (first > 0) spans.emplace_back(0, 0, f.w, first);
  for (int y = first; y < last; ++y) {
    const double yc = y + 0.5;
    const double dy = yc < Top + b ? Top + b - yc : yc > Bottom - b ? yc - (Bottom - b) : 0;
    const double inset = dy > 0 && b > 0 ? a - a * std::sqrt(std::max(0.0, 1 - (dy / b) * (dy / b))) : 0;
    const int left = std::max(static_cast<int>(std::ceil(Left + inset - 0.5)), 0);
    const int right = std::min(static_cast<int>(std::floor(Right - inset - 0.5)), f.w - 1);
    if (right < left) {
      spans.emplace_back(0, y, f.w, 1);
      continue;
    }
    if (left > 0) spans.emplace_back(0, y, left, 1);
    if (right < f.w - 1) spans.emplace_back(right + 1, y, f.w - 1 - right, 1);
  }
  if (last < f.h) spans.emplace_back(0, last, f.w, f.h - last);
  return spans;
}

void ClosingIris(const TFrame& f) {
  const int w = f.w, h = f.h, W = f.Wk, H = f.Hk;
  DrawThrough(f, OutsideRoundedRectangle(f, W - w / 2, H - h / 2, 3 * w / 2 - W, 3 * h / 2 - H,
                                         (w - W) * 9 / 5, (h - H) * 9 / 5));
}

void RollFromTop(const TFrame& f) {
  const int H = f.Hk, h = f.h;
  const int B = H < h / 5 ? H + H / 2 : H + h / 5 > h ? H + (h - H) / 2 : H + h / 10;
  TCopyPainter painter(f.Canvas);
  CopyMirrored(painter, f.P, QRect(0, B, f.w, B - H), QRect(0, H, f.w, B - H), false);
  Copy(painter, f.P, QRect(0, 0, f.w, H));
}

void Triangles(const TFrame& f) {
  const int v = f.u > 1 ? f.u / 2 : f.u;
  const int cw = f.w / v, ch = f.h / v, a = f.Wk / v, b = f.Hk / v;
  if (a <= 0 || b <= 0) return;
  std::vector<QPolygon> parts;
  parts.reserve(static_cast<std::size_t>((v + 1) * (v + 1)));
  for (int j = v; j >= 0; --j)
    for (int i = v; i >= 0; --i) {
      const int x = i * cw, y = j * ch;
      parts.push_back(QPolygon{QPoint(x - a, y - b), QPoint(x + a, y - b), QPoint(x - a, y + b)});
    }
  DrawThrough(f, PolygonSpans(parts, f.w, f.h));
}

void RollFromBottom(const TFrame& f) {
  const int H = f.Hk, h = f.h, D = h - H;
  const int T = H < h / 5 ? D - H / 2 : D < h / 5 ? D - D / 2 : D - h / 10;
  TCopyPainter painter(f.Canvas);
  CopyMirrored(painter, f.P, QRect(0, 2 * T - D, f.w, D - T), QRect(0, T, f.w, D - T), false);
  Copy(painter, f.P, QRect(0, D, f.w, H));
}

void DrawEffect(int Number, const TFrame& f) {
  switch (Number) {
    case 1:
      return Sprinkle(f);
    case 2:
      return SlideFromRight(f);
    case 3:
      return PushDown(f);
    case 4:
      return Sweep(f, 1);
    case 5:
      return SpinningStar(f);
    case 6:
      return CentreSplit(f);
    case 7:
      return StretchFromRight(f);
    case 8:
      return CrossBlinds(f);
    case 9:
      return CrossBars(f);
    case 10:
      return Comb(f);
    case 11:
      return FizzingRise(f);
    case 12:
      return RollFromLeft(f);
    case 13:
      return Dripping(f);
    case 14:
      return SpinningRectangle(f);
    case 15:
      return Sweep(f, -1);
    case 16:
      return Weave(f);
    case 17:
      return ClosingIris(f);
    case 18:
      return RollFromTop(f);
    case 19:
      return Triangles(f);
    case 20:
      return RollFromBottom(f);
    default:
      return;
  }
}

}  // namespace

TEffects::TEffects(const TImages& Images, PuzzleRandom& Random) : TileImages(Images), Random(Random) {}

int TEffects::MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = std::int64_t{a} * b;
  std::int64_t quotient = product / c;
  const std::int64_t rest = product % c;
  if (2 * (rest < 0 ? -rest : rest) >= (c < 0 ? -std::int64_t{c} : c))
    quotient += (product < 0) == (c < 0) ? 1 : -1;
  return static_cast<int>(quotient);
}

void TEffects::Start(int Animation) {
  Random.Seed(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  ShowFinish = false;
  StepFactor = 1;
  FrameNumber = 1;
  EffectNumber = Animation > 0 ? static_cast<int>(Random.Random(EffectCount)) + 1 : 0;
}

bool TEffects::NextFrame(QImage& Canvas) {
  const int w = Canvas.width(), h = Canvas.height();
  if (EffectNumber >= 1 && EffectNumber <= EffectCount && w > 0 && h > 0) {
    const int k = std::clamp(FrameNumber, 1, FrameCount);
    int Wk, Hk;
    if (w >= h) {
      Wk = MulDiv(w, k, 100);
      Hk = MulDiv(Wk, h, w);
    } else {
      Hk = MulDiv(h, k, 100);
      Wk = MulDiv(Hk, w, h);
    }
    // At least 1: on a tiny board a unit of 0 would divide by zero.
    const int u = std::max(MulDiv(std::max(w, h), StepFactor, 90), 1);
    const QImage& P = ShowFinish ? FinishPicture : StartPicture;
    DrawEffect(EffectNumber, TFrame{Canvas, P, w, h, k, Wk, Hk, u, w / 2, h / 2, Random, TileImages});
  }
  if (++FrameNumber > FrameCount) {
    FrameNumber = 1;
    ShowFinish = !ShowFinish;
  }
  return true;
}
