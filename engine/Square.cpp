#include "Square.h"

#include <bit>

namespace {
// Only tiles 1..10 ever live in a candidate set.
bool IsTile(int t) {
  return t >= 1 && t <= MaxBoardSize;
}
}  // namespace

void TSquare::Init(int imageindex, int localindex, int n) {
  ImageIndex = imageindex;
  LocalIndex = localindex;
  Covered = false;
  Reset(n);
}

void TSquare::Reset(int n) {
  Solved = false;
  Remaining = FullSet(n);
}

void TSquare::AddCandidate(int t) {
  if (IsTile(t)) Remaining |= Bit(t);
}

void TSquare::RemoveCandidate(int t) {
  LastRemoved = t;
  if (IsTile(t)) Remaining &= static_cast<std::uint16_t>(~Bit(t));
}

void TSquare::Solve() {
  Solved = true;
  Remaining = IsTile(LocalIndex) ? Bit(LocalIndex) : 0;
}

int TSquare::CandidateCount() const {
  return std::popcount(static_cast<unsigned>(Remaining & FullSet(MaxBoardSize)));
}
