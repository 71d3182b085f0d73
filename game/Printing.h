#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;
class TDialogs;
class TImages;
class TSession;

// The window's print command: the puzzle on the board as PDF, SVG or PNG, its
// clues and empty candidate grids, not the player's progress. The folder the
// last print went to is offered for the next.
class TPrintCommand {
  // Its texts translate as the window's own.
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  // The file is chosen, and the outcome told, in dialogs over owner.
  void Run(QWidget* owner, TDialogs& Dialogs, TSession& session, const TImages* TileImages);

 private:
  QString PrintFolder;  // where the last print went; the next is offered there
};
