// The main window's commands, menus and toolbar.
#include "MainFormControls.h"

#include "Fonts.h"
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

QFrame* Groove(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedWidth(10);
  return line;
}

// A command of the window's, which connects it to its handler.
QAction* Action(QMainWindow& window, const QString& text, bool checkable = false) {
  auto* action = new QAction(text, &window);
  action->setCheckable(checkable);
  return action;
}

}  // namespace

void TMainFormControls::CreateActions(QMainWindow& form) {
  QStyle* st = form.style();
  auto withButton = [](QAction* action, const QString& hint, const QIcon& icon) {
    action->setToolTip(hint);
    action->setIcon(Legible(icon, ToolbarColour));
    return action;
  };
  Open1 = withButton(Action(form, tr("&Open Saved Game")), tr("Open a saved puzzle"),
                     st->standardIcon(QStyle::SP_DialogOpenButton));
  Save1 = Action(form, tr("&Save Current Game"));
  PrintExport1 = Action(form, tr("&Print / Export Puzzle..."));
  // The toolbar's save pauses the game first, so it is a command of its own.
  SaveAndPause =
      //: Toolbar button: saves the game and pauses it
      withButton(Action(form, tr("Save")), tr("Save this puzzle"),
                 st->standardIcon(QStyle::SP_DialogSaveButton));
  Exit1 = Action(form, tr("E&xit"));

  New1 = withButton(Action(form, tr("&Next")), tr("Next puzzle"), st->standardIcon(QStyle::SP_ArrowRight));
  Previous1 = withButton(Action(form, tr("Pre&vious")), tr("Previous puzzle"),
                         st->standardIcon(QStyle::SP_ArrowLeft));
  GotoPuzzle1 = Action(form, tr("Go to Puzzle ..."));
  Jumptorandompuzzle1 = Action(form, tr("&Jump to Random Puzzle"));
  PuzzleOfTheDay1 = Action(form, tr("Puzzle of the &Day"));
  Restart1 = withButton(Action(form, tr("&Restart")), tr("Restart this puzzle"),
                        st->standardIcon(QStyle::SP_BrowserReload));
  Pause1 = withButton(Action(form, tr("P&ause"), true), tr("Pause / Unpause"),
                      st->standardIcon(QStyle::SP_MediaPause));

  Createnewplayer1 = Action(form, tr("&Create New Player"));
  SwitchtoPlayer1 = Action(form, tr("&Switch to Player"));
  DeletePlayer1 = Action(form, tr("&Delete Player"));
  ShowHighScores1 = Action(form, tr("Show &High Scores"));
  BestFit1 = Action(form, tr("&Best Fit"));
  Statistics1 = Action(form, tr("&Statistics"));
  ShowHighScores2 = Action(form, tr("Show &High Scores"));

  TimedGame1 = Action(form, tr("&Timed Game"), true);
  ShowHints1 = withButton(Action(form, tr("Show &Hints"), true), tr("Show hints"),
                          st->standardIcon(QStyle::SP_MessageBoxInformation));
  GiveClue = withButton(Action(form, tr("Give me a clue!")), tr("Give me a clue!"), DrawnIcon(false));
  ZoomSmallTiles1 =
      withButton(Action(form, tr("&Zoom Small Tiles"), true), tr("Zoom tiles"), DrawnIcon(true));
  Options1 = withButton(Action(form, tr("&Options ...")), tr("Options"),
                        st->standardIcon(QStyle::SP_FileDialogDetailedView));
  HelpMenu = Action(form, tr("&Quillmere Help"));
  Guide1 = Action(form, tr("Player's &Guide"));
  SayTime1 = Action(form, tr("Read Out &Time and Progress"));
  // The dividers between the board and the clue panels, for players who
  // cannot drag them.
  DividerLeft = Action(form, tr("Move Divider &Left"));
  DividerRight = Action(form, tr("Move Divider &Right"));
  DividerUp = Action(form, tr("Move Divider &Up"));
  DividerDown = Action(form, tr("Move Divider &Down"));
  About1 = Action(form, tr("&About Quillmere"));

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
  form.addActions({SaveAndPause});
}

void TMainFormControls::CreateMenus(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
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

QToolButton* TMainFormControls::AddToolButton(QHBoxLayout* row, QAction* action) {
  auto* button = new QToolButton(RzToolbar1);
  button->setDefaultAction(action);
  button->setFixedSize(58, 58);
  button->setIconSize(QSize(40, 40));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  row->addWidget(button);
  return button;
}

void TMainFormControls::CreateToolbar(TMainForm& form, QVBoxLayout* column) {
  // Buttons in groups, separated by grooves.
  RzToolbar1 = new TMousePanel(form.centralWidget());
  RzToolbar1->setFixedHeight(59);
  RzToolbar1->setAutoFillBackground(true);
  RzToolbar1->OnMouseDown = [&form](QMouseEvent*) { form.DismissPointers(); };
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
  QObject::connect(ComboBox1, &QComboBox::activated, &form,
                   [&form](int index) { form.ComboBox1Change(index); });
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

void TMainFormControls::SetHorizontalPanelWidth(int width) {
  const int total = MainSplitter->width() - MainSplitter->handleWidth();
  if (total <= 0) return;
  width = std::clamp(width, 20, std::max(20, total - 60));
  MainSplitter->setSizes({total - width, width});
}

void TMainFormControls::StepDivider(bool vertical, int steps) {
  if (vertical)
    SetHorizontalPanelWidth(MainSplitter->widget(1)->width() + steps * DividerStep);
  else
    SetVerticalPanelHeight(BoardSplitter->widget(1)->height() + steps * DividerStep);
}

void TMainFormControls::SetVerticalPanelHeight(int height) {
  const int total = BoardSplitter->height() - BoardSplitter->handleWidth();
  if (total <= 0) return;
  height = std::clamp(height, 20, std::max(20, total - 60));
  BoardSplitter->setSizes({total - height, height});
}
