// Keyboard play: the cursor over the board's candidate cells and over the
// clues. Every key acts through the very handler the mouse uses, at the
// middle of the cell or clue under the cursor, so the outcomes are the
// mouse's own (mis-clicks included).
#include "KeyboardPlay.h"

#include "MainForm.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <cstdlib>

namespace {

bool LiveCell(const TPuzzle& puzzle, int gc, int gr, int X, int Y) {
  const int n = puzzle.Size();
  if (X < 0 || Y < 0 || X >= n * gc || Y >= n * gr) return false;
  const int q = (Y % gr) * gc + X % gc + 1;
  return q <= n && !puzzle.Square(X / gc + 1, Y / gr + 1).IsSolved();
}

void Place(TKeyCursor& cursor, int gc, int gr, int X, int Y) {
  cursor.c = X / gc + 1;
  cursor.r = Y / gr + 1;
  cursor.q = (Y % gr) * gc + X % gc + 1;
}

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

bool StepBoardCursor(const TPuzzle& puzzle, TKeyCursor& cursor, int dx, int dy) {
  const int n = puzzle.Size();
  int gc = 1, gr = 1;
  CandidateGrid(n, gc, gr);
  const int width = n * gc, height = n * gr;
  const int X = (cursor.c - 1) * gc + (cursor.q - 1) % gc;
  const int Y = (cursor.r - 1) * gr + (cursor.q - 1) / gc;
  if (dx) {
    // Along the cells in reading order, so every live cell can be reached.
    for (int at = Y * width + X + dx; at >= 0 && at < width * height; at += dx)
      if (LiveCell(puzzle, gc, gr, at % width, at / width)) {
        Place(cursor, gc, gr, at % width, at / width);
        return true;
      }
    return false;
  }
  // The next row of cells that has a live one, at the nearest column.
  for (int Y2 = Y + dy; dy && Y2 >= 0 && Y2 < height; Y2 += dy) {
    int best = -1;
    for (int X2 = 0; X2 < width; ++X2)
      if (LiveCell(puzzle, gc, gr, X2, Y2) && (best < 0 || std::abs(X2 - X) < std::abs(best - X))) best = X2;
    if (best >= 0) {
      Place(cursor, gc, gr, best, Y2);
      return true;
    }
  }
  return false;
}

void KeepBoardCursorOnBoard(const TPuzzle& puzzle, TKeyCursor& cursor) {
  // The first live cell in reading order from where the cursor stands.
  const int n = puzzle.Size();
  int gc = 1, gr = 1;
  CandidateGrid(n, gc, gr);
  if (cursor.c < 1 || cursor.c > n || cursor.r < 1 || cursor.r > n || cursor.q < 1 || cursor.q > n) {
    cursor.c = cursor.r = cursor.q = 1;
  }
  const int X0 = (cursor.c - 1) * gc + (cursor.q - 1) % gc;
  const int Y0 = (cursor.r - 1) * gr + (cursor.q - 1) / gc;
  const int width = n * gc, count = width * n * gr;
  for (int k = 0; k < count; ++k) {
    const int at = (Y0 * width + X0 + k) % count;
    if (LiveCell(puzzle, gc, gr, at % width, at / width)) {
      Place(cursor, gc, gr, at % width, at / width);
      return;
    }
  }
}

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
  KeepBoardCursorOnBoard(Game.Puzzle, KeyCursor);
  const int n = int(Game.Puzzle.HorizontalClues.size()), m = int(Game.Puzzle.VerticalClues.size());
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
  if (!KeyCursorOnBoard()) KeepBoardCursorOnBoard(Game.Puzzle, KeyCursor);
  if (dx || dy) {
    StepBoardCursor(Game.Puzzle, KeyCursor, dx, dy);
    ExplainKeyCursor();
    return;
  }
  const QPoint at = BoardCursorPoint();
  // The very press a mouse would make at the cell's middle; a window too
  // small to show the cell has nothing there to press.
  const TBoardHit hit = HitTest(BoardLayout(), at.x(), at.y());
  if (hit.Cell && hit.c == KeyCursor.c && hit.r == KeyCursor.r && hit.q == KeyCursor.q)
    PaintBox1MouseDown(remove ? Qt::RightButton : Qt::LeftButton, at.x(), at.y());
}

void TMainForm::ClueKeyDown(TKeyPane Pane, int step, bool press) {
  const bool horizontal = Pane == TKeyPane::Horizontal;
  const int n = int((horizontal ? Game.Puzzle.HorizontalClues : Game.Puzzle.VerticalClues).size());
  int& i = horizontal ? KeyCursor.Horizontal : KeyCursor.Vertical;
  if (i + step >= 0 && i + step < n) i += step;
  i = std::clamp(i, 0, std::max(0, n - 1));
  if (!press) {
    ExplainKeyCursor();
    return;
  }
  if (n <= 0) return;
  if (horizontal) {
    const int s = HorizontalLayout().s;
    if (s > 0)
      HorizontalPaintBoxMouseDown(Qt::LeftButton, HorizontalClueLeft(i, s) + 3 * s / 2,
                                  HorizontalClueTop(i, s) + s / 2);
  } else {
    const int s = VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), n);
    if (s > 0) VerticalPaintBoxMouseDown(VerticalClueLeft(i, s) + s / 2, 10 + s / 2);
  }
}

void TMainForm::ExplainKeyCursor() {
  // What resting the pointer there would show: the hint and the zoom boxes.
  switch (KeyCursor.Pane) {
    case TKeyPane::Board: {
      if (!KeyCursorOnBoard()) return;
      const QPoint at = BoardCursorPoint();
      PaintBox1MouseMove(at.x(), at.y());
      break;
    }
    case TKeyPane::Horizontal: {
      const int n = int(Game.Puzzle.HorizontalClues.size());
      const int s = HorizontalLayout().s;
      const int i = KeyCursor.Horizontal;
      if (i >= 0 && i < n && s > 0)
        HorizontalPaintBoxMouseMove(HorizontalClueLeft(i, s) + 3 * s / 2, HorizontalClueTop(i, s) + s / 2);
      break;
    }
    case TKeyPane::Vertical: {
      const int m = int(Game.Puzzle.VerticalClues.size());
      const int s = VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), m);
      const int i = KeyCursor.Vertical;
      if (i >= 0 && i < m && s > 0) VerticalPaintBoxMouseMove(VerticalClueLeft(i, s) + s / 2, 10 + s / 2);
      break;
    }
  }
}

bool TMainForm::KeyCursorShows(TKeyPane Pane) const {
  // Nothing to point at on a paused, finished or animated board.
  return KeyCursor.Active && KeyCursor.Pane == Pane && Game.BoardReady() && !Game.Paused() &&
         !Game.Finished() && !WinTimer->isActive();
}

void TMainForm::DrawBoardCursor(QPainter& Canvas) {
  if (!KeyCursorShows(TKeyPane::Board)) return;
  const TBoardLayout L = BoardLayout();
  if (L.W <= 0 || L.H <= 0 || KeyCursor.c > N() || KeyCursor.r > N() || KeyCursor.q > N()) return;
  // A solved square has no cells left: the ring goes round the square.
  if (Game.Puzzle.Square(KeyCursor.c, KeyCursor.r).IsSolved()) {
    CursorRing(Canvas, QRect(L.X0(KeyCursor.c), L.Y0(KeyCursor.r), L.W, L.H));
    return;
  }
  CursorRing(Canvas, QRect(L.X0(KeyCursor.c) + ((KeyCursor.q - 1) % L.gc) * L.cw,
                           L.Y0(KeyCursor.r) + ((KeyCursor.q - 1) / L.gc) * L.ch, L.cw, L.ch));
}

void TMainForm::DrawHorizontalCursor(QPainter& Canvas) {
  const int n = int(Game.Puzzle.HorizontalClues.size());
  const int s = HorizontalLayout().s;
  const int i = KeyCursor.Horizontal;
  if (!KeyCursorShows(TKeyPane::Horizontal) || i < 0 || i >= n || s <= 0) return;
  CursorRing(Canvas, QRect(HorizontalClueLeft(i, s), HorizontalClueTop(i, s), 3 * s, s));
}

void TMainForm::DrawVerticalCursor(QPainter& Canvas) {
  const int m = int(Game.Puzzle.VerticalClues.size());
  const int s = VerticalTileSize(VerticalPaintBox->width(), VerticalPaintBox->height(), m);
  const int i = KeyCursor.Vertical;
  if (!KeyCursorShows(TKeyPane::Vertical) || i < 0 || i >= m || s <= 0) return;
  CursorRing(Canvas, QRect(VerticalClueLeft(i, s), 10, s, 3 * s));
}
