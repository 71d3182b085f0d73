// The deduction engine. Puzzle generation proves its clue sets with the silent
// pass, so every order, bound and test here decides which puzzle a number
// gives: change nothing without regenerating the reference puzzles.
#include "Puzzle.h"

#include <bit>
#include <cstdlib>

// Column masks (bit X for column X) let a rule see at once whether it has
// anything to do; when it has, it runs column by column exactly as before.
const TPuzzle::TRowMasks& TPuzzle::RowMasks(int row) const {
  TRowMasks& m = RowMaskCache[row];
  // Outside a pass the squares may have been changed by anyone, so the
  // cache is trusted only while the engine itself does the changing.
  if (InPass && m.Valid && m.Version == RowVersion[row]) return m;
  m = TRowMasks{};
  const unsigned all = TSquare::FullSet(N);
  for (int X = 1; X <= N; ++X) {
    const TSquare& sq = Square(X, row);
    const auto bit = TSquare::Bit(X);
    for (unsigned b = sq.remaining() & all; b != 0; b &= b - 1) m.TileColumns[std::countr_zero(b)] |= bit;
    if (sq.IsSolved()) m.SolvedColumns |= bit;
  }
  m.Version = RowVersion[row];
  m.Valid = true;
  return m;
}

bool TPuzzle::SameColumnCanAct(TBoardPos P, TBoardPos Q) const {
  const std::uint16_t all = TSquare::FullSet(N);
  const TRowMasks& rowP = RowMasks(P.r);
  const TRowMasks& rowQ = RowMasks(Q.r);
  const std::uint16_t possP = rowP.TileColumns[Tile(P)], possQ = rowQ.TileColumns[Tile(Q)];
  const std::uint16_t solvedP = rowP.SolvedColumns, solvedQ = rowQ.SolvedColumns;
  const std::uint16_t placedP = possP & solvedP, openP = possP & ~solvedP, absentP = all & ~possP;
  const std::uint16_t placedQ = possQ & solvedQ, openQ = possQ & ~solvedQ, absentQ = all & ~possQ;
  return (placedP & openQ) | (openP & placedQ) | (openP & absentQ) | (absentP & openQ);
}

bool TPuzzle::TwoAdjacentCanAct(TBoardPos L, TBoardPos R, TBoardPos M) const {
  const unsigned all = TSquare::FullSet(N);
  const unsigned l = RowMasks(L.r).TileColumns[Tile(L)];
  const unsigned r = RowMasks(R.r).TileColumns[Tile(R)];
  const unsigned m = RowMasks(M.r).TileColumns[Tile(M)];
  auto near = [all](unsigned mask, int d) { return ((mask << d) | (mask >> d)) & all; };
  const unsigned distance = (l & ~near(m, 1)) | (m & ~near(l, 1))     // L next to M
                            | (m & ~near(r, 1)) | (r & ~near(m, 1))   // M next to R
                            | (r & ~near(l, 2)) | (l & ~near(r, 2));  // L two from R
  // M needs L on one side and R on the other; the edge columns never qualify.
  const unsigned flanked = ((l << 1) & (r >> 1)) | ((l >> 1) & (r << 1));
  return (distance | (m & ~flanked)) & all;
}

bool TPuzzle::RemoveTile(int X, int Y, int T) {
  TSquare& sq = Square(X, Y);
  if (!sq.HasCandidate(T)) return false;
  const bool wasSolved = sq.IsSolved();
  sq.RemoveCandidate(T);
  Touched(Y);
  if (sq.IsSingle()) {
    sq.Solve();
    Touched(Y);
    ++SolvedCount;
    Observer->DrawSquare(X, Y);
    RemoveFromRow(X, Y, sq.localindex());
  }
  CheckRow(Y);
  Observer->DrawSquare(X, Y);
  LastChanged = {X, Y};
  LastRemoved = T;
  // Solved here when one candidate was left, or by the row check.
  LastPlaced = !wasSolved && sq.IsSolved() ? sq.localindex() : 0;
  return true;
}

void TPuzzle::RemoveFromRow(int X0, int Y, int T) {
  bool changed;
  do {
    changed = false;
    for (int X = 1; X <= N; ++X) {
      if (X == X0) continue;
      TSquare& sq = Square(X, Y);
      if (!sq.HasCandidate(T)) continue;
      sq.RemoveCandidate(T);
      Touched(Y);
      Observer->DrawSquare(X, Y);
      if (sq.IsSingle()) {
        const int U = sq.localindex();
        Observer->PopSound();
        sq.Solve();
        Touched(Y);
        ++SolvedCount;
        RemoveFromRow(X, Y, U);
        Observer->DrawSquare(X, Y);
        changed = true;
      }
    }
    CheckRow(Y);
  } while (changed);
}

void TPuzzle::CheckRow(int Y) {
  // Tiles possible in exactly one unsolved square of the row, counted once
  // before any of them is placed.
  const std::uint16_t all = TSquare::FullSet(N);
  std::uint16_t once = 0, twice = 0;
  for (int X = 1; X <= N; ++X) {
    const TSquare& sq = Square(X, Y);
    if (sq.IsSolved()) continue;
    const std::uint16_t candidates = sq.remaining() & all;
    twice |= once & candidates;
    once |= candidates;
  }
  const std::uint16_t single = once & static_cast<std::uint16_t>(~twice);
  if (single == 0) return;
  for (int T = 1; T <= N; ++T) {
    if (!(single & TSquare::Bit(T))) continue;
    for (int X = 1; X <= N; ++X) {
      TSquare& sq = Square(X, Y);
      if (!sq.IsSolved() && sq.HasCandidate(T)) {
        Observer->PopSound();
        sq.Solve();
        Touched(Y);
        ++SolvedCount;
        Observer->DrawSquare(X, Y);
      }
    }
  }
}

bool TPuzzle::ApplySameColumn(const TClue& clue, int X, TBoardPos P, TBoardPos Q) {
  (void)clue;
  const int TP = Tile(P);
  const int TQ = Tile(Q);
  TSquare& SP = Square(X, P.r);
  TSquare& SQ = Square(X, Q.r);
  enum Class { Placed, Open, Absent };
  auto classify = [](const TSquare& sq, int t) {
    if (!sq.HasCandidate(t)) return Absent;
    return sq.IsSolved() ? Placed : Open;
  };
  const Class cp = classify(SP, TP);
  const Class cq = classify(SQ, TQ);

  auto solve = [this, X](TSquare& sq, int row, int tile) {
    sq.MarkCovered();
    sq.Solve();
    Touched(row);
    ++SolvedCount;
    Observer->DrawSquare(X, row);
    LastChanged = {X, row};
    LastRemoved = 0;
    LastPlaced = sq.localindex();
    RemoveFromRow(X, row, tile);
    return true;
  };
  if (cp == Placed && cq == Open) return solve(SQ, Q.r, TQ);
  if (cp == Open && cq == Placed) return solve(SP, P.r, TP);
  if (cp == Open && cq == Absent) return RemoveTile(X, P.r, TP);
  if (cp == Absent && cq == Open) return RemoveTile(X, Q.r, TQ);
  return false;
}

bool TPuzzle::ApplyLeftOf(const TClue& clue, bool ShowStep) {
  const int rL = clue.c3();
  const int rR = clue.c4();
  const int TL = Tile({clue.c1(), rL});
  const int TR = Tile({clue.c2(), rR});
  bool changed = false;

  bool seenL = false;
  for (int X = 1; X <= N; ++X) {
    if (!seenL && Possible(X, rR, TR)) changed = RemoveTile(X, rR, TR) || changed;
    if (Possible(X, rL, TL)) seenL = true;
  }
  if (ShowStep && changed) return true;

  bool seenR = false;
  for (int X = N; X >= 1; --X) {
    if (!seenR && Possible(X, rL, TL)) changed = RemoveTile(X, rL, TL) || changed;
    if (Possible(X, rR, TR)) seenR = true;
  }
  return changed;
}

bool TPuzzle::ApplyDistance(int X, TBoardPos A, TBoardPos B, int Dist) {
  if (X < 1 || X > N) return false;
  const int D = Dist == 0 ? 1 : std::abs(Dist);
  const int TA = Tile(A);
  const int TB = Tile(B);
  // Whether tile t of row r is possible D columns to either side of X.
  auto nearby = [this, X, D](int r, int t) {
    return (X - D >= 1 && Possible(X - D, r, t)) || (X + D <= N && Possible(X + D, r, t));
  };
  bool changed = false;
  if (Dist <= 0 && Possible(X, A.r, TA) && !nearby(B.r, TB)) changed = RemoveTile(X, A.r, TA);
  if (Dist >= 0 && Possible(X, B.r, TB) && !nearby(A.r, TA)) changed = RemoveTile(X, B.r, TB) || changed;
  return changed;
}

bool TPuzzle::ApplyAdjacent(const TClue& clue, bool ShowStep) {
  (void)ShowStep;  // stops at the first column that yields in both modes
  const TBoardPos A{clue.c1(), clue.c3()};
  const TBoardPos B{clue.c2(), clue.c4()};
  for (int X = 1; X <= N; ++X)
    if (ApplyDistance(X, A, B, 0)) return true;
  return false;
}

bool TPuzzle::ApplyTwoAdjacent(const TClue& clue, bool ShowStep) {
  const TBoardPos L{clue.c1(), clue.c4()};
  const TBoardPos R{clue.c2(), clue.c5()};
  const TBoardPos M{clue.c3(), clue.c6()};
  if (!TwoAdjacentCanAct(L, R, M)) return false;
  const int TL = Tile(L);
  const int TR = Tile(R);
  const int TM = Tile(M);
  bool changed = false;
  for (int X = 1; X <= N; ++X) {
    bool here = false;
    if (!changed) {
      here = ApplyDistance(X, L, M, 0) || ApplyDistance(X, M, R, 0) || ApplyDistance(X, L, R, +2) ||
             ApplyDistance(X, L, R, -2);
      changed = changed || here;
    }
    bool middleGoes;
    if (X > 1 && X < N) {
      const bool leftRight = Possible(X - 1, L.r, TL) && Possible(X + 1, R.r, TR);
      const bool rightLeft = Possible(X + 1, L.r, TL) && Possible(X - 1, R.r, TR);
      middleGoes = !leftRight && !rightLeft;
    } else {
      middleGoes = true;
    }
    if (middleGoes && Possible(X, M.r, TM) && RemoveTile(X, M.r, TM)) {
      here = true;
      changed = true;
    }
    if (ShowStep && here) break;
  }
  return changed;
}

bool TPuzzle::ApplyNotAdjacent(const TClue& clue, bool ShowStep) {
  const int rA = clue.c3();
  const int rB = clue.c4();
  const int TA = Tile({clue.c1(), rA});
  const int TB = Tile({clue.c2(), rB});
  auto placed = [this](int r, int t) {
    for (int X = 1; X <= N; ++X)
      if (Square(X, r).IsSolved() && Square(X, r).HasCandidate(t)) return true;
    return false;
  };
  const bool placedA = placed(rA, TA);
  const bool placedB = placed(rB, TB);
  if (placedA == placedB) return false;

  // The placed tile stands in its solution column; clear its neighbours of the other.
  const int column = placedA ? clue.c1() : clue.c2();
  const int row = placedA ? rB : rA;
  const int tile = placedA ? TB : TA;
  bool changed = false;
  if (column > 1 && Possible(column - 1, row, tile)) changed = RemoveTile(column - 1, row, tile);
  if (ShowStep && changed) return true;
  if (column < N && Possible(column + 1, row, tile)) changed = RemoveTile(column + 1, row, tile) || changed;
  return changed;
}

bool TPuzzle::ApplyTwoPlaces(int Y, int I, int J, bool ShowStep) {
  std::uint16_t columnsI = 0, columnsJ = 0;
  int KI = 0, KJ = 0;
  for (int X = 1; X <= N; ++X) {
    if (Possible(X, Y, I)) {
      ++KI;
      columnsI |= TSquare::Bit(X);
    }
    if (Possible(X, Y, J)) {
      ++KJ;
      columnsJ |= TSquare::Bit(X);
    }
  }
  if (KI != 2 || KJ != 2 || columnsI != columnsJ) return false;

  const std::uint16_t pair = TSquare::Bit(I) | TSquare::Bit(J);
  bool changed = false;
  for (int X = 1; X <= N; ++X) {
    TSquare& sq = Square(X, Y);
    if (sq.HasCandidate(I) && sq.HasCandidate(J) && sq.remaining() != pair) {
      sq.setRemaining(pair);
      Touched(Y);
      Observer->DrawSquare(X, Y);
      if (ShowStep) Observer->ExplainStep(TwoPlacesStep(Y));
      changed = true;
    }
  }
  CheckRow(Y);
  return changed;
}

namespace {
// Whether Deduce has a rule for the kind; the others are there for the player
// to reason with. Deduce dispatches on the same kinds.
bool HasRule(TClueType type) {
  switch (type) {
    case TClueType::clSameColumn:
    case TClueType::clTwoInSameColumn:
    case TClueType::clTwoAdjacent:
    case TClueType::clAdjacent:
    case TClueType::clNotAdjacent:
    case TClueType::clLeftOf:
      return true;
    case TClueType::clTwoAdjacentExclude:
    case TClueType::clNotInSameColumn:
      break;
  }
  return false;
}

// The rows a clue's rule reads, those of its tiles; a rule's outcome depends
// on nothing else.
int ClueRows(const TClue& clue, int rows[MaxClueTiles]) {
  if (!HasRule(clue.type())) return 0;  // never applied
  const int tiles = clue.TileCount();
  for (int k = 1; k <= tiles; ++k) rows[k - 1] = clue.Tile(k).r;
  return tiles;
}
}  // namespace

TDeductionStep TPuzzle::ClueStep(THintList list, const TClueList& clues, std::size_t index) const {
  TDeductionStep step;
  step.Rule = TDeductionStep::TRule::Clue;
  step.List = list;
  step.Index = static_cast<int>(index);
  step.Clue = &clues[index];
  step.ChangedSquare = true;  // every clue rule changes the board through a square
  step.Square = LastChanged;
  step.RemovedTile = LastRemoved;
  step.PlacedTile = LastPlaced;
  return step;
}

TDeductionStep TPuzzle::TwoPlacesStep(int row) const {
  TDeductionStep step;
  step.Rule = TDeductionStep::TRule::TwoPlaces;
  step.Square = LastChanged;  // the rule narrows squares but records none
  step.Row = row;
  return step;
}

bool TPuzzle::KnownIdle(TRowStamp& stamp) const {
  bool same = stamp.Valid;
  for (int i = 0; i < stamp.RowCount; ++i) {
    const std::uint32_t now = RowVersion[stamp.Rows[i]];
    same = same && stamp.Version[i] == now;
    stamp.Version[i] = now;
  }
  stamp.Valid = true;
  return same;
}

TDeductionStep TPuzzle::Deduce(bool UntilStuck, bool ShowStep) {
  for (TClue& clue : VerticalClues) clue.setUsed(false);
  for (TClue& clue : HorizontalClues) clue.setUsed(false);

  // A rule that changed nothing changes nothing again until one of the rows
  // it reads changes, so each clue remembers the row versions it last found
  // nothing in. This only saves work: the order of deductions is untouched.
  VerticalIdle.assign(VerticalClues.size(), TRowStamp{});
  HorizontalIdle.assign(HorizontalClues.size(), TRowStamp{});
  auto prepare = [this](const TClueList& clues, std::vector<TRowStamp>& stamps) {
    for (std::size_t i = 0; i < clues.size(); ++i) {
      stamps[i].Fits = ClueFits(clues[i]);
      if (stamps[i].Fits) stamps[i].RowCount = ClueRows(clues[i], stamps[i].Rows);
    }
  };
  prepare(VerticalClues, VerticalIdle);
  prepare(HorizontalClues, HorizontalIdle);
  // The board may have changed since the last pass (a reset, the player).
  for (TRowMasks& m : RowMaskCache) m.Valid = false;
  InPass = true;

  TDeductionStep step;
  step.Square = LastChanged;
  bool found;
  do {
    found = false;

    for (std::size_t i = 0; i < VerticalClues.size() && !found; ++i) {
      const TClue& clue = VerticalClues[i];
      if (!VerticalIdle[i].Fits || KnownIdle(VerticalIdle[i])) continue;
      const TBoardPos A{clue.c1(), clue.c2()};
      const TBoardPos B{clue.c1(), clue.c3()};
      const TBoardPos C{clue.c1(), clue.c4()};
      const bool three = clue.type() == TClueType::clTwoInSameColumn;
      if (!SameColumnCanAct(A, B) && !(three && (SameColumnCanAct(A, C) || SameColumnCanAct(B, C)))) continue;
      for (int X = 1; X <= N && !found; ++X) {
        if (clue.type() == TClueType::clSameColumn)
          found = ApplySameColumn(clue, X, A, B);
        else if (clue.type() == TClueType::clTwoInSameColumn)
          found = ApplySameColumn(clue, X, A, B) || ApplySameColumn(clue, X, A, C) ||
                  ApplySameColumn(clue, X, B, C);
      }
      if (found) {
        VerticalClues[i].setUsed(true);
        step = ClueStep(THintList::Vertical, VerticalClues, i);
        if (ShowStep) Observer->ExplainStep(step);
      }
    }

    for (std::size_t i = 0; i < HorizontalClues.size() && !found; ++i) {
      const TClue& clue = HorizontalClues[i];
      if (!HorizontalIdle[i].Fits || KnownIdle(HorizontalIdle[i])) continue;
      switch (clue.type()) {
        case TClueType::clTwoAdjacent:
          found = ApplyTwoAdjacent(clue, ShowStep);
          break;
        case TClueType::clAdjacent:
          found = ApplyAdjacent(clue, ShowStep);
          break;
        case TClueType::clNotAdjacent:
          found = ApplyNotAdjacent(clue, ShowStep);
          break;
        case TClueType::clLeftOf:
          found = ApplyLeftOf(clue, ShowStep);
          break;
        case TClueType::clTwoAdjacentExclude:  // no rule: it only narrows the hints
        case TClueType::clSameColumn:          // the vertical kinds, in the loop above
        case TClueType::clTwoInSameColumn:
        case TClueType::clNotInSameColumn:
          break;
      }
      if (found) {
        HorizontalClues[i].setUsed(true);
        step = ClueStep(THintList::Horizontal, HorizontalClues, i);
        if (ShowStep) Observer->ExplainStep(step);
      }
    }

    if (!found) {
      bool stepTaken = false;
      for (int Y = 1; Y <= N && !stepTaken; ++Y)
        for (int I = 1; I <= N - 1 && !stepTaken; ++I)
          for (int J = I + 1; J <= N && !stepTaken; ++J)
            if (ApplyTwoPlaces(Y, I, J, ShowStep)) {
              step = TwoPlacesStep(Y);
              stepTaken = ShowStep;
            }
    }
  } while (UntilStuck && found);
  InPass = false;
  return step;
}
