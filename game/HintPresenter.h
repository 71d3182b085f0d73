#pragma once

#include <QColor>

class QTimer;
class TBoardView;
class TClue;
class TCluePanel;
class THintPane;
class TSession;
struct TDeductionStep;

// The hints across the views: the pane's sentence, the outlined clue and the
// three arrows (at a square, at a horizontal clue, at a vertical clue) that
// point at what the step of "Give me a clue!" used, blinking in one phase.
class THintPresenter {
 public:
  THintPresenter(TSession& session, TBoardView& board, TCluePanel& horizontal, TCluePanel& vertical,
                 THintPane& pane, QTimer& blink)
      : Session(session),
        Board(board),
        Horizontal(horizontal),
        Vertical(vertical),
        Pane(pane),
        BlinkTimer(blink) {}

  // The hint of a clue, or of the board without one, or of the step just
  // taken: the pane's sentence, the clue outlined, the square's arrow placed.
  void Explain(const TClue* Clue, int Index, bool Step);
  void ShowPointers(const TDeductionStep& Step);  // the arrows of the step just taken
  void Dismiss();                                 // the arrows put away
  void Forget();  // another puzzle is in play: no arrow or sentence of the last one stays
  void Blink();   // a tick of the blink timer

 private:
  TSession& Session;
  TBoardView& Board;
  TCluePanel &Horizontal, &Vertical;
  THintPane& Pane;
  QTimer& BlinkTimer;
  // The hint arrows blink between these, all in the same phase.
  static inline const QColor ArrowRed{255, 0, 0}, ArrowYellow{255, 255, 0};
  bool ArrowsLit = false;  // the arrows are yellow in this half of the blink
};
