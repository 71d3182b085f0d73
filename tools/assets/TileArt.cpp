#include "TileArt.h"

#include "Images.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int GlyphCanvas = 200;
constexpr int SmallCell = 20;

QColor Darker(QRgb colour, int factor) {
  return QColor(colour).darker(factor);
}

}  // namespace

QImage RenderGlyph(const char* Glyph) {
  QImage canvas(GlyphCanvas, GlyphCanvas, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(128);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, QString::fromUtf8(Glyph));
  }
  // Trim to the visible pixels: glyph boxes carry uneven margins, and every
  // motif should fill its tile equally.
  int left = GlyphCanvas, top = GlyphCanvas, right = -1, bottom = -1;
  for (int y = 0; y < GlyphCanvas; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < GlyphCanvas; ++x) {
      if (qAlpha(line[x]) > 24) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0) return {};
  return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage RenderTile(const TTileCategory& Category, const TTileMotif& Motif, int Size) {
  QImage tile(Size, Size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&tile);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

  const QColor background(Category.Background);
  QRadialGradient glow(Size * 0.5, Size * 0.42, Size * 0.75);
  glow.setColorAt(0.0, background.lighter(118));
  glow.setColorAt(1.0, background);
  painter.fillRect(tile.rect(), Darker(Category.Background, 160));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  const qreal frame = Size / 32.0;
  painter.drawRoundedRect(QRectF(frame, frame, Size - 2 * frame, Size - 2 * frame), Size / 10.0, Size / 10.0);

  const QImage glyph = RenderGlyph(Motif.Glyph);
  if (!glyph.isNull()) {
    const qreal room = Size * 0.86;
    const qreal scale = room / std::max(glyph.width(), glyph.height());
    const QSizeF drawn(glyph.width() * scale, glyph.height() * scale);
    const QRectF place((Size - drawn.width()) / 2, (Size - drawn.height()) / 2, drawn.width(),
                       drawn.height());
    painter.drawImage(place, glyph);
  }
  painter.end();
  return tile.convertToFormat(QImage::Format_RGB888);
}

QImage TileSheet(const TTileSet& Tiles) {
  QImage sheet(MaxBoardSize * TileSize, MaxBoardSize * TileSize, QImage::Format_RGB888);
  QPainter painter(&sheet);
  for (int r = 0; r < MaxBoardSize; ++r)
    for (int t = 0; t < MaxBoardSize; ++t)
      painter.drawImage(QRect(t * TileSize, r * TileSize, TileSize, TileSize), Tiles[r][t]);
  return sheet;
}

QImage ContactSheet(const TTileSet& Tiles) {
  // Left: the tiles as drawn. Right: each tile scaled to a 20-pixel cell as the
  // board does, then blown up twice without smoothing so its pixels show.
  constexpr int Gap = 6;
  constexpr int Label = 110;
  constexpr int Magnify = 2;
  const int big = TileSize + Gap;
  const int small = SmallCell * Magnify + 2;
  const int width = Label + MaxBoardSize * big + 2 * Gap + MaxBoardSize * small + Gap;
  const int height = MaxBoardSize * big + Gap;
  QImage sheet(width, height, QImage::Format_RGB888);
  sheet.fill(QColor(0, 0, 128));  // the board's navy
  QPainter painter(&sheet);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(15);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const auto& categories = TileCategories();
  QImage cell(SmallCell, SmallCell, QImage::Format_RGB888);
  for (int r = 0; r < MaxBoardSize; ++r) {
    const int y = Gap + r * big;
    painter.drawText(QRect(Gap, y, Label - Gap, TileSize), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("%1 %2").arg(r + 1).arg(QString::fromUtf8(categories[r].Name)));
    for (int t = 0; t < MaxBoardSize; ++t) {
      painter.drawImage(Label + t * big, y, Tiles[r][t]);
      ResampleBitmap(Tiles[r][t], cell);
      const QImage shown = cell.scaled(SmallCell * Magnify, SmallCell * Magnify);
      painter.drawImage(Label + MaxBoardSize * big + Gap + t * small,
                        y + (TileSize - SmallCell * Magnify) / 2, shown);
    }
  }
  return sheet;
}

QStringList SimilarTiles(const TTileSet& Tiles, QStringList* Report) {
  // Mean absolute brightness difference (0..255) below which two cells are
  // taken to be confusable.
  constexpr double Threshold = 10.0;
  const auto& categories = TileCategories();
  QStringList problems;
  for (int r = 0; r < MaxBoardSize; ++r) {
    std::array<std::array<int, SmallCell * SmallCell>, MaxBoardSize> luma{};
    QImage cell(SmallCell, SmallCell, QImage::Format_RGB888);
    for (int t = 0; t < MaxBoardSize; ++t) {
      ResampleBitmap(Tiles[r][t], cell);
      for (int y = 0; y < SmallCell; ++y) {
        const uchar* p = cell.constScanLine(y);
        for (int x = 0; x < SmallCell; ++x, p += 3)
          luma[t][y * SmallCell + x] = (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000;
      }
    }
    double closest = 1e9;
    int closestA = 0, closestB = 1;
    for (int a = 0; a < MaxBoardSize; ++a) {
      for (int b = a + 1; b < MaxBoardSize; ++b) {
        double sum = 0;
        for (int i = 0; i < SmallCell * SmallCell; ++i) sum += std::abs(luma[a][i] - luma[b][i]);
        const double mean = sum / (SmallCell * SmallCell);
        const QString pair =
            QStringLiteral("%1: %2 / %3 (%4)")
                .arg(QString::fromUtf8(categories[r].Name), QString::fromUtf8(categories[r].Motifs[a].Name),
                     QString::fromUtf8(categories[r].Motifs[b].Name))
                .arg(mean, 0, 'f', 1);
        if (mean < Threshold) problems << pair;
        if (mean < closest) {
          closest = mean;
          closestA = a;
          closestB = b;
        }
      }
    }
    if (Report != nullptr)
      *Report << QStringLiteral("%1: closest %2 / %3, mean brightness difference %4")
                     .arg(QString::fromUtf8(categories[r].Name),
                          QString::fromUtf8(categories[r].Motifs[closestA].Name),
                          QString::fromUtf8(categories[r].Motifs[closestB].Name))
                     .arg(closest, 0, 'f', 1);
  }
  return problems;
}
