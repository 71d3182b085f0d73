#pragma once

#include "Puzzle.h"

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
// Puts a cursor left from another board size (back to the first cell) or on
// a solved square on the first live cell from where it stands, in reading
// order; unmoved when the board has none.
void KeepBoardCursorOnBoard(const TPuzzle& puzzle, TKeyCursor& cursor);
