#pragma once

#include "WindowLinks.h"

#include <QCoreApplication>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "About Quillmere": the title picture with the name, the version, the
// licence, a link to the Player's Guide and, when the game was built with one,
// the donation link.
class TAboutForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TAboutForm)

 public:
  // DataFolder holds title.jpg and the guide (the program's own folder serves
  // for a file it lacks). The owner is the main window, which the window is
  // centred over.
  explicit TAboutForm(const QString& DataFolder, QWidget* parent = nullptr);

  // The client area; 472 x 337 with the frame (4-pixel borders, 26-pixel caption).
  static constexpr int ClientWidth = 464;
  static constexpr int ClientHeight = 303;

  // How the links open their addresses, and the donation page; both are read
  // when a link is clicked or the window is shown.
  TLinkOpener OpenLink = OpenInBrowser;
  // Told when a link could not be opened (the dialogs' error box).
  TLinkFailure LinkFailed;
  QString DonationAddress = ConfiguredDonationAddress();

  QFrame* RzPanel1 = nullptr;  // fills the window and holds the rest
  QLabel* Image1 = nullptr;
  QLabel* RzLabel2 = nullptr;        // "Quillmere"
  QLabel* RzLabel1 = nullptr;        // "Version ..."
  QLabel* RzLabel3 = nullptr;        // the licence's terms
  TURLLabel* RzURLLabel2 = nullptr;  // the Player's Guide
  TURLLabel* RzURLLabel3 = nullptr;  // the donation link
  QPushButton* RzBitBtn1 = nullptr;  // Close

  void FormShow();
  void RzBitBtn1Click();
  void RzURLLabel2Click();
  void RzURLLabel3Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QString DataFolder;
};
