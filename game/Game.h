#pragma once

#include "GameRules.h"
#include "DeductionStep.h"
#include "Prefs.h"
#include "Puzzle.h"
#include "SavedGame.h"
#include "ScoreTable.h"

#include <functional>

// Where the game in play stands. Setting up lasts while a puzzle is
// generated; the board is drawn and takes input in every other phase.
enum class TPhase {
  SettingUp,
  Playing,
  Paused,
  Finished,        // solved; the congratulations show
  FinishedPaused,  // solved, then paused
};

// The outcome of a press on a candidate, with the seconds a mis-click costs.
struct TPress {
  TPressResult Result = TPressResult::Ignored;
  int Penalty = 0;
};

// What one clock event did.
struct TTick {
  bool WholeSecond = false;  // a second passed: the labels are due
  bool Completed = false;    // the board is full: the puzzle is finished now
};

// The game in play, without any widget: the puzzle, the clock, the current
// player's counters and the phase. The window turns events into these calls
// and draws what they report.
class TGame {
 public:
  // prefs and stats are the current player's; play sounds a game sound (the
  // caller decides whether sounds are on).
  TGame(TPrefs& prefs, TStats& stats, std::function<void(TGameSound)> play);

  TPuzzle Puzzle;
  TGameClock Clock;

  TPhase Phase() const { return CurrentPhase; }
  bool BoardReady() const { return CurrentPhase != TPhase::SettingUp; }
  bool InProgress() const { return CurrentPhase == TPhase::Playing || CurrentPhase == TPhase::Paused; }
  bool Paused() const { return CurrentPhase == TPhase::Paused || CurrentPhase == TPhase::FinishedPaused; }
  bool Finished() const { return CurrentPhase == TPhase::Finished || CurrentPhase == TPhase::FinishedPaused; }
  // The clock runs only while a puzzle is played.
  bool ClockRuns() const { return CurrentPhase == TPhase::Playing; }
  int N() const { return Puzzle.Size(); }
  int Number() const { return Prefs.PuzzleNumbers[Prefs.PuzzleSize]; }
  // Every square of the board is solved.
  bool BoardSolved() const;

  // Generates the current size's current puzzle with the counters zeroed and
  // sounds off, then plays it from time 0. A size the size list does not
  // offer is played as 6, a number outside 1..999999 clamped first.
  void SetUpPuzzle();
  // A checked saved game takes the board's place and is played on from its
  // time; the counters keep their values. A full board comes back finished.
  void Load(const TSavedGame& saved);
  // The same puzzle from the start: every clue shown, the board reset, time
  // 0; the counters keep their values.
  void Restart();
  // A pause request; a finished puzzle pauses too, but its clock stays off.
  void SetPaused(bool on);

  // Presses on tile q of square (c, r); ignored while setting up or paused.
  // A mis-click counts an error and adds its penalty to the time.
  TPress LeftPress(int c, int r, int q);
  TPress RightPress(int c, int r, int q);

  // One event of the game clock. A full board completes only a game in
  // progress, so a late event after completion scores nothing.
  TTick Tick();
  // Ends the puzzle and gives its score; an untimed game's time is -1.
  TScore Complete();

  // Pauses a game that is not paused for the lifetime of the guard (a modal
  // window), and resumes it afterwards unless Keep() was called. OnChange
  // reports every phase change, so the window can start or stop its clock
  // and redraw.
  class TPauseGuard {
   public:
    explicit TPauseGuard(TGame& game);
    ~TPauseGuard();
    TPauseGuard(const TPauseGuard&) = delete;
    TPauseGuard& operator=(const TPauseGuard&) = delete;
    bool Paused() const { return DidPause; }  // this guard did the pausing
    void Keep() { Kept = true; }

   private:
    TGame& Game;
    bool DidPause = false;
    bool Kept = false;
  };
  std::function<void()> OnChange;

  // What the hint display shows: the clue each panel has outlined (-1 for
  // none, cleared with the clues) and the deduction step explained last.
  struct THints {
    int HighlightedHorizontal = -1;
    int HighlightedVertical = -1;
    bool HintIsVertical = false;  // the last step found by a clue came from a vertical one
    TDeductionStep LastStep;
    bool BoardArrowPlaced = false;  // the board arrow points at a square a step changed
  };
  THints Hints;
  // "Give me a clue!": one deduction step, explained through the puzzle's
  // observer as the engine takes it. It costs the clue penalty and counts a
  // clue whether or not a step was found.
  TDeductionStep GiveClue();
  // A step the engine has just explained.
  void StepExplained(const TDeductionStep& step);

 private:
  void SetPhase(TPhase phase);
  void ForgetClues();
  TPress MisClick();

  TPrefs& Prefs;
  TStats& Stats;
  std::function<void(TGameSound)> Play;
  TPhase CurrentPhase = TPhase::SettingUp;
};
