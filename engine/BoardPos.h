#pragma once

// A board position (column, row), both counted from 1.
struct TBoardPos {
  int c = 1;
  int r = 1;
  friend bool operator==(const TBoardPos&, const TBoardPos&) = default;
};
