#pragma once

#include <QFont>

// The designed fonts are mapped to their metric-compatible free twins
// ("Arial Narrow" to "Liberation Sans Narrow", "Arial" to "Liberation
// Sans"), so widths measured from text stay as designed. Safe to call again.
void InstallFontSubstitutes();
// The narrow font of the labels, panes, tables and dialogs.
QFont NarrowFont(int pointSize);
