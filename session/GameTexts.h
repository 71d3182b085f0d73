#pragma once

#include <QString>

// The texts the game builds from its rules' numbers.
QString ProgressText(int solved, int n);
QString TimeText(int seconds, bool timerOn);
// The go-to box's text as a puzzle number: junk counts as the first, then clamped.
int ParsePuzzleNumber(const QString& text);
