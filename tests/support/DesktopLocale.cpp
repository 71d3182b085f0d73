// Linked into the records tests: the C library takes its locale from the
// environment, as in the game (QCoreApplication does that at its start), so
// a run under LC_ALL=de_DE.UTF-8 or tr_TR.UTF-8 shows whether what the
// records write or read depends on the player's locale.
#include <clocale>

namespace {
[[maybe_unused]] const bool DesktopLocale = std::setlocale(LC_ALL, "") != nullptr;
}  // namespace
