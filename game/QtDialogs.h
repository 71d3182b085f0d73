#pragma once

#include "Dialogs.h"

// Shows the splash at program start when the user wants it (the settings
// store's switch; a missing value counts as set).
void ShowSplashAtStart(TDialogs& dialogs);

// The real message boxes, input box, file dialog, the records' dialogs and
// the splash, help and about windows.
class TQtDialogs : public TDialogs {
 public:
  // dataFolder holds the title picture and the Player's Guide.
  explicit TQtDialogs(const QString& dataFolder) : DataFolder(dataFolder) {}
  void ErrorBox(QWidget* owner, const QString& text) override;
  void InfoBox(QWidget* owner, const QString& text) override;
  bool Confirm(QWidget* owner, const QString& text, TButtons buttons) override;
  TAnswer YesNoCancel(QWidget* owner, const QString& text) override;
  bool InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) override;
  QString ChooseOpenFile(QWidget* owner, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
  bool NewPlayerName(QWidget* owner, const std::function<QString(const QString&)>& Check,
                     QString& Name) override;
  bool ChoosePlayer(QWidget* owner, const QStringList& names, QString& Chosen) override;
  void ShowOptions(QWidget* owner, TSettings& settings) override;
  void ShowSplash() override;
  void ShowHelp(QWidget* owner) override;
  void ShowAbout(QWidget* owner) override;
  void ShowGuide(QWidget* owner) override;
  void ShowHighScores(QWidget* owner, TScoreTable& table, const QString& viewingPlayer) override;
  QString ChooseSaveFile(QWidget* owner, const QString& proposed, const QString& filter,
                         const QString& defaultSuffix) override;
  void ShowStatistics(QWidget* owner, const TScoreTable& table, const QString& player) override;

 private:
  QString DataFolder;
  // The name box keeps its text from one use to the next (the list is
  // filled afresh at every use).
  QString LastName;
};
