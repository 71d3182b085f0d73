#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The languages the game speaks: a code for the translation files and the
// name the options dialog shows, in the language itself.
struct TGameLanguage {
  const char* Code;
  const char* Name;
};
inline constexpr std::array<TGameLanguage, 4> GameLanguages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
}};

// The first of the desktop's languages (most wanted first, as
// QLocale::uiLanguages gives them from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG) that the game speaks; English when it speaks none of them.
QString DesktopLanguage(const QStringList& uiLanguages);
QString DesktopLanguage();

// The language a stored preference asks for: its code when the game speaks
// it, the desktop's for an empty or unknown one.
QString ChosenLanguage(const QString& preference);

// Loads the game's translation for language (quillmere_<code>.qm from the
// first folder's translations/ that has it) and Qt's own (its button boxes
// and file dialog), installs them in the running application and makes the
// language's locale the default for numbers and dates. English loads the
// game's plural forms only. Returns the files it could not find.
QStringList SpeakLanguage(const QString& language, const QStringList& assetFolders);

// The language SpeakLanguage installed; "en" before.
QString SpokenLanguage();

// A data file's name in a language: "Players Guide.html" in "de" is
// "Players Guide.de.html"; English keeps the name.
QString LocalizedFileName(const QString& name, const QString& language);
