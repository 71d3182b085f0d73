#include "TitlePicture.h"

#include "TileArt.h"
#include "TileCatalog.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>

QImage RenderTitlePicture() {
  QImage picture(TitleWidth, TitleHeight, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&picture);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);

  // Night sky: navy into violet, with a few faint stars from a fixed seed.
  QLinearGradient sky(0, 0, 0, TitleHeight);
  sky.setColorAt(0.0, QColor(10, 16, 64));
  sky.setColorAt(0.65, QColor(52, 30, 110));
  sky.setColorAt(1.0, QColor(24, 12, 56));
  painter.fillRect(picture.rect(), sky);
  QRandomGenerator stars(20240611);
  for (int i = 0; i < 90; ++i) {
    const QPointF at(stars.bounded(TitleWidth), stars.bounded(TitleHeight * 3 / 4));
    const int alpha = 60 + stars.bounded(140);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 230, alpha));
    const qreal radius = 0.6 + stars.bounded(10) / 10.0;
    painter.drawEllipse(at, radius, radius);
  }

  // A fan of tiles, one from each category, arcing behind the name.
  const auto& categories = TileCategories();
  const int picks[10] = {0, 3, 7, 1, 5, 2, 6, 4, 8, 9};
  for (int i = 0; i < 10; ++i) {
    const auto& category = categories[i];
    const QImage tile = RenderTile(category, category.Motifs[picks[i]], 60);
    const double u = (i - 4.5) / 4.5;  // -1 .. 1 across the fan
    const QPointF centre(TitleWidth / 2.0 + u * 238, 200 + 14 * u * u);
    painter.save();
    painter.translate(centre);
    painter.rotate(u * 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(QRectF(-27, -25, 60, 60), 7, 7);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(-30, -30, 60, 60), 7, 7);
    painter.setClipPath(clip);
    painter.drawImage(QPointF(-30, -30), tile);
    painter.restore();
  }

  // The name, gold with a dark outline and a soft shadow.
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(90);
  font.setBold(true);
  font.setItalic(true);
  const QString name = QStringLiteral("Quillmere");
  const QFontMetrics metrics(font);
  const qreal x = (TitleWidth - metrics.horizontalAdvance(name)) / 2.0;
  const qreal baseline = 126;
  QPainterPath text;
  text.addText(x, baseline, font, name);
  for (int blur = 6; blur >= 1; --blur) {
    painter.setPen(QPen(QColor(0, 0, 0, 28), blur * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text.translated(3, 5));
  }
  QLinearGradient gold(0, baseline - 80, 0, baseline + 10);
  gold.setColorAt(0.0, QColor(255, 246, 190));
  gold.setColorAt(0.5, QColor(250, 204, 72));
  gold.setColorAt(1.0, QColor(196, 128, 24));
  painter.setPen(QPen(QColor(60, 30, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(gold);
  painter.drawPath(text);

  // A tagline under the name.
  QFont small(QStringLiteral("Liberation Sans"));
  small.setPixelSize(17);
  small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  painter.setFont(small);
  painter.setPen(QColor(226, 220, 255));
  painter.drawText(QRectF(0, baseline + 10, TitleWidth, 24), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("A LOGIC CHALLENGE"));
  painter.end();
  return picture.convertToFormat(QImage::Format_RGB888);
}
