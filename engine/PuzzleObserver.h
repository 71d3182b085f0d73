#pragma once

class TClue;

// What the engine tells the window while it works. The defaults do nothing,
// which is what puzzle generation wants.
class TPuzzleObserver {
 public:
  virtual ~TPuzzleObserver() = default;

  // Square (c, r) changed; the window redraws it (or not, while it is not ready).
  virtual void DrawSquare(int /*c*/, int /*r*/) {}
  // A tile fell into place by a row rule; the window plays the pop sound if sounds are on.
  virtual void PopSound() {}
  // A deduction step wants explaining: the clue and its index in its list,
  // or no clue and index -1 for the two-places rule.
  virtual void ExplainClue(const TClue* /*clue*/, int /*index*/, bool /*step*/) {}
};
