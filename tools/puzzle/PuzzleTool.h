#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TPuzzle;

// The command-line puzzle tool, kept apart from main() so tests can run it on
// strings.
struct TPuzzleRequest {
  int size = 0;
  long number = 0;
  int difficulty = 5;
};

// The readable print-out of a set-up puzzle.
std::string PuzzleText(const TPuzzle& puzzle, const TPuzzleRequest& request, bool withSolution);

// The one-line JSON form; steps > 0 adds that many "Give me a clue!" steps,
// which changes the board (it starts from the reset board).
std::string PuzzleJson(TPuzzle& puzzle, const TPuzzleRequest& request, int steps);

// Empty when the request is valid, else the reason.
std::string CheckRequest(const TPuzzleRequest& request);

// A puzzle shared as "size:number" (e.g. "6:1234"), checked as above with
// the default difficulty. Empty when request now holds it, else the reason.
std::string ParseSizeAndNumber(const std::string& text, TPuzzleRequest& request);

// Runs the tool: arguments without the program name. Returns the exit status
// (0, or 2 for bad arguments or input, with one line on err).
int RunPuzzleTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
