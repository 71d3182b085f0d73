#include <gtest/gtest.h>

#include <string>

#include "ClueText.h"
#include "Puzzle.h"

using enum TClueType;

namespace {

// The message's pieces joined by "|", a picture as "#c,r" of the square it
// shows on a board whose solution is still the identity.
std::string Render(const TMessage& message) {
  std::string out;
  for (const TTemplatePart& part : SplitTemplate(message.Text.Source ? message.Text.Source : "")) {
    if (!out.empty()) out += '|';
    if (part.Argument == 0) {
      out += part.Text;
    } else {
      const int p = message.Pictures.at(static_cast<std::size_t>(part.Argument) - 1) - 1;
      out += "#" + std::to_string(p % MaxBoardSize + 1) + "," + std::to_string(p / MaxBoardSize + 1);
    }
  }
  return out;
}

}  // namespace

TEST(ClueText, DescribeClueNamesTheTilesTheCluesSquaresHold) {
  TPuzzle p;
  p.SetSize(4);
  p.InitSquares();
  EXPECT_EQ(DescribeClue(p, TClue(clLeftOf, 1, 3, 2, 4, 0, 0)),
            "row 2 tile 1 is somewhere left of row 4 tile 3.");
  EXPECT_EQ(DescribeClue(p, TClue(clTwoAdjacent, 1, 3, 2, 1, 2, 3)),
            "row 3 tile 2 is directly between row 1 tile 1 and row 2 tile 3.");
}

TEST(ClueText, HintSentencePlacesPicturesByClueKind) {
  TPuzzle p;
  p.SetSize(MaxBoardSize);
  p.InitSquares();
  auto HintSentence = [&p](const TClue& clue, bool step) { return HintMessage(p, clue, step); };
  const TClue between(clTwoAdjacent, 1, 3, 2, 4, 5, 6);
  const std::string hover = "The |#2,6| is directly between the |#1,4| and the |#3,5";
  EXPECT_EQ(Render(HintSentence(between, false)), hover + "| (the outer two tiles may be swapped over)");
  EXPECT_EQ(Render(HintSentence(between, true)), hover) << "a step ends in the picture";

  EXPECT_EQ(Render(HintSentence(TClue(clTwoInSameColumn, 2, 1, 3, 4, 0, 0), true)),
            "The |#2,1| and the |#2,3| and the |#2,4| are all in the same column");
  EXPECT_EQ(Render(HintSentence(TClue(clLeftOf, 1, 3, 2, 4, 0, 0), false)),
            "The |#1,2| is at least one column to the left of the |#3,4");

  for (TClueType kind : {clAdjacent, clTwoAdjacentExclude, clNotInSameColumn})
    EXPECT_TRUE(HintSentence(TClue(kind, 1, 2, 3, 1, 2, 3), false).empty()) << static_cast<int>(kind);
}

TEST(ClueText, TemplatesPutArgumentsWhereTheirPlaceholdersStand) {
  // A translation may reorder the placeholders; a lone "%" stays text.
  EXPECT_EQ(FormatTemplate("%2 before %1, 100%", {"a", "b"}), "b before a, 100%");
  EXPECT_EQ(FormatTemplate("%3 missing", {"a"}), " missing");
}
