#pragma once

#include <QSize>

#include <functional>

class QWidget;
class TSettings;

// Where a top-level window stands on the desktop and how large it is, as the
// player's profile keeps them: the outer (framed) size and the frame's
// top-left corner. A window manager frames a window only after it is
// mapped, so the frame the size was applied with is remembered and the size
// applied once more when the real frame turns out to differ.
class TWindowPlacement {
 public:
  explicit TWindowPlacement(QWidget& window) : Window(window) {}
  // The stored size, kept within the screen's free area and above the
  // window's minimum (a hand-edited profile may ask for any size). With
  // place, the stored place too, or centred where none is stored.
  void Apply(const TSettings& settings, bool place);
  // The window's outer size and (except under Wayland) its place.
  void Capture(TSettings& settings) const;
  // Polls for up to 10 s after the first show; changed runs once when the
  // frame's extents became known and differ from those applied.
  void Settle(const std::function<void()>& changed, int tries = 0);

 private:
  QWidget& Window;
  QSize AppliedFrame;
};
