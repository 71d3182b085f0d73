#include "Square.h"

#include <bit>

namespace {
// Only tiles 1..10 ever live in a candidate set.
bool IsTile(int t) {
  return t >= 1 && t <= MaxBoardSize;
}
}  // namespace

void TSquare::Init(int imageindex, int localindex, int n) {
  imageindex_ = imageindex;
  localindex_ = localindex;
  covered_ = false;
  Reset(n);
}

void TSquare::Reset(int n) {
  solved_ = false;
  remaining_ = FullSet(n);
}

void TSquare::AddCandidate(int t) {
  if (IsTile(t)) remaining_ |= Bit(t);
}

void TSquare::RemoveCandidate(int t) {
  lastremoved_ = t;
  if (IsTile(t)) remaining_ &= static_cast<std::uint16_t>(~Bit(t));
}

void TSquare::Solve() {
  solved_ = true;
  remaining_ = IsTile(localindex_) ? Bit(localindex_) : 0;
}

int TSquare::CandidateCount() const {
  return std::popcount(static_cast<unsigned>(remaining_ & FullSet(MaxBoardSize)));
}
