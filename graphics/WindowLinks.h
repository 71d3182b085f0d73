#pragma once

#include "ClickLabel.h"
#include "Language.h"

#include <QFont>
#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

// What the splash, about and help windows share: the way their link labels
// open an address, the addresses themselves and the program's version.

// Opens an address for a link label; false when nothing could open it. The
// windows hold one instead of calling the desktop themselves, so a test can
// see which address a click asks for.
using TLinkOpener = std::function<bool(const QUrl&)>;
// Tells the player why a link did nothing; the owner's message box.
using TLinkFailure = std::function<void(const QString& Message)>;

// The desktop's "open" action: the default browser, for web pages and for the
// guide's file alike. False when the desktop has no program to start for it,
// or its opener (xdg-open) ends in failure within OpenerWaitMs; an opener
// still running then is taken to have started one.
bool OpenInBrowser(const QUrl& Address);
constexpr int OpenerWaitMs = 3000;

// Opens Address with Open; when that fails, Failed gets a message naming the
// address (a file by its path), so a click never does nothing unseen.
void OpenLinkOrSay(const TLinkOpener& Open, const QUrl& Address, const TLinkFailure& Failed);

// The program's version, four dot-separated numbers, set once in the build.
QString ProgramVersion();

// The donation page chosen when the game was built; empty when it has none,
// and then the donation and thanks lines stay hidden.
QString ConfiguredDonationAddress();

inline constexpr char DonationText[] = QT_TRANSLATE_NOOP(
    "WindowLinks",
    "If you enjoy playing Quillmere, please consider making a donation via PayPal by clicking here");

// The terms the game is given under, as the about window names them.
inline constexpr char LicenceText[] = QT_TRANSLATE_NOOP(
    "WindowLinks",
    "Free software under the GNU General Public License,\nversion 3 or later, with no warranty");

// The thanks line beside the donation link, naming the page's site.
QString ThanksText(const QString& DonationAddress);

// The Player's Guide, one page beside the game's tiles and sounds.
inline constexpr char GuideFileName[] = "Players Guide.html";

// Name in Folder, or beside the program when Folder holds no such file: a data
// folder given with --data-dir often has only its own tiles, sounds and
// players. Folder/Name when neither exists.
QString DataFile(const QString& Folder, const QString& Name);

// The guide's file address for the data folder Folder, at the section with
// the id Section when one is given ("troubleshooting"): the guide in
// Language where there is one, else the English guide.
QUrl GuideUrl(const QString& Folder, const QString& Section = {}, const QString& Language = SpokenLanguage());

// The design's dialog font (MS Sans Serif), in its free stand-in.
QFont DialogFont(int PointSize, bool Bold = false);

// A label that reads as a link: underlined, a pointing hand over it, and a
// click (press and release on it with the left button) runs OnClick. Tab
// reaches it, a frame shows it has the focus, and Enter or Space open it;
// screen readers are told it is a link.
class TURLLabel : public TClickLabel {
 public:
  explicit TURLLabel(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// A label drawn straight on the title picture, in colour.
void StandOnPicture(QLabel* label, const QColor& colour);
// The donation link of the splash and about windows at at, in the
// highlight colour; it opens nothing until OnClick is set.
TURLLabel* NewDonationLink(QWidget* parent, const QPoint& at, const QColor& highlight);
// "Version " and the program's version.
QString VersionText();
