// The clue panels: hiding and showing clues, Show All, the paused look, Best Fit.
#include "GameTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>

class CluePanelsTest : public TWindowTest {
 protected:
  QPoint HorizontalClueCentre(int i) const {
    const THorizontalLayout L = Form->HorizontalPanel()->HorizontalLayout();
    const int left = i % 2 == 0 ? 8 : 18 + 3 * L.s;
    return {left + 3 * L.s / 2, HorizontalClueTop(i, L.s) + L.s / 2};
  }
  QPoint VerticalClueAt(int i, int y) const {
    const int s =
        VerticalTileSize(Form->VerticalPanel()->Clues()->width(), Form->VerticalPanel()->Clues()->height(),
                         int(Form->Session().Game().Puzzle.VerticalClues.size()));
    return {VerticalClueLeft(i, s) + s / 2, y};
  }
  TClueList& H() { return Form->Session().Controller().Puzzle.HorizontalClues; }
  TClueList& V() { return Form->Session().Controller().Puzzle.VerticalClues; }
};

TEST_F(CluePanelsTest, ALeftPressHidesAHorizontalClueAndAnotherShowsIt) {
  Open(6, 3);
  ASSERT_GE(H().size(), 2u);
  const QPoint at = HorizontalClueCentre(1);
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {}, at);
  EXPECT_FALSE(H()[1].shown());
  EXPECT_TRUE(H()[0].shown());
  // Hidden: black inside a blue outline.
  const THorizontalLayout L = Form->HorizontalPanel()->HorizontalLayout();
  const QImage& canvas = Form->HorizontalPanel()->Clues()->Canvas;
  EXPECT_EQ(canvas.pixelColor(at), QColor(Qt::black));
  EXPECT_EQ(canvas.pixelColor(HorizontalClueLeft(1, L.s), HorizontalClueTop(1, L.s) + 3), QColor(0, 0, 255));
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(H()[1].shown());
  EXPECT_NE(canvas.pixelColor(at), QColor(Qt::black));
}

TEST_F(CluePanelsTest, PressesBesideTheHorizontalCluesOrWithTheRightButtonChangeNothing) {
  Open(6, 3);
  const THorizontalLayout L = Form->HorizontalPanel()->HorizontalLayout();
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {},
                    QPoint(6 * L.s + 20, 10));  // right of column 2
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {},
                    QPoint(10, 8 + L.s + 3));  // between rows
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::RightButton, {}, HorizontalClueCentre(0));
  Form->HorizontalPanel()->Menu()->hide();
  for (const TClue& clue : H()) EXPECT_TRUE(clue.shown());
}

TEST_F(CluePanelsTest, AnyPressInAVerticalCluesBandTogglesItAndShowAllRestoresOnlyItsPanel) {
  Open(6, 3);
  ASSERT_GE(V().size(), 2u);
  QTest::mouseClick(Form->VerticalPanel()->Clues(), Qt::LeftButton, {}, VerticalClueAt(1, 15));
  EXPECT_FALSE(V()[1].shown());
  QTest::mouseClick(Form->VerticalPanel()->Clues(), Qt::RightButton, {},
                    VerticalClueAt(0, Form->VerticalPanel()->Clues()->height() - 20));
  Form->VerticalPanel()->Menu()->hide();
  EXPECT_FALSE(V()[0].shown());
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {}, HorizontalClueCentre(0));
  ASSERT_FALSE(H()[0].shown());

  Form->VerticalPanel()->ShowAll()->trigger();
  for (const TClue& clue : V()) EXPECT_TRUE(clue.shown());
  EXPECT_FALSE(H()[0].shown());
  Form->HorizontalPanel()->ShowAll()->trigger();
  EXPECT_TRUE(H()[0].shown());
}

TEST_F(CluePanelsTest, WhilePausedPanelsAreDarkAndIgnorePresses) {
  Open(6, 3);
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {}, HorizontalClueCentre(0));
  QTest::mouseClick(Form->VerticalPanel()->Clues(), Qt::LeftButton, {}, VerticalClueAt(0, 20));
  EXPECT_TRUE(H()[0].shown());
  EXPECT_TRUE(V()[0].shown());
  EXPECT_EQ(Form->HorizontalPanel()->Clues()->Canvas.pixelColor(HorizontalClueCentre(0)), QColor(24, 24, 24));
  EXPECT_EQ(Form->VerticalPanel()->Clues()->Canvas.pixelColor(VerticalClueAt(0, 20)), QColor(24, 24, 24));
}

TEST_F(CluePanelsTest, APressOnTheCongratulationsOpensTheScoresAndNothingElse) {
  Open(4, 8);
  Form->resize(Form->width() - 40, Form->height() - 30);  // after the set-up
  QApplication::processEvents();
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (!Sq(c, r).IsSolved()) Press(Qt::LeftButton, c, r, Sq(c, r).localindex());
  Form->Timer1Timer();
  ASSERT_TRUE(Form->Board()->Animation()->isActive());
  EXPECT_EQ(TMainFormProbe::Effects(*Form)->StartPicture.size(), Form->Board()->Canvas.size());
  // A transition lasts 1.5 to 2 seconds: the board never flips between its
  // two pictures more than once a second.
  const int transitionMs = Form->Board()->Animation()->interval() * TEffects::FrameCount;
  EXPECT_GE(transitionMs, 1500);
  EXPECT_LE(transitionMs, 2000);

  // The board as the game draws it: the finished puzzle.
  auto finishedBoard = [this] {
    QImage board(Form->Board()->Canvas.size(), QImage::Format_RGB32);
    board.setDevicePixelRatio(Form->Board()->Canvas.devicePixelRatio());
    QPainter p(&board);
    Form->Board()->DrawBoard(p);
    return board;
  };
  // Half way through the transition back to the finished board, the window
  // is resized: the animation goes on at the new size and the transition
  // ends on the whole finished board, not on the old pictures cropped.
  TMainFormProbe::Effects(*Form)->EffectNumber = 2;  // a slide: half of each picture at frame 150
  for (int i = 0; i < 150; ++i) Form->Board()->NextFrame();
  ASSERT_NE(Form->Board()->Canvas, finishedBoard());
  const QSize before = Form->Board()->Canvas.size();
  Form->resize(Form->width() - 120, Form->height() - 80);
  QApplication::processEvents();
  ASSERT_NE(Form->Board()->Canvas.size(), before);
  ASSERT_TRUE(Form->Board()->Animation()->isActive());
  // The window's own timer may have drawn a few frames meanwhile.
  ASSERT_TRUE(TMainFormProbe::Effects(*Form)->ShowFinish) << "still bringing in the finished board";
  while (TMainFormProbe::Effects(*Form)->ShowFinish) Form->Board()->NextFrame();
  EXPECT_EQ(Form->Board()->Canvas, finishedBoard());

  // Half way through the next transition the congratulations are clicked
  // where a clue lies beneath them: the scores open, the board is whole
  // again, and the click hides no clue.
  for (int i = 0; i < 50; ++i) Form->Board()->NextFrame();
  ASSERT_NE(Form->Board()->Canvas, finishedBoard());
  ASSERT_FALSE(V().empty());
  const auto congratulations = [this] {
    return CountColour(Form->VerticalPanel()->Clues()->Canvas, QColor(255, 255, 0));
  };
  ASSERT_GT(congratulations(), 200);
  QTest::mouseClick(Form->VerticalPanel()->Clues(), Qt::LeftButton, {}, VerticalClueAt(0, 20));
  EXPECT_EQ(Dialogs.HighScoresShown, 1);
  EXPECT_FALSE(Form->Session().Game().Paused()) << "a finished game is not paused for the scores";
  EXPECT_FALSE(Form->Board()->Animation()->isActive());
  EXPECT_EQ(Form->Board()->Canvas, finishedBoard());
  EXPECT_TRUE(V()[0].shown());
  EXPECT_GT(congratulations(), 200);
  // With the animation over, the words still mean the scores.
  QTest::mouseClick(Form->VerticalPanel()->Clues(), Qt::LeftButton, {}, VerticalClueAt(0, 20));
  EXPECT_EQ(Dialogs.HighScoresShown, 2);
  EXPECT_TRUE(V()[0].shown());
}

TEST_F(CluePanelsTest, BestFitWidensAPanelHeldBackByItsWidth) {
  Open(4, 3);
  const int before = Form->HorizontalPanel()->width();
  const THorizontalLayout L = Form->HorizontalPanel()->HorizontalLayout();
  const int hN = (L.s + 6) * L.R + 16;
  ASSERT_LT(hN, Form->HorizontalPanel()->Clues()->height());
  Form->Controls.BestFit1->trigger();
  QApplication::processEvents();
  EXPECT_GT(Form->HorizontalPanel()->width(), before);
  // The formula asks for more than the window has; the board keeps half.
  EXPECT_GE(Form->Board()->width(), Form->HorizontalPanel()->width());
}

TEST_F(CluePanelsTest, HoveringDrawsTheClueLargeOnlyWithHintsAndZoomOn) {
  Open(6, 3);
  Form->Session().SetShowHints(false);
  Form->SetZoom(true);
  QApplication::processEvents();
  ASSERT_TRUE(Form->HorizontalPanel()->Zoom()->isVisible());
  QImage& zoom = Form->HorizontalPanel()->Zoom()->Canvas;
  zoom.fill(Qt::black);
  const int s = Form->HorizontalPanel()->Zoom()->width() / 3;
  Form->HorizontalPanel()->Hover(HorizontalClueCentre(0).x(), HorizontalClueCentre(0).y());
  EXPECT_EQ(CountColour(zoom, Qt::black), zoom.width() * zoom.height()) << "hints are off";

  Form->Session().Settings().Prefs.ShowHints = true;
  H()[0].setShown(false);  // the zoom box shows a hidden clue too
  QTest::mouseMove(Form->HorizontalPanel()->Clues(), HorizontalClueCentre(0));
  Form->HorizontalPanel()->Hover(HorizontalClueCentre(0).x(), HorizontalClueCentre(0).y());
  EXPECT_NE(zoom.pixelColor(s / 2, s / 2), QColor(Qt::black));
  EXPECT_NE(zoom.pixelColor(2 * s + s / 2, s / 2), QColor(Qt::black));
}
