#pragma once

#include "Dialogs.h"

#include <QStringList>

#include <deque>

// Answers every question from a script and records what was asked; for tests
// and the benchmark, where nothing may block.
class TScriptedDialogs : public TDialogs {
 public:
  QStringList Errors;               // texts of the error boxes shown
  QStringList Questions;            // texts of the confirmations asked
  QStringList InputPrompts;         // "caption|prompt|initial text" of each input box
  std::deque<bool> ConfirmAnswers;  // empty: answer No
  // One entry per input box: the text typed, or a null QString for Cancel.
  std::deque<QString> InputAnswers;
  int OptionsShown = 0;
  int HighScoresShown = 0;
  int SplashShown = 0;

  void ErrorBox(QWidget*, const QString& text) override { Errors << text; }
  bool Confirm(QWidget*, const QString& text) override {
    Questions << text;
    if (ConfirmAnswers.empty()) return false;
    const bool answer = ConfirmAnswers.front();
    ConfirmAnswers.pop_front();
    return answer;
  }
  bool InputBox(QWidget*, const QString& caption, const QString& prompt, QString& Value) override {
    InputPrompts << caption + '|' + prompt + '|' + Value;
    if (InputAnswers.empty()) return false;
    const QString answer = InputAnswers.front();
    InputAnswers.pop_front();
    if (answer.isNull()) return false;
    Value = answer;
    return true;
  }
  void ShowSplash() override { ++SplashShown; }
  void ShowOptions(QWidget*, TSettings&) override { ++OptionsShown; }
  void ShowHighScores(QWidget*) override { ++HighScoresShown; }
};
