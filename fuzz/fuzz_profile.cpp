// The profile loader on a players file and the current player's profile made
// from the input (the part before the first form feed is the players file,
// the rest the profile). It must load whatever the files hold, keep every
// value in range of its type, and say once about a file it could not read.
#include "FuzzCheck.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* Folder = nullptr;

void WriteFile(const QString& path, QByteArrayView bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes.data(), bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Files in memory, and a settings store of the run's own.
  Folder = new QTemporaryDir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/quillmere-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/quillmere-fuzz-XXXXXX"));
  setenv("XDG_CONFIG_HOME", qPrintable(Folder->path()), 1);
  QDir(Folder->path()).mkpath(QStringLiteral("Players"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const qsizetype split = input.indexOf('\f');
  const QByteArrayView players = split < 0 ? input : input.first(split);
  const QByteArrayView profile = split < 0 ? QByteArrayView() : input.sliced(split + 1);

  TSettings settings(Folder->filePath(QStringLiteral("quillmere")));
  WriteFile(settings.PlayersFilePath(), players);
  settings.LoadPlayerList();
  const QString path = settings.ProfilePath(settings.Prefs.PlayerName);
  if (!path.isEmpty()) WriteFile(path, profile);
  settings.LoadProfile();

  FUZZ_CHECK(!settings.Prefs.PlayerName.isEmpty());
  FUZZ_CHECK(!settings.PlayerList.isEmpty());
  FUZZ_CHECK(settings.Prefs.CluePenalty == 2 * settings.Prefs.Difficulty + 10);
  const QStringList messages = settings.TakeReadMessages();
  FUZZ_CHECK(messages.size() <= 2);
  FUZZ_CHECK(settings.TakeReadMessages().isEmpty());
  if (!path.isEmpty()) QFile::remove(path);
  return 0;
}
