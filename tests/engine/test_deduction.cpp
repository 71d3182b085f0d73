#include <gtest/gtest.h>

#include <vector>

#include "Puzzle.h"

using enum TClueType;
using TRule = TDeductionStep::TRule;

namespace {

// Records what the engine asks of the window.
struct TRecorder : TPuzzleObserver {
  std::vector<TDeductionStep> Explains;
  int Draws = 0;
  int Pops = 0;
  void DrawSquare(int, int) override { ++Draws; }
  void PopSound() override { ++Pops; }
  void ExplainStep(const TDeductionStep& step) override { Explains.push_back(step); }
};

// Everything a step reports except its clue pointer.
void ExpectSameStep(const TDeductionStep& a, const TDeductionStep& b) {
  EXPECT_EQ(a.Rule, b.Rule);
  EXPECT_EQ(a.List, b.List);
  EXPECT_EQ(a.Index, b.Index);
  EXPECT_EQ(a.ChangedSquare, b.ChangedSquare);
  EXPECT_EQ(a.Square, b.Square);
  EXPECT_EQ(a.RemovedTile, b.RemovedTile);
  EXPECT_EQ(a.PlacedTile, b.PlacedTile);
  EXPECT_EQ(a.Row, b.Row);
}

// A board of size n whose solution is the identity: tile t of every row in column t,
// so the tile named (c, r) is tile c of row r.
struct Board : ::testing::Test {
  TPuzzle Puzzle;
  TRecorder Recorder;
  void Start(int n) {
    Puzzle.SetSize(n);
    Puzzle.InitSquares();
    Puzzle.SolvedCount = 0;
    Puzzle.SetObserver(&Recorder);
  }
  void Drop(int c, int r, int t) { Puzzle.Square(c, r).RemoveCandidate(t); }
  bool Has(int c, int r, int t) const { return Puzzle.Square(c, r).HasCandidate(t); }
  std::uint16_t Full() const { return TSquare::FullSet(Puzzle.Size()); }
  bool Untouched() const {
    for (int c = 1; c <= Puzzle.Size(); ++c)
      for (int r = 1; r <= Puzzle.Size(); ++r)
        if (Puzzle.Square(c, r).remaining() != Full() || Puzzle.Square(c, r).IsSolved()) return false;
    return true;
  }
};

}  // namespace

TEST_F(Board, PassThatFindsNothingOnlyClearsUsedFlags) {
  Start(5);
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 2, 1, 3, 0, 0, 0));
  Puzzle.HorizontalClues.push_back(TClue(clNotAdjacent, 1, 3, 1, 2, 0, 0));
  Puzzle.VerticalClues[0].setUsed(true);
  Puzzle.HorizontalClues[0].setUsed(true);

  EXPECT_FALSE(Puzzle.Deduce(true, false).Found());
  EXPECT_TRUE(Untouched());
  EXPECT_EQ(Puzzle.SolvedCount, 0);
  EXPECT_FALSE(Puzzle.VerticalClues[0].used());
  EXPECT_FALSE(Puzzle.HorizontalClues[0].used());
  EXPECT_FALSE(Puzzle.Deduce(false, true).Found());
  EXPECT_TRUE(Recorder.Explains.empty());
}

TEST_F(Board, StepModeTakesVerticalListFirstThenListOrderThenLeftmostColumn) {
  Start(5);
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 1, 1, 2, 0, 0, 0));  // row 1 tile 1 with row 2 tile 1
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 3, 1, 2, 0, 0, 0));  // row 1 tile 3 with row 2 tile 3
  Puzzle.HorizontalClues.push_back(TClue(clLeftOf, 1, 2, 1, 1, 0, 0));
  Drop(4, 2, 1);  // first clue can act in column 4
  Drop(1, 2, 3);  // second clue can act in columns 1 and 4
  Drop(4, 2, 3);

  const TDeductionStep first = Puzzle.Deduce(false, true);
  ASSERT_EQ(Recorder.Explains.size(), 1u);
  EXPECT_EQ(Recorder.Explains[0].Clue, &Puzzle.VerticalClues[0]);
  EXPECT_EQ(Recorder.Explains[0].Index, 0);
  EXPECT_TRUE(Recorder.Explains[0].IsVertical());
  ExpectSameStep(first, Recorder.Explains[0]);
  EXPECT_FALSE(Has(4, 1, 1));
  EXPECT_EQ(first.Square, (TBoardPos{4, 1}));
  EXPECT_EQ(Puzzle.Square(4, 1).lastremoved(), 1);
  EXPECT_TRUE(Puzzle.VerticalClues[0].used());
  EXPECT_TRUE(Has(1, 1, 3)) << "one step only";

  Puzzle.Deduce(false, true);
  ASSERT_EQ(Recorder.Explains.size(), 2u);
  EXPECT_EQ(Recorder.Explains[1].Index, 1);
  EXPECT_FALSE(Has(1, 1, 3)) << "leftmost column first";
  EXPECT_TRUE(Has(4, 1, 3));
  EXPECT_FALSE(Puzzle.VerticalClues[0].used()) << "each pass clears used";

  Puzzle.Deduce(false, true);
  Puzzle.Deduce(false, true);
  ASSERT_EQ(Recorder.Explains.size(), 4u);
  EXPECT_EQ(Recorder.Explains[3].Clue, &Puzzle.HorizontalClues[0]);
  EXPECT_EQ(Recorder.Explains[3].List, THintList::Horizontal);
  EXPECT_FALSE(Has(1, 1, 2)) << "left-of removed the right tile from column 1";
}

// A step names the last square its rule changed and what that change did
// there, whatever the row rules went on to do elsewhere.
TEST_F(Board, StepReportsTheLastSquareItsRuleChanged) {
  Start(4);
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 1, 1, 2, 0, 0, 0));  // row 1 tile 1 with row 2 tile 1
  Puzzle.Square(2, 1).setRemaining(TSquare::Bit(1) | TSquare::Bit(2));
  Drop(2, 2, 1);
  const TDeductionStep solving = Puzzle.Deduce(false, true);
  EXPECT_EQ(solving.Rule, TRule::Clue);
  EXPECT_TRUE(solving.IsVertical());
  EXPECT_TRUE(solving.ChangedSquare);
  EXPECT_EQ(solving.Square, (TBoardPos{2, 1}));
  EXPECT_EQ(solving.RemovedTile, 1);
  EXPECT_EQ(solving.PlacedTile, 2) << "one candidate was left";
  EXPECT_FALSE(Has(1, 1, 2)) << "the cascade went on in the row";

  Start(5);
  Puzzle.HorizontalClues.push_back(TClue(clLeftOf, 3, 5, 1, 2, 0, 0));  // row 1 tile 3 left of row 2 tile 5
  for (int c : {1, 2, 4, 5}) Drop(c, 1, 3);
  const TDeductionStep removing = Puzzle.Deduce(false, true);
  EXPECT_EQ(removing.Rule, TRule::Clue);
  EXPECT_EQ(removing.List, THintList::Horizontal);
  EXPECT_EQ(removing.Index, 0);
  EXPECT_EQ(removing.Clue, &Puzzle.HorizontalClues[0]);
  EXPECT_TRUE(removing.ChangedSquare);
  EXPECT_EQ(removing.Square, (TBoardPos{3, 2})) << "the last of columns 1 to 3";
  EXPECT_EQ(removing.RemovedTile, 5);
  EXPECT_EQ(removing.PlacedTile, 0);
  ASSERT_EQ(Recorder.Explains.size(), 2u);
  ExpectSameStep(removing, Recorder.Explains[1]);
}

TEST_F(Board, ThreeInAColumnTriesItsPairsInOrder) {
  Start(5);
  Puzzle.VerticalClues.push_back(TClue(clTwoInSameColumn, 2, 1, 2, 3, 0, 0));
  Drop(5, 3, 2);  // pairs (A, C) and (B, C) could both act in column 5
  Puzzle.Deduce(false, true);
  EXPECT_FALSE(Has(5, 1, 2)) << "(A, C) before (B, C)";
  EXPECT_TRUE(Has(5, 2, 2));
  Puzzle.Deduce(false, true);
  EXPECT_FALSE(Has(5, 2, 2));
}

TEST_F(Board, SameColumnSolvesTheOpenPartnerOfAPlacedTile) {
  Start(4);
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 3, 1, 4, 0, 0, 0));
  Puzzle.Square(3, 1).Solve();
  Puzzle.SolvedCount = 1;
  const TDeductionStep step = Puzzle.Deduce(false, true);
  EXPECT_TRUE(Puzzle.Square(3, 4).IsSolved());
  EXPECT_TRUE(Puzzle.Square(3, 4).IsCovered()) << "solving through a column clue covers";
  EXPECT_EQ(step.Square, (TBoardPos{3, 4}));
  EXPECT_EQ(step.PlacedTile, 3);
  EXPECT_EQ(step.RemovedTile, 0) << "solved without a removal";
  for (int c : {1, 2, 4}) EXPECT_FALSE(Has(c, 4, 3)) << "the cascade clears the row";
  EXPECT_EQ(Puzzle.SolvedCount, 2);
}

TEST_F(Board, MiddleOfTwoAdjacentLeavesTheEdgesAtOnce) {
  Start(5);
  const TClue clue(clTwoAdjacent, 1, 3, 2, 1, 2, 3);  // row 3 tile 2 between row 1 tile 1 and row 2 tile 3
  EXPECT_TRUE(Puzzle.ApplyTwoAdjacent(clue, false));
  EXPECT_FALSE(Has(1, 3, 2));
  EXPECT_FALSE(Has(5, 3, 2));
  for (int c = 2; c <= 4; ++c) EXPECT_TRUE(Has(c, 3, 2)) << c;

  Start(5);
  EXPECT_TRUE(Puzzle.ApplyTwoAdjacent(clue, true));
  EXPECT_FALSE(Has(1, 3, 2));
  EXPECT_TRUE(Has(5, 3, 2)) << "step mode stops after the first column that changed";
}

TEST_F(Board, TwoAdjacentDistanceRulesActOncePerCall) {
  Start(5);
  const TClue clue(clTwoAdjacent, 1, 3, 2, 1, 2, 3);  // row 3 tile 2 between row 1 tile 1 and row 2 tile 3
  for (int c : {1, 2, 5}) Drop(c, 2, 3);              // the outer tile R only in columns 3 and 4
  EXPECT_TRUE(Puzzle.ApplyTwoAdjacent(clue, false));
  EXPECT_FALSE(Has(1, 3, 2)) << "M has no R beside it in column 1";
  EXPECT_TRUE(Has(4, 1, 1)) << "no distance rule after the first change of the call";
  EXPECT_FALSE(Has(5, 3, 2)) << "the middle rule still runs in every column";

  while (Puzzle.ApplyTwoAdjacent(clue, false)) {
  }
  // L must stand two columns from R (3 or 4): columns 1, 2 or 5.
  for (int c : {1, 2, 5}) EXPECT_TRUE(Has(c, 1, 1)) << c;
  for (int c : {3, 4}) EXPECT_FALSE(Has(c, 1, 1)) << c;
}

TEST_F(Board, NotAdjacentWaitsForOneTileToBePlaced) {
  Start(5);
  const TClue clue(clNotAdjacent, 1, 3, 1, 2, 0, 0);  // row 1 tile 1 not next to row 2 tile 3
  EXPECT_FALSE(Puzzle.ApplyNotAdjacent(clue, false));
  EXPECT_TRUE(Untouched());

  Puzzle.Square(3, 2).Solve();  // B placed in column 3
  EXPECT_TRUE(Puzzle.ApplyNotAdjacent(clue, true));
  EXPECT_FALSE(Has(2, 1, 1));
  EXPECT_TRUE(Has(4, 1, 1)) << "step mode stops after the first neighbour";
  EXPECT_TRUE(Puzzle.ApplyNotAdjacent(clue, false));
  EXPECT_FALSE(Has(4, 1, 1));

  Puzzle.Square(1, 1).Solve();  // both placed: nothing to say
  EXPECT_FALSE(Puzzle.ApplyNotAdjacent(clue, false));
}

TEST_F(Board, LeftOfClearsUpToTheLeftmostPlaceOfTheLeftTile) {
  Start(5);
  const TClue clue(clLeftOf, 3, 5, 1, 2, 0, 0);  // row 1 tile 3 left of row 2 tile 5
  for (int c : {1, 2, 4, 5}) Drop(c, 1, 3);
  EXPECT_TRUE(Puzzle.ApplyLeftOf(clue, true));
  for (int c = 1; c <= 3; ++c) EXPECT_FALSE(Has(c, 2, 5)) << c;
  EXPECT_TRUE(Has(4, 2, 5));
  EXPECT_TRUE(Has(5, 2, 5));
}

TEST_F(Board, AdjacentStopsAtTheFirstColumnThatChanged) {
  Start(5);
  const TClue clue(clAdjacent, 2, 3, 1, 2, 0, 0);  // row 1 tile 2 next to row 2 tile 3
  for (int c : {1, 2, 4, 5}) Drop(c, 2, 3);
  EXPECT_TRUE(Puzzle.ApplyAdjacent(clue, false));
  EXPECT_FALSE(Has(1, 1, 2));
  EXPECT_TRUE(Has(3, 1, 2));
  EXPECT_TRUE(Puzzle.ApplyAdjacent(clue, false));
  EXPECT_FALSE(Has(3, 1, 2)) << "B itself stands in column 3";
  EXPECT_TRUE(Has(5, 1, 2));
  EXPECT_TRUE(Puzzle.ApplyAdjacent(clue, false));
  EXPECT_FALSE(Has(5, 1, 2));
  EXPECT_FALSE(Puzzle.ApplyAdjacent(clue, false));
  EXPECT_TRUE(Has(2, 1, 2));
  EXPECT_TRUE(Has(4, 1, 2));
}

TEST_F(Board, TwoTilesSharingTwoSquaresReduceThem) {
  Start(5);
  for (int c = 3; c <= 5; ++c) {  // row 5: tiles 1 and 2 only in columns 1 and 2
    Drop(c, 5, 1);
    Drop(c, 5, 2);
  }
  Drop(4, 5, 3);  // tile 3 then only in column 3 once the pair squares are reduced
  Drop(5, 5, 3);
  const int before = Puzzle.Square(1, 5).lastremoved();
  EXPECT_TRUE(Puzzle.ApplyTwoPlaces(5, 1, 2, true));
  const auto pair = static_cast<std::uint16_t>(TSquare::Bit(1) | TSquare::Bit(2));
  EXPECT_EQ(Puzzle.Square(1, 5).remaining(), pair);
  EXPECT_EQ(Puzzle.Square(2, 5).remaining(), pair);
  EXPECT_EQ(Puzzle.Square(1, 5).lastremoved(), before);
  ASSERT_EQ(Recorder.Explains.size(), 2u) << "one explanation per reduced square";
  for (const TDeductionStep& step : Recorder.Explains) {
    EXPECT_EQ(step.Rule, TRule::TwoPlaces);
    EXPECT_EQ(step.Row, 5);
    EXPECT_EQ(step.Clue, nullptr);
    EXPECT_EQ(step.Index, -1);
    EXPECT_FALSE(step.ChangedSquare);
  }
  EXPECT_TRUE(Puzzle.Square(3, 5).IsSolved()) << "the row check follows";
  EXPECT_EQ(Puzzle.SolvedCount, 1);
  EXPECT_FALSE(Puzzle.ApplyTwoPlaces(5, 1, 2, true)) << "nothing more to reduce";

  Start(5);
  for (int c = 3; c <= 5; ++c) Drop(c, 2, 1);  // tile 1 in columns 1, 2
  for (int c : {1, 4, 5}) Drop(c, 2, 2);       // tile 2 in columns 2, 3
  EXPECT_FALSE(Puzzle.ApplyTwoPlaces(2, 1, 2, false));
  EXPECT_EQ(Puzzle.Square(2, 2).CandidateCount(), 5);
}

TEST_F(Board, SilentPassDoesNotFollowTheTwoPlacesSweep) {
  Start(5);
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 3, 3, 4, 0, 0, 0));  // row 3 tile 3 with row 4 tile 3
  for (int c = 3; c <= 5; ++c) {
    Drop(c, 3, 1);
    Drop(c, 3, 2);
  }
  Puzzle.Deduce(true, false);
  EXPECT_FALSE(Has(1, 3, 3)) << "two-places reduced column 1 of row 3";
  EXPECT_TRUE(Has(1, 4, 3)) << "the clue that could now act waits for the next pass";
  EXPECT_FALSE(Puzzle.VerticalClues[0].used());
  Puzzle.Deduce(true, false);
  EXPECT_FALSE(Has(1, 4, 3));
  EXPECT_TRUE(Puzzle.VerticalClues[0].used());
}

TEST_F(Board, StepModeFallsBackOnTwoPlacesAndStopsAfterOnePair) {
  Start(4);
  // A clue rule changes row 4 first, ending in square (4, 4).
  EXPECT_TRUE(Puzzle.ApplyLeftOf(TClue(clLeftOf, 1, 2, 4, 4, 0, 0), false));
  for (int c = 3; c <= 4; ++c) {
    Drop(c, 1, 1);
    Drop(c, 1, 2);
    Drop(c, 2, 1);
    Drop(c, 2, 2);
  }
  const TDeductionStep step = Puzzle.Deduce(false, true);
  EXPECT_EQ(Puzzle.Square(1, 1).CandidateCount(), 2);
  EXPECT_EQ(Puzzle.Square(1, 2).CandidateCount(), 4) << "row 2 waits for the next step";
  EXPECT_EQ(step.Rule, TRule::TwoPlaces);
  EXPECT_EQ(step.Row, 1);
  EXPECT_EQ(step.List, THintList::None);
  EXPECT_FALSE(step.ChangedSquare);
  EXPECT_EQ(step.Square, (TBoardPos{4, 4})) << "the square the clue rule changed last";
  EXPECT_EQ(step.RemovedTile, 0);
  ASSERT_EQ(Recorder.Explains.size(), 2u);
  ExpectSameStep(step, Recorder.Explains[1]);

  EXPECT_EQ(Puzzle.Deduce(false, true).Row, 2);
  const TDeductionStep none = Puzzle.Deduce(false, true);
  EXPECT_EQ(none.Rule, TRule::None);
  EXPECT_EQ(none.Square, (TBoardPos{4, 4}));
  EXPECT_EQ(Recorder.Explains.size(), 4u) << "a step not taken is not explained";
}

TEST_F(Board, RemovalCascadesThroughTheRow) {
  Start(4);
  Puzzle.Square(1, 1).Solve();
  Puzzle.Square(2, 1).setRemaining(TSquare::Bit(1) | TSquare::Bit(2));
  Puzzle.Square(3, 1).setRemaining(TSquare::Bit(1) | TSquare::Bit(2) | TSquare::Bit(3));
  Puzzle.RemoveFromRow(1, 1, 1);
  for (int c = 1; c <= 4; ++c) {
    EXPECT_TRUE(Puzzle.Square(c, 1).IsSolved()) << c;
    EXPECT_EQ(Puzzle.Square(c, 1).remaining(), TSquare::Bit(c));
  }
  EXPECT_EQ(Puzzle.SolvedCount, 3);
  EXPECT_EQ(Recorder.Pops, 3);
}

TEST_F(Board, RowCheckPlacesATilePossibleInOneSquareOnly) {
  Start(5);
  for (int c : {1, 2, 3, 5}) Drop(c, 2, 4);
  Puzzle.CheckRow(2);
  EXPECT_TRUE(Puzzle.Square(4, 2).IsSolved());
  EXPECT_EQ(Puzzle.SolvedCount, 1);
  EXPECT_EQ(Recorder.Pops, 1);
  EXPECT_TRUE(Has(4, 1, 4)) << "other rows untouched";
  Puzzle.CheckRow(2);
  EXPECT_EQ(Puzzle.SolvedCount, 1) << "solved squares are not counted again";
}

TEST_F(Board, UnappliedKindsAndMisplacedOrBrokenCluesArePassedOver) {
  Start(5);
  Puzzle.VerticalClues.push_back(TClue(clNotInSameColumn, 2, 1, 3, 0, 0, 0));
  Puzzle.VerticalClues.push_back(TClue(clLeftOf, 1, 2, 1, 1, 0, 0));  // a horizontal kind in the wrong list
  Puzzle.VerticalClues.push_back(TClue(clSameColumn, 7, 1, 2, 0, 0, 0));  // column outside a 5 x 5 board
  Puzzle.HorizontalClues.push_back(TClue(clTwoAdjacentExclude, 1, 3, 2, 1, 1, 1));
  Puzzle.HorizontalClues.push_back(TClue(clSameColumn, 2, 1, 3, 0, 0, 0));
  Puzzle.HorizontalClues.push_back(TClue(clLeftOf, 0, 11, 12, -3, 0, 0));
  Puzzle.HorizontalClues.push_back(TClue(clTwoAdjacent, 1, 3, 2, 1, 2, 99));
  Puzzle.Square(2, 1).Solve();
  Puzzle.Deduce(true, false);
  for (const TClue& c : Puzzle.VerticalClues) EXPECT_FALSE(c.used());
  for (const TClue& c : Puzzle.HorizontalClues) EXPECT_FALSE(c.used());
  EXPECT_EQ(Puzzle.SolvedCount, 0);
}
