#include "RequestTexts.h"

#include "FormatTexts.h"

#include <QCoreApplication>

QString BoardSizeListText() {
  return FormatMessageText(BoardSizeListMessage());
}

QString RequestProblemText(TRequestProblem problem, const QString& given) {
  switch (problem) {
    case TRequestProblem::Form:
      return QCoreApplication::translate(
                 "PuzzleRequest", "the puzzle must be given as size:number, such as 6:1234, not \"%1\"")
          .arg(given);
    case TRequestProblem::Size:
      return QCoreApplication::translate("PuzzleRequest", "the size must be one of %1")
          .arg(BoardSizeListText());
    case TRequestProblem::Number:
      return QCoreApplication::translate("PuzzleRequest", "the puzzle number must be %1 to %2")
          .arg(MinPuzzleNumber)
          .arg(MaxPuzzleNumber);
    case TRequestProblem::Difficulty:
      return QCoreApplication::translate("PuzzleRequest", "the difficulty must be 0 to 10");
    case TRequestProblem::None:
      break;
  }
  return {};
}
