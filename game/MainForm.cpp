#include "MainForm.h"

#include "Images.h"
#include "Settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {}  // namespace

TMainForm::TMainForm(const QString& programPath, TDialogs& dialogs, QWidget* parent)
    : TMainForm(TDataFolders{QFileInfo(programPath).absolutePath(), QFileInfo(programPath).absolutePath()},
                programPath, dialogs, parent) {}

TMainForm::TMainForm(const TDataFolders& folders, TDialogs& dialogs, QWidget* parent)
    : TMainForm(folders, folders.RecordsPath(), dialogs, parent) {}

TMainForm::TMainForm(const TDataFolders& folders, const QString& recordsPath, TDialogs& dialogs,
                     QWidget* parent)
    : QMainWindow(parent),
      Dialogs(dialogs),
      AssetFolder(folders.Assets),
      Play(std::make_unique<TSession>(recordsPath, dialogs, static_cast<TSessionObserver&>(*this))) {
  Play->SetDialogOwner(this);
  InstallFontSubstitutes();
  setWindowTitle(tr("Quillmere - Logic Challenge"));
  auto* central = new TMousePanel(this);
  central->OnMouseDown = [this](QMouseEvent*) { FormMouseDown(); };
  setCentralWidget(central);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  CreateActions();
  CreateMenus();
  CreateToolbar(column);
  CreateInfoBar(column);
  // Board and vertical clues on the left, horizontal clues on the right; the
  // player drags the splitters.
  MainSplitter = new QSplitter(Qt::Horizontal, central);
  MainSplitter->setChildrenCollapsible(false);
  BoardSplitter = new QSplitter(Qt::Vertical, MainSplitter);
  BoardSplitter->setChildrenCollapsible(false);
  CreateBoardPane();
  CreateCluePanes();
  BoardSplitter->setStretchFactor(0, 1);
  BoardSplitter->setStretchFactor(1, 0);
  MainSplitter->setStretchFactor(0, 1);
  MainSplitter->setStretchFactor(1, 0);
  column->addWidget(MainSplitter, 1);
  CreateStatusBar();
  CreateTimers();
  Access.Install();
  resize(1024, 768);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  qApp->installEventFilter(this);  // the wheel, Ctrl+presses on the hint button, the status bar's size
}

bool TMainForm::FormCreate() {
  Play->LoadScores();
  QPalette tb = RzToolbar1->palette();
  tb.setColor(QPalette::Window, ToolbarColour);
  RzToolbar1->setPalette(tb);

  TileImages = std::make_unique<TImages>();
  if (!TileImages->LoadAll(AssetFolder)) {
    // The second line names the folder that fell short, so the player
    // knows where to look.
    const QString message = TileImages->LastFailure() == TImages::TFailure::UnreadablePicture
                                ? TileImages->LastError()
                                : tr("Not all images found - the program must close.\r%1\r"
                                     "Please refer to the troubleshooting section of the user guide.")
                                      .arg(TileImages->LastError());
    // A player who started the game from a terminal reads it there too.
    std::fprintf(stderr, "quillmere: %s\n", qPrintable(QString(message).replace('\r', ' ')));
    Dialogs.ErrorBox(this, message);
    return false;
  }
  Effects = std::make_unique<TEffects>(*TileImages, Play->Controller().Puzzle.Random);
  ScratchBitmap = TileImages->Picture(0)->copy();

  Play->LoadPlayers();
  ShowPlayer();
  for (const QString& error : Sounds.Load(AssetFolder + QStringLiteral("/sounds/")))
    Dialogs.ErrorBox(this, error);
  Created = true;
  return true;
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  WinTimer->stop();
  Timer1->stop();
  DismissPointers();
  for (TPaintBox* box : {PaintBox1, PaintBox2, PaintBox3, HorizontalPaintBox, VerticalPaintBox, HintPane}) {
    box->OnPaint = nullptr;
    box->OnMouseDown = nullptr;
    box->OnMouseMove = nullptr;
  }
  RzSizePanel1->OnResize = nullptr;
  RzSizePanel2->OnResize = nullptr;
  Play->StoreAtExit();
  Play.reset();  // it reports nothing more to a window going away
}

void TMainForm::EndBySignal() {
  WinTimer->stop();
  Timer1->stop();
  EndByExit();
  // Ends the nested loops of open dialogs too, and any that would open later.
  QCoreApplication::exit(0);
}

void TMainForm::EndByExit() {
  Play->StoreOnSignal();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (Shown || !Created) return;
  Shown = true;
  // The narrowest window still shows the whole toolbar.
  centralWidget()->layout()->activate();
  const int right = ZoomBtn->mapTo(this, QPoint(ZoomBtn->width(), 0)).x();
  setMinimumSize(right + 4, 500);
  // The stored width, height and place are the frame's. A window manager
  // frames the window only after it is mapped, so the size is applied once
  // more when the frame becomes known.
  Placement.Apply(Play->Settings(), true);
  Placement.Settle([this] {
    Placement.Apply(Play->Settings(), true);
    CaptureWindowSizes();
  });
  centralWidget()->layout()->activate();
  const TSettings& settings = Play->Settings();
  SetHorizontalPanelWidth(settings.HorizontalWidth > 0 ? settings.HorizontalWidth : 288);
  SetVerticalPanelHeight(settings.VerticalHeight > 0 ? settings.VerticalHeight : 199);
  // The sizes the window really took are the ones kept, never a stored
  // size the screen could not hold.
  CaptureWindowSizes();
  Play->SetUpPuzzle();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // However the window is closed (Exit, its close button, Alt+F4, the
  // desktop's log-out), a game in progress is offered for saving first;
  // Cancel, or a save that failed, keeps the window open and the game on.
  if (Shown && !Play->OfferToSave()) {
    event->ignore();
    return;
  }
  if (Created) CaptureWindowSizes();
  QMainWindow::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HintBtn && event->type() == QEvent::MouseButtonPress &&
      (static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier))
    HintBtnMouseDown();
  // The hint pane fills the whole status bar.
  if (watched == statusBar() && event->type() == QEvent::Resize) HintPane->setGeometry(statusBar()->rect());
  // The wheel never scrolls anything here, least of all the size list.
  if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this)
    return true;
  // A key for the size list that comes after the list closed picks nothing
  // more. The list takes Return as a shortcut override and closes; with a
  // screen reader running, its bridge hands the same key on again later.
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
      watched == ComboBox1->view() && !ComboBox1->view()->isVisible())
    return true;
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::GamePhaseChanged() {
  const TGameController& game = Play->Game();
  if (game.ClockRuns())
    Timer1->start();
  else
    Timer1->stop();
  // The button shows the player's pause, whatever started or ended it (a new
  // puzzle plays at once).
  Pause1->setChecked(game.PlayerPaused());
  if (!game.BoardReady() || game.Paused() == ShownPaused) return;
  ShownPaused = game.Paused();
  // The clue panels' free strips and the zoom boxes take the paused look too.
  for (QWidget* panel : {RzSizePanel1, RzSizePanel2}) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ShownPaused ? PausedColour : QColor(Qt::black));
    panel->setPalette(palette);
  }
  ClearZoomBoxes();
  RepaintAll();
}

void TMainForm::DismissPointers() {
  RzLine1->hide();
  RzLine2->hide();
  RzLine4->hide();
  BlinkTimer->stop();
}

void TMainForm::BlinkTimerTimer() {
  // One phase for all three, so the arrows shown change colour together.
  ArrowsLit = !ArrowsLit;
  for (TArrowLine* arrow : {RzLine1, RzLine2, RzLine4})
    arrow->SetLineColor(ArrowsLit ? ArrowYellow : ArrowRed);
}

void TMainForm::WinTimerTimer() {
  // Every tick draws a frame into the canvas; the screen shows the latest
  // at its own rate.
  QImage& canvas = PaintBox1->Canvas;
  const qreal dpr = canvas.devicePixelRatio();
  canvas.setDevicePixelRatio(1);  // the effects count the canvas's own pixels
  const bool more = Effects && Effects->NextFrame(canvas);
  canvas.setDevicePixelRatio(dpr);
  if (!more) WinTimer->stop();
  PaintBox1->update();
}

void TMainForm::SetHorizontalPanelWidth(int width) {
  const int total = MainSplitter->width() - MainSplitter->handleWidth();
  if (total <= 0) return;
  width = std::clamp(width, 20, std::max(20, total - 60));
  MainSplitter->setSizes({total - width, width});
}

void TMainForm::SetVerticalPanelHeight(int height) {
  const int total = BoardSplitter->height() - BoardSplitter->handleWidth();
  if (total <= 0) return;
  height = std::clamp(height, 20, std::max(20, total - 60));
  BoardSplitter->setSizes({total - height, height});
}

void TMainForm::ShowSwitches(bool layOutZoom) {
  const TPrefs& prefs = Play->Prefs();
  if (layOutZoom || prefs.Zoom != ZoomSmallTiles1->isChecked()) SetZoom(prefs.Zoom);
  ShowHints1->setChecked(prefs.ShowHints);
  TimedGame1->setChecked(prefs.TimerOn);
}

void TMainForm::ApplyPreferences() {
  ShowSwitches();
  // Placed before the window exists, the window manager puts the frame there.
  Placement.Apply(Play->Settings(), !Shown);
  const TSettings& settings = Play->Settings();
  if (settings.HorizontalWidth > 0) SetHorizontalPanelWidth(settings.HorizontalWidth);
  if (settings.VerticalHeight > 0) SetVerticalPanelHeight(settings.VerticalHeight);
  if (Shown) CaptureWindowSizes();
}

void TMainForm::ShowPlayer() {
  PlayerLbl->SetFittedText(Play->Prefs().PlayerName);
  ApplyPreferences();
  ShowPuzzleSize();
  ShowHintPane();
}

void TMainForm::ShowPuzzleSize() {
  const int index = IndexForSize(Play->Prefs().PuzzleSize);
  if (index >= 0) ComboBox1->setCurrentIndex(index);  // setCurrentIndex does not emit activated
}

void TMainForm::CaptureWindowSizes() {
  TSettings& settings = Play->Settings();
  Placement.Capture(settings);
  settings.HorizontalWidth = RzSizePanel2->width();
  settings.VerticalHeight = RzSizePanel1->height();
}

void TMainForm::ComeToFront() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  raise();
  activateWindow();
  // A dialog open over the window stays on top of it and keeps the keys.
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
    modal->raise();
    modal->activateWindow();
  }
}

void TMainForm::Exit1Click() {
  close();  // the close asks to save a game in progress
}

void TMainForm::FormMouseDown() {
  DismissPointers();
}

void TMainForm::HelpMenuClick() {
  Dialogs.ShowHelp(this);
}

void TMainForm::Guide1Click() {
  Dialogs.ShowGuide(this);
}

void TMainForm::DividerLeftClick() {
  SetHorizontalPanelWidth(RzSizePanel2->width() + DividerStep);
}

void TMainForm::DividerRightClick() {
  SetHorizontalPanelWidth(RzSizePanel2->width() - DividerStep);
}

void TMainForm::DividerUpClick() {
  SetVerticalPanelHeight(RzSizePanel1->height() + DividerStep);
}

void TMainForm::DividerDownClick() {
  SetVerticalPanelHeight(RzSizePanel1->height() - DividerStep);
}

void TMainForm::About1Click() {
  Dialogs.ShowAbout(this);
}

void TMainForm::ShowHighScores1Click() {
  WinTimer->stop();
  DismissPointers();
  // The game stays paused until the player resumes it, as with the button.
  Play->ShowHighScores();
}

void TMainForm::Statistics1Click() {
  WinTimer->stop();
  DismissPointers();
  Play->ShowStatistics();
}

void TMainForm::TimedGame1Click() {
  WinTimer->stop();
  Play->SetTimed(TimedGame1->isChecked());
}

void TMainForm::HintBtnClick() {
  WinTimer->stop();
  Play->SetShowHints(ShowHints1->isChecked());
}

void TMainForm::ShowHintPane() {
  statusBar()->setFixedHeight(Play->Prefs().ShowHints ? 36 : 12);
  HintPane->Repaint();  // the thin bar drops the sentence, the tall one brings it back
}
