#include <iostream>

#include "PuzzleTool.h"

int main(int argc, char** argv) {
  // Unsynchronised streams report a failed read (a folder as the input) as
  // an error, where stdio would report an ordinary end of input.
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunPuzzleTool(args, std::cin, std::cout, std::cerr);
}
