// The main window's controls: commands and menus, the toolbar, the
// information bar, the board pane, the clue panes, the status bar, timers.
#include "HintLayout.h"
#include "MainForm.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

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

// A toolbar picture that stands out from the toolbar's background. The
// desktop's icon theme supplies most of them, and a high-contrast theme's
// are white lines that vanish on the light toolbar: a picture with hardly a
// line that stands out (an eighth of it) is put on a plate of the opposite
// lightness. Coloured pictures with a dark outline keep their look.
QIcon Legible(const QIcon& icon, const QColor& background) {
  const QImage picture = icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32);
  int opaque = 0, standing = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      if (pixel.alpha() < 128) continue;
      ++opaque;
      standing += std::abs(pixel.lightness() - background.lightness()) > 96;
    }
  if (opaque == 0 || 8 * standing >= opaque) return icon;
  QPixmap plate(96, 96);
  plate.fill(Qt::transparent);
  QPainter p(&plate);
  p.setRenderHint(QPainter::Antialiasing);
  const bool light = background.lightness() >= 128;
  p.setPen(Qt::NoPen);
  p.setBrush(light ? QColor(32, 32, 32) : QColor(235, 235, 235));
  p.drawRoundedRect(QRectF(2, 2, 92, 92), 12, 12);
  p.drawPixmap(QRect(10, 10, 76, 76), icon.pixmap(QSize(76, 76)));
  return QIcon(plate);
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

QPoint At(const QMouseEvent* e) {
  return e->position().toPoint();
}

}  // namespace

QAction* TMainForm::Command(const QString& text, void (TMainForm::*handler)(), bool checkable) {
  auto* action = new QAction(text, this);
  action->setCheckable(checkable);
  connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return action;
}

void TMainForm::CreateActions() {
  QStyle* st = style();
  auto withButton = [](QAction* action, const QString& hint, const QIcon& icon) {
    action->setToolTip(hint);
    action->setIcon(Legible(icon, ToolbarColour));
    return action;
  };
  Open1 = withButton(Command(tr("&Open Saved Game"), &TMainForm::Open1Click), tr("Open a saved puzzle"),
                     st->standardIcon(QStyle::SP_DialogOpenButton));
  Save1 = Command(tr("&Save Current Game"), &TMainForm::Save1Click);
  PrintExport1 = Command(tr("&Print / Export Puzzle..."), &TMainForm::PrintExport1Click);
  // The toolbar's save pauses the game first, so it is a command of its own.
  SaveAndPause =
      //: Toolbar button: saves the game and pauses it
      withButton(Command(tr("Save"), &TMainForm::BtnSaveClick), tr("Save this puzzle"),
                 st->standardIcon(QStyle::SP_DialogSaveButton));
  Exit1 = Command(tr("E&xit"), &TMainForm::Exit1Click);

  New1 = withButton(Command(tr("&Next"), &TMainForm::NextBtnClick), tr("Next puzzle"),
                    st->standardIcon(QStyle::SP_ArrowRight));
  Previous1 = withButton(Command(tr("Pre&vious"), &TMainForm::PrevBtnClick), tr("Previous puzzle"),
                         st->standardIcon(QStyle::SP_ArrowLeft));
  GotoPuzzle1 = Command(tr("Go to Puzzle ..."), &TMainForm::GotoPuzzle1Click);
  Jumptorandompuzzle1 = Command(tr("&Jump to Random Puzzle"), &TMainForm::Jumptorandompuzzle1Click);
  PuzzleOfTheDay1 = Command(tr("Puzzle of the &Day"), &TMainForm::PuzzleOfTheDay1Click);
  Restart1 = withButton(Command(tr("&Restart"), &TMainForm::RestartBtnClick), tr("Restart this puzzle"),
                        st->standardIcon(QStyle::SP_BrowserReload));
  Pause1 = withButton(Command(tr("P&ause"), &TMainForm::PauseBtnClick, true), tr("Pause / Unpause"),
                      st->standardIcon(QStyle::SP_MediaPause));

  Createnewplayer1 = Command(tr("&Create New Player"), &TMainForm::Createnewplayer1Click);
  SwitchtoPlayer1 = Command(tr("&Switch to Player"), &TMainForm::SwitchtoPlayer1Click);
  DeletePlayer1 = Command(tr("&Delete Player"), &TMainForm::DeletePlayer1Click);
  ShowHighScores1 = Command(tr("Show &High Scores"), &TMainForm::ShowHighScores1Click);
  BestFit1 = Command(tr("&Best Fit"), &TMainForm::BestFit1Click);
  Statistics1 = Command(tr("&Statistics"), &TMainForm::Statistics1Click);
  ShowHighScores2 = Command(tr("Show &High Scores"), &TMainForm::ShowHighScores1Click);

  TimedGame1 = Command(tr("&Timed Game"), &TMainForm::TimedGame1Click, true);
  ShowHints1 = withButton(Command(tr("Show &Hints"), &TMainForm::HintBtnClick, true), tr("Show hints"),
                          st->standardIcon(QStyle::SP_MessageBoxInformation));
  GiveClue = withButton(Command(tr("Give me a clue!"), &TMainForm::ClueBtnClick), tr("Give me a clue!"),
                        DrawnIcon(false));
  ZoomSmallTiles1 = withButton(Command(tr("&Zoom Small Tiles"), &TMainForm::ZoomBtnClick, true),
                               tr("Zoom tiles"), DrawnIcon(true));
  Options1 = withButton(Command(tr("&Options ..."), &TMainForm::OptionsBtnClick), tr("Options"),
                        st->standardIcon(QStyle::SP_FileDialogDetailedView));
  HelpMenu = Command(tr("&Quillmere Help"), &TMainForm::HelpMenuClick);
  Guide1 = Command(tr("Player's &Guide"), &TMainForm::Guide1Click);
  SayTime1 = Command(tr("Read Out &Time and Progress"), &TMainForm::SayTime1Click);
  // The dividers between the board and the clue panels, for players who
  // cannot drag them.
  DividerLeft = Command(tr("Move Divider &Left"), &TMainForm::DividerLeftClick);
  DividerRight = Command(tr("Move Divider &Right"), &TMainForm::DividerRightClick);
  DividerUp = Command(tr("Move Divider &Up"), &TMainForm::DividerUpClick);
  DividerDown = Command(tr("Move Divider &Down"), &TMainForm::DividerDownClick);
  About1 = Command(tr("&About Quillmere"), &TMainForm::About1Click);

  // The keys players expect; the menus show them beside their items.
  Open1->setShortcut(QKeySequence::Open);
  Save1->setShortcut(QKeySequence::Save);
  PrintExport1->setShortcut(QKeySequence::Print);
  Exit1->setShortcut(QKeySequence::Quit);
  // F1 opens the guide itself, the help window only says where it is.
  Guide1->setShortcut(QKeySequence::HelpContents);
  SayTime1->setShortcut(QKeySequence(Qt::Key_T));
  DividerLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left));
  DividerRight->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right));
  DividerUp->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up));
  DividerDown->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down));
  New1->setShortcut(Qt::Key_PageDown);
  Previous1->setShortcut(Qt::Key_PageUp);
  Restart1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  Pause1->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
  // A clue costs time, so no stray key without Ctrl may take one.
  GiveClue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  // Actions work by their keys only where the window holds them; the menus
  // hold all but the toolbar-only one.
  addActions({SaveAndPause});
}

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [bar](const QString& title, std::initializer_list<QAction*> items) {
    QMenu* m = bar->addMenu(title);
    for (QAction* item : items) {
      if (!item) {
        m->addSeparator();
        continue;
      }
      // A switch shows its state as a tick; beside an icon the state would
      // be only a faint frame round the icon.
      if (item->isCheckable()) item->setIconVisibleInMenu(false);
      m->addAction(item);
    }
  };
  menu(tr("&File"), {Open1, Save1, PrintExport1, nullptr, Exit1});
  menu(tr("&Puzzle"), {New1, Previous1, GotoPuzzle1, Jumptorandompuzzle1, PuzzleOfTheDay1, nullptr, Restart1,
                       Pause1, nullptr, GiveClue, SayTime1});
  menu(tr("P&layers"), {Createnewplayer1, SwitchtoPlayer1, DeletePlayer1, nullptr, ShowHighScores1});
  //: Menu title
  menu(tr("&View"),
       {BestFit1, Statistics1, ShowHighScores2, nullptr, DividerLeft, DividerRight, DividerUp, DividerDown});
  menu(tr("&Settings"), {TimedGame1, ShowHints1, ZoomSmallTiles1, nullptr, Options1});
  menu(tr("&Help"), {Guide1, HelpMenu, nullptr, About1});
}

QToolButton* TMainForm::AddToolButton(QHBoxLayout* row, QAction* action) {
  auto* button = new QToolButton(RzToolbar1);
  button->setDefaultAction(action);
  button->setFixedSize(58, 58);
  button->setIconSize(QSize(40, 40));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  row->addWidget(button);
  return button;
}

void TMainForm::CreateToolbar(QVBoxLayout* column) {
  // Buttons in groups, separated by grooves.
  RzToolbar1 = new TMousePanel(centralWidget());
  RzToolbar1->setFixedHeight(59);
  RzToolbar1->setAutoFillBackground(true);
  RzToolbar1->OnMouseDown = [this](QMouseEvent*) { DismissPointers(); };
  auto* row = new QHBoxLayout(RzToolbar1);
  row->setContentsMargins(2, 0, 2, 1);
  row->setSpacing(1);
  BtnOpen = AddToolButton(row, Open1);
  BtnSave = AddToolButton(row, SaveAndPause);
  row->addWidget(Groove(RzToolbar1));
  PrevBtn = AddToolButton(row, Previous1);
  NextBtn = AddToolButton(row, New1);
  row->addWidget(Groove(RzToolbar1));
  ComboBox1 = new QComboBox(RzToolbar1);
  ComboBox1->setToolTip(tr("Difficulty level"));
  for (const TBoardSize& size : BoardSizes)
    ComboBox1->addItem(QCoreApplication::translate("BoardSizes", size.Label));
  ComboBox1->setFont(NarrowFont(11));
  ComboBox1->setFocusPolicy(Qt::NoFocus);
  ComboBox1->setMinimumWidth(150);
  connect(ComboBox1, &QComboBox::activated, this, [this](int index) { ComboBox1Change(index); });
  row->addWidget(ComboBox1);
  row->addWidget(Groove(RzToolbar1));
  RestartBtn = AddToolButton(row, Restart1);
  row->addWidget(Groove(RzToolbar1));
  PauseBtn = AddToolButton(row, Pause1);
  row->addWidget(Groove(RzToolbar1));
  HintBtn = AddToolButton(row, ShowHints1);
  ClueBtn = AddToolButton(row, GiveClue);
  row->addWidget(Groove(RzToolbar1));
  OptionsBtn = AddToolButton(row, Options1);
  ZoomBtn = AddToolButton(row, ZoomSmallTiles1);
  row->addStretch(1);
  column->addWidget(RzToolbar1);
}

void TMainForm::CreateInfoBar(QVBoxLayout* column) {
  // Four labels at fixed places.
  RzPanel4 = new TMousePanel(centralWidget());
  RzPanel4->setFixedHeight(38);
  RzPanel4->setAutoFillBackground(true);
  QPalette info = RzPanel4->palette();
  info.setColor(QPalette::Window, InfoBarColour);
  RzPanel4->setPalette(info);
  RzPanel4->OnMouseDown = [this](QMouseEvent*) { DismissPointers(); };
  TClickLabel** labels[] = {&PlayerLbl, &RzLabel1, &Label1, &TimeLbl};
  // The information bar's labels until the first puzzle fills them in.
  const char* texts[] = {
      //: Information bar: the player's name goes here
      QT_TRANSLATE_NOOP("MainForm", "Player"),
      //: Information bar: the puzzle's number goes here
      QT_TRANSLATE_NOOP("MainForm", "Puzzle No. x"),
      //: Information bar: how much of the board is solved goes here
      QT_TRANSLATE_NOOP("MainForm", "Solution"),
      //: Information bar: the clock goes here
      QT_TRANSLATE_NOOP("MainForm", "Time"),
  };
  for (int i = 0; i < 4; ++i) {
    auto* label = new TClickLabel(tr(texts[i]), RzPanel4);
    // Inside the 2-pixel border the whole height of the font and the row of
    // the underscore below it: at 25 pixels "Jo_Ann" read "Jo Ann".
    label->setGeometry(8 + i * 243, 5, 231, 28);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(NarrowFont(16));
    label->setStyleSheet(
        QStringLiteral("QLabel { background: white; color: black; border: 2px solid rgb(0, 128, 0); }"));
    *labels[i] = label;
  }
  // A window too narrow for the four shares its width out among them, so
  // that no label is cut off, whatever the language makes of its text.
  RzPanel4->OnResize = [this] {
    const int width = std::clamp((RzPanel4->width() - 16 - 3 * 12) / 4, 60, 231);
    int i = 0;
    for (TClickLabel* label : {PlayerLbl, RzLabel1, Label1, TimeLbl})
      label->setGeometry(8 + i++ * (width + 12), 5, width, 28);
  };
  RzLabel1->setToolTip(tr("Click to go to a puzzle"));
  PlayerLbl->setToolTip(tr("Click to switch to another player"));
  TimeLbl->setToolTip(tr("Pause / Unpause"));
  RzLabel1->OnMouseDown = [this](QMouseEvent* e) { RzLabel1MouseDown(e->modifiers()); };
  RzLabel1->OnClick = [this] { RzLabel1Click(); };
  TimeLbl->OnClick = [this] { TimeLblClick(); };
  PlayerLbl->OnClick = [this] { PlayerLblClick(); };
  column->addWidget(RzPanel4);
}

void TMainForm::CreateBoardPane() {
  PaintBox1 = new TPaintBox(BoardSplitter);
  PaintBox1->setMinimumSize(60, 60);
  PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
  PaintBox1->OnMouseDown = [this](QMouseEvent* e) { PaintBox1MouseDown(e->button(), At(e).x(), At(e).y()); };
  PaintBox1->OnMouseMove = [this](QMouseEvent* e) { PaintBox1MouseMove(At(e).x(), At(e).y()); };
  RzLabel2 = new QLabel(PaintBox1);
  RzLabel2->setFont(NarrowFont(14));
  RzLabel2->setStyleSheet(
      QStringLiteral("QLabel { background: white; color: black; border: 1px solid black; padding: 0 3px; }"));
  RzLabel2->setAttribute(Qt::WA_TransparentForMouseEvents);
  RzLabel2->hide();
  RzLine1 = new TArrowLine(PaintBox1);
  RzLine1->resize(BoardArrowSize);
}

void TMainForm::CreateCluePanes() {
  // Vertical clues below the board, the tile zoom box on their left.
  RzSizePanel1 = new TMousePanel(BoardSplitter);
  PaintPanelBlack(RzSizePanel1);
  RzSizePanel1->OnResize = [this] { RzSizePanel1Resize(); };
  auto* vrow = new QHBoxLayout(RzSizePanel1);
  vrow->setContentsMargins(0, 0, 0, 0);
  vrow->setSpacing(0);
  PaintBox3 = new TPaintBox(RzSizePanel1);
  PaintBox3->setFixedSize(70, 70);
  PaintBox3->OnPaint = [this] { ZoomBoxPaint(PaintBox3); };
  vrow->addWidget(PaintBox3, 0, Qt::AlignTop);
  VerticalPaintBox = new TPaintBox(RzSizePanel1);
  VerticalPaintBox->setMinimumSize(20, 20);
  VerticalPaintBox->OnPaint = [this] { VerticalPaintBoxPaint(); };
  VerticalPaintBox->OnMouseDown = [this](QMouseEvent* e) {
    VerticalPaintBoxMouseDown(At(e).x(), At(e).y());
    if (e->button() == Qt::RightButton) VerticalPopup->popup(e->globalPosition().toPoint());
  };
  VerticalPaintBox->OnMouseMove = [this](QMouseEvent* e) { VerticalPaintBoxMouseMove(At(e).x(), At(e).y()); };
  vrow->addWidget(VerticalPaintBox, 1);
  RzLine4 = new TArrowLine(VerticalPaintBox);
  RzLine4->setGeometry(QRect(QPoint(0, VerticalArrowTop), PanelArrowSize));

  // Horizontal clues on the right, the clue zoom box below them.
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
    HorizontalPaintBoxMouseDown(e->button(), At(e).x(), At(e).y());
    if (e->button() == Qt::RightButton) HorizontalPopup->popup(e->globalPosition().toPoint());
  };
  HorizontalPaintBox->OnMouseMove = [this](QMouseEvent* e) {
    HorizontalPaintBoxMouseMove(At(e).x(), At(e).y());
  };
  hcol->addWidget(HorizontalPaintBox, 1);
  PaintBox2 = new TPaintBox(RzSizePanel2);
  PaintBox2->OnPaint = [this] { ZoomBoxPaint(PaintBox2); };
  hcol->addWidget(PaintBox2);
  RzLine2 = new TArrowLine(HorizontalPaintBox);
  RzLine2->resize(PanelArrowSize);

  HorizontalPopup = new QMenu(this);
  //: Clue panel's menu: shows every hidden clue again
  Showall1 = HorizontalPopup->addAction(tr("Show All"), this, [this] { Showall1Click(); });
  VerticalPopup = new QMenu(this);
  //: Clue panel's menu: shows every hidden clue again
  ShowAll2 = VerticalPopup->addAction(tr("Show All"), this, [this] { ShowAll2Click(); });
  Keys.Install();
}

void TMainForm::CreateStatusBar() {
  // The pane is laid over the whole bar (the bar's own layout keeps a margin
  // above its widgets, which would cut the pictures' bottom row).
  statusBar()->setSizeGripEnabled(false);
  statusBar()->setFixedHeight(12);
  HintPane = new TPaintBox(statusBar());
  HintPane->Background = statusBar()->palette().color(QPalette::Window);
  HintPane->OnPaint = [this] { HintPanePaint(); };
  HintPane->setGeometry(statusBar()->rect());
}

void TMainForm::CreateTimers() {
  Timer1 = new QTimer(this);
  Timer1->setInterval(TGameClock::Interval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  BlinkTimer = new QTimer(this);
  BlinkTimer->setInterval(500);
  connect(BlinkTimer, &QTimer::timeout, this, [this] { BlinkTimerTimer(); });
  WinTimer = new TAnimationTimer(this, TEffects::FrameInterval, [this] { WinTimerTimer(); });
  // The board gives up the animation's last frame for the finished puzzle.
  WinTimer->OnStop = [this] { PaintBox1->Repaint(); };
}
