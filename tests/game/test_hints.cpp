// Hover explanations, outlines and "Give me a clue!" in a real window.
#include "GameTestSupport.h"
#include "HintLayout.h"
#include "Images.h"

#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

class HintsTest : public TWindowTest {
 protected:
  // The board copied into a puzzle of its own, run one step ahead.
  struct TBoardCopy {
    std::vector<std::uint16_t> Remaining;
    std::vector<bool> Solved;
  };
  TBoardCopy Board() {
    TBoardCopy copy;
    for (int r = 1; r <= Form->N(); ++r)
      for (int c = 1; c <= Form->N(); ++c) {
        copy.Remaining.push_back(Sq(c, r).remaining());
        copy.Solved.push_back(Sq(c, r).IsSolved());
      }
    return copy;
  }
  int PaneColourCount(const QColor& colour) { return CountColour(Form->Hints()->Canvas, colour); }
};

TEST_F(HintsTest, GiveMeAClueTakesTheEnginesStepAndChargesForIt) {
  Open(6, 21, 4);
  Form->Session().SetShowHints(false);
  ASSERT_EQ(Form->statusBar()->height(), 12);
  // The engine's own step on the same board, for comparison.
  TPuzzle engine;
  engine.SetUp(6, 21, 4);
  const TDeductionStep expected = engine.Deduce(false, true);
  ASSERT_TRUE(expected.Found());

  QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
  EXPECT_TRUE(Form->Controls.HintBtn->isChecked());
  EXPECT_TRUE(Form->Controls.ShowHints1->isChecked());
  EXPECT_EQ(Form->statusBar()->height(), 36);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) {
      EXPECT_EQ(Sq(c, r).remaining(), engine.Square(c, r).remaining()) << c << "," << r;
      EXPECT_EQ(Sq(c, r).IsSolved(), engine.Square(c, r).IsSolved()) << c << "," << r;
    }
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, Form->Session().Settings().Prefs.CluePenalty);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, 1);
  // The explanation is written with pictures, and the arrows point.
  EXPECT_GT(PaneColourCount(Qt::black), 100);
  EXPECT_TRUE(Form->Board()->Arrow()->isVisible());
  EXPECT_EQ(Form->HorizontalPanel()->Arrow()->isVisible(), !expected.IsVertical());
  EXPECT_EQ(Form->VerticalPanel()->Arrow()->isVisible(), expected.IsVertical());
  const TBoardLayout L = Form->Board()->Layout();
  EXPECT_EQ(Form->Board()->Arrow()->geometry(),
            QRect(QPoint(BoardArrowPlace(expected.Square, L).Left, BoardArrowPlace(expected.Square, L).Top),
                  QSize(87, 58)));
  EXPECT_TRUE(Form->BlinkTimer->isActive());
  Form->HintPointers().Blink();
  EXPECT_EQ(Form->Board()->Arrow()->LineColor, QColor(255, 255, 0));
  Form->HintPointers().Blink();
  EXPECT_EQ(Form->Board()->Arrow()->LineColor, QColor(255, 0, 0));
  // A press on the board hides them.
  Press(Qt::LeftButton, QPoint(2, 2));
  EXPECT_FALSE(Form->Board()->Arrow()->isVisible());
  EXPECT_FALSE(Form->BlinkTimer->isActive());
}

TEST_F(HintsTest, NothingWhilePausedOrFinishedAndCluesUntilSolvedComplete) {
  Open(5, 8, 2);
  Form->Session().SetShowHints(false);
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  const TBoardCopy before = Board();
  QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, 0);
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, 0);
  EXPECT_FALSE(Form->Controls.HintBtn->isChecked());
  EXPECT_EQ(Board().Remaining, before.Remaining);
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);

  // Asking again and again solves the puzzle as a player would.
  int asked = 0;
  while (Form->Session().Game().Puzzle.SolvedCount < 25 && asked < 200) {
    QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
    ++asked;
  }
  ASSERT_EQ(Form->Session().Game().Puzzle.SolvedCount, 25);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, asked);
  Form->Timer1Timer();
  ASSERT_TRUE(Form->Session().Game().Finished());
  ASSERT_EQ(Scores().size(), 1u);
  EXPECT_EQ(Scores()[0].Clues, asked);
  EXPECT_EQ(Scores()[0].Time, asked * Form->Session().Settings().Prefs.CluePenalty);
  QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, asked) << "a finished game takes no clue";
}

TEST_F(HintsTest, HoveringExplainsAndOutlinesOnlyWithHintsOn) {
  Open(6, 3);
  Form->Session().SetShowHints(false);
  const TClueList& clues = Form->Session().Game().Puzzle.HorizontalClues;
  ASSERT_GE(clues.size(), 2u);
  const THorizontalLayout L = Form->HorizontalPanel()->HorizontalLayout();
  auto centre = [&](int i) {
    return QPoint(HorizontalClueLeft(i, L.s) + L.s / 2, HorizontalClueTop(i, L.s) + L.s / 2);
  };
  auto outline = [&](int i) {  // the outline's top-left pixel
    return Form->HorizontalPanel()->Clues()->Canvas.pixelColor(HorizontalClueLeft(i, L.s),
                                                               HorizontalClueTop(i, L.s));
  };
  const QImage pane = Form->Hints()->Canvas.copy();
  Form->HorizontalPanel()->Hover(centre(0).x(), centre(0).y());
  Form->Board()->Hover(50, 50);
  EXPECT_EQ(Form->Hints()->Canvas, pane);
  EXPECT_NE(outline(0), QColor(255, 255, 0));

  Form->Controls.ShowHints1->trigger();
  Form->HorizontalPanel()->Hover(centre(0).x(), centre(0).y());
  EXPECT_EQ(outline(0), QColor(255, 255, 0));
  EXPECT_NE(Form->Hints()->Canvas, pane);
  Form->HorizontalPanel()->Hover(centre(1).x(), centre(1).y());
  EXPECT_EQ(outline(0), QColor(Qt::black));
  EXPECT_EQ(outline(1), QColor(255, 255, 0));
  EXPECT_EQ(Form->Session().Game().Hints().HighlightedHorizontal, 1);
  EXPECT_EQ(Form->Session().Game().Hints().HighlightedVertical, -1) << "the other panel is not touched";

  // A press hides the clue under the pointer, and the pane says at once how
  // to show it again; the press that does so brings its sentence back.
  auto words = [&] {
    QString text;
    for (const THintPiece& piece : TMainFormProbe::HintPieces(*Form)) text += piece.Text;
    return text;
  };
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {}, centre(1));
  ASSERT_FALSE(clues[1].shown());
  EXPECT_EQ(words(), QStringLiteral("This clue is hidden - left click it to show it again"));
  QTest::mouseClick(Form->HorizontalPanel()->Clues(), Qt::LeftButton, {}, centre(1));
  ASSERT_TRUE(clues[1].shown());
  EXPECT_TRUE(words().startsWith(QStringLiteral("The "))) << words().toStdString();
}

TEST_F(HintsTest, ACtrlPressOnTheHintButtonProvesTheBoardInPlay) {
  Open(4, 6);
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  QTest::mouseClick(Form->Controls.HintBtn, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 0) << "the paused board stays hidden and untouched";
  QTest::mouseClick(Form->Controls.PauseBtn, Qt::LeftButton);
  QTest::mouseClick(Form->Controls.HintBtn, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 16);
  const TBoardLayout L = Form->Board()->Layout();
  EXPECT_EQ(Form->Board()->Canvas.pixelColor(L.X0(4), L.Y0(4)),
            QColor(Qt::black));  // a solved square's frame
  Form->Timer1Timer();
  EXPECT_TRUE(Form->Session().Game().Finished());
}

TEST_F(HintsTest, AnotherPuzzleOrAStepFindingNothingLeavesNoArrowOrSentenceBehind) {
  Open(6, 21, 4);
  const QColor paneColour = Form->statusBar()->palette().color(QPalette::Window);
  auto paneIsEmpty = [&] {
    const QImage& pane = Form->Hints()->Canvas;
    return PaneColourCount(paneColour) == pane.width() * pane.height();
  };
  auto anyArrow = [&] {
    return Form->Board()->Arrow()->isVisible() || Form->HorizontalPanel()->Arrow()->isVisible() ||
           Form->VerticalPanel()->Arrow()->isVisible();
  };
  // A size change and Go To each set up another puzzle.
  const std::function<void()> otherPuzzles[] = {[&] { Form->ComboBox1Change(0); },
                                                [&] {
                                                  Dialogs.InputAnswers.push_back(QStringLiteral("77"));
                                                  Form->Controls.GotoPuzzle1->trigger();
                                                }};
  for (const auto& otherPuzzle : otherPuzzles) {
    QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
    ASSERT_TRUE(anyArrow());
    ASSERT_FALSE(paneIsEmpty());
    otherPuzzle();
    EXPECT_FALSE(anyArrow());
    EXPECT_FALSE(Form->BlinkTimer->isActive());
    EXPECT_TRUE(paneIsEmpty());
  }

  // Hints off and on again: the pane shows the whole sentence once more.
  QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
  const QImage sentence = Form->Hints()->Canvas.copy();
  Form->Controls.ShowHints1->trigger();
  QApplication::processEvents();
  ASSERT_EQ(Form->statusBar()->height(), 12);
  EXPECT_TRUE(paneIsEmpty()) << "the thin bar shows no sliver of the sentence";
  Form->Controls.ShowHints1->trigger();
  QApplication::processEvents();
  ASSERT_EQ(Form->statusBar()->height(), 36);
  EXPECT_EQ(Form->Hints()->Canvas, sentence);

  // A full board the clock has not seen yet: the step finds nothing, says
  // so and costs nothing, and no arrow or sentence of the step before stays.
  ASSERT_TRUE(anyArrow());
  for (int r = 1; r <= Form->N(); ++r)
    for (int c = 1; c <= Form->N(); ++c)
      if (!Sq(c, r).IsSolved())
        Form->Session().Controller().Press({c, r, Sq(c, r).localindex(), TButton::Left});
  const int clues = Form->Session().Settings().Stats.Clues;
  const int time = Form->Session().Controller().Clock.ElapsedSeconds;
  QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, clues);
  EXPECT_EQ(Form->Session().Controller().Clock.ElapsedSeconds, time);
  EXPECT_EQ(Dialogs.Infos.value(0), "The clues give no further step here, so this clue costs nothing.");
  EXPECT_FALSE(anyArrow());
  EXPECT_TRUE(paneIsEmpty());
}

TEST_F(HintsTest, StepsNameTheirSquarePointIntoItAndBlinkTogether) {
  // Puzzle 6:6 at difficulty 5 takes two horizontal steps, the second in the
  // last column, and then a vertical one.
  Open(6, 6, 5);
  const TGameController::THints& hints = Form->Session().Game().Hints();
  auto paneWords = [&] {
    QString words;
    for (const THintPiece& piece : TMainFormProbe::HintPieces(*Form))
      if (!piece.IsPicture) words += piece.Text;
    return words;
  };
  // The two arrows of a step: the board's and the panel's of its clue.
  auto shownArrows = [&] {
    std::vector<TArrowLine*> shown;
    for (TArrowLine* arrow :
         {Form->Board()->Arrow(), Form->HorizontalPanel()->Arrow(), Form->VerticalPanel()->Arrow()})
      if (arrow->isVisible()) shown.push_back(arrow);
    return shown;
  };
  auto inStep = [&] {
    const std::vector<TArrowLine*> shown = shownArrows();
    return shown.size() == 2 && shown[0]->LineColor == shown[1]->LineColor;
  };
  bool lastColumn = false, panelChanged = false;
  bool wasVertical = false;
  for (int step = 0; step < 12 && !(lastColumn && panelChanged); ++step) {
    QTest::mouseClick(Form->Controls.ClueBtn, Qt::LeftButton);
    const TDeductionStep& last = hints.LastStep;
    ASSERT_TRUE(last.Found());
    if (step > 0) panelChanged = panelChanged || last.IsVertical() != wasVertical;
    wasVertical = last.IsVertical();
    ASSERT_TRUE(last.ChangedSquare);
    // The explanation names the square: its column and its row's name.
    const QString row = TMainFormProbe::TileImages(*Form)->RowName(last.Square.r).toLower();
    ASSERT_FALSE(row.isEmpty());
    const QString named = last.RemovedTile ? QStringLiteral("from column %1's %2").arg(last.Square.c).arg(row)
                                           : QStringLiteral("belongs in column %1").arg(last.Square.c);
    EXPECT_TRUE(paneWords().contains(named)) << paneWords().toStdString();
    // The board arrow's tip is in the changed square (in the last column), or
    // at its bottom edge.
    const TBoardLayout L = Form->Board()->Layout();
    const QPoint tip = ArrowTip(BoardArrowPlace(last.Square, L), BoardArrowSize);
    EXPECT_EQ(Form->Board()->Arrow()->pos(),
              QPoint(BoardArrowPlace(last.Square, L).Left, BoardArrowPlace(last.Square, L).Top));
    const QRect square(L.X0(last.Square.c), L.Y0(last.Square.r), L.W, L.H + 6);
    EXPECT_TRUE(square.contains(tip)) << last.Square.c << "," << last.Square.r;
    if (last.Square.c == 6) {
      lastColumn = true;
      EXPECT_TRUE(QRect(L.X0(6), L.Y0(last.Square.r), L.W, L.H).contains(tip));
    }
    // Both arrows change colour together, whatever colours the blinks of
    // the steps before left behind (one more blink each step).
    EXPECT_TRUE(inStep()) << "step " << step;
    for (int blink = 0; blink <= step; ++blink) {
      Form->HintPointers().Blink();
      EXPECT_TRUE(inStep()) << "step " << step << ", blink " << blink;
    }
  }
  EXPECT_TRUE(lastColumn && panelChanged);
}
