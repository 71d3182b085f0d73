#pragma once

#include "BoardPos.h"
#include "DeductionStep.h"
#include "GameRules.h"
#include "Puzzle.h"
#include "PuzzleObserver.h"
#include "RulePrefs.h"

#include <array>
#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

// Where the game in play stands. Setting up lasts while a puzzle is
// generated; the board is drawn and takes input in every other phase.
enum class TPhase {
  SettingUp,
  Playing,
  Paused,
  Finished,        // solved; the congratulations show
  FinishedPaused,  // solved, then paused
};

// Who holds a pause: the player (the pause command, or a window that leaves
// the game paused), or a window standing over the game for as long as it
// stands there.
enum class TPauseCause { None, Player, Window };

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

// How the puzzle on the board was replaced.
enum class TPuzzleChange {
  New,        // another puzzle set up
  Restarted,  // the same puzzle from the start
  Proved,     // the engine solved the board in front of the player
  Loaded,     // a saved game was put on the board
};

// --- what the controller reports ---------------------------------------------
// Plain values, so any front end can draw them, say them or send them on.

// Square (c, r) changed: its candidates now (bit t for tile t), whether it is
// solved (Tile is then its tile), and what this change did to it.
struct TSquareChange {
  TBoardPos Square;
  std::uint16_t Candidates = 0;
  bool Solved = false;
  int Tile = 0;                // the square's tile once solved, else 0
  std::uint16_t Removed = 0;   // candidates this change took away
  std::uint16_t Restored = 0;  // candidates this change brought back
  bool JustSolved = false;     // solved by this change
  // For the square the player pressed: what the press did and its tile
  // (Ignored and 0 for every other square).
  TPressResult Press = TPressResult::Ignored;
  int PressedTile = 0;
};

// A clue of one panel was hidden or shown; Index -1: every clue of the panel
// is shown.
struct TClueChange {
  bool Vertical = false;
  int Index = -1;
  bool Shown = true;
};

// The phase changed; Cause says who holds a pause (None while not paused).
struct TPhaseChange {
  TPhase Phase = TPhase::SettingUp;
  TPauseCause Cause = TPauseCause::None;
};

// What a penalty was for.
enum class TPenalty { None, MisClick, Clue };

// The clock: a whole second passed, or a penalty was just added.
struct TClockChange {
  int Seconds = 0;  // the game's time now, penalties included
  int Penalty = 0;  // the seconds just added, 0 for a plain tick
  TPenalty For = TPenalty::None;
};

// "Give me a clue!" took this step; Squares are the squares it changed.
// Step.Clue points into the clue list for the while the event is delivered.
struct TStepTaken {
  TDeductionStep Step;
  std::vector<TBoardPos> Squares;
};

// A message for the player: a mis-click (shown near the cell pressed), or
// "Give me a clue!" finding no step (it then costs nothing).
enum class TMessageKind { WrongChoice, NoFurtherStep };
struct TGameMessage {
  TMessageKind Kind = TMessageKind::WrongChoice;
  TMove Move;  // the press, for a wrong choice
};

struct TSoundEvent {
  TGameSound Sound = TGameSound::Click;
};

struct TPuzzleReplaced {
  TPuzzleChange How = TPuzzleChange::New;
};

struct TCompleted {
  TFinish Finish;
};

using TGameEvent = std::variant<TSquareChange, TClueChange, TPhaseChange, TClockChange, TStepTaken,
                                TGameMessage, TSoundEvent, TPuzzleReplaced, TCompleted>;

// The game in play in standard C++, the one owner of its state and of every
// command of play: set-up, presses, "Give me a clue!", the pause and who may
// end it, the clock with its penalties, the clues hidden and shown, the hint
// highlights and completion. Every front end drives it and draws what its
// events report; sounds are reported always (the front end decides whether
// to play them), except while a puzzle is generated.
class TGameController : private TPuzzleObserver {
 public:
  // stats are the counters of the puzzle in play (kept where the owner wants
  // them, e.g. with the player's records).
  explicit TGameController(TStats& stats);
  ~TGameController() override;
  TGameController(const TGameController&) = delete;
  TGameController& operator=(const TGameController&) = delete;

  // Every event goes here, in the order things happen.
  std::function<void(const TGameEvent&)> Sink;

  // The state, for every front end to read. Commands below change it; a
  // front end writes it only to put a saved game's board and clues in place
  // before Load.
  TPuzzle Puzzle;
  TGameClock Clock;

  TPhase Phase() const { return CurrentPhase; }
  bool BoardReady() const { return CurrentPhase != TPhase::SettingUp; }
  bool InProgress() const { return CurrentPhase == TPhase::Playing || CurrentPhase == TPhase::Paused; }
  bool Paused() const { return CurrentPhase == TPhase::Paused || CurrentPhase == TPhase::FinishedPaused; }
  bool Finished() const { return CurrentPhase == TPhase::Finished || CurrentPhase == TPhase::FinishedPaused; }
  // Paused by the player (or left paused by a window that keeps it so), not
  // only for the while a window stands over the game: what the pause button
  // shows, and the one pause the player may end.
  bool PlayerPaused() const { return Paused() && PlayerPause; }
  TPauseCause PauseCause() const;
  // The clock runs only while a puzzle is played.
  bool ClockRuns() const { return CurrentPhase == TPhase::Playing; }
  // "Give me a clue!" works only while a puzzle is played, not paused or
  // after the end.
  bool MayGiveClue() const { return CurrentPhase == TPhase::Playing; }
  int N() const { return Puzzle.Size(); }
  int Number() const { return CurrentNumber; }
  int Difficulty() const { return CurrentDifficulty; }
  TPenalties Penalties() const { return PenaltiesFor(CurrentDifficulty); }
  const TStats& Stats() const { return Counters; }
  // Every square of the board is solved.
  bool BoardSolved() const;
  // The player has done something in this game since it was set up, opened
  // or restarted: a press that changed the board or cost a penalty, or a
  // clue taken. Dropping such a game loses work.
  bool Moved() const { return HasMoves; }

  // --- commands ---------------------------------------------------------------
  // Generates puzzle number of size at difficulty 0..10 with the counters
  // zeroed and no sound, then plays it from time 0. A size the size list
  // does not offer is played as the default size, a number outside
  // 1..999999 clamped first: Number() and N() say what is played.
  void SetUp(int size, int number, int difficulty);
  // A saved game of puzzle number was put into Puzzle: it is played on from
  // seconds, with its counters; a full board comes back finished.
  void Load(int number, int seconds, const TStats& counters);
  // The same puzzle from the start: every clue shown, the board reset, time
  // 0; the counters keep their values.
  void Restart();
  // The difficulty the penalties and the score take from now on (the
  // puzzle on the board stays as it is).
  void SetDifficulty(int difficulty);
  // Whether time counts: an untimed game completes with the time -1.
  void SetTimed(bool on) { Timed = on; }

  // The player's pause request; a finished puzzle pauses too, but its clock
  // stays off. A pause a window holds is the window's to end.
  void SetPaused(bool on);

  // The one way a press changes the board; ignored while setting up or
  // paused. A mis-click counts an error, adds its penalty to the time and
  // says so; every square solved counts in the puzzle's SolvedCount.
  TPress Press(const TMove& move);
  // A press on the board that hit no cell ends the message near the pointer.
  void PressedBesideCells();
  // The front end shows a note of its own near the pointer: it stays as long
  // as a mis-click's message.
  void MessageShown() { Clock.MessageAge = 0; }

  // One event of the game clock while it runs (an event while it is off
  // counts nothing): a whole second reported, and a full board of a game in
  // progress completes it (once: a late event scores nothing).
  // True when the message near the pointer has had its time.
  bool Tick();

  // "Give me a clue!": one deduction step while a game is played, explained
  // as the engine takes it. A step found costs the clue penalty and counts a
  // clue; when the clues give no step, it is said and costs nothing.
  TDeductionStep GiveClue();
  // The engine solves the board (a game being played only).
  void Prove();
  // Hides or shows clue index of a panel (not while paused).
  void ToggleClue(bool vertical, int index);
  void ShowAllClues(bool vertical);

  // The number the random jump goes to, drawn from the puzzle's own random
  // source, so the same puzzle jumps along the same numbers everywhere.
  int RandomJumpNumber() { return static_cast<int>(Puzzle.Random.Random(MaxPuzzleNumber)) + 1; }

  // --- the hint display -----------------------------------------------------
  // The clue each panel has outlined (-1 for none, cleared with the clues)
  // and the deduction step explained last. The kept step names its clue by
  // list and index only (its Clue pointer is always null).
  struct THints {
    int HighlightedHorizontal = -1;
    int HighlightedVertical = -1;
    bool HintIsVertical = false;  // the last step found by a clue came from a vertical one
    TDeductionStep LastStep;
    bool BoardArrowPlaced = false;  // the board arrow points at a square a step changed
  };
  const THints& Hints() const { return HintState; }
  // The panel outlines clue index (-1: none); the one outlined before is
  // returned.
  int OutlineClue(bool vertical, int index);
  // The clue a step names, or nullptr.
  const TClue* ClueOf(const TDeductionStep& step) const;

  // The one way the game pauses around a modal window: for the lifetime of
  // the guard a game that is not paused is paused, so the clock does not
  // run under the window. Resume plays on afterwards; Stay leaves the game
  // paused until the player resumes it, and pauses only a game in progress.
  enum class TAfterModal { Resume, Stay };
  class TPauseGuard {
   public:
    explicit TPauseGuard(TGameController& game, TAfterModal after = TAfterModal::Resume);
    ~TPauseGuard();
    TPauseGuard(const TPauseGuard&) = delete;
    TPauseGuard& operator=(const TPauseGuard&) = delete;
    bool Paused() const { return DidPause; }  // this guard did the pausing

   private:
    TGameController& Game;
    bool DidPause = false;
    bool Resume = true;
  };

 private:
  // TPuzzleObserver: the engine's reports while it works on the board.
  void DrawSquare(int c, int r) override;
  void PopSound() override;
  void ExplainStep(const TDeductionStep& step) override;

  void Emit(const TGameEvent& event);
  void Sound(TGameSound sound);
  void SetPhase(TPhase phase);
  // The phase of a game playing (or finished) while the pauses held now
  // stand.
  TPhase PhaseFor(bool finished) const;
  // The phase after a pause was taken or ended; before: who held it.
  void ApplyPause(TPauseCause before);
  void ForgetClues();
  void AddPenalty(int seconds, TPenalty what);
  TPress MisClick(const TMove& move);
  TPress LeftPress(const TMove& move);
  TPress RightPress(const TMove& move);
  void Complete();
  // The board as the last report left it, so each square's report says what
  // changed; taken at the start of every command that changes squares.
  void NoteBoard();
  void ReportSquare(int c, int r, TPressResult press = TPressResult::Ignored, int tile = 0);

  TStats& Counters;
  TPhase CurrentPhase = TPhase::SettingUp;
  int CurrentNumber = 1;
  int CurrentDifficulty = 0;
  bool Timed = true;
  bool HasMoves = false;
  bool PlayerPause = false;  // the player holds a pause
  int WindowPauses = 0;      // guards holding a pause they will end
  THints HintState;
  std::array<std::uint16_t, MaxBoardSize * MaxBoardSize> Before{};
  std::array<bool, MaxBoardSize * MaxBoardSize> BeforeSolved{};
  std::vector<TBoardPos> StepSquares;  // what the step being taken changed so far
};
