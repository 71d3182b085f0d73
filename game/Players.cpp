// The player commands: create, switch and delete.
#include "MainForm.h"
#include "SavedGame.h"

#include <QAction>
#include <QDir>
#include <QTimer>

namespace {
const QString GuestName = QStringLiteral("Guest");

// Removes the saved games the player owns, so none opens later for someone
// else; the names of the files that stay are returned.
QStringList RemoveSavedGamesOf(const QString& playersFolder, const QString& name, const QStringList& names) {
  const QDir folder(playersFolder + QStringLiteral("/Saved Games"));
  QStringList kept;
  for (const QString& file : folder.entryList({QStringLiteral("*.sav")}, QDir::Files | QDir::Hidden)) {
    if (SavedGameOwner(file, names).compare(name, Qt::CaseInsensitive) != 0) continue;
    if (!QFile::remove(folder.filePath(file))) kept << QDir::toNativeSeparators(folder.filePath(file));
  }
  return kept;
}
}  // namespace

QString TMainForm::NewPlayerProblem(const QString& name) const {
  QString problem;
  if (!IsValidPlayerName(name, &problem)) return problem;
  for (const QString& known : Settings->ListPlayerNames())
    if (known.compare(name, Qt::CaseInsensitive) == 0)
      return QStringLiteral("There is already a player called \"%1\"; please choose another name.")
          .arg(known);
  return {};
}

bool TMainForm::OfferToSave() {
  if (Game.InProgress() && Dialogs.Confirm(this, QStringLiteral("Do you want to save this game?")))
    return SaveGame();
  return true;
}

void TMainForm::Createnewplayer1Click() {
  WinTimer->stop();
  QString name;
  if (!Dialogs.NewPlayerName(
          this, [this](const QString& n) { return NewPlayerProblem(n); }, name))
    return;
  if (OfferToSave() && StoreCurrentProfile()) StartNewPlayer(name);
}

bool TMainForm::StoreCurrentProfile() {
  CaptureWindowSizes();
  const TResult stored = Settings->StoreProfile();
  if (!stored) Dialogs.ErrorBox(this, stored.Error);
  return bool(stored);
}

void TMainForm::StartNewPlayer(const QString& name) {
  Settings->Prefs.PlayerName = name;
  Settings->SetNewPlayerDefaults();
  if (const TResult stored = Settings->StoreProfile(); !stored) Dialogs.ErrorBox(this, stored.Error);
  Settings->PlayerList.append(name + QStringLiteral("=") + name);
  // The new player plays their own puzzle, with their own preferences.
  BecomePlayer(name, false);
}

void TMainForm::SwitchtoPlayer1Click() {
  WinTimer->stop();
  QString name;
  if (!Dialogs.ChoosePlayer(this, Settings->ListPlayerNames(), name)) return;  // cancel changes nothing
  // The one playing already: nothing to save, nothing to reload.
  if (name.compare(Settings->Prefs.PlayerName, Qt::CaseInsensitive) == 0) return;
  if (OfferToSave()) BecomePlayer(name, true);
}

void TMainForm::PlayerLblClick() {
  WinTimer->stop();
  SwitchtoPlayer1Click();
}

void TMainForm::DeletePlayer1Click() {
  WinTimer->stop();
  const QString name = Settings->Prefs.PlayerName;
  if (!Dialogs.Confirm(
          this,
          QStringLiteral("Are you sure you want to delete the current player \"%1\" from the game?\r"
                         "Their saved games are deleted with them.")
              .arg(name),
          TDialogs::TButtons::OkCancel))
    return;
  if (const QStringList kept =
          RemoveSavedGamesOf(Settings->PlayersFolder(), name, Settings->ListPlayerNames());
      !kept.isEmpty())
    Dialogs.ErrorBox(
        this, QStringLiteral("Unable to delete the saved games %1.").arg(kept.join(QStringLiteral(", "))));
  if (const TResult scores = ScoreTable.DeletePlayerScores(name); !scores)
    Dialogs.ErrorBox(this, scores.Error);
  if (const TResult deleted = Settings->DeletePlayer(name); !deleted) Dialogs.ErrorBox(this, deleted.Error);

  // Someone always plays on: the one chosen, else the first player left,
  // else a new guest.
  const QStringList names = Settings->ListPlayerNames();
  QString next;
  if (!Dialogs.ChoosePlayer(this, names, next) || !names.contains(next)) next = names.value(0);
  if (next.isEmpty())
    StartNewPlayer(GuestName);
  else
    BecomePlayer(next, false);
}

void TMainForm::BecomePlayer(const QString& name, bool storeOld) {
  if (storeOld && !StoreCurrentProfile()) return;
  Settings->Prefs.PlayerName = name;
  Settings->LoadProfile();
  for (const QString& message : Settings->TakeReadMessages()) Dialogs.ErrorBox(this, message);
  PlayerLbl->setText(Settings->Prefs.PlayerName);
  ApplyPreferences();
  ShowPuzzleSize();
  ShowHintPane();
  SetUpPuzzle();
}
