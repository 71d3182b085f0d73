#pragma once

#include "Dialogs.h"

#include <QStringList>

#include <deque>

// Answers every question from a script and records what was asked; for tests
// and the benchmarks, where nothing may block.
class TScriptedDialogs : public TDialogs {
 public:
  QStringList Errors;               // texts of the error boxes shown
  QStringList Questions;            // texts of the confirmations asked
  QStringList InputPrompts;         // "caption|prompt|initial text" of each input box
  QStringList FileRequests;         // "folder|filter|suffix" of each file-open dialog
  QStringList PlayerRequests;       // "caption|names joined by ,|initial choice" of each player choice
  std::deque<bool> ConfirmAnswers;  // empty: answer No
  // One entry per input box, file dialog or player choice: the answer, or a
  // null QString for Cancel (also when the script has run out).
  std::deque<QString> InputAnswers;
  std::deque<QString> FileAnswers;
  std::deque<QString> PlayerAnswers;
  std::deque<bool> OptionsChanged;  // empty: nothing changed
  int OptionsShown = 0;
  int HighScoresShown = 0;
  int SplashShown = 0;

  void ErrorBox(QWidget*, const QString& text) override { Errors << text; }
  bool Confirm(QWidget*, const QString& text) override {
    Questions << text;
    return Next(ConfirmAnswers, false);
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
  bool ChoosePlayer(QWidget*, const QString& caption, const QStringList& names, QString& Chosen) override {
    PlayerRequests << caption + '|' + names.join(',') + '|' + Chosen;
    return Answer(PlayerAnswers, Chosen);
  }
  void ShowSplash() override { ++SplashShown; }
  bool ShowOptions(QWidget*, TSettings&) override {
    ++OptionsShown;
    return Next(OptionsChanged, false);
  }
  void ShowHighScores(QWidget*, TScoreTable&, const QString&) override { ++HighScoresShown; }

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
