#pragma once

#include "GameFacts.h"

#include <iosfwd>
#include <string>
#include <vector>

class TPuzzle;

// The command-line puzzle tool, kept apart from main() so tests can run it on
// strings.
struct TPuzzleRequest {
  int Size = 0;
  long Number = 0;
  int Difficulty = 5;
};

// The readable print-out of a set-up puzzle.
std::string PuzzleText(const TPuzzle& puzzle, const TPuzzleRequest& request, bool withSolution);

// The one-line JSON form; steps > 0 adds that many "Give me a clue!" steps,
// which changes the board (it starts from the reset board).
std::string PuzzleJson(TPuzzle& puzzle, const TPuzzleRequest& request, int steps);

// The line of the usage texts that gives the ranges of N, K and D.
std::string RequestRanges();

// Empty when the request is valid, else the reason.
std::string CheckRequest(const TPuzzleRequest& request);

// A whole decimal number and nothing else ("12abc", "" and "+" are not).
bool ParseWhole(const std::string& text, long& value);

// A puzzle shared as "size:number" (e.g. "6:1234"), checked as above with
// the default difficulty. Empty when request now holds it, else the reason.
std::string ParseSizeAndNumber(const std::string& text, TPuzzleRequest& request);
// The same, saying only what is wrong, for a program that words it itself.
TRequestProblem ParseSizeAndNumberProblem(const std::string& text, TPuzzleRequest& request);

// What the command line asks for.
struct TPuzzleToolOptions {
  TPuzzleRequest Request;
  bool HaveSize = false, HaveNumber = false;
  bool Json = false, Solution = false, Batch = false, Help = false, Version = false;
  long Steps = 0;
};

// Reads the arguments (without the program name) into options; empty when
// they make a valid command (help and version end the reading), else the
// reason, one line.
std::string ParsePuzzleArgs(const std::vector<std::string>& args, TPuzzleToolOptions& options);

// One line of --batch input, "N K D": blank, a valid request, or bad with
// the reason in why.
enum class TBatchLine { Blank, Request, Bad };
TBatchLine ParseBatchLine(const std::string& line, TPuzzleRequest& request, std::string& why);

// Text from the command line or the input as a message may quote it: bytes
// outside printable ASCII and the backslash escaped ("\x1b", "\\"), at most
// 80 characters, a cut one ending in "...".
std::string EchoText(const std::string& text);

// Runs the tool: arguments without the program name. Returns the exit status
// (0; 2 for bad arguments or input; 1 when the input cannot be read or the
// output cannot be written), with one line on err for a failure.
int RunPuzzleTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
