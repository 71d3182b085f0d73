// Keyboard play: the cursor over the board's candidate cells and over the
// clues. A key presses the cell or clue under the cursor through the same
// session calls as the mouse, so the outcomes are the mouse's own
// (mis-clicks included).
#include "MainForm.h"

#include <QKeyEvent>
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

void TMainForm::CreateKeyboardPlay() {
  // Only the three panes take the focus, in this order for Tab.
  for (TPaintBox* box : {PaintBox1, HorizontalPaintBox, VerticalPaintBox})
    box->setFocusPolicy(Qt::StrongFocus);
  PaintBox1->OnKeyDown = [this](QKeyEvent* e) { return PaneKeyDown(TKeyPane::Board, e); };
  HorizontalPaintBox->OnKeyDown = [this](QKeyEvent* e) { return PaneKeyDown(TKeyPane::Horizontal, e); };
  VerticalPaintBox->OnKeyDown = [this](QKeyEvent* e) { return PaneKeyDown(TKeyPane::Vertical, e); };
  PaintBox1->OnOverlay = [this](QPainter& p) { DrawBoardCursor(p); };
  HorizontalPaintBox->OnOverlay = [this](QPainter& p) { DrawHorizontalCursor(p); };
  VerticalPaintBox->OnOverlay = [this](QPainter& p) { DrawVerticalCursor(p); };
  // A press with the mouse puts the keyboard cursor away; on the board it
  // leaves it on the cell pressed, for the next key.
  for (TPaintBox* box : {PaintBox1, HorizontalPaintBox, VerticalPaintBox}) {
    auto down = box->OnMouseDown;
    box->OnMouseDown = [this, box, down](QMouseEvent* e) {
      if (KeyCursor.Active) {
        KeyCursor.Active = false;
        UpdateKeyPanes();
      }
      if (box == PaintBox1) {
        const TBoardHit hit = HitTest(BoardLayout(), int(e->position().x()), int(e->position().y()));
        if (hit.Cell && hit.q <= N()) {
          KeyCursor.c = hit.c;
          KeyCursor.r = hit.r;
          KeyCursor.q = hit.q;
        }
      }
      if (down) down(e);
    };
  }
  PaintBox1->setFocus();
}

TPaintBox* TMainForm::KeyPaneBox(TKeyPane Pane) const {
  switch (Pane) {
    case TKeyPane::Horizontal:
      return HorizontalPaintBox;
    case TKeyPane::Vertical:
      return VerticalPaintBox;
    default:
      return PaintBox1;
  }
}

void TMainForm::UpdateKeyPanes() {
  for (TPaintBox* box : {PaintBox1, HorizontalPaintBox, VerticalPaintBox}) box->update();
}

bool TMainForm::PaneKeyDown(TKeyPane Pane, QKeyEvent* Event) {
  // Keys with Ctrl or Alt belong to the window's commands and menus.
  if (Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const int key = Event->key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    const bool back = key == Qt::Key_Backtab || (Event->modifiers() & Qt::ShiftModifier);
    const TKeyPane next = TKeyPane((int(Pane) + (back ? 2 : 1)) % 3);
    KeyPaneBox(next)->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    ShowKeyCursor(next);
    return true;
  }
  const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
  const bool remove = key == Qt::Key_Delete || key == Qt::Key_Backspace;
  const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
  const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
  if (!press && !(remove && Pane == TKeyPane::Board) && !dx && !dy) return false;
  // The first key only shows where the cursor stands, so no press lands on
  // a cell the player has not seen.
  if (!(KeyCursor.Active && KeyCursor.Pane == Pane)) {
    ShowKeyCursor(Pane);
    return true;
  }
  switch (Pane) {
    case TKeyPane::Board:
      BoardKeyDown(dx, dy, remove);
      break;
    case TKeyPane::Horizontal:
      // Two clues a row: left and right step by one, up and down by a row.
      ClueKeyDown(Pane, dx + 2 * dy, press);
      break;
    case TKeyPane::Vertical:
      ClueKeyDown(Pane, dx, press);
      break;
  }
  UpdateKeyPanes();
  return true;
}

void TMainForm::ShowKeyCursor(TKeyPane Pane) {
  KeyCursor.Active = true;
  KeyCursor.Pane = Pane;
  KeepBoardCursorOnBoard(Play->Game().Puzzle, KeyCursor);
  const int n = int(Play->Game().Puzzle.HorizontalClues.size()),
            m = int(Play->Game().Puzzle.VerticalClues.size());
  KeyCursor.Horizontal = std::clamp(KeyCursor.Horizontal, 0, std::max(0, n - 1));
  KeyCursor.Vertical = std::clamp(KeyCursor.Vertical, 0, std::max(0, m - 1));
  UpdateKeyPanes();
  ExplainKeyCursor();
}

QPoint TMainForm::BoardCursorPoint() const {
  const TBoardLayout L = BoardLayout();
  return {L.X0(KeyCursor.c) + ((KeyCursor.q - 1) % L.gc) * L.cw + L.cw / 2,
          L.Y0(KeyCursor.r) + ((KeyCursor.q - 1) / L.gc) * L.ch + L.ch / 2};
}

bool TMainForm::KeyCursorOnBoard() const {
  return KeyCursor.c >= 1 && KeyCursor.c <= N() && KeyCursor.r >= 1 && KeyCursor.r <= N() &&
         KeyCursor.q >= 1 && KeyCursor.q <= N();
}

void TMainForm::BoardKeyDown(int dx, int dy, bool remove) {
  // Another puzzle may have changed the size under the cursor.
  if (!KeyCursorOnBoard()) KeepBoardCursorOnBoard(Play->Game().Puzzle, KeyCursor);
  if (dx || dy) {
    StepBoardCursor(Play->Game().Puzzle, KeyCursor, dx, dy);
    ExplainKeyCursor();
    return;
  }
  // A window too small to show the cell has nothing there to press.
  const TBoardLayout L = BoardLayout();
  if (L.W <= 0 || L.H <= 0 || L.cw <= 0 || L.ch <= 0) return;
  DismissPointers();
  PressCell({KeyCursor.c, KeyCursor.r, KeyCursor.q, remove ? TButton::Right : TButton::Left},
            BoardCursorPoint());
}

void TMainForm::ClueKeyDown(TKeyPane Pane, int step, bool press) {
  const bool horizontal = Pane == TKeyPane::Horizontal;
  const int n =
      int((horizontal ? Play->Game().Puzzle.HorizontalClues : Play->Game().Puzzle.VerticalClues).size());
  int& i = horizontal ? KeyCursor.Horizontal : KeyCursor.Vertical;
  if (i + step >= 0 && i + step < n) i += step;
  i = std::clamp(i, 0, std::max(0, n - 1));
  if (!press) {
    ExplainKeyCursor();
    return;
  }
  if (n <= 0) return;
  // A panel too small to show the clue has nothing there to press.
  if (horizontal) {
    if (HorizontalLayout().s <= 0) return;
    DismissPointers();
    Play->ToggleClue(false, i);
  } else if (VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), n) > 0) {
    VerticalClueChosen(i);
  }
}

void TMainForm::ExplainKeyCursor() {
  // What resting the pointer there would show: the hint and the zoom boxes.
  switch (KeyCursor.Pane) {
    case TKeyPane::Board:
      if (!KeyCursorOnBoard()) return;
      if (Play->Prefs().ShowHints) ExplainClue(nullptr, 0, false);
      if (Play->Prefs().Zoom) ShowTilePreviewOf(KeyCursor.c, KeyCursor.r, KeyCursor.q - 1);
      break;
    case TKeyPane::Horizontal:
      if (HorizontalLayout().s > 0) HoverClue(false, KeyCursor.Horizontal);
      break;
    case TKeyPane::Vertical:
      if (VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(),
                           int(Play->Game().Puzzle.VerticalClues.size())) > 0)
        HoverClue(true, KeyCursor.Vertical);
      break;
  }
}

bool TMainForm::KeyCursorShows(TKeyPane Pane) const {
  // Nothing to point at on a paused, finished or animated board.
  return KeyCursor.Active && KeyCursor.Pane == Pane && Play->Game().BoardReady() && !Play->Game().Paused() &&
         !Play->Game().Finished() && !WinTimer->isActive();
}

void TMainForm::DrawBoardCursor(QPainter& Canvas) {
  if (!KeyCursorShows(TKeyPane::Board)) return;
  const TBoardLayout L = BoardLayout();
  if (L.W <= 0 || L.H <= 0 || KeyCursor.c > N() || KeyCursor.r > N() || KeyCursor.q > N()) return;
  // A solved square has no cells left: the ring goes round the square.
  if (Play->Game().Puzzle.Square(KeyCursor.c, KeyCursor.r).IsSolved()) {
    CursorRing(Canvas, QRect(L.X0(KeyCursor.c), L.Y0(KeyCursor.r), L.W, L.H));
    return;
  }
  CursorRing(Canvas, QRect(L.X0(KeyCursor.c) + ((KeyCursor.q - 1) % L.gc) * L.cw,
                           L.Y0(KeyCursor.r) + ((KeyCursor.q - 1) / L.gc) * L.ch, L.cw, L.ch));
}

void TMainForm::DrawHorizontalCursor(QPainter& Canvas) {
  const int n = int(Play->Game().Puzzle.HorizontalClues.size());
  const int s = HorizontalLayout().s;
  const int i = KeyCursor.Horizontal;
  if (!KeyCursorShows(TKeyPane::Horizontal) || i < 0 || i >= n || s <= 0) return;
  CursorRing(Canvas, QRect(HorizontalClueLeft(i, s), HorizontalClueTop(i, s), 3 * s, s));
}

void TMainForm::DrawVerticalCursor(QPainter& Canvas) {
  const int m = int(Play->Game().Puzzle.VerticalClues.size());
  const int s = VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), m);
  const int i = KeyCursor.Vertical;
  if (!KeyCursorShows(TKeyPane::Vertical) || i < 0 || i >= m || s <= 0) return;
  CursorRing(Canvas, QRect(VerticalClueLeft(i, s), 10, s, 3 * s));
}
