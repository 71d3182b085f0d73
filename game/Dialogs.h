#pragma once

#include <QString>

class QWidget;
class TSettings;

// Every modal interaction of the main window goes through here, so a test can
// answer a question without a window blocking. The windows that other parts
// of the program provide (splash, options, players, scores, help, about) are
// reached through the virtuals with empty defaults until they exist.
class TDialogs {
 public:
  virtual ~TDialogs() = default;
  virtual void ErrorBox(QWidget* owner, const QString& text) = 0;
  // A confirmation with Yes and No; true for Yes.
  virtual bool Confirm(QWidget* owner, const QString& text) = 0;
  // A one-line input box; false for Cancel, else Value holds the text.
  virtual bool InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) = 0;

  virtual void ShowSplash() {}
  virtual void ShowOptions(QWidget* /*owner*/, TSettings& /*settings*/) {}
  virtual void ShowHighScores(QWidget* /*owner*/) {}
  virtual void ShowStatistics(QWidget* /*owner*/, TSettings& /*settings*/) {}
  virtual void ShowHelp(QWidget* /*owner*/) {}
  virtual void ShowAbout(QWidget* /*owner*/) {}
};

// The real message boxes and input box.
class TQtDialogs : public TDialogs {
 public:
  void ErrorBox(QWidget* owner, const QString& text) override;
  bool Confirm(QWidget* owner, const QString& text) override;
  bool InputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& Value) override;
};
