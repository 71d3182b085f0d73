#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TScoreTable;
class TSettings;

// Every modal interaction of the main window goes through here, so a test can
// answer a question without a window blocking. The windows not built yet
// (splash, options, statistics, help, about) have empty defaults.
class TDialogs {
 public:
  virtual ~TDialogs() = default;
  virtual void ErrorBox(QWidget* owner, const QString& text) = 0;
  // A confirmation with Yes and No; true for Yes.
  virtual bool Confirm(QWidget* owner, const QString& text) = 0;
  // A one-line input box; false for Cancel, else Value holds the text.
  virtual bool InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) = 0;
  // A file to open, chosen in folder with a filter such as
  // "Quillmere Saved Game (*.sav)"; empty for Cancel.
  virtual QString ChooseOpenFile(QWidget* owner, const QString& folder, const QString& filter,
                                 const QString& defaultSuffix) = 0;
  // One of names, Chosen holding the initial choice; false for Cancel.
  virtual bool ChoosePlayer(QWidget* owner, const QString& caption, const QStringList& names,
                            QString& Chosen) = 0;

  virtual void ShowSplash() {}
  // The options dialog; true when the player changed anything in it.
  virtual bool ShowOptions(QWidget* /*owner*/, TSettings& /*settings*/) { return false; }
  // The score window, erasing the entries of viewingPlayer when asked to.
  virtual void ShowHighScores(QWidget* /*owner*/, TScoreTable& /*table*/, const QString& /*viewingPlayer*/) {}
  virtual void ShowStatistics(QWidget* /*owner*/, TSettings& /*settings*/) {}
  virtual void ShowHelp(QWidget* /*owner*/) {}
  virtual void ShowAbout(QWidget* /*owner*/) {}
};

// The real message boxes, input box, file dialog and choice list.
class TQtDialogs : public TDialogs {
 public:
  void ErrorBox(QWidget* owner, const QString& text) override;
  bool Confirm(QWidget* owner, const QString& text) override;
  bool InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) override;
  QString ChooseOpenFile(QWidget* owner, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
  bool ChoosePlayer(QWidget* owner, const QString& caption, const QStringList& names,
                    QString& Chosen) override;
  void ShowHighScores(QWidget* owner, TScoreTable& table, const QString& viewingPlayer) override;
};
