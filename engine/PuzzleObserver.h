#pragma once

#include "DeductionStep.h"

// What the engine tells the window while it works. The defaults do nothing,
// which is what puzzle generation wants.
class TPuzzleObserver {
 public:
  virtual ~TPuzzleObserver() = default;

  // Square (c, r) changed; the window redraws it (or not, while it is not ready).
  virtual void DrawSquare(int /*c*/, int /*r*/) {}
  // A tile fell into place by a row rule; the window plays the pop sound if sounds are on.
  virtual void PopSound() {}
  // A step-mode pass took a step that wants explaining: once after a clue
  // yielded, and once for every square the two-places rule narrowed.
  virtual void ExplainStep(const TDeductionStep& /*step*/) {}
};
