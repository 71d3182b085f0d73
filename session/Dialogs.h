#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TScoreTable;
class TSettings;

// Every modal interaction of the game goes through here, so a test can answer
// a question without a window blocking, and the session, which links no
// widgets, can ask its questions. The owner is the window the question
// stands over (the session passes the one its front end gave it). The
// windows a front end may lack (splash, help, about) have empty defaults.
class TDialogs {
 public:
  enum class TButtons { YesNo, OkCancel };
  enum class TAnswer { Yes, No, Cancel };
  virtual ~TDialogs() = default;
  virtual void ErrorBox(QWidget* owner, const QString& text) = 0;
  virtual void InfoBox(QWidget* owner, const QString& text) = 0;
  // A confirmation; true for Yes or OK.
  virtual bool Confirm(QWidget* owner, const QString& text, TButtons buttons = TButtons::YesNo) = 0;
  // A question with Yes, No and Cancel. Escape and the box's close button
  // answer Cancel, never No: No may drop what Cancel keeps.
  virtual TAnswer YesNoCancel(QWidget* owner, const QString& text) = 0;
  // A one-line input box; false for Cancel, else Value holds the text.
  virtual bool InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) = 0;
  // A file to open, chosen in folder with a filter such as
  // "Quillmere Saved Game (*.sav)"; empty for Cancel.
  virtual QString ChooseOpenFile(QWidget* owner, const QString& folder, const QString& filter,
                                 const QString& defaultSuffix) = 0;
  // The player dialog naming a new player. Check says why a name cannot be
  // taken (empty when it can); the dialog stays open until a name is taken
  // or the player cancels (false).
  virtual bool NewPlayerName(QWidget* owner, const std::function<QString(const QString&)>& Check,
                             QString& Name) = 0;
  // The player dialog choosing one of names, the first one selected; false
  // for Cancel.
  virtual bool ChoosePlayer(QWidget* owner, const QStringList& names, QString& Chosen) = 0;
  // The options dialog; its changes take effect at once.
  virtual void ShowOptions(QWidget* owner, TSettings& settings) = 0;

  virtual void ShowSplash() {}
  // The score window, erasing the entries of viewingPlayer when asked to.
  virtual void ShowHighScores(QWidget* /*owner*/, TScoreTable& /*table*/, const QString& /*viewingPlayer*/) {}
  virtual void ShowHelp(QWidget* /*owner*/) {}
  virtual void ShowAbout(QWidget* /*owner*/) {}
  // The Player's Guide itself, in the desktop's browser; a failure is told
  // over owner.
  virtual void ShowGuide(QWidget* /*owner*/) {}
  // A file to write, chosen starting at proposed (a folder, or a file name
  // in one) with a filter such as "PDF document (*.pdf)"; defaultSuffix is
  // added to a name without one. Empty for Cancel.
  virtual QString ChooseSaveFile(QWidget* /*owner*/, const QString& /*proposed*/, const QString& /*filter*/,
                                 const QString& /*defaultSuffix*/) {
    return {};
  }
  // The statistics window of player, from the score table; it changes nothing.
  virtual void ShowStatistics(QWidget* /*owner*/, const TScoreTable& /*table*/, const QString& /*player*/) {}
};
