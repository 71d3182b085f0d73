#include "ScoreLine.h"

#include "RecordFields.h"

#include <charconv>
#include <utility>

namespace {

constexpr char Separator = '~';
constexpr char Context[] = "Scores";

}  // namespace

TFormatResult ParseScoreLine(std::string_view line, TScoreLine& entry) {
  TScoreLine read;
  static constexpr std::pair<std::string_view, std::int32_t TScoreLine::*> numbers[] = {
      {"number", &TScoreLine::Number}, {"size", &TScoreLine::Size},   {"time", &TScoreLine::Time},
      {"errors", &TScoreLine::Errors}, {"clues", &TScoreLine::Clues}, {"difficulty", &TScoreLine::Difficulty},
      {"score", &TScoreLine::Score},
  };
  for (const auto& [key, field] : numbers) {
    const std::optional<std::string_view> text = ReadField(line, key, Separator);
    if (!text)
      return {{Context,
               FORMATS_TR_NOOP("Scores", "the field \"%1\" is missing"),
               std::nullopt,
               {std::string(key)}}};
    const std::optional<std::int32_t> value = ParseWholeNumber(*text);
    if (!value) {
      // A byte order mark before the value is not shown.
      std::string_view shown = *text;
      if (shown.substr(0, 3) == "\xEF\xBB\xBF") shown.remove_prefix(3);
      return {{Context,
               FORMATS_TR_NOOP("Scores", "'%1' is not a valid integer value"),
               std::nullopt,
               {std::string(shown)}}};
    }
    read.*field = *value;
  }
  const std::optional<std::string_view> player = ReadField(line, "player", Separator);
  if (!player)
    return {{Context, FORMATS_TR_NOOP("Scores", "the field \"player\" is missing"), std::nullopt, {}}};
  read.Player = *player;
  entry = std::move(read);
  return {};
}

void AppendScoreLine(std::string& out, const TScoreLine& entry) {
  char digits[12];
  auto number = [&out, &digits](std::string_view key, std::int32_t value) {
    out += key;
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  };
  out += "player=";
  out += entry.Player;
  number("~number=", entry.Number);
  number("~size=", entry.Size);
  number("~time=", entry.Time);
  number("~errors=", entry.Errors);
  number("~clues=", entry.Clues);
  number("~difficulty=", entry.Difficulty);
  number("~score=", entry.Score);
  out += "~\r\n";
}
