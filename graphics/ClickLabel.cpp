#include "ClickLabel.h"

#include <QMouseEvent>

void TClickLabel::mousePressEvent(QMouseEvent* event) {
  Pressed = event->button() == Qt::LeftButton;
  event->accept();
  if (OnMouseDown) OnMouseDown(event);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  Pressed = false;
  event->accept();
  if (click && OnClick) OnClick();
}
