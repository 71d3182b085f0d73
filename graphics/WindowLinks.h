#pragma once

#include "ClickLabel.h"

#include <QFont>
#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

// What the splash, about and help windows share: the way their link labels
// open an address, the addresses themselves and the program's version.

// Opens an address for a link label. The windows hold one instead of calling
// the desktop themselves, so a test can see which address a click asks for.
using TLinkOpener = std::function<void(const QUrl&)>;

// The desktop's "open" action: the default browser, for web pages and for the
// guide's file alike.
void OpenInBrowser(const QUrl& Address);

// The program's version, four dot-separated numbers, set once in the build.
QString ProgramVersion();

// The donation page chosen when the game was built; empty when it has none,
// and then the donation and thanks lines stay hidden.
QString ConfiguredDonationAddress();

inline constexpr char DonationText[] =
    "If you enjoy playing Quillmere, please consider making a donation via PayPal by clicking here";

// The thanks line beside the donation link, naming the page's site.
QString ThanksText(const QString& DonationAddress);

// The Player's Guide, one page beside the game's tiles and sounds.
inline constexpr char GuideFileName[] = "Players Guide.html";

// Name in Folder, or beside the program when Folder holds no such file: a data
// folder given with --data-dir often has only its own tiles, sounds and
// players. Folder/Name when neither exists.
QString DataFile(const QString& Folder, const QString& Name);

// The guide's file address for the data folder Folder, at the section with
// the id Section when one is given ("troubleshooting").
QUrl GuideUrl(const QString& Folder, const QString& Section = {});

// The design's dialog font (MS Sans Serif), in its free stand-in.
QFont DialogFont(int PointSize, bool Bold = false);

// A label that reads as a link: underlined, a pointing hand over it, and a
// click (press and release on it with the left button) runs OnClick.
class TURLLabel : public TClickLabel {
 public:
  explicit TURLLabel(QWidget* parent);
};

// A label drawn straight on the title picture, in colour.
void StandOnPicture(QLabel* label, const QColor& colour);
// The donation link of the splash and about windows at at, in the
// highlight colour; it opens nothing until OnClick is set.
TURLLabel* NewDonationLink(QWidget* parent, const QPoint& at, const QColor& highlight);
// "Version " and the program's version.
QString VersionText();
