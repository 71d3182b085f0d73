#pragma once

#include "GameFacts.h"

#include <QString>

// The board sizes as a player reads them in the language spoken:
// "4, 5, 6, 8, 9 or 10".
QString BoardSizeListText();

// What keeps a requested puzzle from being played, in the language spoken;
// given is the request as it was written, for a problem of its form.
QString RequestProblemText(TRequestProblem problem, const QString& given);
