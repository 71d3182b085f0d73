// Clue generation, proving and difficulty thinning. Every draw from Random is
// made in a fixed order so that a puzzle number reproduces its clue lists;
// the odd-looking steps (what gets covered, which entries are marked taken)
// are part of what makes each number's puzzle, so they stay as they are.
#include "Puzzle.h"

#include <bit>
#include <utility>

namespace {
struct TPairing {
  int c = 0;
  int r = 0;
  bool Taken = false;
};

std::uint16_t RowsOf(const TClue& clue) {
  std::uint16_t rows = TSquare::Bit(clue.c2()) | TSquare::Bit(clue.c3());
  if (clue.type() == TClueType::clTwoInSameColumn) rows |= TSquare::Bit(clue.c4());
  return rows;
}
}  // namespace

void TPuzzle::AddClue(const TClue& clue) {
  (clue.IsVertical() ? VerticalClues : HorizontalClues).push_back(clue);
}

int TPuzzle::FirstRow(int c, bool wanted, int except) const {
  for (int r = 1; r <= N; ++r)
    if (r != except && Square(c, r).IsCovered() == wanted) return r;
  return 0;
}

void TPuzzle::AddLeftOf(int ca, int ra, int cb, int rb) {
  if (ca < cb)
    AddClue(TClue(TClueType::clLeftOf, ca, cb, ra, rb, 0, 0));
  else
    AddClue(TClue(TClueType::clLeftOf, cb, ca, rb, ra, 0, 0));
}

int TPuzzle::RandomOtherColumn(int c) {
  int other;
  do other = RandomTo(N);
  while (other == c);
  return other;
}

void TPuzzle::GenerateClues() {
  const int nn = N * N;
  std::vector<TPairing> list(static_cast<std::size_t>(nn) + 1);  // positions 1..nn
  for (int k = 1; k <= nn; ++k) list[k] = {(k - 1) / N + 1, (k - 1) % N + 1, false};

  for (int i = 0; i < 10000; ++i) {
    const int a = RandomTo(nn);
    const int b = RandomTo(nn);
    std::swap(list[a], list[b]);
  }

  auto markTaken = [&list, nn](int c, int r) {
    for (int k = 1; k <= nn; ++k)
      if (list[k].c == c && list[k].r == r) {
        list[k].Taken = true;
        return;
      }
  };
  auto covered = [this](int c, int r) { return Square(c, r).IsCovered(); };
  // Clues with four coordinates (the two unused ones are 0).
  auto add4 = [this](TClueType t, int a, int b, int c, int d) { AddClue(TClue(t, a, b, c, d, 0, 0)); };

  for (int k = 1; k <= nn - 1; ++k) {
    if (list[k].Taken) continue;
    int x = list[k].c, y = list[k].r;
    int p = k + 1;
    for (int q = k + 1; q <= nn; ++q)
      if (!list[q].Taken) {
        p = q;
        break;
      }
    int x2 = list[p].c, y2 = list[p].r;

    if (x == x2) {
      add4(TClueType::clSameColumn, x, y, y2, 0);
      Cover(x, y);
      Cover(x, y2);
    } else {
      while (x != x2) {
        const int d = x > x2 ? x - x2 : x2 - x;
        if (d == 1) {
          if (!covered(x2, y2)) {
            AddLeftOf(x, y, x2, y2);
            Cover(x, y);
            Cover(x2, y2);
            markTaken(x2, y2);
          }
          x = x2;
        } else if (d == 2) {
          const int m = (x + x2) / 2;
          const int r = FirstRow(m, false);
          if (r != 0 && !covered(x2, y2)) {
            AddClue(TClue(TClueType::clTwoAdjacent, x, x2, m, y, y2, r));
            Cover(x, y);
            Cover(x2, y2);
            Cover(m, r);
            markTaken(m, r);
          }
          x = x2;
        } else {
          if (x > x2) {
            std::swap(x, x2);
            std::swap(y, y2);
          }
          const int r1 = FirstRow(x + 1, false);
          const int r2 = r1 != 0 ? FirstRow(x + 2, false) : 0;
          if (r1 == 0) {
            add4(TClueType::clNotAdjacent, x, x2, y, y2);
            Cover(x, y);
            Cover(x2, y2);
            markTaken(x2, y2);
            x = x2;
          } else if (r2 == 0) {
            add4(TClueType::clLeftOf, x, x2, y, y2);
            Cover(x, y);
            Cover(x2, y2);
            markTaken(x2, y2);
            x = x2;
          } else {
            AddClue(TClue(TClueType::clTwoAdjacent, x, x + 2, x + 1, y, r2, r1));
            Cover(x, y);
            Cover(x + 1, r1);
            Cover(x + 2, r2);
            markTaken(x + 1, r1);
            markTaken(x + 2, r2);
            x = x + 2;
          }
        }
      }
    }
    list[k].Taken = true;
    list[k + 1].Taken = true;
  }

  // Closing clue between the first and the last entry.
  const TPairing P = list[1];
  const TPairing Q = list[nn];
  if (P.c == Q.c)
    add4(TClueType::clSameColumn, P.c, P.r, Q.r, 0);
  else
    AddLeftOf(P.c, P.r, Q.c, Q.r);
  Cover(P.c, P.r);
  Cover(Q.c, Q.r);

  // Sweep up what the link pass left uncovered.
  for (int c = 1; c <= N; ++c) {
    for (int r = 1; r <= N; ++r) {
      if (covered(c, r)) continue;
      const int r2 = FirstRow(c, true, r);
      if (r2 != 0) {
        add4(TClueType::clSameColumn, c, r, r2, 0);
        continue;
      }
      const int ra = RandomTo(N);
      const int ca = RandomOtherColumn(c);
      Cover(c, r);
      AddLeftOf(c, r, ca, ra);
      Cover(ca, r);
      Cover(ca, ra);
    }
  }

  MergeColumnClues();
}

void TPuzzle::MergeColumnClues() {
  bool changed;
  do {
    changed = false;
    std::size_t i = 0;
    while (VerticalClues.size() > 1) {
      const TClue P = VerticalClues[i];
      for (std::size_t j = i + 1; j < VerticalClues.size() && !changed; ++j) {
        const TClue& Q = VerticalClues[j];
        if (Q.c1() != P.c1()) continue;
        const std::uint16_t S = RowsOf(P) | RowsOf(Q);
        const int count = std::popcount(static_cast<unsigned>(S));
        if (count <= 2) {
          VerticalClues.erase(VerticalClues.begin() + static_cast<std::ptrdiff_t>(j));
          changed = true;
        } else if (count == 3) {
          int s[3], k = 0;
          for (int r = 1; r <= MaxBoardSize; ++r)
            if (S & TSquare::Bit(r)) s[k++] = r;
          VerticalClues.push_back(TClue(TClueType::clTwoInSameColumn, P.c1(), s[0], s[1], s[2], 0, 0));
          VerticalClues.erase(VerticalClues.begin() + static_cast<std::ptrdiff_t>(j));
          VerticalClues.erase(VerticalClues.begin() + static_cast<std::ptrdiff_t>(i));
          changed = true;
        }
      }
      ++i;
      if (changed || i >= VerticalClues.size() - 1) break;
    }
  } while (changed);
}

std::uint16_t TPuzzle::SolvedRowsInColumn(int column) const {
  std::uint16_t rows = 0;
  for (int r = 1; r <= N; ++r)
    if (Square(column, r).IsSolved()) rows |= TSquare::Bit(r);
  return rows;
}

TBoardPos TPuzzle::FindMostConstrainedSquare() {
  const bool forward = Random.Random(100) < 50;
  int best = N;
  TBoardPos found{0, 0};
  TBoardPos first{0, 0};
  for (int i = 0; i < N; ++i) {
    const int c = forward ? i + 1 : N - i;
    for (int j = 0; j < N; ++j) {
      const int r = forward ? j + 1 : N - j;
      if (first.c == 0) first = {c, r};
      const int count = Square(c, r).CandidateCount();
      if (count < best) {
        found = {c, r};
        best = count;
      }
    }
  }
  // No square below N candidates: fall back on the first square scanned,
  // which still has a wrong candidate to rule out.
  return found.c != 0 ? found : first;
}

void TPuzzle::Prove() {
  const int nn = N * N;
  // A board that the added clues stop changing can stay stuck for ever: a
  // column clue needs a partly solved column, and the clue around a wholly
  // solved column in the middle cannot tell the board from its mirror image.
  // After StallRounds rounds that left the board as it was (proven puzzles
  // never come near that many), the clues those rounds added are dropped and
  // one that must change the board is added instead.
  constexpr int StallRounds = 100;
  constexpr int MaxRounds = 100000;
  std::vector<std::uint16_t> previous, current;
  TClueList stallHorizontal, stallVertical;
  int unchanged = 0;
  for (;;) {
    ResetBoard();
    Deduce(true, false);
    ++ProveRounds;
    if (SolvedCount == nn || ProveRounds >= MaxRounds) return;

    current.clear();
    for (int c = 1; c <= N; ++c)
      for (int r = 1; r <= N; ++r)
        current.push_back(
            static_cast<std::uint16_t>(Square(c, r).remaining() | (Square(c, r).IsSolved() ? 1 : 0)));
    if (current == previous) {
      ++unchanged;
    } else {
      unchanged = 0;
      stallHorizontal = HorizontalClues;
      stallVertical = VerticalClues;
    }
    std::swap(previous, current);
    if (unchanged >= StallRounds && AddClueBreakingStall(stallHorizontal, stallVertical)) {
      unchanged = 0;
      MergeColumnClues();
      continue;
    }

    const bool added = AddClueForUncoveredSquare();
    if (!added && SolvedCount > 0) AddClueForPartlySolvedColumn();
    if (!added && SolvedCount == 0 && !AddClueRulingOutCandidate()) return;
    MergeColumnClues();
  }
}

bool TPuzzle::AddClueBreakingStall(const TClueList& horizontal, const TClueList& vertical) {
  // The first open square whose tile is still possible beyond a solved square
  // of its row: "left of" that solved tile (or right of it) rules those places out.
  for (int c = 1; c <= N; ++c) {
    for (int r = 1; r <= N; ++r) {
      if (Square(c, r).IsSolved()) continue;
      const int T = Square(c, r).localindex();
      for (int s = 1; s <= N; ++s) {
        if (s == c || !Square(s, r).IsSolved()) continue;
        bool beyond = false;
        for (int X = 1; X <= N; ++X) beyond = beyond || (Possible(X, r, T) && (c < s ? X > s : X < s));
        if (!beyond) continue;
        HorizontalClues = horizontal;
        VerticalClues = vertical;
        AddLeftOf(c, r, s, r);
        Cover(c, r);
        Cover(s, r);
        return true;
      }
    }
  }
  return false;
}

bool TPuzzle::AddClueForUncoveredSquare() {
  for (int c = 1; c <= N; ++c) {
    for (int r = 1; r <= N; ++r) {
      if (Square(c, r).IsCovered()) continue;
      const int r2 = FirstRow(c, true, r);
      if (r2 != 0) {
        AddClue(TClue(TClueType::clSameColumn, c, r, r2, 0, 0, 0));
        Cover(c, r);
        Cover(c, r2);
      } else {
        const int ra = RandomTo(N);
        const int ca = RandomOtherColumn(c);
        AddLeftOf(c, r, ca, ra);
        Cover(c, r);
        Cover(ca, ra);
      }
      return true;
    }
  }
  return false;
}

void TPuzzle::AddClueForPartlySolvedColumn() {
  int t = 0;
  int c;
  for (;;) {
    ++t;
    c = RandomTo(N);
    const int solved = std::popcount(static_cast<unsigned>(SolvedRowsInColumn(c)));
    if (t > 100 || (solved >= 1 && solved < N)) break;
  }
  // Only a column found on one of the first 99 draws is tied by a column clue.
  if (t < 100) {
    int r1, r2;
    do {
      r1 = RandomTo(N);
      r2 = RandomTo(N);
    } while (Square(c, r1).IsSolved() || !Square(c, r2).IsSolved());
    AddClue(TClue(TClueType::clSameColumn, c, r1, r2, 0, 0, 0));
    Cover(c, r1);
    Cover(c, r2);
    return;
  }
  do c = RandomTo(N);
  while (SolvedRowsInColumn(c) == 0);
  int x1, m, x3;
  if (c == 1) {
    x1 = 1, m = 2, x3 = 3;
  } else if (c == N) {
    x1 = N, m = N - 1, x3 = N - 2;
  } else {
    x1 = c - 1, m = c, x3 = c + 1;
  }
  const int rm = RandomTo(N);
  const int r1 = RandomTo(N);
  const int r3 = RandomTo(N);
  AddClue(TClue(TClueType::clTwoAdjacent, x1, x3, m, r1, r3, rm));
  Cover(m, rm);
  Cover(x1, r1);
  Cover(x3, r3);
}

bool TPuzzle::AddClueRulingOutCandidate() {
  const TBoardPos s = FindMostConstrainedSquare();
  const TSquare& sq = Square(s.c, s.r);
  const auto wrong =
      static_cast<std::uint16_t>(sq.remaining() & ~TSquare::Bit(sq.localindex()) & TSquare::FullSet(N));
  if (wrong == 0) return false;  // only a solved square lacks a wrong candidate; never spin on it
  int t;
  do t = RandomTo(N);
  while (!sq.HasCandidate(t) || t == sq.localindex());
  int ct = 1;
  for (int x = 1; x <= N; ++x)
    if (Square(x, s.r).localindex() == t) ct = x;
  if (ct == 1) {
    const int x = RandomTo(N - 1) + 1;
    const int y = RandomTo(N);
    AddClue(TClue(TClueType::clLeftOf, 1, x, s.r, y, 0, 0));
  } else if (ct == N) {
    const int x = RandomTo(N - 1);
    const int y = RandomTo(N);
    AddClue(TClue(TClueType::clLeftOf, x, N, y, s.r, 0, 0));
  } else {
    const int ya = RandomTo(N);
    const int yb = RandomTo(N);
    AddClue(TClue(TClueType::clTwoAdjacent, ct - 1, ct + 1, ct, ya, yb, s.r));
  }
  return true;
}

int TPuzzle::CountUnusedClues() const {
  int u = 0;
  for (const TClue& clue : VerticalClues) u += clue.used() ? 0 : 1;
  for (const TClue& clue : HorizontalClues) u += clue.used() ? 0 : 1;
  return u;
}

void TPuzzle::RemoveUnusedClues(int u, int p) {
  // u * p / 100 rounded to the nearest whole number, a half to the even one.
  const int q = u * p;
  int limit = q / 100;
  const int rest = q % 100;
  if (rest > 50 || (rest == 50 && limit % 2 == 1)) ++limit;

  int removed = 0;
  auto thin = [&removed, limit](TClueList& list) {
    // The clue that slides into a removed clue's place is not looked at.
    for (std::size_t i = 0; i < list.size(); ++i)
      if (removed < limit && !list[i].used()) {
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        ++removed;
      }
  };
  thin(VerticalClues);
  if (removed < limit) thin(HorizontalClues);
}
