#include "Clue.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::string_view, 9> TypeNames = {
    "",
    "clTwoAdjacent",
    "clSameColumn",
    "clAdjacent",
    "clNotAdjacent",
    "clTwoInSameColumn",
    "clTwoAdjacentExclude",
    "clLeftOf",
    "clNotInSameColumn",
};
}

std::string_view ClueTypeName(TClueType type) {
  const auto v = static_cast<unsigned>(type);
  return v < TypeNames.size() ? TypeNames[v] : std::string_view();
}

bool ClueTypeFromName(std::string_view name, TClueType& type) {
  for (unsigned v = 1; v < TypeNames.size(); ++v) {
    if (TypeNames[v] == name) {
      type = static_cast<TClueType>(v);
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
  auto order = [this](int i, int j) {
    if (c_[i] > c_[j]) std::swap(c_[i], c_[j]);
  };
  switch (type_) {
    case TClueType::clSameColumn:
      order(1, 2);
      break;
    case TClueType::clTwoInSameColumn:
      order(1, 2);
      order(1, 3);
      order(2, 3);
      break;
    default:
      break;
  }
}

bool TClue::IsVertical() const {
  return type_ == TClueType::clSameColumn || type_ == TClueType::clTwoInSameColumn ||
         type_ == TClueType::clNotInSameColumn;
}

int TClue::Coord(int k) const {
  return k >= 1 && k <= 6 ? c_[k - 1] : 0;
}
