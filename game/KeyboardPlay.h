#pragma once

#include "KeyCursor.h"

#include <QPoint>

class QKeyEvent;
class QPainter;
class QString;
class TAccessibility;
class TBoardView;
class TClue;
class TCluePanel;
class TPaintBox;
class TSession;
struct TMove;

// Keyboard play over the main window's three panes: the board's candidate
// cells and the two clue panels. Tab moves between the panes, the arrows
// move the cursor (on the board square by square, with Shift cell by cell),
// a digit picks a square's candidate, Ctrl or Alt and a digit jump to a
// column or a row, Space or Return presses, Delete removes. A key presses
// the cell or clue under the cursor through the same calls as the mouse, so
// the outcomes are the mouse's own (mis-clicks included).
class TKeyboardPlay {
 public:
  // What the mouse's presses and hovers do in the window beyond the views,
  // which the keys do alike.
  class TWindow {
   public:
    virtual void DismissPointers() = 0;  // the hint arrows put away
    // The press of a board cell; a mis-click's message shows at At.
    virtual void PressCell(const TMove& Move, QPoint At) = 0;
    virtual void ShowNoteAt(QPoint At, const QString& Text) = 0;
    virtual void VerticalClueChosen(int Index) = 0;  // a press on a vertical clue
    virtual void ExplainClue(const TClue* Clue, int Index, bool Step) = 0;
    virtual void HoverClue(bool Vertical, int Index) = 0;  // the hint of a clue rested on

   protected:
    ~TWindow() = default;
  };

  TKeyboardPlay(TWindow& window, TSession& session, TBoardView& board, TCluePanel& horizontal,
                TCluePanel& vertical, TAccessibility& access)
      : Form(window),
        Session(session),
        Board(board),
        Horizontal(horizontal),
        Vertical(vertical),
        Access(access) {}
  // The panes take the focus and the keys, and draw the cursor over
  // themselves; a press with the mouse puts the cursor away.
  void Install();
  // The middle of the board cell under the cursor, where its presses land.
  QPoint BoardCursorPoint() const;

  TKeyCursor Cursor;

 private:
  bool KeyDown(TKeyPane Pane, QKeyEvent* Event);
  TPaintBox* PaneBox(TKeyPane Pane) const;
  void UpdatePanes();
  void Show(TKeyPane Pane);
  bool OnBoard() const;
  bool Shows(TKeyPane Pane) const;
  void BoardKey(int dx, int dy, bool remove, bool walkCells);
  void ChooseCell(int q);     // a digit key: tile q of the square
  void SayCluesNamingTile();  // C: the clues that name the tile under the cursor
  void ClueKey(TKeyPane Pane, int step, bool press);
  void Explain();  // as the pointer resting there would
  void OpenClueMenu(TKeyPane Pane);
  void DrawBoardCursor(QPainter& Canvas);
  void DrawHorizontalCursor(QPainter& Canvas);
  void DrawVerticalCursor(QPainter& Canvas);

  TWindow& Form;
  TSession& Session;
  TBoardView& Board;
  TCluePanel &Horizontal, &Vertical;
  TAccessibility& Access;
};
