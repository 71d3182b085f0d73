// The information bar: player, puzzle, progress and clock.
#include "InfoBar.h"

#include "ClickLabel.h"
#include "Fonts.h"
#include "GameTexts.h"
#include "Session.h"

#include <QMouseEvent>

#include <algorithm>

namespace {
const QColor InfoBarColour(204, 236, 204);
}  // namespace

TInfoBar::TInfoBar(const TSession& session, QWidget* parent) : TMousePanel(parent), Session(session) {
  // Four labels at fixed places.
  setFixedHeight(38);
  setAutoFillBackground(true);
  QPalette info = palette();
  info.setColor(QPalette::Window, InfoBarColour);
  setPalette(info);
  TClickLabel** labels[] = {&PlayerLbl, &RzLabel1, &Label1, &TimeLbl};
  // The information bar's labels until the first puzzle fills them in.
  const char* texts[] = {
      //: Information bar: the player's name goes here
      QT_TRANSLATE_NOOP("MainForm", "Player"),
      //: Information bar: the puzzle's number goes here
      QT_TRANSLATE_NOOP("MainForm", "Puzzle No. x"),
      //: Information bar: how much of the board is solved goes here
      QT_TRANSLATE_NOOP("MainForm", "Solution"),
      //: Information bar: the clock goes here
      QT_TRANSLATE_NOOP("MainForm", "Time"),
  };
  for (int i = 0; i < 4; ++i) {
    auto* label = new TClickLabel(tr(texts[i]), this);
    // Inside the 2-pixel border the whole height of the font and the row of
    // the underscore below it: at 25 pixels "Jo_Ann" read "Jo Ann".
    label->setGeometry(8 + i * 243, 5, 231, 28);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(NarrowFont(16));
    label->setStyleSheet(
        QStringLiteral("QLabel { background: white; color: black; border: 2px solid rgb(0, 128, 0); }"));
    *labels[i] = label;
  }
  // A window too narrow for the four shares its width out among them, so
  // that no label is cut off, whatever the language makes of its text.
  OnResize = [this] {
    const int width = std::clamp((this->width() - 16 - 3 * 12) / 4, 60, 231);
    int i = 0;
    for (TClickLabel* label : {PlayerLbl, RzLabel1, Label1, TimeLbl})
      label->setGeometry(8 + i++ * (width + 12), 5, width, 28);
  };
  RzLabel1->setToolTip(tr("Click to go to a puzzle"));
  PlayerLbl->setToolTip(tr("Click to switch to another player"));
  TimeLbl->setToolTip(tr("Pause / Unpause"));
  RzLabel1->OnMouseDown = [this](QMouseEvent* e) {
    if (OnPuzzlePress) OnPuzzlePress(e->modifiers());
  };
  RzLabel1->OnClick = [this] {
    if (OnPuzzleClick) OnPuzzleClick();
  };
  TimeLbl->OnClick = [this] {
    if (OnTimeClick) OnTimeClick();
  };
  PlayerLbl->OnClick = [this] {
    if (OnPlayerClick) OnPlayerClick();
  };
}

void TInfoBar::ShowPlayer() {
  PlayerLbl->SetFittedText(Session.Prefs().PlayerName);
}

void TInfoBar::ShowPuzzle() {
  RzLabel1->SetFittedText(tr("Puzzle No. %1").arg(Session.Game().Number()));
}

void TInfoBar::ShowClock() {
  const TGameController& game = Session.Game();
  Label1->SetFittedText(ProgressText(game.Puzzle.SolvedCount, game.N()));
  ShowTime();
}

void TInfoBar::ShowTime() {
  TimeLbl->SetFittedText(TimeText(Session.Game().Clock.ElapsedSeconds, Session.Prefs().TimerOn));
}
