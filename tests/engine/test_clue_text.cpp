#include <gtest/gtest.h>

#include <string>

#include "ClueText.h"
#include "Puzzle.h"

using enum TClueType;

namespace {

// The pieces joined by "|", a picture as "#c,r".
std::string Render(const std::vector<TSentencePiece>& pieces) {
  std::string out;
  for (const TSentencePiece& piece : pieces) {
    if (!out.empty()) out += '|';
    out += piece.IsPicture ? "#" + std::to_string(piece.Tile.c) + "," + std::to_string(piece.Tile.r)
                           : piece.Text;
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
