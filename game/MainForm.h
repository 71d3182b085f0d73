#pragma once

#include "Dialogs.h"
#include "GameRules.h"
#include "GameSounds.h"
#include "PaintBox.h"
#include "Placeholders.h"
#include "Puzzle.h"

#include <QImage>
#include <QMainWindow>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolButton;
class TImages;
class TSettings;

// The main window: it owns the puzzle, the player's records, the tile
// pictures and the sounds, and turns the player's presses and commands into
// moves. The implementation is split by concern: MainForm.cpp (creation,
// preferences, leaving), BoardView.cpp, CluePanels.cpp and Commands.cpp
// (navigation, clock, pause, completion).
class TMainForm : public QMainWindow, public TPuzzleObserver {
 public:
  // programPath is the program's own file path; its folder holds tiles/,
  // sounds/, Players/ and the players file.
  TMainForm(const QString& programPath, TDialogs& dialogs, QWidget* parent = nullptr);
  ~TMainForm() override;  // FormDestroy

  // Loads everything the window shows; false when the program must close
  // (the reason has been shown already).
  bool FormCreate();

  // --- controls ----------------------------------------------------------
  TMousePanel* RzToolbar1 = nullptr;
  QToolButton *BtnOpen = nullptr, *BtnSave = nullptr, *PrevBtn = nullptr, *NextBtn = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QToolButton *RestartBtn = nullptr, *PauseBtn = nullptr, *HintBtn = nullptr, *ClueBtn = nullptr;
  QToolButton *OptionsBtn = nullptr, *ZoomBtn = nullptr;
  TMousePanel* RzPanel4 = nullptr;
  TClickLabel *PlayerLbl = nullptr, *RzLabel1 = nullptr, *Label1 = nullptr, *TimeLbl = nullptr;
  QSplitter *MainSplitter = nullptr, *BoardSplitter = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QLabel* RzLabel2 = nullptr;
  TArrowLine* RzLine1 = nullptr;
  TMousePanel* RzSizePanel1 = nullptr;  // vertical clues, below the board
  TPaintBox* VerticalPaintBox = nullptr;
  TPaintBox* PaintBox3 = nullptr;  // tile zoom box
  TArrowLine* RzLine4 = nullptr;
  TMousePanel* RzSizePanel2 = nullptr;  // horizontal clues, on the right
  TPaintBox* HorizontalPaintBox = nullptr;
  TPaintBox* PaintBox2 = nullptr;  // clue zoom box
  TArrowLine* RzLine2 = nullptr;
  QLabel* HintPane = nullptr;
  QMenu *HorizontalPopup = nullptr, *VerticalPopup = nullptr;
  QAction *Showall1 = nullptr, *ShowAll2 = nullptr;
  QAction *Open1 = nullptr, *Save1 = nullptr, *Exit1 = nullptr;
  QAction *New1 = nullptr, *Previous1 = nullptr, *GotoPuzzle1 = nullptr, *Jumptorandompuzzle1 = nullptr;
  QAction *Restart1 = nullptr, *Pause1 = nullptr;
  QAction *Createnewplayer1 = nullptr, *SwitchtoPlayer1 = nullptr, *DeletePlayer1 = nullptr;
  QAction *ShowHighScores1 = nullptr, *BestFit1 = nullptr, *Statistics1 = nullptr, *ShowHighScores2 = nullptr;
  QAction *TimedGame1 = nullptr, *ShowHints1 = nullptr, *ZoomSmallTiles1 = nullptr, *Options1 = nullptr;
  QAction *HelpMenu = nullptr, *About1 = nullptr;
  QTimer *Timer1 = nullptr, *BlinkTimer = nullptr, *WinTimer = nullptr;

  // --- game state ----------------------------------------------------------
  TGameClock Clock;  // TickCount, ElapsedSeconds, MessageAge
  bool Constructing = false;
  bool Paused = false;
  bool BoardReady = false;
  bool InProgress = false;
  bool Finished = false;
  TPuzzle Puzzle;  // the squares, SolvedCount and the clue lists

  // --- owned objects -------------------------------------------------------
  std::unique_ptr<TSettings> Settings;  // the current player's TPrefs and TStats
  std::unique_ptr<TScoreForm> ScoreForm;
  std::unique_ptr<TImages> TileImages;
  std::unique_ptr<TEffects> Effects;
  QImage ScratchBitmap;
  QString SoundFolder;
  TGameSounds Sounds;

  const QString& ProgramFolder() const { return FProgramFolder; }
  int N() const { return Puzzle.Size(); }

  // --- controller (MainForm.cpp) -------------------------------------------
  void PlayGameSound(TGameSound Sound);
  void DismissPointers();
  void ApplyPreferences();
  void ShowPuzzleSize();
  void CaptureWindowSizes();
  void SetUpPuzzle();
  void Exit1Click();
  void HelpMenuClick();
  void About1Click();
  void FormMouseDown();
  void BlinkTimerTimer();
  void WinTimerTimer();
  // Later parts of the program fill these in; for now they do nothing.
  void Open1Click() {}
  void Save1Click() {}
  void BtnSaveClick() {}
  void SaveGame() {}
  void Createnewplayer1Click() {}
  void SwitchtoPlayer1Click() {}
  void DeletePlayer1Click() {}
  void ClueBtnClick() {}
  void ShowHighScores1Click();
  void Statistics1Click();
  void TimedGame1Click();
  void ShowHints1Click();
  void HintBtnClick();

  // --- board view (BoardView.cpp) -----------------------------------------
  TBoardLayout BoardLayout() const;
  void DrawBoard(QPainter& Canvas);
  void DrawBoardBackground(QPainter& Canvas);
  void DrawSquare(QPainter& Canvas, int X, int Y);
  void DrawSquare(int c, int r) override;  // onto PaintBox1
  void PaintBox1Paint();
  void PaintBox1MouseDown(Qt::MouseButton Button, int X, int Y);
  void PaintBox1MouseMove(int X, int Y);
  void ShowTilePreview(int X, int Y);
  void SetZoom(bool On);
  void ZoomBtnClick();
  void ZoomSmallTiles1Click();
  void RzSizePanel1Resize();
  void RzSizePanel2Resize();

  // --- clue panels (CluePanels.cpp) ---------------------------------------
  THorizontalLayout HorizontalLayout() const;
  void DrawHorizontalPanel();
  void DrawVerticalPanel();
  void DrawHorizontalClue(const TClue& Clue, TPaintBox* Target, int Left, int Top, int Size);
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
  void NextBtnClick();
  void New1Click();
  void PrevBtnClick();
  void Previous1Click();
  void GotoPuzzle1Click();
  void RzLabel1Click();
  void RzLabel1MouseDown(Qt::KeyboardModifiers Shift);
  void Jumptorandompuzzle1Click();
  void ComboBox1Change(int Index);
  void RestartBtnClick();
  void Restart1Click();
  void PauseBtnClick();
  void Pause1Click();
  void TimeLblClick();
  void OptionsBtnClick();
  void Options1Click();
  void Timer1Timer() { ClockTick(); }
  void ClockTick();
  void CompletePuzzle();
  void ShowMessageAt(int X, int Y, const QString& Text);
  void UpdateLabels();

  // --- engine observer -----------------------------------------------------
  void PopSound() override;
  void ExplainClue(const TClue* clue, int index, bool step) override;

 protected:
  void showEvent(QShowEvent* event) override;    // FormShow, the first time
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  QToolButton* AddToolButton(QLayout* layout, const QString& hint, const QIcon& icon, bool toggle);
  void SetPuzzleNumber(int number);
  void SetHorizontalPanelWidth(int width);
  void SetVerticalPanelHeight(int height);
  void DrawPicture(QPainter& Canvas, int Index, int X, int Y, int W, int H);
  void PausedLook(TPaintBox* Box);
  void RepaintAll();  // board, horizontal panel, vertical panel
  TMoveRules Rules;
  TDialogs& Dialogs;
  QString FProgramPath;
  QString FProgramFolder;
  bool Created = false;
  bool Shown = false;
};

// Maps the design's fonts to their metric-compatible free twins, once.
void InstallFontSubstitutes();
QFont NarrowFont(int pointSize);
