#pragma once

#include "Dialogs.h"
#include "GameController.h"
#include "ScoreTable.h"
#include "Settings.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// What else changed.
enum class TStateChange {
  Preferences,  // the current player's switches (hints, zoom, timed game)
  Player,       // another player plays: their name, preferences and window sizes
  Completed,    // the puzzle was just solved
};

// How the session tells its front end what changed; the front end draws it.
// The game's own events come as the controller reports them.
class TSessionObserver {
 public:
  virtual ~TSessionObserver() = default;
  // Another puzzle (set up or opened from a saved game: New), the same from
  // the start, or the board proved.
  virtual void PuzzleChanged(TPuzzleChange change) = 0;
  // A square changed (a press, the row rules after it, or a step the engine
  // took): its candidates now and what the change did.
  virtual void SquareChanged(const TSquareChange& change) = 0;
  // A clue of a panel was hidden or shown (Index -1: every clue shown).
  virtual void ClueChanged(const TClueChange& change) = 0;
  // Playing, paused (and by whom), finished: the clock starts or stops.
  virtual void PhaseChanged(const TPhaseChange& change) = 0;
  // A whole second passed, or a penalty was added: the labels are due.
  virtual void ClockChanged(const TClockChange& change) = 0;
  virtual void StateChanged(TStateChange change) = 0;
  // A mis-click's message, to show near the cell pressed.
  virtual void ShowMessage(const QString& text, const TMove& move) = 0;
  // The engine has just explained a step of "Give me a clue!".
  virtual void ExplainStep(const TStepTaken& taken) = 0;
  // Sounds only come while the current player has them on.
  virtual void PlaySound(TGameSound sound) = 0;
  // The profile is about to be stored: the front end puts its window sizes
  // into the settings.
  virtual void StoringProfile() {}
};

// The game session: the player's records (settings, score table), the
// texts and the dialogs around the game controller, which it drives: it
// passes the puzzle the preferences name, keeps the number played in them,
// turns the controller's messages into texts and its events into the
// observer's calls. It links Qt Core and the lower layers, no widgets;
// questions go through TDialogs. A front end turns events into these calls.
class TSession {
 public:
  // recordsPath names the players file, Players/ and the score files.
  TSession(const QString& recordsPath, TDialogs& dialogs, TSessionObserver& observer);
  ~TSession();
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  // The window the session's questions stand over (never dereferenced here).
  void SetDialogOwner(QWidget* owner) { Owner = owner; }

  TSettings& Settings() { return *Records; }
  const TSettings& Settings() const { return *Records; }
  TPrefs& Prefs() { return Records->Prefs; }
  const TPrefs& Prefs() const { return Records->Prefs; }
  TScoreTable& Scores() { return ScoreTable; }
  // The game in play, to read; its commands go through the session's own
  // or, where the session adds nothing, through Controller().
  const TGameController& Game() const { return GameControl; }
  TGameController& Controller() { return GameControl; }
  const QString& RecordsPath() const { return Path; }

  // --- start and end -------------------------------------------------------
  void LoadScores();
  // Players/ (made when missing), the players file and the current profile;
  // every problem is told.
  void LoadPlayers();
  // Stores the players file, the profile and a score whose write failed, once:
  // at the exit with message boxes, on a signal or a lost display on the
  // terminal (nobody may be there to answer a box).
  void StoreAtExit();
  void StoreOnSignal();

  // --- puzzles -------------------------------------------------------------
  void SetUpPuzzle();  // the current size's current number: at the start, for a player
  // The commands from here to PlayPuzzle (and Open) replace the puzzle on
  // the board: each first offers to save a game in progress with a move in
  // it, and Cancel, or a save that failed, keeps the game untouched.
  void Next();
  void Previous();
  void GoTo(int number);
  bool AskPuzzleNumber();  // the go-to box; false for Cancel
  // Steps on count puzzles, setting up each, and shows the last.
  void StepOn(int count);
  void RandomJump();
  void PuzzleOfTheDay();
  void SetSize(int size);
  // Puzzle number of board size (a size the list offers; others are
  // ignored), which becomes that size's current number as with Go To; with
  // setUp false only the preferences change.
  void PlayPuzzle(int size, int number, bool setUp = true);
  void Restart();
  void SetPaused(bool on);

  // --- play ----------------------------------------------------------------
  TPress Press(const TMove& move);
  // A press on the board that hit no cell still ends the message near the
  // pointer.
  void PressedBesideCells();
  // The front end shows a note of its own near the pointer (what a key
  // asked for): it stays as long as a mis-click's message.
  void MessageShown() { GameControl.MessageShown(); }
  // One clock event: the labels when a second passed, completion when the
  // board is full. True when the message near the pointer has had its time.
  bool Tick();
  // "Give me a clue!": hints on, one step at the clue penalty. Nothing while
  // paused or after the end; when the clues give no step, the player is
  // told and it costs nothing.
  TDeductionStep GiveClue();
  // The engine solves the board (a game being played only).
  void Prove();
  void ToggleClue(bool vertical, int index);
  void ShowAllClues(bool vertical);

  // --- switches and windows ------------------------------------------------
  void SetTimed(bool on);
  void SetShowHints(bool on);
  void SetZoom(bool on);
  void ShowOptions();
  void ShowHighScores();  // leaves a game in progress paused
  void ShowStatistics();

  // --- saved games ---------------------------------------------------------
  // Offers to save a game in progress before it is dropped (Yes, No or
  // Cancel); false for Cancel or a save that failed: the game stays (the
  // player may retry or decline).
  bool OfferToSave();
  // Whether the game on the board may be replaced: nothing in it would be
  // lost, or OfferToSave let it go.
  bool MayDropGame();
  // Saves a game in progress; false (and said) when the file could not be
  // written.
  bool Save();
  void SaveAndPause();  // the toolbar's save leaves the game paused
  void Open();

  // --- players -------------------------------------------------------------
  void CreatePlayer();
  void SwitchPlayer();
  void DeletePlayer();
  // Why a new player cannot take name, or nothing when it can.
  QString NewPlayerProblem(const QString& name) const;

  // The local date the puzzle of the day is taken from; tests set their own.
  std::function<QDate()> Today = [] { return QDate::currentDate(); };

 private:
  // What the controller reports.
  void GameEvent(const TGameEvent& event);
  // The current size's current number set up; shown unless unseen.
  void SetUpCurrent(bool unseen = false);
  void SetNumber(int number);
  void Completed(const TFinish& finish);
  // Makes name the current player: the old profile stored first (unless it
  // was just deleted), the new one loaded and its puzzle set up.
  void BecomePlayer(const QString& name, bool storeOld);
  bool StoreCurrentProfile();  // false (and said) when it fails
  void StartNewPlayer(const QString& name);
  void LoadProfileOf(const QString& name);
  void TellReadMessages();
  void Error(const QString& text);

  QString Path;
  TDialogs& Dialogs;
  TSessionObserver& Observer;
  QWidget* Owner = nullptr;
  std::unique_ptr<TSettings> Records;
  TGameController GameControl;
  TScoreTable ScoreTable;
  bool Unseen = false;  // a puzzle set up on the way to another is not shown
  bool PlayersLoaded = false;
  bool RecordsStored = false;
  // Players/ could not be made at start; said then, and not again at the exit.
  bool PlayersFolderMissing = false;
};
