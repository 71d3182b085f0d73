#include "Clue.h"

#include <utility>

const TClueKind* ClueKindOf(TClueType type) {
  for (const TClueKind& kind : ClueKinds)
    if (kind.Type == type) return &kind;
  return nullptr;
}

std::string_view ClueTypeName(TClueType type) {
  const TClueKind* kind = ClueKindOf(type);
  return kind ? kind->Name : std::string_view();
}

bool ClueTypeFromName(std::string_view name, TClueType& type) {
  for (const TClueKind& kind : ClueKinds) {
    if (kind.Name == name) {
      type = kind.Type;
      return true;
    }
  }
  return false;
}

TClue::TClue(TClueType type, int c1, int c2, int c3, int c4, int c5, int c6)
    : Type(type), Coords{c1, c2, c3, c4, c5, c6} {
  Normalize();
}

void TClue::Normalize() {
  const TClueKind* kind = ClueKindOf(Type);
  if (!kind || !kind->SortedRows) return;
  // The rows follow the column in c1; a few compare-and-swaps sort them.
  for (int i = 1; i < kind->Tiles; ++i)
    for (int j = i + 1; j <= kind->Tiles; ++j)
      if (Coords[i] > Coords[j]) std::swap(Coords[i], Coords[j]);
}

bool TClue::IsVertical() const {
  const TClueKind* kind = ClueKindOf(Type);
  return kind && kind->Family == TClueFamily::Vertical;
}

int TClue::Coord(int k) const {
  return k >= 1 && k <= 6 ? Coords[k - 1] : 0;
}

int TClue::TileCount() const {
  const TClueKind* kind = ClueKindOf(Type);
  return kind ? kind->Tiles : 0;
}

TBoardPos TClue::Tile(int k) const {
  const TClueKind* kind = ClueKindOf(Type);
  if (!kind || k < 1 || k > kind->Tiles) return {0, 0};
  if (kind->Family == TClueFamily::Vertical) return {Coords[0], Coords[k]};
  return {Coords[k - 1], Coords[kind->Tiles + k - 1]};
}

bool ClueHolds(const TClue& clue) {
  const auto apart = [](int a, int b) { return a > b ? a - b : b - a; };
  switch (clue.type()) {
    case TClueType::clSameColumn:
    case TClueType::clTwoInSameColumn:
      return true;  // all its squares lie in column c1
    case TClueType::clNotInSameColumn:
      return false;  // ...and so do these, which it says do not
    case TClueType::clAdjacent:
      return apart(clue.c1(), clue.c2()) == 1;
    case TClueType::clNotAdjacent:
      return apart(clue.c1(), clue.c2()) != 1;
    case TClueType::clLeftOf:
      return clue.c1() < clue.c2();
    case TClueType::clTwoAdjacent:
      return clue.c1() != clue.c2() && apart(clue.c1(), clue.c3()) == 1 && apart(clue.c2(), clue.c3()) == 1;
    case TClueType::clTwoAdjacentExclude:
      return apart(clue.c1(), clue.c2()) == 2 && 2 * clue.c3() != clue.c1() + clue.c2();
  }
  return false;
}
