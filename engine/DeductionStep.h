#pragma once

#include "BoardPos.h"

class TClue;

enum class THintList { None, Horizontal, Vertical };

// What one deduction step did, as the hint display needs it.
struct TDeductionStep {
  enum class TRule { None, Clue, TwoPlaces };
  TRule Rule = TRule::None;
  THintList List = THintList::None;  // the list of the clue that yielded
  int Index = -1;                    // its index there; -1 for none
  const TClue* Clue = nullptr;       // that clue (valid while the list is unchanged)
  bool ChangedSquare = false;        // this step itself changed Square (a clue rule did)
  // The square the step changed last; when it changed none, the last square
  // any earlier deduction changed ((1, 1) before the first).
  TBoardPos Square;
  int RemovedTile = 0;  // the tile this step removed from Square, 0 when none
  int PlacedTile = 0;   // the tile this step placed (solved) in Square, 0 when none
  int Row = 0;          // the two-places rule: its row
  bool Found() const { return Rule != TRule::None; }
  bool IsVertical() const { return List == THintList::Vertical; }
};
