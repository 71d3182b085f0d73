#include "PaintBox.h"

#include "HintLayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineF>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Canvas = QImage(1, 1, QImage::Format_RGB32);
  Canvas.fill(Qt::black);
}

void TPaintBox::Repaint() {
  if (OnPaint) OnPaint();
  update();
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const qreal dpr = Canvas.devicePixelRatio();
  const QRectF area(event->rect());
  p.drawImage(area, Canvas, QRectF(area.topLeft() * dpr, area.size() * dpr));
  if (OnOverlay) OnOverlay(p);
}

bool TPaintBox::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && OnKeyDown && OnKeyDown(static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void TPaintBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();  // the overlay may follow the focus
}

void TPaintBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TPaintBox::resizeEvent(QResizeEvent*) {
  // Keep what was drawn, so a handler that draws nothing (the animation's
  // board) leaves the last picture in place.
  // The canvas has the screen's pixels, so pictures scaled into it stay
  // sharp on a scaled screen; drawing into it uses the widget's coordinates.
  const qreal dpr = devicePixelRatioF();
  QImage canvas((QSizeF(size().expandedTo(QSize(1, 1))) * dpr).toSize(), QImage::Format_RGB32);
  canvas.setDevicePixelRatio(dpr);
  canvas.fill(Background);
  {
    QPainter p(&canvas);
    p.drawImage(0, 0, Canvas);
  }
  Canvas = canvas;
  Repaint();
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
}

void PausedLook(TPaintBox& box) {
  QPainter p(&box.Canvas);
  p.fillRect(box.rect(), PausedColour);
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(box.rect().adjusted(0, 0, -1, -1));
}

void TArrowLine::Place(const TArrowPlace& place, bool moveTop) {
  move(place.Left, moveTop ? place.Top : y());
  SetShape(place.Slope == TArrowSlope::Up ? TSlope::Up : TSlope::Down,
           place.Head == TArrowHead::AtStart ? THead::AtStart : THead::AtEnd);
}

TArrowLine::TArrowLine(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TArrowLine::paintEvent(QPaintEvent*) {
  constexpr double LineWidth = 7, HeadLength = 25, Inset = ArrowInset;
  const double w = width(), h = height();
  const QPointF start(Inset, Slope == TSlope::Up ? h - Inset : Inset);
  const QPointF end(w - Inset, Slope == TSlope::Up ? Inset : h - Inset);
  const QPointF tip = Head == THead::AtStart ? start : end;
  const QPointF tail = Head == THead::AtStart ? end : start;
  const QLineF along(tip, tail);
  const double length = along.length();
  if (length <= 0) return;
  const QPointF unit = (tail - tip) / length;
  const QPointF normal(-unit.y(), unit.x());
  const QPointF base = tip + unit * HeadLength;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(LineColor, LineWidth, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(base, tail);
  p.setPen(Qt::NoPen);
  p.setBrush(LineColor);
  const QPointF head[] = {tip, base + normal * (HeadLength / 2.4), base - normal * (HeadLength / 2.4)};
  p.drawPolygon(head, 3);
}
