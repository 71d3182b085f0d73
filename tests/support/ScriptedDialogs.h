#pragma once

#include "Dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>

// Answers every question from a script and records what was asked; for tests
// and the benchmarks, where nothing may block.
class TScriptedDialogs : public TDialogs {
 public:
  QStringList Errors;               // texts of the error boxes shown
  QStringList Infos;                // texts of the information boxes shown
  QStringList Questions;            // texts of the confirmations asked
  QStringList InputPrompts;         // "caption|prompt|initial text" of each input box
  QStringList FileRequests;         // "folder|filter|suffix" of each file-open dialog
  QStringList PlayerRequests;       // the names offered by each player choice, joined by ","
  QStringList NameRefusals;         // why each refused new player's name was refused
  std::deque<bool> ConfirmAnswers;  // empty: answer No
  // The answers to Yes/No/Cancel questions; when it has run out, such a
  // question takes ConfirmAnswers' next (Yes or No), and No after that.
  std::deque<TAnswer> Answers;
  // One entry per input box, file dialog or player choice: the answer, or a
  // null QString for Cancel (also when the script has run out).
  std::deque<QString> InputAnswers;
  std::deque<QString> FileAnswers;
  std::deque<QString> PlayerAnswers;  // a chosen name, or null for Cancel
  // The names typed into the new player's box, one per OK, until one is
  // taken; null for Cancel.
  std::deque<QString> NameAnswers;
  // What the player does in the options dialog.
  std::function<void(TSettings&)> OptionsChange;
  int OptionsShown = 0;
  int HighScoresShown = 0;
  int SplashShown = 0;
  int GuideShown = 0;
  QStringList SaveRequests;                     // "proposed|filter|suffix" of each file-save dialog
  std::deque<QString> SaveAnswers;              // the file chosen, or null for Cancel
  std::function<void()> WhileChoosingSaveFile;  // what a test looks at while it is open
  QStringList StatisticsShown;                  // the player of each statistics window
  std::function<void()> WhileStatisticsShow;

  void ErrorBox(QWidget*, const QString& text) override { Errors << text; }
  void InfoBox(QWidget*, const QString& text) override { Infos << text; }
  bool Confirm(QWidget*, const QString& text, TButtons) override {
    Questions << text;
    return Next(ConfirmAnswers, false);
  }
  TAnswer YesNoCancel(QWidget*, const QString& text) override {
    Questions << text;
    if (!Answers.empty()) return Next(Answers, TAnswer::No);
    return Next(ConfirmAnswers, false) ? TAnswer::Yes : TAnswer::No;
  }
  bool InputBox(QWidget*, const QString& caption, const QString& prompt, QString& Value) override {
    InputPrompts << caption + '|' + prompt + '|' + Value;
    return Answer(InputAnswers, Value);
  }
  QString ChooseOpenFile(QWidget*, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override {
    FileRequests << folder + '|' + filter + '|' + defaultSuffix;
    QString file;
    return Answer(FileAnswers, file) ? file : QString();
  }
  bool NewPlayerName(QWidget*, const std::function<QString(const QString&)>& Check, QString& Name) override {
    for (;;) {
      QString typed;
      if (!Answer(NameAnswers, typed)) return false;
      if (const QString problem = Check(typed); !problem.isEmpty()) {
        NameRefusals << problem;  // the dialog stays open for the next try
        continue;
      }
      Name = typed;
      return true;
    }
  }
  bool ChoosePlayer(QWidget*, const QStringList& names, QString& Chosen) override {
    PlayerRequests << names.join(',');
    return Answer(PlayerAnswers, Chosen);
  }
  void ShowSplash() override { ++SplashShown; }
  void ShowGuide(QWidget*) override { ++GuideShown; }
  void ShowOptions(QWidget*, TSettings& settings) override {
    ++OptionsShown;
    if (OptionsChange) OptionsChange(settings);
  }
  void ShowHighScores(QWidget*, TScoreTable&, const QString&) override { ++HighScoresShown; }
  QString ChooseSaveFile(QWidget*, const QString& proposed, const QString& filter,
                         const QString& defaultSuffix) override {
    SaveRequests << proposed + '|' + filter + '|' + defaultSuffix;
    if (WhileChoosingSaveFile) WhileChoosingSaveFile();
    QString file;
    return Answer(SaveAnswers, file) ? file : QString();
  }
  void ShowStatistics(QWidget*, const TScoreTable&, const QString& player) override {
    StatisticsShown << player;
    if (WhileStatisticsShow) WhileStatisticsShow();
  }

 private:
  template <typename T>
  static T Next(std::deque<T>& script, T otherwise) {
    if (script.empty()) return otherwise;
    T answer = script.front();
    script.pop_front();
    return answer;
  }
  static bool Answer(std::deque<QString>& script, QString& Value) {
    const QString answer = Next(script, QString());
    if (answer.isNull()) return false;
    Value = answer;
    return true;
  }
};
