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

  // Shows text whole however narrow the label: in a smaller font where it
  // does not fit the label's font (down to 60% of it), shortened with "..."
  // only beyond that. The label keeps fitting it as it is resized.
  void SetFittedText(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Fit();
  bool Pressed = false;
  bool Fitting = false;
  QString FullText;
  QFont DesignFont;
};
