#include "MainForm.h"

#include "Images.h"
#include "Settings.h"

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

namespace {
const QColor ToolbarColour(226, 226, 226);
}  // namespace

TMainForm::TMainForm(const QString& programPath, TDialogs& dialogs, QWidget* parent)
    : TMainForm(TDataFolders{QFileInfo(programPath).absolutePath(), QFileInfo(programPath).absolutePath()},
                programPath, dialogs, parent) {}

TMainForm::TMainForm(const TDataFolders& folders, TDialogs& dialogs, QWidget* parent)
    : TMainForm(folders, folders.RecordsPath(), dialogs, parent) {}

TMainForm::TMainForm(const TDataFolders& folders, const QString& recordsPath, TDialogs& dialogs,
                     QWidget* parent)
    : QMainWindow(parent),
      ProgramPath(recordsPath),
      AssetFolder(folders.Assets),
      Settings(std::make_unique<TSettings>(ProgramPath)),
      Game(Settings->Prefs, Settings->Stats, [this](TGameSound s) { PlayGameSound(s); }),
      Dialogs(dialogs) {
  InstallFontSubstitutes();
  setWindowTitle(QStringLiteral("Quillmere - Logic Challenge"));
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
  Game.OnChange = [this] { GamePhaseChanged(); };
  resize(1024, 768);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  qApp->installEventFilter(this);  // the wheel, Ctrl+presses on the hint button, the status bar's size
}

bool TMainForm::FormCreate() {
  if (const TScoreReadReport read = ScoreTable.Load(ProgramPath); !read.Ok())
    Dialogs.ErrorBox(this, read.Error);
  QPalette tb = RzToolbar1->palette();
  tb.setColor(QPalette::Window, ToolbarColour);
  RzToolbar1->setPalette(tb);

  TileImages = std::make_unique<TImages>();
  if (!TileImages->LoadAll(AssetFolder)) {
    // The second line names the folder that fell short, so the player
    // knows where to look.
    const QString message = TileImages->LastFailure() == TImages::TFailure::UnreadablePicture
                                ? TileImages->LastError()
                                : QStringLiteral("Not all images found - the program must close.\r") +
                                      TileImages->LastError() +
                                      QStringLiteral(
                                          "\rPlease refer to the troubleshooting section of the "
                                          "user guide.");
    // A player who started the game from a terminal reads it there too.
    std::fprintf(stderr, "quillmere: %s\n", qPrintable(QString(message).replace('\r', ' ')));
    Dialogs.ErrorBox(this, message);
    return false;
  }
  Effects = std::make_unique<TEffects>(*TileImages, Game.Puzzle.Random);
  ScratchBitmap = TileImages->Picture(0)->copy();

  MakePlayersFolder();
  Settings->LoadPlayerList();
  if (const QString refused = Settings->RefusedNamesMessage(); !refused.isEmpty())
    Dialogs.ErrorBox(this, refused);
  Settings->LoadProfile();
  for (const QString& message : Settings->TakeReadMessages()) Dialogs.ErrorBox(this, message);
  ApplyPreferences();
  ShowPuzzleSize();
  ShowHintPane();
  PlayerLbl->setText(Settings->Prefs.PlayerName);

  Game.Puzzle.ClearClues();
  Game.Puzzle.SetObserver(this);

  SoundFolder = AssetFolder + QStringLiteral("/sounds/");
  for (const QString& error : Sounds.Load(SoundFolder)) Dialogs.ErrorBox(this, error);
  Created = true;
  return true;
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  WinTimer->stop();
  Timer1->stop();
  DismissPointers();
  Game.OnChange = nullptr;
  for (TPaintBox* box : {PaintBox1, PaintBox2, PaintBox3, HorizontalPaintBox, VerticalPaintBox, HintPane}) {
    box->OnPaint = nullptr;
    box->OnMouseDown = nullptr;
    box->OnMouseMove = nullptr;
  }
  RzSizePanel1->OnResize = nullptr;
  RzSizePanel2->OnResize = nullptr;
  Game.Puzzle.SetObserver(nullptr);
  Game.Puzzle.ClearClues();
  if (!Created || RecordsStored) return;
  RecordsStored = true;  // a signal under the error box below only ends the box
  const TResult stored = Settings->StorePlayerList();
  // A missing Players folder was told at the start already.
  if (!stored && !(PlayersFolderMissing && stored.Error.contains(Settings->PlayersFolder())))
    Dialogs.ErrorBox(this, stored.Error);
  // A score whose write failed at completion gets its last chance here.
  if (const TResult scores = ScoreTable.WriteUnwritten(); !scores) Dialogs.ErrorBox(this, scores.Error);
}

void TMainForm::MakePlayersFolder() {
  // Without Players/ no progress is ever kept; an installation that lost it
  // (or holds a plain file of that name) gets it back here.
  const QString savedGames = Settings->PlayersFolder() + QStringLiteral("/Saved Games");
  if (QDir().mkpath(savedGames)) return;
  PlayersFolderMissing = true;
  Dialogs.ErrorBox(this, QStringLiteral("Unable to create the folder %1.\r"
                                        "The players' progress and saved games cannot be kept.")
                             .arg(QDir::toNativeSeparators(savedGames)));
}

void TMainForm::EndBySignal() {
  WinTimer->stop();
  Timer1->stop();
  EndByExit();
  // Ends the nested loops of open dialogs too, and any that would open later.
  QCoreApplication::exit(0);
}

void TMainForm::EndByExit() {
  if (Created && !RecordsStored) {
    CaptureWindowSizes();
    if (const TResult stored = Settings->StorePlayerList(); !stored)
      std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(stored.Error));
    if (const TResult scores = ScoreTable.WriteUnwritten(); !scores)
      std::fprintf(stderr, "quillmere: %s\n", qUtf8Printable(QString(scores.Error).replace('\r', ' ')));
    RecordsStored = true;
  }
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
  ApplyWindowSize(true);
  SettleFrame(0);
  centralWidget()->layout()->activate();
  SetHorizontalPanelWidth(Settings->HorizontalWidth > 0 ? Settings->HorizontalWidth : 288);
  SetVerticalPanelHeight(Settings->VerticalHeight > 0 ? Settings->VerticalHeight : 199);
  // The sizes the window really took are the ones kept, never a stored
  // size the screen could not hold.
  CaptureWindowSizes();
  SetUpPuzzle();
}

void TMainForm::closeEvent(QCloseEvent* event) {
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
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::GamePhaseChanged() {
  if (Game.ClockRuns())
    Timer1->start();
  else
    Timer1->stop();
  if (!Game.BoardReady() || Game.Paused() == ShownPaused) return;
  ShownPaused = Game.Paused();
  // The clue panels' free strips and the zoom boxes take the paused look too.
  for (QWidget* panel : {RzSizePanel1, RzSizePanel2}) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ShownPaused ? PausedColour : QColor(Qt::black));
    panel->setPalette(palette);
  }
  ClearZoomBoxes();
  RepaintAll();
}

void TMainForm::PlayGameSound(TGameSound Sound) {
  if (Settings->Prefs.SoundsOn) Sounds.Play(Sound);
}

void TMainForm::PopSound() {
  PlayGameSound(TGameSound::Pop);
}

void TMainForm::ExplainStep(const TDeductionStep& step) {
  Game.StepExplained(step);
  ExplainClue(step.Clue, step.Index, true);
}

void TMainForm::DismissPointers() {
  RzLine1->hide();
  RzLine2->hide();
  RzLine4->hide();
  BlinkTimer->stop();
}

void TMainForm::BlinkTimerTimer() {
  auto flip = [](TArrowLine* line) {
    line->SetLineColor(line->LineColor == QColor(255, 0, 0) ? QColor(255, 255, 0) : QColor(255, 0, 0));
  };
  flip(Game.Hints.HintIsVertical ? RzLine4 : RzLine2);
  flip(RzLine1);
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

void TMainForm::ShowSwitches() {
  const TPrefs& prefs = Settings->Prefs;
  SetZoom(prefs.Zoom);
  ShowHints1->setChecked(prefs.ShowHints);
  TimedGame1->setChecked(prefs.TimerOn);
}

void TMainForm::ApplyPreferences() {
  ShowSwitches();
  // Placed before the window exists, the window manager puts the frame there.
  ApplyWindowSize(!Shown);
  if (Settings->HorizontalWidth > 0) SetHorizontalPanelWidth(Settings->HorizontalWidth);
  if (Settings->VerticalHeight > 0) SetVerticalPanelHeight(Settings->VerticalHeight);
  if (Shown) CaptureWindowSizes();
}

void TMainForm::ApplyWindowSize(bool place) {
  // The stored sizes are outer ones; a window far larger than the screen
  // would allocate its whole picture (gigabytes for a hand-edited 100000).
  const QSize frame = frameGeometry().size() - size();
  AppliedFrame = frame;
  const QScreen* on = screen();
  const QPoint stored(Settings->MainLeft, Settings->MainTop);
  if (place && Settings->MainPlaced)
    if (const QScreen* there = QGuiApplication::screenAt(stored)) on = there;
  QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (on) room = on->availableGeometry().size() - frame;
  auto fit = [](int stored, int frameExtent, int least, int most, int current) {
    if (stored <= 0) return current;
    return std::max(least, std::min(stored - frameExtent, most));
  };
  // The layout may need more than the minimum set at the first show.
  const QSize least = minimumSize().expandedTo(minimumSizeHint());
  const QSize inner(fit(Settings->MainWidth, frame.width(), least.width(), room.width(), width()),
                    fit(Settings->MainHeight, frame.height(), least.height(), room.height(), height()));
  resize(inner);
  if (!on || (!place && Settings->MainWidth <= 0 && Settings->MainHeight <= 0)) return;
  // The start puts the frame where it was, or centres it; later only a
  // window grown past the screen's edge is moved back onto it.
  const QRect free = on->availableGeometry();
  const QSize outer = inner + frame;
  QPoint corner = pos();
  if (place)
    corner = Settings->MainPlaced
                 ? stored
                 : free.topLeft() + QPoint(free.width() - outer.width(), free.height() - outer.height()) / 2;
  const int x = std::max(free.left(), std::min(corner.x(), free.right() + 1 - outer.width()));
  const int y = std::max(free.top(), std::min(corner.y(), free.bottom() + 1 - outer.height()));
  if (QPoint(x, y) != pos()) move(x, y);
}

void TMainForm::SettleFrame(int tries) {
  // Polled, not told: no event says that the frame's extents became known.
  // Without a window manager they never do, and the window stays as it is;
  // a busy desktop may take seconds to frame it.
  if (!isVisible()) return;
  const QSize frame = frameGeometry().size() - size();
  if (frame != AppliedFrame) {
    ApplyWindowSize(true);
    CaptureWindowSizes();
    return;
  }
  if (tries < 400) QTimer::singleShot(25, this, [this, tries] { SettleFrame(tries + 1); });
}

void TMainForm::ShowPuzzleSize() {
  const int index = IndexForSize(Settings->Prefs.PuzzleSize);
  if (index >= 0) ComboBox1->setCurrentIndex(index);  // setCurrentIndex does not emit activated
}

void TMainForm::CaptureWindowSizes() {
  Settings->MainWidth = frameGeometry().width();
  Settings->MainHeight = frameGeometry().height();
  // A Wayland client is never told where it is; the place it had under
  // another window system stays kept.
  if (!QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
    Settings->MainPlaced = true;
    Settings->MainLeft = pos().x();
    Settings->MainTop = pos().y();
  }
  Settings->HorizontalWidth = RzSizePanel2->width();
  Settings->VerticalHeight = RzSizePanel1->height();
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
  // A failed save keeps the game open: the player may try again, or leave
  // knowingly by answering No.
  if (OfferToSave()) close();
}

void TMainForm::FormMouseDown() {
  DismissPointers();
}

void TMainForm::HelpMenuClick() {
  Dialogs.ShowHelp(this);
}

void TMainForm::About1Click() {
  Dialogs.ShowAbout(this);
}

void TMainForm::ShowHighScores1Click() {
  WinTimer->stop();
  DismissPointers();
  // The score window runs its own event loop; the clock must not run under
  // it, and the game stays paused until the player resumes it.
  if (Game.InProgress() && !Game.Paused()) {
    Pause1->setChecked(true);
    PauseBtnClick();
  }
  Dialogs.ShowHighScores(this, ScoreTable, Settings->Prefs.PlayerName);
}

void TMainForm::ShowHighScores2Click() {
  ShowHighScores1Click();
}

void TMainForm::Statistics1Click() {
  WinTimer->stop();
  DismissPointers();
  // A modal window: the clock must not run under it (as for the options).
  TGame::TPauseGuard pause(Game);
  Dialogs.ShowStatistics(this, ScoreTable, Settings->Prefs.PlayerName);
}

void TMainForm::TimedGame1Click() {
  WinTimer->stop();
  Settings->Prefs.TimerOn = TimedGame1->isChecked();
  TimeLbl->setText(TimeText(Game.Clock.ElapsedSeconds, Settings->Prefs.TimerOn));
}

void TMainForm::HintBtnClick() {
  WinTimer->stop();
  Settings->Prefs.ShowHints = ShowHints1->isChecked();
  ShowHintPane();
}

void TMainForm::ShowHintPane() {
  statusBar()->setFixedHeight(Settings->Prefs.ShowHints ? 36 : 12);
}
