#pragma once

#include "RulePrefs.h"

#include <QString>

#include <cstdint>

// The current player's preferences: those the game's rules read, and the
// player's name and the window's switches. Plain data: every field is zero,
// false or empty until the profile is loaded.
struct TPrefs : TRulePrefs {
  QString PlayerName;
  bool ShowHints = false;
  bool Zoom = false;
  // The language code the player chose ("de"); empty: the desktop's.
  QString Language;
  std::int32_t Animation = 0;  // 0 off, 1 on; any value above 0 shows as on
  bool ShowSplash = false;

  bool operator==(const TPrefs&) const = default;
};
