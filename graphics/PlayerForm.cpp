#include "PlayerForm.h"

#include "Fonts.h"
#include "ReaderNotice.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace {
// The designed window is 537 x 166 outside.
constexpr int ClientWidth = 529, ClientHeight = 132, BarHeight = 41;
}  // namespace

TPlayerForm::TPlayerForm(QWidget* parent) : QDialog(parent) {
  InstallFontSubstitutes();
  setWindowTitle(tr("New Player"));
  setFixedSize(ClientWidth, ClientHeight);
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(19);
  Label1 = new QLabel(tr("Your name:"), this);
  Label1->setFont(arial);
  Label1->move(32, 35);
  Label1->adjustSize();
  NameBox = new QLineEdit(this);
  NameBox->setFont(arial);
  NameBox->setGeometry(136, 32, 313, 30);
  ProblemLbl = new QLabel(this);
  ProblemLbl->setFont(NarrowFont(10));
  ProblemLbl->setStyleSheet(QStringLiteral("QLabel { color: rgb(192, 0, 0); }"));
  ProblemLbl->setWordWrap(true);  // a long reason takes more lines, never cut
  ProblemLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ProblemLbl->setGeometry(136, 64, ClientWidth - 144, 24);
  ProblemLbl->hide();
  connect(NameBox, &QLineEdit::textEdited, ProblemLbl, &QLabel::hide);
  PlayerList = new QComboBox(this);
  PlayerList->setFont(arial);
  PlayerList->setEditable(false);  // nothing can be typed
  PlayerList->setGeometry(140, 32, 333, 30);
  for (QWidget* w : {static_cast<QWidget*>(NameBox), static_cast<QWidget*>(PlayerList)}) {
    w->hide();
    w->setEnabled(false);
  }

  auto* bar = ButtonBar = new QWidget(this);
  bar->setGeometry(0, ClientHeight - BarHeight, ClientWidth, BarHeight);
  auto* ok = new QPushButton(tr("OK"), bar);
  ok->setFont(NarrowFont(11));
  ok->setGeometry(56, 8, 89, 27);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
  auto* cancel = new QPushButton(tr("Cancel"), bar);
  cancel->setFont(NarrowFont(11));
  cancel->setGeometry(168, 8, 89, 27);
  connect(cancel, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
}

void TPlayerForm::ShowNameBox(bool nameBox) {
  ProblemLbl->hide();
  NameBox->setVisible(nameBox);
  // The label names the box that shows, for a screen reader.
  Label1->setBuddy(nameBox ? static_cast<QWidget*>(NameBox) : PlayerList);
  NameBox->setEnabled(nameBox);
  PlayerList->setVisible(!nameBox);
  PlayerList->setEnabled(!nameBox);
  (nameBox ? static_cast<QWidget*>(NameBox) : PlayerList)->setFocus();
}

void TPlayerForm::RzBitBtn1Click() {
  if (NameBox->isEnabled() && CheckName) {
    if (const QString problem = CheckName(NameBox->text()); !problem.isEmpty()) {
      ShowProblem(problem);
      NameBox->setFocus();
      AnnounceToReaders(this, problem);  // what the eye sees in red
      return;
    }
  }
  accept();
}

void TPlayerForm::ShowProblem(const QString& problem) {
  ProblemLbl->setText(problem);
  // The window grows by the lines the reason needs beyond the one it has room for.
  const int height = std::max(24, ProblemLbl->heightForWidth(ProblemLbl->width()));
  ProblemLbl->resize(ProblemLbl->width(), height);
  const int client = std::max(ClientHeight, ProblemLbl->y() + height + 4 + BarHeight);
  setFixedSize(ClientWidth, client);
  ButtonBar->move(0, client - BarHeight);
  ProblemLbl->show();
}

void TPlayerForm::RzBitBtn2Click() {
  reject();
}
