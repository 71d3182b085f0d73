// The players file and the profiles are INI files a user may edit. Whatever
// their bytes, the keys read back the same after the file is written out.
#include "FuzzCheck.h"
#include "IniFile.h"

#include <cstddef>
#include <cstdint>

namespace {

const char* const Sections[] = {"Game", "Players", "Window", "Options", "Puzzles"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TIniFile ini(QString(), QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  QStringList before[5];
  for (int s = 0; s < 5; ++s) before[s] = ini.ReadSectionValues(Sections[s]);
  (void)ini.ReadInteger("Options", QStringLiteral("Difficulty"), 5);
  (void)ini.ReadBool("Options", QStringLiteral("SoundsOn"), false);

  // What the game does to the file: its own keys written, one deleted.
  ini.WriteString("Game", QStringLiteral("CurrentPlayer"), QStringLiteral("Guest"));
  ini.WriteInteger("Puzzles", QStringLiteral("Size6"), 1234);
  ini.DeleteKey("Players", QStringLiteral("Guest"));

  const QByteArray written = ini.Content();
  TIniFile again(QString(), written);
  FUZZ_CHECK(again.ReadResult().Ok() || again.ReadResult().Error == ini.ReadResult().Error);
  FUZZ_CHECK(again.ReadString("Game", QStringLiteral("CurrentPlayer"), {}) == QStringLiteral("Guest"));
  FUZZ_CHECK(again.ReadInteger("Puzzles", QStringLiteral("Size6"), 0) == 1234);
  for (int s = 0; s < 5; ++s) {
    const QStringList now = ini.ReadSectionValues(Sections[s]);
    FUZZ_CHECK(again.ReadSectionValues(Sections[s]) == now);
  }
  return 0;
}
