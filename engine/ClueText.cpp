// The words the tool and the hint pane use for clues.
#include "ClueText.h"

#include "Puzzle.h"

std::vector<TTemplatePart> SplitTemplate(std::string_view source) {
  std::vector<TTemplatePart> parts;
  std::string text;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
      if (!text.empty()) parts.push_back({0, std::move(text)});
      text.clear();
      parts.push_back({source[i + 1] - '0', {}});
      ++i;
    } else {
      text += source[i];
    }
  }
  if (!text.empty()) parts.push_back({0, std::move(text)});
  return parts;
}

std::string FormatTemplate(std::string_view source, const std::vector<std::string>& arguments) {
  std::string out;
  for (const TTemplatePart& part : SplitTemplate(source)) {
    if (part.Argument == 0)
      out += part.Text;
    else if (static_cast<std::size_t>(part.Argument) <= arguments.size())
      out += arguments[part.Argument - 1];
  }
  return out;
}

namespace {

// The picture of the tile the solution puts at p, 0 when there is none.
int PictureAt(const TPuzzle& puzzle, TBoardPos p) {
  if (p.c < 1 || p.c > MaxBoardSize || p.r < 1 || p.r > MaxBoardSize) return 0;
  const int image = puzzle.Square(p.c, p.r).imageindex();
  return IsPicture(image) ? image : 0;
}

}  // namespace

std::string DescribeClue(const TPuzzle& puzzle, const TClue& clue) {
  const TClueKind* kind = ClueKindOf(clue.type());
  if (!kind) return "unknown clue.";
  std::vector<std::string> tiles;
  for (int k = 1; k <= kind->Tiles; ++k) {
    const TBoardPos p = clue.Tile(k);
    tiles.push_back(FormatTemplate(
        "row %1 tile %2", {std::to_string(p.r), std::to_string(puzzle.Square(p.c, p.r).localindex())}));
  }
  return FormatTemplate(kind->Text, tiles);
}

TMessage HintMessage(const TPuzzle& puzzle, const TClue& clue, bool step) {
  const TClueKind* kind = ClueKindOf(clue.type());
  const char* source = kind ? (step ? kind->StepHint : kind->Hint) : nullptr;
  if (!source) return {};
  TMessage message{{HintContext, source}, {}};
  for (int k = 1; k <= kind->Tiles; ++k) message.Pictures.push_back(PictureAt(puzzle, clue.Tile(k)));
  return message;
}

TMessage StepMessage(const TDeductionStep& step) {
  if (!step.ChangedSquare) return {};
  const int tile = step.RemovedTile ? step.RemovedTile : step.PlacedTile;
  const int row = step.Square.r;
  const bool known = tile >= 1 && tile <= MaxBoardSize && row >= 1 && row <= MaxBoardSize;
  return {
      step.RemovedTile ? StepRemovedHint : StepPlacedHint, {known ? TilePicture(row, tile) : 0}, step.Square};
}
