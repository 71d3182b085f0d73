#pragma once
// A long-played score file: lines with many equal keys, as years of play
// give them: a few hundred players, six board sizes, small counters.
#include "GameRules.h"
#include "ScoreTable.h"

#include <QByteArray>

#include <random>

inline QByteArray LongScoreFileText(int entries) {
  std::mt19937 random(2024);
  const int sizes[] = {4, 5, 6, 8, 9, 10};
  QByteArray text;
  for (int i = 0; i < entries; ++i) {
    const int size = sizes[random() % 6];
    const int time = int(random() % 5000) - 1;
    const int errors = int(random() % 20);
    const int clues = int(random() % 10);
    text += "player=Player" + QByteArray::number(int(random() % 300)) +
            "~number=" + QByteArray::number(int(random() % 999999) + 1) +
            "~size=" + QByteArray::number(size) + "~time=" + QByteArray::number(time) +
            "~errors=" + QByteArray::number(errors) + "~clues=" + QByteArray::number(clues) +
            "~difficulty=" + QByteArray::number(int(random() % 11)) +
            "~score=" + QByteArray::number(ScoreFor(size, time, errors, clues)) + "~\r\n";
  }
  return text;
}
