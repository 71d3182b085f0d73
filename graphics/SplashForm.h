#pragma once

#include "WindowLinks.h"

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;

// The window shown at start-up, before the main window exists: the title
// picture, the version and "Play!". Closing it by its title bar (or with
// Escape) is the same as "Play!": exec() returns QDialog::Accepted either way,
// and the caller goes on to the main window.
class TSplashForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TSplashForm)

 public:
  // DataFolder holds title.jpg (the program's own folder serves when it has
  // none). No owner: nothing else is on screen yet.
  explicit TSplashForm(const QString& DataFolder, QWidget* parent = nullptr);

  // The client area: exactly the title picture; with a frame of 4-pixel
  // borders and a 26-pixel caption the window is about 576 x 334.
  static constexpr int ClientWidth = 567;
  static constexpr int ClientHeight = 300;

  // How the donation link opens its page, and the page; both are read when
  // the window is shown.
  TLinkOpener OpenLink = OpenInBrowser;
  // Told when a link could not be opened (the dialogs' error box).
  TLinkFailure LinkFailed;
  QString DonationAddress = ConfiguredDonationAddress();

  QLabel* Image1 = nullptr;
  QLabel* RzLabel1 = nullptr;        // "Version ..."
  TURLLabel* RzURLLabel3 = nullptr;  // the donation link
  QLabel* RzLabel2 = nullptr;        // the thanks line
  QPushButton* RzButton1 = nullptr;  // "Play!"

  void FormShow();
  void RzButton1Click();
  void RzURLLabel3Click();
  // The close box and Escape come here; they end the splash as "Play!" does.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
};
