#pragma once

#include "HintLayout.h"
#include "PaintBox.h"

#include <QImage>

#include <functional>
#include <vector>

class QStatusBar;
class TClue;
class TImages;
class TSession;
struct TDeductionStep;

// The hint pane over the whole status bar: the sentence about the clue or the
// step under the pointer, with the tiles as pictures. The bar is 36 pixels
// high with hints and 12 without, which shows no sentence.
class THintPane : public TPaintBox {
 public:
  // rowName names a row of tiles in the sentences.
  THintPane(const TSession& session, QStatusBar* statusBar, std::function<QString(int)> rowName);
  void SetArt(const TImages* images);

  // Lays out what the clue (or the board, without one) says, or the step
  // the engine took when step; shows it.
  void Explain(const TClue* Clue, int Index, bool Step, const TDeductionStep& LastStep);
  void Clear();  // another puzzle is in play: no sentence of the last one stays
  const std::vector<THintPiece>& Pieces() const { return HintPieces; }
  void FitBar();  // the status bar as high as the hint preference wants

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Paint();

  const TSession& Session;
  std::function<QString(int)> RowName;
  const TImages* TileImages = nullptr;
  QImage ScratchBitmap;
  std::vector<THintPiece> HintPieces;  // what the pane shows
};
