#include "RecordFields.h"

#include <charconv>

std::optional<std::string_view> ReadField(std::string_view text, std::string_view key, char separator) {
  for (std::size_t field = 0; field <= text.size();) {
    std::size_t next = text.find(separator, field);
    if (next == std::string_view::npos) next = text.size();
    if (next - field > key.size() && text[field + key.size()] == '=' && text.substr(field, key.size()) == key)
      return text.substr(field + key.size() + 1, next - field - key.size() - 1);
    field = next + 1;
  }
  return std::nullopt;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}
