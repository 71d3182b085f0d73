#include "HelpForm.h"

#include "Fonts.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

THelpForm::THelpForm(const QString& DataFolder, QWidget* parent) : QDialog(parent), DataFolder(DataFolder) {
  InstallFontSubstitutes();
  setWindowTitle(tr("Quillmere Help"));
  setFixedSize(ClientWidth, ClientHeight);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  RzLabel1 = new QLabel(tr("Find the Player's Guide, help, hints and how to play at"), this);
  RzLabel1->setFont(DialogFont(8));
  RzLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  RzLabel1->setGeometry(1, 16, 353, RzLabel1->sizeHint().height());

  // The guide's file, its folder shortened in the middle when the whole path
  // would not fit the line; the tooltip has all of it.
  RzURLLabel1 = new TURLLabel(this);
  QFont link = DialogFont(8);
  link.setUnderline(true);
  RzURLLabel1->setFont(link);
  QPalette highlight = RzURLLabel1->palette();
  highlight.setColor(QPalette::WindowText, highlight.color(QPalette::Highlight));
  RzURLLabel1->setPalette(highlight);
  RzURLLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  const QString path = QDir::toNativeSeparators(GuideUrl(DataFolder).toLocalFile());
  RzURLLabel1->setText(QFontMetrics(link).elidedText(path, Qt::ElideMiddle, 353));
  RzURLLabel1->setToolTip(path);
  RzURLLabel1->setGeometry(1, 44, 353, RzURLLabel1->sizeHint().height());
  RzURLLabel1->OnClick = [this] { RzURLLabel1Click(); };

  RzBitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Close"), this);
  // As wide as its words need in the player's language, about the same middle.
  const int closeWidth = std::max(75, RzBitBtn1->sizeHint().width());
  RzBitBtn1->setGeometry(182 - closeWidth / 2, 84, closeWidth, 25);
  QPalette button = RzBitBtn1->palette();
  button.setColor(QPalette::Button, Qt::white);
  RzBitBtn1->setPalette(button);
  RzBitBtn1->setDefault(true);
  connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
}

void THelpForm::RzBitBtn1Click() {
  accept();
}

void THelpForm::RzURLLabel1Click() {
  OpenLinkOrSay(OpenLink, GuideUrl(DataFolder), LinkFailed);
}
