// The player commands: create, switch and delete.
#include "MainForm.h"

#include <QAction>
#include <QTimer>

namespace {
const QString GuestName = QStringLiteral("Guest");
}

QString TMainForm::NewPlayerProblem(const QString& name) const {
  QString problem;
  if (!IsValidPlayerName(name, &problem)) return problem;
  for (const QString& known : Settings->ListPlayerNames())
    if (known.compare(name, Qt::CaseInsensitive) == 0)
      return QStringLiteral("There is already a player called \"%1\"; please choose another name.")
          .arg(known);
  return {};
}

void TMainForm::OfferToSave() {
  if (Game.InProgress() && Dialogs.Confirm(this, QStringLiteral("Do you want to save this game?")))
    Save1Click();
}

void TMainForm::Createnewplayer1Click() {
  WinTimer->stop();
  QString name;
  if (!Dialogs.NewPlayerName(
          this, [this](const QString& n) { return NewPlayerProblem(n); }, name))
    return;
  OfferToSave();
  if (StoreCurrentProfile()) StartNewPlayer(name);
}

bool TMainForm::StoreCurrentProfile() {
  CaptureWindowSizes();
  const TWriteResult stored = Settings->StoreProfile();
  if (!stored) Dialogs.ErrorBox(this, stored.Error);
  return bool(stored);
}

void TMainForm::StartNewPlayer(const QString& name) {
  Settings->Prefs.PlayerName = name;
  Settings->SetNewPlayerDefaults();
  if (const TWriteResult stored = Settings->StoreProfile(); !stored) Dialogs.ErrorBox(this, stored.Error);
  Settings->PlayerList.append(name + QStringLiteral("=") + name);
  // The new player plays their own puzzle, with their own preferences.
  BecomePlayer(name, false);
}

void TMainForm::SwitchtoPlayer1Click() {
  WinTimer->stop();
  QString name;
  if (!Dialogs.ChoosePlayer(this, Settings->ListPlayerNames(), name)) return;  // cancel changes nothing
  OfferToSave();
  BecomePlayer(name, true);
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
          QStringLiteral("Are you sure you want to delete the current player \"%1\" from the game?")
              .arg(name),
          TDialogs::TButtons::OkCancel))
    return;
  if (const TWriteResult scores = ScoreTable.DeletePlayerScores(name); !scores)
    Dialogs.ErrorBox(this, scores.Error);
  if (const TWriteResult deleted = Settings->DeletePlayer(name); !deleted)
    Dialogs.ErrorBox(this, deleted.Error);

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
