#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The current player's preferences. Plain data: every field is zero, false
// or empty until the profile is loaded.
struct TPrefs {
  QString PlayerName;
  bool TimerOn = false;
  bool SoundsOn = false;
  bool ShowHints = false;
  bool Zoom = false;
  std::int32_t Animation = 0;  // 0 off, 1 on; any value above 0 shows as on
  bool ShowSplash = false;
  // Indexed by board size 1..12; slot 0 is unused so that
  // PuzzleNumbers[PuzzleSize] is the current puzzle.
  std::array<std::int32_t, 13> PuzzleNumbers{};
  std::int32_t PuzzleSize = 0;
  std::int32_t Difficulty = 0;       // 0 to 10
  std::int32_t MisClickPenalty = 0;  // seconds, derived from Difficulty
  std::int32_t CluePenalty = 0;      // seconds, derived from Difficulty

  bool operator==(const TPrefs&) const = default;
};

// Counters of the puzzle in play; never stored.
struct TStats {
  std::int32_t Errors = 0;
  std::int32_t Clues = 0;

  bool operator==(const TStats&) const = default;
};
