#include <iostream>

#include "PuzzleTool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunPuzzleTool(args, std::cin, std::cout, std::cerr);
}
