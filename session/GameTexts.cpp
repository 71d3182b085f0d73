#include "GameTexts.h"

#include "GameRules.h"

#include <QCoreApplication>
#include <QLocale>

QString ProgressText(int solved, int n) {
  const double percent = n > 0 ? solved * 100.0 / (n * n) : 0.0;
  //: The squares solved and their share of the board, as "12 (33.3%) complete"
  return QCoreApplication::translate("Session", "%1 (%2%) complete")
      .arg(QLocale().toString(solved), QLocale().toString(percent, 'f', 1));
}

QString TimeText(int seconds, bool timerOn) {
  // A game finished untimed keeps -1 for its time whatever the switch says now.
  if (!timerOn || seconds < 0) return QCoreApplication::translate("Session", "Untimed");
  //: The clock: hours, minutes and seconds
  return QCoreApplication::translate("Session", "Time: %1:%2:%3")
      .arg(seconds / 3600)
      .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
