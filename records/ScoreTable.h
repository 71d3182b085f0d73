#pragma once

#include "WriteResult.h"

#include <QString>

#include <vector>

// One completed puzzle's result.
struct TScore {
  QString Name;        // the player
  int Number = 0;      // the puzzle number
  int Size = 0;        // the board size N
  int Seconds = 0;     // game time with penalties; -1 for an untimed game
  int Errors = 0;      // mis-clicks
  int Clues = 0;       // "Give me a clue!" steps
  int Difficulty = 0;  // 0 to 10

  bool operator==(const TScore&) const = default;
};

// The high-score table: every completed puzzle, in the order completed.
class TScoreTable {
 public:
  void AddScore(const TScore& score) { Entries.push_back(score); }
  const std::vector<TScore>& Scores() const { return Entries; }
  TWriteResult DeletePlayerScores(const QString& player) {
    std::erase_if(Entries, [&](const TScore& s) { return s.Name.compare(player, Qt::CaseInsensitive) == 0; });
    return {};
  }

 private:
  std::vector<TScore> Entries;
};
