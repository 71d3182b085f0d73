#pragma once

#include "Accessibility.h"
#include "AnimationTimer.h"
#include "DataFolders.h"
#include "Effects.h"
#include "Fonts.h"
#include "GameSounds.h"
#include "HintLayout.h"
#include "KeyboardPlay.h"
#include "PaintBox.h"
#include "Session.h"
#include "WindowPlacement.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>

#include <memory>

class QAction;
class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolButton;
class QVBoxLayout;
class TImages;

// The main window: it owns the game session, the tile pictures and the
// sounds, turns the player's presses and commands into session calls and
// draws what the session reports. The implementation is split by concern:
// MainForm.cpp (creation, preferences, leaving), MainFormControls.cpp (the
// controls, actions and menus), BoardView.cpp, CluePanels.cpp, Commands.cpp
// (the commands and what the session reports), Hints.cpp and Printing.cpp;
// the keys are TKeyboardPlay's, the window's place TWindowPlacement's.
class TMainForm : public QMainWindow, private TSessionObserver {
  // Its texts translate as the window's own, without a meta-object.
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  // folders.Assets holds tiles/ and sounds/; the players file, Players/ and
  // the score files are named after folders.RecordsPath().
  TMainForm(const TDataFolders& folders, TDialogs& dialogs, QWidget* parent = nullptr);
  // Everything in one folder: programPath's folder holds tiles/, sounds/,
  // Players/ and the players file, which is named after programPath.
  TMainForm(const QString& programPath, TDialogs& dialogs, QWidget* parent = nullptr);
  ~TMainForm() override;  // FormDestroy

  // Loads everything the window shows; false when the program must close
  // (the reason has been shown already).
  bool FormCreate();

  // The player's records and the game in play.
  TSession& Session() { return *Play; }
  int N() const { return Play->Game().N(); }

  // --- the controls tests press and read by name (the rest are private) ---
  // Commands: one action each, shared by its menu item and its button.
  QAction *Open1 = nullptr, *Save1 = nullptr, *Exit1 = nullptr, *PrintExport1 = nullptr;
  QAction *GotoPuzzle1 = nullptr, *Jumptorandompuzzle1 = nullptr, *PuzzleOfTheDay1 = nullptr;
  QAction *Restart1 = nullptr, *Pause1 = nullptr;
  QAction *Createnewplayer1 = nullptr, *SwitchtoPlayer1 = nullptr, *DeletePlayer1 = nullptr;
  QAction *BestFit1 = nullptr, *Statistics1 = nullptr;
  QAction *TimedGame1 = nullptr, *ShowHints1 = nullptr, *ZoomSmallTiles1 = nullptr, *Options1 = nullptr;
  QToolButton *BtnOpen = nullptr, *BtnSave = nullptr, *NextBtn = nullptr;
  QComboBox* ComboBox1 = nullptr;  // the board sizes
  QToolButton *RestartBtn = nullptr, *PauseBtn = nullptr, *HintBtn = nullptr, *ClueBtn = nullptr;
  QToolButton *OptionsBtn = nullptr, *ZoomBtn = nullptr;
  TMousePanel* RzPanel4 = nullptr;  // the information bar
  TClickLabel *PlayerLbl = nullptr, *RzLabel1 = nullptr, *Label1 = nullptr, *TimeLbl = nullptr;
  TPaintBox* PaintBox1 = nullptr;  // the board
  QLabel* RzLabel2 = nullptr;      // the message near the pointer
  TArrowLine* RzLine1 = nullptr;
  TMousePanel* RzSizePanel1 = nullptr;  // vertical clues, below the board
  TPaintBox* VerticalPaintBox = nullptr;
  TPaintBox* PaintBox3 = nullptr;  // tile zoom box
  TArrowLine* RzLine4 = nullptr;
  TMousePanel* RzSizePanel2 = nullptr;  // horizontal clues, on the right
  TPaintBox* HorizontalPaintBox = nullptr;
  TPaintBox* PaintBox2 = nullptr;  // clue zoom box
  TArrowLine* RzLine2 = nullptr;
  TPaintBox* HintPane = nullptr;  // the status bar's one pane
  QMenu *HorizontalPopup = nullptr, *VerticalPopup = nullptr;
  QAction *Showall1 = nullptr, *ShowAll2 = nullptr;
  QTimer *Timer1 = nullptr, *BlinkTimer = nullptr;
  TAnimationTimer* WinTimer = nullptr;  // the completion animation's

  // --- controller (MainForm.cpp) -------------------------------------------
  void DismissPointers();
  void ApplyPreferences();
  // The zoom, hint and timed-game switches as the preferences have them;
  // the zoom boxes are laid out anew only when asked or when zoom changed.
  void ShowSwitches(bool layOutZoom = true);
  void ShowHintPane();  // the status bar 36 pixels high with hints, 12 without
  void ShowPuzzleSize();
  void CaptureWindowSizes();  // the window's and the panels' sizes into the profile
  // Un-minimises, raises and activates the window (and a dialog open over
  // it): another start of the game asked for it.
  void ComeToFront();
  // A termination signal (logout, hang-up, Ctrl+C): the records are stored
  // as at the exit, without the save question, and every event loop ends.
  // A failure is told on the terminal: nobody may be there to answer a box.
  void EndBySignal();
  // The process is ending without the event loop (the display was lost and
  // the window system calls exit): the records are stored as at a signal.
  void EndByExit();
  void Exit1Click();
  void HelpMenuClick();
  void Guide1Click();
  void About1Click();
  // The dividers by the keys: the right panel's edge left or right, the
  // lower panel's edge up or down, a step at a time.
  void DividerLeftClick();
  void DividerRightClick();
  void DividerUpClick();
  void DividerDownClick();
  static constexpr int DividerStep = 20;
  void FormMouseDown();
  void BlinkTimerTimer();
  void WinTimerTimer();
  void TimedGame1Click();
  void HintBtnClick();
  void Statistics1Click();
  void ShowHighScores1Click();

  // --- board view (BoardView.cpp) -----------------------------------------
  TBoardLayout BoardLayout() const;
  void DrawBoard(QPainter& Canvas);
  void DrawSquare(int c, int r);  // onto PaintBox1
  void PaintBox1Paint();
  // The animation's two pictures at the board's present size, the canvas
  // showing the one the running transition started from.
  void FitAnimationToBoard();
  void PaintBox1MouseDown(Qt::MouseButton Button, int X, int Y);
  void PaintBox1MouseMove(int X, int Y);
  void ShowTilePreview(int X, int Y);
  // Empties both zoom boxes (in the paused colour while paused).
  void ClearZoomBoxes();
  void ZoomBoxPaint(TPaintBox* Box);  // a zoom box keeps its picture, but not over a pause
  void SetZoom(bool On);
  void ZoomBtnClick();
  void RzSizePanel1Resize();
  void RzSizePanel2Resize();

  // --- clue panels (CluePanels.cpp) ---------------------------------------
  THorizontalLayout HorizontalLayout() const;
  void DrawHorizontalPanel();
  void DrawVerticalPanel();
  void DrawHorizontalClue(QPainter& Canvas, const TClue& Clue, int Left, int Top, int Size);
  void HorizontalPaintBoxPaint();
  void VerticalPaintBoxPaint();
  void HorizontalPaintBoxMouseDown(Qt::MouseButton Button, int X, int Y);
  void VerticalPaintBoxMouseDown(int X, int Y);
  void HorizontalPaintBoxMouseMove(int X, int Y);
  void VerticalPaintBoxMouseMove(int X, int Y);
  void Showall1Click();
  void ShowAll2Click();
  void BestFit1Click();
  void ShowCluePreview(const TClue& Clue);

  // --- commands (Commands.cpp) ---------------------------------------------
  void NextBtnClick();
  void PrevBtnClick();
  void GotoPuzzle1Click();
  void RzLabel1Click();
  void RzLabel1MouseDown(Qt::KeyboardModifiers Shift);
  void Jumptorandompuzzle1Click();
  void PuzzleOfTheDay1Click();
  void ComboBox1Change(int Index);
  void RestartBtnClick();
  void PauseBtnClick();
  void TimeLblClick();
  // The clock, the progress and the last penalty, told to a screen reader
  // and shown beside the clock.
  void SayTime1Click();
  void OptionsBtnClick();
  void Timer1Timer();
  void ShowMessageAt(int X, int Y, const QString& Text);
  // A note of the window's own where the mis-click message shows, for as long.
  void ShowNoteAt(QPoint At, const QString& Text);
  void UpdateLabels();
  void Createnewplayer1Click();
  void SwitchtoPlayer1Click();
  void PlayerLblClick();
  void DeletePlayer1Click();
  void Save1Click();
  void BtnSaveClick();
  void Open1Click();
  // Plays puzzle Number of board size Size (checked by the caller), which
  // becomes that size's current number as with Go To.
  void PlayPuzzle(int Size, int Number);

  // --- hints (Hints.cpp) ----------------------------------------------------
  void ExplainClue(const TClue* Clue, int Index, bool Step);
  void HighlightHorizontalClue(int Index, bool On);
  void HighlightVerticalClue(int Index, bool On);
  void ShowPointers(const TDeductionStep& Step);  // the arrows of the step just taken
  void HintPanePaint();
  // Another puzzle is in play: no arrow or sentence of the last one stays.
  void ForgetHints();
  void ClueBtnClick();
  void HintBtnMouseDown();  // with Ctrl held: prove the puzzle on the board

  // --- printing (Printing.cpp) ---------------------------------------------
  // The puzzle on the board as PDF, SVG or PNG: its clues and empty
  // candidate grids, not the player's progress.
  void PrintExport1Click();

 protected:
  void showEvent(QShowEvent* event) override;    // FormShow, the first time
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend struct TMainFormProbe;  // what tests look at beyond the controls
  friend class TKeyboardPlay;    // the keys press through the mouse's calls
  friend class TAccessibility;   // says in words what the window draws

  // Both public constructors: the records named after recordsPath.
  TMainForm(const TDataFolders& folders, const QString& recordsPath, TDialogs& dialogs, QWidget* parent);

  // What the session reports (Commands.cpp).
  void PuzzleChanged(TPuzzleChange change) override;
  void SquareChanged(const TSquareChange& change) override;
  void ClueChanged(const TClueChange& change) override;
  void PhaseChanged(const TPhaseChange& change) override;
  void ClockChanged(const TClockChange& change) override;
  void StateChanged(TStateChange change) override;
  void ShowMessage(const QString& text, const TMove& move) override;
  void ExplainStep(const TStepTaken& taken) override;
  void PlaySound(TGameSound sound) override;
  void StoringProfile() override;
  // Follows the game's phase: the clock runs while a puzzle is played, and
  // the board and panels change to and from the paused look.
  void GamePhaseChanged();
  void ShowPlayer();
  void PuzzleCompleted();
  void DrawStartPicture();  // the new board, for the animation
  void RepaintAll();        // board, horizontal panel, vertical panel
  void DrawAll();           // the same, drawn at once

  // MainFormControls.cpp
  void CreateActions();
  void CreateMenus();
  void CreateToolbar(QVBoxLayout* column);
  void CreateInfoBar(QVBoxLayout* column);
  void CreateBoardPane();
  void CreateCluePanes();
  void CreateStatusBar();
  void CreateTimers();
  QAction* Command(const QString& text, void (TMainForm::*handler)(), bool checkable = false);
  QToolButton* AddToolButton(QHBoxLayout* row, QAction* action);

  // The press of a board cell, by the mouse at (X, Y) or by a key at the
  // cell's middle: the message of a mis-click shows there.
  void PressCell(const TMove& Move, QPoint At);
  void ShowTilePreviewOf(int c, int r, int t);  // tile t (0-based) of square (c, r); -1: none
  // A press on a clue of the vertical panel, by the mouse or by a key.
  void VerticalClueChosen(int Index);
  // The pointer, or the keyboard cursor, rests on a clue: its hint.
  void HoverClue(bool Vertical, int Index);

  void SetHorizontalPanelWidth(int width);
  void SetVerticalPanelHeight(int height);
  void DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H);
  void PausedLook(TPaintBox* Box);

  QAction *SaveAndPause = nullptr, *New1 = nullptr, *Previous1 = nullptr, *GiveClue = nullptr;
  QAction *ShowHighScores1 = nullptr, *ShowHighScores2 = nullptr, *HelpMenu = nullptr, *About1 = nullptr;
  QAction *Guide1 = nullptr, *SayTime1 = nullptr;
  QAction *DividerLeft = nullptr, *DividerRight = nullptr, *DividerUp = nullptr, *DividerDown = nullptr;
  TMousePanel* RzToolbar1 = nullptr;
  QToolButton* PrevBtn = nullptr;
  QSplitter *MainSplitter = nullptr, *BoardSplitter = nullptr;

  TDialogs& Dialogs;
  const QString AssetFolder;  // tiles/ and sounds/
  std::unique_ptr<TSession> Play;
  std::unique_ptr<TImages> TileImages;
  std::unique_ptr<TEffects> Effects;
  QImage ScratchBitmap;
  TGameSounds Sounds;
  std::vector<THintPiece> HintPieces;  // what the hint pane shows
  // The hint arrows blink between these, all in the same phase.
  static inline const QColor ArrowRed{255, 0, 0}, ArrowYellow{255, 255, 0};
  bool ArrowsLit = false;  // the arrows are yellow in this half of the blink
  TKeyboardPlay Keys{*this};
  TAccessibility Access{*this};
  QString PrintFolder;  // where the last print went; the next is offered there
  QPoint MessagePoint;  // where a mis-click's message shows
  // The seconds the last penalty of this puzzle added, and whether a clue
  // cost them (else a mis-click).
  int LastPenalty = 0;
  bool LastPenaltyForClue = false;
  void NotePenalty(int seconds, bool clue);
  TWindowPlacement Placement{*this};
  // How many puzzles a Ctrl+press on the puzzle label steps on.
  int CtrlPressSteps = 999;
  bool ShownPaused = false;  // what the board and panels show
  bool Created = false;
  bool Shown = false;
};

// The toolbar's own colour, whatever the desktop's theme.
inline const QColor ToolbarColour{226, 226, 226};

// The colour of everything the paused game hides.
inline const QColor PausedColour{24, 24, 24};
