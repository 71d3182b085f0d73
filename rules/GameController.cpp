#include "GameController.h"

namespace {
std::size_t Slot(int c, int r) {
  return std::size_t((c - 1) * MaxBoardSize + (r - 1));
}
}  // namespace

TGameController::TGameController(TStats& stats) : Counters(stats) {
  Puzzle.ClearClues();
  Puzzle.SetObserver(this);
}

TGameController::~TGameController() {
  Sink = nullptr;
  Puzzle.SetObserver(nullptr);
  Puzzle.ClearClues();
}

void TGameController::Emit(const TGameEvent& event) {
  if (Sink) Sink(event);
}

void TGameController::Sound(TGameSound sound) {
  // Generation is silent.
  if (BoardReady()) Emit(TSoundEvent{sound});
}

TPauseCause TGameController::PauseCause() const {
  if (!Paused()) return TPauseCause::None;
  return PlayerPause ? TPauseCause::Player : TPauseCause::Window;
}

void TGameController::SetPhase(TPhase phase) {
  if (CurrentPhase == phase) return;
  CurrentPhase = phase;
  Emit(TPhaseChange{CurrentPhase, PauseCause()});
}

TPhase TGameController::PhaseFor(bool finished) const {
  const bool paused = PlayerPause || WindowPauses > 0;
  if (finished) return paused ? TPhase::FinishedPaused : TPhase::Finished;
  return paused ? TPhase::Paused : TPhase::Playing;
}

void TGameController::ApplyPause(TPauseCause before) {
  if (CurrentPhase == TPhase::SettingUp) return;
  const TPhase phase = PhaseFor(Finished());
  if (phase != CurrentPhase)
    SetPhase(phase);
  else if (PauseCause() != before)  // still paused, but another holds the pause now
    Emit(TPhaseChange{CurrentPhase, PauseCause()});
}

// --- the engine's reports ------------------------------------------------------

void TGameController::NoteBoard() {
  for (int c = 1; c <= MaxBoardSize; ++c)
    for (int r = 1; r <= MaxBoardSize; ++r) {
      const TSquare& square = Puzzle.Square(c, r);
      Before[Slot(c, r)] = square.remaining();
      BeforeSolved[Slot(c, r)] = square.IsSolved();
    }
}

void TGameController::ReportSquare(int c, int r, TPressResult press, int tile) {
  // Nothing is drawn while a puzzle is generated.
  if (!BoardReady() || c < 1 || c > MaxBoardSize || r < 1 || r > MaxBoardSize) return;
  const TSquare& square = Puzzle.Square(c, r);
  const std::size_t slot = Slot(c, r);
  TSquareChange change;
  change.Square = {c, r};
  change.Candidates = square.remaining();
  change.Solved = square.IsSolved();
  change.Tile = change.Solved ? square.localindex() : 0;
  change.Removed = static_cast<std::uint16_t>(Before[slot] & ~change.Candidates);
  change.Restored = static_cast<std::uint16_t>(change.Candidates & ~Before[slot]);
  change.JustSolved = change.Solved && !BeforeSolved[slot];
  change.Press = press;
  change.PressedTile = tile;
  Before[slot] = change.Candidates;
  BeforeSolved[slot] = change.Solved;
  Emit(change);
}

void TGameController::DrawSquare(int c, int r) {
  if (!BoardReady()) return;
  StepSquares.push_back({c, r});
  ReportSquare(c, r);
}

void TGameController::PopSound() {
  Sound(TGameSound::Pop);
}

void TGameController::ExplainStep(const TDeductionStep& step) {
  if (step.Rule == TDeductionStep::TRule::Clue) HintState.HintIsVertical = step.IsVertical();
  // The board arrow points at the square a step changed; the two-places
  // rule names no single square.
  if (step.ChangedSquare)
    HintState.BoardArrowPlaced = true;
  else if (step.Rule == TDeductionStep::TRule::TwoPlaces)
    HintState.BoardArrowPlaced = false;
  HintState.LastStep = step;
  HintState.LastStep.Clue = nullptr;  // kept by list and index: the lists may be replaced
  Emit(TStepTaken{step, StepSquares});
  StepSquares.clear();
}

// --- puzzles -----------------------------------------------------------------

void TGameController::SetUp(int size, int number, int difficulty) {
  if (IndexForSize(size) < 0) size = DefaultBoardSize;
  CurrentNumber = ClampPuzzleNumber(number);
  CurrentDifficulty = difficulty;
  PlayerPause = false;  // a new puzzle plays at once (once a window over it goes)
  SetPhase(TPhase::SettingUp);
  Counters = TStats{};  // a new puzzle counts its own errors and clues
  Puzzle.SetUp(size, static_cast<std::uint32_t>(CurrentNumber), difficulty);
  ForgetClues();
  Clock.Reset();
  HasMoves = false;
  SetPhase(PhaseFor(false));
  Emit(TPuzzleReplaced{TPuzzleChange::New});
}

void TGameController::Load(int number, int seconds, const TStats& counters) {
  CurrentNumber = ClampPuzzleNumber(number);
  Clock.ElapsedSeconds = seconds;
  Counters = counters;
  ForgetClues();
  HasMoves = false;  // the file holds everything done so far
  PlayerPause = false;
  // A board saved full was finished and scored already: shown, not scored again.
  SetPhase(PhaseFor(BoardSolved()));
  Emit(TPuzzleReplaced{TPuzzleChange::Loaded});
}

void TGameController::Restart() {
  for (TClue& clue : Puzzle.VerticalClues) clue.setShown(true);
  for (TClue& clue : Puzzle.HorizontalClues) clue.setShown(true);
  Puzzle.ResetBoard();
  Clock.Reset();
  HasMoves = false;
  PlayerPause = false;
  SetPhase(PhaseFor(false));
  Emit(TPuzzleReplaced{TPuzzleChange::Restarted});
}

void TGameController::SetDifficulty(int difficulty) {
  CurrentDifficulty = difficulty;
}

void TGameController::SetPaused(bool on) {
  if (!BoardReady()) return;
  const TPauseCause before = PauseCause();
  PlayerPause = on;
  ApplyPause(before);
}

// --- play --------------------------------------------------------------------

void TGameController::AddPenalty(int seconds, TPenalty what) {
  if (seconds <= 0) return;
  Clock.Add(seconds);
  Emit(TClockChange{Clock.ElapsedSeconds, seconds, what});
}

TPress TGameController::MisClick(const TMove& move) {
  ++Counters.Errors;
  Clock.MessageAge = 0;
  Emit(TGameMessage{TMessageKind::WrongChoice, move});
  Sound(TGameSound::Error);
  const int penalty = Penalties().MisClick;
  AddPenalty(penalty, TPenalty::MisClick);
  return {TPressResult::MisClick, penalty};
}

TPress TGameController::Press(const TMove& move) {
  if (!BoardReady() || Paused()) return {};
  PressedBesideCells();
  if (move.c < 1 || move.c > N() || move.r < 1 || move.r > N() || move.q < 1 || move.q > N()) return {};
  NoteBoard();
  StepSquares.clear();
  const TPress press = move.Button == TButton::Left ? LeftPress(move) : RightPress(move);
  StepSquares.clear();
  switch (press.Result) {
    case TPressResult::Ignored:
    case TPressResult::MisClick:
      break;
    case TPressResult::Placed:
    case TPressResult::Removed:
    case TPressResult::RemovedAndSolved:
    case TPressResult::Restored:
    case TPressResult::RedrawOnly:
      // The square pressed comes last, after the squares its row changed.
      ReportSquare(move.c, move.r, press.Result, move.q);
      break;
  }
  if (press.Result != TPressResult::Ignored && press.Result != TPressResult::RedrawOnly) HasMoves = true;
  return press;
}

void TGameController::PressedBesideCells() {
  if (!Paused()) Clock.MessageAge = 999;
}

TPress TGameController::LeftPress(const TMove& move) {
  const int c = move.c, r = move.r, q = move.q;
  TSquare& sq = Puzzle.Square(c, r);
  if (sq.IsSolved()) return {};
  if (q == sq.localindex()) {
    Sound(TGameSound::Pop);
    sq.Solve();
    ++Puzzle.SolvedCount;
    Puzzle.RemoveFromRow(c, r, q);
    return {TPressResult::Placed};
  }
  if (!sq.HasCandidate(q)) return {};
  return MisClick(move);
}

TPress TGameController::RightPress(const TMove& move) {
  const int c = move.c, r = move.r, q = move.q;
  TSquare& sq = Puzzle.Square(c, r);
  if (sq.IsSolved()) return {};
  if (q == sq.localindex()) return MisClick(move);
  if (sq.HasCandidate(q)) {
    sq.RemoveCandidate(q);
    Sound(TGameSound::Click);
    bool solved = false;
    if (sq.IsSingle()) {
      Sound(TGameSound::Pop);
      const int U = sq.localindex();
      sq.Solve();
      ++Puzzle.SolvedCount;
      Puzzle.RemoveFromRow(c, r, U);
      solved = true;
    }
    Puzzle.CheckRow(r);
    return {solved ? TPressResult::RemovedAndSolved : TPressResult::Removed};
  }
  // A tile placed elsewhere in the row cannot come back here.
  for (int X = 1; X <= Puzzle.Size(); ++X) {
    const TSquare& owner = Puzzle.Square(X, r);
    if (owner.localindex() == q && owner.IsSolved()) return {TPressResult::RedrawOnly};
  }
  Sound(TGameSound::Click);
  sq.AddCandidate(q);
  return {TPressResult::Restored};
}

bool TGameController::Tick() {
  // A tick that comes while the clock is off (paused, finished, a late
  // timer event) counts nothing, whether or not the front end stops its timer.
  if (!ClockRuns()) return false;
  if (Clock.Tick()) Emit(TClockChange{Clock.ElapsedSeconds});
  const bool messageDone = Clock.MessageAge > 3;
  // A full board completes only a game in progress, so a late event after
  // completion scores nothing.
  if (InProgress() && Puzzle.SolvedCount >= N() * N() && BoardSolved()) {
    Emit(TClockChange{Clock.ElapsedSeconds});
    Complete();
  }
  return messageDone;
}

bool TGameController::BoardSolved() const {
  // Every square, not the counter: a square solved twice must not stand in
  // for one never solved.
  for (int c = 1; c <= N(); ++c)
    for (int r = 1; r <= N(); ++r)
      if (!Puzzle.Square(c, r).IsSolved()) return false;
  return true;
}

void TGameController::Complete() {
  PlayerPause = false;
  SetPhase(PhaseFor(true));  // the clock stops
  if (!Timed) Clock.ElapsedSeconds = -1;
  Sound(TGameSound::Complete);
  Emit(TCompleted{{.Number = Number(),
                   .Size = N(),
                   .Time = Clock.ElapsedSeconds,
                   .Errors = Counters.Errors,
                   .Clues = Counters.Clues,
                   .Difficulty = CurrentDifficulty}});
}

TDeductionStep TGameController::GiveClue() {
  if (!MayGiveClue()) return {};
  NoteBoard();
  StepSquares.clear();
  const TDeductionStep step = Puzzle.Deduce(false, true);  // explained as the engine takes it
  StepSquares.clear();
  if (!step.Found()) {
    Emit(TGameMessage{TMessageKind::NoFurtherStep, {}});
    return step;
  }
  ++Counters.Clues;
  HasMoves = true;
  AddPenalty(Penalties().Clue, TPenalty::Clue);
  return step;
}

void TGameController::Prove() {
  // Solving the board in front of a paused or finished game would show or
  // change what is not in play.
  if (!ClockRuns()) return;
  NoteBoard();
  Puzzle.Prove();
  StepSquares.clear();
  Emit(TPuzzleReplaced{TPuzzleChange::Proved});
}

void TGameController::ToggleClue(bool vertical, int index) {
  if (Paused() || !BoardReady()) return;
  TClueList& clues = vertical ? Puzzle.VerticalClues : Puzzle.HorizontalClues;
  if (index < 0 || index >= int(clues.size())) return;
  clues[index].setShown(!clues[index].shown());
  Emit(TClueChange{vertical, index, clues[index].shown()});
}

void TGameController::ShowAllClues(bool vertical) {
  for (TClue& clue : vertical ? Puzzle.VerticalClues : Puzzle.HorizontalClues) clue.setShown(true);
  Emit(TClueChange{vertical, -1, true});
}

// --- the hint display ----------------------------------------------------------

int TGameController::OutlineClue(bool vertical, int index) {
  int& outlined = vertical ? HintState.HighlightedVertical : HintState.HighlightedHorizontal;
  const int before = outlined;
  const int count = int((vertical ? Puzzle.VerticalClues : Puzzle.HorizontalClues).size());
  outlined = index >= 0 && index < count ? index : -1;
  return before;
}

const TClue* TGameController::ClueOf(const TDeductionStep& step) const {
  if (step.List == THintList::None) return nullptr;
  const TClueList& clues = step.IsVertical() ? Puzzle.VerticalClues : Puzzle.HorizontalClues;
  return step.Index >= 0 && step.Index < int(clues.size()) ? &clues[step.Index] : nullptr;
}

void TGameController::ForgetClues() {
  // The clue lists were replaced: no index of the old ones is kept.
  HintState.HighlightedHorizontal = HintState.HighlightedVertical = -1;
  HintState.LastStep = TDeductionStep{};
}

// --- the pause around a modal window -------------------------------------------

TGameController::TPauseGuard::TPauseGuard(TGameController& game, TAfterModal after)
    : Game(game), Resume(after == TAfterModal::Resume) {
  if (Game.Paused() || !Game.BoardReady()) return;
  // A finished puzzle kept paused would hide the congratulations for good.
  if (!Resume && !Game.InProgress()) return;
  DidPause = true;
  const TPauseCause before = Game.PauseCause();
  if (Resume)
    ++Game.WindowPauses;
  else
    Game.PlayerPause = true;  // left paused: the player's to end
  Game.ApplyPause(before);
}

TGameController::TPauseGuard::~TPauseGuard() {
  if (!DidPause || !Resume) return;
  const TPauseCause before = Game.PauseCause();
  --Game.WindowPauses;
  Game.ApplyPause(before);
}
