// Program start: arguments, the data folder, the splash switch, the window.
#include "Dialogs.h"
#include "MainForm.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillmere"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quillmere"));

  // --data-dir DIR: the folder the game keeps its files in, in place of the
  // program's own folder.
  QString programPath = QCoreApplication::applicationFilePath();
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--data-dir")) {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "quillmere: --data-dir needs a folder\n");
        return 2;
      }
      const QFileInfo dir(args[++i]);
      if (!dir.isDir()) {
        std::fprintf(stderr, "quillmere: no such folder: %s\n", qPrintable(args[i]));
        return 2;
      }
      programPath = QDir(dir.absoluteFilePath()).filePath(QStringLiteral("quillmere"));
    } else if (args[i] == QStringLiteral("--help") || args[i] == QStringLiteral("-h")) {
      std::printf("usage: quillmere [--data-dir DIR]\n");
      return 0;
    } else {
      std::fprintf(stderr, "quillmere: unknown argument: %s\nusage: quillmere [--data-dir DIR]\n", qPrintable(args[i]));
      return 2;
    }
  }

  TQtDialogs dialogs;
  if (TSettings::ReadShowSplash()) dialogs.ShowSplash();

  TMainForm form(programPath, dialogs);
  if (!form.FormCreate()) return 1;
  form.show();
  return app.exec();
}
