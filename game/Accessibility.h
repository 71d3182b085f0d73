#pragma once

#include "BoardPos.h"
#include "GameController.h"
#include "KeyCursor.h"

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAccessibleInterface;
class QMainWindow;
class TBoardView;
class TClue;
class TCluePanel;
class THintPane;
class TInfoBar;
class TMainFormControls;
class TSession;
enum class TPuzzleChange;
enum class TStateChange;

// The window in words, for screen readers: the painted board is a table of
// squares holding their candidate cells, the clue panels are lists of clue
// sentences, the labels say what they show. The keyboard cursor is the
// accessible focus, and what a player must notice (a mis-click, a square the
// cascade solved, the step of "Give me a clue!", the congratulations, the
// pause) is announced without moving the focus.
// The window's parts it reads and names.
struct TAccessibleWindow {
  QMainWindow* Window = nullptr;
  const TSession* Session = nullptr;
  TMainFormControls* Controls = nullptr;
  TBoardView* Board = nullptr;
  TCluePanel *Horizontal = nullptr, *Vertical = nullptr;
  THintPane* Hints = nullptr;
  TInfoBar* Info = nullptr;
  const TKeyCursor* Cursor = nullptr;  // the keyboard cursor, once installed
};

class TAccessibility {
 public:
  explicit TAccessibility(const TAccessibleWindow& window) : Form(window) {}
  // The window's interfaces go first: the controls outlive the session they
  // read.
  ~TAccessibility();
  TAccessibility(const TAccessibility&) = delete;
  TAccessibility& operator=(const TAccessibility&) = delete;
  // After the controls exist: the paint boxes and labels get their
  // interfaces, the other controls their names; the keys move cursor.
  void Install(const TKeyCursor& cursor);

  // What the session reported.
  void PuzzleChanged(TPuzzleChange change);
  // A square the cascade or a step solved is said; for the square pressed,
  // what the press did where the board's look is all that tells it (a
  // removed or restored candidate).
  void SquareChanged(const TSquareChange& change);
  void StateChanged(TStateChange change);
  // The player's pause and its end are said; the board and clues hide while
  // paused.
  void PhaseChanged(const TPhaseChange& change);
  // A clue of a panel was hidden or shown (Index -1: every clue shown).
  void ClueChanged(const TClueChange& change);
  void MisClick(const QString& text);
  void StepExplained(const TDeductionStep& step);
  // The keyboard cursor moved, or what it stands on changed.
  void FollowCursor();

  // The words. Names come from the tile set; the generated set's are
  // translated.
  QString TileName(int row, int tile) const;
  QString RowName(int row) const;
  // "Column 3, Animals: Dog" once solved, "Column 3, Animals: Dog or Cat"
  // before; and for a square just solved, "Column 3, Animals: Dog, placed".
  QString SquareText(int c, int r) const;
  QString PlacedText(int c, int r) const;
  QString CellText(int c, int r, int q) const;
  QString ClueText(const TClue& clue) const;  // with "(hidden)" when it is
  QString StepText(const TDeductionStep& step) const;
  QString HintPaneText() const;
  // What the board and the clues say while the game is paused, and what a
  // key that would play says then.
  QString PausedText() const;
  QString PauseNotice() const;

  // A penalty of seconds (for a clue, else a mis-click) was added: said when
  // the game is timed, and kept for TimeAndProgress until ForgetPenalty.
  void NotePenalty(int seconds, bool clue);
  void ForgetPenalty() { LastPenalty = 0; }
  // The clock, the progress and the last penalty of this puzzle, in words.
  QString TimeAndProgress() const;

  // Said without moving the focus, together with whatever else this event
  // brings (sent once the event is done, after the focus has its new name).
  // Readers speak it at once, cutting short what they were saying.
  void Announce(const QString& text);

  // What the keyboard cursor stands on in pane, while it shows there and the
  // pane has the focus; nullptr otherwise.
  QAccessibleInterface* CursorTarget(TKeyPane pane) const;
  // The cursor stands on the cell (or with q 0, the solved square) of (c, r).
  bool CursorOn(int c, int r, int q) const;
  bool CursorOnClue(bool vertical, int index) const;

  TAccessibleWindow Form;

 private:
  void SendAnnouncements();
  // Said before whatever else this event announces.
  void AnnounceFirst(const QString& text);
  // The painted panes' children come and go (another puzzle, the pause).
  void Reordered();
  bool CursorOnBoardSquare(int c, int r) const;
  QString ClueSentence(const TClue& clue, bool step) const;
  void Provide(QObject* object, const std::function<QAccessibleInterface*(QObject*)>& maker);

  bool PlayerPaused = false;  // as the last phase report said
  bool WasPaused = false;
  QString FocusKey, FocusName;  // where the cursor stood, and what it said there
  QStringList Pending;
  int LastPenalty = 0;              // the seconds the last penalty of this puzzle added
  bool LastPenaltyForClue = false;  // and whether a clue cost them (else a mis-click)
  QList<QPointer<QObject>> Provided;
};
