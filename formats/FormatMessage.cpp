#include "FormatMessage.h"

#include "GameFacts.h"

#include <string_view>

namespace {

// The number of the placeholder at text[at] ("%7", "%12"), 0 for none.
int PlaceholderAt(std::string_view text, std::size_t at, std::size_t& length) {
  if (text[at] != '%' || at + 1 >= text.size()) return 0;
  const auto digit = [&text](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  if (!digit(at + 1) || text[at + 1] == '0') return 0;
  int number = text[at + 1] - '0';
  length = 2;
  if (digit(at + 2)) {
    number = number * 10 + (text[at + 2] - '0');
    length = 3;
  }
  return number;
}

}  // namespace

std::string FillTemplate(std::string text, const std::vector<std::string>& values, std::optional<int> count) {
  if (count) {
    const std::string n = std::to_string(*count);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + n.size()))
      text.replace(at, 2, n);
  }
  for (const std::string& value : values) {
    // The lowest placeholder left, as QString::arg finds it.
    int lowest = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
      std::size_t length = 0;
      const int number = PlaceholderAt(text, at, length);
      if (number > 0 && (lowest == 0 || number < lowest)) lowest = number;
    }
    if (lowest == 0) break;
    std::string filled;
    for (std::size_t at = 0; at < text.size();) {
      std::size_t length = 0;
      if (PlaceholderAt(text, at, length) == lowest) {
        filled += value;
        at += length;
      } else {
        filled += text[at++];
      }
    }
    text = std::move(filled);
  }
  return text;
}

std::string EnglishText(const TFormatMessage& message) {
  if (message.empty()) return {};
  std::vector<std::string> values;
  values.reserve(message.Args.size());
  for (const TFormatArg& arg : message.Args)
    values.push_back(arg.IsMessage() ? EnglishText(arg.Message.front())
                     : arg.IsNumber  ? std::to_string(arg.Number)
                                     : arg.Text);
  return FillTemplate(message.Source, values, message.Count);
}

TFormatMessage BoardSizeListMessage() {
  std::string sizes;
  for (std::size_t i = 0; i + 1 < BoardSizes.size(); ++i) {
    if (i > 0) sizes += ", ";
    sizes += std::to_string(BoardSizes[i].N);
  }
  //: The board sizes: %1 all but the last, as "4, 5, 6, 8, 9", and %2 the last, as "10"
  return {"BoardSizes",
          FORMATS_TR_NOOP("BoardSizes", "%1 or %2"),
          std::nullopt,
          {std::move(sizes), BoardSizes.back().N}};
}
