// The board: layout, drawing of the squares, presses and the tile preview.
#include "Images.h"
#include "MainForm.h"
#include "PuzzleArt.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {
const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);

// A filled rectangle from (x1, y1) up to but excluding (x2, y2), outlined
// inside with the pen colour.
void Rectangle(QPainter& p, int x1, int y1, int x2, int y2, const QColor& pen, const QColor& brush) {
  if (x2 <= x1 || y2 <= y1) return;
  p.fillRect(x1, y1, x2 - x1, y2 - y1, brush);
  p.setPen(QPen(pen, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}
}  // namespace

TBoardLayout TMainForm::BoardLayout() const {
  return TBoardLayout(N(), PaintBox1->width(), PaintBox1->height());
}

void TMainForm::DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H) {
  TPuzzleArt(TileImages.get(), ScratchBitmap).DrawPicture(Canvas, Index, X, Y, W, H);
}

void TMainForm::DrawBoard(QPainter& Canvas) {
  DrawBoardBackground(Canvas);
  for (int Y = 1; Y <= N(); ++Y)
    for (int X = 1; X <= N(); ++X) DrawSquare(Canvas, X, Y);
}

void TMainForm::DrawBoardBackground(QPainter& Canvas) {
  const TBoardLayout L = BoardLayout();
  Rectangle(Canvas, 0, 0, L.CW, L.CH, Yellow, Navy);
  Canvas.setPen(QPen(Yellow, 0));
  Canvas.setBrush(Qt::NoBrush);
  const int yb = 6 + L.N * (L.H + 6);
  for (int X = 1; X <= L.N; ++X) {
    const int xl = 6 + (X - 1) * (L.W + 10);
    const int xr = xl + L.W + 2;
    const QPoint outline[] = {{xl, 6}, {xr, 6}, {xr, yb}, {xl, yb}, {xl, 6}};
    Canvas.drawPolyline(outline, 5);
  }
}

void TMainForm::DrawSquare(QPainter& Canvas, int X, int Y) {
  if (!Play->Game().BoardReady()) return;
  const TBoardLayout L = BoardLayout();
  if (L.W <= 0 || L.H <= 0) return;
  const int x0 = L.X0(X), y0 = L.Y0(Y);
  const TSquare& sq = Play->Game().Puzzle.Square(X, Y);
  if (sq.IsSolved()) {
    Rectangle(Canvas, x0, y0, x0 + L.W, y0 + L.H, Qt::black, Qt::black);
    Rectangle(Canvas, x0 + 2, y0 + 2, x0 + L.W - 2, y0 + L.H - 2, Qt::black, Navy);
    const int s = std::min(64, std::min(L.W, L.H)) - 4;
    if (IsPicture(sq.imageindex()))
      DrawPicture(Canvas, sq.imageindex() - 1, x0 + (L.W - s) / 2, y0 + (L.H - s) / 2, s, s);
    return;
  }
  for (int t = 1; t <= L.N; ++t) {
    const int cx = x0 + ((t - 1) % L.gc) * L.cw;
    const int cy = y0 + ((t - 1) / L.gc) * L.ch;
    if (sq.HasCandidate(t))
      DrawPicture(Canvas, TilePicture(Y, t) - 1, cx, cy, L.cw, L.ch);
    else
      Rectangle(Canvas, cx, cy, cx + L.cw, cy + L.ch, Qt::black, Qt::black);
  }
}

void TMainForm::DrawSquare(int c, int r) {
  if (!Play->Game().BoardReady()) return;
  {
    QPainter p(&PaintBox1->Canvas);
    DrawSquare(p, c, r);
  }
  const TBoardLayout L = BoardLayout();
  PaintBox1->update(L.X0(c), L.Y0(r), L.W, L.H);
}

void TMainForm::PausedLook(TPaintBox* Box) {
  QPainter p(&Box->Canvas);
  Rectangle(p, 0, 0, Box->width(), Box->height(), Qt::black, PausedColour);
  if (Box != PaintBox1) return;
  const QFont font = NarrowFont(24);
  p.setFont(font);
  p.setPen(Qt::white);
  const QString text = QStringLiteral("Your game is PAUSED");
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
  Play->Press(Move);
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
  const TGame& game = Play->Game();
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
  Play->Prefs().Zoom = On;
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
