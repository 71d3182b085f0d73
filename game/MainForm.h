#pragma once

#include "Accessibility.h"
#include "BoardView.h"
#include "CluePanel.h"
#include "DataFolders.h"
#include "GameSounds.h"
#include "HintPane.h"
#include "HintPresenter.h"
#include "InfoBar.h"
#include "KeyboardPlay.h"
#include "MainFormControls.h"
#include "Printing.h"
#include "Session.h"
#include "WindowPlacement.h"

#include <QColor>
#include <QCoreApplication>
#include <QMainWindow>

#include <memory>

class QTimer;
class TImages;

// The main window: it owns the game session, the tile pictures and the
// sounds, builds the views (board, clue panels, hint pane, information bar)
// and the commands (TMainFormControls), and wires them: presses and commands
// become session calls, what the session reports goes to the views.
// MainForm.cpp holds creation, preferences and leaving; Commands.cpp the
// commands and the session's reports.
class TMainForm : public QMainWindow, private TSessionObserver, private TKeyboardPlay::TWindow {
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

  // The commands' actions, the menus and the toolbar.
  TMainFormControls Controls;
  // The player's records and the game in play.
  TSession& Session() { return *GameSession; }
  int N() const { return GameSession->Game().N(); }

  // The views, the keys, the words for screen readers, the sounds.
  TBoardView* Board() const { return BoardView; }
  TCluePanel* HorizontalPanel() const { return HorizontalClues; }  // on the right
  TCluePanel* VerticalPanel() const { return VerticalClues; }      // below the board
  THintPane* Hints() const { return HintPane; }                    // the status bar's one pane
  TInfoBar* InfoBar() const { return Info; }
  TKeyboardPlay& Keys() { return *KeyPlay; }
  TAccessibility& Access() { return *Words; }
  THintPresenter& HintPointers() { return *Pointers; }
  TGameSounds& Sounds() { return GameSounds; }

  QTimer *Timer1 = nullptr, *BlinkTimer = nullptr;  // the clock's, the hint arrows' blink
  // How many puzzles a Ctrl+press on the puzzle label steps on.
  int CtrlPressSteps = 999;

  // --- the window (MainForm.cpp) -------------------------------------------
  void DismissPointers() override;
  void ApplyPreferences();
  // The zoom, hint and timed-game switches as the preferences have them;
  // the zoom boxes are laid out anew only when asked or when zoom changed.
  void ShowSwitches(bool layOutZoom = true);
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
  void HintBtnClick();
  void ShowHighScores1Click();
  void SetZoom(bool On);
  void BestFit1Click();

  // --- commands (Commands.cpp) ---------------------------------------------
  void NextBtnClick();
  void RzLabel1MouseDown(Qt::KeyboardModifiers Shift);
  void ComboBox1Change(int Index);
  void PauseBtnClick();
  // The clock, the progress and the last penalty, told to a screen reader
  // and shown beside the clock.
  void SayTime1Click();
  void Timer1Timer();
  // A note of the window's own where the mis-click message shows, for as long.
  void ShowNoteAt(QPoint At, const QString& Text) override;
  void Createnewplayer1Click();
  void Save1Click();
  // Plays puzzle Number of board size Size (checked by the caller), which
  // becomes that size's current number as with Go To.
  void PlayPuzzle(int Size, int Number);
  // The hint of a clue, or of the board without one, or of the step just
  // taken: the pane's sentence, the clue outlined, the arrows placed.
  void ExplainClue(const TClue* Clue, int Index, bool Step) override;
  void ClueBtnClick();
  void HintBtnMouseDown();  // with Ctrl held: prove the puzzle on the board

 protected:
  void showEvent(QShowEvent* event) override;    // FormShow, the first time
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Both public constructors: the records named after recordsPath.
  TMainForm(const TDataFolders& folders, const QString& recordsPath, TDialogs& dialogs, QWidget* parent);
  void CreateViews(QWidget* central);
  void WireCommands();  // every action to its handler

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
  void RepaintAll();  // board, horizontal panel, vertical panel
  void DrawAll();     // the same, drawn at once
  void ClearZoomBoxes();

  // What the board, the panels and the keys hand on (TKeyboardPlay::TWindow).
  void PressCell(const TMove& Move, QPoint At) override;
  void VerticalClueChosen(int Index) override;  // a press on a clue of the vertical panel
  void HoverClue(bool Vertical, int Index) override;

  TDialogs& Dialogs;
  const QString AssetFolder;  // tiles/ and sounds/
  std::unique_ptr<TSession> GameSession;
  std::unique_ptr<TImages> TileImages;
  TGameSounds GameSounds;
  TBoardView* BoardView = nullptr;
  TCluePanel *HorizontalClues = nullptr, *VerticalClues = nullptr;
  THintPane* HintPane = nullptr;
  TInfoBar* Info = nullptr;
  std::unique_ptr<THintPresenter> Pointers;
  std::unique_ptr<TAccessibility> Words;
  std::unique_ptr<TKeyboardPlay> KeyPlay;
  TPrintCommand Printer;
  QPoint MessagePoint;  // where a mis-click's message shows
  TWindowPlacement Placement{*this};
  bool ShownPaused = false;  // what the board and panels show
  bool Created = false;
  bool Shown = false;
};
