#pragma once

#include <cstdint>

// The seeded source behind every puzzle: a puzzle number reproduces its puzzle
// only because every draw of the set-up comes from here, in a fixed order.
class PuzzleRandom {
 public:
  void Seed(std::uint32_t number) { LcgState = number; }

  // A value in 0 .. n-1 (n >= 1): advance the linear congruential state, then
  // take the upper 32 bits of state * n.
  std::uint32_t Random(std::uint32_t n) {
    LcgState = LcgState * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(LcgState) * n) >> 32);
  }

  std::uint32_t State() const { return LcgState; }

 private:
  std::uint32_t LcgState = 0;
};
