#pragma once

#include "Clue.h"
#include "GameRules.h"
#include "PaintBox.h"

#include <QCoreApplication>
#include <QImage>

#include <functional>

class QAction;
class QMenu;
class TImages;
class TSession;

// A clue panel: the horizontal clues on the right of the board with the clue
// zoom box below them, or the vertical clues below the board with the tile
// zoom box (the board's) on their left. It draws the clues of the game the
// session holds, hidden ones as boxes, the congratulations (vertical) and the
// paused look, outlines the clue a hint is about and points the hint arrow at
// it; presses and hovers go on to its callbacks, the right button to its
// menu (Show All).
class TCluePanel : public TMousePanel {
  // Its texts translate as the window's own.
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  // sideBox makes the box on the clues' left (the vertical panel's tile zoom).
  TCluePanel(bool vertical, const TSession& session, QWidget* parent,
             const std::function<QWidget*(QWidget*)>& sideBox = {});
  void SetArt(const TImages* images);
  bool IsVertical() const { return Vertical; }

  TPaintBox* Clues() const { return Box; }
  TPaintBox* Zoom() const { return ZoomBox; }  // the clue zoom box; the vertical panel has none
  TArrowLine* Arrow() const { return ClueArrow; }
  QMenu* Menu() const { return Popup; }
  QAction* ShowAll() const { return ShowAllAction; }

  const TClueList& List() const;
  THorizontalLayout HorizontalLayout() const;
  int TileSize() const;             // of a clue's cells; 0 where none fits
  int ClueAt(int X, int Y) const;   // -1 for none
  QRect ClueRect(int Index) const;  // with the TileSize() s above 0
  void Draw();                      // every clue onto the canvas, at once
  void DrawHorizontalClue(QPainter& Canvas, const TClue& Clue, int Left, int Top, int Size);
  // The clue's outline for a hint, and the arrow moved to it.
  void Highlight(int Index, bool On);
  void ShowCluePreview(const TClue& Clue);  // in the clue zoom box
  void ShowZoom(bool On);                   // the clue zoom box shown, a third of the width high
  void ClearZoom();                         // in the paused colour while paused

  // A press at (X, Y) and the pointer resting there, as the mouse gives them.
  void Press(Qt::MouseButton Button, int X, int Y);
  void Hover(int X, int Y);
  std::function<void()> OnDismiss;      // a press puts the hint arrows away (horizontal)
  std::function<void(int)> OnChoose;    // a press on clue i (-1: none)
  std::function<void(int)> OnHover;     // the pointer rests on clue i (-1: none)
  std::function<void(bool)> OnShowAll;  // Show All of this panel (its verticality)

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Paint();

  const bool Vertical;
  const TSession& Session;
  const TImages* TileImages = nullptr;
  QImage ScratchBitmap;
  TPaintBox* Box = nullptr;
  TPaintBox* ZoomBox = nullptr;
  TArrowLine* ClueArrow = nullptr;
  QMenu* Popup = nullptr;
  QAction* ShowAllAction = nullptr;
};
