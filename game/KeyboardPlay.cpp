// Keyboard play: the cursor over the board's candidate cells and over the
// clues. A key presses the cell or clue under the cursor through the same
// session calls as the mouse, so the outcomes are the mouse's own
// (mis-clicks included).
#include "KeyboardPlay.h"

#include "Accessibility.h"
#include "BoardView.h"
#include "CluePanel.h"
#include "Session.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {

// A ring that shows on every background: black, two pixels of yellow,
// black, just outside rect.
void CursorRing(QPainter& p, const QRect& rect) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(rect.adjusted(-4, -4, 3, 3));
  p.setPen(QPen(QColor(255, 255, 0), 1));
  p.drawRect(rect.adjusted(-3, -3, 2, 2));
  p.drawRect(rect.adjusted(-2, -2, 1, 1));
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(rect.adjusted(-1, -1, 0, 0));
  p.restore();
}

}  // namespace

void TKeyboardPlay::Install() {
  // Only the three panes take the focus, in this order for Tab.
  for (TPaintBox* box : {static_cast<TPaintBox*>(&Board), Horizontal.Clues(), Vertical.Clues()})
    box->setFocusPolicy(Qt::StrongFocus);
  Board.OnKeyDown = [this](QKeyEvent* e) { return KeyDown(TKeyPane::Board, e); };
  Horizontal.Clues()->OnKeyDown = [this](QKeyEvent* e) { return KeyDown(TKeyPane::Horizontal, e); };
  Vertical.Clues()->OnKeyDown = [this](QKeyEvent* e) { return KeyDown(TKeyPane::Vertical, e); };
  Board.OnOverlay = [this](QPainter& p) { DrawBoardCursor(p); };
  Horizontal.Clues()->OnOverlay = [this](QPainter& p) { DrawHorizontalCursor(p); };
  Vertical.Clues()->OnOverlay = [this](QPainter& p) { DrawVerticalCursor(p); };
  // A press with the mouse puts the keyboard cursor away; on the board it
  // leaves it on the cell pressed, for the next key.
  for (TPaintBox* box : {static_cast<TPaintBox*>(&Board), Horizontal.Clues(), Vertical.Clues()}) {
    auto down = box->OnMouseDown;
    box->OnMouseDown = [this, box, down](QMouseEvent* e) {
      if (Cursor.Active) {
        Cursor.Active = false;
        UpdatePanes();
      }
      if (box == &Board) {
        const TBoardHit hit = HitTest(Board.Layout(), int(e->position().x()), int(e->position().y()));
        if (hit.Cell) PutBoardCursorOn(Session.Game().Puzzle, Cursor, hit.c, hit.r, hit.q);
      }
      if (down) down(e);
    };
  }
  Board.setFocus();
}

TPaintBox* TKeyboardPlay::PaneBox(TKeyPane Pane) const {
  switch (Pane) {
    case TKeyPane::Horizontal:
      return Horizontal.Clues();
    case TKeyPane::Vertical:
      return Vertical.Clues();
    default:
      return &Board;
  }
}

void TKeyboardPlay::UpdatePanes() {
  for (TPaintBox* box : {static_cast<TPaintBox*>(&Board), Horizontal.Clues(), Vertical.Clues()})
    box->update();
  Access.FollowCursor();
}

namespace {

// The digit key 1..9, or 10 for 0, of the main block; 0 for any other key.
// The keypad's keys are the screen reader's. Where the layout puts other
// signs on the digit keys (AZERTY), their place on the keyboard tells.
int DigitOf(const QKeyEvent* e) {
  if (e->modifiers() & Qt::KeypadModifier) return 0;
  if (e->key() >= Qt::Key_1 && e->key() <= Qt::Key_9) return e->key() - Qt::Key_0;
  if (e->key() == Qt::Key_0) return 10;
  // X11 and Wayland number the keys of "1" to "0" 10 to 19.
  const quint32 code = e->nativeScanCode();
  return code >= 10 && code <= 19 ? int(code) - 9 : 0;
}

}  // namespace

bool TKeyboardPlay::KeyDown(TKeyPane Pane, QKeyEvent* Event) {
  const Qt::KeyboardModifiers modifiers =
      Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const int digit = DigitOf(Event);
  // Ctrl and a digit jump to that column, Alt and a digit to that row.
  if (Pane == TKeyPane::Board && digit &&
      (modifiers == Qt::ControlModifier || modifiers == Qt::AltModifier)) {
    if (!(Cursor.Active && Cursor.Pane == Pane)) Show(Pane);
    const bool column = modifiers == Qt::ControlModifier;
    MoveBoardCursorTo(Session.Game().Puzzle, Cursor, column ? digit : Cursor.c, column ? Cursor.r : digit);
    Explain();
    UpdatePanes();
    return true;
  }
  // Other keys with Ctrl or Alt belong to the window's commands and menus.
  if (modifiers) return false;
  const int key = Event->key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    const bool back = key == Qt::Key_Backtab || (Event->modifiers() & Qt::ShiftModifier);
    const TKeyPane next = TKeyPane((int(Pane) + (back ? 2 : 1)) % 3);
    PaneBox(next)->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    Show(next);
    return true;
  }
  // The clue panels' menu (Show All) opens from the keys as from the mouse.
  if (Pane != TKeyPane::Board &&
      (key == Qt::Key_Menu || (key == Qt::Key_F10 && (Event->modifiers() & Qt::ShiftModifier)))) {
    OpenClueMenu(Pane);
    return true;
  }
  // The keypad's Enter is the screen reader's Where Am I: it presses nothing.
  const bool keypadEnter = key == Qt::Key_Enter && (Event->modifiers() & Qt::KeypadModifier);
  const bool press = key == Qt::Key_Space || key == Qt::Key_Return || (key == Qt::Key_Enter && !keypadEnter);
  const bool remove = key == Qt::Key_Delete || key == Qt::Key_Backspace;
  const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
  const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
  const bool board = Pane == TKeyPane::Board;
  const bool clues = board && key == Qt::Key_C;
  if (keypadEnter) return true;
  if (!press && !(board && (remove || digit || clues)) && !dx && !dy) return false;
  // A paused game hides the board and the clues: a key that would play or
  // read them says why it does nothing.
  if ((press || remove || clues) && Session.Game().Paused()) {
    Access.Announce(Access.PauseNotice());
    return true;
  }
  // The first key only shows where the cursor stands, so no press lands on
  // a cell the player has not seen.
  if (!(Cursor.Active && Cursor.Pane == Pane)) {
    Show(Pane);
    return true;
  }
  switch (Pane) {
    case TKeyPane::Board:
      if (clues)
        SayCluesNamingTile();
      else if (digit)
        ChooseCell(digit);
      else
        BoardKey(dx, dy, remove, Event->modifiers() & Qt::ShiftModifier);
      break;
    case TKeyPane::Horizontal:
      // Two clues a row: left and right step by one, up and down by a row.
      ClueKey(Pane, dx + 2 * dy, press);
      break;
    case TKeyPane::Vertical:
      ClueKey(Pane, dx, press);
      break;
  }
  UpdatePanes();
  return true;
}

void TKeyboardPlay::Show(TKeyPane Pane) {
  ShowKeyCursor(Session.Game().Puzzle, Cursor, Pane);
  UpdatePanes();
  Explain();
}

QPoint TKeyboardPlay::BoardCursorPoint() const {
  const TBoardLayout L = Board.Layout();
  return {L.X0(Cursor.c) + ((Cursor.q - 1) % L.gc) * L.cw + L.cw / 2,
          L.Y0(Cursor.r) + ((Cursor.q - 1) / L.gc) * L.ch + L.ch / 2};
}

bool TKeyboardPlay::OnBoard() const {
  return BoardCursorOnBoard(Session.Game().Puzzle, Cursor);
}

void TKeyboardPlay::BoardKey(int dx, int dy, bool remove, bool walkCells) {
  // Another puzzle may have changed the size under the cursor.
  KeepBoardCursorOnBoard(Session.Game().Puzzle, Cursor);
  if (dx || dy) {
    // The arrows go square by square; with Shift they walk the cells.
    if (walkCells)
      StepBoardCursor(Session.Game().Puzzle, Cursor, dx, dy);
    else
      StepBoardSquare(Session.Game().Puzzle, Cursor, dx, dy);
    Explain();
    return;
  }
  // A window too small to show the cell has nothing there to press.
  const TBoardLayout L = Board.Layout();
  if (L.W <= 0 || L.H <= 0 || L.cw <= 0 || L.ch <= 0) return;
  Form.DismissPointers();
  Form.PressCell({Cursor.c, Cursor.r, Cursor.q, remove ? TButton::Right : TButton::Left}, BoardCursorPoint());
}

void TKeyboardPlay::ChooseCell(int q) {
  if (ChooseCandidate(Session.Game().Puzzle, Cursor, q)) Explain();
}

void TKeyboardPlay::SayCluesNamingTile() {
  const TPuzzle& puzzle = Session.Game().Puzzle;
  if (!OnBoard() || !Session.Game().BoardReady() || Session.Game().Paused()) return;
  const TTileRef tile = CursorTile(puzzle, Cursor);
  const TCluesNaming named = CluesNamingTile(puzzle, tile);
  QStringList sentences;
  for (int i : named.Horizontal) sentences << Access.ClueText(puzzle.HorizontalClues[i]);
  for (int i : named.Vertical) sentences << Access.ClueText(puzzle.VerticalClues[i]);
  const QString name = Access.TileName(tile.r, tile.t);
  const int count = int(sentences.size());
  const auto words = [&](const QString& separator) {
    return count ? QCoreApplication::translate("Accessibility", "%n clue(s) name the %1: %2", "", count)
                       .arg(name, sentences.join(separator))
                 : QCoreApplication::translate("Accessibility", "No clue names the %1.").arg(name);
  };
  Access.Announce(words(QStringLiteral("; ")));
  // Shown below the cursor as well, a clue to a line.
  Form.ShowNoteAt(BoardCursorPoint(), words(QStringLiteral("\n")));
}

void TKeyboardPlay::ClueKey(TKeyPane Pane, int step, bool press) {
  const bool horizontal = Pane == TKeyPane::Horizontal;
  const int n =
      int((horizontal ? Session.Game().Puzzle.HorizontalClues : Session.Game().Puzzle.VerticalClues).size());
  StepClueCursor(Session.Game().Puzzle, Cursor, !horizontal, step);
  const int i = horizontal ? Cursor.Horizontal : Cursor.Vertical;
  if (!press) {
    Explain();
    return;
  }
  if (n <= 0) return;
  // A panel too small to show the clue has nothing there to press.
  if (horizontal) {
    if (Horizontal.TileSize() <= 0) return;
    Form.DismissPointers();
    Session.ToggleClue(false, i);
  } else if (VerticalTileSize(Vertical.Clues()->width(), Vertical.Clues()->height(), n) > 0) {
    Form.VerticalClueChosen(i);
  }
}

void TKeyboardPlay::OpenClueMenu(TKeyPane Pane) {
  TPaintBox* box = PaneBox(Pane);
  QPoint at = box->rect().center();
  if (Cursor.Active && Cursor.Pane == Pane) {
    const int n = int((Pane == TKeyPane::Horizontal ? Session.Game().Puzzle.HorizontalClues
                                                    : Session.Game().Puzzle.VerticalClues)
                          .size());
    const int i = Pane == TKeyPane::Horizontal ? Cursor.Horizontal : Cursor.Vertical;
    if (Pane == TKeyPane::Horizontal && Horizontal.TileSize() > 0) {
      const int s = Horizontal.TileSize();
      at = QRect(HorizontalClueLeft(i, s), HorizontalClueTop(i, s), 3 * s, s).center();
    } else if (const int s = VerticalTileSize(box->width(), box->height(), n);
               Pane == TKeyPane::Vertical && s > 0) {
      at = QRect(VerticalClueLeft(i, s), 10, s, 3 * s).center();
    }
  }
  // The first item takes the focus, so a reader says the menu opened.
  QMenu* menu = Pane == TKeyPane::Horizontal ? Horizontal.Menu() : Vertical.Menu();
  menu->popup(box->mapToGlobal(at));
  if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().front());
}

void TKeyboardPlay::Explain() {
  // What resting the pointer there would show: the hint and the zoom boxes.
  switch (Cursor.Pane) {
    case TKeyPane::Board:
      if (!OnBoard()) return;
      if (Session.Prefs().ShowHints) Form.ExplainClue(nullptr, 0, false);
      if (Session.Prefs().Zoom) Board.ShowTilePreviewOf(Cursor.c, Cursor.r, Cursor.q - 1);
      break;
    case TKeyPane::Horizontal:
      if (Horizontal.TileSize() > 0) Form.HoverClue(false, Cursor.Horizontal);
      break;
    case TKeyPane::Vertical:
      if (VerticalTileSize(Vertical.Clues()->width(), Vertical.Clues()->height(),
                           int(Session.Game().Puzzle.VerticalClues.size())) > 0)
        Form.HoverClue(true, Cursor.Vertical);
      break;
  }
}

bool TKeyboardPlay::Shows(TKeyPane Pane) const {
  // Nothing to point at on a paused, finished or animated board.
  return Cursor.Active && Cursor.Pane == Pane && Session.Game().BoardReady() && !Session.Game().Paused() &&
         !Session.Game().Finished() && !Board.Animating();
}

void TKeyboardPlay::DrawBoardCursor(QPainter& Canvas) {
  if (!Shows(TKeyPane::Board)) return;
  const TBoardLayout L = Board.Layout();
  if (L.W <= 0 || L.H <= 0 || Cursor.c > Session.Game().N() || Cursor.r > Session.Game().N() ||
      Cursor.q > Session.Game().N())
    return;
  // A solved square has no cells left: the ring goes round the square.
  if (Session.Game().Puzzle.Square(Cursor.c, Cursor.r).IsSolved()) {
    CursorRing(Canvas, QRect(L.X0(Cursor.c), L.Y0(Cursor.r), L.W, L.H));
    return;
  }
  CursorRing(Canvas, QRect(L.X0(Cursor.c) + ((Cursor.q - 1) % L.gc) * L.cw,
                           L.Y0(Cursor.r) + ((Cursor.q - 1) / L.gc) * L.ch, L.cw, L.ch));
}

void TKeyboardPlay::DrawHorizontalCursor(QPainter& Canvas) {
  const int n = int(Session.Game().Puzzle.HorizontalClues.size());
  const int s = Horizontal.TileSize();
  const int i = Cursor.Horizontal;
  if (!Shows(TKeyPane::Horizontal) || i < 0 || i >= n || s <= 0) return;
  CursorRing(Canvas, QRect(HorizontalClueLeft(i, s), HorizontalClueTop(i, s), 3 * s, s));
}

void TKeyboardPlay::DrawVerticalCursor(QPainter& Canvas) {
  const int m = int(Session.Game().Puzzle.VerticalClues.size());
  const int s = VerticalTileSize(Vertical.Clues()->width(), Vertical.Clues()->height(), m);
  const int i = Cursor.Vertical;
  if (!Shows(TKeyPane::Vertical) || i < 0 || i >= m || s <= 0) return;
  CursorRing(Canvas, QRect(VerticalClueLeft(i, s), 10, s, 3 * s));
}
