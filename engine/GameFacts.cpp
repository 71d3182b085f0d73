#include "GameFacts.h"

std::string BoardSizeList(std::string_view lastSeparator) {
  std::string list;
  for (std::size_t i = 0; i < BoardSizes.size(); ++i) {
    if (i > 0) list += i + 1 == BoardSizes.size() ? lastSeparator : std::string_view(", ");
    list += std::to_string(BoardSizes[i].N);
  }
  return list;
}
