// The game's sounds go from the file's bytes through SDL2_mixer into a chunk
// ready to play. SDL's dummy audio driver stands in for a device, so the
// whole path runs: the mixer opens, decodes and converts as in the game.
#include "FuzzCheck.h"
#include "GameSounds.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
TGameSounds* Sounds = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  Sounds = new TGameSounds();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FUZZ_CHECK(Sounds->AudioOpen());
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  (void)Sounds->LoadSound(TGameSound::Pop, bytes);
  FUZZ_CHECK(Sounds->Buffer(TGameSound::Pop) == bytes);
  Sounds->Play(TGameSound::Pop);
  return 0;
}
