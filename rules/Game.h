#pragma once

#include "DeductionStep.h"
#include "GameRules.h"
#include "Puzzle.h"
#include "RulePrefs.h"

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

// A press on the board as a value: tile q's cell of square (c, r), 1-based,
// with the left button (place the tile) or the right one (remove it, or
// bring it back).
enum class TButton { Left, Right };
struct TMove {
  int c = 0, r = 0, q = 0;
  TButton Button = TButton::Left;
};

// The outcome of a press on a candidate, with the seconds a mis-click costs.
struct TPress {
  TPressResult Result = TPressResult::Ignored;
  int Penalty = 0;
};

// A finished puzzle as the score table takes it; an untimed game's time is -1.
struct TFinish {
  int Number = 0;
  int Size = 0;
  int Time = 0;
  int Errors = 0;
  int Clues = 0;
  int Difficulty = 0;

  bool operator==(const TFinish&) const = default;
};

// What one clock event did.
struct TTick {
  bool WholeSecond = false;  // a second passed: the labels are due
  bool Completed = false;    // the board is full: the puzzle is finished now
};

// The game in play in standard C++: the puzzle, the clock, the current
// player's counters and the phase. The session turns commands into these
// calls and tells its front end what they changed.
class TGame {
 public:
  // prefs and stats are the current player's; play sounds a game sound (the
  // caller decides whether sounds are on).
  TGame(TRulePrefs& prefs, TStats& stats, std::function<void(TGameSound)> play);

  TPuzzle Puzzle;
  TGameClock Clock;

  TPhase Phase() const { return CurrentPhase; }
  bool BoardReady() const { return CurrentPhase != TPhase::SettingUp; }
  bool InProgress() const { return CurrentPhase == TPhase::Playing || CurrentPhase == TPhase::Paused; }
  bool Paused() const { return CurrentPhase == TPhase::Paused || CurrentPhase == TPhase::FinishedPaused; }
  bool Finished() const { return CurrentPhase == TPhase::Finished || CurrentPhase == TPhase::FinishedPaused; }
  // Paused by the player (or left paused by a window that keeps it so), not
  // only for the while a window stands over the game: what the pause button
  // shows.
  bool PlayerPaused() const { return Paused() && ModalPauses == 0; }
  // The clock runs only while a puzzle is played.
  bool ClockRuns() const { return CurrentPhase == TPhase::Playing; }
  int N() const { return Puzzle.Size(); }
  int Number() const { return Prefs.PuzzleNumbers[Prefs.PuzzleSize]; }
  // Every square of the board is solved.
  bool BoardSolved() const;
  // The player has done something in this game since it was set up, opened
  // or restarted: a press that changed the board or cost a penalty, or a
  // clue taken. Dropping such a game loses work.
  bool Moved() const { return HasMoves; }

  // Generates the current size's current puzzle with the counters zeroed and
  // sounds off, then plays it from time 0. A size the size list does not
  // offer is played as 6, a number outside 1..999999 clamped first.
  void SetUpPuzzle();
  // A saved game was put on the board (puzzle number of size, seconds
  // played): it is played on from its time; the counters keep their values.
  // A full board comes back finished.
  void Load(int size, int number, int seconds);
  // The same puzzle from the start: every clue shown, the board reset, time
  // 0; the counters keep their values.
  void Restart();
  // A pause request; a finished puzzle pauses too, but its clock stays off.
  void SetPaused(bool on);

  // The one way a press changes the board; ignored while setting up or
  // paused. A mis-click counts an error and adds its penalty to the time;
  // every square solved counts in the puzzle's SolvedCount.
  TPress Press(const TMove& move);

  // One event of the game clock. A full board completes only a game in
  // progress, so a late event after completion scores nothing.
  TTick Tick();
  // Ends the puzzle and gives its score; an untimed game's time is -1.
  TFinish Complete();

  // The one way the game pauses around a modal window: for the lifetime of
  // the guard a game that is not paused is paused, so the clock does not
  // run under the window. Resume plays on afterwards; Stay leaves the game
  // paused until the player resumes it, and pauses only a game in
  // progress. OnChange reports every phase change, so the front end can
  // start or stop its clock and redraw.
  enum class TAfterModal { Resume, Stay };
  class TPauseGuard {
   public:
    explicit TPauseGuard(TGame& game, TAfterModal after = TAfterModal::Resume);
    ~TPauseGuard();
    TPauseGuard(const TPauseGuard&) = delete;
    TPauseGuard& operator=(const TPauseGuard&) = delete;
    bool Paused() const { return DidPause; }  // this guard did the pausing

   private:
    TGame& Game;
    bool DidPause = false;
    bool Resume = true;
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
  // observer as the engine takes it. A step found costs the clue penalty and
  // counts a clue; when the clues give no step, it costs nothing.
  TDeductionStep GiveClue();
  // A step the engine has just explained.
  void StepExplained(const TDeductionStep& step);

 private:
  void SetPhase(TPhase phase);
  void ForgetClues();
  TPress MisClick();
  TPress LeftPress(int c, int r, int q);
  TPress RightPress(int c, int r, int q);

  TRulePrefs& Prefs;
  TStats& Stats;
  std::function<void(TGameSound)> Play;
  TPhase CurrentPhase = TPhase::SettingUp;
  bool HasMoves = false;
  int ModalPauses = 0;  // guards holding a pause they will undo
};
