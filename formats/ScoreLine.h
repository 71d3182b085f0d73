#pragma once

#include "FormatMessage.h"

#include <cstdint>
#include <string>
#include <string_view>

// One completed puzzle's result as a line of the score file holds it.
struct TScoreLine {
  std::int32_t Number = 0;  // the puzzle number
  std::int32_t Size = 0;    // the board size N
  // The name as the file holds it: UTF-8 as this program writes it, but
  // another program may have written Latin-1 (records/ reads it with
  // TolerantUtf8).
  std::string Player;
  std::int32_t Time = 0;        // game time with penalties; -1 for an untimed game
  std::int32_t Errors = 0;      // mis-clicks
  std::int32_t Clues = 0;       // "Give me a clue!" steps
  std::int32_t Difficulty = 0;  // 0 to 10
  std::int32_t Score = 0;       // points, see ScoreFor (GameRules.h)

  bool operator==(const TScoreLine&) const = default;
};

// Reads one line of the score file, without its line end: the fields are
// found by key in any order, others are passed over. entry is assigned only
// when every field was read; Error names the missing field or the value that
// is no whole number.
TFormatResult ParseScoreLine(std::string_view line, TScoreLine& entry);

// Appends the entry's line and its CR LF to out.
void AppendScoreLine(std::string& out, const TScoreLine& entry);
