// The game in play without a window: presses, phases, the clock, completion.
#include "Game.h"

#include <gtest/gtest.h>

#include <vector>

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Prefs.PuzzleSize = 6;
    Prefs.PuzzleNumbers[6] = 7;
    Prefs.Difficulty = 5;
    Prefs.MisClickPenalty = 5;
    Prefs.TimerOn = true;
    Game.OnChange = [this] { Phases.push_back(Game.Phase()); };
    Game.SetUpPuzzle();
    Phases.clear();
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
  TRulePrefs Prefs;
  TStats Stats;
  std::vector<TGameSound> Sounds;
  std::vector<TPhase> Phases;
  TGame Game{Prefs, Stats, [this](TGameSound s) { Sounds.push_back(s); }};
};

TEST_F(GameTest, SettingUpPlaysTheCurrentPuzzleFromZeroWithFreshCounters) {
  Stats.Errors = 3;
  Prefs.SoundsOn = true;
  Prefs.PuzzleSize = 7;  // not a size the game offers
  Prefs.PuzzleNumbers[6] = 1234567;
  Game.Clock.ElapsedSeconds = 40;
  Game.SetUpPuzzle();
  EXPECT_EQ(Phases, (std::vector<TPhase>{TPhase::SettingUp, TPhase::Playing}));
  EXPECT_EQ(Game.N(), 6);
  EXPECT_EQ(Game.Number(), 999999);
  EXPECT_EQ(Stats, TStats{});
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 0);
  EXPECT_TRUE(Prefs.SoundsOn);
  EXPECT_TRUE(Sounds.empty()) << "generation is silent";
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
  EXPECT_TRUE(Sounds.empty()) << "the window sounds the error with its message";

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
  const TTick tick = Game.Tick();
  EXPECT_TRUE(tick.WholeSecond);
  ASSERT_TRUE(tick.Completed);
  const TFinish finish = Game.Complete();
  EXPECT_EQ(finish, (TFinish{.Number = 7, .Size = 6, .Time = 6, .Errors = 1, .Clues = 2, .Difficulty = 5}));
  EXPECT_TRUE(Game.Finished());
  EXPECT_FALSE(Game.InProgress());
  EXPECT_FALSE(Game.Tick().Completed) << "a late clock event scores nothing";

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
  Prefs.TimerOn = false;
  SolveAll();
  ASSERT_TRUE(Game.Tick().Completed);
  EXPECT_EQ(Game.Complete().Time, -1);
}

// Completion is every square solved, not a counter that a crafted game can
// run up; a board saved full opens finished and is not scored again; the
// clock stops at 99:59:59 instead of overflowing.
TEST_F(GameTest, OnlyAFullBoardCompletesAndTheClockNeverOverflows) {
  Game.Puzzle.SolvedCount = Game.N() * Game.N();
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(Game.Tick().Completed);
  Game.Puzzle.SolvedCount = 0;

  SolveAll();
  Game.SetPaused(true);
  Phases.clear();
  Game.Load(6, 7, 100);  // a saved game with a full board is on the board
  EXPECT_EQ(Game.Phase(), TPhase::Finished);
  EXPECT_EQ(Game.Clock.ElapsedSeconds, 100);
  EXPECT_FALSE(Game.ClockRuns());
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(Game.Tick().Completed);

  Game.SetUpPuzzle();
  Game.Clock.ElapsedSeconds = TGameClock::MaxSeconds - 1;
  Prefs.CluePenalty = 30;
  for (int i = 0; i < 10; ++i) Game.Tick();
  EXPECT_EQ(Game.Clock.ElapsedSeconds, TGameClock::MaxSeconds);
  for (int i = 0; i < 30; ++i) Game.Tick();
  (void)Game.GiveClue();
  Left(1, 1, Wrong(1, 1));
  EXPECT_EQ(Game.Clock.ElapsedSeconds, TGameClock::MaxSeconds);
  SolveAll();
  ASSERT_TRUE(Game.Tick().Completed);
  EXPECT_EQ(Game.Complete().Time, TGameClock::MaxSeconds);
}

TEST_F(GameTest, APauseGuardPausesOnlyWhatRunsAndResumesUnlessItStays) {
  {
    TGame::TPauseGuard pause(Game);
    EXPECT_TRUE(pause.Paused());
    EXPECT_FALSE(Game.ClockRuns());
    EXPECT_FALSE(Game.PlayerPaused()) << "the window's pause is not the player's";
  }
  EXPECT_EQ(Game.Phase(), TPhase::Playing);
  { TGame::TPauseGuard pause(Game, TGame::TAfterModal::Stay); }
  EXPECT_EQ(Game.Phase(), TPhase::Paused);
  EXPECT_TRUE(Game.PlayerPaused()) << "left paused, it is the player's to end";
  {
    TGame::TPauseGuard pause(Game);  // paused before: stays paused
    EXPECT_FALSE(pause.Paused());
    EXPECT_TRUE(Game.PlayerPaused());
  }
  EXPECT_EQ(Game.Phase(), TPhase::Paused);
  // A new puzzle under a window plays when the window goes.
  {
    Game.SetPaused(false);
    TGame::TPauseGuard pause(Game);
    Game.SetUpPuzzle();
    TGame::TPauseGuard again(Game);
    EXPECT_FALSE(Game.PlayerPaused());
  }
  EXPECT_EQ(Game.Phase(), TPhase::Playing);
  EXPECT_FALSE(Game.PlayerPaused());
  EXPECT_EQ(Phases, (std::vector<TPhase>{TPhase::Paused, TPhase::Playing, TPhase::Paused, TPhase::Playing,
                                         TPhase::Paused, TPhase::SettingUp, TPhase::Playing, TPhase::Paused,
                                         TPhase::Playing}));

  // A finished puzzle pauses under a window, but never stays hidden.
  Game.SetPaused(false);
  SolveAll();
  ASSERT_TRUE(Game.Tick().Completed);
  (void)Game.Complete();
  {
    TGame::TPauseGuard pause(Game, TGame::TAfterModal::Stay);
    EXPECT_FALSE(pause.Paused());
  }
  {
    TGame::TPauseGuard pause(Game);
    EXPECT_EQ(Game.Phase(), TPhase::FinishedPaused);
  }
  EXPECT_EQ(Game.Phase(), TPhase::Finished);
}
