#include "GameRules.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

void CandidateGrid(int n, int& gc, int& gr) {
  switch (n) {
    case 4:
      gc = 2;
      gr = 2;
      break;
    case 5:
    case 6:
      gc = 3;
      gr = 2;
      break;
    case 7:
    case 8:
      gc = 4;
      gr = 2;
      break;
    case 9:
      gc = 3;
      gr = 3;
      break;
    case 10:
    case 11:
    case 12:
      gc = 4;
      gr = 3;
      break;
    default:
      gc = 1;
      gr = 1;
      break;
  }
}

namespace {
int BandAt(int cellSize, int pos, int count, int gap) {
  for (int k = 0; k < count; ++k) {
    const int start = 8 + k * (cellSize + gap);
    if (start <= pos && pos <= start + cellSize) return k;
  }
  return -1;
}
}  // namespace

int ColumnAt(int CellSize, int Pos, int Count) {
  return BandAt(CellSize, Pos, Count, 10);
}
int RowAt(int CellSize, int Pos, int Count) {
  return BandAt(CellSize, Pos, Count, 6);
}

TBoardLayout::TBoardLayout(int n, int clientWidth, int clientHeight)
    : N(n), CW(clientWidth), CH(clientHeight) {
  W = (CW - 10 * N - 6) / N;
  H = (CH - 6 * N - 10) / N;
  CandidateGrid(N, gc, gr);
  cw = W / gc;
  ch = H / gr;
}

TBoardHit HitTest(const TBoardLayout& L, int x, int y) {
  TBoardHit hit;
  // A window too small for the board has no squares to hit.
  if (L.W <= 0 || L.H <= 0 || L.cw <= 0 || L.ch <= 0) return hit;
  const int c = ColumnAt(L.W, x, L.N);
  const int r = RowAt(L.H, y, L.N);
  if (c < 0 || r < 0) return hit;
  hit.Square = true;
  hit.c = c + 1;
  hit.r = r + 1;
  hit.sc = (x - L.X0(hit.c)) / L.cw;
  hit.sr = (y - L.Y0(hit.r)) / L.ch;
  if (hit.sc >= L.gc || hit.sr >= L.gr) return hit;
  hit.Cell = true;
  hit.q = hit.sr * L.gc + hit.sc + 1;
  return hit;
}

bool TGameClock::Tick() {
  ++TickCount;
  if (TickCount < 1000 / Interval) return false;
  TickCount = 0;
  Add(1);
  if (MessageAge < MaxSeconds) ++MessageAge;
  return true;
}

void TGameClock::Add(int seconds) {
  ElapsedSeconds = ElapsedSeconds >= MaxSeconds - seconds ? MaxSeconds : ElapsedSeconds + seconds;
}

int ClampPuzzleNumber(long long number) {
  return static_cast<int>(std::clamp<long long>(number, MinPuzzleNumber, MaxPuzzleNumber));
}

int ParsePuzzleNumber(std::string_view text) {
  const auto blank = [](char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
    return MinPuzzleNumber;
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  // Digits beyond 64 bits are still a number, just a big one.
  if (error == std::errc::result_out_of_range) return negative ? MinPuzzleNumber : MaxPuzzleNumber;
  return ClampPuzzleNumber(negative ? -value : value);
}

std::int32_t ScoreFor(std::int32_t size, std::int32_t time, std::int32_t errors, std::int32_t clues) {
  // Each term fits 64 bits with room to spare, so the sum cannot wrap.
  const std::int64_t points = std::int64_t{10000} * size - std::int64_t{11} * time -
                              std::int64_t{10} * errors - std::int64_t{1000} * clues;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(points, 1, std::numeric_limits<std::int32_t>::max()));
}

int SizeForIndex(int index) {
  return index >= 0 && index < static_cast<int>(BoardSizes.size()) ? BoardSizes[index].N : 0;
}

int IndexForSize(int size) {
  return BoardSizeIndex(size);
}

THorizontalLayout HorizontalLayoutFor(int HW, int HH, int n) {
  THorizontalLayout L;
  if (n <= 0) return L;
  L.R = (n + 1) / 2;
  L.s = std::min((HW - 26) / 6, (HH - 6 * (L.R - 1) - 16) / L.R);
  return L;
}

int HorizontalClueAt(int HW, int HH, int n, int x, int y) {
  const THorizontalLayout L = HorizontalLayoutFor(HW, HH, n);
  if (L.s <= 0) return -1;
  const int c = ColumnAt(3 * L.s, x, 2);
  const int r = RowAt(L.s, y, L.R + 1);
  if (c < 0 || r < 0) return -1;
  const int i = c + 2 * r;
  return i < n ? i : -1;
}

int VerticalTileSize(int VW, int VH, int m) {
  if (m <= 0) return 0;
  return std::min((VW - 10 * m - 6) / m, (VH - 16) / 3);
}

int VerticalClueAt(int VW, int VH, int m, int x, int y) {
  const int s = VerticalTileSize(VW, VH, m);
  if (s <= 0) return -1;
  const int c = ColumnAt(s, x, m);
  const int r = RowAt(s, y, 10);
  return c >= 0 && r >= 0 ? c : -1;
}

int BestFitWidth(int panelWidth, int panelHeight, int boxWidth, int boxHeight, int n) {
  const THorizontalLayout L = HorizontalLayoutFor(boxWidth, boxHeight, n);
  if (L.s <= 0) return -1;
  const int wN = 6 * L.s + 26;
  const int hN = (L.s + 6) * L.R + 16;
  if (hN < boxHeight) return static_cast<int>(std::lround(panelWidth * (double(panelHeight) / hN)));
  if (wN < boxWidth) return wN + 10;
  return -1;
}

int DailyPuzzleNumber(long long day) {
  const long long m = MaxPuzzleNumber;
  const long long d = ((day % m) + m) % m;  // days before 2000 fall into the same cycle
  return static_cast<int>(1 + d * DailyMultiplier % m);
}

long long DailyDayOf(int year, int month, int day) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year(year) / month / day};
  const sys_days start{std::chrono::year(2000) / January / 1};
  return (date - start).count();
}
