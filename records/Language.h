#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The languages the game speaks: English, and every language whose
// translation file (translations/quillmere_<code>.qm) lies in the assets, so
// that a translator adds a language with that one file.
struct TGameLanguage {
  QString Code;  // "de"
  QString Name;  // in the language itself: "Deutsch"
};

// The first of the desktop's languages (most wanted first, as
// QLocale::uiLanguages gives them from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG) that is among spoken; English when none is.
QString DesktopLanguage(const QStringList& uiLanguages, const QStringList& spoken);

// Whether a stored preference can name a language: a code of two or three
// small letters ("de", "fil"). An empty one means the desktop's.
bool IsLanguageCode(const QString& code);

// The folders whose translations/ the program trusts: its own (a build or a
// portable copy) and an installation's ../share/quillmere beside it; never
// a data folder. programFolder empty: the running program's.
QStringList ProgramTranslationFolders(const QString& programFolder = QString());

// Finds the languages in the assets folders (the first that has a file for
// a language wins), loads the game's translation for preference (the
// desktop's when it is empty or not spoken) and Qt's own (its button boxes
// and file dialog), installing them in the running application in place of
// any loaded before, and makes the language's locale the default for the
// numbers and dates the player reads. English loads only the game's plural
// forms. A translation is loaded only when its file has the digest the
// build recorded beside it (translations/quillmere.sha256); a damaged one
// is skipped, and said so on the standard error. Returns the language it
// speaks.
QString SpeakLanguage(const QString& preference, const QStringList& assetFolders);

// The language SpeakLanguage would choose for preference among the
// languages it found last.
QString LanguageFor(const QString& preference);

// What SpeakLanguage found and chose; English alone and "en" before.
std::vector<TGameLanguage> GameLanguages();
QString SpokenLanguage();

// A data file's name in a language: "Players Guide.html" in "de" is
// "Players Guide.de.html"; English keeps the name.
QString LocalizedFileName(const QString& name, const QString& language);
