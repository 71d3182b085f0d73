#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <sys/wait.h>

#include "ClueText.h"
#include "Puzzle.h"
#include "PuzzleTool.h"

namespace {

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

TRun Tool(const std::vector<std::string>& args, const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunPuzzleTool(args, in, out, err);
  return {status, out.str(), err.str()};
}

QJsonObject Parse(const std::string& line) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
  return doc.object();
}

QJsonArray ClueArray(const TClueList& list) {
  QJsonArray a;
  for (const TClue& c : list) {
    QJsonArray one{static_cast<int>(c.type())};
    for (int k = 1; k <= 6; ++k) one.append(c.Coord(k));
    a.append(one);
  }
  return a;
}

}  // namespace

TEST(PuzzleTool, JsonExposesTheEngineExactly) {
  const TRun run = Tool({"--size", "8", "--number", "4711", "--difficulty", "9", "--json"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 1) << "one line";
  // The keys in their documented order.
  std::size_t at = 0;
  for (const char* key : {"\"size\":", "\"number\":", "\"difficulty\":", "\"solution\":", "\"hclues\":",
                          "\"vclues\":", "\"prove_rounds\":", "\"random_state\":"}) {
    const std::size_t next = run.Out.find(key, at);
    ASSERT_NE(next, std::string::npos) << key;
    at = next;
  }
  const QJsonObject j = Parse(run.Out);
  EXPECT_EQ(j.size(), 8);

  TPuzzle p;
  p.SetUp(8, 4711, 9);
  EXPECT_EQ(j["size"].toInt(), 8);
  EXPECT_EQ(j["number"].toInt(), 4711);
  EXPECT_EQ(j["difficulty"].toInt(), 9);
  const QJsonArray solution = j["solution"].toArray();
  ASSERT_EQ(solution.size(), 8);
  for (int r = 1; r <= 8; ++r)
    for (int c = 1; c <= 8; ++c)
      EXPECT_EQ(solution[r - 1].toArray()[c - 1].toInt(), p.Square(c, r).localindex());
  EXPECT_EQ(j["hclues"].toArray(), ClueArray(p.HorizontalClues));
  EXPECT_EQ(j["vclues"].toArray(), ClueArray(p.VerticalClues));
  EXPECT_EQ(j["prove_rounds"].toInt(), p.ProveRounds);
  EXPECT_EQ(static_cast<std::uint32_t>(j["random_state"].toDouble()), p.Random.State());
  EXPECT_GE(p.ProveRounds, 1);

  EXPECT_EQ(Tool({"--json", "--number", "4711", "--size", "8", "--difficulty", "9"}).Out, run.Out)
      << "argument order does not matter";
  EXPECT_NE(Parse(Tool({"--size", "8", "--number", "4711", "--json"}).Out)["difficulty"].toInt(), 9)
      << "difficulty defaults to 5";
}

TEST(PuzzleTool, StepsPlayGiveMeAClueUntilSolved) {
  const TRun run = Tool({"--size", "4", "--number", "99", "--json", "--steps", "120"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const QJsonArray steps = Parse(run.Out)["steps"].toArray();
  ASSERT_EQ(steps.size(), 120);
  int previous = 0;
  bool explainedClue = false;
  for (const auto& s : steps) {
    const QJsonObject step = s.toObject();
    const int solved = step["solved_count"].toInt();
    EXPECT_GE(solved, previous);
    previous = solved;
    const QJsonArray last = step["last_changed"].toArray();
    ASSERT_EQ(last.size(), 2);
    EXPECT_GE(last[0].toInt(), 1);
    EXPECT_LE(last[0].toInt(), 4);
    for (const auto& e : step["explain"].toArray()) {
      const QJsonObject ex = e.toObject();
      if (ex["list"].isNull()) {
        EXPECT_EQ(ex["index"].toInt(), -1);
      } else {
        explainedClue = true;
        EXPECT_EQ(ex["list"].toString(), step["hint_vertical"].toBool() ? "v" : "h");
        EXPECT_GE(ex["index"].toInt(), 0);
      }
    }
  }
  EXPECT_TRUE(explainedClue);
  EXPECT_EQ(previous, 16) << "one step at a time still solves the whole board";
  EXPECT_TRUE(steps[119].toObject()["explain"].toArray().isEmpty()) << "nothing left to explain";

  // The first step is exactly one step mode pass on the reset board.
  TPuzzle p;
  p.SetUp(4, 99, 5);
  const TDeductionStep step = p.Deduce(false, true);
  const QJsonObject first = steps[0].toObject();
  EXPECT_EQ(first["solved_count"].toInt(), p.SolvedCount);
  EXPECT_EQ(first["hint_vertical"].toBool(), step.IsVertical());
  EXPECT_EQ(first["last_changed"].toArray()[0].toInt(), step.Square.c);
  EXPECT_EQ(first["last_changed"].toArray()[1].toInt(), step.Square.r);
  EXPECT_EQ(first["lastremoved"].toInt(), p.Square(step.Square.c, step.Square.r).lastremoved());
}

TEST(PuzzleTool, BatchGivesOneLinePerRequest) {
  const TRun run = Tool({"--batch"}, "6 1 5\n\n10 999999 10\n  4 12 0  \n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  std::istringstream lines(run.Out);
  std::string a, b, c, extra;
  ASSERT_TRUE(std::getline(lines, a) && std::getline(lines, b) && std::getline(lines, c));
  EXPECT_FALSE(std::getline(lines, extra));
  EXPECT_EQ(a + "\n", Tool({"--size", "6", "--number", "1", "--json"}).Out);
  EXPECT_EQ(b + "\n", Tool({"--size", "10", "--number", "999999", "--difficulty", "10", "--json"}).Out);
  EXPECT_EQ(c + "\n", Tool({"--size", "4", "--number", "12", "--difficulty", "0", "--json"}).Out);

  const TRun bad = Tool({"--batch"}, "6 1 5\n6 x 5\n4 1 1\n");
  EXPECT_EQ(bad.Status, 2);
  EXPECT_NE(bad.Err.find("line 2"), std::string::npos) << bad.Err;
  EXPECT_EQ(std::count(bad.Out.begin(), bad.Out.end(), '\n'), 1) << "stops at the bad line";
  EXPECT_EQ(Tool({"--batch"}, "7 1 5\n").Status, 2);
  EXPECT_EQ(Tool({"--batch"}, "6 1\n").Status, 2);
  EXPECT_EQ(Tool({"--batch"}, "6 1 5 9\n").Status, 2);

  // A line far beyond any request is refused, not skipped.
  const TRun huge = Tool({"--batch"}, "6 1 5\n" + std::string(8 << 20, ' ') + "6 2 5\n4 1 1\n");
  EXPECT_EQ(huge.Status, 1);
  EXPECT_NE(huge.Err.find("line 2: longer than"), std::string::npos) << huge.Err;
  EXPECT_EQ(std::count(huge.Out.begin(), huge.Out.end(), '\n'), 1);
}

TEST(PuzzleTool, BadArgumentsGetOneLineAndStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {"--size", "7", "--number", "1"},
      {"--size", "3", "--number", "1"},
      {"--size", "6", "--number", "0"},
      {"--size", "6", "--number", "1000000"},
      {"--size", "6", "--number", "-5"},
      {"--size", "6", "--number", "1", "--difficulty", "11"},
      {"--size", "6", "--number", "1", "--difficulty", "-1"},
      {"--size", "six", "--number", "1"},
      {"--size", "6", "--number", "12abc"},
      {"--size", "6", "--number", ""},
      {"--size", "6", "--number"},
      {"--size", "6"},
      {"--size", "6", "--number", "1", "--frobnicate"},
      {"--size", "6", "--number", "1", "--steps", "3"},
      {"--size", "6", "--number", "1", "--json", "--steps", "-2"},
      {"--size", "99999999999999999999", "--number", "1"},
      {"--batch", "--size", "6"},
  };
  for (const auto& args : bad) {
    const TRun run = Tool(args);
    std::string all;
    for (const auto& a : args) all += a + " ";
    EXPECT_EQ(run.Status, 2) << all;
    EXPECT_TRUE(run.Out.empty()) << all;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << all << run.Err;
  }
}

TEST(PuzzleTool, HelpAndVersionAnswerAndEnd) {
  const TRun version = Tool({"--version"});
  EXPECT_EQ(version.Status, 0);
  EXPECT_EQ(version.Out, std::string("quillmere-puzzle ") + QUILLMERE_VERSION + "\n");
  EXPECT_TRUE(version.Err.empty());
  const TRun help = Tool({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("--version"), std::string::npos) << help.Out;
}

TEST(PuzzleTool, TextNamesEveryClueAndTheSolution) {
  const TRun run = Tool({"--size", "5", "--number", "321", "--solution"});
  ASSERT_EQ(run.Status, 0);
  TPuzzle p;
  p.SetUp(5, 321, 5);
  EXPECT_NE(run.Out.find("Puzzle No. 321, 5 x 5"), std::string::npos);
  for (const TClueList* list : {&p.HorizontalClues, &p.VerticalClues})
    for (const TClue& c : *list)
      EXPECT_NE(run.Out.find(DescribeClue(p, c)), std::string::npos) << DescribeClue(p, c);
  std::string row3 = "row  3:";
  for (int c = 1; c <= 5; ++c) row3 += "  " + std::to_string(p.Square(c, 3).localindex());
  EXPECT_NE(run.Out.find(row3), std::string::npos) << run.Out;
  EXPECT_EQ(Tool({"--size", "5", "--number", "321"}).Out.find("Solution"), std::string::npos);
}

// A digest of many puzzles and their first clue steps, recorded when the
// generator was written: a change to any order, bound or draw of generation
// or deduction shows up here as a different number.
TEST(PuzzleTool, PuzzlesAndStepsKeepTheirDigest) {
  std::string input;
  for (int n : {4, 5, 6, 8, 9, 10})
    for (int k = 1; k <= 12; ++k)
      input += std::to_string(n) + " " + std::to_string(k * 7919) + " " + std::to_string(k % 11) + "\n";
  const TRun run = Tool({"--batch", "--steps", "25"}, input);
  ASSERT_EQ(run.Status, 0);
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (unsigned char ch : run.Out) hash = (hash ^ ch) * 1099511628211ull;
  EXPECT_EQ(hash, 7872924580134135397ull) << "digest " << hash;
}

TEST(PuzzleTool, ASharedSizeAndNumberPassTheToolsOwnChecks) {
  TPuzzleRequest request;
  EXPECT_EQ(ParseSizeAndNumber("10:999999", request), "");
  EXPECT_EQ(request.Size, 10);
  EXPECT_EQ(request.Number, 999999);
  EXPECT_EQ(request.Difficulty, 5);
  // Each refusal names its reason as the tool's options would and leaves
  // the request as it was.
  for (const std::string bad : {"7:12", "6:0", "6:1000000", "6:-3", "6", "6:", ":12", "6:12:1", "6 :12",
                                "x:1", "99999999999999999999:1", ""}) {
    const std::string why = ParseSizeAndNumber(bad, request);
    EXPECT_FALSE(why.empty()) << bad;
    EXPECT_EQ(why.find('\n'), std::string::npos) << bad;
    EXPECT_EQ(request.Size, 10) << bad;
    EXPECT_EQ(request.Number, 999999) << bad;
  }
  EXPECT_EQ(ParseSizeAndNumber("7:12", request), CheckRequest({7, 12, 5}));
  EXPECT_EQ(ParseSizeAndNumber("6:0", request), CheckRequest({6, 0, 5}));
}

// The tool as a shell runs it: output that cannot be written (a full disk, a
// closed stdout) or input that cannot be read (a folder) is a failure with one
// line and status 1, never success with a cut-off or empty answer.
TEST(PuzzleTool, FailedOutputOrInputEndsWithStatusOne) {
  auto run = [](const std::string& redirections, std::string& err) {
    const std::string errFile = testing::TempDir() + "puzzle-tool-err.txt";
    const std::string command =
        std::string("'") + QUILLMERE_PUZZLE_TOOL + "' " + redirections + " 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(errFile);
    err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  std::string err;
  EXPECT_EQ(run("--size 10 --number 7 --solution >/dev/full", err), 1);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("No space left on device"), std::string::npos) << err;
  EXPECT_EQ(run("--size 6 --number 1 --json >&-", err), 1);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(run("--batch </ >/dev/null", err), 1);
  EXPECT_NE(err.find("could not read the standard input"), std::string::npos) << err;
  EXPECT_EQ(run("--version >/dev/null", err), 0) << err;
}

// A bad line may hold anything, a terminal's escape sequences included: it is
// echoed with control bytes escaped and cut to 80 characters.
TEST(PuzzleTool, ABadBatchLineIsEchoedEscapedAndShort) {
  const std::string line = "6 1 \x1b[2J\x1b]0;owned\x07" + std::string(200, 'x') + "\r";
  const TRun run = Tool({"--batch"}, "4 1 1\n" + line + "\n");
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 1) << "the good line is answered";
  const std::string echo = run.Err.substr(run.Err.find("got \"") + 5);
  EXPECT_EQ(echo.substr(0, echo.find("...")),
            std::string("6 1 \\x1b[2J\\x1b]0;owned\\x07") + std::string(50, 'x'));
  EXPECT_EQ(echo.size(), 80u + 2u) << "80 characters, the closing quote and the line end";
  for (const char c : run.Err) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20);
  EXPECT_EQ(EchoText("a\\b\x7f\xc3\xa9"), "a\\\\b\\x7f\\xc3\\xa9");
}
