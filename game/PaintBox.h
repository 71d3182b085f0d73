#pragma once

#include "ClickLabel.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <functional>

struct TArrowPlace;
class QKeyEvent;
class QMouseEvent;
class QPainter;

// A drawing surface with a persistent canvas of its own size. Anyone may draw
// into Canvas at any time and call update(); paintEvent only copies it out.
// Repaint() and a resize run OnPaint into the canvas first.
class TPaintBox : public QWidget {
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  QImage Canvas;
  QColor Background{Qt::black};  // of the canvas a resize adds
  std::function<void()> OnPaint;
  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void(QMouseEvent*)> OnMouseMove;
  // A key for the box (Tab included, before it moves the focus); false
  // leaves it to the window.
  std::function<bool(QKeyEvent*)> OnKeyDown;
  // Drawn over the canvas on the screen only, so what it shows (the
  // keyboard cursor) never stays behind in the canvas.
  std::function<void(QPainter&)> OnOverlay;
  void Repaint();

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

// A plain panel that reports presses on its own background.
class TMousePanel : public QWidget {
 public:
  explicit TMousePanel(QWidget* parent = nullptr) : QWidget(parent) {}
  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void()> OnResize;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (OnMouseDown) OnMouseDown(event);
  }
  void resizeEvent(QResizeEvent*) override {
    if (OnResize) OnResize();
  }
};

// A hint arrow: a line 7 pixels wide from one corner of the widget to the
// other, rising or falling, with a 25-pixel head at its left end (the start)
// or its right end; its colour blinks.
class TArrowLine : public QWidget {
 public:
  enum class TSlope { Up, Down };
  enum class THead { AtStart, AtEnd };
  explicit TArrowLine(QWidget* parent = nullptr);
  QColor LineColor{255, 0, 0};
  TSlope Slope = TSlope::Up;
  THead Head = THead::AtStart;
  void SetLineColor(const QColor& c) {
    LineColor = c;
    update();
  }
  void SetShape(TSlope slope, THead head) {
    Slope = slope;
    Head = head;
    update();
  }
  // Moves the arrow to place (its top too unless moveTop is false) and
  // gives it place's slope and head.
  void Place(const TArrowPlace& place, bool moveTop = true);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// The colour of everything the paused game hides.
inline const QColor PausedColour{24, 24, 24};

// A box the paused game hides: the paused colour in a black frame.
void PausedLook(TPaintBox& box);
