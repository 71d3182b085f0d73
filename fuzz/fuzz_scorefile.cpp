// The score file holds every player's results and may be edited or damaged:
// each line is read or refused with a message, and a line that is read is
// written back to a line that reads the same.
#include "FuzzCheck.h"
#include "ScoreLine.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Lines as the score table splits them: at LF, a CR before it dropped.
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    const std::string_view line = text.substr(start, end - start);
    start = next;

    TScoreLine entry;
    if (const TFormatResult read = ParseScoreLine(line, entry); !read) {
      FUZZ_CHECK(!EnglishText(read.Error).empty());
      continue;
    }
    std::string written;
    AppendScoreLine(written, entry);
    FUZZ_CHECK(written.size() >= 2 && written.compare(written.size() - 2, 2, "\r\n") == 0);
    written.resize(written.size() - 2);
    TScoreLine again;
    FUZZ_CHECK(ParseScoreLine(written, again).Ok());
    FUZZ_CHECK(again == entry);
  }
  return 0;
}
