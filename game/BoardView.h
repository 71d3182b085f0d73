#pragma once

#include "AnimationTimer.h"
#include "Effects.h"
#include "GameRules.h"
#include "PaintBox.h"

#include <QCoreApplication>
#include <QImage>

#include <functional>
#include <memory>

class QLabel;
class TImages;
class TSession;
struct TMove;

// The board: the squares with their candidate cells, the paused look and the
// completion animation, the mis-click message near the pointer, the hint
// arrow pointing at a square, and the tile zoom box (laid out beside the
// vertical clues). It draws the game the session holds and hands presses and
// hovers on to its callbacks.
class TBoardView : public TPaintBox {
  // Its texts translate as the window's own.
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  TBoardView(const TSession& session, QWidget* parent);
  // The pictures once they are loaded; the animation draws with them.
  void SetArt(const TImages* images, std::unique_ptr<TEffects> effects);
  const TImages* Images() const { return TileImages; }
  TEffects* Effects() const { return Animator.get(); }

  TBoardLayout Layout() const;
  void DrawBoard(QPainter& Canvas);
  void DrawSquare(int c, int r);  // onto the canvas
  void Draw();                    // the whole board onto the canvas, at once
  void DrawStartPicture();        // the new board, for the animation

  // The tile zoom box, made for the panel that lays it out.
  TPaintBox* MakeTileZoom(QWidget* parent);
  TPaintBox* TileZoom() const { return ZoomBox; }
  void ShowTilePreview(int X, int Y);
  void ShowTilePreviewOf(int c, int r, int t);  // tile t (0-based) of square (c, r); -1: none
  void ClearZoom();                             // in the paused colour while paused

  QLabel* Message() const { return MessageLabel; }  // the message near the pointer
  void ShowMessageAt(int X, int Y, const QString& Text);
  TArrowLine* Arrow() const { return SquareArrow; }

  // The completion animation.
  TAnimationTimer* Animation() const { return Timer; }
  void StartAnimation(int animation);
  void NextFrame();  // a tick of the animation
  bool Animating() const { return Timer->isActive(); }

  // A press at (X, Y) and the pointer resting there, as the mouse gives them.
  void Press(Qt::MouseButton Button, int X, int Y);
  void Hover(int X, int Y);
  std::function<void()> OnDismiss;                        // any press puts the hint arrows away
  std::function<void(const TMove&, QPoint)> OnPressCell;  // a press on a candidate cell
  std::function<void()> OnPressBeside;                    // a press beside the cells
  std::function<void()> OnHoverHint;                      // the pointer moved over the board, hints on

 private:
  void Paint();
  // The animation's two pictures at the board's present size, the canvas
  // showing the one the running transition started from.
  void FitAnimationToBoard();
  void DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H);

  const TSession& Session;
  const TImages* TileImages = nullptr;
  std::unique_ptr<TEffects> Animator;
  QImage ScratchBitmap;
  TPaintBox* ZoomBox = nullptr;
  QLabel* MessageLabel = nullptr;
  TArrowLine* SquareArrow = nullptr;
  TAnimationTimer* Timer = nullptr;
};
