// The board: layout, drawing of the squares, presses and the tile preview.
#include "BoardView.h"

#include "Fonts.h"
#include "HintLayout.h"
#include "Images.h"
#include "PuzzleArt.h"
#include "Session.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TBoardView::TBoardView(const TSession& session, QWidget* parent) : TPaintBox(parent), Session(session) {
  setMinimumSize(60, 60);
  OnPaint = [this] { Paint(); };
  OnMouseDown = [this](QMouseEvent* e) {
    Press(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
  };
  OnMouseMove = [this](QMouseEvent* e) { Hover(e->position().toPoint().x(), e->position().toPoint().y()); };
  MessageLabel = new QLabel(this);
  MessageLabel->setFont(NarrowFont(14));
  MessageLabel->setStyleSheet(
      QStringLiteral("QLabel { background: white; color: black; border: 1px solid black; padding: 0 3px; }"));
  MessageLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
  MessageLabel->hide();
  SquareArrow = new TArrowLine(this);
  SquareArrow->resize(BoardArrowSize);
  Timer = new TAnimationTimer(this, TEffects::FrameInterval, [this] { NextFrame(); });
  // The board gives up the animation's last frame for the finished puzzle.
  Timer->OnStop = [this] { Repaint(); };
}

void TBoardView::SetArt(const TImages* images, std::unique_ptr<TEffects> effects) {
  TileImages = images;
  Animator = std::move(effects);
  ScratchBitmap = TileImages->Picture(0)->copy();
}

TBoardLayout TBoardView::Layout() const {
  return TBoardLayout(Session.Game().N(), width(), height());
}

void TBoardView::DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H) {
  TPuzzleArt(TileImages, ScratchBitmap).DrawPicture(Canvas, Index, X, Y, W, H);
}

void TBoardView::DrawBoard(QPainter& Canvas) {
  const TGameController& game = Session.Game();
  TPuzzleArt(TileImages, ScratchBitmap)
      .DrawBoard(Canvas, game.BoardReady() ? &game.Puzzle : nullptr, Layout());
}

void TBoardView::DrawSquare(int c, int r) {
  if (!Session.Game().BoardReady()) return;
  const TBoardLayout L = Layout();
  {
    QPainter p(&Canvas);
    TPuzzleArt(TileImages, ScratchBitmap).DrawSquare(p, Session.Game().Puzzle, L, c, r);
  }
  update(L.X0(c), L.Y0(r), L.W, L.H);
}

void TBoardView::Draw() {
  {
    QPainter p(&Canvas);
    DrawBoard(p);
  }
  update();
}

void TBoardView::Paint() {
  if (Timer->isActive()) {
    // The animation owns the board. Resized, it goes on at the new size
    // rather than with the old size's pictures cropped.
    if (Animator->FinishPicture.size() != Canvas.size()) FitAnimationToBoard();
    return;
  }
  if (Session.Game().Paused()) {
    PausedLook(*this);
    QPainter p(&Canvas);
    const QFont font = NarrowFont(24);
    p.setFont(font);
    p.setPen(Qt::white);
    const QString text = tr("Your game is PAUSED");
    const QFontMetrics fm(font);
    p.drawText(width() / 2 - fm.horizontalAdvance(text) / 2, 24 + fm.ascent(), text);
    return;
  }
  QPainter p(&Canvas);
  DrawBoard(p);
}

void TBoardView::Press(Qt::MouseButton Button, int X, int Y) {
  if (OnDismiss) OnDismiss();
  const TBoardHit hit = HitTest(Layout(), X, Y);
  if (!hit.Cell || (Button != Qt::LeftButton && Button != Qt::RightButton)) {
    if (OnPressBeside) OnPressBeside();
    return;
  }
  if (OnPressCell)
    OnPressCell({hit.c, hit.r, hit.q, Button == Qt::LeftButton ? TButton::Left : TButton::Right}, {X, Y});
}

void TBoardView::Hover(int X, int Y) {
  if (Session.Prefs().ShowHints && OnHoverHint) OnHoverHint();
  if (Session.Prefs().Zoom) ShowTilePreview(X, Y);
}

TPaintBox* TBoardView::MakeTileZoom(QWidget* parent) {
  ZoomBox = new TPaintBox(parent);
  ZoomBox->setFixedSize(70, 70);
  // A zoom box keeps its picture, but not over a pause.
  ZoomBox->OnPaint = [this] {
    if (Session.Game().Paused()) ZoomBox->Canvas.fill(PausedColour);
  };
  return ZoomBox;
}

void TBoardView::ShowTilePreview(int X, int Y) {
  const TBoardLayout L = Layout();
  const TBoardHit hit = HitTest(L, X, Y);
  if (hit.Square) ShowTilePreviewOf(hit.c, hit.r, hit.Cell ? hit.sr * L.gc + hit.sc : -1);
}

void TBoardView::ShowTilePreviewOf(int c, int r, int t) {
  const TGameController& game = Session.Game();
  if (game.Paused() || !game.BoardReady()) return;
  QPainter p(&ZoomBox->Canvas);
  if (t < 0 || t >= game.N()) {
    p.fillRect(ZoomBox->rect(), Qt::black);
  } else {
    if (game.Puzzle.Square(c, r).IsSolved()) return;
    DrawPicture(p, TilePicture(r, t + 1) - 1, 0, 0, 64, 64);
  }
  ZoomBox->update();
}

void TBoardView::ClearZoom() {
  ZoomBox->Canvas.fill(Session.Game().Paused() ? PausedColour : QColor(Qt::black));
  ZoomBox->update();
}

void TBoardView::ShowMessageAt(int X, int Y, const QString& Text) {
  // Below the pointer; wrapped where the board is narrower than the message,
  // and above the pointer where it would run off the board's bottom edge.
  const int room = width();
  MessageLabel->setText(Text);
  MessageLabel->setWordWrap(false);
  MessageLabel->adjustSize();
  if (MessageLabel->width() > room) {
    MessageLabel->setWordWrap(true);
    MessageLabel->resize(room, MessageLabel->heightForWidth(room));
  }
  const int w = MessageLabel->width();
  const int h = MessageLabel->height();
  X = std::max(0, std::min(X, room - w));
  int top = Y + 12;
  if (top + h > height()) top = Y - 12 - h;
  MessageLabel->move(X, std::clamp(top, 0, std::max(0, height() - h)));
  MessageLabel->show();
  MessageLabel->raise();
}

void TBoardView::DrawStartPicture() {
  // The animation counts the canvas's own pixels, so the picture has as many;
  // the board is drawn into it in the widget's coordinates.
  QImage& start = Animator->StartPicture;
  start = QImage(Canvas.size(), QImage::Format_RGB32);
  start.setDevicePixelRatio(Canvas.devicePixelRatio());
  {
    QPainter p(&start);
    DrawBoard(p);
  }
  start.setDevicePixelRatio(1);
}

void TBoardView::StartAnimation(int animation) {
  Animator->Start(animation);
  FitAnimationToBoard();  // the board may have been resized since the set-up
  Timer->start();
}

void TBoardView::NextFrame() {
  // Every tick draws a frame into the canvas; the screen shows the latest
  // at its own rate.
  const qreal dpr = Canvas.devicePixelRatio();
  Canvas.setDevicePixelRatio(1);  // the effects count the canvas's own pixels
  const bool more = Animator && Animator->NextFrame(Canvas);
  Canvas.setDevicePixelRatio(dpr);
  if (!more) Timer->stop();
  update();
}

void TBoardView::FitAnimationToBoard() {
  // The finished board drawn at the board's size; the first picture is
  // stretched, as the board it shows is gone. The animation counts the
  // canvas's own pixels.
  QImage finish(Canvas.size(), QImage::Format_RGB32);
  finish.setDevicePixelRatio(Canvas.devicePixelRatio());
  {
    QPainter p(&finish);
    DrawBoard(p);
  }
  finish.setDevicePixelRatio(1);
  Animator->FinishPicture = finish;
  if (QImage& start = Animator->StartPicture; start.size() != finish.size())
    start = start.scaled(finish.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
  // The running transition goes on over the picture it started from.
  const qreal dpr = Canvas.devicePixelRatio();
  Canvas = (Animator->ShowFinish ? Animator->StartPicture : Animator->FinishPicture).copy();
  Canvas.setDevicePixelRatio(dpr);
}
