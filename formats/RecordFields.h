#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The stored formats' one-line records: key=value fields, each followed by a
// separator ("~" between the fields of a line, "/" between the entries of a
// list field).

// The value of the field `key` in a record of key=value fields, each followed
// by separator: the first place where key and "=" stand at the start of the
// text or right after a separator; the value runs to the next separator or
// the end. std::nullopt when no field has the key. It reads UTF-8 bytes: a
// separator or "=" is never a part of another character.
std::optional<std::string_view> ReadField(std::string_view text, std::string_view key, char separator);

// Plain decimal with an optional sign that fits 32 bits; blanks, "0x10",
// "1.5" or an empty text are no whole number.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);
