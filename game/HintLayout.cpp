#include "HintLayout.h"

#include "ClueText.h"
#include "Puzzle.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Places pieces left to right: a picture after a text starts 2 pixels past
// the text's end, a text after a picture 32 pixels past the picture's left.
class TLine {
 public:
  explicit TLine(const std::function<int(const QString&)>& width) : Width(width) {}

  // A message starting at x: its first text there, the rest after it. Its
  // placeholders past the pictures take words, which join the texts around
  // them. Returns the index of its first piece.
  std::size_t Message(const TMessageText& text, const std::vector<int>& pictures, const QStringList& words,
                      int x, bool sentence = false) {
    const QString source = QCoreApplication::translate(text.Context, text.Source);
    const std::size_t first = Pieces.size();
    const auto write = [&](const QString& written) {
      if (written.isEmpty()) return;
      if (Pieces.size() > first && !Pieces.back().IsPicture)
        Pieces.back().Text += written;
      else
        Pieces.push_back({false, written, -1, At(first, x), HintTop});
    };
    for (const TTemplatePart& part : SplitTemplate(source.toStdString())) {
      const std::size_t k = static_cast<std::size_t>(part.Argument) - 1;
      if (part.Argument == 0) {
        write(QString::fromStdString(part.Text));
      } else if (k >= pictures.size()) {
        write(words.value(static_cast<qsizetype>(k - pictures.size())));
      } else {
        const int picture = pictures[k];
        // A clue sentence's first picture follows "The " at its width plus
        // 2, measured from the pane's edge rather than the text's.
        const int at = sentence && Pieces.size() == first + 1 ? Width(Pieces[first].Text) + 2 : At(first, x);
        Pieces.push_back({true, QString(), IsPicture(picture) ? picture - 1 : -1, at, HintTop});
      }
    }
    return first;
  }

  // Where a closing part starts.
  int End() const {
    if (Pieces.empty()) return 34;
    const THintPiece& last = Pieces.back();
    return last.IsPicture ? last.X + 32 : last.X + Width(last.Text) + 4;
  }

  std::vector<THintPiece> Pieces;

 private:
  // Where the next piece of a message that began at piece first and x goes.
  int At(std::size_t first, int x) const {
    if (Pieces.size() == first) return x;
    const THintPiece& last = Pieces.back();
    return last.IsPicture ? last.X + 32 : last.X + Width(last.Text) + 2;
  }

  const std::function<int(const QString&)>& Width;
};

}  // namespace

std::vector<THintPiece> LayOutHint(const TPuzzle& puzzle, const TClue* clue, int index, bool step,
                                   const TDeductionStep& last,
                                   const std::function<int(const QString&)>& Width,
                                   const std::function<QString(int row)>& RowName) {
  TLine line(Width);
  if (!clue) {
    if (index == -1)
      line.Message(TwoPlacesHint, {}, {}, 4);
    else
      line.Message(BoardHint, {}, {}, 2);
    return line.Pieces;
  }
  if (!clue->shown()) {
    line.Message(HiddenClueHint, {}, {}, 2);
  } else {
    const TMessage sentence = HintMessage(puzzle, *clue, step);
    line.Message(sentence.Text, sentence.Pictures, {}, 4, true);
  }
  const TMessage closing = step ? StepMessage(last) : TMessage{};
  if (closing.empty()) return line.Pieces;
  const QString row = closing.NamesSquare() && RowName ? RowName(closing.Square.r) : QString();
  const std::size_t first =
      line.Message(closing.Text, closing.Pictures, SquareWords(closing, row), line.End());
  // A picture the library cannot give is left out; the text keeps its place.
  const auto missing = [](const THintPiece& piece) { return piece.IsPicture && piece.Picture < 0; };
  line.Pieces.erase(
      std::remove_if(line.Pieces.begin() + static_cast<std::ptrdiff_t>(first), line.Pieces.end(), missing),
      line.Pieces.end());
  return line.Pieces;
}

QStringList SquareWords(const TMessage& message, const QString& rowName) {
  if (!message.NamesSquare()) return {};
  return {QString::number(message.Square.c), rowName, rowName.toLower()};
}

QString FillTemplate(const QString& source, const QStringList& args) {
  QString out;
  for (const TTemplatePart& part : SplitTemplate(source.toStdString()))
    out += part.Argument == 0 ? QString::fromStdString(part.Text) : args.value(part.Argument - 1);
  return out;
}

TArrowPlace BoardArrowPlace(TBoardPos square, const TBoardLayout& L) {
  TArrowPlace place;
  if (square.c < L.N) {
    // The box ends at the square's bottom edge, centred on the edge it
    // shares with the next column; the head goes into the square's bottom
    // corner from the upper right.
    place.Slope = TArrowSlope::Up;
    place.Head = TArrowHead::AtStart;
    place.Left = SquareLeft(square.c, L) - BoardArrowSize.width() / 2;
    place.Top = SquareTop(square.r, L) - BoardArrowSize.height();
    return place;
  }
  // The last column has no next column: the arrow falls from the column
  // before, centred on the square's own left edge. A tip at the bottom edge
  // would point on into the square below, so the tip goes into the square,
  // halfway down it, and no further right than its middle.
  place.Slope = TArrowSlope::Down;
  place.Head = TArrowHead::AtEnd;
  const int w = BoardArrowSize.width(), h = BoardArrowSize.height();
  place.Left = SquareLeft(square.c - 1, L) + std::min(w / 2 - ArrowInset, L.W / 2) + ArrowInset - w;
  place.Top = SquareTop(square.r - 1, L) + L.H / 2 + ArrowInset - h;
  return place;
}

QPoint ArrowTip(const TArrowPlace& place, QSize size) {
  // The start is the left end: low on a rising line, high on a falling one.
  const bool left = place.Head == TArrowHead::AtStart;
  const bool bottom = left == (place.Slope == TArrowSlope::Up);
  return {place.Left + (left ? ArrowInset : size.width() - ArrowInset),
          place.Top + (bottom ? size.height() - ArrowInset : ArrowInset)};
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
