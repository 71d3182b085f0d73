#include "HintLayout.h"

#include "ClueText.h"
#include "Puzzle.h"

namespace {

// Places pieces left to right: a picture after a text starts 2 pixels past
// the text's end, a text after a picture 32 pixels past the picture's left.
class TLine {
 public:
  explicit TLine(const std::function<int(const QString&)>& width) : Width(width) {}

  void Text(const QString& text, int x) { Pieces.push_back({false, text, -1, x, HintTop}); }
  void Text(const QString& text) { Text(text, Pieces.empty() ? 4 : Pieces.back().X + 32); }
  void Picture(int picture) {
    // The first picture follows "The " at its width plus 2, not at its end.
    const int x =
        Pieces.size() == 1 ? Width(Pieces.front().Text) + 2 : Pieces.back().X + Width(Pieces.back().Text) + 2;
    Pieces.push_back({true, QString(), picture, x, HintTop});
  }
  // Where a closing part starts.
  int End() const {
    if (Pieces.empty()) return 34;
    const THintPiece& last = Pieces.back();
    return last.IsPicture ? last.X + 32 : last.X + Width(last.Text) + 4;
  }

  std::vector<THintPiece> Pieces;

 private:
  const std::function<int(const QString&)>& Width;
};

int PictureAt(const TPuzzle& puzzle, TBoardPos p) {
  if (p.c < 1 || p.c > MaxBoardSize || p.r < 1 || p.r > MaxBoardSize) return -1;
  const int image = puzzle.Square(p.c, p.r).imageindex();
  return image >= 1 && image <= 100 ? image - 1 : -1;
}

int TilePicture(int row, int tile) {
  return tile >= 1 && tile <= MaxBoardSize && row >= 1 && row <= MaxBoardSize ? (row - 1) * 10 + tile - 1
                                                                              : -1;
}

}  // namespace

std::vector<THintPiece> LayOutHint(const TPuzzle& puzzle, const TClue* clue, int index, bool step,
                                   const TDeductionStep& last,
                                   const std::function<int(const QString&)>& Width) {
  TLine line(Width);
  if (!clue) {
    if (index == -1)
      line.Text(QString::fromLatin1(TwoPlacesHintText), 4);
    else
      line.Text(QString::fromLatin1(BoardHintText), 2);
    return line.Pieces;
  }
  if (!clue->shown()) {
    line.Text(QString::fromLatin1(HiddenClueHintText), 2);
  } else {
    for (const TSentencePiece& piece : HintSentence(*clue, step)) {
      if (piece.IsPicture)
        line.Picture(PictureAt(puzzle, piece.Tile));
      else
        line.Text(QString::fromStdString(piece.Text));
    }
  }
  if (!step || !last.ChangedSquare) return line.Pieces;

  const int tile = last.RemovedTile ? last.RemovedTile : last.PlacedTile;
  const char* tail = last.RemovedTile ? StepTailText : StepPlacedText;
  const int x0 = line.End();
  const QString lead = QString::fromLatin1(StepLeadText);
  line.Text(lead, x0);
  const int pictureX = x0 + Width(lead) + 2;
  // A picture the library cannot give is left out; the text keeps its place.
  if (const int picture = TilePicture(last.Square.r, tile); picture >= 0)
    line.Pieces.push_back({true, QString(), picture, pictureX, HintTop});
  line.Text(QString::fromLatin1(tail), pictureX + 32);
  return line.Pieces;
}

TArrowPlace BoardArrowPlace(TBoardPos square, const TBoardLayout& L) {
  TArrowPlace place;
  // The box ends at the square's bottom edge, centred on the edge it shares
  // with the next column, or in the last column on its own left edge. The
  // head goes into the square's bottom corner: from the upper right, or in
  // the last column from the upper left (a rising arrow there would point
  // above the square whenever its squares are lower than the arrow).
  if (square.c < L.N) {
    place.Slope = TArrowSlope::Up;
    place.Head = TArrowHead::AtStart;
    place.Left = SquareLeft(square.c, L) - BoardArrowSize.width() / 2;
  } else {
    place.Slope = TArrowSlope::Down;
    place.Head = TArrowHead::AtEnd;
    place.Left = SquareLeft(square.c - 1, L) - BoardArrowSize.width() / 2;
  }
  place.Top = SquareTop(square.r, L) - BoardArrowSize.height();
  return place;
}

TArrowPlace HorizontalArrowPlace(int index, int s, int W, int H) {
  const int x = HorizontalClueLeft(index, s);
  const int y = HorizontalClueTop(index, s);
  const bool upper = y < H / 2;
  TArrowPlace place;
  if (x < W / 2) {
    place.Left = x + 3 * s - s / 2;
    place.Head = TArrowHead::AtStart;
    place.Slope = upper ? TArrowSlope::Down : TArrowSlope::Up;
  } else {
    place.Left = x - PanelArrowSize.width() / 2;
    place.Head = TArrowHead::AtEnd;
    place.Slope = upper ? TArrowSlope::Up : TArrowSlope::Down;
  }
  place.Top = upper ? y + s - s / 2 : y - s / 2;
  return place;
}

TArrowPlace VerticalArrowPlace(int index, int s, int W, int boxLeft) {
  const int x = VerticalClueLeft(index, s);
  TArrowPlace place;
  place.Top = VerticalArrowTop;
  if (x < W / 2) {
    place.Slope = TArrowSlope::Down;
    place.Head = TArrowHead::AtStart;
    place.Left = boxLeft + x + s / 2;
  } else {
    place.Slope = TArrowSlope::Up;
    place.Head = TArrowHead::AtEnd;
    place.Left = boxLeft + x - s;
  }
  return place;
}
