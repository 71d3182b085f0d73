#pragma once

#include <QString>

// The texts the game builds from its rules' numbers.
QString ProgressText(int solved, int n);
QString TimeText(int seconds, bool timerOn);
