#include "AboutForm.h"

#include "Fonts.h"
#include "JpegImage.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {
QFont Underlined(QFont font) {
  font.setUnderline(true);
  return font;
}
}  // namespace

TAboutForm::TAboutForm(const QString& DataFolder, QWidget* parent) : QDialog(parent), DataFolder(DataFolder) {
  InstallFontSubstitutes();
  setWindowTitle(tr("About Quillmere"));
  setFixedSize(ClientWidth, ClientHeight);

  RzPanel1 = new QFrame(this);
  RzPanel1->setGeometry(0, 0, ClientWidth, ClientHeight);
  QPalette dark = RzPanel1->palette();
  dark.setColor(QPalette::Window, QColor(16, 16, 48));
  RzPanel1->setPalette(dark);
  RzPanel1->setAutoFillBackground(true);

  // The picture is wider than the panel: centred, it loses a little of both
  // sides and is drawn 1:1, never scaled.
  Image1 = new QLabel(RzPanel1);
  Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setAccessibleName(tr("Title picture"));
  const TJpegResult title = LoadJpegImage(DataFile(DataFolder, QStringLiteral("title.jpg")));
  if (title.Ok()) Image1->setPixmap(QPixmap::fromImage(title.Image));

  RzLabel2 = new QLabel(QStringLiteral("Quillmere"), RzPanel1);
  RzLabel2->move(8, 8);
  RzLabel2->setFont(NarrowFont(20));
  StandOnPicture(RzLabel2, Qt::white);
  auto* shadow = new QGraphicsDropShadowEffect(RzLabel2);
  shadow->setBlurRadius(0);
  shadow->setOffset(2, 2);
  shadow->setColor(Qt::black);
  RzLabel2->setGraphicsEffect(shadow);
  RzLabel2->adjustSize();

  RzLabel1 = new QLabel(RzPanel1);
  RzLabel1->move(8, 40);
  RzLabel1->setFont(NarrowFont(14));
  StandOnPicture(RzLabel1, Qt::white);

  // The terms in the sky at the top right, clear of the picture's lettering.
  RzLabel3 = new QLabel(QCoreApplication::translate("WindowLinks", LicenceText), RzPanel1);
  RzLabel3->setFont(NarrowFont(10));
  RzLabel3->setAlignment(Qt::AlignRight | Qt::AlignTop);
  StandOnPicture(RzLabel3, Qt::white);
  RzLabel3->adjustSize();
  RzLabel3->move(ClientWidth - 8 - RzLabel3->width(), 12);

  RzURLLabel2 = new TURLLabel(RzPanel1);
  RzURLLabel2->move(318, 256);
  RzURLLabel2->setFont(Underlined(NarrowFont(11)));
  // Blue, light enough to read on the dark picture.
  StandOnPicture(RzURLLabel2, QColor(120, 180, 255));
  RzURLLabel2->setText(tr("Player's Guide"));
  RzURLLabel2->setToolTip(GuideUrl(DataFolder).toLocalFile());
  RzURLLabel2->adjustSize();
  RzURLLabel2->OnClick = [this] { RzURLLabel2Click(); };

  RzURLLabel3 = NewDonationLink(RzPanel1, QPoint(9, 284), palette().color(QPalette::Highlight));
  RzURLLabel3->OnClick = [this] { RzURLLabel3Click(); };

  RzBitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Close"), RzPanel1);
  // As wide as its words need in the player's language, about the same middle.
  const int closeWidth = std::max(75, RzBitBtn1->sizeHint().width());
  RzBitBtn1->setGeometry(231 - closeWidth / 2, 255, closeWidth, 25);
  RzBitBtn1->setDefault(true);
  connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
}

void TAboutForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TAboutForm::FormShow() {
  RzLabel1->setText(VersionText());
  RzLabel1->adjustSize();
  RzURLLabel3->setVisible(!DonationAddress.isEmpty());
  RzURLLabel3->setToolTip(DonationAddress);
}

void TAboutForm::RzBitBtn1Click() {
  accept();
}

void TAboutForm::RzURLLabel2Click() {
  OpenLinkOrSay(OpenLink, GuideUrl(DataFolder), LinkFailed);
}

void TAboutForm::RzURLLabel3Click() {
  if (!DonationAddress.isEmpty()) OpenLinkOrSay(OpenLink, QUrl(DonationAddress), LinkFailed);
}
