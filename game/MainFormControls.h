#pragma once

#include <QColor>
#include <QCoreApplication>

class QAction;
class QComboBox;
class QHBoxLayout;
class QMainWindow;
class QSplitter;
class QString;
class QToolButton;
class QVBoxLayout;
class TMainForm;
class TMousePanel;

// The main window's commands and the controls that give them: one action
// each, shared by its menu item and its toolbar button, the menus and the
// toolbar. The window is made of them (as of its views) and connects every
// action to its handler.
class TMainFormControls {
  // Its texts translate as the window's own.
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  // Commands: one action each, shared by its menu item and its button.
  QAction *Open1 = nullptr, *Save1 = nullptr, *Exit1 = nullptr, *PrintExport1 = nullptr;
  QAction *GotoPuzzle1 = nullptr, *Jumptorandompuzzle1 = nullptr, *PuzzleOfTheDay1 = nullptr;
  QAction *Restart1 = nullptr, *Pause1 = nullptr;
  QAction *Createnewplayer1 = nullptr, *SwitchtoPlayer1 = nullptr, *DeletePlayer1 = nullptr;
  QAction *BestFit1 = nullptr, *Statistics1 = nullptr;
  QAction *TimedGame1 = nullptr, *ShowHints1 = nullptr, *ZoomSmallTiles1 = nullptr, *Options1 = nullptr;
  QAction *SaveAndPause = nullptr, *New1 = nullptr, *Previous1 = nullptr, *GiveClue = nullptr;
  QAction *ShowHighScores1 = nullptr, *ShowHighScores2 = nullptr, *HelpMenu = nullptr, *About1 = nullptr;
  QAction *Guide1 = nullptr, *SayTime1 = nullptr;
  QAction *DividerLeft = nullptr, *DividerRight = nullptr, *DividerUp = nullptr, *DividerDown = nullptr;
  // The toolbar.
  TMousePanel *RzToolbar1 = nullptr;
  QToolButton *BtnOpen = nullptr, *BtnSave = nullptr, *PrevBtn = nullptr, *NextBtn = nullptr;
  QComboBox *ComboBox1 = nullptr;  // the board sizes
  QToolButton *RestartBtn = nullptr, *PauseBtn = nullptr, *HintBtn = nullptr, *ClueBtn = nullptr;
  QToolButton *OptionsBtn = nullptr, *ZoomBtn = nullptr;
  // Board and vertical clues on the left, horizontal clues on the right.
  QSplitter *MainSplitter = nullptr, *BoardSplitter = nullptr;
  // The right panel's width, the lower panel's height, within the room the
  // splitters leave the board.
  void SetHorizontalPanelWidth(int width);
  void SetVerticalPanelHeight(int height);
  // The dividers' step by the keys (Move Divider Left, Right, Up, Down).
  static constexpr int DividerStep = 20;
  // Moves the divider beside the right panel (vertical) or above the lower
  // one by steps: positive widens the panel, negative narrows it.
  void StepDivider(bool vertical, int steps);

 public:
  // The actions, held by form (which connects them to their handlers).
  void CreateActions(QMainWindow &form);
  void CreateMenus(QMainWindow &window);
  // The toolbar at the top of column; the size list's choice goes to form.
  void CreateToolbar(TMainForm &form, QVBoxLayout *column);

 private:
  QToolButton *AddToolButton(QHBoxLayout *row, QAction *action);
};

// The toolbar's own colour, whatever the desktop's theme.
inline const QColor ToolbarColour{226, 226, 226};
