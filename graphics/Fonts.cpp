#include "Fonts.h"

#include <algorithm>

void InstallFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont NarrowFont(int pointSize) {
  QFont font(QStringLiteral("Arial Narrow"));
  font.setPointSize(std::max(1, pointSize));
  return font;
}
