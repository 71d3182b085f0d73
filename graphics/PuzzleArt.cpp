#include "PuzzleArt.h"

#include "GameFacts.h"
#include "GameRules.h"
#include "Images.h"
#include "Puzzle.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);

// A filled rectangle from (x1, y1) up to but excluding (x2, y2), outlined
// inside with the pen colour.
void Rectangle(QPainter& p, int x1, int y1, int x2, int y2, const QColor& pen, const QColor& brush) {
  if (x2 <= x1 || y2 <= y1) return;
  p.fillRect(x1, y1, x2 - x1, y2 - y1, brush);
  p.setPen(QPen(pen, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

QFont MarkFont(const QString& family, double points) {
  QFont font(family);
  font.setPointSize(std::max(1, int(std::lround(points))));
  return font;
}

// Text with its top-left corner at (x, y) on a transparent background.
void TextOut(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(x, y + p.fontMetrics().ascent(), text);
}
}  // namespace

TPuzzleArt::TPuzzleArt(const TImages* images, QImage& scratch) : Images(images), Scratch(scratch) {}

TPuzzleArt::TPuzzleArt(const TImages* images, double pixelsPerUnit)
    : Images(images), Scratch(OwnScratch), PaperPixels(std::max(pixelsPerUnit, 0.01)) {}

void TPuzzleArt::DrawPicture(QPainter& p, int Index, int X, int Y, int W, int H) {
  const QImage* picture = Images ? Images->Picture(Index) : nullptr;
  if (!picture || Index < 0 || W <= 0 || H <= 0) return;
  if (PaperPixels > 0) {
    const int w = std::clamp(int(std::ceil(W * PaperPixels)), 1, std::max(1, picture->width()));
    const int h = std::clamp(int(std::ceil(H * PaperPixels)), 1, std::max(1, picture->height()));
    QImage& scaled = PaperPictures[{Index, w, h}];
    if (scaled.isNull()) {
      scaled = QImage(w, h, QImage::Format_RGB888);
      ResampleBitmap(*picture, scaled);
    }
    p.drawImage(QRectF(X, Y, W, H), scaled);
    return;
  }
  // Scaled from the source straight to the target's own pixels (twice as
  // many on a screen scaled by 2), then drawn 1:1.
  const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  const int w = std::max(1, int(std::lround(W * dpr))), h = std::max(1, int(std::lround(H * dpr)));
  if (Scratch.width() != w || Scratch.height() != h || Scratch.format() != QImage::Format_RGB888)
    Scratch = QImage(w, h, QImage::Format_RGB888);
  ResampleBitmap(*picture, Scratch);
  Scratch.setDevicePixelRatio(dpr);
  p.drawImage(QRectF(X, Y, W, H), Scratch);
}

// The picture of the tile the solution puts at (c, r).
void TPuzzleArt::DrawTileAt(QPainter& p, const TPuzzle& puzzle, int c, int r, int X, int Y, int Size) {
  if (c < 1 || c > MaxBoardSize || r < 1 || r > MaxBoardSize) return;
  const int image = puzzle.Square(c, r).imageindex();
  if (IsPicture(image)) DrawPicture(p, image - 1, X, Y, Size, Size);
}

void TPuzzleArt::DrawHorizontalClue(QPainter& p, const TPuzzle& puzzle, const TClue& Clue, int Left, int Top,
                                    int Size) {
  if (Size <= 0) return;
  auto tile = [&](int cell, int c, int r) { DrawTileAt(p, puzzle, c, r, Left + cell * Size, Top, Size); };
  auto borderMarks = [&](const QString& mark) {
    p.setFont(MarkFont(QStringLiteral("Arial"), Size * 0.7));
    const int w = p.fontMetrics().horizontalAdvance(mark);
    TextOut(p, Left + Size - w / 2, Top, mark, Qt::black);
    TextOut(p, Left + 2 * Size - w / 2, Top, mark, Qt::black);
    const int w2 = w + 2;
    TextOut(p, Left + Size - w2 / 2, Top - 2, mark, Red);
    TextOut(p, Left + 2 * Size - w2 / 2, Top - 2, mark, Red);
  };
  switch (Clue.type()) {
    case TClueType::clTwoAdjacent:
    case TClueType::clTwoAdjacentExclude:
      tile(0, Clue.c1(), Clue.c4());
      tile(1, Clue.c3(), Clue.c6());
      tile(2, Clue.c2(), Clue.c5());
      if (Clue.type() == TClueType::clTwoAdjacent) {
        // One measured width serves both marks, as "<" and ">" are alike.
        p.setFont(MarkFont(QStringLiteral("Arial"), Size * 0.7));
        const int w = p.fontMetrics().horizontalAdvance(QStringLiteral("<"));
        TextOut(p, Left + Size - w / 2, Top, QStringLiteral("<"), Qt::black);
        TextOut(p, Left + 2 * Size - w / 2, Top, QStringLiteral(">"), Qt::black);
        TextOut(p, Left + Size - (w + 2) / 2, Top - 2, QStringLiteral("<"), Red);
        TextOut(p, Left + 2 * Size - (w + 2) / 2, Top - 2, QStringLiteral(">"), Red);
      } else {
        p.setPen(QPen(Red, 1));
        p.drawLine(Left + Size / 2, Top + Size / 2, Left + 2 * Size + Size / 2, Top + Size / 2);
      }
      break;
    case TClueType::clAdjacent:
    case TClueType::clNotAdjacent:
      tile(0, Clue.c1(), Clue.c3());
      tile(1, Clue.c2(), Clue.c4());
      tile(2, Clue.c1(), Clue.c3());
      if (Clue.type() == TClueType::clNotAdjacent) borderMarks(QStringLiteral("X"));
      break;
    case TClueType::clLeftOf:
      tile(0, Clue.c1(), Clue.c3());
      p.fillRect(Left + Size, Top, Size, Size, Green);
      tile(2, Clue.c2(), Clue.c4());
      p.setFont(MarkFont(QStringLiteral("Arial"), Size * 0.6));
      TextOut(p, Left + Size + 4, Top + 4, QStringLiteral("<<"), Qt::black);
      TextOut(p, Left + Size + 2, Top + 2, QStringLiteral("<<"), Red);
      break;
    case TClueType::clSameColumn:  // not a horizontal clue: its place stays as it was
    case TClueType::clTwoInSameColumn:
    case TClueType::clNotInSameColumn:
      break;
  }
}

void TPuzzleArt::DrawVerticalClue(QPainter& p, const TPuzzle& puzzle, const TClue& clue, int Left, int Top,
                                  int Size) {
  if (Size <= 0) return;
  auto tile = [&](int cell, int r) { DrawTileAt(p, puzzle, clue.c1(), r, Left, Top + cell * Size, Size); };
  switch (clue.type()) {
    case TClueType::clSameColumn:
      tile(0, clue.c2());
      tile(1, clue.c3());
      break;
    case TClueType::clTwoInSameColumn:
      tile(0, clue.c2());
      tile(1, clue.c3());
      tile(2, clue.c4());
      break;
    case TClueType::clNotInSameColumn: {
      tile(0, clue.c2());
      tile(1, clue.c3());
      p.setFont(MarkFont(QStringLiteral("Arial Narrow"), Size * 0.7));
      const int w = p.fontMetrics().horizontalAdvance(QStringLiteral("X"));
      TextOut(p, Left + Size / 2 - w / 2, Top + Size / 2, QStringLiteral("X"), Qt::black);
      TextOut(p, Left + Size / 2 - (w + 2) / 2, Top + Size / 2 - 2, QStringLiteral("X"), Red);
      break;
    }
    case TClueType::clTwoAdjacent:  // not a vertical clue: its place stays as it was
    case TClueType::clAdjacent:
    case TClueType::clNotAdjacent:
    case TClueType::clTwoAdjacentExclude:
    case TClueType::clLeftOf:
      break;
  }
}

void TPuzzleArt::DrawHiddenClue(QPainter& p, int left, int top, int w, int h) {
  p.fillRect(left, top, w, h, Qt::black);
  p.setPen(QPen(Blue, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(left, top, w - 1, h - 1);
}

void TPuzzleArt::DrawBoard(QPainter& p, const TPuzzle* puzzle, const TBoardLayout& L) {
  Rectangle(p, 0, 0, L.CW, L.CH, Yellow, Navy);
  p.setPen(QPen(Yellow, 0));
  p.setBrush(Qt::NoBrush);
  const int yb = 6 + L.N * (L.H + 6);
  for (int X = 1; X <= L.N; ++X) {
    const int xl = 6 + (X - 1) * (L.W + 10);
    const int xr = xl + L.W + 2;
    const QPoint outline[] = {{xl, 6}, {xr, 6}, {xr, yb}, {xl, yb}, {xl, 6}};
    p.drawPolyline(outline, 5);
  }
  if (!puzzle) return;
  for (int Y = 1; Y <= L.N; ++Y)
    for (int X = 1; X <= L.N; ++X) DrawSquare(p, *puzzle, L, X, Y);
}

void TPuzzleArt::DrawSquare(QPainter& p, const TPuzzle& puzzle, const TBoardLayout& L, int X, int Y) {
  if (L.W <= 0 || L.H <= 0) return;
  const int x0 = L.X0(X), y0 = L.Y0(Y);
  const TSquare& sq = puzzle.Square(X, Y);
  if (sq.IsSolved()) {
    Rectangle(p, x0, y0, x0 + L.W, y0 + L.H, Qt::black, Qt::black);
    Rectangle(p, x0 + 2, y0 + 2, x0 + L.W - 2, y0 + L.H - 2, Qt::black, Navy);
    const int s = std::min(64, std::min(L.W, L.H)) - 4;
    if (IsPicture(sq.imageindex()))
      DrawPicture(p, sq.imageindex() - 1, x0 + (L.W - s) / 2, y0 + (L.H - s) / 2, s, s);
    return;
  }
  // A picture keeps its shape: the largest square the cell holds, in the
  // cell's middle on the board's navy. A tile stretched to a wide cell reads
  // as another picture.
  const int s = std::min(L.cw, L.ch);
  for (int t = 1; t <= L.N; ++t) {
    const int cx = x0 + ((t - 1) % L.gc) * L.cw;
    const int cy = y0 + ((t - 1) / L.gc) * L.ch;
    const int px = cx + (L.cw - s) / 2, py = cy + (L.ch - s) / 2;
    if (s != L.cw || s != L.ch) p.fillRect(cx, cy, L.cw, L.ch, Navy);
    if (sq.HasCandidate(t))
      DrawPicture(p, TilePicture(Y, t) - 1, px, py, s, s);
    else
      Rectangle(p, px, py, px + s, py + s, Qt::black, Qt::black);
  }
}

void TPuzzleArt::DrawHorizontalPanel(QPainter& p, const TPuzzle& puzzle, int Width, int Height) {
  p.fillRect(0, 0, Width, Height, Qt::black);
  const TClueList& clues = puzzle.HorizontalClues;
  const THorizontalLayout L = HorizontalLayoutFor(Width, Height, int(clues.size()));
  for (int i = 0; i < int(clues.size()) && L.s > 0; ++i) {
    const int left = HorizontalClueLeft(i, L.s), top = HorizontalClueTop(i, L.s);
    if (clues[i].shown())
      DrawHorizontalClue(p, puzzle, clues[i], left, top, L.s);
    else
      DrawHiddenClue(p, left, top, 3 * L.s, L.s);
  }
}

void TPuzzleArt::DrawVerticalPanel(QPainter& p, const TPuzzle& puzzle, int Width, int Height) {
  p.fillRect(0, 0, Width, Height, Qt::black);
  const TClueList& clues = puzzle.VerticalClues;
  const int m = int(clues.size());
  const int s = VerticalTileSize(Width, Height, m);
  for (int i = 0; i < m && s > 0; ++i) {
    const int left = VerticalClueLeft(i, s);
    if (clues[i].shown())
      DrawVerticalClue(p, puzzle, clues[i], left, 10, s);
    else
      DrawHiddenClue(p, left, 10, s, 3 * s);
  }
}
