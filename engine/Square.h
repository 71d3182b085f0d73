#pragma once

#include <cstdint>

#include "GameFacts.h"

// One square of the board: the tile the hidden solution puts here and the
// candidates the player (or the deduction engine) has not ruled out yet.
class TSquare {
 public:
  void Init(int imageindex, int localindex, int n);
  void Reset(int n);

  bool HasCandidate(int t) const { return t >= 0 && t <= 15 && ((Remaining >> t) & 1u); }
  void AddCandidate(int t);
  void RemoveCandidate(int t);

  void Solve();
  bool IsSolved() const { return Solved; }
  bool IsSingle() const { return CandidateCount() <= 1; }
  int CandidateCount() const;

  void MarkCovered() { Covered = true; }
  bool IsCovered() const { return Covered; }

  int imageindex() const { return ImageIndex; }
  int localindex() const { return LocalIndex; }
  void setImageindex(int v) { ImageIndex = v; }
  void setLocalindex(int v) { LocalIndex = v; }
  // imageindex and localindex only ever change together.
  void setTile(int imageindex, int localindex) {
    ImageIndex = imageindex;
    LocalIndex = localindex;
  }

  std::uint16_t remaining() const { return Remaining; }
  void setRemaining(std::uint16_t set) { Remaining = set; }

  int lastremoved() const { return LastRemoved; }

  // Loading a saved game restores the solved flag as stored.
  void setSolved(bool s) { Solved = s; }

  // The candidate set {1..n}.
  static std::uint16_t FullSet(int n) { return static_cast<std::uint16_t>(((1u << n) - 1u) << 1); }
  static std::uint16_t Bit(int t) { return static_cast<std::uint16_t>(1u << t); }

 private:
  std::int32_t LastRemoved = 0;
  std::int32_t ImageIndex = 0;
  std::int32_t LocalIndex = 0;
  bool Covered = false;
  bool Solved = false;
  std::uint16_t Remaining = 0;
};
