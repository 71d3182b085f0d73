#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

// The player dialog ("New Player"): a name box to name a new player, or a
// selection list to choose one. Both keep their contents between uses.
class TPlayerForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TPlayerForm)

 public:
  explicit TPlayerForm(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;  // "Your name:"
  QLineEdit* NameBox = nullptr;
  QComboBox* PlayerList = nullptr;
  QLabel* ProblemLbl = nullptr;  // why the name typed was refused

  // Says why a name cannot be taken, or nothing when it can; OK with a
  // refused name shows the reason under the box and keeps the dialog open
  // with the text.
  std::function<QString(const QString&)> CheckName;

  // Shows the name box (true) or the selection list, hiding the other.
  void ShowNameBox(bool nameBox);
  void RzBitBtn1Click();  // OK
  void RzBitBtn2Click();  // Cancel

 private:
  // Shows why the name was refused, on as many lines as it takes.
  void ShowProblem(const QString& problem);
  QWidget* ButtonBar = nullptr;
};
