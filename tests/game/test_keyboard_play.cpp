// Keyboard play in a real window: the cursor, its presses, Tab between panes.
#include "GameTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

class KeyboardPlayTest : public TWindowTest {
 protected:
  void Key(QWidget* pane, int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(pane, Qt::Key(key), modifiers);
  }
  void BoardKey(int key) { Key(Form->Board(), key); }
  // The cursor's place in the grid of all candidate cells.
  QPoint Cell(int c, int r, int q) const {
    int gc = 1, gr = 1;
    CandidateGrid(Form->N(), gc, gr);
    return {(c - 1) * gc + (q - 1) % gc, (r - 1) * gr + (q - 1) / gc};
  }
  QPoint CursorCell() const {
    return Cell(TMainFormProbe::KeyCursor(*Form).c, TMainFormProbe::KeyCursor(*Form).r,
                TMainFormProbe::KeyCursor(*Form).q);
  }
  TBoardPos CursorSquare() const {
    return {TMainFormProbe::KeyCursor(*Form).c, TMainFormProbe::KeyCursor(*Form).r};
  }
  // Square by square with the arrows, every key moving the cursor, then the
  // candidate by its number.
  void MoveTo(int c, int r, int q) {
    for (int guard = 0; !(CursorSquare() == TBoardPos{c, r}) && guard < 40; ++guard) {
      const TBoardPos before = CursorSquare();
      if (before.r != r)
        BoardKey(before.r < r ? Qt::Key_Down : Qt::Key_Up);
      else
        BoardKey(before.c < c ? Qt::Key_Right : Qt::Key_Left);
      ASSERT_FALSE(CursorSquare() == before) << "stuck on the way to " << c << "," << r;
    }
    BoardKey(q == 10 ? Qt::Key_0 : Qt::Key_0 + q);
    ASSERT_EQ(CursorCell(), Cell(c, r, q));
  }
  // Everything a press can change, to compare the keyboard with the mouse.
  struct TState {
    int Errors, Elapsed, Solved;
    bool Message;
    QString MessageText;
    QPoint MessageAt;
    std::vector<int> Candidates;
    QImage Board;
    bool operator==(const TState&) const = default;
  };
  TState State() {
    TState s{Form->Session().Settings().Stats.Errors,
             Form->Session().Controller().Clock.ElapsedSeconds,
             Form->Session().Game().Puzzle.SolvedCount,
             Form->Board()->Message()->isVisible(),
             Form->Board()->Message()->text(),
             Form->Board()->Message()->pos(),
             {},
             Form->Board()->Canvas};
    for (int r = 1; r <= Form->N(); ++r)
      for (int c = 1; c <= Form->N(); ++c)
        s.Candidates.push_back(Sq(c, r).IsSolved() ? -1 : Sq(c, r).CandidateCount());
    return s;
  }
};

TEST_F(KeyboardPlayTest, TheKeysSolveAWholeFourByFour) {
  Open(4, 3);
  EXPECT_EQ(Form->focusWidget(), Form->Board()) << "the board takes the keys from the start";
  // The first key only shows the cursor, on the first cell.
  BoardKey(Qt::Key_Space);
  EXPECT_TRUE(TMainFormProbe::KeyCursor(*Form).Active);
  EXPECT_EQ(CursorCell(), QPoint(0, 0));
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 0);

  // Shift and the arrows walk the cells one by one; Ctrl and a digit jump
  // to a column, Alt and a digit to a row, keeping the cell.
  Key(Form->Board(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(CursorCell(), QPoint(1, 0));
  Key(Form->Board(), Qt::Key_4, Qt::ControlModifier);
  Key(Form->Board(), Qt::Key_3, Qt::AltModifier);
  EXPECT_EQ(CursorCell(), Cell(4, 3, 2));
  Key(Form->Board(), Qt::Key_5, Qt::ControlModifier);  // no fifth column
  Key(Form->Board(), Qt::Key_5, Qt::KeypadModifier);   // the keypad is the screen reader's
  EXPECT_EQ(CursorCell(), Cell(4, 3, 2));
  BoardKey(Qt::Key_Left);
  EXPECT_EQ(CursorCell(), Cell(3, 3, 2));
  Key(Form->Board(), Qt::Key_1, Qt::ControlModifier);
  Key(Form->Board(), Qt::Key_1, Qt::AltModifier);

  // Delete removes a wrong candidate, Backspace brings it back.
  const int wrong = WrongCandidate(1, 1);
  MoveTo(1, 1, wrong);
  BoardKey(Qt::Key_Delete);
  EXPECT_FALSE(Sq(1, 1).HasCandidate(wrong));
  BoardKey(Qt::Key_Backspace);
  EXPECT_TRUE(Sq(1, 1).HasCandidate(wrong));

  int presses = 0;
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) {
      if (Sq(c, r).IsSolved()) continue;  // the row's last square solves itself
      MoveTo(c, r, Sq(c, r).localindex());
      BoardKey(++presses % 2 ? Qt::Key_Space : Qt::Key_Return);
      ASSERT_TRUE(Sq(c, r).IsSolved()) << c << "," << r;
    }
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 16);
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  // The arrows still go over the full board's squares, the digits choose
  // nothing on a solved square, and the edges hold.
  Key(Form->Board(), Qt::Key_3, Qt::ControlModifier);
  Key(Form->Board(), Qt::Key_3, Qt::AltModifier);
  const int q = TMainFormProbe::KeyCursor(*Form).q;
  BoardKey(Qt::Key_Right);
  BoardKey(Qt::Key_Down);
  BoardKey(Qt::Key_Right);
  BoardKey(q == 1 ? Qt::Key_2 : Qt::Key_1);
  EXPECT_TRUE(CursorSquare() == (TBoardPos{4, 4}));
  EXPECT_EQ(TMainFormProbe::KeyCursor(*Form).q, q);
  Form->Timer1Timer();
  EXPECT_TRUE(Form->Session().Game().Finished());
  ASSERT_EQ(Scores().size(), 1u);
  EXPECT_EQ(Scores()[0].Number, 3);
  EXPECT_EQ(Scores()[0].Errors, 0);
}

TEST_F(KeyboardPlayTest, AKeyMisClicksExactlyLikeTheMouse) {
  // The same presses, once with the mouse and once with the keys, in the
  // same puzzle: the same penalties, message, candidates and picture. The
  // first start's exit stores the window's sizes, so both runs start alike.
  Open(5, 7, 4);
  Form.reset();
  Open(5, 7, 4);
  const int wrong = WrongCandidate(2, 3), own = Sq(2, 3).localindex(), other = WrongCandidate(4, 4);
  Press(Qt::LeftButton, 2, 3, wrong);
  const TState afterWrong = State();
  Press(Qt::RightButton, 2, 3, own);
  Press(Qt::RightButton, 4, 4, other);
  const TState mouse = State();
  EXPECT_EQ(mouse.Errors, 2);
  EXPECT_EQ(mouse.Elapsed, 8);
  EXPECT_FALSE(TMainFormProbe::KeyCursor(*Form).Active);

  Form.reset();
  Open(5, 7, 4);
  BoardKey(Qt::Key_Left);  // shows the cursor
  MoveTo(2, 3, wrong);
  const TState before = State();
  Key(Form->Board(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(before == State()) << "the keypad's Enter is a screen reader's own key";
  BoardKey(Qt::Key_Enter);
  EXPECT_TRUE(afterWrong == State()) << "a wrong placing";
  EXPECT_EQ(Form->Board()->Message()->text(), QStringLiteral("Sorry, that is the wrong choice!"));
  EXPECT_EQ(Form->Board()->Message()->y(), TMainFormProbe::BoardCursorPoint(*Form).y() + 12);
  MoveTo(2, 3, own);
  BoardKey(Qt::Key_Delete);
  MoveTo(4, 4, other);
  BoardKey(Qt::Key_Backspace);
  EXPECT_TRUE(mouse == State()) << "removing the square's own tile, then a wrong one";

  // While paused the keys press nothing, as the mouse does, and the cursor hides.
  const QImage shown = Form->Board()->grab().toImage();
  Form->Controls.Pause1->trigger();
  ASSERT_TRUE(Form->Session().Game().Paused());
  MoveTo(1, 1, Sq(1, 1).localindex());
  BoardKey(Qt::Key_Space);
  EXPECT_FALSE(Sq(1, 1).IsSolved());
  Form->Board()->Message()->hide();  // the message is a widget of its own over the board
  const QImage paused = Form->Board()->grab().toImage();
  EXPECT_EQ(paused, Form->Board()->Canvas.convertToFormat(paused.format()));
  EXPECT_NE(paused, shown);
}

TEST_F(KeyboardPlayTest, TheCursorShowsOverEveryTileAndLeavesNothingBehind) {
  Open(10, 4);
  BoardKey(Qt::Key_Down);
  const TBoardLayout L = Form->Board()->Layout();
  // Every cell of a few squares: the ring's yellow just outside the cell and
  // its black inside and outside that, whatever the tile's colours.
  for (int r : {1, 5, 10})
    for (int q = 1; q <= 10; ++q) {
      MoveTo(3, r, q);
      const QImage screen = Form->Board()->grab().toImage();
      const int x = L.X0(3) + ((q - 1) % L.gc) * L.cw, y = L.Y0(r) + ((q - 1) / L.gc) * L.ch;
      const int mid = y + L.ch / 2;
      EXPECT_EQ(screen.pixelColor(x - 2, mid), QColor(255, 255, 0)) << r << "," << q;
      EXPECT_EQ(screen.pixelColor(x - 4, mid), QColor(Qt::black)) << r << "," << q;
      EXPECT_EQ(screen.pixelColor(x - 1, mid), QColor(Qt::black)) << r << "," << q;
      EXPECT_EQ(screen.pixelColor(x + L.cw + 1, mid), QColor(255, 255, 0)) << r << "," << q;
    }
  // The canvas never holds the cursor: a press with the mouse puts it away
  // and the screen is the canvas again.
  Press(Qt::LeftButton, QPoint(2, 2));
  EXPECT_FALSE(TMainFormProbe::KeyCursor(*Form).Active);
  const QImage screen = Form->Board()->grab().toImage();
  EXPECT_EQ(screen, Form->Board()->Canvas.convertToFormat(screen.format()));
}

TEST_F(KeyboardPlayTest, TabVisitsTheCluePanelsWhereSpaceHidesAndTheHintExplains) {
  Open(6, 3);
  Form->Controls.ShowHints1->setChecked(true);
  Form->HintBtnClick();
  TClueList& H = Form->Session().Controller().Puzzle.HorizontalClues;
  TClueList& V = Form->Session().Controller().Puzzle.VerticalClues;
  ASSERT_GE(H.size(), 4u);
  ASSERT_GE(V.size(), 2u);

  Key(Form->Board(), Qt::Key_Tab);
  EXPECT_EQ(Form->focusWidget(), Form->HorizontalPanel()->Clues());
  EXPECT_EQ(TMainFormProbe::KeyCursor(*Form).Pane, TKeyPane::Horizontal);
  EXPECT_EQ(Form->Session().Game().Hints().HighlightedHorizontal, 0)
      << "the clue under the cursor is explained";
  Key(Form->HorizontalPanel()->Clues(), Qt::Key_Right);
  Key(Form->HorizontalPanel()->Clues(), Qt::Key_Down);
  EXPECT_EQ(TMainFormProbe::KeyCursor(*Form).Horizontal, 3);
  EXPECT_EQ(Form->Session().Game().Hints().HighlightedHorizontal, 3);
  Key(Form->HorizontalPanel()->Clues(), Qt::Key_Space);
  EXPECT_FALSE(H[3].shown());
  Key(Form->HorizontalPanel()->Clues(), Qt::Key_Delete);  // not a clue key
  EXPECT_FALSE(H[3].shown());
  Key(Form->HorizontalPanel()->Clues(), Qt::Key_Space);
  EXPECT_TRUE(H[3].shown());
  for (int i = 0; i < 50; ++i) Key(Form->HorizontalPanel()->Clues(), Qt::Key_Down);
  EXPECT_GE(TMainFormProbe::KeyCursor(*Form).Horizontal, int(H.size()) - 2) << "stops at the last row";
  EXPECT_LT(TMainFormProbe::KeyCursor(*Form).Horizontal, int(H.size()));

  Key(Form->HorizontalPanel()->Clues(), Qt::Key_Tab);
  EXPECT_EQ(Form->focusWidget(), Form->VerticalPanel()->Clues());
  Key(Form->VerticalPanel()->Clues(), Qt::Key_Right);
  EXPECT_EQ(TMainFormProbe::KeyCursor(*Form).Vertical, 1);
  EXPECT_EQ(Form->Session().Game().Hints().HighlightedVertical, 1);
  Key(Form->VerticalPanel()->Clues(), Qt::Key_Return);
  EXPECT_FALSE(V[1].shown());
  // The panel's menu opens from the keys, on its one item: Show All.
  Key(Form->VerticalPanel()->Clues(), Qt::Key_Menu);
  ASSERT_TRUE(Form->VerticalPanel()->Menu()->isVisible());
  ASSERT_NE(Form->VerticalPanel()->Menu()->activeAction(), nullptr);
  Form->VerticalPanel()->Menu()->activeAction()->trigger();
  Form->VerticalPanel()->Menu()->hide();
  EXPECT_TRUE(V[1].shown());
  Key(Form->VerticalPanel()->Clues(), Qt::Key_Tab);
  EXPECT_EQ(Form->focusWidget(), Form->Board());
  Key(Form->Board(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Form->focusWidget(), Form->VerticalPanel()->Clues());
  EXPECT_EQ(Form->Session().Settings().Stats.Errors, 0);
  EXPECT_EQ(Form->Session().Game().Puzzle.SolvedCount, 0);

  // The window's own keys still work with a pane holding the keys.
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  Key(Form->VerticalPanel()->Clues(), Qt::Key_P);
  EXPECT_TRUE(Form->Session().Game().Paused());
  Key(Form->VerticalPanel()->Clues(), Qt::Key_P);
  EXPECT_FALSE(Form->Session().Game().Paused());
  const int number = Form->Session().Game().Number();
  Key(Form->VerticalPanel()->Clues(), Qt::Key_PageDown);
  EXPECT_EQ(Form->Session().Game().Number(), number + 1);
}

TEST_F(KeyboardPlayTest, TheKeysTellTheTimePenaltiesAndTheCluesOfATile) {
  Open(5, 7, 4);  // a mis-click costs 4 seconds, a clue 18
  ASSERT_TRUE(Form->Session().Prefs().TimerOn);
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  BoardKey(Qt::Key_Left);
  MoveTo(2, 3, WrongCandidate(2, 3));
  BoardKey(Qt::Key_Space);
  // T says (and shows) the clock, the progress and what the last penalty
  // cost and was for.
  BoardKey(Qt::Key_T);
  EXPECT_TRUE(Form->Board()->Message()->text().startsWith(QStringLiteral("Time: 0:00:04. Progress: 0")))
      << Form->Board()->Message()->text().toStdString();
  EXPECT_TRUE(Form->Board()->Message()->text().contains(QStringLiteral("4 second")));
  EXPECT_TRUE(Form->Board()->Message()->text().contains(QStringLiteral("mis-click")));
  // "Give me a clue!" is in a menu with its key, and says what it cost.
  QAction* clue = nullptr;
  for (QAction* menu : Form->menuBar()->actions())
    for (QAction* item : menu->menu()->actions())
      if (item->text() == QStringLiteral("Give me a clue!")) clue = item;
  ASSERT_TRUE(clue);
  EXPECT_EQ(clue->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  Key(Form->Board(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(Form->Session().Settings().Stats.Clues, 1);
  BoardKey(Qt::Key_T);
  EXPECT_TRUE(Form->Board()->Message()->text().contains(QStringLiteral("18 second")));
  EXPECT_TRUE(Form->Board()->Message()->text().contains(QStringLiteral("for a clue")));

  // C lists (says and shows) the clues that name the tile under the cursor, and no other.
  const TClueList& H = Form->Session().Controller().Puzzle.HorizontalClues;
  ASSERT_FALSE(H.empty());
  const TBoardPos at = H[0].Tile(1);
  const int tile = Sq(at.c, at.r).localindex();
  const auto names = [&](const TClue& clue) {
    for (int k = 1; k <= clue.TileCount(); ++k)
      if (clue.Tile(k).r == at.r && Sq(clue.Tile(k).c, at.r).localindex() == tile) return true;
    return false;
  };
  MoveTo(1, at.r, tile);
  BoardKey(Qt::Key_C);
  const QString said = Form->Board()->Message()->text();
  TAccessibility& words = TMainFormProbe::Access(*Form);
  EXPECT_TRUE(said.contains(words.TileName(at.r, tile)));
  int others = 0;
  const TClueList& V = Form->Session().Controller().Puzzle.VerticalClues;
  for (const TClueList* clues : {&H, &V})
    for (const TClue& clue : *clues) {
      EXPECT_EQ(said.contains(words.ClueText(clue)), names(clue)) << words.ClueText(clue).toStdString();
      others += !names(clue);
    }
  EXPECT_GT(others, 0);

  // F1 opens the guide itself; the keys move the dividers.
  QTest::keyClick(Form->Board(), Qt::Key_F1);
  EXPECT_EQ(Dialogs.GuideShown, 1);
  const int wide = Form->HorizontalPanel()->width(), high = Form->VerticalPanel()->height();
  Key(Form->Board(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Form->Board(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Form->HorizontalPanel()->width(), wide + TMainFormControls::DividerStep);
  EXPECT_EQ(Form->VerticalPanel()->height(), high + TMainFormControls::DividerStep);
  Key(Form->Board(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Form->Board(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Form->HorizontalPanel()->width(), wide);
  EXPECT_EQ(Form->VerticalPanel()->height(), high);
}
