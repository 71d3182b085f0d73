// The rules without a window: geometry, hit tests, the clock, numbers.
#include "GameRules.h"
#include "KeyCursor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

TEST(HitBands, BothEdgesCountAndGapsDoNot) {
  // Cells of 50 at 8..58, 68..118; pitch 60 for columns, 56 for rows.
  EXPECT_EQ(ColumnAt(50, 7, 6), -1);
  EXPECT_EQ(ColumnAt(50, 8, 6), 0);
  EXPECT_EQ(ColumnAt(50, 58, 6), 0);
  for (int gap = 59; gap <= 67; ++gap) EXPECT_EQ(ColumnAt(50, gap, 6), -1) << gap;
  EXPECT_EQ(ColumnAt(50, 68, 6), 1);
  EXPECT_EQ(ColumnAt(50, 8 + 5 * 60 + 50, 6), 5);
  EXPECT_EQ(ColumnAt(50, 8 + 6 * 60, 6), -1);  // right of the last column
  EXPECT_EQ(RowAt(50, 58, 6), 0);
  for (int gap = 59; gap <= 63; ++gap) EXPECT_EQ(RowAt(50, gap, 6), -1) << gap;
  EXPECT_EQ(RowAt(50, 64, 6), 1);
}

TEST(BoardLayout, SquaresAndCandidateGrids) {
  const TBoardLayout L(6, 6 + 60 + 6 * 50, 10 + 36 + 6 * 40);
  EXPECT_EQ(L.W, 50);
  EXPECT_EQ(L.H, 40);
  EXPECT_EQ(L.gc, 3);
  EXPECT_EQ(L.gr, 2);
  EXPECT_EQ(L.cw, 16);
  EXPECT_EQ(L.X0(2), 68);
  EXPECT_EQ(L.Y0(3), 8 + 2 * 46);
  int gc = 0, gr = 0;
  const int expected[][3] = {{4, 2, 2}, {5, 3, 2}, {8, 4, 2}, {9, 3, 3}, {10, 4, 3}, {3, 1, 1}};
  for (const auto& e : expected) {
    CandidateGrid(e[0], gc, gr);
    EXPECT_EQ(gc, e[1]) << e[0];
    EXPECT_EQ(gr, e[2]) << e[0];
  }
}

TEST(BoardLayout, HitTestFindsTilesAndRefusesLeftovers) {
  const TBoardLayout L(6, 6 + 60 + 6 * 50, 10 + 36 + 6 * 40);
  TBoardHit hit = HitTest(L, L.X0(2) + 16 + 3, L.Y0(3) + 20 + 1);
  ASSERT_TRUE(hit.Cell);
  EXPECT_EQ(hit.c, 2);
  EXPECT_EQ(hit.r, 3);
  EXPECT_EQ(hit.q, 5);  // second grid row, middle cell
  for (int dx = 48; dx <= 50; ++dx) {
    hit = HitTest(L, L.X0(1) + dx, L.Y0(1) + 5);
    EXPECT_TRUE(hit.Square) << dx;
    EXPECT_FALSE(hit.Cell) << dx;
  }
  EXPECT_FALSE(HitTest(L, L.X0(1) + 55, L.Y0(1) + 5).Square);

  // N = 5: the sixth cell of the 3 x 2 grid is there but holds no tile.
  const TBoardLayout five(5, 300, 300);
  hit = HitTest(five, five.X0(1) + 2 * five.cw + 1, five.Y0(1) + five.ch + 1);
  ASSERT_TRUE(hit.Cell);
  EXPECT_EQ(hit.q, 6);
  // A window too small for any square hits nothing.
  EXPECT_FALSE(HitTest(TBoardLayout(10, 50, 50), 10, 10).Square);
}

TEST(GameClock, CountsWholeSecondsAndMessageAge) {
  TGameClock clock;
  for (int i = 0; i < 9; ++i) EXPECT_FALSE(clock.Tick());
  EXPECT_TRUE(clock.Tick());
  EXPECT_EQ(clock.ElapsedSeconds, 1);
  EXPECT_EQ(clock.MessageAge, 1);
  EXPECT_EQ(clock.TickCount, 0);
}

TEST(PuzzleNumbers, NumbersAreClampedAndSizesListed) {
  EXPECT_EQ(ClampPuzzleNumber(0), 1);
  EXPECT_EQ(ClampPuzzleNumber(1234567890123LL), 999999);
  // Typed for "Go to": junk is the first puzzle, huge digits the last.
  EXPECT_EQ(ParsePuzzleNumber(" 4242\t"), 4242);
  EXPECT_EQ(ParsePuzzleNumber("+7"), 7);
  EXPECT_EQ(ParsePuzzleNumber("12.5"), 1);
  EXPECT_EQ(ParsePuzzleNumber("0x10"), 1);
  EXPECT_EQ(ParsePuzzleNumber("99999999999999999999999"), 999999);
  EXPECT_EQ(ParsePuzzleNumber("-99999999999999999999999"), 1);
  EXPECT_EQ(IndexForSize(8), 3);
  EXPECT_EQ(IndexForSize(17), -1);  // candidate sets hold 16 tiles
  EXPECT_EQ(SizeForIndex(5), 10);
  EXPECT_EQ(SizeForIndex(6), 0);
}

TEST(ClueLayout, HorizontalRowsAndHitBands) {
  EXPECT_EQ(HorizontalLayoutFor(288, 500, 6).R, 3);
  EXPECT_EQ(HorizontalLayoutFor(288, 500, 5).R, 3);
  EXPECT_EQ(HorizontalLayoutFor(288, 500, 1).R, 1);
  EXPECT_EQ(HorizontalLayoutFor(288, 500, 0).s, 0);
  const THorizontalLayout L = HorizontalLayoutFor(288, 500, 5);
  EXPECT_EQ(L.s, (288 - 26) / 6);
  const int s = L.s;
  EXPECT_EQ(HorizontalClueAt(288, 500, 5, 8, 8), 0);
  EXPECT_EQ(HorizontalClueAt(288, 500, 5, 7, 8), -1);  // drawn from 6, hit from 8
  EXPECT_EQ(HorizontalClueAt(288, 500, 5, 18 + 3 * s, 8 + s + 6), 3);
  EXPECT_EQ(HorizontalClueAt(288, 500, 5, 18 + 3 * s, 8 + 2 * (s + 6)), -1);  // no sixth clue
  EXPECT_EQ(HorizontalClueAt(288, 500, 5, 19 + 6 * s, 8), -1);                // right of the second column
  EXPECT_EQ(HorizontalClueAt(288, 500, 0, 10, 10), -1);
}

TEST(ClueLayout, VerticalBandsAndBestFit) {
  const int s = VerticalTileSize(600, 199, 5);
  EXPECT_EQ(s, std::min((600 - 50 - 6) / 5, (199 - 16) / 3));
  EXPECT_EQ(VerticalClueAt(600, 199, 5, 10 + s + 10 + 1, 150), 1);
  EXPECT_EQ(VerticalClueAt(600, 199, 5, 10 + s + 5, 20), -1);
  EXPECT_EQ(VerticalTileSize(600, 199, 0), 0);

  // Limited by the width: hN is below the height, so widen in proportion.
  const THorizontalLayout wide = HorizontalLayoutFor(288, 700, 6);
  const int hN = (wide.s + 6) * wide.R + 16;
  EXPECT_EQ(BestFitWidth(288, 700, 288, 700, 6), int(std::lround(288.0 * 700 / hN)));
  // Limited by the height: narrow to the clues' width plus 10.
  const THorizontalLayout tall = HorizontalLayoutFor(400, 200, 12);
  EXPECT_EQ(BestFitWidth(400, 200, 400, 200, 12), 6 * tall.s + 36);
  EXPECT_EQ(BestFitWidth(288, 500, 288, 500, 0), -1);
}

TEST(DailyPuzzle, TenYearsOfDatesNeverRepeatAndTheWholeCycleIsUsed) {
  // Every date of ten years, leap days included, counted day by day.
  using namespace std::chrono;
  std::vector<bool> seen(MaxPuzzleNumber + 1);
  const sys_days first{year(2024) / January / 1};
  long long expected = DailyDayOf(2024, 1, 1);
  int days = 0;
  for (sys_days day = first; day < sys_days{year(2034) / January / 1}; day += std::chrono::days(1), ++days) {
    const year_month_day date(day);
    const long long count =
        DailyDayOf(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
    ASSERT_EQ(count, expected + days) << days;
    const int number = DailyPuzzleNumber(count);
    ASSERT_GE(number, 1) << days;
    ASSERT_LE(number, MaxPuzzleNumber);
    EXPECT_FALSE(seen[number]) << "repeated on day " << days;
    seen[number] = true;
  }
  EXPECT_EQ(days, 3653);
  // The count the guide documents: day 0 is 1 January 2000, and the rule
  // steps by 524287.
  EXPECT_EQ(DailyDayOf(2000, 1, 1), 0);
  EXPECT_EQ(DailyDayOf(2000, 3, 1), 60);
  EXPECT_EQ(DailyDayOf(1999, 12, 31), -1);
  EXPECT_EQ(DailyPuzzleNumber(DailyDayOf(2026, 12, 9)), 1 + 9839LL * 524287 % 999999);
  // A whole cycle of 999999 days, before 2000 too, meets every number once.
  std::vector<bool> all(MaxPuzzleNumber + 1);
  for (long long day = -500000; day < 499999; ++day) {
    const int number = DailyPuzzleNumber(day);
    ASSERT_TRUE(number >= 1 && number <= MaxPuzzleNumber && !all[number]) << day;
    all[number] = true;
  }
}

TEST(Score, ComputedWideAndKeptWithinItsRange) {
  EXPECT_EQ(ScoreFor(6, 312, 2, 1), 55548);  // 60000 - 3432 - 20 - 1000
  EXPECT_EQ(ScoreFor(5, -1, 0, 0), 50011);   // untimed: the time term adds 11
  EXPECT_EQ(ScoreFor(4, 100, 0, 40), 1);     // never below 1
  // 11 x 390451573 is 2^32 + 7: in 32 bits the time would cost 7 points.
  EXPECT_EQ(ScoreFor(4, 390451573, 0, 0), 1);
  EXPECT_EQ(ScoreFor(300000, 0, 0, 0), 2147483647);
  EXPECT_EQ(ScoreFor(4, -2147483647 - 1, -2147483647 - 1, -2147483647 - 1), 2147483647);
  EXPECT_EQ(ScoreFor(-2147483647 - 1, 2147483647, 2147483647, 2147483647), 1);
}

TEST(KeyCursor, SquaresCandidatesJumpsAndTheCluesThatNameATile) {
  TPuzzle puzzle;
  puzzle.SetSize(6);
  puzzle.InitSquares();
  puzzle.ResetBoard();
  TKeyCursor k;
  k.q = 4;
  // Square by square, the cell kept; the edges hold.
  EXPECT_FALSE(StepBoardSquare(puzzle, k, -1, 0));
  EXPECT_FALSE(StepBoardSquare(puzzle, k, 0, -1));
  EXPECT_TRUE(StepBoardSquare(puzzle, k, 1, 0));
  EXPECT_TRUE(StepBoardSquare(puzzle, k, 0, 1));
  EXPECT_EQ(std::vector<int>({k.c, k.r, k.q}), std::vector<int>({2, 2, 4}));
  // A solved square is a stop of its own: its tile can be read there.
  puzzle.Square(3, 2).Solve();
  EXPECT_TRUE(StepBoardSquare(puzzle, k, 1, 0));
  EXPECT_EQ(k.c, 3);
  EXPECT_FALSE(ChooseCandidate(puzzle, k, 2)) << "a solved square has no candidates to choose";
  EXPECT_TRUE(MoveBoardCursorTo(puzzle, k, 6, 2));
  EXPECT_TRUE(ChooseCandidate(puzzle, k, 6));
  EXPECT_FALSE(ChooseCandidate(puzzle, k, 7)) << "a 6 x 6 row has six tiles";
  EXPECT_FALSE(MoveBoardCursorTo(puzzle, k, 7, 2));
  EXPECT_FALSE(MoveBoardCursorTo(puzzle, k, 1, 0));
  EXPECT_EQ(std::vector<int>({k.c, k.r, k.q}), std::vector<int>({6, 2, 6}));
  // A cursor left from a larger board starts again at the first cell.
  k = {};
  k.c = 9;
  k.q = 10;
  EXPECT_TRUE(MoveBoardCursorTo(puzzle, k, 2, 5));
  EXPECT_EQ(std::vector<int>({k.c, k.r, k.q}), std::vector<int>({2, 5, 1}));

  // Clues name tiles by their solution squares: with tiles 2 and 5 of row 1
  // swapped, the square (2, 1) holds tile 5.
  const int picture2 = puzzle.Square(2, 1).imageindex(), picture5 = puzzle.Square(5, 1).imageindex();
  puzzle.Square(2, 1).setTile(picture5, 5);
  puzzle.Square(5, 1).setTile(picture2, 2);
  puzzle.HorizontalClues.push_back(TClue(TClueType::clLeftOf, 2, 4, 1, 3, 0, 0));         // (2,1), (4,3)
  puzzle.HorizontalClues.push_back(TClue(TClueType::clNotAdjacent, 3, 1, 2, 2, 0, 0));    // (3,2), (1,2)
  puzzle.VerticalClues.push_back(TClue(TClueType::clTwoInSameColumn, 5, 1, 6, 0, 0, 0));  // (5,1), (5,6)
  puzzle.VerticalClues.push_back(TClue(TClueType::clTwoInSameColumn, 2, 3, 1, 0, 0, 0));  // (2,3), (2,1)
  puzzle.HorizontalClues[0].setShown(false);  // a hidden clue still names its tiles
  const TCluesNaming five = CluesNamingTile(puzzle, {1, 5});
  EXPECT_EQ(five.Horizontal, std::vector<int>({0}));
  EXPECT_EQ(five.Vertical, std::vector<int>({1}));
  const TCluesNaming two = CluesNamingTile(puzzle, {1, 2});
  EXPECT_TRUE(two.Horizontal.empty());
  EXPECT_EQ(two.Vertical, std::vector<int>({0}));
  EXPECT_TRUE(CluesNamingTile(puzzle, {4, 2}).Horizontal.empty()) << "row 4 holds no clue's tile";
  // The tile under the cursor: its cell's, or the one placed on a solved square.
  k.c = 2;
  k.r = 1;
  k.q = 3;
  EXPECT_EQ(CursorTile(puzzle, k).t, 3);
  puzzle.Square(2, 1).Solve();
  EXPECT_EQ(CursorTile(puzzle, k).t, 5);
  EXPECT_EQ(CursorTile(puzzle, k).r, 1);
}
