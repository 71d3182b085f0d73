#pragma once

#include <QLabel>

#include <functional>

class QMouseEvent;

// A label that reports presses (with their modifier keys) and clicks; like a
// button, a click counts only when the left button comes up on the label.
class TClickLabel : public QLabel {
 public:
  explicit TClickLabel(const QString& text = QString(), QWidget* parent = nullptr) : QLabel(text, parent) {}
  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void()> OnClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool Pressed = false;
};
