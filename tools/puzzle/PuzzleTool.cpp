#include "PuzzleTool.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "ClueText.h"
#include "Puzzle.h"

bool ParseWhole(const std::string& text, long& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first == last) return false;
  auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
}

namespace {

// The explanations a step asks for, as the "explain" array of the JSON form.
class TStepRecorder : public TPuzzleObserver {
 public:
  void ExplainStep(const TDeductionStep& step) override {
    if (!Explained.empty()) Explained += ',';
    Explained += "{\"list\":";
    Explained += step.Rule == TDeductionStep::TRule::Clue ? (step.IsVertical() ? "\"v\"" : "\"h\"") : "null";
    Explained += ",\"index\":" + std::to_string(step.Index) + "}";
  }
  std::string Take() { return std::exchange(Explained, std::string()); }

 private:
  std::string Explained;
};

void AppendClues(std::string& out, const TClueList& list) {
  out += '[';
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TClue& clue = list[i];
    if (i) out += ',';
    out += '[' + std::to_string(static_cast<int>(clue.type()));
    for (int k = 1; k <= 6; ++k) out += ',' + std::to_string(clue.Coord(k));
    out += ']';
  }
  out += ']';
}

const char* Usage =
    "usage: quillmere-puzzle --size N --number K [--difficulty D] [--solution]\n"
    "       quillmere-puzzle --size N --number K [--difficulty D] --json [--steps K]\n"
    "       quillmere-puzzle --batch [--steps K]   (lines \"N K D\" on standard input)\n"
    "       quillmere-puzzle --version\n";

}  // namespace

std::string PuzzleText(const TPuzzle& puzzle, const TPuzzleRequest& request, bool withSolution) {
  const int n = puzzle.Size();
  std::ostringstream out;
  out << "Puzzle No. " << request.Number << ", " << n << " x " << n << ", difficulty " << request.Difficulty
      << "\n";
  out << "Rows 1 to " << n << " are the categories; each row has tiles 1 to " << n
      << ", one in each of the columns 1 to " << n << ".\n";
  auto list = [&](const char* title, const TClueList& clues) {
    out << "\n" << title << " (" << clues.size() << "):\n";
    for (std::size_t i = 0; i < clues.size(); ++i)
      out << "  " << i + 1 << ". " << DescribeClue(puzzle, clues[i]) << "\n";
  };
  list("Horizontal clues", puzzle.HorizontalClues);
  list("Vertical clues", puzzle.VerticalClues);
  if (withSolution) {
    out << "\nSolution (the tile in each column, column 1 first):\n";
    for (int r = 1; r <= n; ++r) {
      out << "  row " << (r < 10 ? " " : "") << r << ":";
      for (int c = 1; c <= n; ++c)
        out << (puzzle.Square(c, r).localindex() < 10 ? "  " : " ") << puzzle.Square(c, r).localindex();
      out << "\n";
    }
  }
  return out.str();
}

std::string PuzzleJson(TPuzzle& puzzle, const TPuzzleRequest& request, int steps) {
  const int n = puzzle.Size();
  std::string out = "{\"size\":" + std::to_string(n) + ",\"number\":" + std::to_string(request.Number) +
                    ",\"difficulty\":" + std::to_string(request.Difficulty) + ",\"solution\":[";
  for (int r = 1; r <= n; ++r) {
    out += r > 1 ? ",[" : "[";
    for (int c = 1; c <= n; ++c) out += (c > 1 ? "," : "") + std::to_string(puzzle.Square(c, r).localindex());
    out += ']';
  }
  out += "],\"hclues\":";
  AppendClues(out, puzzle.HorizontalClues);
  out += ",\"vclues\":";
  AppendClues(out, puzzle.VerticalClues);
  out += ",\"prove_rounds\":" + std::to_string(puzzle.ProveRounds);
  out += ",\"random_state\":" + std::to_string(puzzle.Random.State());

  if (steps > 0) {
    TStepRecorder recorder;
    puzzle.SetObserver(&recorder);
    // Like the hint arrows, the list shown changes only with a step a clue took.
    bool hintVertical = false;
    out += ",\"steps\":[";
    for (int s = 0; s < steps; ++s) {
      const TDeductionStep step = puzzle.Deduce(false, true);
      if (step.Rule == TDeductionStep::TRule::Clue) hintVertical = step.IsVertical();
      const TBoardPos last = step.Square;
      out += s ? ",{" : "{";
      out += "\"explain\":[" + recorder.Take() + "]";
      out += std::string(",\"hint_vertical\":") + (hintVertical ? "true" : "false");
      out += ",\"last_changed\":[" + std::to_string(last.c) + "," + std::to_string(last.r) + "]";
      out += ",\"lastremoved\":" + std::to_string(puzzle.Square(last.c, last.r).lastremoved());
      out += ",\"solved_count\":" + std::to_string(puzzle.SolvedCount) + "}";
    }
    out += ']';
    puzzle.SetObserver(nullptr);
  }
  out += '}';
  return out;
}

std::string RequestRanges() {
  return "N is one of " + BoardSizeList() + "; K is " + std::to_string(MinPuzzleNumber) + ".." +
         std::to_string(MaxPuzzleNumber) + "; D is 0..10 (default 5).\n";
}

std::string CheckRequest(const TPuzzleRequest& request) {
  switch (RequestProblem(request.Size, request.Number, request.Difficulty)) {
    case TRequestProblem::Size:
      return "the size must be one of " + BoardSizeList();
    case TRequestProblem::Number:
      return "the puzzle number must be " + std::to_string(MinPuzzleNumber) + " to " +
             std::to_string(MaxPuzzleNumber);
    case TRequestProblem::Difficulty:
      return "the difficulty must be 0 to 10";
    case TRequestProblem::None:
    case TRequestProblem::Form:
      break;
  }
  return {};
}

namespace {

// "size:number" read as two whole numbers, whatever their range.
bool ReadSizeAndNumber(const std::string& text, TPuzzleRequest& read) {
  const std::size_t colon = text.find(':');
  long size = 0, number = 0;
  if (colon == std::string::npos || !ParseWhole(text.substr(0, colon), size) ||
      !ParseWhole(text.substr(colon + 1), number))
    return false;
  read.Size = static_cast<int>(size == static_cast<int>(size) ? size : 0);
  read.Number = number;
  return true;
}

}  // namespace

TRequestProblem ParseSizeAndNumberProblem(const std::string& text, TPuzzleRequest& request) {
  TPuzzleRequest read;
  if (!ReadSizeAndNumber(text, read)) return TRequestProblem::Form;
  const TRequestProblem problem = RequestProblem(read.Size, read.Number, read.Difficulty);
  if (problem == TRequestProblem::None) request = read;
  return problem;
}

std::string ParseSizeAndNumber(const std::string& text, TPuzzleRequest& request) {
  TPuzzleRequest read;
  if (!ReadSizeAndNumber(text, read))
    return "the puzzle must be given as size:number, such as 6:1234, not \"" + EchoText(text) + "\"";
  if (std::string why = CheckRequest(read); !why.empty()) return why;
  request = read;
  return {};
}

std::string EchoText(const std::string& text) {
  constexpr std::size_t Longest = 80;
  static const char Hex[] = "0123456789abcdef";
  std::string echo;
  std::size_t fits = 0;  // the length to cut back to
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\')
      echo += "\\\\";
    else if (byte < 0x20 || byte > 0x7e)
      echo += {'\\', 'x', Hex[byte >> 4], Hex[byte & 15]};
    else
      echo += c;
    // Pieces are whole escapes, so a cut never splits one.
    if (echo.size() <= Longest - 3) fits = echo.size();
    if (echo.size() > Longest) return echo.substr(0, fits) + "...";
  }
  return echo;
}

std::string ParsePuzzleArgs(const std::vector<std::string>& args, TPuzzleToolOptions& options) {
  options = TPuzzleToolOptions();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--size" || a == "--number" || a == "--difficulty" || a == "--steps") {
      if (i + 1 >= args.size()) return a + " needs a value";
      long v = 0;
      if (!ParseWhole(args[++i], v)) return a + " needs a whole number, not \"" + EchoText(args[i]) + "\"";
      if (a == "--size") {
        options.Request.Size = static_cast<int>(v == static_cast<int>(v) ? v : 0);
        options.HaveSize = true;
      } else if (a == "--number") {
        options.Request.Number = v;
        options.HaveNumber = true;
      } else if (a == "--difficulty") {
        options.Request.Difficulty = v >= 0 && v <= 10 ? static_cast<int>(v) : -1;
      } else {
        options.Steps = v;
      }
    } else if (a == "--json") {
      options.Json = true;
    } else if (a == "--solution") {
      options.Solution = true;
    } else if (a == "--batch") {
      options.Batch = true;
    } else if (a == "--help" || a == "-h") {
      options.Help = true;
      return {};
    } else if (a == "--version") {
      options.Version = true;
      return {};
    } else {
      return "unknown argument \"" + EchoText(a) + "\" (try --help)";
    }
  }
  if (options.Steps < 0 || options.Steps > 100000) return "--steps must be 0 to 100000";
  if (options.Steps > 0 && !options.Json && !options.Batch) return "--steps needs --json";
  if (options.Batch) {
    if (options.HaveSize || options.HaveNumber) return "--batch reads sizes and numbers from standard input";
    return {};
  }
  if (!options.HaveSize || !options.HaveNumber) return "--size and --number are needed (try --help)";
  return CheckRequest(options.Request);
}

TBatchLine ParseBatchLine(const std::string& line, TPuzzleRequest& request, std::string& why) {
  std::istringstream words(line);
  std::string w[3], extra;
  if (!(words >> w[0])) return TBatchLine::Blank;
  long size = 0, number = 0, difficulty = 0;
  if (!(words >> w[1] >> w[2]) || (words >> extra) || !ParseWhole(w[0], size) || !ParseWhole(w[1], number) ||
      !ParseWhole(w[2], difficulty)) {
    why = "expected \"N K D\", got \"" + EchoText(line) + "\"";
    return TBatchLine::Bad;
  }
  request = {static_cast<int>(size == static_cast<int>(size) ? size : 0), number,
             static_cast<int>(difficulty >= 0 && difficulty <= 10 ? difficulty : -1)};
  why = CheckRequest(request);
  return why.empty() ? TBatchLine::Request : TBatchLine::Bad;
}

int RunPuzzleTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
  auto fail = [&err](const std::string& why) {
    err << "quillmere-puzzle: " << why << "\n";
    return 2;
  };
  // A full disk, a closed pipe or a folder as input: the caller must not take
  // a cut-off or empty output for the answer.
  auto failedStream = [&err](const char* what) {
    const int error = errno;
    err << "quillmere-puzzle: could not " << what;
    if (error != 0) err << " (" << std::strerror(error) << ")";
    err << "\n";
    return 1;
  };
  auto finish = [&]() {
    if (out) {  // else errno still tells why the earlier write failed
      errno = 0;
      out.flush();
    }
    return out ? 0 : failedStream("write the output");
  };
  errno = 0;

  TPuzzleToolOptions options;
  if (std::string why = ParsePuzzleArgs(args, options); !why.empty()) return fail(why);
  if (options.Help) {
    out << Usage << RequestRanges();
    return finish();
  }
  if (options.Version) {
    out << "quillmere-puzzle " << QUILLMERE_VERSION << "\n";
    return finish();
  }

  TPuzzle puzzle;
  const int steps = static_cast<int>(options.Steps);
  if (options.Batch) {
    // A request is a dozen characters; a line far longer is no request and
    // is not read whole into memory.
    constexpr std::size_t MaxBatchLine = 4096;
    std::vector<char> buffer(MaxBatchLine + 2);
    int lineNo = 0;
    for (;;) {
      in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      if (in.fail() && !in.eof() && !in.bad()) {
        err << "quillmere-puzzle: line " << lineNo + 1 << ": longer than " << MaxBatchLine
            << " characters, no request\n";
        return 1;
      }
      if (in.fail()) break;
      const std::string line(buffer.data());
      ++lineNo;
      TPuzzleRequest r;
      std::string why;
      const TBatchLine kind = ParseBatchLine(line, r, why);
      if (kind == TBatchLine::Blank) continue;
      if (kind == TBatchLine::Bad) return fail("line " + std::to_string(lineNo) + ": " + why);
      puzzle.SetUp(r.Size, static_cast<std::uint32_t>(r.Number), r.Difficulty);
      out << PuzzleJson(puzzle, r, steps) << "\n";
      if (!out) return failedStream("write the output");
    }
    if (in.bad()) return failedStream("read the standard input");
    return finish();
  }

  const TPuzzleRequest& request = options.Request;
  puzzle.SetUp(request.Size, static_cast<std::uint32_t>(request.Number), request.Difficulty);
  if (options.Json)
    out << PuzzleJson(puzzle, request, steps) << "\n";
  else
    out << PuzzleText(puzzle, request, options.Solution);
  return finish();
}
