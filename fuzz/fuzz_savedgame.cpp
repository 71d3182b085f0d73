// Saved games come from the player's folder and may be edited by hand: the
// reader must refuse bad ones, and a game it accepts must go onto the board
// and back out to the same text.
#include "FuzzCheck.h"
#include "Puzzle.h"
#include "SavedGame.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TSavedGame game;
  if (!ParseSavedGame(bytes, game)) return 0;

  const QByteArray text = SavedGameText(game);
  TSavedGame again;
  FUZZ_CHECK(ParseSavedGame(text, again).Ok());
  FUZZ_CHECK(again == game);

  TPuzzle puzzle;
  ApplySavedGame(game, puzzle);
  FUZZ_CHECK(SavedGameText(SavedGameOf(puzzle, game.Number, game.Time)) == text);
  return 0;
}
