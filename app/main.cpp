// Program start: arguments, the data folder, the splash switch, the window.
#include "Dialogs.h"
#include "MainForm.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cstdio>
#include <cstring>

namespace {
const char* const Usage = "usage: quillmere [--data-dir DIR]\n";
}

int main(int argc, char* argv[]) {
  // Arguments first, so a bad one is reported even where no window can open.
  // --data-dir DIR: the folder the game keeps its files in, in place of the
  // program's own folder.
  QString dataDir;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--data-dir") == 0) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "quillmere: --data-dir needs a folder\n%s", Usage);
        return 2;
      }
      dataDir = QString::fromLocal8Bit(argv[++i]);
      if (!QFileInfo(dataDir).isDir()) {
        std::fprintf(stderr, "quillmere: the data folder \"%s\" does not exist\n", argv[i]);
        return 2;
      }
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf("%s", Usage);
      return 0;
    } else if (argv[i][0] == '-' && argv[i][1] == '-') {
      std::fprintf(stderr, "quillmere: unknown option %s\n%s", argv[i], Usage);
      return 2;
    }
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillmere"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quillmere"));
  const QString programPath =
      dataDir.isEmpty() ? QCoreApplication::applicationFilePath()
                        : QDir(QFileInfo(dataDir).absoluteFilePath()).filePath(QStringLiteral("quillmere"));

  // One running game per data folder: two would overwrite each other's
  // players, profiles and scores. A lock whose game has died is taken over;
  // one held by a running game is never stale, however old. Where no lock
  // can be made at all, the game runs without one.
  const QFileInfo program(programPath);
  QLockFile lock(program.absolutePath() + QStringLiteral("/") + program.completeBaseName() +
                 QStringLiteral(".lock"));
  lock.setStaleLockTime(0);
  if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
    std::fprintf(stderr, "quillmere: the game is already running for the data folder \"%s\"\n",
                 qUtf8Printable(QDir::toNativeSeparators(program.absolutePath())));
    return 1;
  }

  TQtDialogs dialogs(program.absolutePath());
  ShowSplashAtStart(dialogs);

  TMainForm form(programPath, dialogs);
  if (!form.FormCreate()) return 1;
  form.show();
  return app.exec();
}
