#include "MainForm.h"

#include "Fonts.h"
#include "Images.h"
#include "Settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

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
      GameSession(std::make_unique<TSession>(recordsPath, dialogs, static_cast<TSessionObserver&>(*this))) {
  GameSession->SetDialogOwner(this);
  InstallFontSubstitutes();
  setWindowTitle(tr("Quillmere - Logic Challenge"));
  auto* central = new TMousePanel(this);
  central->OnMouseDown = [this](QMouseEvent*) { DismissPointers(); };
  setCentralWidget(central);
  Controls.CreateActions(*this);
  Controls.CreateMenus(*this);
  Timer1 = new QTimer(this);
  Timer1->setInterval(TGameClock::Interval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  BlinkTimer = new QTimer(this);
  BlinkTimer->setInterval(500);
  CreateViews(central);
  WireCommands();
  connect(BlinkTimer, &QTimer::timeout, this, [this] { Pointers->Blink(); });
  Words->Install(KeyPlay->Cursor);
  resize(1024, 768);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  qApp->installEventFilter(this);  // the wheel, Ctrl+presses on the hint button, the size list
}

void TMainForm::CreateViews(QWidget* central) {
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  Controls.CreateToolbar(*this, column);
  Info = new TInfoBar(*GameSession, central);
  Info->OnMouseDown = [this](QMouseEvent*) { DismissPointers(); };
  Info->OnPuzzlePress = [this](Qt::KeyboardModifiers keys) { RzLabel1MouseDown(keys); };
  column->addWidget(Info);
  // Board and vertical clues on the left, horizontal clues on the right; the
  // player drags the splitters.
  Controls.MainSplitter = new QSplitter(Qt::Horizontal, central);
  Controls.MainSplitter->setChildrenCollapsible(false);
  Controls.BoardSplitter = new QSplitter(Qt::Vertical, Controls.MainSplitter);
  Controls.BoardSplitter->setChildrenCollapsible(false);
  BoardView = new TBoardView(*GameSession, Controls.BoardSplitter);
  BoardView->OnDismiss = [this] { DismissPointers(); };
  BoardView->OnPressCell = [this](const TMove& move, QPoint at) { PressCell(move, at); };
  BoardView->OnPressBeside = [this] { GameSession->PressedBesideCells(); };
  BoardView->OnHoverHint = [this] { ExplainClue(nullptr, 0, false); };
  VerticalClues = new TCluePanel(true, *GameSession, Controls.BoardSplitter,
                                 [this](QWidget* panel) { return BoardView->MakeTileZoom(panel); });
  VerticalClues->OnResize = [this] {
    if (Created) SetZoom(GameSession->Prefs().Zoom);
  };
  VerticalClues->OnChoose = [this](int index) { VerticalClueChosen(index); };
  HorizontalClues = new TCluePanel(false, *GameSession, Controls.MainSplitter);
  HorizontalClues->OnDismiss = [this] { DismissPointers(); };
  HorizontalClues->OnChoose = [this](int index) { GameSession->ToggleClue(false, index); };
  for (TCluePanel* panel : {VerticalClues, HorizontalClues}) {
    panel->OnHover = [this, panel](int index) { HoverClue(panel->IsVertical(), index); };
    panel->OnShowAll = [this](bool vertical) { GameSession->ShowAllClues(vertical); };
  }
  Controls.BoardSplitter->setStretchFactor(0, 1);
  Controls.BoardSplitter->setStretchFactor(1, 0);
  Controls.MainSplitter->setStretchFactor(0, 1);
  Controls.MainSplitter->setStretchFactor(1, 0);
  column->addWidget(Controls.MainSplitter, 1);
  HintPane = new THintPane(*GameSession, statusBar(), [this](int row) { return Words->RowName(row); });
  Pointers = std::make_unique<THintPresenter>(*GameSession, *BoardView, *HorizontalClues, *VerticalClues,
                                              *HintPane, *BlinkTimer);
  Words = std::make_unique<TAccessibility>(TAccessibleWindow{this, GameSession.get(), &Controls, BoardView,
                                                             HorizontalClues, VerticalClues, HintPane, Info,
                                                             nullptr});
  KeyPlay = std::make_unique<TKeyboardPlay>(static_cast<TKeyboardPlay::TWindow&>(*this), *GameSession,
                                            *BoardView, *HorizontalClues, *VerticalClues, *Words);
  KeyPlay->Install();
}

bool TMainForm::FormCreate() {
  GameSession->LoadScores();
  QPalette tb = Controls.RzToolbar1->palette();
  tb.setColor(QPalette::Window, ToolbarColour);
  Controls.RzToolbar1->setPalette(tb);

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
  BoardView->SetArt(TileImages.get(),
                    std::make_unique<TEffects>(*TileImages, GameSession->Controller().Puzzle.Random));
  HorizontalClues->SetArt(TileImages.get());
  VerticalClues->SetArt(TileImages.get());
  HintPane->SetArt(TileImages.get());

  GameSession->LoadPlayers();
  ShowPlayer();
  for (const QString& error : GameSounds.Load(AssetFolder + QStringLiteral("/sounds/")))
    Dialogs.ErrorBox(this, error);
  Created = true;
  return true;
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  BoardView->Animation()->stop();
  Timer1->stop();
  DismissPointers();
  for (TPaintBox* box :
       {static_cast<TPaintBox*>(BoardView), BoardView->TileZoom(), HorizontalClues->Zoom(),
        HorizontalClues->Clues(), VerticalClues->Clues(), static_cast<TPaintBox*>(HintPane)}) {
    box->OnPaint = nullptr;
    box->OnMouseDown = nullptr;
    box->OnMouseMove = nullptr;
  }
  VerticalClues->OnResize = nullptr;
  GameSession->StoreAtExit();
  GameSession.reset();  // it reports nothing more to a window going away
}

void TMainForm::EndBySignal() {
  BoardView->Animation()->stop();
  Timer1->stop();
  EndByExit();
  // Ends the nested loops of open dialogs too, and any that would open later.
  QCoreApplication::exit(0);
}

void TMainForm::EndByExit() {
  GameSession->StoreOnSignal();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (Shown || !Created) return;
  Shown = true;
  // The narrowest window still shows the whole toolbar.
  centralWidget()->layout()->activate();
  const int right = Controls.ZoomBtn->mapTo(this, QPoint(Controls.ZoomBtn->width(), 0)).x();
  setMinimumSize(right + 4, 500);
  // The stored width, height and place are the frame's. A window manager
  // frames the window only after it is mapped, so the size is applied once
  // more when the frame becomes known.
  Placement.Apply(GameSession->Settings(), true);
  Placement.Settle([this] {
    Placement.Apply(GameSession->Settings(), true);
    CaptureWindowSizes();
  });
  centralWidget()->layout()->activate();
  const TSettings& settings = GameSession->Settings();
  Controls.SetHorizontalPanelWidth(settings.HorizontalWidth > 0 ? settings.HorizontalWidth : 288);
  Controls.SetVerticalPanelHeight(settings.VerticalHeight > 0 ? settings.VerticalHeight : 199);
  // The sizes the window really took are the ones kept, never a stored
  // size the screen could not hold.
  CaptureWindowSizes();
  GameSession->SetUpPuzzle();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // However the window is closed (Exit, its close button, Alt+F4, the
  // desktop's log-out), a game in progress is offered for saving first;
  // Cancel, or a save that failed, keeps the window open and the game on.
  if (Shown && !GameSession->OfferToSave()) {
    event->ignore();
    return;
  }
  if (Created) CaptureWindowSizes();
  QMainWindow::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Controls.HintBtn && event->type() == QEvent::MouseButtonPress &&
      (static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier))
    HintBtnMouseDown();
  // The wheel never scrolls anything here, least of all the size list.
  if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this)
    return true;
  // A key for the size list that comes after the list closed picks nothing
  // more. The list takes Return as a shortcut override and closes; with a
  // screen reader running, its bridge hands the same key on again later.
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
      watched == Controls.ComboBox1->view() && !Controls.ComboBox1->view()->isVisible())
    return true;
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::GamePhaseChanged() {
  const TGameController& game = GameSession->Game();
  if (game.ClockRuns())
    Timer1->start();
  else
    Timer1->stop();
  // The button shows the player's pause, whatever started or ended it (a new
  // puzzle plays at once).
  Controls.Pause1->setChecked(game.PlayerPaused());
  if (!game.BoardReady() || game.Paused() == ShownPaused) return;
  ShownPaused = game.Paused();
  if (ShownPaused) BoardView->Message()->hide();  // it would cover "Your game is PAUSED"
  // The clue panels' free strips and the zoom boxes take the paused look too.
  for (QWidget* panel : {VerticalClues, HorizontalClues}) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ShownPaused ? PausedColour : QColor(Qt::black));
    panel->setPalette(palette);
  }
  ClearZoomBoxes();
  RepaintAll();
}

void TMainForm::ShowSwitches(bool layOutZoom) {
  const TPrefs& prefs = GameSession->Prefs();
  if (layOutZoom || prefs.Zoom != Controls.ZoomSmallTiles1->isChecked()) SetZoom(prefs.Zoom);
  Controls.ShowHints1->setChecked(prefs.ShowHints);
  Controls.TimedGame1->setChecked(prefs.TimerOn);
}

void TMainForm::ApplyPreferences() {
  ShowSwitches();
  // Placed before the window exists, the window manager puts the frame there.
  Placement.Apply(GameSession->Settings(), !Shown);
  const TSettings& settings = GameSession->Settings();
  if (settings.HorizontalWidth > 0) Controls.SetHorizontalPanelWidth(settings.HorizontalWidth);
  if (settings.VerticalHeight > 0) Controls.SetVerticalPanelHeight(settings.VerticalHeight);
  if (Shown) CaptureWindowSizes();
}

void TMainForm::ShowPlayer() {
  Info->ShowPlayer();
  ApplyPreferences();
  ShowPuzzleSize();
  HintPane->FitBar();
}

void TMainForm::ShowPuzzleSize() {
  const int index = IndexForSize(GameSession->Prefs().PuzzleSize);
  if (index >= 0) Controls.ComboBox1->setCurrentIndex(index);  // setCurrentIndex does not emit activated
}

void TMainForm::CaptureWindowSizes() {
  TSettings& settings = GameSession->Settings();
  Placement.Capture(settings);
  settings.HorizontalWidth = HorizontalClues->width();
  settings.VerticalHeight = VerticalClues->height();
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

void TMainForm::ShowHighScores1Click() {
  BoardView->Animation()->stop();
  DismissPointers();
  // The game stays paused until the player resumes it, as with the button.
  GameSession->ShowHighScores();
}

void TMainForm::HintBtnClick() {
  BoardView->Animation()->stop();
  GameSession->SetShowHints(Controls.ShowHints1->isChecked());
}

void TMainForm::SetZoom(bool On) {
  Controls.ZoomSmallTiles1->setChecked(On);
  GameSession->SetZoom(On);
  // The layouts give the vertical clues the panel's width less the 70-pixel
  // strip of the tile zoom box, and the clue zoom box a third of the
  // horizontal panel's width in height.
  BoardView->TileZoom()->setVisible(On);
  HorizontalClues->ShowZoom(On);
  if (!On) ClearZoomBoxes();
  VerticalClues->Clues()->Repaint();
  HorizontalClues->Clues()->Repaint();
}

void TMainForm::BestFit1Click() {
  BoardView->Animation()->stop();
  const TPaintBox* box = HorizontalClues->Clues();
  const int width = BestFitWidth(HorizontalClues->width(), HorizontalClues->height(), box->width(),
                                 box->height(), int(GameSession->Game().Puzzle.HorizontalClues.size()));
  if (width <= 0) return;
  // A few clues would have the panel grow until the board is a sliver (at
  // 4 x 4 over 1000 pixels of a 1024-pixel window): the board keeps at least
  // half of the width the two share.
  const int shared = Controls.MainSplitter->width() - Controls.MainSplitter->handleWidth();
  Controls.SetHorizontalPanelWidth(std::min(width, shared / 2));
}
