#include "AboutForm.h"
#include "HelpForm.h"
#include "SplashForm.h"
#include "TestApp.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl& url, std::ostream* out) {
  *out << url.toString().toStdString();
}

namespace {

const QString RuntimeDir = QStringLiteral(QUILLMERE_RUNTIME_DIR);
const QString Donation = QStringLiteral("https://donate.example.org/quillmere");

class WindowsTest : public ::testing::Test {
 protected:
  WindowsTest() {
    TestApp();
    // A data folder of its own with a guide in it, so the links cannot be
    // satisfied by the build's copy.
    QFile guide(Folder.filePath(QString::fromUtf8(GuideFileName)));
    EXPECT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.write("<!DOCTYPE html><title>guide</title>");
  }

  // An opener that records instead of starting a browser; with opens false,
  // a desktop that has nothing to open the address with.
  TLinkOpener Recorder(bool opens = true) {
    return [this, opens](const QUrl& url) {
      Opened.push_back(url);
      return opens;
    };
  }

  // Runs Form modally, does Action once its loop runs, and returns what exec()
  // gave the caller; a window that does not close ends as -1.
  static int ExecAnd(QDialog& Form, const std::function<void()>& Action) {
    QTimer::singleShot(0, &Form, Action);
    QTimer::singleShot(5000, &Form, [&Form] { Form.done(-1); });
    return Form.exec();
  }

  QTemporaryDir Dir;
  QDir Folder{Dir.path()};
  std::vector<QUrl> Opened;
};

}  // namespace

TEST_F(WindowsTest, SplashEndsAsPlayWhicheverWayItIsClosed) {
  TSplashForm byButton(RuntimeDir);
  EXPECT_EQ(ExecAnd(byButton, [&] { QTest::mouseClick(byButton.RzButton1, Qt::LeftButton); }),
            QDialog::Accepted);
  EXPECT_FALSE(byButton.isVisible());

  // close() delivers the same close event as the title bar's close box.
  TSplashForm byCloseBox(RuntimeDir);
  EXPECT_EQ(ExecAnd(byCloseBox, [&] { byCloseBox.close(); }), QDialog::Accepted);
  EXPECT_FALSE(byCloseBox.isVisible());

  TSplashForm byEscape(RuntimeDir);
  EXPECT_EQ(ExecAnd(byEscape, [&] { QTest::keyClick(&byEscape, Qt::Key_Escape); }), QDialog::Accepted);
}

TEST_F(WindowsTest, SplashAndAboutShowTheTitlePictureAndTheOneVersion) {
  TSplashForm splash(RuntimeDir);
  TAboutForm about(RuntimeDir);
  splash.show();
  about.show();

  const QString version = splash.RzLabel1->text();
  EXPECT_EQ(about.RzLabel1->text(), version);
  EXPECT_EQ(version, QStringLiteral("Version " QUILLMERE_EXPECTED_VERSION));
  EXPECT_TRUE(
      QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch())
      << version.toStdString();
  // Not cut off: the label is as wide as its text.
  EXPECT_GE(splash.RzLabel1->width(), splash.RzLabel1->fontMetrics().horizontalAdvance(version));
  EXPECT_GE(about.RzLabel1->width(), about.RzLabel1->fontMetrics().horizontalAdvance(version));

  // The licence's terms, whole within the window.
  const QString terms = about.RzLabel3->text().simplified();
  EXPECT_TRUE(terms.contains("GNU General Public License, version 3 or later")) << terms.toStdString();
  EXPECT_GE(about.RzLabel3->x(), about.RzLabel2->geometry().right()) << "beside the name, not over it";
  EXPECT_LE(about.RzLabel3->geometry().right(), TAboutForm::ClientWidth);
  for (const QString& line : about.RzLabel3->text().split('\n'))
    EXPECT_GE(about.RzLabel3->width(), about.RzLabel3->fontMetrics().horizontalAdvance(line));

  // The generated picture, decoded and shown 1:1.
  for (const QLabel* image : {splash.Image1, about.Image1})
    EXPECT_EQ(image->pixmap().size(), QSize(567, 300));
}

TEST_F(WindowsTest, EachLinkAsksTheOpenerForItsAddress) {
  const QUrl guide = QUrl::fromLocalFile(Folder.filePath(QString::fromUtf8(GuideFileName)));

  THelpForm help(Folder.path());
  help.OpenLink = Recorder();
  help.show();
  QTest::mouseClick(help.RzURLLabel1, Qt::LeftButton);

  TAboutForm about(Folder.path());
  about.OpenLink = Recorder();
  about.DonationAddress = Donation;
  about.show();
  QTest::mouseClick(about.RzURLLabel2, Qt::LeftButton);
  QTest::mouseClick(about.RzURLLabel3, Qt::LeftButton);

  TSplashForm splash(Folder.path());
  splash.OpenLink = Recorder();
  splash.DonationAddress = Donation;
  splash.show();
  QTest::mouseClick(splash.RzURLLabel3, Qt::LeftButton);

  EXPECT_EQ(Opened, (std::vector<QUrl>{guide, guide, QUrl(Donation), QUrl(Donation)}));

  // A press that slides off the label before the button comes up opens nothing.
  Opened.clear();
  QTest::mousePress(help.RzURLLabel1, Qt::LeftButton);
  QTest::mouseRelease(help.RzURLLabel1, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_TRUE(Opened.empty());

  // With nothing to open them, the click says so, naming the guide by its
  // path (which the player can open by hand) and the page by its address.
  QStringList told;
  help.OpenLink = about.OpenLink = Recorder(false);
  help.LinkFailed = about.LinkFailed = [&told](const QString& text) { told << text; };
  QTest::mouseClick(help.RzURLLabel1, Qt::LeftButton);
  QTest::mouseClick(about.RzURLLabel3, Qt::LeftButton);
  ASSERT_EQ(told.size(), 2);
  EXPECT_TRUE(told[0].contains(QDir::toNativeSeparators(guide.toLocalFile()))) << told[0].toStdString();
  EXPECT_TRUE(told[1].contains(Donation) && told[1].startsWith("No web browser")) << told[1].toStdString();
}

TEST_F(WindowsTest, TheDesktopsOpenerIsBelievedOnlyWhenItEndsWell) {
  // A desktop opener of our own on the path: it notes the address it was
  // given and ends with the status in the file "status".
  QFile opener(Folder.filePath(QStringLiteral("xdg-open")));
  ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
  // (shell built-ins only: the path holds nothing else)
  opener.write(
      "#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/given\"\nread status < \"${0%/*}/status\"\n"
      "exit $status\n");
  opener.close();
  opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const auto endWith = [this](const char* status) {
    QFile file(Folder.filePath(QStringLiteral("status")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(status);
  };
  const auto given = [this] {
    QFile file(Folder.filePath(QStringLiteral("given")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  };
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", Folder.path().toLocal8Bit());
  const QUrl guide = GuideUrl(Folder.path(), QStringLiteral("troubleshooting"));

  endWith("0");
  EXPECT_TRUE(OpenInBrowser(guide));
  EXPECT_EQ(QUrl(given()), guide);
  // xdg-open ends with 3 when it found no program for the address: the link
  // then says so rather than doing nothing unseen.
  endWith("3");
  QFile::remove(Folder.filePath(QStringLiteral("given")));
  EXPECT_FALSE(OpenInBrowser(QUrl(Donation)));
  EXPECT_EQ(given(), Donation);
  QStringList told;
  OpenLinkOrSay(OpenInBrowser, QUrl(Donation), [&told](const QString& text) { told << text; });
  EXPECT_EQ(told.size(), 1);
  qputenv("PATH", path);
}

TEST_F(WindowsTest, TheBuiltGuideHasItsTroubleshootingSection) {
  // The build copies the guide under the name the windows ask for.
  const QUrl url = GuideUrl(RuntimeDir, QStringLiteral("troubleshooting"));
  EXPECT_EQ(url.fragment(), QStringLiteral("troubleshooting"));
  QFile file(url.toLocalFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << url.toString().toStdString();
  const QString page = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(page.contains(QStringLiteral("id=\"troubleshooting\"")));
  EXPECT_TRUE(page.contains(QStringLiteral("--data-dir DIR")));

  // Each language's guide, under its own name, keeps the section the windows
  // link to; a language without a guide in the folder gets the English one.
  for (const QString code : {"en", "de", "fr", "es"}) {
    QFile translated(GuideUrl(RuntimeDir, {}, code).toLocalFile());
    ASSERT_TRUE(translated.open(QIODevice::ReadOnly)) << translated.fileName().toStdString();
    EXPECT_EQ(QFileInfo(translated).fileName(), LocalizedFileName(QString::fromUtf8(GuideFileName), code));
    const QString text = QString::fromUtf8(translated.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<html lang=\"%1\">").arg(code))) << code.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("id=\"troubleshooting\""))) << code.toStdString();
  }
  EXPECT_EQ(GuideUrl(Folder.path(), {}, QStringLiteral("de")),
            QUrl::fromLocalFile(Folder.filePath(QString::fromUtf8(GuideFileName))));
}

TEST_F(WindowsTest, DonationLinesShowOnlyWithAnAddress) {
  TSplashForm splash(Folder.path());
  TAboutForm about(Folder.path());
  splash.DonationAddress.clear();
  about.DonationAddress.clear();
  splash.show();
  about.show();
  EXPECT_FALSE(splash.RzURLLabel3->isVisible());
  EXPECT_FALSE(splash.RzLabel2->isVisible());
  EXPECT_FALSE(about.RzURLLabel3->isVisible());
  splash.hide();
  about.hide();

  // The address is read each time the window is shown.
  splash.DonationAddress = Donation;
  about.DonationAddress = Donation;
  splash.show();
  about.show();
  EXPECT_TRUE(splash.RzURLLabel3->isVisible());
  EXPECT_TRUE(splash.RzLabel2->isVisible());
  EXPECT_TRUE(splash.RzLabel2->text().contains(QStringLiteral("donate.example.org")));
  EXPECT_TRUE(about.RzURLLabel3->isVisible());

  // A build without a configured page starts with the lines hidden.
  TSplashForm plain(Folder.path());
  plain.show();
  EXPECT_EQ(plain.RzURLLabel3->isVisible(), !QStringLiteral(QUILLMERE_DONATION_URL).isEmpty());
}

TEST_F(WindowsTest, TabReachesTheLinksWhichEnterOpensAndReadersKnowAsLinks) {
  const QUrl guide = QUrl::fromLocalFile(Folder.filePath(QString::fromUtf8(GuideFileName)));
  TAboutForm about(Folder.path());
  about.OpenLink = Recorder();
  about.DonationAddress = Donation;
  about.show();
  about.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  // From the Close button on: the guide, the donation page, and Close again.
  about.RzBitBtn1->setFocus();
  const QImage plain = about.RzURLLabel2->grab().toImage();
  QTest::keyClick(&about, Qt::Key_Tab);
  ASSERT_TRUE(about.RzURLLabel2->hasFocus());
  EXPECT_NE(about.RzURLLabel2->grab().toImage(), plain) << "the focus shows";
  QTest::keyClick(about.RzURLLabel2, Qt::Key_Return);
  QTest::keyClick(about.RzURLLabel2, Qt::Key_Tab);
  ASSERT_TRUE(about.RzURLLabel3->hasFocus());
  QTest::keyClick(about.RzURLLabel3, Qt::Key_Space);
  EXPECT_EQ(Opened, (std::vector<QUrl>{guide, QUrl(Donation)}));
  EXPECT_TRUE(about.isVisible()) << "Enter on a link opens it rather than closing the window";
  QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.RzURLLabel2);
  ASSERT_TRUE(link);
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), about.RzURLLabel2->text());
  ASSERT_TRUE(link->actionInterface());
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Opened.size(), 3u);

  THelpForm help(Folder.path());
  help.OpenLink = Recorder();
  help.show();
  help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  help.RzBitBtn1->setFocus();
  QTest::keyClick(&help, Qt::Key_Tab);
  ASSERT_TRUE(help.RzURLLabel1->hasFocus());
  // The keypad's Enter belongs to the screen reader: it opens nothing here.
  QTest::keyClick(help.RzURLLabel1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Opened.size(), 3u);
}
