#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString Spoken = QStringLiteral("en");

bool Speaks(const QString& code) {
  for (const TGameLanguage& language : GameLanguages)
    if (code == QLatin1String(language.Code)) return true;
  return false;
}

// "de-AT", "de_AT.UTF-8" and "de" all name German.
QString LanguageCode(const QString& uiLanguage) {
  QString code = uiLanguage.section(QLatin1Char('.'), 0, 0);
  code = code.section(QLatin1Char('@'), 0, 0);
  code.replace(QLatin1Char('_'), QLatin1Char('-'));
  return code.section(QLatin1Char('-'), 0, 0).toLower();
}

}  // namespace

QString DesktopLanguage(const QStringList& uiLanguages) {
  for (const QString& wanted : uiLanguages) {
    const QString code = LanguageCode(wanted);
    if (Speaks(code)) return code;
  }
  return QStringLiteral("en");
}

QString DesktopLanguage() { return DesktopLanguage(QLocale::system().uiLanguages()); }

QString ChosenLanguage(const QString& preference) {
  return Speaks(preference) ? preference : DesktopLanguage();
}

QStringList SpeakLanguage(const QString& language, const QStringList& assetFolders) {
  QStringList missing;
  const QString code = Speaks(language) ? language : QStringLiteral("en");
  // Owned by the application for the rest of the run.
  auto* game = new QTranslator(QCoreApplication::instance());
  const QString name = QStringLiteral("quillmere_%1.qm").arg(code);
  bool found = false;
  for (const QString& folder : assetFolders) {
    const QString path = QDir(folder).filePath(QStringLiteral("translations/") + name);
    if (QFileInfo::exists(path) && game->load(path)) {
      found = QCoreApplication::installTranslator(game);
      break;
    }
  }
  if (!found) {
    missing << name;
    delete game;
  }
  if (code != QLatin1String("en")) {
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt);
    } else {
      missing << QStringLiteral("qtbase_%1.qm").arg(code);
      delete qt;
    }
  }
  // The desktop's own locale stays where it already speaks the language
  // (de_AT keeps its dates); else the language's usual one.
  if (LanguageCode(QLocale::system().name()) != code) QLocale::setDefault(QLocale(code));
  Spoken = code;
  return missing;
}

QString SpokenLanguage() { return Spoken; }

QString LocalizedFileName(const QString& name, const QString& language) {
  if (language.isEmpty() || language == QLatin1String("en")) return name;
  const QFileInfo file(name);
  const QString suffix = file.suffix();
  const QString base = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
  return suffix.isEmpty() ? base + QLatin1Char('.') + language
                          : base + QLatin1Char('.') + language + QLatin1Char('.') + suffix;
}
