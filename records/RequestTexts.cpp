#include "RequestTexts.h"

#include <QCoreApplication>
#include <QStringList>

QString BoardSizeListText() {
  QStringList sizes;
  for (const TBoardSize& size : BoardSizes) sizes << QString::number(size.N);
  const QString last = sizes.takeLast();
  //: The board sizes: %1 all but the last, as "4, 5, 6, 8, 9", and %2 the last, as "10"
  return QCoreApplication::translate("BoardSizes", "%1 or %2").arg(sizes.join(QStringLiteral(", ")), last);
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
