#include "SavedGame.h"

#include "FileBytes.h"
#include "FormatTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <string>

TResult WriteSavedGame(const QString& path, const TSavedGame& game) {
  const std::string text = SavedGameText(game);
  // The system's reason alone ("No such file or directory") would not say
  // which file.
  if (const TResult written =
          WriteFileWhole(path, QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
      !written)
    return {QCoreApplication::translate("Records", "Unable to write to %1: %2")
                .arg(QDir::toNativeSeparators(path), written.Error)};
  return {};
}

TResult ReadSavedGame(const QString& path, TSavedGame& game) {
  const TFileBytes file = ReadFileBytes(path, RecordFileLimit);
  if (file.Missing || (!file.Ok() && QFileInfo(path).isDir()))
    return {QCoreApplication::translate("SavedGames", "File not found")};
  if (!file.Ok()) return {file.Error};
  TSavedGame read;
  const std::string_view bytes(file.Bytes.constData(), static_cast<std::size_t>(file.Bytes.size()));
  if (const TFormatResult parsed = ParseSavedGame(bytes, read); !parsed)
    return {FormatMessageText(parsed.Error)};
  if (const TFormatResult checked = CheckSavedPuzzle(read); !checked)
    return {FormatMessageText(checked.Error)};
  game = std::move(read);
  return {};
}

QString SavedGamePath(const QString& playersFolder, const QString& player, int number, int size) {
  // Joined, not filled into a pattern: a name may hold "%1".
  return playersFolder + QStringLiteral("/Saved Games/") + player + u'_' + QString::number(number) + u'_' +
         QString::number(size) + QStringLiteral(".sav");
}

QString SavedGameOwner(const QString& fileName, const QStringList& names, const QString& current) {
  const QString base = QFileInfo(fileName).fileName();
  // The file's own pattern first: name_number_size.sav, the last two fields
  // numbers, so "Anna_1_4.sav" is Anna's puzzle 1 even beside a player "Anna_1".
  static const QRegularExpression pattern(QStringLiteral("^(.+)_[0-9]+_[0-9]+\\.sav$"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (const QRegularExpressionMatch match = pattern.match(base); match.hasMatch()) {
    const QString name = match.captured(1);
    for (const QString& known : names)
      if (known.compare(name, Qt::CaseInsensitive) == 0) return known;
  }
  // A renamed file: the current player when her name starts it, else the
  // longest name that does.
  auto starts = [&base](const QString& name) {
    return !name.isEmpty() && base.startsWith(name + u'_', Qt::CaseInsensitive);
  };
  QString owner;
  for (const QString& name : names) {
    if (!starts(name)) continue;
    if (name.compare(current, Qt::CaseInsensitive) == 0) return name;
    if (name.size() > owner.size()) owner = name;
  }
  return owner;
}
