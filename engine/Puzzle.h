#pragma once

#include <array>
#include <cstdint>

#include "BoardPos.h"
#include "Clue.h"
#include "DeductionStep.h"
#include "PuzzleObserver.h"
#include "PuzzleRandom.h"
#include "Square.h"

// The puzzle in play: the board of squares with its hidden solution, the two
// clue lists, the deduction engine that applies them and the generator that
// makes them. Set-up is deterministic: the same size, number and difficulty
// always give the same solution and clue lists.
class TPuzzle {
 public:
  TPuzzle();
  TPuzzle(const TPuzzle&) = delete;
  TPuzzle& operator=(const TPuzzle&) = delete;

  // --- board ---------------------------------------------------------------
  int Size() const { return N; }
  void SetSize(int n);  // the board size N, 4..10 (clamped)
  TSquare& Square(int c, int r) { return Board[Slot(c, r)]; }
  const TSquare& Square(int c, int r) const { return Board[Slot(c, r)]; }
  int SolvedCount = 0;

  // Every draw of set-up comes from here; the random-puzzle jump and the
  // completion animation draw from it too.
  PuzzleRandom Random;

  void ShuffleSolution();
  void ResetBoard();
  void ClearClues();
  // Squares of all 100 slots back to the identity solution and full candidates.
  void InitSquares();

  // The engine half of setting up a puzzle: seed, fresh squares, shuffle,
  // generate, prove, thin by difficulty, reset. Nothing is drawn or sounded
  // while it runs except through the observer, so the window switches its
  // drawing off around it.
  void SetUp(int n, std::uint32_t number, int difficulty);

  // --- clues ---------------------------------------------------------------
  TClueList HorizontalClues;
  TClueList VerticalClues;

  // --- deduction -----------------------------------------------------------
  // One pass; ShowStep stops it at the first step and explains that step to
  // the observer. Returns the last step the pass took (in step mode the only
  // one), Rule None when it took none.
  TDeductionStep Deduce(bool UntilStuck, bool ShowStep);
  void RemoveFromRow(int X0, int Y, int T);
  void CheckRow(int Y);
  bool ApplySameColumn(const TClue& clue, int X, TBoardPos P, TBoardPos Q);
  bool ApplyLeftOf(const TClue& clue, bool ShowStep);
  bool ApplyTwoAdjacent(const TClue& clue, bool ShowStep);
  bool ApplyAdjacent(const TClue& clue, bool ShowStep);
  bool ApplyNotAdjacent(const TClue& clue, bool ShowStep);
  bool ApplyDistance(int X, TBoardPos A, TBoardPos B, int Dist);
  bool ApplyTwoPlaces(int Y, int I, int J, bool ShowStep);

  // --- generation and proving ----------------------------------------------
  void GenerateClues();
  void MergeColumnClues();
  void Prove();
  // The three ways Prove adds a clue, each on the board the last pass left.
  bool AddClueForUncoveredSquare();     // false when every square is covered
  void AddClueForPartlySolvedColumn();  // needs SolvedCount > 0
  bool AddClueRulingOutCandidate();     // needs SolvedCount == 0
  // Puts back the given lists and adds a clue that changes the board the
  // last pass left; false (lists untouched) when there is no such clue.
  bool AddClueBreakingStall(const TClueList& horizontal, const TClueList& vertical);
  std::uint16_t SolvedRowsInColumn(int column) const;  // bit r set: row r solved
  TBoardPos FindMostConstrainedSquare();
  int CountUnusedClues() const;
  void RemoveUnusedClues(int u, int p);

  // How often Prove has run its deduction pass since the last SetUp.
  int ProveRounds = 0;

  // Whether every coordinate of a clue names a square of the current board,
  // as the deduction rules assume (clues from a saved game may not).
  bool ClueFits(const TClue& clue) const;

  void SetObserver(TPuzzleObserver* observer) { Observer = observer ? observer : &Silent; }

 private:
  static int Slot(int c, int r) { return c * (MaxBoardSize + 1) + r; }
  int Tile(TBoardPos p) const { return Square(p.c, p.r).localindex(); }
  bool Possible(int X, int Y, int T) const { return Square(X, Y).HasCandidate(T); }
  // The one way a clue rule removes a candidate; false when T was not possible.
  bool RemoveTile(int X, int Y, int T);
  // The last square a clue rule changed, kept across passes, and what that
  // change removed from it and placed in it (0 for none).
  TBoardPos LastChanged;
  int LastRemoved = 0;
  int LastPlaced = 0;
  TDeductionStep ClueStep(THintList list, const TClueList& clues, std::size_t index) const;
  TDeductionStep TwoPlacesStep(int row) const;
  void Cover(int c, int r) { Square(c, r).MarkCovered(); }
  void AddClue(const TClue& clue);
  // "Left of" naming the tile in the smaller column first.
  void AddLeftOf(int ca, int ra, int cb, int rb);
  int RandomOtherColumn(int c);  // draws until the column differs from c
  int RandomTo(int n) { return static_cast<int>(Random.Random(static_cast<std::uint32_t>(n))) + 1; }
  // Smallest row r (and r != except) such that the covered flag of (c, r)
  // equals wanted; 0 when there is none.
  int FirstRow(int c, bool wanted, int except = 0) const;

  // For one row: the columns where each tile is possible, and the solved columns.
  struct TRowMasks {
    std::uint16_t TileColumns[MaxBoardSize + 1] = {};
    std::uint16_t SolvedColumns = 0;
    std::uint32_t Version = 0;
    bool Valid = false;
  };
  const TRowMasks& RowMasks(int row) const;
  mutable std::array<TRowMasks, MaxBoardSize + 1> RowMaskCache{};
  bool InPass = false;
  bool SameColumnCanAct(TBoardPos P, TBoardPos Q) const;
  bool TwoAdjacentCanAct(TBoardPos L, TBoardPos R, TBoardPos M) const;

  // Row versions for skipping clues that cannot yield; see Deduce.
  struct TRowStamp {
    int Rows[MaxClueTiles] = {};
    int RowCount = 0;
    std::uint32_t Version[MaxClueTiles] = {};
    bool Valid = false;
    bool Fits = false;  // the clue names squares of this board only
  };
  void Touched(int row) { ++RowVersion[row]; }
  bool KnownIdle(TRowStamp& stamp) const;
  std::array<std::uint32_t, MaxBoardSize + 1> RowVersion{};
  std::vector<TRowStamp> VerticalIdle, HorizontalIdle;

  // Slots [column 0..10][row 0..10]; index 0 of either is never used, so a
  // clue coordinate of 0 cannot reach a neighbouring square.
  std::array<TSquare, (MaxBoardSize + 1) * (MaxBoardSize + 1)> Board{};
  int N = 6;
  TPuzzleObserver Silent;
  TPuzzleObserver* Observer = &Silent;
};
