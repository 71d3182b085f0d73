#pragma once

#include <cstdint>

#include "GameFacts.h"

// One square of the board: the tile the hidden solution puts here and the
// candidates the player (or the deduction engine) has not ruled out yet.
class TSquare {
 public:
  void Init(int imageindex, int localindex, int n);
  void Reset(int n);

  bool HasCandidate(int t) const { return t >= 0 && t <= 15 && ((remaining_ >> t) & 1u); }
  void AddCandidate(int t);
  void RemoveCandidate(int t);

  void Solve();
  bool IsSolved() const { return solved_; }
  bool IsSingle() const { return CandidateCount() <= 1; }
  int CandidateCount() const;

  void MarkCovered() { covered_ = true; }
  bool IsCovered() const { return covered_; }

  int imageindex() const { return imageindex_; }
  int localindex() const { return localindex_; }
  void setImageindex(int v) { imageindex_ = v; }
  void setLocalindex(int v) { localindex_ = v; }
  // imageindex and localindex only ever change together.
  void setTile(int imageindex, int localindex) {
    imageindex_ = imageindex;
    localindex_ = localindex;
  }

  std::uint16_t remaining() const { return remaining_; }
  void setRemaining(std::uint16_t set) { remaining_ = set; }

  int lastremoved() const { return lastremoved_; }

  // Loading a saved game restores the solved flag as stored.
  void setSolved(bool s) { solved_ = s; }

  // The candidate set {1..n}.
  static std::uint16_t FullSet(int n) { return static_cast<std::uint16_t>(((1u << n) - 1u) << 1); }
  static std::uint16_t Bit(int t) { return static_cast<std::uint16_t>(1u << t); }

 private:
  std::int32_t lastremoved_ = 0;
  std::int32_t imageindex_ = 0;
  std::int32_t localindex_ = 0;
  bool covered_ = false;
  bool solved_ = false;
  std::uint16_t remaining_ = 0;
};
