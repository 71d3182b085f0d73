#pragma once

#include "MainFormProbe.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "TestApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// A fresh data folder holding the generated tiles and sounds, with the
// per-user settings store redirected into it.
class TGameFolder {
 public:
  TGameFolder() {
    TestApp();
    const QString runtime = QStringLiteral(QUILLMERE_RUNTIME_DIR);
    QFile::link(runtime + "/tiles", Dir.filePath("tiles"));
    QDir(Dir.path()).mkpath("sounds");
    for (const char* name : {"click.wav", "pop.wav", "error.wav", "complete.wav"})
      QFile::copy(runtime + "/sounds/" + name, Dir.filePath(QStringLiteral("sounds/") + name));
    QDir(Dir.path()).mkpath("Players/Saved Games");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.filePath("store"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Dir.filePath("store"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.filePath("store")));
  }
  QString ProgramPath() const { return Dir.filePath("quillmere"); }
  QString Path(const QString& name) const { return Dir.filePath(name); }
  QTemporaryDir Dir;
};

// A shown main window at a chosen size and puzzle, in a fresh data folder.
class TWindowTest : public ::testing::Test {
 protected:
  void Open(int size, int number = 1, int difficulty = 5) {
    Form = std::make_unique<TMainForm>(Folder.ProgramPath(), Dialogs);
    ASSERT_TRUE(Form->FormCreate());
    TPrefs& prefs = Form->Session().Settings().Prefs;
    prefs.PuzzleSize = size;
    prefs.PuzzleNumbers[size] = number;
    prefs.Difficulty = difficulty;
    Form->Session().Settings().UpdatePenalties();
    Form->ShowPuzzleSize();
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    ASSERT_TRUE(Form->Session().Game().InProgress());
    // The real clock may have ticked while the window was being exposed; the
    // tests drive it by hand from zero.
    Form->Session().Controller().Clock.Reset();
  }
  void TearDown() override { Form.reset(); }

  const std::vector<TScore>& Scores() const { return Form->Session().Scores().Scores(); }
  TSquare& Sq(int c, int r) { return Form->Session().Controller().Puzzle.Square(c, r); }
  // The middle of tile q's cell in square (c, r), in board coordinates.
  QPoint CellCentre(int c, int r, int q) const {
    const TBoardLayout L = Form->Board()->Layout();
    return {L.X0(c) + ((q - 1) % L.gc) * L.cw + L.cw / 2, L.Y0(r) + ((q - 1) / L.gc) * L.ch + L.ch / 2};
  }
  void Press(Qt::MouseButton button, QPoint at) { QTest::mouseClick(Form->Board(), button, {}, at); }
  void Press(Qt::MouseButton button, int c, int r, int q) { Press(button, CellCentre(c, r, q)); }
  // A wrong tile of square (c, r) that is still a candidate.
  int WrongCandidate(int c, int r) {
    for (int t = 1; t <= Form->N(); ++t)
      if (t != Sq(c, r).localindex() && Sq(c, r).HasCandidate(t)) return t;
    return 0;
  }
  int CountColour(const QImage& image, QColor colour) const {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
  }

  TGameFolder Folder;
  TScriptedDialogs Dialogs;
  std::unique_ptr<TMainForm> Form;
};
