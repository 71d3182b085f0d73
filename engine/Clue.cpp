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
    : type_(type), c_{c1, c2, c3, c4, c5, c6} {
  Normalize();
}

void TClue::Normalize() {
  const TClueKind* kind = ClueKindOf(type_);
  if (!kind || !kind->SortedRows) return;
  // The rows follow the column in c1; a few compare-and-swaps sort them.
  for (int i = 1; i < kind->Tiles; ++i)
    for (int j = i + 1; j <= kind->Tiles; ++j)
      if (c_[i] > c_[j]) std::swap(c_[i], c_[j]);
}

bool TClue::IsVertical() const {
  const TClueKind* kind = ClueKindOf(type_);
  return kind && kind->Family == TClueFamily::Vertical;
}

int TClue::Coord(int k) const {
  return k >= 1 && k <= 6 ? c_[k - 1] : 0;
}

int TClue::TileCount() const {
  const TClueKind* kind = ClueKindOf(type_);
  return kind ? kind->Tiles : 0;
}

TBoardPos TClue::Tile(int k) const {
  const TClueKind* kind = ClueKindOf(type_);
  if (!kind || k < 1 || k > kind->Tiles) return {0, 0};
  if (kind->Family == TClueFamily::Vertical) return {c_[0], c_[k]};
  return {c_[k - 1], c_[kind->Tiles + k - 1]};
}
