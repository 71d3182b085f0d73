#include "Session.h"

#include "GameTexts.h"
#include "SavedGame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

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

void Tell(const QString& text) {
  std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(QString(text).replace('\r', ' ')));
}
}  // namespace

TSession::TSession(const QString& recordsPath, TDialogs& dialogs, TSessionObserver& observer)
    : Path(recordsPath),
      Dialogs(dialogs),
      Observer(observer),
      Records(std::make_unique<TSettings>(recordsPath)),
      GameControl(Records->Stats) {
  GameControl.Sink = [this](const TGameEvent& event) { GameEvent(event); };
}

TSession::~TSession() {
  GameControl.Sink = nullptr;
}

void TSession::Error(const QString& text) {
  Dialogs.ErrorBox(Owner, text);
}

// --- the controller's reports ------------------------------------------------

void TSession::GameEvent(const TGameEvent& event) {
  struct TVisit {
    TSession& S;
    void operator()(const TSquareChange& change) const { S.Observer.SquareChanged(change); }
    void operator()(const TClueChange& change) const { S.Observer.ClueChanged(change); }
    void operator()(const TPhaseChange& change) const { S.Observer.PhaseChanged(change); }
    void operator()(const TClockChange& change) const { S.Observer.ClockChanged(change); }
    void operator()(const TStepTaken& taken) const { S.Observer.ExplainStep(taken); }
    void operator()(const TGameMessage& message) const {
      switch (message.Kind) {
        case TMessageKind::WrongChoice:
          S.Observer.ShowMessage(QCoreApplication::translate("Session", "Sorry, that is the wrong choice!"),
                                 message.Move);
          break;
        case TMessageKind::NoFurtherStep: {
          TGameController::TPauseGuard pause(S.GameControl);
          S.Dialogs.InfoBox(
              S.Owner, QCoreApplication::translate(
                           "Session", "The clues give no further step here, so this clue costs nothing."));
          break;
        }
      }
    }
    void operator()(const TSoundEvent& sound) const {
      if (S.Records->Prefs.SoundsOn) S.Observer.PlaySound(sound.Sound);
    }
    void operator()(const TPuzzleReplaced& replaced) const {
      if (S.Unseen) return;
      // A game opened is another puzzle to the front end.
      S.Observer.PuzzleChanged(replaced.How == TPuzzleChange::Loaded ? TPuzzleChange::New : replaced.How);
    }
    void operator()(const TCompleted& completed) const { S.Completed(completed.Finish); }
  };
  std::visit(TVisit{*this}, event);
}

// --- start and end -----------------------------------------------------------

void TSession::LoadScores() {
  if (const TScoreReadReport read = ScoreTable.Load(Path); !read.Ok()) Error(read.Error);
}

void TSession::LoadPlayers() {
  // Without Players/ no progress is ever kept; an installation that lost it
  // (or holds a plain file of that name) gets it back here.
  const QString savedGames = Records->PlayersFolder() + QStringLiteral("/Saved Games");
  if (!QDir().mkpath(savedGames)) {
    PlayersFolderMissing = true;
    Error(QCoreApplication::translate("Session",
                                      "Unable to create the folder %1.\r"
                                      "The players' progress and saved games cannot be kept.")
              .arg(QDir::toNativeSeparators(savedGames)));
  }
  Records->LoadPlayerList();
  if (const QString refused = Records->RefusedNamesMessage(); !refused.isEmpty()) Error(refused);
  Records->LoadProfile();
  TellReadMessages();
  PlayersLoaded = true;
}

void TSession::TellReadMessages() {
  for (const QString& message : Records->TakeReadMessages()) Error(message);
}

void TSession::StoreAtExit() {
  if (!PlayersLoaded || RecordsStored) return;
  RecordsStored = true;  // a signal under the error box below only ends the box
  const TResult stored = Records->StorePlayerList();
  // A missing Players folder was told at the start already.
  if (!stored && !(PlayersFolderMissing && stored.Error.contains(Records->PlayersFolder())))
    Error(stored.Error);
  // A score whose write failed at completion gets its last chance here.
  if (const TResult scores = ScoreTable.WriteUnwritten(); !scores) Error(scores.Error);
}

void TSession::StoreOnSignal() {
  if (!PlayersLoaded || RecordsStored) return;
  Observer.StoringProfile();
  if (const TResult stored = Records->StorePlayerList(); !stored) Tell(stored.Error);
  if (const TResult scores = ScoreTable.WriteUnwritten(); !scores) Tell(scores.Error);
  RecordsStored = true;
}

// --- puzzles -----------------------------------------------------------------

void TSession::SetUpCurrent(bool unseen) {
  // A hand-edited profile may name a size the list does not offer or a
  // number out of range; the nearest thing the game has is played, and kept.
  TPrefs& prefs = Records->Prefs;
  if (IndexForSize(prefs.PuzzleSize) < 0) prefs.PuzzleSize = DefaultBoardSize;
  prefs.PuzzleNumbers[prefs.PuzzleSize] = ClampPuzzleNumber(prefs.PuzzleNumbers[prefs.PuzzleSize]);
  GameControl.SetTimed(prefs.TimerOn);
  Unseen = unseen;
  GameControl.SetUp(prefs.PuzzleSize, prefs.PuzzleNumbers[prefs.PuzzleSize], prefs.Difficulty);
  Unseen = false;
}

void TSession::SetUpPuzzle() {
  SetUpCurrent();
}

void TSession::SetNumber(int number) {
  Records->Prefs.PuzzleNumbers[Records->Prefs.PuzzleSize] = ClampPuzzleNumber(number);
  SetUpPuzzle();
}

bool TSession::MayDropGame() {
  // A game just set up, opened or restarted loses nothing.
  return !GameControl.InProgress() || !GameControl.Moved() || OfferToSave();
}

void TSession::Next() {
  if (MayDropGame()) SetNumber(GameControl.Number() + 1);
}

void TSession::Previous() {
  if (MayDropGame()) SetNumber(GameControl.Number() - 1);
}

void TSession::GoTo(int number) {
  if (MayDropGame()) SetNumber(number);
}

bool TSession::AskPuzzleNumber() {
  QString text = QStringLiteral("1");
  if (!Dialogs.InputBox(Owner, QCoreApplication::translate("Session", "Enter Puzzle Number"),
                        QCoreApplication::translate("Session", "Enter a value between %1 and %2")
                            .arg(MinPuzzleNumber)
                            .arg(MaxPuzzleNumber),
                        text))
    return false;
  GoTo(ParsePuzzleNumber(text.toStdString()));
  return true;
}

void TSession::StepOn(int count) {
  if (!MayDropGame()) return;
  // Only the last puzzle is shown; the ones before are set up unseen.
  for (int i = 1; i < count; ++i) {
    Records->Prefs.PuzzleNumbers[Records->Prefs.PuzzleSize] = ClampPuzzleNumber(GameControl.Number() + 1);
    SetUpCurrent(true);
  }
  SetNumber(GameControl.Number() + 1);
}

void TSession::RandomJump() {
  if (!MayDropGame()) return;
  SetNumber(GameControl.RandomJumpNumber());
}

void TSession::PuzzleOfTheDay() {
  if (!MayDropGame()) return;
  const QDate today = Today();
  SetNumber(DailyPuzzleNumber(DailyDayOf(today.year(), today.month(), today.day())));
}

void TSession::SetSize(int size) {
  if (IndexForSize(size) < 0 || !MayDropGame()) return;
  Records->Prefs.PuzzleSize = size;
  SetUpPuzzle();
}

void TSession::PlayPuzzle(int size, int number, bool setUp) {
  if (IndexForSize(size) < 0 || (setUp && !MayDropGame())) return;
  Records->Prefs.PuzzleSize = size;
  Records->Prefs.PuzzleNumbers[size] = ClampPuzzleNumber(number);
  if (setUp) SetUpPuzzle();
}

void TSession::Restart() {
  GameControl.Restart();
}

void TSession::SetPaused(bool on) {
  GameControl.SetPaused(on);
}

// --- play --------------------------------------------------------------------

TPress TSession::Press(const TMove& move) {
  return GameControl.Press(move);
}

void TSession::PressedBesideCells() {
  GameControl.PressedBesideCells();
}

bool TSession::Tick() {
  // The switch may have changed in the options or with the player since.
  GameControl.SetTimed(Records->Prefs.TimerOn);
  return GameControl.Tick();
}

void TSession::Completed(const TFinish& finish) {
  Observer.StateChanged(TStateChange::Completed);
  if (const TResult written =
          ScoreTable.AddScore(Records->Prefs.PlayerName, finish.Number, finish.Size, finish.Time,
                              finish.Errors, finish.Clues, finish.Difficulty);
      !written)
    Error(written.Error);
}

TDeductionStep TSession::GiveClue() {
  if (!GameControl.MayGiveClue()) return {};
  SetShowHints(true);
  return GameControl.GiveClue();  // one step, explained as the engine takes it
}

void TSession::Prove() {
  GameControl.Prove();
}

void TSession::ToggleClue(bool vertical, int index) {
  GameControl.ToggleClue(vertical, index);
}

void TSession::ShowAllClues(bool vertical) {
  GameControl.ShowAllClues(vertical);
}

// --- switches and windows ----------------------------------------------------

void TSession::SetTimed(bool on) {
  Records->Prefs.TimerOn = on;
  Observer.StateChanged(TStateChange::Preferences);
}

void TSession::SetShowHints(bool on) {
  Records->Prefs.ShowHints = on;
  Observer.StateChanged(TStateChange::Preferences);
}

void TSession::SetZoom(bool on) {
  Records->Prefs.Zoom = on;
}

void TSession::ShowOptions() {
  {
    TGameController::TPauseGuard pause(GameControl);
    Dialogs.ShowOptions(Owner, *Records);
  }
  // The penalties and the score follow the difficulty chosen; the puzzle on
  // the board stays.
  GameControl.SetDifficulty(Records->Prefs.Difficulty);
  if (const TResult splash = Records->StoreShowSplash(); !splash) Error(splash.Error);
  // The dialog changed the preferences themselves.
  Observer.StateChanged(TStateChange::Preferences);
}

void TSession::ShowHighScores() {
  TGameController::TPauseGuard pause(GameControl, TGameController::TAfterModal::Stay);
  Dialogs.ShowHighScores(Owner, ScoreTable, Records->Prefs.PlayerName);
}

void TSession::ShowStatistics() {
  TGameController::TPauseGuard pause(GameControl);
  Dialogs.ShowStatistics(Owner, ScoreTable, Records->Prefs.PlayerName);
}

// --- saved games -------------------------------------------------------------

bool TSession::OfferToSave() {
  if (!GameControl.InProgress()) return true;
  TDialogs::TAnswer answer = TDialogs::TAnswer::Cancel;
  {
    TGameController::TPauseGuard pause(GameControl);  // the clock waits for the answer
    answer =
        Dialogs.YesNoCancel(Owner, QCoreApplication::translate("Session", "Do you want to save this game?"));
  }
  switch (answer) {
    case TDialogs::TAnswer::Yes:
      return Save();
    case TDialogs::TAnswer::No:
      return true;
    case TDialogs::TAnswer::Cancel:
      break;
  }
  return false;
}

bool TSession::Save() {
  if (!GameControl.InProgress()) return true;
  const TPrefs& prefs = Records->Prefs;
  const QString path =
      SavedGamePath(Records->PlayersFolder(), prefs.PlayerName, GameControl.Number(), GameControl.N());
  TSavedGame game = SavedGameOf(GameControl.Puzzle, GameControl.Number(), GameControl.Clock.ElapsedSeconds);
  game.Errors = Records->Stats.Errors;
  game.Clues = Records->Stats.Clues;
  const TResult written = WriteSavedGame(path, game);
  TGameController::TPauseGuard pause(GameControl);
  if (written)
    Dialogs.InfoBox(Owner, QCoreApplication::translate("Session", "Your game has been saved"));
  else
    Error(QCoreApplication::translate(
              "Session", "Could not save your game!\rPlease check the documentation for this message:\r%1")
              .arg(written.Error));
  return bool(written);
}

void TSession::SaveAndPause() {
  SetPaused(true);
  Save();
}

void TSession::Open() {
  TGameController::TPauseGuard pause(GameControl);
  const QString folder = QDir(Records->PlayersFolder()).filePath(QStringLiteral("Saved Games"));
  const QString file = Dialogs.ChooseOpenFile(
      Owner, folder,
      //: The open dialog's file type; "(*.sav)" stays as it is
      QCoreApplication::translate("Session", "Quillmere Saved Game (*.sav)"), QStringLiteral("sav"));
  // Cancelled or unreadable: the game on the board goes on as it was.
  if (file.isEmpty()) return;
  TSavedGame saved;
  if (const TResult read = ReadSavedGame(file, saved); !read) {
    Error(QCoreApplication::translate(
              "Session", "Could not load your game!\rPlease check the documentation for this message:\r%1")
              .arg(read.Error));
    return;
  }
  // Opening drops the game on the board.
  if (!MayDropGame()) return;
  // The file's owner plays it; a file no known player owns opens for the
  // current one.
  const QString owner =
      SavedGameOwner(QFileInfo(file).fileName(), Records->ListPlayerNames(), Records->Prefs.PlayerName);
  if (!owner.isEmpty() && owner.compare(Records->Prefs.PlayerName, Qt::CaseInsensitive) != 0) {
    StoreCurrentProfile();  // a failure is said; the game opens all the same
    LoadProfileOf(owner);
  }
  Records->Prefs.PuzzleSize = saved.Size;
  Records->Prefs.PuzzleNumbers[saved.Size] = saved.Number;
  ApplySavedGame(saved, GameControl.Puzzle);
  // A file of an earlier version counts neither: the counters stay as they were.
  TStats counters = GameControl.Stats();
  if (saved.Errors) counters.Errors = *saved.Errors;
  if (saved.Clues) counters.Clues = *saved.Clues;
  GameControl.Load(saved.Number, saved.Time, counters);
  TGameController::TPauseGuard wait(GameControl);  // the clock waits for the message
  Dialogs.InfoBox(Owner, QCoreApplication::translate("Session", "Your game has been loaded"));
}

// --- players -----------------------------------------------------------------

QString TSession::NewPlayerProblem(const QString& name) const {
  QString problem;
  if (!IsValidPlayerName(name, &problem)) return problem;
  for (const QString& known : Records->ListPlayerNames())
    if (known.compare(name, Qt::CaseInsensitive) == 0)
      return QCoreApplication::translate(
                 "Session", "There is already a player called \"%1\"; please choose another name.")
          .arg(known);
  return {};
}

void TSession::CreatePlayer() {
  QString name;
  if (!Dialogs.NewPlayerName(
          Owner, [this](const QString& n) { return NewPlayerProblem(n); }, name))
    return;
  if (OfferToSave() && StoreCurrentProfile()) StartNewPlayer(name);
}

bool TSession::StoreCurrentProfile() {
  Observer.StoringProfile();
  const TResult stored = Records->StoreProfile();
  if (!stored) Error(stored.Error);
  return bool(stored);
}

void TSession::StartNewPlayer(const QString& name) {
  Records->Prefs.PlayerName = name;
  Records->SetNewPlayerDefaults();
  if (const TResult stored = Records->StoreProfile(); !stored) Error(stored.Error);
  Records->PlayerList.append(name + QStringLiteral("=") + name);
  // The new player plays their own puzzle, with their own preferences.
  BecomePlayer(name, false);
}

void TSession::SwitchPlayer() {
  QString name;
  if (!Dialogs.ChoosePlayer(Owner, Records->ListPlayerNames(), name)) return;  // cancel changes nothing
  // The one playing already: nothing to save, nothing to reload.
  if (name.compare(Records->Prefs.PlayerName, Qt::CaseInsensitive) == 0) return;
  if (OfferToSave()) BecomePlayer(name, true);
}

void TSession::DeletePlayer() {
  const QString name = Records->Prefs.PlayerName;
  if (!Dialogs.Confirm(Owner,
                       QCoreApplication::translate(
                           "Session",
                           "Are you sure you want to delete the current player \"%1\" from the game?\r"
                           "Their saved games are deleted with them.")
                           .arg(name),
                       TDialogs::TButtons::OkCancel))
    return;
  if (const QStringList kept = RemoveSavedGamesOf(Records->PlayersFolder(), name, Records->ListPlayerNames());
      !kept.isEmpty())
    Error(QCoreApplication::translate("Session", "Unable to delete the saved games %1.")
              .arg(kept.join(QStringLiteral(", "))));
  if (const TResult scores = ScoreTable.DeletePlayerScores(name); !scores) Error(scores.Error);
  if (const TResult deleted = Records->DeletePlayer(name); !deleted) Error(deleted.Error);

  // Someone always plays on: the one chosen, else the first player left,
  // else a new guest.
  const QStringList names = Records->ListPlayerNames();
  QString next;
  if (!Dialogs.ChoosePlayer(Owner, names, next) || !names.contains(next)) next = names.value(0);
  if (next.isEmpty())
    StartNewPlayer(GuestName);
  else
    BecomePlayer(next, false);
}

void TSession::LoadProfileOf(const QString& name) {
  Records->Prefs.PlayerName = name;
  Records->LoadProfile();
  TellReadMessages();
  GameControl.SetDifficulty(Records->Prefs.Difficulty);
  Observer.StateChanged(TStateChange::Player);
}

void TSession::BecomePlayer(const QString& name, bool storeOld) {
  if (storeOld && !StoreCurrentProfile()) return;
  LoadProfileOf(name);
  SetUpPuzzle();
}
