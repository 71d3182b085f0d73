// The puzzle tool's --batch input, line by line: each line is blank, a valid
// request, or refused with a reason that echoes it safely.
#include "FuzzCheck.h"
#include "PuzzleTool.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::string line;
  while (std::getline(in, line)) {
    TPuzzleRequest request;
    std::string why;
    switch (ParseBatchLine(line, request, why)) {
      case TBatchLine::Blank:
        FUZZ_CHECK(line.find_first_not_of(" \t\r\v\f") == std::string::npos);
        break;
      case TBatchLine::Request:
        FUZZ_CHECK(why.empty() && CheckRequest(request).empty());
        break;
      case TBatchLine::Bad:
        FUZZ_CHECK(!why.empty() && why.size() <= 120);
        for (const char c : why) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
        break;
    }
  }
  return 0;
}
