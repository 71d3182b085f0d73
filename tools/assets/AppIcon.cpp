#include "AppIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace {

// Coordinates on a 64 x 64 grid.
constexpr double Grid = 64.0;

struct TShape {
  bool Circle = false;  // else a rounded rectangle
  QRectF Box;
  double Radius = 0;  // corner radius of a rectangle
  QColor Fill;        // invalid: not filled
  QColor Stroke;      // invalid: no outline
  double StrokeWidth = 0;
};

std::vector<TShape> IconShapes() {
  std::vector<TShape> shapes;
  shapes.push_back({false, QRectF(2, 2, 60, 60), 10, QColor(0, 0, 128), QColor(230, 230, 255), 2});
  const QColor tiles[9] = {QColor(231, 76, 60),  QColor(241, 196, 15),  QColor(46, 204, 113),
                           QColor(52, 152, 219), QColor(255, 255, 255), QColor(155, 89, 182),
                           QColor(230, 126, 34), QColor(26, 188, 156),  QColor(236, 240, 241)};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      const QRectF box(9 + c * 16, 9 + r * 16, 14, 14);
      shapes.push_back({false, box, 3, tiles[r * 3 + c], {}, 0});
      // Each tile's motif: a dark dot, the middle one larger.
      const double d = (r == 1 && c == 1) ? 7 : 5;
      shapes.push_back({true,
                        QRectF(box.center().x() - d / 2, box.center().y() - d / 2, d, d),
                        0,
                        QColor(0, 0, 80),
                        {},
                        0});
    }
  shapes.push_back({false, QRectF(23.5, 23.5, 17, 17), 4, {}, QColor(255, 200, 0), 3});
  return shapes;
}

QString Colour(const QColor& colour) {
  return colour.isValid() ? colour.name() : QStringLiteral("none");
}

}  // namespace

QByteArray AppIconSvg() {
  QString svg = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n");
  for (const TShape& s : IconShapes()) {
    const QString paint = QStringLiteral(" fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                              .arg(Colour(s.Fill), Colour(s.Stroke))
                              .arg(s.StrokeWidth);
    if (s.Circle)
      svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n")
                 .arg(s.Box.center().x())
                 .arg(s.Box.center().y())
                 .arg(s.Box.width() / 2)
                 .arg(paint);
    else
      svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                 .arg(s.Box.x())
                 .arg(s.Box.y())
                 .arg(s.Box.width())
                 .arg(s.Box.height())
                 .arg(s.Radius)
                 .arg(paint);
  }
  svg += QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

QImage RenderAppIcon(int Size) {
  QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(Size / Grid, Size / Grid);
  for (const TShape& s : IconShapes()) {
    p.setBrush(s.Fill.isValid() ? QBrush(s.Fill) : Qt::NoBrush);
    p.setPen(s.Stroke.isValid() ? QPen(s.Stroke, s.StrokeWidth) : QPen(Qt::NoPen));
    if (s.Circle)
      p.drawEllipse(s.Box);
    else
      p.drawRoundedRect(s.Box, s.Radius, s.Radius);
  }
  p.end();
  return image;
}
