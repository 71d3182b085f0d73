#pragma once

#include "WindowLinks.h"

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;

// "Quillmere Help": where the Player's Guide is, as a link that opens it.
class THelpForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(THelpForm)

 public:
  // DataFolder holds the guide (the program's own folder serves when it has
  // none). The owner is the main window, which the window is centred over.
  explicit THelpForm(const QString& DataFolder, QWidget* parent = nullptr);

  // The client area; 364 x 151 with the frame (4-pixel borders, 26-pixel caption).
  static constexpr int ClientWidth = 356;
  static constexpr int ClientHeight = 117;

  // How the link opens the guide; read at the click.
  TLinkOpener OpenLink = OpenInBrowser;
  // Told when a link could not be opened (the dialogs' error box).
  TLinkFailure LinkFailed;

  QLabel* RzLabel1 = nullptr;
  TURLLabel* RzURLLabel1 = nullptr;  // the guide's file, shortened to fit
  QPushButton* RzBitBtn1 = nullptr;  // Close

  void RzBitBtn1Click();
  void RzURLLabel1Click();

 private:
  QString DataFolder;
};
