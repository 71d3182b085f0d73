#include "SplashForm.h"

#include "Fonts.h"
#include "JpegImage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TSplashForm::TSplashForm(const QString& DataFolder, QWidget* parent) : QDialog(parent) {
  InstallFontSubstitutes();
  //: The splash window's title bar shows its own name.
  setWindowTitle(tr("SplashForm"));
  setFixedSize(ClientWidth, ClientHeight);
  // Where the picture is missing the window stays as dark as the picture.
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(16, 16, 48));
  setPalette(palette);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setAccessibleName(tr("Title picture"));
  const TJpegResult title = LoadJpegImage(DataFile(DataFolder, QStringLiteral("title.jpg")));
  if (title.Ok()) Image1->setPixmap(QPixmap::fromImage(title.Image));

  RzLabel1 = new QLabel(this);
  RzLabel1->move(8, 8);
  RzLabel1->setFont(NarrowFont(12));
  StandOnPicture(RzLabel1, Qt::white);

  RzURLLabel3 = NewDonationLink(this, QPoint(4, 283), palette.color(QPalette::Highlight));
  RzURLLabel3->OnClick = [this] { RzURLLabel3Click(); };

  RzLabel2 = new QLabel(this);
  RzLabel2->move(160, 252);
  RzLabel2->setFont(DialogFont(10, true));
  StandOnPicture(RzLabel2, Qt::white);

  RzButton1 = new QPushButton(tr("Play!"), this);
  RzButton1->setGeometry(480, 264, 75, 25);
  QPalette pale = RzButton1->palette();
  pale.setColor(QPalette::Button, QColor(192, 220, 192));
  pale.setColor(QPalette::ButtonText, Qt::black);
  RzButton1->setPalette(pale);
  RzButton1->setDefault(true);
  connect(RzButton1, &QPushButton::clicked, this, [this] { RzButton1Click(); });
}

void TSplashForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TSplashForm::FormShow() {
  RzLabel1->setText(VersionText());
  RzLabel1->adjustSize();
  const bool donations = !DonationAddress.isEmpty();
  RzURLLabel3->setVisible(donations);
  RzLabel2->setVisible(donations);
  if (donations) {
    RzURLLabel3->setToolTip(DonationAddress);
    RzLabel2->setText(ThanksText(DonationAddress));
    RzLabel2->adjustSize();
  }
  // Centred on the desktop: there is no main window yet to centre over.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desktop = screen->availableGeometry();
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(desktop.center() - QPoint(outer.width() / 2, outer.height() / 2));
  }
}

void TSplashForm::RzButton1Click() {
  accept();
}

void TSplashForm::reject() {
  accept();
}

void TSplashForm::RzURLLabel3Click() {
  if (!DonationAddress.isEmpty()) OpenLinkOrSay(OpenLink, QUrl(DonationAddress), LinkFailed);
}
