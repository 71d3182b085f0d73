#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The eight kinds of clue; the numbers are what a clue holds and what the
// puzzle tool prints.
enum class TClueType : std::uint8_t {
  clTwoAdjacent = 1,
  clSameColumn = 2,
  clAdjacent = 3,
  clNotAdjacent = 4,
  clTwoInSameColumn = 5,
  clTwoAdjacentExclude = 6,
  clLeftOf = 7,
  clNotInSameColumn = 8,
};

// The name a saved game writes for the type ("clLeftOf", ...); empty for a
// value outside 1..8.
std::string_view ClueTypeName(TClueType type);
// The type with that name, matched exactly; false when there is none.
bool ClueTypeFromName(std::string_view name, TClueType& type);

// A true statement about the hidden solution. Tiles are named by the
// (column, row) of their solution squares; the meaning of c1..c6 depends on
// the type (vertical kinds: c1 the column, c2.. the rows; horizontal kinds:
// the columns first, then the matching rows).
class TClue {
 public:
  TClue(TClueType type, int c1, int c2, int c3, int c4, int c5, int c6);

  TClueType type() const { return type_; }
  bool IsVertical() const;
  int Coord(int k) const;

  bool shown() const { return shown_; }
  void setShown(bool v) { shown_ = v; }
  bool used() const { return used_; }
  void setUsed(bool v) { used_ = v; }

  int c1() const { return c_[0]; }
  int c2() const { return c_[1]; }
  int c3() const { return c_[2]; }
  int c4() const { return c_[3]; }
  int c5() const { return c_[4]; }
  int c6() const { return c_[5]; }

  friend bool operator==(const TClue& a, const TClue& b) {
    return a.type_ == b.type_ && a.c_[0] == b.c_[0] && a.c_[1] == b.c_[1] && a.c_[2] == b.c_[2] &&
           a.c_[3] == b.c_[3] && a.c_[4] == b.c_[4] && a.c_[5] == b.c_[5];
  }

 private:
  // Column clues keep their rows in ascending order, so equal clues compare
  // equal and merging can take unions by value.
  void Normalize();

  TClueType type_;
  bool shown_ = true;
  bool used_ = false;
  std::int32_t c_[6];
};

// An ordered clue list: display order, the order the deduction engine tries
// clues, and the saved order.
using TClueList = std::vector<TClue>;
