#include "GameTexts.h"

#include "GameRules.h"

#include <QRegularExpression>

QString ProgressText(int solved, int n) {
  const double percent = n > 0 ? solved * 100.0 / (n * n) : 0.0;
  return QStringLiteral("%1 (%2%) complete").arg(solved).arg(percent, 0, 'f', 1);
}

QString TimeText(int seconds, bool timerOn) {
  // A game finished untimed keeps -1 for its time whatever the switch says now.
  if (!timerOn || seconds < 0) return QStringLiteral("Untimed");
  return QStringLiteral("Time: %1:%2:%3")
      .arg(seconds / 3600)
      .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int ParsePuzzleNumber(const QString& text) {
  bool ok = false;
  const long long value = text.trimmed().toLongLong(&ok);
  if (!ok) {
    // Digits beyond 64 bits are still a number, just a big one.
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = text.trimmed();
    if (digits.match(t).hasMatch()) return t.startsWith('-') ? MinPuzzleNumber : MaxPuzzleNumber;
    return MinPuzzleNumber;
  }
  return ClampPuzzleNumber(value);
}
