// The board in a real window: presses with the mouse from start to finish.
#include "GameTestSupport.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

class BoardViewTest : public TWindowTest {
 protected:
  // Left presses at every square's solution tile, reading the solution.
  void SolveAll() {
    for (int r = 1; r <= Form->N(); ++r)
      for (int c = 1; c <= Form->N(); ++c)
        if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  }
  void ExpectCompletedWithCongratulations(int n) {
    EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, n * n);
    EXPECT_TRUE(Form->Session().Game().InProgress()) << "completion waits for the clock";
    const int yellowBefore = CountColour(Form->VerticalPanel()->Clues()->Canvas, QColor(255, 255, 0));
    Form->Timer1Timer();
    EXPECT_TRUE(Form->Session().Game().Finished());
    EXPECT_FALSE(Form->Session().Game().InProgress());
    EXPECT_FALSE(Form->Timer1->isActive());
    EXPECT_EQ(Form->InfoBar()->Progress()->text(), QStringLiteral("%1 (100.0%) complete").arg(n * n));
    EXPECT_EQ(yellowBefore, 0);
    EXPECT_GT(CountColour(Form->VerticalPanel()->Clues()->Canvas, QColor(255, 255, 0)),
              200);  // CONGRATULATIONS!
    ASSERT_EQ(Scores().size(), 1u);
    EXPECT_EQ(Scores()[0].Size, n);
    EXPECT_EQ(Scores()[0].Errors, Form->Session().Settings().Stats.Errors);
  }
};

TEST_F(BoardViewTest, SolvingAFourByFourByLeftPressesCompletes) {
  Open(4, 3);
  SolveAll();
  ExpectCompletedWithCongratulations(4);
  EXPECT_EQ(Scores()[0].Number, 3);
  EXPECT_EQ(Scores()[0].Time, 0);
  // A second clock event finds the clock stopped and records nothing more.
  Form->Timer1Timer();
  EXPECT_EQ(Scores().size(), 1u);
}

TEST_F(BoardViewTest, SolvingASixBySixCompletesAndDrawsEverySolvedTile) {
  Open(6, 12);
  SolveAll();
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) EXPECT_TRUE(Sq(c, r).IsSolved());
  // A solved square is framed black with the tile centred on navy.
  const TBoardLayout L = Form->Board()->Layout();
  const QImage& canvas = Form->Board()->Canvas;
  EXPECT_EQ(canvas.pixelColor(L.X0(1), L.Y0(1)), QColor(Qt::black));
  EXPECT_EQ(canvas.pixelColor(L.X0(1) + 3, L.Y0(1) + L.H / 2), QColor(0, 0, 128));
  EXPECT_NE(canvas.pixelColor(L.X0(1) + L.W / 2, L.Y0(1) + L.H / 2), QColor(0, 0, 128));
  ExpectCompletedWithCongratulations(6);
  EXPECT_TRUE(Form->Board()->Message()->isHidden());
}

TEST_F(BoardViewTest, AMisClickCostsTimeCountsAndShowsTheMessage) {
  Open(6, 1, 4);
  const int wrong = WrongCandidate(2, 2);
  const QPoint at = CellCentre(2, 2, wrong);
  Press(Qt::LeftButton, at);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 1);
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 4);
  EXPECT_TRUE(Sq(2, 2).HasCandidate(wrong));
  EXPECT_FALSE(Sq(2, 2).IsSolved());
  EXPECT_TRUE(Form->Board()->Message()->isVisible());
  EXPECT_EQ(Form->Board()->Message()->text(), QStringLiteral("Sorry, that is the wrong choice!"));
  EXPECT_EQ(Form->Board()->Message()->y(), at.y() + 12);
  EXPECT_EQ(Form->Session().Game().Clock.MessageAge, 0);

  // Removing the square's own tile is a mis-click too.
  Press(Qt::RightButton, 2, 2, Sq(2, 2).localindex());
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 2);
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 8);
  EXPECT_TRUE(Sq(2, 2).HasCandidate(Sq(2, 2).localindex()));

  // The message goes with the fourth whole second, or at once with the next press.
  for (int i = 0; i < 30; ++i) Form->Timer1Timer();
  EXPECT_TRUE(Form->Board()->Message()->isVisible());
  for (int i = 0; i < 10; ++i) Form->Timer1Timer();
  EXPECT_TRUE(Form->Board()->Message()->isHidden());
  EXPECT_EQ(Form->InfoBar()->Time()->text(), QStringLiteral("Time: 0:00:12"));

  // A pause takes it away at once: it would cover "Your game is PAUSED".
  Press(Qt::LeftButton, at);
  ASSERT_TRUE(Form->Board()->Message()->isVisible());
  Form->Session().SetPaused(true);
  EXPECT_TRUE(Form->Board()->Message()->isHidden());
}

TEST_F(BoardViewTest, AMessageNearTheRightEdgeStaysOnTheBoard) {
  Open(6);
  Form->Board()->ShowMessageAt(Form->Board()->width() - 5, Form->Board()->height() - 5,
                               QStringLiteral("Sorry, that is the wrong choice!"));
  EXPECT_EQ(Form->Board()->Message()->x() + Form->Board()->Message()->width(), Form->Board()->width());
  // Above the pointer, whole on the board.
  EXPECT_EQ(Form->Board()->Message()->y() + Form->Board()->Message()->height(),
            Form->Board()->height() - 5 - 12);
  Press(Qt::LeftButton, QPoint(2, 2));  // a press anywhere ages the message out
  Form->Timer1Timer();
  EXPECT_TRUE(Form->Board()->Message()->isHidden());
}

TEST_F(BoardViewTest, RightPressRemovesRestoresAndSolvesTheLastCandidate) {
  Open(6, 5);
  const TBoardLayout L = Form->Board()->Layout();
  const int wrong = WrongCandidate(3, 4);
  Press(Qt::RightButton, 3, 4, wrong);
  EXPECT_FALSE(Sq(3, 4).HasCandidate(wrong));
  const QPoint cell = CellCentre(3, 4, wrong);
  EXPECT_EQ(Form->Board()->Canvas.pixelColor(cell), QColor(Qt::black));  // removed: a black cell
  Press(Qt::LeftButton, 3, 4, wrong);  // a left press on a black cell does nothing
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  Press(Qt::RightButton, 3, 4, wrong);
  EXPECT_TRUE(Sq(3, 4).HasCandidate(wrong));
  EXPECT_NE(Form->Board()->Canvas.pixelColor(cell), QColor(Qt::black));

  const int solvedBefore = Form->Session().Game().Puzzle.SolvedCount;
  while (!Sq(3, 4).IsSolved()) {
    const int t = WrongCandidate(3, 4);
    ASSERT_NE(t, 0);
    Press(Qt::RightButton, 3, 4, t);
  }
  EXPECT_GT(Form->Session().Game().Puzzle.SolvedCount, solvedBefore);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  const int own = Sq(3, 4).localindex();
  for (int X = 1; X <= 6; ++X)
    if (X != 3) {
      EXPECT_FALSE(Sq(X, 4).HasCandidate(own) && !Sq(X, 4).IsSolved()) << X;
    }
  // The solved square shows its tile on navy, no candidate grid.
  EXPECT_EQ(Form->Board()->Canvas.pixelColor(L.X0(3) + 3, L.Y0(4) + L.H / 2), QColor(0, 0, 128));
}

TEST_F(BoardViewTest, PressesInGapsMarginsAndLeftoverPixelsDoNothing) {
  Open(6);
  const TBoardLayout L = Form->Board()->Layout();
  const auto before = Form->Session().Game().Puzzle.SolvedCount;
  std::vector<QPoint> misses = {
      {L.X0(1) + L.W + 1, L.Y0(1) + 5},  // gap between columns
      {L.X0(2) + 5, L.Y0(1) + L.H + 2},  // gap between rows
      {L.X0(6) + L.W + 5, L.Y0(1) + 5},  // right of the last column
      {L.X0(1) + 5, L.Y0(6) + L.H + 3},  // below the last row
      {2, 2},                            // the margin
  };
  if (L.W % L.gc) misses.push_back({L.X0(1) + L.gc * L.cw + (L.W % L.gc) - 1, L.Y0(1) + 2});
  if (L.H % L.gr) misses.push_back({L.X0(1) + 2, L.Y0(1) + L.gr * L.ch + (L.H % L.gr) - 1});
  for (const QPoint& p : misses) {
    Press(Qt::LeftButton, p);
    Press(Qt::RightButton, p);
  }
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, before);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 0);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(Sq(c, r).CandidateCount(), 6);
}

TEST_F(BoardViewTest, TheSixthCellOfAFiveByFiveIsEmpty) {
  Open(5);
  const TBoardLayout L = Form->Board()->Layout();
  const QPoint sixth(L.X0(1) + 2 * L.cw + L.cw / 2, L.Y0(1) + L.ch + L.ch / 2);
  Press(Qt::LeftButton, sixth);
  Press(Qt::RightButton, sixth);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  EXPECT_EQ(Sq(1, 1).CandidateCount(), 5);
  EXPECT_EQ(Form->Board()->Canvas.pixelColor(sixth), QColor(0, 0, 128));  // the background shows
}

TEST_F(BoardViewTest, PauseBlocksInputAndShowsThePausedLook) {
  Open(6);
  Form->Board()->Arrow()->show();
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  ASSERT_TRUE(Form->Session().Game().Paused());
  EXPECT_FALSE(Form->Timer1->isActive());
  const QImage& canvas = Form->Board()->Canvas;
  EXPECT_EQ(canvas.pixelColor(canvas.width() / 2, canvas.height() - 10), QColor(24, 24, 24));
  EXPECT_GT(CountColour(canvas, Qt::white), 50);  // "Your game is PAUSED"
  EXPECT_EQ(Form->VerticalPanel()->Clues()->Canvas.pixelColor(30, 30), QColor(24, 24, 24));
  EXPECT_EQ(Form->HorizontalPanel()->Clues()->Canvas.pixelColor(30, 30), QColor(24, 24, 24));

  Press(Qt::LeftButton, 1, 1, Sq(1, 1).localindex());
  Press(Qt::LeftButton, 2, 1, WrongCandidate(2, 1));
  Press(Qt::RightButton, 3, 1, WrongCandidate(3, 1));
  EXPECT_FALSE(Sq(1, 1).IsSolved());
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  EXPECT_EQ(Sq(3, 1).CandidateCount(), 6);
  EXPECT_TRUE(Form->Board()->Arrow()->isHidden());  // the arrows still go

  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  EXPECT_FALSE(Form->Session().Game().Paused());
  EXPECT_TRUE(Form->Timer1->isActive());
  EXPECT_EQ(canvas.pixelColor(2, 2), QColor(0, 0, 128));
}

TEST_F(BoardViewTest, ZoomNarrowsTheVerticalPanelAndOpensTheClueBox) {
  Open(6);
  const int wide = Form->VerticalPanel()->Clues()->width();
  QTest::mouseClick(Form->Controls.ZoomBtn, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_TRUE(Form->Session().Settings().Prefs.Zoom);
  EXPECT_TRUE(Form->Controls.ZoomSmallTiles1->isChecked());
  EXPECT_EQ(Form->VerticalPanel()->Clues()->width(), wide - 70);
  EXPECT_TRUE(Form->Board()->TileZoom()->isVisible());
  EXPECT_TRUE(Form->HorizontalPanel()->Zoom()->isVisible());
  EXPECT_EQ(Form->HorizontalPanel()->Zoom()->height(), Form->HorizontalPanel()->width() / 3);
  // The preview shows the tile under the pointer, removed or not.
  const QPoint cell = CellCentre(1, 1, 2);
  QTest::mouseMove(Form->Board(), cell);
  Form->Board()->ShowTilePreview(cell.x(), cell.y());
  EXPECT_NE(Form->Board()->TileZoom()->Canvas.pixelColor(32, 32), QColor(Qt::black));

  // No picture outlives its puzzle, and none shows through a pause.
  Form->HorizontalPanel()->ShowCluePreview(Form->Session().Game().Puzzle.HorizontalClues.front());
  EXPECT_NE(
      CountColour(Form->HorizontalPanel()->Zoom()->Canvas, Qt::black),
      Form->HorizontalPanel()->Zoom()->Canvas.width() * Form->HorizontalPanel()->Zoom()->Canvas.height());
  auto blank = [this](const QColor& colour) {
    for (TPaintBox* box : {Form->HorizontalPanel()->Zoom(), Form->Board()->TileZoom()})
      EXPECT_EQ(CountColour(box->Canvas, colour), box->Canvas.width() * box->Canvas.height());
  };
  Form->ComboBox1Change(0);  // 4 x 4
  blank(Qt::black);
  Form->Board()->ShowTilePreview(cell.x(), cell.y());
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  blank(QColor(24, 24, 24));
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  Form->Board()->ShowTilePreview(cell.x(), cell.y());
  Form->Controls.NextBtn->click();
  blank(Qt::black);

  Form->Controls.ZoomSmallTiles1->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(Form->Session().Settings().Prefs.Zoom);
  EXPECT_FALSE(Form->Controls.ZoomBtn->isChecked());
  EXPECT_EQ(Form->VerticalPanel()->Clues()->width(), wide);
  EXPECT_FALSE(Form->HorizontalPanel()->Zoom()->isVisible());
}

TEST_F(BoardViewTest, ResizingRedrawsForTheNewSize) {
  Open(6);
  Form->resize(1300, 900);
  QApplication::processEvents();
  const TBoardLayout L = Form->Board()->Layout();
  const QImage& canvas = Form->Board()->Canvas;
  EXPECT_EQ(canvas.size(), Form->Board()->size());
  // The yellow frame of the last column closes just right of its squares.
  EXPECT_EQ(canvas.pixelColor(L.X0(6) + L.W, L.Y0(3)), QColor(255, 255, 0));
  Press(Qt::LeftButton, 6, 6, Sq(6, 6).localindex());
  EXPECT_TRUE(Sq(6, 6).IsSolved());
}
