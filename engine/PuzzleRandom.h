#pragma once

#include <cstdint>

// The seeded source behind every puzzle: a puzzle number reproduces its puzzle
// only because every draw of the set-up comes from here, in a fixed order.
class PuzzleRandom {
 public:
  void Seed(std::uint32_t number) { state_ = number; }

  // A value in 0 .. n-1 (n >= 1): advance the linear congruential state, then
  // take the upper 32 bits of state * n.
  std::uint32_t Random(std::uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * n) >> 32);
  }

  std::uint32_t State() const { return state_; }

 private:
  std::uint32_t state_ = 0;
};
