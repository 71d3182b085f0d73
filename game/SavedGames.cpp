// Saving the game in play and opening a saved one.
#include "MainForm.h"
#include "SavedGame.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

void TMainForm::Save1Click() {
  SaveGame();
}

bool TMainForm::SaveGame() {
  WinTimer->stop();
  if (!Game.InProgress()) return true;
  // The message boxes run their own event loop; the clock stands still
  // under them and runs on afterwards exactly when it ran before.
  Timer1->stop();
  const TPrefs& prefs = Settings->Prefs;
  const QString path = SavedGamePath(Settings->PlayersFolder(), prefs.PlayerName, Game.Number(), N());
  const TResult written =
      WriteSavedGame(path, SavedGameOf(Game.Puzzle, Game.Number(), Game.Clock.ElapsedSeconds));
  if (written)
    Dialogs.InfoBox(this, QString::fromLatin1(GameSavedText));
  else
    Dialogs.ErrorBox(this, QString::fromLatin1(CouldNotSaveGameText) + written.Error);
  if (Game.ClockRuns()) Timer1->start();
  return bool(written);
}

void TMainForm::BtnSaveClick() {
  WinTimer->stop();
  DismissPointers();
  // The toolbar's save leaves the game paused, as the pause button does.
  if (!Game.Paused()) {
    Pause1->setChecked(true);
    PauseBtnClick();
  }
  Save1Click();
}

void TMainForm::Open1Click() {
  BtnOpenClick();
}

void TMainForm::BtnOpenClick() {
  WinTimer->stop();
  DismissPointers();
  Timer1->stop();
  const QString folder = QDir(Settings->PlayersFolder()).filePath(QStringLiteral("Saved Games"));
  const QString file = Dialogs.ChooseOpenFile(this, folder, QStringLiteral("Quillmere Saved Game (*.sav)"),
                                              QStringLiteral("sav"));
  TSavedGame saved;
  // Cancelled or unreadable: the game on the board goes on as it was.
  if (file.isEmpty()) {
    if (Game.ClockRuns()) Timer1->start();
    return;
  }
  if (const TResult read = ReadSavedGame(file, saved); !read) {
    Dialogs.ErrorBox(this, QString::fromLatin1(CouldNotLoadGameText) + read.Error);
    if (Game.ClockRuns()) Timer1->start();
    return;
  }

  // The file's owner plays it; a file no known player owns opens for the
  // current one.
  const QString owner =
      SavedGameOwner(QFileInfo(file).fileName(), Settings->ListPlayerNames(), Settings->Prefs.PlayerName);
  if (!owner.isEmpty() && owner.compare(Settings->Prefs.PlayerName, Qt::CaseInsensitive) != 0) {
    StoreCurrentProfile();  // a failure is said; the game opens all the same
    Settings->Prefs.PlayerName = owner;
    Settings->LoadProfile();
    for (const QString& message : Settings->TakeReadMessages()) Dialogs.ErrorBox(this, message);
    PlayerLbl->setText(Settings->Prefs.PlayerName);
    ApplyPreferences();
    ShowHintPane();
  }

  Game.Load(saved);  // playing again, but the clock waits for the message
  Timer1->stop();
  ForgetHints();
  ClearZoomBoxes();
  ShowPuzzleSize();
  RzLabel1->setText(QStringLiteral("Puzzle No. %1").arg(Game.Number()));
  UpdateLabels();
  DrawStartPicture();
  RepaintAll();
  Dialogs.InfoBox(this, QString::fromLatin1(GameLoadedText));
  if (Game.ClockRuns()) Timer1->start();
}
