#include "Language.h"

#include "DataFolders.h"
#include "FileBytes.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>

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
  QByteArray GameBytes;  // what Game reads from, checked against the digest
  std::unique_ptr<QTranslator> Qt;
};

// A translation file is a few hundred kilobytes.
constexpr qint64 TranslationFileLimit = 8 * 1024 * 1024;
const QString DigestFile = QStringLiteral("quillmere.sha256");

void Say(const QString& text) {
  const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(program.isEmpty() ? QStringLiteral("quillmere") : program),
               qUtf8Printable(text));
}

// The digests the build recorded beside the translations: file name -> SHA-256.
std::map<QString, QByteArray> RecordedDigests(const QDir& translations) {
  std::map<QString, QByteArray> digests;
  const TFileBytes file = ReadFileBytes(translations.filePath(DigestFile), 64 * 1024);
  if (!file.Ok()) return digests;
  for (const QByteArray& line : file.Bytes.split('\n')) {
    const qsizetype gap = line.indexOf("  ");
    if (gap != 64) continue;
    digests.emplace(QString::fromUtf8(line.mid(gap + 2).trimmed()), QByteArray::fromHex(line.left(gap)));
  }
  return digests;
}

// The file's content when it is the one the build made; else none, and the
// player is told it is skipped.
std::optional<QByteArray> CheckedTranslation(const QString& path) {
  const QFileInfo info(path);
  const std::map<QString, QByteArray> digests = RecordedDigests(info.dir());
  TFileBytes file = ReadFileBytes(path, TranslationFileLimit);
  QString why;
  if (!file.Ok()) {
    why = file.Error;
  } else if (const auto recorded = digests.find(info.fileName()); recorded == digests.end()) {
    why = QCoreApplication::translate("Language", "the build recorded no digest for it");
  } else if (QCryptographicHash::hash(file.Bytes, QCryptographicHash::Sha256) != recorded->second) {
    why = QCoreApplication::translate("Language",
                                      "it is damaged: its digest is not the one the build recorded");
  } else {
    return std::move(file.Bytes);
  }
  Say(QCoreApplication::translate("Language", "the translation %1 is not loaded: %2").arg(path, why));
  return std::nullopt;
}

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
      // Only a file the build made is offered: a damaged one is skipped.
      if (match.hasMatch() && !files.count(match.captured(1)) &&
          CheckedTranslation(translations.filePath(file)))
        files.emplace(match.captured(1), translations.filePath(file));
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

  // Loaded from the checked bytes, which live as long as the translator.
  auto game = std::make_unique<QTranslator>();
  QByteArray bytes;
  if (const auto file = spoken.Files.find(language); file != spoken.Files.end())
    bytes = CheckedTranslation(file->second).value_or(QByteArray());
  if (bytes.isEmpty() ||
      !game->load(reinterpret_cast<const uchar*>(bytes.constData()), static_cast<int>(bytes.size())))
    game.reset();
  const bool loaded = game != nullptr;
  Replace(spoken.Game, std::move(game));
  spoken.GameBytes = loaded ? bytes : QByteArray();  // the old one's bytes go with it
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
    const std::optional<QByteArray> bytes = CheckedTranslation(file);
    if (!bytes) continue;  // a damaged file offers no language
    if (translation.load(reinterpret_cast<const uchar*>(bytes->constData()), static_cast<int>(bytes->size())))
      name = translation.translate("Language", OwnName);
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

QStringList ProgramTranslationFolders(const QString& programFolder) {
  const QString program = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
  return {program,
          QDir::cleanPath(program + QStringLiteral("/") + QLatin1String(InstalledAssetsFromProgram))};
}

QString LocalizedFileName(const QString& name, const QString& language) {
  if (language.isEmpty() || language == QLatin1String(English)) return name;
  const QString suffix = QFileInfo(name).suffix();
  if (suffix.isEmpty()) return name + QLatin1Char('.') + language;
  return name.left(name.size() - suffix.size()) + language + QLatin1Char('.') + suffix;
}
