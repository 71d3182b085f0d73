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

// A command of form's: handler runs when it is triggered.
QAction* Command(TMainForm& form, const QString& text, void (TMainForm::*handler)(), bool checkable = false) {
  auto* action = new QAction(text, &form);
  action->setCheckable(checkable);
  QObject::connect(action, &QAction::triggered, &form, [&form, handler] { (form.*handler)(); });
  return action;
}

}  // namespace

void TMainFormControls::CreateActions(TMainForm& form) {
  QStyle* st = form.style();
  auto withButton = [](QAction* action, const QString& hint, const QIcon& icon) {
    action->setToolTip(hint);
    action->setIcon(Legible(icon, ToolbarColour));
    return action;
  };
  Open1 = withButton(Command(form, tr("&Open Saved Game"), &TMainForm::Open1Click), tr("Open a saved puzzle"),
                     st->standardIcon(QStyle::SP_DialogOpenButton));
  Save1 = Command(form, tr("&Save Current Game"), &TMainForm::Save1Click);
  PrintExport1 = Command(form, tr("&Print / Export Puzzle..."), &TMainForm::PrintExport1Click);
  // The toolbar's save pauses the game first, so it is a command of its own.
  SaveAndPause =
      //: Toolbar button: saves the game and pauses it
      withButton(Command(form, tr("Save"), &TMainForm::BtnSaveClick), tr("Save this puzzle"),
                 st->standardIcon(QStyle::SP_DialogSaveButton));
  Exit1 = Command(form, tr("E&xit"), &TMainForm::Exit1Click);

  New1 = withButton(Command(form, tr("&Next"), &TMainForm::NextBtnClick), tr("Next puzzle"),
                    st->standardIcon(QStyle::SP_ArrowRight));
  Previous1 = withButton(Command(form, tr("Pre&vious"), &TMainForm::PrevBtnClick), tr("Previous puzzle"),
                         st->standardIcon(QStyle::SP_ArrowLeft));
  GotoPuzzle1 = Command(form, tr("Go to Puzzle ..."), &TMainForm::GotoPuzzle1Click);
  Jumptorandompuzzle1 = Command(form, tr("&Jump to Random Puzzle"), &TMainForm::Jumptorandompuzzle1Click);
  PuzzleOfTheDay1 = Command(form, tr("Puzzle of the &Day"), &TMainForm::PuzzleOfTheDay1Click);
  Restart1 = withButton(Command(form, tr("&Restart"), &TMainForm::RestartBtnClick), tr("Restart this puzzle"),
                        st->standardIcon(QStyle::SP_BrowserReload));
  Pause1 = withButton(Command(form, tr("P&ause"), &TMainForm::PauseBtnClick, true), tr("Pause / Unpause"),
                      st->standardIcon(QStyle::SP_MediaPause));

  Createnewplayer1 = Command(form, tr("&Create New Player"), &TMainForm::Createnewplayer1Click);
  SwitchtoPlayer1 = Command(form, tr("&Switch to Player"), &TMainForm::SwitchtoPlayer1Click);
  DeletePlayer1 = Command(form, tr("&Delete Player"), &TMainForm::DeletePlayer1Click);
  ShowHighScores1 = Command(form, tr("Show &High Scores"), &TMainForm::ShowHighScores1Click);
  BestFit1 = Command(form, tr("&Best Fit"), &TMainForm::BestFit1Click);
  Statistics1 = Command(form, tr("&Statistics"), &TMainForm::Statistics1Click);
  ShowHighScores2 = Command(form, tr("Show &High Scores"), &TMainForm::ShowHighScores1Click);

  TimedGame1 = Command(form, tr("&Timed Game"), &TMainForm::TimedGame1Click, true);
  ShowHints1 = withButton(Command(form, tr("Show &Hints"), &TMainForm::HintBtnClick, true), tr("Show hints"),
                          st->standardIcon(QStyle::SP_MessageBoxInformation));
  GiveClue = withButton(Command(form, tr("Give me a clue!"), &TMainForm::ClueBtnClick), tr("Give me a clue!"),
                        DrawnIcon(false));
  ZoomSmallTiles1 = withButton(Command(form, tr("&Zoom Small Tiles"), &TMainForm::ZoomBtnClick, true),
                               tr("Zoom tiles"), DrawnIcon(true));
  Options1 = withButton(Command(form, tr("&Options ..."), &TMainForm::OptionsBtnClick), tr("Options"),
                        st->standardIcon(QStyle::SP_FileDialogDetailedView));
  HelpMenu = Command(form, tr("&Quillmere Help"), &TMainForm::HelpMenuClick);
  Guide1 = Command(form, tr("Player's &Guide"), &TMainForm::Guide1Click);
  SayTime1 = Command(form, tr("Read Out &Time and Progress"), &TMainForm::SayTime1Click);
  // The dividers between the board and the clue panels, for players who
  // cannot drag them.
  DividerLeft = Command(form, tr("Move Divider &Left"), &TMainForm::DividerLeftClick);
  DividerRight = Command(form, tr("Move Divider &Right"), &TMainForm::DividerRightClick);
  DividerUp = Command(form, tr("Move Divider &Up"), &TMainForm::DividerUpClick);
  DividerDown = Command(form, tr("Move Divider &Down"), &TMainForm::DividerDownClick);
  About1 = Command(form, tr("&About Quillmere"), &TMainForm::About1Click);

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
