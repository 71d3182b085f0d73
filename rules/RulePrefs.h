#pragma once

#include <array>
#include <cstdint>

// The player's preferences about the game: which puzzle, how hard, what
// mistakes cost, whether time counts and sounds play. The session passes
// them to the game controller as arguments; the controller reads none of
// them itself. Plain data: every field is zero or false until a profile is
// loaded.
struct TRulePrefs {
  bool TimerOn = false;
  bool SoundsOn = false;
  // Indexed by board size 1..12; slot 0 is unused so that
  // PuzzleNumbers[PuzzleSize] is the current puzzle.
  std::array<std::int32_t, 13> PuzzleNumbers{};
  std::int32_t PuzzleSize = 0;
  std::int32_t Difficulty = 0;       // 0 to 10
  std::int32_t MisClickPenalty = 0;  // seconds, derived from Difficulty
  std::int32_t CluePenalty = 0;      // seconds, derived from Difficulty

  bool operator==(const TRulePrefs&) const = default;
};

// Counters of the puzzle in play; never stored.
struct TStats {
  std::int32_t Errors = 0;
  std::int32_t Clues = 0;

  bool operator==(const TStats&) const = default;
};
