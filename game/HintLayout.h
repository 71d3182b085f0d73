#pragma once

#include "BoardPos.h"
#include "ClueText.h"
#include "DeductionStep.h"
#include "GameRules.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TClue;
class TPuzzle;

// What the hint pane says about a clue, a message or a deduction step, with
// every piece placed; no pixels are touched here. Texts have their top-left
// corner at (X, Y); pictures are HintPictureSize square there.
constexpr int HintPictureSize = 30;
constexpr int HintTop = 4;

struct THintPiece {
  bool IsPicture = false;
  QString Text;
  int Picture = -1;  // picture number - 1 in the tile library
  int X = 0;
  int Y = HintTop;
  friend bool operator==(const THintPiece&, const THintPiece&) = default;
};

// Lays out ExplainClue(Clue, Index, Step): with no clue, the board's message
// (Index other than -1) or the two-places message (Index -1); a hidden clue's
// message; a shown clue's sentence. With Step, the closing part names the
// tile that Last removed from its square, or the tile it placed there, and
// the square by its column and its row's name; the two-places rule changed
// no single square, so it gets no closing part. Width measures a text in the
// pane's font; RowName gives a row's name as the player reads it.
std::vector<THintPiece> LayOutHint(const TPuzzle& puzzle, const TClue* clue, int index, bool step,
                                   const TDeductionStep& last,
                                   const std::function<int(const QString&)>& Width,
                                   const std::function<QString(int row)>& RowName);

// What a message that names a square puts in after its pictures (see
// TMessage): the column's number, the row's name and the same in lower case.
QStringList SquareWords(const TMessage& message, const QString& rowName);
// A translated template with %1, %2, ... replaced by args[0], args[1], ...
// in one pass, whatever order they stand in; a placeholder without an
// argument is left out.
QString FillTemplate(const QString& source, const QStringList& args);

// The hint arrows: a line from one corner of its box to the other, rising
// (Up: bottom-left to top-right) or falling (Down: top-left to
// bottom-right), with the head at its start (left end) or its end.
enum class TArrowSlope { Up, Down };
enum class TArrowHead { AtStart, AtEnd };
struct TArrowPlace {
  int Left = 0;
  int Top = 0;
  TArrowSlope Slope = TArrowSlope::Up;
  TArrowHead Head = TArrowHead::AtStart;
  friend bool operator==(const TArrowPlace&, const TArrowPlace&) = default;
};
inline const QSize BoardArrowSize{87, 58};
inline const QSize PanelArrowSize{86, 58};
constexpr int VerticalArrowTop = 23;

// The left edge of board column i + 1 and the top edge of row j + 1.
inline int SquareLeft(int i, const TBoardLayout& L) {
  return i * (L.W + 10) + 8;
}
inline int SquareTop(int j, const TBoardLayout& L) {
  return j * (L.H + 6) + 8;
}
// The board arrow for a step that changed square (X, Y): falling from the
// next column to the square's bottom corner, or in the last column from the
// column before into the square itself.
TArrowPlace BoardArrowPlace(TBoardPos square, const TBoardLayout& L);
// An arrow's tip stands ArrowInset pixels in from its box's corner, as
// TArrowLine draws it; ArrowTip is that point for an arrow of size at place.
constexpr int ArrowInset = 4;
QPoint ArrowTip(const TArrowPlace& place, QSize size);
// The horizontal panel's arrow at clue index of a panel W x H with cells of s.
TArrowPlace HorizontalArrowPlace(int index, int s, int W, int H);
// The vertical panel's arrow at clue index with cells of s; boxLeft is the
// paint box's left edge in the arrow's parent. The top stays as it is.
TArrowPlace VerticalArrowPlace(int index, int s, int W, int boxLeft);
