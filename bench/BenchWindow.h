#pragma once
// The real main window for the window benchmarks: the generated tiles and
// sounds linked into a temporary data folder, the settings store kept there
// too, and the window shown at the given board size and animation switch,
// over the score file scores (none when empty).
#include "MainFormProbe.h"
#include "ScriptedDialogs.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

struct TBenchWindow {
  QTemporaryDir Dir;
  TScriptedDialogs Dialogs;
  std::unique_ptr<TMainForm> Form;

  explicit TBenchWindow(int size, int animation = 0, const QByteArray& scores = {}) {
    const QString runtime = QStringLiteral(QUILLMERE_RUNTIME_DIR);
    QFile::link(runtime + "/tiles", Dir.filePath("tiles"));
    QFile::link(runtime + "/sounds", Dir.filePath("sounds"));
    QDir(Dir.path()).mkpath("Players/Saved Games");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.filePath("store"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.filePath("store")));
    if (!scores.isEmpty()) {
      QFile file(Dir.filePath("quillmere.sco"));
      if (!file.open(QIODevice::WriteOnly) || file.write(scores) != scores.size()) std::abort();
    }
    Form = std::make_unique<TMainForm>(Dir.filePath("quillmere"), Dialogs);
    if (!Form->FormCreate()) std::abort();
    Form->Session().Settings().Prefs.PuzzleSize = size;
    Form->Session().Settings().Prefs.Animation = animation;
    Form->show();
    QApplication::processEvents();
  }
};
