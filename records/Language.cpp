#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <map>
#include <memory>

namespace {

constexpr char English[] = "en";
// What the options' list calls a language: its translation names it.
//: The name of the language of this translation, in that language, as the
//: options' language list shows it: "Deutsch", "Français".
constexpr const char* OwnName = QT_TRANSLATE_NOOP("Language", "English");

struct TSpoken {
  QString Language = QString::fromLatin1(English);
  std::map<QString, QString> Files;  // code -> .qm file, English's included
  std::unique_ptr<QTranslator> Game;
  std::unique_ptr<QTranslator> Qt;
};

TSpoken& Spoken() {
  static TSpoken spoken;
  return spoken;
}

// "de-AT", "de_AT.UTF-8", "de_DE@euro" and "de" all name German.
QString LanguageCode(const QString& uiLanguage) {
  QString code = uiLanguage.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  code.replace(QLatin1Char('_'), QLatin1Char('-'));
  return code.section(QLatin1Char('-'), 0, 0).toLower();
}

std::map<QString, QString> FindTranslations(const QStringList& assetFolders) {
  std::map<QString, QString> files;
  const QRegularExpression name(QStringLiteral("^quillmere_([a-z]{2,3})\\.qm$"));
  for (const QString& folder : assetFolders) {
    const QDir translations(QDir(folder).filePath(QStringLiteral("translations")));
    for (const QString& file : translations.entryList({QStringLiteral("quillmere_*.qm")}, QDir::Files)) {
      const QRegularExpressionMatch match = name.match(file);
      if (match.hasMatch()) files.emplace(match.captured(1), translations.filePath(file));
    }
  }
  return files;
}

// Drops the old translator only after the new one is in, so no text is
// looked up in between without one.
void Replace(std::unique_ptr<QTranslator>& installed, std::unique_ptr<QTranslator> next) {
  if (next) QCoreApplication::installTranslator(next.get());
  if (installed) QCoreApplication::removeTranslator(installed.get());
  installed = std::move(next);
}

}  // namespace

QString DesktopLanguage(const QStringList& uiLanguages, const QStringList& spoken) {
  for (const QString& wanted : uiLanguages) {
    QString code = LanguageCode(wanted);
    if (code == QLatin1String(English) || spoken.contains(code)) return code;
  }
  return QString::fromLatin1(English);
}

bool IsLanguageCode(const QString& code) {
  static const QRegularExpression pattern(QStringLiteral("^[a-z]{2,3}$"));
  return pattern.match(code).hasMatch();
}

QString LanguageFor(const QString& preference) {
  QStringList codes;
  for (const auto& [code, file] : Spoken().Files) codes << code;
  if (preference == QLatin1String(English) || (IsLanguageCode(preference) && codes.contains(preference)))
    return preference;
  return DesktopLanguage(QLocale::system().uiLanguages(), codes);
}

QString SpeakLanguage(const QString& preference, const QStringList& assetFolders) {
  TSpoken& spoken = Spoken();
  spoken.Files = FindTranslations(assetFolders);
  QString language = LanguageFor(preference);

  auto game = std::make_unique<QTranslator>();
  const auto file = spoken.Files.find(language);
  if (file == spoken.Files.end() || !game->load(file->second)) game.reset();
  Replace(spoken.Game, std::move(game));
  auto qt = std::make_unique<QTranslator>();
  if (language == QLatin1String(English) ||
      !qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    qt.reset();
  Replace(spoken.Qt, std::move(qt));

  // A desktop locale of the same language keeps its own conventions (de_AT
  // its dates); else the language's usual locale.
  QLocale::setDefault(LanguageCode(QLocale::system().name()) == language ? QLocale::system()
                                                                         : QLocale(language));
  spoken.Language = language;
  return language;
}

std::vector<TGameLanguage> GameLanguages() {
  std::vector<TGameLanguage> languages{{QString::fromLatin1(English), QStringLiteral("English")}};
  for (const auto& [code, file] : Spoken().Files) {
    if (code == QLatin1String(English)) continue;
    QTranslator translation;
    QString name;
    if (translation.load(file)) name = translation.translate("Language", OwnName);
    if (name.isEmpty()) name = QLocale(code).nativeLanguageName();
    if (name.isEmpty()) name = code;
    // "français" heads a list entry as "Français".
    name[0] = name[0].toUpper();
    languages.push_back({code, name});
  }
  return languages;
}

QString SpokenLanguage() {
  return Spoken().Language;
}

QString LocalizedFileName(const QString& name, const QString& language) {
  if (language.isEmpty() || language == QLatin1String(English)) return name;
  const QString suffix = QFileInfo(name).suffix();
  if (suffix.isEmpty()) return name + QLatin1Char('.') + language;
  return name.left(name.size() - suffix.size()) + language + QLatin1Char('.') + suffix;
}
