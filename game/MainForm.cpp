#include "MainForm.h"

#include "Images.h"
#include "Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

void InstallFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont NarrowFont(int pointSize) {
  QFont font(QStringLiteral("Arial Narrow"));
  font.setPointSize(std::max(1, pointSize));
  return font;
}

namespace {

const QColor ToolbarColour(226, 226, 226);
const QColor InfoBarColour(204, 236, 204);

// The toolbar pictures the style has no standard icon for.
QIcon DrawnIcon(bool magnifier) {
  QPixmap pm(48, 48);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (magnifier) {
    p.setPen(QPen(QColor(40, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29, 29), QPointF(43, 43));
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(190, 225, 255));
    p.drawEllipse(QPointF(20, 20), 14, 14);
    p.setPen(QPen(QColor(20, 60, 160), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 20), QPointF(27, 20));
    p.drawLine(QPointF(20, 13), QPointF(20, 27));
  } else {  // a light bulb: "Give me a clue!"
    p.setPen(QPen(QColor(120, 90, 0), 2));
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QPointF(24, 19), 13, 13);
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(17, 32, 14, 10), 2, 2);
    p.drawLine(QPointF(17, 36), QPointF(31, 36));
    p.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 10, 12, 12), 100 * 16, 70 * 16);
  }
  return QIcon(pm);
}

// The clue panels' free strips (under the tile zoom box) match the clues' black.
void PaintPanelBlack(QWidget* panel) {
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, Qt::black);
  panel->setPalette(palette);
}

QFrame* Groove(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedWidth(10);
  return line;
}

}  // namespace

TMainForm::TMainForm(const QString& programPath, TDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      Rules(Puzzle, [this](TGameSound s) { PlayGameSound(s); }),
      Dialogs(dialogs),
      FProgramPath(programPath),
      FProgramFolder(QFileInfo(programPath).absolutePath()) {
  InstallFontSubstitutes();
  setWindowTitle(QStringLiteral("Quillmere - Logic Challenge"));
  setFont(NarrowFont(8));
  CreateControls();
  CreateMenus();
  resize(1024, 768);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  qApp->installEventFilter(this);
}

QToolButton* TMainForm::AddToolButton(QLayout* layout, const QString& hint, const QIcon& icon, bool toggle) {
  auto* button = new QToolButton(RzToolbar1);
  button->setFixedSize(58, 58);
  button->setIcon(icon);
  button->setIconSize(QSize(40, 40));
  button->setToolTip(hint);
  button->setCheckable(toggle);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(button);
  return button;
}

void TMainForm::CreateControls() {
  auto* central = new TMousePanel(this);
  central->OnMouseDown = [this](QMouseEvent*) { FormMouseDown(); };
  setCentralWidget(central);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  // Toolbar: buttons in groups, separated by grooves.
  RzToolbar1 = new TMousePanel(central);
  RzToolbar1->setFixedHeight(59);
  RzToolbar1->setAutoFillBackground(true);
  RzToolbar1->OnMouseDown = [this](QMouseEvent*) { DismissPointers(); };
  auto* tools = new QHBoxLayout(RzToolbar1);
  tools->setContentsMargins(2, 0, 2, 1);
  tools->setSpacing(1);
  QStyle* st = style();
  BtnOpen = AddToolButton(tools, QStringLiteral("Open a saved puzzle"),
                          st->standardIcon(QStyle::SP_DialogOpenButton), false);
  BtnSave = AddToolButton(tools, QStringLiteral("Save this puzzle"),
                          st->standardIcon(QStyle::SP_DialogSaveButton), false);
  tools->addWidget(Groove(RzToolbar1));
  PrevBtn =
      AddToolButton(tools, QStringLiteral("Previous puzzle"), st->standardIcon(QStyle::SP_ArrowLeft), false);
  NextBtn =
      AddToolButton(tools, QStringLiteral("Next puzzle"), st->standardIcon(QStyle::SP_ArrowRight), false);
  tools->addWidget(Groove(RzToolbar1));
  ComboBox1 = new QComboBox(RzToolbar1);
  ComboBox1->setToolTip(QStringLiteral("Difficulty level"));
  ComboBox1->addItems({QStringLiteral("4 x 4 (Easiest)"), QStringLiteral("5 x 5 (Easy)"),
                       QStringLiteral("6 x 6 (Medium)"), QStringLiteral("8 x 8 (Hard)"),
                       QStringLiteral("9 x 9 (Harder)"), QStringLiteral("10 x 10 (Very Hard)")});
  ComboBox1->setFont(NarrowFont(11));
  ComboBox1->setFocusPolicy(Qt::NoFocus);
  ComboBox1->setMinimumWidth(150);
  tools->addWidget(ComboBox1);
  tools->addWidget(Groove(RzToolbar1));
  RestartBtn = AddToolButton(tools, QStringLiteral("Restart this puzzle"),
                             st->standardIcon(QStyle::SP_BrowserReload), false);
  tools->addWidget(Groove(RzToolbar1));
  PauseBtn =
      AddToolButton(tools, QStringLiteral("Pause / Unpause"), st->standardIcon(QStyle::SP_MediaPause), true);
  tools->addWidget(Groove(RzToolbar1));
  HintBtn = AddToolButton(tools, QStringLiteral("Show hints"),
                          st->standardIcon(QStyle::SP_MessageBoxInformation), true);
  ClueBtn = AddToolButton(tools, QStringLiteral("Give me a clue!"), DrawnIcon(false), false);
  tools->addWidget(Groove(RzToolbar1));
  OptionsBtn = AddToolButton(tools, QStringLiteral("Options"),
                             st->standardIcon(QStyle::SP_FileDialogDetailedView), false);
  ZoomBtn = AddToolButton(tools, QStringLiteral("Zoom tiles"), DrawnIcon(true), true);
  tools->addStretch(1);
  column->addWidget(RzToolbar1);

  // Information bar: four labels at fixed places; a narrow window clips them
  // rather than growing.
  RzPanel4 = new TMousePanel(central);
  RzPanel4->setFixedHeight(38);
  RzPanel4->setAutoFillBackground(true);
  QPalette info = RzPanel4->palette();
  info.setColor(QPalette::Window, InfoBarColour);
  RzPanel4->setPalette(info);
  RzPanel4->OnMouseDown = [this](QMouseEvent*) { DismissPointers(); };
  TClickLabel** labels[] = {&PlayerLbl, &RzLabel1, &Label1, &TimeLbl};
  const char* texts[] = {"Player", "Puzzle No. x", "Solution", "Time"};
  for (int i = 0; i < 4; ++i) {
    auto* label = new TClickLabel(QString::fromLatin1(texts[i]), RzPanel4);
    label->setGeometry(8 + i * 243, 6, 231, 25);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(NarrowFont(16));
    label->setStyleSheet(
        QStringLiteral("QLabel { background: white; color: black; border: 2px solid rgb(0, 128, 0); }"));
    *labels[i] = label;
  }
  RzLabel1->setToolTip(QStringLiteral("Click to go to a puzzle"));
  TimeLbl->setToolTip(QStringLiteral("Pause / Unpause"));
  RzLabel1->OnMouseDown = [this](QMouseEvent* e) { RzLabel1MouseDown(e->modifiers()); };
  RzLabel1->OnClick = [this] { RzLabel1Click(); };
  TimeLbl->OnClick = [this] { TimeLblClick(); };
  column->addWidget(RzPanel4);

  // Board and vertical clues on the left, horizontal clues on the right; the
  // player drags the splitters.
  MainSplitter = new QSplitter(Qt::Horizontal, central);
  MainSplitter->setChildrenCollapsible(false);
  BoardSplitter = new QSplitter(Qt::Vertical, MainSplitter);
  BoardSplitter->setChildrenCollapsible(false);

  PaintBox1 = new TPaintBox(BoardSplitter);
  PaintBox1->setMinimumSize(60, 60);
  PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
  PaintBox1->OnMouseDown = [this](QMouseEvent* e) {
    PaintBox1MouseDown(e->button(), int(e->position().x()), int(e->position().y()));
  };
  PaintBox1->OnMouseMove = [this](QMouseEvent* e) {
    PaintBox1MouseMove(int(e->position().x()), int(e->position().y()));
  };
  RzLabel2 = new QLabel(PaintBox1);
  RzLabel2->setFont(NarrowFont(14));
  RzLabel2->setStyleSheet(
      QStringLiteral("QLabel { background: white; color: black; border: 1px solid black; padding: 0 3px; }"));
  RzLabel2->setAttribute(Qt::WA_TransparentForMouseEvents);
  RzLabel2->hide();
  RzLine1 = new TArrowLine(PaintBox1);

  RzSizePanel1 = new TMousePanel(BoardSplitter);
  PaintPanelBlack(RzSizePanel1);
  RzSizePanel1->OnResize = [this] { RzSizePanel1Resize(); };
  auto* vrow = new QHBoxLayout(RzSizePanel1);
  vrow->setContentsMargins(0, 0, 0, 0);
  vrow->setSpacing(0);
  PaintBox3 = new TPaintBox(RzSizePanel1);
  PaintBox3->setFixedSize(70, 70);
  vrow->addWidget(PaintBox3, 0, Qt::AlignTop);
  VerticalPaintBox = new TPaintBox(RzSizePanel1);
  VerticalPaintBox->setMinimumSize(20, 20);
  VerticalPaintBox->OnPaint = [this] { VerticalPaintBoxPaint(); };
  VerticalPaintBox->OnMouseDown = [this](QMouseEvent* e) {
    VerticalPaintBoxMouseDown(int(e->position().x()), int(e->position().y()));
    if (e->button() == Qt::RightButton) VerticalPopup->popup(e->globalPosition().toPoint());
  };
  VerticalPaintBox->OnMouseMove = [this](QMouseEvent* e) {
    VerticalPaintBoxMouseMove(int(e->position().x()), int(e->position().y()));
  };
  vrow->addWidget(VerticalPaintBox, 1);
  RzLine4 = new TArrowLine(VerticalPaintBox);

  RzSizePanel2 = new TMousePanel(MainSplitter);
  PaintPanelBlack(RzSizePanel2);
  RzSizePanel2->OnResize = [this] { RzSizePanel2Resize(); };
  auto* hcol = new QVBoxLayout(RzSizePanel2);
  hcol->setContentsMargins(0, 0, 0, 0);
  hcol->setSpacing(0);
  HorizontalPaintBox = new TPaintBox(RzSizePanel2);
  HorizontalPaintBox->setMinimumSize(20, 20);
  HorizontalPaintBox->OnPaint = [this] { HorizontalPaintBoxPaint(); };
  HorizontalPaintBox->OnMouseDown = [this](QMouseEvent* e) {
    HorizontalPaintBoxMouseDown(e->button(), int(e->position().x()), int(e->position().y()));
    if (e->button() == Qt::RightButton) HorizontalPopup->popup(e->globalPosition().toPoint());
  };
  HorizontalPaintBox->OnMouseMove = [this](QMouseEvent* e) {
    HorizontalPaintBoxMouseMove(int(e->position().x()), int(e->position().y()));
  };
  hcol->addWidget(HorizontalPaintBox, 1);
  PaintBox2 = new TPaintBox(RzSizePanel2);
  hcol->addWidget(PaintBox2);
  RzLine2 = new TArrowLine(HorizontalPaintBox);

  BoardSplitter->setStretchFactor(0, 1);
  BoardSplitter->setStretchFactor(1, 0);
  MainSplitter->setStretchFactor(0, 1);
  MainSplitter->setStretchFactor(1, 0);
  column->addWidget(MainSplitter, 1);

  HintPane = new QLabel(this);
  HintPane->setFont(NarrowFont(10));
  statusBar()->addWidget(HintPane, 1);
  statusBar()->setSizeGripEnabled(false);
  statusBar()->setFixedHeight(12);

  HorizontalPopup = new QMenu(this);
  Showall1 = HorizontalPopup->addAction(QStringLiteral("Show All"), this, [this] { Showall1Click(); });
  VerticalPopup = new QMenu(this);
  ShowAll2 = VerticalPopup->addAction(QStringLiteral("Show All"), this, [this] { ShowAll2Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(TGameClock::Interval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  BlinkTimer = new QTimer(this);
  BlinkTimer->setInterval(500);
  connect(BlinkTimer, &QTimer::timeout, this, [this] { BlinkTimerTimer(); });
  WinTimer = new QTimer(this);
  WinTimer->setInterval(2);
  connect(WinTimer, &QTimer::timeout, this, [this] { WinTimerTimer(); });

  connect(BtnOpen, &QToolButton::clicked, this, [this] { Open1Click(); });
  connect(BtnSave, &QToolButton::clicked, this, [this] { BtnSaveClick(); });
  connect(PrevBtn, &QToolButton::clicked, this, [this] { PrevBtnClick(); });
  connect(NextBtn, &QToolButton::clicked, this, [this] { NextBtnClick(); });
  connect(ComboBox1, &QComboBox::activated, this, [this](int index) { ComboBox1Change(index); });
  connect(RestartBtn, &QToolButton::clicked, this, [this] { RestartBtnClick(); });
  connect(PauseBtn, &QToolButton::clicked, this, [this] { PauseBtnClick(); });
  connect(HintBtn, &QToolButton::clicked, this, [this] { HintBtnClick(); });
  connect(ClueBtn, &QToolButton::clicked, this, [this] { ClueBtnClick(); });
  connect(OptionsBtn, &QToolButton::clicked, this, [this] { OptionsBtnClick(); });
  connect(ZoomBtn, &QToolButton::clicked, this, [this] { ZoomBtnClick(); });
}

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  auto item = [this](QMenu* menu, const char* text, auto handler, bool checkable = false) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  Open1 = item(file, "&Open Saved Game", [this] { Open1Click(); });
  Save1 = item(file, "&Save Current Game", [this] { Save1Click(); });
  file->addSeparator();
  Exit1 = item(file, "E&xit", [this] { Exit1Click(); });

  QMenu* puzzle = bar->addMenu(QStringLiteral("&Puzzle"));
  New1 = item(puzzle, "&Next", [this] { New1Click(); });
  Previous1 = item(puzzle, "Pre&vious", [this] { Previous1Click(); });
  GotoPuzzle1 = item(puzzle, "Go to Puzzle ...", [this] { GotoPuzzle1Click(); });
  Jumptorandompuzzle1 = item(puzzle, "&Jump to Random Puzzle", [this] { Jumptorandompuzzle1Click(); });
  puzzle->addSeparator();
  Restart1 = item(puzzle, "&Restart", [this] { Restart1Click(); });
  Pause1 = item(puzzle, "P&ause", [this] { Pause1Click(); });

  QMenu* players = bar->addMenu(QStringLiteral("P&layers"));
  Createnewplayer1 = item(players, "&Create New Player", [this] { Createnewplayer1Click(); });
  SwitchtoPlayer1 = item(players, "&Switch to Player", [this] { SwitchtoPlayer1Click(); });
  DeletePlayer1 = item(players, "&Delete Player", [this] { DeletePlayer1Click(); });
  players->addSeparator();
  ShowHighScores1 = item(players, "Show &High Scores", [this] { ShowHighScores1Click(); });

  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  BestFit1 = item(view, "&Best Fit", [this] { BestFit1Click(); });
  Statistics1 = item(view, "&Statistics", [this] { Statistics1Click(); });
  ShowHighScores2 = item(view, "Show &High Scores", [this] { ShowHighScores1Click(); });

  QMenu* settings = bar->addMenu(QStringLiteral("&Settings"));
  // The check marks are flipped by the handlers, as the buttons do theirs.
  TimedGame1 = item(settings, "&Timed Game", [this] { TimedGame1Click(); });
  ShowHints1 = item(settings, "Show &Hints", [this] { ShowHints1Click(); });
  ZoomSmallTiles1 = item(settings, "&Zoom Small Tiles", [this] { ZoomSmallTiles1Click(); });
  for (QAction* a : {TimedGame1, ShowHints1, ZoomSmallTiles1}) a->setCheckable(true);
  settings->addSeparator();
  Options1 = item(settings, "&Options ...", [this] { Options1Click(); });

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  HelpMenu = item(help, "&Quillmere Help", [this] { HelpMenuClick(); });
  help->addSeparator();
  About1 = item(help, "&About Quillmere", [this] { About1Click(); });
}

bool TMainForm::FormCreate() {
  QPalette tb = RzToolbar1->palette();
  tb.setColor(QPalette::Window, ToolbarColour);
  RzToolbar1->setPalette(tb);

  Settings = std::make_unique<TSettings>(FProgramPath);
  ScoreForm = std::make_unique<TScoreForm>();
  Constructing = true;

  TileImages = std::make_unique<TImages>();
  if (!TileImages->LoadAll(FProgramFolder)) {
    if (TileImages->LastFailure() == TImages::TFailure::UnreadablePicture)
      Dialogs.ErrorBox(this, TileImages->LastError());
    else
      Dialogs.ErrorBox(this,
                       QStringLiteral("Not all images found - the program must close.\r"
                                      "Please refer to the troubleshooting section of the user guide."));
    return false;
  }
  Effects = std::make_unique<TEffects>(*TileImages);
  ScratchBitmap = TileImages->Picture(0)->copy();

  Settings->LoadPlayerList();
  Settings->LoadProfile();
  ApplyPreferences();
  ShowPuzzleSize();
  const bool hints = Settings->Prefs.ShowHints;
  ShowHints1->setChecked(hints);
  HintBtn->setChecked(hints);
  statusBar()->setFixedHeight(hints ? 36 : 12);
  PlayerLbl->setText(Settings->Prefs.PlayerName);

  Puzzle.ClearClues();
  Puzzle.SetObserver(this);

  SoundFolder = FProgramFolder + QStringLiteral("/sounds/");
  for (const QString& error : Sounds.Load(SoundFolder)) Dialogs.ErrorBox(this, error);
  Constructing = false;
  Created = true;
  return true;
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  WinTimer->stop();
  Timer1->stop();
  DismissPointers();
  Constructing = true;
  for (TPaintBox* box : {PaintBox1, PaintBox2, PaintBox3, HorizontalPaintBox, VerticalPaintBox}) {
    box->OnPaint = nullptr;
    box->OnMouseDown = nullptr;
    box->OnMouseMove = nullptr;
  }
  RzSizePanel1->OnResize = nullptr;
  RzSizePanel2->OnResize = nullptr;
  Puzzle.SetObserver(nullptr);
  Puzzle.ClearClues();
  if (!Created) return;
  if (const TWriteResult stored = Settings->StorePlayerList(); !stored) Dialogs.ErrorBox(this, stored.Error);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (Shown || !Created) return;
  Shown = true;
  // The narrowest window still shows the whole toolbar.
  centralWidget()->layout()->activate();
  const int right = ZoomBtn->mapTo(this, QPoint(ZoomBtn->width(), 0)).x();
  setMinimumSize(right + 4, 500);
  // The frame's size is known only now; the stored width and height are outer ones.
  const QSize frame = frameGeometry().size() - size();
  if (Settings->MainWidth > 0) resize(Settings->MainWidth - frame.width(), height());
  if (Settings->MainHeight > 0) resize(width(), Settings->MainHeight - frame.height());
  centralWidget()->layout()->activate();
  SetHorizontalPanelWidth(Settings->HorizontalWidth > 0 ? Settings->HorizontalWidth : 288);
  SetVerticalPanelHeight(Settings->VerticalHeight > 0 ? Settings->VerticalHeight : 199);
  SetUpPuzzle();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (Created) CaptureWindowSizes();
  QMainWindow::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The wheel never scrolls anything here, least of all the size list.
  if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this)
    return true;
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::PlayGameSound(TGameSound Sound) {
  if (Settings && Settings->Prefs.SoundsOn) Sounds.Play(Sound);
}

void TMainForm::PopSound() {
  PlayGameSound(TGameSound::Pop);
}

void TMainForm::ExplainClue(const TClue*, int, bool) {
  // The hint explanations are not built yet; the hint pane stays as it is.
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
  flip(Puzzle.HintIsVertical ? RzLine4 : RzLine2);
  flip(RzLine1);
}

void TMainForm::WinTimerTimer() {
  if (!Effects || !Effects->NextFrame(PaintBox1)) WinTimer->stop();
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

void TMainForm::ApplyPreferences() {
  const TPrefs& prefs = Settings->Prefs;
  SetZoom(prefs.Zoom);
  HintBtn->setChecked(prefs.ShowHints);
  ShowHints1->setChecked(prefs.ShowHints);
  TimedGame1->setChecked(prefs.TimerOn);
  const QSize frame = frameGeometry().size() - size();
  if (Settings->MainWidth > 0) resize(Settings->MainWidth - frame.width(), height());
  if (Settings->MainHeight > 0) resize(width(), Settings->MainHeight - frame.height());
  if (Settings->HorizontalWidth > 0) SetHorizontalPanelWidth(Settings->HorizontalWidth);
  if (Settings->VerticalHeight > 0) SetVerticalPanelHeight(Settings->VerticalHeight);
}

void TMainForm::ShowPuzzleSize() {
  const int index = IndexForSize(Settings->Prefs.PuzzleSize);
  if (index >= 0) ComboBox1->setCurrentIndex(index);  // setCurrentIndex does not emit activated
}

void TMainForm::CaptureWindowSizes() {
  Settings->MainWidth = frameGeometry().width();
  Settings->MainHeight = frameGeometry().height();
  Settings->HorizontalWidth = RzSizePanel2->width();
  Settings->VerticalHeight = RzSizePanel1->height();
}

void TMainForm::Exit1Click() {
  if (InProgress && Dialogs.Confirm(this, QStringLiteral("Do you want to save this game?"))) SaveGame();
  close();
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
  // The score window runs its own event loop; the clock must not run under it.
  if (InProgress && !PauseBtn->isChecked()) {
    PauseBtn->setChecked(true);
    PauseBtnClick();
  }
  Dialogs.ShowHighScores(this);
}

void TMainForm::Statistics1Click() {
  Dialogs.ShowStatistics(this, *Settings);
}

void TMainForm::TimedGame1Click() {
  Settings->Prefs.TimerOn = TimedGame1->isChecked();
  TimeLbl->setText(TimeText(Clock.ElapsedSeconds, Settings->Prefs.TimerOn));
}

void TMainForm::ShowHints1Click() {
  Settings->Prefs.ShowHints = ShowHints1->isChecked();
  HintBtn->setChecked(Settings->Prefs.ShowHints);
  statusBar()->setFixedHeight(Settings->Prefs.ShowHints ? 36 : 12);
}

void TMainForm::HintBtnClick() {
  ShowHints1->setChecked(HintBtn->isChecked());
  ShowHints1Click();
}
