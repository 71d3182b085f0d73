#pragma once

#include <QImage>

class PuzzleRandom;
class TImages;

// The completion animation. The board changes back and forth between
// StartPicture (the board as the puzzle was set up) and FinishPicture (the
// solved board) by one of twenty transitions of 100 frames each, one frame per
// tick of the window's timer, until the window stops the timer. Every frame is
// drawn straight over the board's canvas as it is.
class TEffects {
 public:
  static constexpr int EffectCount = 20;
  static constexpr int FrameCount = 100;
  // Milliseconds between frames, the timer's interval: a transition takes
  // 1.7 s, so the whole board turns from one picture to the other well under
  // once a second. Faster, it would flash at a rate that can trigger seizures
  // (no more than three flashes in any second is the usual limit).
  static constexpr int FrameInterval = 17;

  // Random is the puzzle's own source: Start reseeds it, so that later draws
  // (the jump to a random puzzle) continue from the animation's.
  TEffects(const TImages& Images, PuzzleRandom& Random);

  QImage StartPicture;
  QImage FinishPicture;
  int EffectNumber = 0;     // 1..20; 0 draws nothing
  int FrameNumber = 1;      // 1..100 within the running transition
  bool ShowFinish = false;  // the running transition brings in FinishPicture
  int StepFactor = 1;       // scales the unit of the band and strip effects

  // Reseeds the random source from the clock, goes back to frame 1 of the
  // transition that brings in StartPicture and, when Animation is above 0,
  // picks an effect at random; otherwise none.
  void Start(int Animation);

  // Draws frame FrameNumber of the effect over Canvas, then moves on a frame;
  // after frame 100 the other picture's transition starts at frame 1. The
  // cycle never ends by itself, so this is always true.
  bool NextFrame(QImage& Canvas);

  // a * b / c in 64 bits, rounded to the nearest, halves away from zero;
  // 0 when c is 0.
  static int MulDiv(int a, int b, int c);

 private:
  const TImages& TileImages;
  PuzzleRandom& Random;
};
