#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// The completion animation's timer: a tick per frame at the animation's pace.
// Whatever stops a running animation (nearly every command does), OnStop runs,
// so the board never stays on a half-drawn frame.
class TAnimationTimer : public QObject {
 public:
  TAnimationTimer(QObject* parent, int interval, std::function<void()> onTick) : QObject(parent) {
    Timer.setInterval(interval);
    Timer.setTimerType(Qt::PreciseTimer);
    connect(&Timer, &QTimer::timeout, this, std::move(onTick));
  }
  std::function<void()> OnStop;

  void start() { Timer.start(); }
  void stop() {
    if (!Timer.isActive()) return;
    Timer.stop();
    if (OnStop) OnStop();
  }
  bool isActive() const { return Timer.isActive(); }
  int interval() const { return Timer.interval(); }

 private:
  QTimer Timer;
};
