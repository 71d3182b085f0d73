#pragma once

#include "Puzzle.h"

#include <vector>

// Where the keyboard cursor of each pane stands. It shows only in the pane
// that takes the keys, and only after a key was used there: a player who
// plays with the mouse never sees it.
enum class TKeyPane { Board, Horizontal, Vertical };

struct TKeyCursor {
  bool Active = false;  // keys are in use (a press on a pane puts them away)
  TKeyPane Pane = TKeyPane::Board;
  int c = 1, r = 1, q = 1;  // the board: tile q's cell of square (c, r)
  int Horizontal = 0;       // the clue picked in each panel
  int Vertical = 0;
};

// The board's candidate cells form one grid of N x gc columns and N x gr
// rows. A cell is live while its square is unsolved and its tile is one of
// the N (a 5 x 5 square has an empty sixth cell). Left and right (dx -1 or
// 1) move to the previous or next live cell in reading order, up and down
// (dy) to the nearest row of cells above or below that has a live cell, at
// its live cell nearest in column. False, unmoved, when there is none.
bool StepBoardCursor(const TPuzzle& puzzle, TKeyCursor& cursor, int dx, int dy);
// The arrows: on to the next square left, right, up or down (dx or dy -1
// or 1), solved squares included, keeping the cursor's cell; false, unmoved,
// at the board's edge.
bool StepBoardSquare(const TPuzzle& puzzle, TKeyCursor& cursor, int dx, int dy);
// Straight to square (c, r), keeping the cell: a key jumps to a column or a
// row. False, unmoved, for a square off the board.
bool MoveBoardCursorTo(const TPuzzle& puzzle, TKeyCursor& cursor, int c, int r);
// Onto tile q's cell of the cursor's square, without walking the cells
// between. False, unmoved, on a solved square or for a tile the row lacks.
bool ChooseCandidate(const TPuzzle& puzzle, TKeyCursor& cursor, int q);
// Whether the board's cursor names a cell of this board.
bool BoardCursorOnBoard(const TPuzzle& puzzle, const TKeyCursor& cursor);
// Puts a cursor left from another board size back on the first cell; one on
// the board stays where it is.
void KeepBoardCursorOnBoard(const TPuzzle& puzzle, TKeyCursor& cursor);
// Onto tile q's cell of square (c, r), where a press of the mouse landed, for
// the next key. False, unmoved, for a cell off the board.
bool PutBoardCursorOn(const TPuzzle& puzzle, TKeyCursor& cursor, int c, int r, int q);
// The keys are in use in a pane: the cursor shows there, on the board and on
// a clue of each panel.
void ShowKeyCursor(const TPuzzle& puzzle, TKeyCursor& cursor, TKeyPane pane);
// On to another clue of a panel, step clues on; a step off the list stays.
// False when the clue picked is the same.
bool StepClueCursor(const TPuzzle& puzzle, TKeyCursor& cursor, bool vertical, int step);

// The tile the cursor names: on an unsolved square its cell's tile, on a
// solved one the tile placed there. Row r, tile number t.
struct TTileRef {
  int r = 0, t = 0;
};
TTileRef CursorTile(const TPuzzle& puzzle, const TKeyCursor& cursor);
// The clues that name tile t of row r, hidden ones included, as indices into
// each list in its order.
struct TCluesNaming {
  std::vector<int> Horizontal, Vertical;
};
TCluesNaming CluesNamingTile(const TPuzzle& puzzle, TTileRef tile);
