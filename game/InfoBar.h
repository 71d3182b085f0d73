#pragma once

#include "PaintBox.h"

#include <QCoreApplication>

#include <functional>

class TClickLabel;
class TSession;

// The information bar below the toolbar: the player, the puzzle's number, how
// much of the board is solved and the clock, four labels at fixed places (a
// narrow window shares its width out among them). Clicks go on to the
// callbacks.
class TInfoBar : public TMousePanel {
  // Its texts translate as the window's own.
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  TInfoBar(const TSession& session, QWidget* parent);
  TClickLabel* Player() const { return PlayerLbl; }
  TClickLabel* Puzzle() const { return RzLabel1; }
  TClickLabel* Progress() const { return Label1; }
  TClickLabel* Time() const { return TimeLbl; }

  void ShowPlayer();  // the player's name
  void ShowPuzzle();  // the puzzle's number
  void ShowClock();   // the progress and the clock
  void ShowTime();    // the clock alone

  std::function<void()> OnPlayerClick, OnPuzzleClick, OnTimeClick;
  std::function<void(Qt::KeyboardModifiers)> OnPuzzlePress;  // before the click, with the keys held

 private:
  const TSession& Session;
  TClickLabel *PlayerLbl = nullptr, *RzLabel1 = nullptr, *Label1 = nullptr, *TimeLbl = nullptr;
};
