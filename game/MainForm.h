#pragma once

#include "AnimationTimer.h"
#include "DataFolders.h"
#include "Dialogs.h"
#include "Effects.h"
#include "Fonts.h"
#include "Game.h"
#include "GameRules.h"
#include "GameSounds.h"
#include "HintLayout.h"
#include "KeyboardPlay.h"
#include "PaintBox.h"
#include "ScoreTable.h"
#include "Settings.h"

#include <QDate>
#include <QImage>
#include <QMainWindow>

#include <functional>
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

// The main window: it owns the player's records, the game in play, the tile
// pictures and the sounds, turns the player's presses and commands into calls
// on the game and draws what they report. The implementation is split by
// concern: MainForm.cpp (creation, preferences, leaving), MainFormControls.cpp
// (the controls, actions and menus), BoardView.cpp, CluePanels.cpp,
// Commands.cpp (navigation, clock, pause, completion), Players.cpp,
// SavedGames.cpp and Hints.cpp.
class TMainForm : public QMainWindow, public TPuzzleObserver {
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

  // --- records and the game ------------------------------------------------
  const QString ProgramPath;            // the records' name: players file, scores
  const QString AssetFolder;            // tiles/ and sounds/
  std::unique_ptr<TSettings> Settings;  // the current player's TPrefs and TStats
  TGame Game;                           // the puzzle, the clock and the phase
  TScoreTable ScoreTable;
  std::unique_ptr<TImages> TileImages;
  std::unique_ptr<TEffects> Effects;
  QImage ScratchBitmap;
  QString SoundFolder;
  TGameSounds Sounds;
  // How many puzzles a Ctrl+press on the puzzle label steps on.
  int CtrlPressSteps = 999;

  int N() const { return Game.N(); }

  // --- commands: one action each, shared by its menu item and its button ---
  QAction *Open1 = nullptr, *Save1 = nullptr, *SaveAndPause = nullptr, *Exit1 = nullptr;
  QAction *New1 = nullptr, *Previous1 = nullptr, *GotoPuzzle1 = nullptr, *Jumptorandompuzzle1 = nullptr;
  QAction *Restart1 = nullptr, *Pause1 = nullptr;
  QAction *Createnewplayer1 = nullptr, *SwitchtoPlayer1 = nullptr, *DeletePlayer1 = nullptr;
  QAction *ShowHighScores1 = nullptr, *BestFit1 = nullptr, *Statistics1 = nullptr, *ShowHighScores2 = nullptr;
  QAction *TimedGame1 = nullptr, *ShowHints1 = nullptr, *GiveClue = nullptr, *ZoomSmallTiles1 = nullptr;
  QAction *Options1 = nullptr, *HelpMenu = nullptr, *About1 = nullptr;

  // --- controls ------------------------------------------------------------
  TMousePanel* RzToolbar1 = nullptr;
  QToolButton *BtnOpen = nullptr, *BtnSave = nullptr, *PrevBtn = nullptr, *NextBtn = nullptr;
  QComboBox* ComboBox1 = nullptr;  // the board sizes
  QToolButton *RestartBtn = nullptr, *PauseBtn = nullptr, *HintBtn = nullptr, *ClueBtn = nullptr;
  QToolButton *OptionsBtn = nullptr, *ZoomBtn = nullptr;
  TMousePanel* RzPanel4 = nullptr;  // the information bar
  TClickLabel *PlayerLbl = nullptr, *RzLabel1 = nullptr, *Label1 = nullptr, *TimeLbl = nullptr;
  QSplitter *MainSplitter = nullptr, *BoardSplitter = nullptr;
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
  void PlayGameSound(TGameSound Sound);
  void DismissPointers();
  void ApplyPreferences();
  void ShowSwitches();  // the zoom, hint and timed-game switches as the preferences have them
  void ShowHintPane();  // the status bar 36 pixels high with hints, 12 without
  void ShowPuzzleSize();
  void CaptureWindowSizes();
  // The stored window size, kept within the screen's free area and above
  // the window's minimum (a hand-edited profile may ask for any size). With
  // place, the stored place too, or centred where none is stored.
  void ApplyWindowSize(bool place = false);
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
  void About1Click();
  void FormMouseDown();
  void BlinkTimerTimer();
  void WinTimerTimer();
  void TimedGame1Click();
  void HintBtnClick();
  void Statistics1Click();
  void ShowHighScores1Click();
  void ShowHighScores2Click();

  // --- board view (BoardView.cpp) -----------------------------------------
  TBoardLayout BoardLayout() const;
  void DrawBoard(QPainter& Canvas);
  void DrawBoardBackground(QPainter& Canvas);
  void DrawSquare(QPainter& Canvas, int X, int Y);
  void DrawSquare(int c, int r) override;  // onto PaintBox1
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

  // --- commands and clock (Commands.cpp) ----------------------------------
  void SetUpPuzzle();
  void NextBtnClick();
  void PrevBtnClick();
  void GotoPuzzle1Click();
  void RzLabel1Click();
  void RzLabel1MouseDown(Qt::KeyboardModifiers Shift);
  void Jumptorandompuzzle1Click();
  void ComboBox1Change(int Index);
  void RestartBtnClick();
  void PauseBtnClick();
  void TimeLblClick();
  void OptionsBtnClick();
  void Timer1Timer();
  void CompletePuzzle();
  void ShowMessageAt(int X, int Y, const QString& Text);
  void UpdateLabels();

  // --- players (Players.cpp) -----------------------------------------------
  void Createnewplayer1Click();
  void SwitchtoPlayer1Click();
  void PlayerLblClick();
  void DeletePlayer1Click();
  // Why a new player cannot take name, or nothing when it can.
  QString NewPlayerProblem(const QString& name) const;

  // --- saved games (SavedGames.cpp) ---------------------------------------
  void Save1Click();
  // Saves a game in progress; false (and said) when the file could not be written.
  bool SaveGame();
  void BtnSaveClick();
  void Open1Click();
  void BtnOpenClick();

  // --- hints (Hints.cpp) ----------------------------------------------------
  void ExplainClue(const TClue* Clue, int Index, bool Step);
  void HighlightHorizontalClue(int Index, bool On);
  void HighlightVerticalClue(int Index, bool On);
  void ShowPointers(const TDeductionStep& Step);  // the arrows of the step just taken
  std::vector<THintPiece> HintPieces;             // what the hint pane shows
  void HintPanePaint();
  // Another puzzle is in play: no arrow or sentence of the last one stays.
  void ForgetHints();
  void ClueBtnClick();
  void HintBtnMouseDown();  // with Ctrl held: prove the puzzle on the board

  // --- printing (Printing.cpp) ---------------------------------------------
  QAction* PrintExport1 = nullptr;
  QString PrintFolder;  // where the last print went; the next is offered there
  // The puzzle on the board as PDF, SVG or PNG: its clues and empty
  // candidate grids, not the player's progress.
  void PrintExport1Click();
  // --- the puzzle of the day and a chosen puzzle (Commands.cpp) -----------
  QAction* PuzzleOfTheDay1 = nullptr;
  // The local date the puzzle of the day is taken from; tests set their own.
  std::function<QDate()> Today = [] { return QDate::currentDate(); };
  void PuzzleOfTheDay1Click();
  // Plays puzzle Number of board size Size (checked by the caller), which
  // becomes that size's current number as with Go To.
  void PlayPuzzle(int Size, int Number);
  // Offers to save a game in progress before it is dropped; false when the
  // save failed, and the game stays (the player may retry or decline).
  bool OfferToSave();

  // --- keyboard play (KeyboardPlay.cpp) -----------------------------------
  TKeyCursor KeyCursor;
  bool PaneKeyDown(TKeyPane Pane, QKeyEvent* Event);
  void DrawBoardCursor(QPainter& Canvas);
  void DrawHorizontalCursor(QPainter& Canvas);
  void DrawVerticalCursor(QPainter& Canvas);
  // The middle of the board cell under the cursor, where its presses land.
  QPoint BoardCursorPoint() const;

  // --- engine observer -----------------------------------------------------
  void PopSound() override;
  void ExplainStep(const TDeductionStep& step) override;

 protected:
  void showEvent(QShowEvent* event) override;    // FormShow, the first time
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Both public constructors: the records named after recordsPath.
  TMainForm(const TDataFolders& folders, const QString& recordsPath, TDialogs& dialogs, QWidget* parent);
  // MainFormControls.cpp
  void CreateActions();
  void CreateMenus();
  void CreateToolbar(QVBoxLayout* column);
  void CreateInfoBar(QVBoxLayout* column);
  void CreateBoardPane();
  void CreateCluePanes();
  void CreateStatusBar();
  void CreateTimers();
  void CreateKeyboardPlay();
  TPaintBox* KeyPaneBox(TKeyPane Pane) const;
  void UpdateKeyPanes();
  void ShowKeyCursor(TKeyPane Pane);
  bool KeyCursorOnBoard() const;
  bool KeyCursorShows(TKeyPane Pane) const;
  void BoardKeyDown(int dx, int dy, bool remove);
  void ClueKeyDown(TKeyPane Pane, int step, bool press);
  void ExplainKeyCursor();  // as the pointer resting there would
  QAction* Command(const QString& text, void (TMainForm::*handler)(), bool checkable = false);
  QToolButton* AddToolButton(QHBoxLayout* row, QAction* action);

  // Follows the game's phase: the clock runs while a puzzle is played, and
  // the board and panels change to and from the paused look.
  void GamePhaseChanged();
  void SetPuzzleNumber(int number);
  void DrawStartPicture();  // the new board, for the animation
  // Makes name the current player: the old profile stored first (unless it
  // was just deleted), the new one loaded, shown and its puzzle set up.
  void BecomePlayer(const QString& name, bool storeOld);
  bool StoreCurrentProfile();                // with the window's sizes; false (and said) when it fails
  void StartNewPlayer(const QString& name);  // a new profile with the defaults, then plays
  void MakePlayersFolder();                  // Players/ and Players/Saved Games/, said once when impossible
  // Applies the size and place once more when the window manager's frame
  // turns out to differ from the one they were applied with.
  void SettleFrame(int tries);
  QSize AppliedFrame;
  void SetHorizontalPanelWidth(int width);
  void SetVerticalPanelHeight(int height);
  void DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H);
  void PausedLook(TPaintBox* Box);
  void RepaintAll();  // board, horizontal panel, vertical panel

  TDialogs& Dialogs;
  bool ShownPaused = false;  // what the board and panels show
  bool Created = false;
  bool Shown = false;
  bool RecordsStored = false;  // by EndBySignal; the destructor stores nothing more
  // Players/ could not be made at start; said then, and not again at the exit.
  bool PlayersFolderMissing = false;
};

// The colour of everything the paused game hides.
inline const QColor PausedColour{24, 24, 24};
