// The game in play without a window: presses, phases, the clock, completion,
// and what the controller reports of each.
#include "GameController.h"

#include <gtest/gtest.h>

#include <vector>

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Game.Sink = [this](const TGameEvent& event) {
      Events.push_back(event);
      if (const auto* phase = std::get_if<TPhaseChange>(&event)) {
        EXPECT_EQ(phase->Phase, Game.Phase());
        Phases.push_back(phase->Phase);
      }
      if (const auto* sound = std::get_if<TSoundEvent>(&event)) Sounds.push_back(sound->Sound);
    };
    Game.SetUp(6, 7, 5);
    Phases.clear();
    Events.clear();
  }
  // The events of one kind reported so far.
  template <typename T>
  std::vector<T> Reported() const {
    std::vector<T> found;
    for (const TGameEvent& event : Events)
      if (const T* e = std::get_if<T>(&event)) found.push_back(*e);
    return found;
  }
  TSquare& Sq(int c, int r) { return Game.Puzzle.Square(c, r); }
  int Wrong(int c, int r) {
    for (int t = 1; t <= 6; ++t)
      if (t != Sq(c, r).localindex() && Sq(c, r).HasCandidate(t)) return t;
    return 0;
  }
  void SolveAll() {
    for (int r = 1; r <= Game.N(); ++r)
      for (int c = 1; c <= Game.N(); ++c)
        if (!Sq(c, r).IsSolved()) Left(c, r, Sq(c, r).localindex());
  }
  TPress Left(int c, int r, int q) { return Game.Press({c, r, q, TButton::Left}); }
  TPress Right(int c, int r, int q) { return Game.Press({c, r, q, TButton::Right}); }
  TStats Stats;
  std::vector<TGameSound> Sounds;
  std::vector<TPhase> Phases;
  std::vector<TGameEvent> Events;
  TGameController Game{Stats};
};

TEST_F(GameTest, SettingUpPlaysTheCurrentPuzzleFromZeroWithFreshCounters) {
  Stats.Errors = 3;
  Game.Clock.ElapsedSeconds = 40;
  Game.SetUp(7, 1234567, 5);  // 7 is not a size the game offers
  EXPECT_EQ(Phases, (std::vector<TPhase>{TPhase::SettingUp, TPhase::Playing}));
  EXPECT_EQ(Game.N(), 6);
  EXPECT_EQ(Game.Number(), 999999);
  EXPECT_EQ(Stats, TStats{});
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 0);
  EXPECT_TRUE(Sounds.empty()) << "generation is silent";
  EXPECT_TRUE(Reported<TSquareChange>().empty()) << "nor is anything drawn while it runs";
  ASSERT_EQ(Reported<TPuzzleReplaced>().size(), 1u);
  EXPECT_EQ(Reported<TPuzzleReplaced>()[0].How, TPuzzleChange::New);
  TPuzzle fresh;
  fresh.SetUp(6, 999999, 5);
  EXPECT_EQ(Game.Puzzle.HorizontalClues, fresh.HorizontalClues);
}

TEST_F(GameTest, LeftPressPlacesTheRightTileAndChargesAWrongOne) {
  const int own = Sq(1, 1).localindex();
  const int wrong = Wrong(1, 1);
  const TPress miss = Left(1, 1, wrong);
  EXPECT_EQ(miss.Result, TPressResult::MisClick);
  EXPECT_EQ(miss.Penalty, 5);
  EXPECT_EQ(Stats.Errors, 1);
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 5);
  EXPECT_TRUE(Sq(1, 1).HasCandidate(wrong));
  EXPECT_EQ(Sounds, std::vector<TGameSound>{TGameSound::Error});
  ASSERT_EQ(Reported<TGameMessage>().size(), 1u);
  EXPECT_EQ(Reported<TGameMessage>()[0].Kind, TMessageKind::WrongChoice);
  EXPECT_EQ(Reported<TGameMessage>()[0].Move.q, wrong);
  Sounds.clear();

  EXPECT_EQ(Left(1, 1, own).Result, TPressResult::Placed);
  EXPECT_TRUE(Sq(1, 1).IsSolved());
  ASSERT_FALSE(Sounds.empty());
  EXPECT_EQ(Sounds.front(), TGameSound::Pop);
  for (int X = 2; X <= 6; ++X) EXPECT_FALSE(Sq(X, 1).HasCandidate(own)) << X;  // the row cascade ran
  EXPECT_EQ(Left(1, 1, own).Result, TPressResult::Ignored);

  // A removed tile is no longer there to be placed.
  const int other = Wrong(2, 2);
  ASSERT_EQ(Right(2, 2, other).Result, TPressResult::Removed);
  EXPECT_EQ(Left(2, 2, other).Result, TPressResult::Ignored);
  EXPECT_EQ(Stats.Errors, 1);
}

TEST_F(GameTest, RightPressRemovesRestoresAndNeverTakesTheOwnTile) {
  const int own = Sq(3, 2).localindex();
  EXPECT_EQ(Right(3, 2, own).Result, TPressResult::MisClick);
  EXPECT_TRUE(Sq(3, 2).HasCandidate(own));
  EXPECT_EQ(Stats.Errors, 1);
  Sounds.clear();

  const int wrong = Wrong(3, 2);
  EXPECT_EQ(Right(3, 2, wrong).Result, TPressResult::Removed);
  EXPECT_FALSE(Sq(3, 2).HasCandidate(wrong));
  EXPECT_EQ(Sounds, std::vector<TGameSound>{TGameSound::Click});
  EXPECT_EQ(Right(3, 2, wrong).Result, TPressResult::Restored);
  EXPECT_TRUE(Sq(3, 2).HasCandidate(wrong));
  EXPECT_EQ(Sounds.size(), 2u);
}

TEST_F(GameTest, RemovingTheLastAlternativeSolvesWithClickThenPop) {
  const int own = Sq(4, 3).localindex();
  for (int t = 1; t <= 6; ++t) {
    if (t == own || !Sq(4, 3).HasCandidate(t)) continue;
    Sounds.clear();
    const TPressResult result = Right(4, 3, t).Result;
    if (Sq(4, 3).IsSolved()) {
      EXPECT_EQ(result, TPressResult::RemovedAndSolved);
      ASSERT_GE(Sounds.size(), 2u);
      EXPECT_EQ(Sounds[0], TGameSound::Click);
      EXPECT_EQ(Sounds[1], TGameSound::Pop);
      break;
    }
    EXPECT_EQ(result, TPressResult::Removed);
  }
  ASSERT_TRUE(Sq(4, 3).IsSolved());
  EXPECT_EQ(Sq(4, 3).remaining(), TSquare::Bit(own));
  for (int X = 1; X <= 6; ++X)
    if (X != 4) {
      EXPECT_FALSE(Sq(X, 3).HasCandidate(own)) << X;
    }
}

TEST_F(GameTest, RestoringATilePlacedElsewhereChangesNothing) {
  // Place the tile of (1, 4) by hand; the row cascade removes it from (2, 4).
  const int placed = Sq(1, 4).localindex();
  ASSERT_EQ(Left(1, 4, placed).Result, TPressResult::Placed);
  if (Sq(2, 4).IsSolved()) GTEST_SKIP() << "the cascade solved the neighbour";
  ASSERT_FALSE(Sq(2, 4).HasCandidate(placed));
  Sounds.clear();
  EXPECT_EQ(Right(2, 4, placed).Result, TPressResult::RedrawOnly);
  EXPECT_FALSE(Sq(2, 4).HasCandidate(placed));
  EXPECT_TRUE(Sounds.empty());
}

TEST_F(GameTest, APausedGameIgnoresPressesAndStopsTheClock) {
  Game.SetPaused(true);
  EXPECT_TRUE(Game.Paused());
  EXPECT_EQ(Game.PauseCause(), TPauseCause::Player);
  EXPECT_TRUE(Game.InProgress());
  EXPECT_FALSE(Game.ClockRuns());
  EXPECT_EQ(Left(1, 1, Sq(1, 1).localindex()).Result, TPressResult::Ignored);
  EXPECT_EQ(Left(1, 1, Wrong(1, 1)).Result, TPressResult::Ignored);
  EXPECT_EQ(Stats.Errors, 0);
  Game.SetPaused(false);
  EXPECT_TRUE(Game.ClockRuns());
  EXPECT_EQ(Phases, (std::vector<TPhase>{TPhase::Paused, TPhase::Playing}));
}

TEST_F(GameTest, AFullBoardCompletesOnceAtTheNextTickAndScores) {
  Stats.Clues = 2;
  Left(1, 1, Wrong(1, 1));
  SolveAll();
  for (int i = 0; i < 9; ++i) Game.Clock.Tick();
  Events.clear();
  Game.Tick();
  ASSERT_FALSE(Reported<TClockChange>().empty()) << "a whole second is reported";
  EXPECT_EQ(Reported<TClockChange>()[0].Seconds, 6);
  ASSERT_EQ(Reported<TCompleted>().size(), 1u);
  EXPECT_EQ(Reported<TCompleted>()[0].Finish,
            (TFinish{.Number = 7, .Size = 6, .Time = 6, .Errors = 1, .Clues = 2, .Difficulty = 5}));
  EXPECT_EQ(Sounds.back(), TGameSound::Complete);
  EXPECT_TRUE(Game.Finished());
  EXPECT_FALSE(Game.InProgress());
  Game.Tick();
  EXPECT_EQ(Reported<TCompleted>().size(), 1u) << "a late clock event scores nothing";

  // Pausing a finished puzzle keeps it finished, with the clock off.
  Game.SetPaused(true);
  EXPECT_EQ(Game.Phase(), TPhase::FinishedPaused);
  Game.SetPaused(false);
  EXPECT_EQ(Game.Phase(), TPhase::Finished);
  EXPECT_FALSE(Game.ClockRuns());

  // Restart plays it again from 0, counters kept.
  Game.Restart();
  EXPECT_EQ(Game.Phase(), TPhase::Playing);
  EXPECT_EQ(Game.Puzzle.SolvedCount, 0);
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 0);
  EXPECT_EQ(Stats.Errors, 1);

  // An untimed game records -1.
  Game.SetTimed(false);
  SolveAll();
  Game.Tick();
  ASSERT_EQ(Reported<TCompleted>().size(), 2u);
  EXPECT_EQ(Reported<TCompleted>()[1].Finish.Time, -1);
}

// Completion is every square solved, not a counter that a crafted game can
// run up; a board saved full opens finished and is not scored again; the
// clock stops at 99:59:59 instead of overflowing.
TEST_F(GameTest, OnlyAFullBoardCompletesAndTheClockNeverOverflows) {
  Game.Puzzle.SolvedCount = Game.N() * Game.N();
  for (int i = 0; i < 10; ++i) Game.Tick();
  EXPECT_TRUE(Reported<TCompleted>().empty());
  Game.Puzzle.SolvedCount = 0;

  SolveAll();
  Game.SetPaused(true);
  Phases.clear();
  Game.Load(7, 100, {.Errors = 2, .Clues = 1});  // a saved game with a full board is on the board
  EXPECT_EQ(Game.Phase(), TPhase::Finished);
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 100);
  EXPECT_EQ(Stats, (TStats{.Errors = 2, .Clues = 1})) << "the file's counters";
  EXPECT_FALSE(Game.ClockRuns());
  for (int i = 0; i < 10; ++i) Game.Tick();
  EXPECT_TRUE(Reported<TCompleted>().empty());
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 100) << "ticks while the clock is off count nothing";

  Game.SetUp(6, 7, 10);
  Game.Clock.ElapsedSeconds = TGameClock::MaxSeconds - 1;
  for (int i = 0; i < 10; ++i) Game.Tick();
  EXPECT_EQ(Game.Clock.ElapsedSeconds, TGameClock::MaxSeconds);
  for (int i = 0; i < 30; ++i) Game.Tick();
  (void)Game.GiveClue();
  Left(1, 1, Wrong(1, 1));
  EXPECT_EQ(Game.Clock.ElapsedSeconds, TGameClock::MaxSeconds);
  SolveAll();
  Game.Tick();
  ASSERT_EQ(Reported<TCompleted>().size(), 1u);
  EXPECT_EQ(Reported<TCompleted>()[0].Finish.Time, TGameClock::MaxSeconds);
}

// Who holds a pause decides who may end it: a window's pause ends with the
// window, the player's only with the player, and the phase events say which.
TEST_F(GameTest, APauseGuardPausesOnlyWhatRunsAndResumesUnlessItStays) {
  auto causes = [this] {
    std::vector<TPauseCause> seen;
    for (const TPhaseChange& change : Reported<TPhaseChange>()) seen.push_back(change.Cause);
    return seen;
  };
  {
    TGameController::TPauseGuard pause(Game);
    EXPECT_TRUE(pause.Paused());
    EXPECT_FALSE(Game.ClockRuns());
    EXPECT_FALSE(Game.PlayerPaused()) << "the window's pause is not the player's";
    Game.SetPaused(false);
    EXPECT_TRUE(Game.Paused()) << "the player cannot end a window's pause";
  }
  EXPECT_EQ(Game.Phase(), TPhase::Playing);
  EXPECT_EQ(causes(), (std::vector<TPauseCause>{TPauseCause::Window, TPauseCause::None}));
  { TGameController::TPauseGuard pause(Game, TGameController::TAfterModal::Stay); }
  EXPECT_EQ(Game.Phase(), TPhase::Paused);
  EXPECT_TRUE(Game.PlayerPaused()) << "left paused, it is the player's to end";
  {
    TGameController::TPauseGuard pause(Game);  // paused before: stays paused
    EXPECT_FALSE(pause.Paused());
    EXPECT_TRUE(Game.PlayerPaused());
  }
  EXPECT_EQ(Game.Phase(), TPhase::Paused);
  Game.SetPaused(false);
  EXPECT_EQ(Game.Phase(), TPhase::Playing);

  // The player pausing under a window keeps the pause after the window.
  Events.clear();
  {
    TGameController::TPauseGuard pause(Game);
    Game.SetPaused(true);
    EXPECT_TRUE(Game.PlayerPaused());
  }
  EXPECT_EQ(Game.Phase(), TPhase::Paused);
  EXPECT_EQ(causes(), (std::vector<TPauseCause>{TPauseCause::Window, TPauseCause::Player}));
  Game.SetPaused(false);

  // A new puzzle under a window waits for the window to go.
  Phases.clear();
  {
    TGameController::TPauseGuard pause(Game);
    Game.SetUp(6, 8, 5);
    EXPECT_EQ(Game.Phase(), TPhase::Paused);
    EXPECT_FALSE(Game.PlayerPaused());
  }
  EXPECT_EQ(Game.Phase(), TPhase::Playing);
  EXPECT_EQ(Phases,
            (std::vector<TPhase>{TPhase::Paused, TPhase::SettingUp, TPhase::Paused, TPhase::Playing}));

  // A finished puzzle pauses under a window, but never stays hidden.
  SolveAll();
  Game.Tick();
  ASSERT_TRUE(Game.Finished());
  {
    TGameController::TPauseGuard pause(Game, TGameController::TAfterModal::Stay);
    EXPECT_FALSE(pause.Paused());
  }
  {
    TGameController::TPauseGuard pause(Game);
    EXPECT_EQ(Game.Phase(), TPhase::FinishedPaused);
  }
  EXPECT_EQ(Game.Phase(), TPhase::Finished);
}

// A front end that keeps only what the events say sees the board as it is,
// after presses, the row rules they set off, and steps of "Give me a clue!";
// the penalties come with what they were for.
TEST_F(GameTest, EventsCarryEveryChangedSquareAndEachPenalty) {
  struct TSeen {
    std::uint16_t Candidates = 0;
    bool Solved = false;
  };
  std::vector<TSeen> seen(std::size_t(MaxBoardSize * MaxBoardSize));
  auto at = [&](int c, int r) -> TSeen& { return seen[std::size_t((c - 1) * MaxBoardSize + r - 1)]; };
  for (int c = 1; c <= 6; ++c)
    for (int r = 1; r <= 6; ++r) at(c, r) = {Sq(c, r).remaining(), Sq(c, r).IsSolved()};
  auto replay = [&] {
    for (const TSquareChange& change : Reported<TSquareChange>()) {
      TSeen& square = at(change.Square.c, change.Square.r);
      EXPECT_EQ(change.Removed, square.Candidates & ~change.Candidates);
      EXPECT_EQ(change.JustSolved, change.Solved && !square.Solved);
      square = {change.Candidates, change.Solved};
      EXPECT_EQ(change.Tile, change.Solved ? Sq(change.Square.c, change.Square.r).localindex() : 0);
    }
    Events.clear();
    for (int c = 1; c <= 6; ++c)
      for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(at(c, r).Candidates, Sq(c, r).remaining()) << c << ", " << r;
        EXPECT_EQ(at(c, r).Solved, Sq(c, r).IsSolved()) << c << ", " << r;
      }
  };

  const int wrong = Wrong(3, 2);
  ASSERT_EQ(Right(3, 2, wrong).Result, TPressResult::Removed);
  std::vector<TSquareChange> changes = Reported<TSquareChange>();
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back().Square, (TBoardPos{3, 2}));
  EXPECT_EQ(changes.back().Press, TPressResult::Removed);
  EXPECT_EQ(changes.back().PressedTile, wrong);
  EXPECT_EQ(changes.back().Removed, TSquare::Bit(wrong));
  replay();
  ASSERT_EQ(Right(3, 2, wrong).Result, TPressResult::Restored);
  EXPECT_EQ(Reported<TSquareChange>().back().Restored, TSquare::Bit(wrong));
  replay();

  const int own = Sq(1, 1).localindex();
  ASSERT_EQ(Left(1, 1, own).Result, TPressResult::Placed);
  changes = Reported<TSquareChange>();
  ASSERT_GE(changes.size(), 6u) << "the row lost the tile in five more squares";
  EXPECT_TRUE(changes.back().JustSolved);
  EXPECT_EQ(changes.back().Tile, own);
  replay();

  Left(2, 2, Wrong(2, 2));
  ASSERT_EQ(Reported<TClockChange>().size(), 1u);
  EXPECT_EQ(Reported<TClockChange>()[0].Penalty, PenaltiesFor(5).MisClick);
  EXPECT_EQ(Reported<TClockChange>()[0].For, TPenalty::MisClick);
  EXPECT_EQ(Reported<TClockChange>()[0].Seconds, Game.Clock.ElapsedSeconds);
  EXPECT_TRUE(Reported<TSquareChange>().empty()) << "a mis-click changes no square";
  Events.clear();

  for (int i = 0; i < 3; ++i) {
    const int before = Game.Clock.ElapsedSeconds;
    ASSERT_TRUE(Game.GiveClue().Found());
    const std::vector<TStepTaken> steps = Reported<TStepTaken>();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(Game.ClueOf(steps[0].Step), steps[0].Step.Clue);
    EXPECT_EQ(Game.Hints().LastStep.Clue, nullptr) << "the kept step holds no pointer";
    EXPECT_EQ(Game.Hints().LastStep.Index, steps[0].Step.Index);
    std::vector<TBoardPos> changed;
    for (const TSquareChange& change : Reported<TSquareChange>()) changed.push_back(change.Square);
    EXPECT_EQ(steps[0].Squares, changed);
    const std::vector<TClockChange> clock = Reported<TClockChange>();
    ASSERT_EQ(clock.size(), 1u);
    EXPECT_EQ(clock[0].Penalty, PenaltiesFor(5).Clue);
    EXPECT_EQ(clock[0].For, TPenalty::Clue);
    EXPECT_EQ(Game.Clock.ElapsedSeconds, before + PenaltiesFor(5).Clue);
    replay();
  }
  EXPECT_EQ(Stats.Clues, 3);

  // Nothing left to reason from: it is said and costs nothing.
  Game.Puzzle.ClearClues();
  const int before = Game.Clock.ElapsedSeconds;
  EXPECT_FALSE(Game.GiveClue().Found());
  ASSERT_EQ(Reported<TGameMessage>().size(), 1u);
  EXPECT_EQ(Reported<TGameMessage>()[0].Kind, TMessageKind::NoFurtherStep);
  EXPECT_TRUE(Reported<TClockChange>().empty());
  EXPECT_EQ(Game.Clock.ElapsedSeconds, before);
  EXPECT_EQ(Stats.Clues, 3);
}
