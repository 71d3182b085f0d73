// Saved games come from the player's folder and may be edited by hand: the
// reader must refuse bad ones, and a game it accepts must go onto the board
// and back out to the same text. Played on by "Give me a clue!" alone, an
// accepted game never counts a square it has not solved, nor solves one with
// a tile other than its own. Whether it is its number's puzzle is decided
// without a fault either way; every message fills its template.
#include "FuzzCheck.h"
#include "Puzzle.h"
#include "SavedGameFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TSavedGame game;
  if (const TFormatResult parsed = ParseSavedGame(bytes, game); !parsed) {
    FUZZ_CHECK(!EnglishText(parsed.Error).empty());
    return 0;
  }

  const std::string text = SavedGameText(game);
  TSavedGame again;
  FUZZ_CHECK(ParseSavedGame(text, again).Ok());
  FUZZ_CHECK(again == game);

  (void)EnglishText(CheckSavedPuzzle(game).Error);

  TPuzzle puzzle;
  ApplySavedGame(game, puzzle);
  TSavedGame back = SavedGameOf(puzzle, game.Number, game.Time);
  back.Errors = game.Errors;  // the counters are the game's, not the board's
  back.Clues = game.Clues;
  FUZZ_CHECK(SavedGameText(back) == text);

  const int n = puzzle.Size();
  // Each step changes the board, so n * n * n steps are more than any game takes.
  for (int step = 0; step <= n * n * n; ++step) {
    int solved = 0;
    for (int c = 1; c <= n; ++c) {
      for (int r = 1; r <= n; ++r) {
        const TSquare& square = puzzle.Square(c, r);
        FUZZ_CHECK(square.HasCandidate(square.localindex()));
        if (square.IsSolved()) {
          FUZZ_CHECK(square.remaining() == TSquare::Bit(square.localindex()));
          ++solved;
        }
      }
    }
    FUZZ_CHECK(puzzle.SolvedCount == solved);
    if (solved == n * n || puzzle.Deduce(false, true).Rule == TDeductionStep::TRule::None) break;
  }
  return 0;
}
