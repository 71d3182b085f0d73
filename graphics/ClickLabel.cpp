#include "ClickLabel.h"

#include <QMouseEvent>

#include <algorithm>

void TClickLabel::SetFittedText(const QString& text) {
  if (!Fitting) DesignFont = font();
  Fitting = true;
  FullText = text;
  Fit();
}

void TClickLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (Fitting) Fit();
}

void TClickLabel::Fit() {
  QFont smaller = DesignFont;
  const double design = DesignFont.pointSizeF();
  const double smallest = design * 0.6;
  setFont(DesignFont);
  setText(FullText);
  for (double size = design - 0.5; design > 0 && sizeHint().width() > width() && size >= smallest;
       size -= 0.5) {
    smaller.setPointSizeF(size);
    setFont(smaller);
  }
  if (sizeHint().width() > width()) {
    // What the borders and margins take, and the rest for the words.
    const int room = width() - (sizeHint().width() - fontMetrics().horizontalAdvance(FullText));
    setText(fontMetrics().elidedText(FullText, Qt::ElideRight, std::max(0, room)));
  }
}

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
