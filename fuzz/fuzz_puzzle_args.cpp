// The puzzle tool's command line: the input is the arguments, separated by
// NUL bytes. Parsing must give a valid request or one line of reason that
// quotes no control byte and no long text.
#include "FuzzCheck.h"
#include "PuzzleTool.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

bool OneSafeLine(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) == 0x7f) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\0', start);
    if (end == std::string::npos) end = input.size();
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }

  TPuzzleToolOptions options;
  const std::string why = ParsePuzzleArgs(args, options);
  FUZZ_CHECK(OneSafeLine(why));
  // The longest message is a fixed text with one echo of at most 80 characters.
  FUZZ_CHECK(why.size() <= 140);
  if (why.empty() && !options.Help && !options.Version && !options.Batch)
    FUZZ_CHECK(CheckRequest(options.Request).empty());

  const std::string echo = EchoText(input);
  FUZZ_CHECK(echo.size() <= 80 && OneSafeLine(echo));
  // Nothing is dropped silently: a cut echo says so.
  FUZZ_CHECK(echo.ends_with("...") || echo.size() >= input.size());
  return 0;
}
