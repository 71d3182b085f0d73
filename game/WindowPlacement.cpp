#include "WindowPlacement.h"

#include "Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

void TWindowPlacement::Apply(const TSettings& settings, bool place) {
  // The stored sizes are outer ones; a window far larger than the screen
  // would allocate its whole picture (gigabytes for a hand-edited 100000).
  QWidget& w = Window;
  const QSize frame = w.frameGeometry().size() - w.size();
  AppliedFrame = frame;
  const QScreen* on = w.screen();
  const QPoint stored(settings.MainLeft, settings.MainTop);
  if (place && settings.MainPlaced)
    if (const QScreen* there = QGuiApplication::screenAt(stored)) on = there;
  QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (on) room = on->availableGeometry().size() - frame;
  auto fit = [](int kept, int frameExtent, int least, int most, int current) {
    if (kept <= 0) return current;
    return std::max(least, std::min(kept - frameExtent, most));
  };
  // The layout may need more than the minimum set at the first show.
  const QSize least = w.minimumSize().expandedTo(w.minimumSizeHint());
  const QSize inner(fit(settings.MainWidth, frame.width(), least.width(), room.width(), w.width()),
                    fit(settings.MainHeight, frame.height(), least.height(), room.height(), w.height()));
  w.resize(inner);
  if (!on || (!place && settings.MainWidth <= 0 && settings.MainHeight <= 0)) return;
  // The start puts the frame where it was, or centres it; later only a
  // window grown past the screen's edge is moved back onto it.
  const QRect free = on->availableGeometry();
  const QSize outer = inner + frame;
  QPoint corner = w.pos();
  if (place)
    corner = settings.MainPlaced
                 ? stored
                 : free.topLeft() + QPoint(free.width() - outer.width(), free.height() - outer.height()) / 2;
  const int x = std::max(free.left(), std::min(corner.x(), free.right() + 1 - outer.width()));
  const int y = std::max(free.top(), std::min(corner.y(), free.bottom() + 1 - outer.height()));
  if (QPoint(x, y) != w.pos()) w.move(x, y);
}

void TWindowPlacement::Capture(TSettings& settings) const {
  settings.MainWidth = Window.frameGeometry().width();
  settings.MainHeight = Window.frameGeometry().height();
  // A Wayland client is never told where it is; the place it had under
  // another window system stays kept.
  if (!QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
    settings.MainPlaced = true;
    settings.MainLeft = Window.pos().x();
    settings.MainTop = Window.pos().y();
  }
}

void TWindowPlacement::Settle(const std::function<void()>& changed, int tries) {
  // Polled, not told: no event says that the frame's extents became known.
  // Without a window manager they never do, and the window stays as it is;
  // a busy desktop may take seconds to frame it.
  if (!Window.isVisible()) return;
  if (Window.frameGeometry().size() - Window.size() != AppliedFrame) {
    changed();
    return;
  }
  if (tries < 400) QTimer::singleShot(25, &Window, [this, changed, tries] { Settle(changed, tries + 1); });
}
