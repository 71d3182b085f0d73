// Where the hint pane puts its texts and pictures, and where the arrows go.
#include "ClueText.h"
#include "HintLayout.h"
#include "Puzzle.h"

#include <QRect>

#include <gtest/gtest.h>

namespace {

// Every character 7 pixels wide, so positions can be worked out by hand.
int Width(const QString& text) {
  return 7 * int(text.size());
}

class HintLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { Puzzle.SetUp(6, 11, 5); }
  int Picture(int c, int r) const { return Puzzle.Square(c, r).imageindex() - 1; }
  std::vector<THintPiece> Lay(const TClue* clue, bool step, const TDeductionStep& last = {},
                              int index = 0) const {
    return LayOutHint(Puzzle, clue, index, step, last, Width,
                      [](int row) { return QStringLiteral("Row Name %1").arg(row); });
  }
  static THintPiece Text(const char* text, int x) { return {false, QString::fromLatin1(text), -1, x, 4}; }
  static THintPiece Pic(int picture, int x) { return {true, QString(), picture, x, 4}; }
  TPuzzle Puzzle;
};

TEST_F(HintLayoutTest, SentencesPlaceEachPieceAfterTheOneBefore) {
  // "The " is 28 wide: the first picture at 30, the next text 32 further on.
  const TClue column(TClueType::clTwoInSameColumn, 2, 1, 3, 5, 0, 0);
  const int and1 = 62 + 7 * 9 + 2;  // " and the " after x = 62
  const std::vector<THintPiece> expected{Text("The ", 4),
                                         Pic(Picture(2, 1), 30),
                                         Text(" and the ", 62),
                                         Pic(Picture(2, 3), and1),
                                         Text(" and the ", and1 + 32),
                                         Pic(Picture(2, 5), and1 + 32 + 63 + 2),
                                         Text(" are all in the same column", and1 + 32 + 65 + 32)};
  EXPECT_EQ(Lay(&column, false), expected);

  // Between: the middle tile first; on hover the note on swapping ends it.
  const TClue between(TClueType::clTwoAdjacent, 1, 3, 2, 4, 5, 6);
  const std::vector<THintPiece> hover = Lay(&between, false);
  ASSERT_EQ(hover.size(), 7u);
  EXPECT_EQ(hover[1], Pic(Picture(2, 6), 30));
  EXPECT_EQ(hover[3].Picture, Picture(1, 4));
  EXPECT_EQ(hover[5].Picture, Picture(3, 5));
  EXPECT_EQ(hover[6].Text, QStringLiteral(" (the outer two tiles may be swapped over)"));
  EXPECT_EQ(hover[6].X, hover[5].X + 32);

  // Kinds without a sentence leave the pane empty.
  for (TClueType kind :
       {TClueType::clAdjacent, TClueType::clTwoAdjacentExclude, TClueType::clNotInSameColumn}) {
    const TClue clue(kind, 1, 2, 3, 4, 5, 6);
    EXPECT_TRUE(Lay(&clue, false).empty()) << int(kind);
  }
}

TEST_F(HintLayoutTest, MessagesStandWhereTheyAreWritten) {
  EXPECT_EQ(Lay(nullptr, false), std::vector<THintPiece>{Text(BoardHint.Source, 2)});
  EXPECT_EQ(Lay(nullptr, false, {}, -1), std::vector<THintPiece>{Text(TwoPlacesHint.Source, 4)});
  TClue hidden(TClueType::clLeftOf, 1, 3, 2, 4, 0, 0);
  hidden.setShown(false);
  EXPECT_EQ(Lay(&hidden, false), std::vector<THintPiece>{Text(HiddenClueHint.Source, 2)});
}

TEST_F(HintLayoutTest, AStepClosesWithTheTileItRemovedOrPlacedAndItsSquare) {
  TDeductionStep removed;
  removed.Rule = TDeductionStep::TRule::Clue;
  removed.ChangedSquare = true;
  removed.Square = {4, 3};
  removed.RemovedTile = 5;
  const int tile = 2 * 10 + 5 - 1;  // tile 5 of row 3
  auto closing = [&](int x0) {
    return std::vector<THintPiece>{Text(" ... So this tile: ", x0), Pic(tile, x0 + 7 * 19 + 2),
                                   Text(" can be removed from column 4's row name 3", x0 + 7 * 19 + 2 + 32)};
  };
  auto tail = [](std::vector<THintPiece> pieces) {
    return std::vector<THintPiece>(pieces.end() - 3, pieces.end());
  };

  // After a picture: 32 past its left edge. In a step the between clue has no note.
  const TClue between(TClueType::clTwoAdjacent, 1, 3, 2, 4, 5, 6);
  std::vector<THintPiece> step = Lay(&between, true, removed);
  ASSERT_EQ(step.size(), 9u);
  EXPECT_EQ(tail(step), closing(step[5].X + 32));
  // After a text: 4 past its end.
  const TClue column(TClueType::clSameColumn, 2, 1, 3, 0, 0, 0);
  step = Lay(&column, true, removed);
  ASSERT_EQ(step.size(), 8u);
  EXPECT_EQ(tail(step), closing(step[4].X + Width(step[4].Text) + 4));
  TClue hidden = column;
  hidden.setShown(false);
  step = Lay(&hidden, true, removed);
  ASSERT_EQ(step.size(), 4u);
  EXPECT_EQ(tail(step), closing(2 + Width(QString::fromLatin1(HiddenClueHint.Source)) + 4));
  // After nothing: at 34.
  const TClue next(TClueType::clAdjacent, 1, 2, 3, 4, 0, 0);
  EXPECT_EQ(Lay(&next, true, removed), closing(34));

  // A square solved without a removal shows the tile placed there.
  TDeductionStep placed = removed;
  placed.RemovedTile = 0;
  placed.PlacedTile = 5;
  step = Lay(&column, true, placed);
  EXPECT_EQ(step.back().Text, QStringLiteral(" belongs in column 4"));
  EXPECT_EQ(step[step.size() - 2].Picture, tile);
  // A translation may name the square's parts in any order, and leave some out.
  EXPECT_EQ(FillTemplate(QStringLiteral("%4 de la colonne %2 : %1"), {"a", "2", "Fruit", "fruit"}),
            QStringLiteral("fruit de la colonne 2 : a"));
  // The two-places rule changed no one square: its message stands alone.
  TDeductionStep pair;
  pair.Rule = TDeductionStep::TRule::TwoPlaces;
  pair.Square = {4, 3};
  pair.RemovedTile = 5;
  EXPECT_EQ(Lay(nullptr, true, pair, -1), std::vector<THintPiece>{Text(TwoPlacesHint.Source, 4)});
}

TEST(HintArrows, TheBoardArrowStandsOnTheChangedSquaresCorner) {
  const TBoardLayout L(6, 732, 438);  // squares of W x H
  // Inside the board: centred on the next column's left edge, head at its start.
  EXPECT_EQ(BoardArrowPlace({2, 3}, L), (TArrowPlace{2 * (L.W + 10) + 8 - 43, 3 * (L.H + 6) + 8 - 58,
                                                     TArrowSlope::Up, TArrowHead::AtStart}));
  // The last column: falling from the column before, on the square's own
  // left edge, its tip inside the changed square rather than at its bottom
  // edge, where it pointed on into the square below; small squares too.
  for (const TBoardLayout& board : {L, TBoardLayout(10, 420, 300)}) {
    for (int r = 1; r <= board.N; ++r) {
      const TArrowPlace place = BoardArrowPlace({board.N, r}, board);
      EXPECT_EQ(place.Slope, TArrowSlope::Down);
      EXPECT_EQ(place.Head, TArrowHead::AtEnd);
      const QRect square(board.X0(board.N), board.Y0(r), board.W, board.H);
      EXPECT_TRUE(square.contains(ArrowTip(place, BoardArrowSize))) << board.N << " row " << r;
    }
  }
  // The tip is where TArrowLine draws it, for every shape.
  EXPECT_EQ(ArrowTip({10, 20, TArrowSlope::Up, TArrowHead::AtStart}, {87, 58}), QPoint(14, 74));
  EXPECT_EQ(ArrowTip({10, 20, TArrowSlope::Up, TArrowHead::AtEnd}, {87, 58}), QPoint(93, 24));
  EXPECT_EQ(ArrowTip({10, 20, TArrowSlope::Down, TArrowHead::AtStart}, {87, 58}), QPoint(14, 24));
  EXPECT_EQ(ArrowTip({10, 20, TArrowSlope::Down, TArrowHead::AtEnd}, {87, 58}), QPoint(93, 74));
}

TEST(HintArrows, PanelArrowsPointInFromTheQuadrantsSide) {
  const int s = 40, W = 266, H = 200;
  // Horizontal clues: even indices in the left column, rows 46 apart from y = 8.
  EXPECT_EQ(HorizontalArrowPlace(0, s, W, H),
            (TArrowPlace{6 + 120 - 20, 8 + 20, TArrowSlope::Down, TArrowHead::AtStart}));
  EXPECT_EQ(HorizontalArrowPlace(6, s, W, H),
            (TArrowPlace{6 + 120 - 20, 8 + 3 * 46 - 20, TArrowSlope::Up, TArrowHead::AtStart}));
  EXPECT_EQ(HorizontalArrowPlace(1, s, W, H),
            (TArrowPlace{138 - 43, 8 + 20, TArrowSlope::Up, TArrowHead::AtEnd}));
  EXPECT_EQ(HorizontalArrowPlace(7, s, W, H),
            (TArrowPlace{138 - 43, 8 + 3 * 46 - 20, TArrowSlope::Down, TArrowHead::AtEnd}));
  // Vertical clues: left half falls, right half rises; the top stays at 23.
  EXPECT_EQ(VerticalArrowPlace(1, s, 600, 70),
            (TArrowPlace{70 + 60 + 20, 23, TArrowSlope::Down, TArrowHead::AtStart}));
  EXPECT_EQ(VerticalArrowPlace(6, s, 600, 70),
            (TArrowPlace{70 + 310 - 40, 23, TArrowSlope::Up, TArrowHead::AtEnd}));
}

}  // namespace
