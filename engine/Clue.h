#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "BoardPos.h"
#include "ClueText.h"

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

// Vertical clues speak of one column and sit in the panel below the board;
// horizontal clues speak of neighbouring or ordered columns.
enum class TClueFamily : std::uint8_t { Horizontal, Vertical };

// One kind of clue: everything about it but how the deduction engine and the
// generator use it, and how the clue panels draw it. A clue names its tiles
// by the (column, row) of their solution squares in c1..c6: a vertical kind's
// tile k is (c1, c(k+1)); a horizontal kind of t tiles has tile k at
// (ck, c(t+k)).
//
// Sentences are whole templates in English, %1, %2, ... standing for the
// tiles in the clue's order, so a translation can place them as its grammar
// needs (a context and the source text for QCoreApplication::translate).
struct TClueKind {
  TClueType Type;
  std::string_view Name;  // what a saved game writes
  TClueFamily Family;
  int Tiles;
  // The tiles' order says nothing, so a clue keeps their rows ascending and
  // equal clues compare equal.
  bool SortedRows;
  const char* Text;      // the puzzle tool's sentence, tiles as "row r tile t"
  const char* Hint;      // the hint pane's sentence, tiles as pictures; nullptr: none
  const char* StepHint;  // the same while a deduction step is explained
};

inline constexpr std::array<TClueKind, 8> ClueKinds{{
    {TClueType::clTwoAdjacent, "clTwoAdjacent", TClueFamily::Horizontal, 3, false,
     "%3 is directly between %1 and %2.",
     //: In the hint pane; %1, %2 and %3 are the tiles' pictures.
     ENGINE_TR_NOOP("Hints",
                    "The %3 is directly between the %1 and the %2 (the outer two tiles may be swapped over)"),
     // A step goes on to the tile it removed instead of the note.
     ENGINE_TR_NOOP("Hints", "The %3 is directly between the %1 and the %2")},
    {TClueType::clSameColumn, "clSameColumn", TClueFamily::Vertical, 2, true,
     "%1 and %2 are in the same column.",
     ENGINE_TR_NOOP("Hints", "The %1 and the %2 are both in the same column"),
     ENGINE_TR_NOOP("Hints", "The %1 and the %2 are both in the same column")},
    {TClueType::clAdjacent, "clAdjacent", TClueFamily::Horizontal, 2, false, "%1 is next to %2.", nullptr,
     nullptr},
    {TClueType::clNotAdjacent, "clNotAdjacent", TClueFamily::Horizontal, 2, false, "%1 is not next to %2.",
     ENGINE_TR_NOOP("Hints", "The %1 is not directly next to %2"),
     ENGINE_TR_NOOP("Hints", "The %1 is not directly next to %2")},
    {TClueType::clTwoInSameColumn, "clTwoInSameColumn", TClueFamily::Vertical, 3, true,
     "%1, %2 and %3 are in the same column.",
     ENGINE_TR_NOOP("Hints", "The %1 and the %2 and the %3 are all in the same column"),
     ENGINE_TR_NOOP("Hints", "The %1 and the %2 and the %3 are all in the same column")},
    {TClueType::clTwoAdjacentExclude, "clTwoAdjacentExclude", TClueFamily::Horizontal, 3, false,
     "%1 and %2 are on either side of a column, %3 not between them.", nullptr, nullptr},
    {TClueType::clLeftOf, "clLeftOf", TClueFamily::Horizontal, 2, false, "%1 is somewhere left of %2.",
     ENGINE_TR_NOOP("Hints", "The %1 is at least one column to the left of the %2"),
     ENGINE_TR_NOOP("Hints", "The %1 is at least one column to the left of the %2")},
    {TClueType::clNotInSameColumn, "clNotInSameColumn", TClueFamily::Vertical, 2, false,
     "%1 and %2 are not in the same column.", nullptr, nullptr},
}};
// The most tiles a clue names.
inline constexpr int MaxClueTiles = 3;

// The kind's row, nullptr for a value that is no kind.
const TClueKind* ClueKindOf(TClueType type);

// The name a saved game writes for the type ("clLeftOf", ...); empty for a
// value that is no kind.
std::string_view ClueTypeName(TClueType type);
// The type with that name, matched exactly; false when there is none.
bool ClueTypeFromName(std::string_view name, TClueType& type);

// A true statement about the hidden solution, its tiles named as its kind
// says (see TClueKind).
class TClue {
 public:
  TClue(TClueType type, int c1, int c2, int c3, int c4, int c5, int c6);

  TClueType type() const { return Type; }
  bool IsVertical() const;
  int Coord(int k) const;
  // How many tiles it names (0 for a value that is no kind), and tile k of
  // them, 1..TileCount().
  int TileCount() const;
  TBoardPos Tile(int k) const;

  bool shown() const { return Shown; }
  void setShown(bool v) { Shown = v; }
  bool used() const { return Used; }
  void setUsed(bool v) { Used = v; }

  int c1() const { return Coords[0]; }
  int c2() const { return Coords[1]; }
  int c3() const { return Coords[2]; }
  int c4() const { return Coords[3]; }
  int c5() const { return Coords[4]; }
  int c6() const { return Coords[5]; }

  friend bool operator==(const TClue& a, const TClue& b) {
    return a.Type == b.Type && a.Coords[0] == b.Coords[0] && a.Coords[1] == b.Coords[1] &&
           a.Coords[2] == b.Coords[2] && a.Coords[3] == b.Coords[3] && a.Coords[4] == b.Coords[4] &&
           a.Coords[5] == b.Coords[5];
  }

 private:
  // Kinds with SortedRows keep their rows in ascending order, so equal clues
  // compare equal and merging can take unions by value.
  void Normalize();

  TClueType Type;
  bool Shown = true;
  bool Used = false;
  std::int32_t Coords[6];
};

// An ordered clue list: display order, the order the deduction engine tries
// clues, and the saved order.
using TClueList = std::vector<TClue>;

// Whether a clue that fits the board is true: its coordinates name the
// squares where its tiles stand in the solution, so its truth is a matter of
// those columns. The deduction rules remove whatever a false clue rules out,
// the solution's own tiles included. A value that is no kind never holds.
bool ClueHolds(const TClue& clue);
