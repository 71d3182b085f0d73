#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A small JSON writer for the page's bridge: values are appended in order,
// the caller writes the brackets and commas it needs.
namespace json {

inline void Text(std::string& out, std::string_view text) {
  static constexpr char Hex[] = "0123456789abcdef";
  out += '"';
  for (const char ch : text) {
    const auto u = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          out += "\\u00";
          out += Hex[u >> 4];
          out += Hex[u & 15];
        } else {
          out += ch;
        }
    }
  }
  out += '"';
}

inline void Key(std::string& out, std::string_view key) {
  if (!out.empty() && out.back() != '{' && out.back() != '[') out += ',';
  Text(out, key);
  out += ':';
}

inline void Field(std::string& out, std::string_view key, long long value) {
  Key(out, key);
  out += std::to_string(value);
}
inline void Field(std::string& out, std::string_view key, int value) {
  Field(out, key, static_cast<long long>(value));
}
inline void Field(std::string& out, std::string_view key, bool value) {
  Key(out, key);
  out += value ? "true" : "false";
}
inline void Field(std::string& out, std::string_view key, std::string_view value) {
  Key(out, key);
  Text(out, value);
}
inline void Field(std::string& out, std::string_view key, const char* value) {
  Key(out, key);
  if (value)
    Text(out, value);
  else
    out += "null";
}

// A comma before the next element of an array, unless it is the first.
inline void Next(std::string& out) {
  if (!out.empty() && out.back() != '[' && out.back() != '{' && out.back() != ':') out += ',';
}

inline void Ints(std::string& out, const std::vector<int>& values) {
  out += '[';
  for (const int value : values) {
    Next(out);
    out += std::to_string(value);
  }
  out += ']';
}

}  // namespace json
