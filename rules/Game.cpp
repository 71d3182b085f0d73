#include "Game.h"

TGame::TGame(TRulePrefs& prefs, TStats& stats, std::function<void(TGameSound)> play)
    : Prefs(prefs), Stats(stats), Play(std::move(play)) {}

void TGame::SetPhase(TPhase phase) {
  if (CurrentPhase == phase) return;
  CurrentPhase = phase;
  if (OnChange) OnChange();
}

void TGame::SetUpPuzzle() {
  // A hand-edited profile may name a size the list does not offer or a
  // number out of range; play the nearest thing the game has.
  if (IndexForSize(Prefs.PuzzleSize) < 0) Prefs.PuzzleSize = DefaultBoardSize;
  Prefs.PuzzleNumbers[Prefs.PuzzleSize] = ClampPuzzleNumber(Prefs.PuzzleNumbers[Prefs.PuzzleSize]);
  SetPhase(TPhase::SettingUp);
  const bool sounds = Prefs.SoundsOn;
  Prefs.SoundsOn = false;
  Stats = TStats{};  // a new puzzle counts its own errors and clues
  Puzzle.SetUp(Prefs.PuzzleSize, static_cast<std::uint32_t>(Number()), Prefs.Difficulty);
  ForgetClues();
  Prefs.SoundsOn = sounds;
  Clock.Reset();
  HasMoves = false;
  SetPhase(TPhase::Playing);
}

void TGame::Load(int size, int number, int seconds) {
  Prefs.PuzzleSize = size;
  Prefs.PuzzleNumbers[size] = number;
  Clock.ElapsedSeconds = seconds;
  ForgetClues();
  HasMoves = false;  // the file holds everything done so far
  // A board saved full was finished and scored already: shown, not scored again.
  SetPhase(BoardSolved() ? TPhase::Finished : TPhase::Playing);
}

void TGame::Restart() {
  for (TClue& clue : Puzzle.VerticalClues) clue.setShown(true);
  for (TClue& clue : Puzzle.HorizontalClues) clue.setShown(true);
  Puzzle.ResetBoard();
  Clock.Reset();
  HasMoves = false;
  SetPhase(TPhase::Playing);
}

void TGame::SetPaused(bool on) {
  switch (CurrentPhase) {
    case TPhase::Playing:
    case TPhase::Paused:
      SetPhase(on ? TPhase::Paused : TPhase::Playing);
      break;
    case TPhase::Finished:
    case TPhase::FinishedPaused:
      SetPhase(on ? TPhase::FinishedPaused : TPhase::Finished);
      break;
    case TPhase::SettingUp:
      break;
  }
}

TPress TGame::MisClick() {
  ++Stats.Errors;
  Clock.Add(Prefs.MisClickPenalty);
  return {TPressResult::MisClick, Prefs.MisClickPenalty};
}

TPress TGame::Press(const TMove& move) {
  if (move.c < 1 || move.c > N() || move.r < 1 || move.r > N() || move.q < 1 || move.q > N()) return {};
  const TPress press =
      move.Button == TButton::Left ? LeftPress(move.c, move.r, move.q) : RightPress(move.c, move.r, move.q);
  if (press.Result != TPressResult::Ignored && press.Result != TPressResult::RedrawOnly) HasMoves = true;
  return press;
}

TPress TGame::LeftPress(int c, int r, int q) {
  if (!BoardReady() || Paused()) return {};
  TSquare& sq = Puzzle.Square(c, r);
  if (sq.IsSolved()) return {};
  if (q == sq.localindex()) {
    Play(TGameSound::Pop);
    sq.Solve();
    ++Puzzle.SolvedCount;
    Puzzle.RemoveFromRow(c, r, q);
    return {TPressResult::Placed};
  }
  if (!sq.HasCandidate(q)) return {};
  return MisClick();
}

TPress TGame::RightPress(int c, int r, int q) {
  if (!BoardReady() || Paused()) return {};
  TSquare& sq = Puzzle.Square(c, r);
  if (sq.IsSolved()) return {};
  if (q == sq.localindex()) return MisClick();
  if (sq.HasCandidate(q)) {
    sq.RemoveCandidate(q);
    Play(TGameSound::Click);
    bool solved = false;
    if (sq.IsSingle()) {
      Play(TGameSound::Pop);
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
  Play(TGameSound::Click);
  sq.AddCandidate(q);
  return {TPressResult::Restored};
}

TTick TGame::Tick() {
  TTick tick;
  tick.WholeSecond = Clock.Tick();
  tick.Completed = InProgress() && Puzzle.SolvedCount >= N() * N() && BoardSolved();
  return tick;
}

bool TGame::BoardSolved() const {
  // Every square, not the counter: a square solved twice must not stand in
  // for one never solved.
  for (int c = 1; c <= N(); ++c)
    for (int r = 1; r <= N(); ++r)
      if (!Puzzle.Square(c, r).IsSolved()) return false;
  return true;
}

TFinish TGame::Complete() {
  SetPhase(TPhase::Finished);
  if (!Prefs.TimerOn) Clock.ElapsedSeconds = -1;
  return {.Number = Number(),
          .Size = N(),
          .Time = Clock.ElapsedSeconds,
          .Errors = Stats.Errors,
          .Clues = Stats.Clues,
          .Difficulty = Prefs.Difficulty};
}

TDeductionStep TGame::GiveClue() {
  const TDeductionStep step = Puzzle.Deduce(false, true);
  if (!step.Found()) return step;
  Clock.Add(Prefs.CluePenalty);
  ++Stats.Clues;
  HasMoves = true;
  return step;
}

void TGame::ForgetClues() {
  // The clue lists were replaced: no index or clue of the old ones is kept.
  Hints.HighlightedHorizontal = Hints.HighlightedVertical = -1;
  Hints.LastStep.Clue = nullptr;
  Hints.LastStep.Index = -1;
}

void TGame::StepExplained(const TDeductionStep& step) {
  if (step.Rule == TDeductionStep::TRule::Clue) Hints.HintIsVertical = step.IsVertical();
  Hints.LastStep = step;
}

TGame::TPauseGuard::TPauseGuard(TGame& game, TAfterModal after)
    : Game(game), Resume(after == TAfterModal::Resume) {
  if (Game.Paused() || !Game.BoardReady()) return;
  // A finished puzzle kept paused would hide the congratulations for good.
  if (!Resume && !Game.InProgress()) return;
  DidPause = true;
  if (Resume) ++Game.ModalPauses;
  Game.SetPaused(true);
}

TGame::TPauseGuard::~TPauseGuard() {
  if (!DidPause || !Resume) return;
  --Game.ModalPauses;
  Game.SetPaused(false);
}
