// Printing the puzzle on the board.
#include "Printing.h"

#include "Dialogs.h"
#include "Images.h"
#include "PuzzlePrint.h"
#include "Session.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

void TPrintCommand::Run(QWidget* owner, TDialogs& Dialogs, TSession& session, const TImages* TileImages) {
  const int n = session.Game().N();
  if (!session.Game().BoardReady() || !TileImages) return;
  // The clock stands still while the player chooses.
  TGameController::TPauseGuard pause(session.Controller());
  // The first print is offered in the user's documents, or home where there
  // is no such folder.
  if (PrintFolder.isEmpty() || !QFileInfo(PrintFolder).isDir()) {
    PrintFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(PrintFolder).isDir()) PrintFolder = QDir::homePath();
  }
  const QString proposed =
      QDir(PrintFolder)
          .filePath(QStringLiteral("Quillmere %1x%1 No %2.pdf").arg(n).arg(session.Game().Number()));
  const QString file = Dialogs.ChooseSaveFile(
      owner, proposed,
      //: The save dialog's file types; the patterns in brackets and the ";;" between types stay as they are
      tr("PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)"), QStringLiteral("pdf"));
  if (file.isEmpty()) return;
  PrintFolder = QFileInfo(file).absolutePath();
  const bool solution = Dialogs.Confirm(owner, tr("Print the solution too, on a page of its own?"));
  const QString title = PrintTitle(n, session.Game().Number(), session.Prefs().Difficulty);
  if (const QString why = PrintPuzzle(file, session.Game().Puzzle, *TileImages, title, solution);
      !why.isEmpty()) {
    Dialogs.ErrorBox(owner, tr("The puzzle could not be printed:\r%1").arg(why));
    return;
  }
  // Say where it went: the dialog may have added a suffix, and a PNG or SVG
  // solution lands in a file of its own beside it.
  const QStringList files = PrintFiles(file, solution);
  const QString first = QDir::toNativeSeparators(QFileInfo(files.value(0)).absoluteFilePath());
  if (files.size() > 1)
    Dialogs.InfoBox(owner, tr("The puzzle was written to:\r%1\rIts solution was written to:\r%2")
                               .arg(first, QDir::toNativeSeparators(QFileInfo(files[1]).absoluteFilePath())));
  else if (solution)
    Dialogs.InfoBox(owner, tr("The puzzle and its solution were written to:\r%1").arg(first));
  else
    Dialogs.InfoBox(owner, tr("The puzzle was written to:\r%1").arg(first));
}
