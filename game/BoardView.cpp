// The board: layout, drawing of the squares, presses and the tile preview.
#include "Images.h"
#include "MainForm.h"
#include "PuzzleArt.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

TBoardLayout TMainForm::BoardLayout() const {
  return TBoardLayout(N(), PaintBox1->width(), PaintBox1->height());
}

void TMainForm::DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H) {
  TPuzzleArt(TileImages.get(), ScratchBitmap).DrawPicture(Canvas, Index, X, Y, W, H);
}

void TMainForm::DrawBoard(QPainter& Canvas) {
  const TGameController& game = Play->Game();
  TPuzzleArt(TileImages.get(), ScratchBitmap)
      .DrawBoard(Canvas, game.BoardReady() ? &game.Puzzle : nullptr, BoardLayout());
}

void TMainForm::DrawSquare(int c, int r) {
  if (!Play->Game().BoardReady()) return;
  const TBoardLayout L = BoardLayout();
  {
    QPainter p(&PaintBox1->Canvas);
    TPuzzleArt(TileImages.get(), ScratchBitmap).DrawSquare(p, Play->Game().Puzzle, L, c, r);
  }
  PaintBox1->update(L.X0(c), L.Y0(r), L.W, L.H);
}

void TMainForm::PausedLook(TPaintBox* Box) {
  QPainter p(&Box->Canvas);
  p.fillRect(Box->rect(), PausedColour);
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(Box->rect().adjusted(0, 0, -1, -1));
  if (Box != PaintBox1) return;
  const QFont font = NarrowFont(24);
  p.setFont(font);
  p.setPen(Qt::white);
  const QString text = tr("Your game is PAUSED");
  const QFontMetrics fm(font);
  p.drawText(Box->width() / 2 - fm.horizontalAdvance(text) / 2, 24 + fm.ascent(), text);
}

void TMainForm::PaintBox1Paint() {
  if (WinTimer->isActive()) {
    // The animation owns the board. Resized, it goes on at the new size
    // rather than with the old size's pictures cropped.
    if (Effects->FinishPicture.size() != PaintBox1->Canvas.size()) FitAnimationToBoard();
    return;
  }
  if (Play->Game().Paused()) {
    PausedLook(PaintBox1);
    return;
  }
  QPainter p(&PaintBox1->Canvas);
  DrawBoard(p);
}

void TMainForm::PaintBox1MouseDown(Qt::MouseButton Button, int X, int Y) {
  DismissPointers();
  if (Play->Game().Paused()) return;
  const TBoardHit hit = HitTest(BoardLayout(), X, Y);
  if (!hit.Cell || (Button != Qt::LeftButton && Button != Qt::RightButton)) {
    Play->PressedBesideCells();
    return;
  }
  PressCell({hit.c, hit.r, hit.q, Button == Qt::LeftButton ? TButton::Left : TButton::Right}, {X, Y});
}

void TMainForm::PressCell(const TMove& Move, QPoint At) {
  MessagePoint = At;
  Play->Press(Move);  // what it changed and cost comes back as the session's reports
}

void TMainForm::PaintBox1MouseMove(int X, int Y) {
  if (Play->Prefs().ShowHints) ExplainClue(nullptr, 0, false);
  if (Play->Prefs().Zoom) ShowTilePreview(X, Y);
}

void TMainForm::ShowTilePreview(int X, int Y) {
  const TBoardLayout L = BoardLayout();
  const TBoardHit hit = HitTest(L, X, Y);
  if (hit.Square) ShowTilePreviewOf(hit.c, hit.r, hit.Cell ? hit.sr * L.gc + hit.sc : -1);
}

void TMainForm::ShowTilePreviewOf(int c, int r, int t) {
  const TGameController& game = Play->Game();
  if (game.Paused() || !game.BoardReady()) return;
  QPainter p(&PaintBox3->Canvas);
  if (t < 0 || t >= N()) {
    p.fillRect(PaintBox3->rect(), Qt::black);
  } else {
    if (game.Puzzle.Square(c, r).IsSolved()) return;
    DrawPicture(p, TilePicture(r, t + 1) - 1, 0, 0, 64, 64);
  }
  PaintBox3->update();
}

void TMainForm::ClearZoomBoxes() {
  const QColor colour = Play->Game().Paused() ? PausedColour : QColor(Qt::black);
  for (TPaintBox* box : {PaintBox2, PaintBox3}) {
    box->Canvas.fill(colour);
    box->update();
  }
}

void TMainForm::ZoomBoxPaint(TPaintBox* Box) {
  if (Play->Game().Paused()) Box->Canvas.fill(PausedColour);
}

void TMainForm::SetZoom(bool On) {
  ZoomSmallTiles1->setChecked(On);
  Play->SetZoom(On);
  // The layouts give the vertical clues the panel's width less the 70-pixel
  // strip of the tile zoom box, and the clue zoom box a third of the
  // horizontal panel's width in height.
  PaintBox3->setVisible(On);
  PaintBox2->setFixedHeight(std::max(1, RzSizePanel2->width() / 3));
  PaintBox2->setVisible(On);
  if (!On) ClearZoomBoxes();
  VerticalPaintBox->Repaint();
  HorizontalPaintBox->Repaint();
}

void TMainForm::ZoomBtnClick() {
  WinTimer->stop();
  SetZoom(ZoomSmallTiles1->isChecked());
}

void TMainForm::RzSizePanel1Resize() {
  if (Created) SetZoom(Play->Prefs().Zoom);
}

void TMainForm::RzSizePanel2Resize() {
  // The clue zoom box stays one third as high as the panel is wide.
  PaintBox2->setFixedHeight(std::max(1, RzSizePanel2->width() / 3));
}

void TMainForm::FitAnimationToBoard() {
  // The finished board drawn at the board's size; the first picture is
  // stretched, as the board it shows is gone. The animation counts the
  // canvas's own pixels.
  QImage& canvas = PaintBox1->Canvas;
  QImage finish(canvas.size(), QImage::Format_RGB32);
  finish.setDevicePixelRatio(canvas.devicePixelRatio());
  {
    QPainter p(&finish);
    DrawBoard(p);
  }
  finish.setDevicePixelRatio(1);
  Effects->FinishPicture = finish;
  if (QImage& start = Effects->StartPicture; start.size() != finish.size())
    start = start.scaled(finish.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
  // The running transition goes on over the picture it started from.
  const qreal dpr = canvas.devicePixelRatio();
  canvas = (Effects->ShowFinish ? Effects->StartPicture : Effects->FinishPicture).copy();
  canvas.setDevicePixelRatio(dpr);
}
