#pragma once

#include <QImage>

class TImages;

// The completion animation. StartPicture holds the board as the puzzle began
// and FinishPicture the solved board; every frame is drawn into the board's
// canvas. No effect is built yet: the animation ends at its first frame and
// leaves the solved board in place.
class TEffects {
 public:
  explicit TEffects(const TImages& Images) : TileImages(Images) {}

  QImage StartPicture;
  QImage FinishPicture;
  int EffectNumber = 0;
  int FrameNumber = 0;

  // Starts an effect; Animation is the player's preference (0 is off).
  void Start(int Animation) {
    EffectNumber = Animation;
    FrameNumber = 0;
  }
  // Draws the next frame into Canvas; false when the animation is over.
  bool NextFrame(QImage& /*Canvas*/) { return false; }

 private:
  const TImages& TileImages;
};
