#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Marks a text of the stored formats for the translators' tools, which read
// the context and the text from the call; this library has no translation
// library of its own, so the text stays as it is. FORMATS_TR_N_NOOP marks a
// text with %n, translated in the numerus form of its count.
#define FORMATS_TR_NOOP(context, text) text
#define FORMATS_TR_N_NOOP(context, text) text

struct TFormatMessage;

// One value of a message's %1, %2, ...: text as it stands (UTF-8, such as a
// field's value from a file: never translated), a whole number, or a message
// that is translated in its turn.
// (The constructors follow TFormatMessage, which a message value needs whole.)
struct TFormatArg {
  TFormatArg(std::string text);
  TFormatArg(const char* text);
  TFormatArg(long long number);
  TFormatArg(int number);
  TFormatArg(TFormatMessage message);

  bool IsNumber = false;
  long long Number = 0;
  std::string Text;
  std::vector<TFormatMessage> Message;  // one entry when the value is a message

  bool IsMessage() const { return !Message.empty(); }
};

// A message of the readers as a template and its values, for a front end to
// translate: QCoreApplication::translate(Context, Source) (with Count as n
// where it is set), then each value put in for the lowest %1, %2, ... left,
// in order, as QString::arg does. Source is English; EnglishText gives it
// without a translation.
struct TFormatMessage {
  const char* Context = nullptr;
  const char* Source = nullptr;  // nullptr: no message
  std::optional<int> Count;      // the n of a numerus form (%n)
  std::vector<TFormatArg> Args;

  bool empty() const { return Source == nullptr; }
};

inline TFormatArg::TFormatArg(std::string text) : Text(std::move(text)) {}
inline TFormatArg::TFormatArg(const char* text) : Text(text) {}
inline TFormatArg::TFormatArg(long long number) : IsNumber(true), Number(number) {}
inline TFormatArg::TFormatArg(int number) : IsNumber(true), Number(number) {}
inline TFormatArg::TFormatArg(TFormatMessage message) : Message{std::move(message)} {}

// The outcome of a reader: an empty Error means it worked.
struct [[nodiscard]] TFormatResult {
  TFormatMessage Error;

  bool Ok() const { return Error.empty(); }
  explicit operator bool() const { return Ok(); }
};

// Puts the values into a template (an English source or its translation):
// each value replaces every occurrence of the lowest-numbered %1..%99 left,
// and %n stands for count.
std::string FillTemplate(std::string text, const std::vector<std::string>& values,
                         std::optional<int> count = std::nullopt);

// The message in English, its messages within filled in first.
std::string EnglishText(const TFormatMessage& message);

// The board sizes as a list in words, "4, 5, 6, 8, 9 or 10" in English.
TFormatMessage BoardSizeListMessage();
