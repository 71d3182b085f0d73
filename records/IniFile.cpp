#include "IniFile.h"

// Debian's SimpleIni keeps its member definitions behind SI_IMPLEMENTATION;
// this is the one file that includes it, so the library stays header-only
// for us. Text is stored as UTF-8 bytes, so no wide-character converter.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QFile>
#include <QSaveFile>

#include <charconv>
#include <optional>
#include <string>

// CSimpleIniA, not CSimpleIniCaseA: the "Case" variant compares names with
// case, and section and key names must match without regard to case.
class TIniFileData {
 public:
  CSimpleIniA Ini;
  // SimpleIni loses comment lines that follow the last section or key, so
  // they are kept aside and written back as they were.
  QByteArray Tail;
  bool TailFirst = false;  // the file held nothing but comments and blanks

  TIniFileData() : Ini(/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false) { Ini.SetSpaces(false); }
};

namespace {

bool IsEntryLine(QByteArrayView line) {
  const QByteArrayView text = line.trimmed();
  return !text.isEmpty() && text.front() != ';' && text.front() != '#';
}

// Where the text after the last section or key line begins (0 when none).
qsizetype EndOfLastEntry(const QByteArray& text) {
  qsizetype end = 0;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype next = text.indexOf('\n', start);
    next = next < 0 ? text.size() : next + 1;
    if (IsEntryLine(QByteArrayView(text).sliced(start, next - start))) end = next;
    start = next;
  }
  return end;
}

// Plain decimal with an optional sign that fits 32 bits; anything else
// (empty, "abc", "12abc", "0x10", out of range) is no whole number.
std::optional<std::int32_t> ParseWholeNumber(const char* text) {
  std::string_view digits(text);
  if (!digits.empty() && digits.front() == '+') {
    digits.remove_prefix(1);
    if (!digits.empty() && digits.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

TIniFile::TIniFile(const QString& path) : FilePath(path), Data(std::make_unique<TIniFileData>()) {
  if (path.isEmpty()) return;  // no file: all defaults
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;  // missing or unreadable: all defaults
  const QByteArray text = file.readAll();
  const qsizetype split = EndOfLastEntry(text);
  Data->TailFirst = split == 0;
  Data->Tail = text.mid(split);
  if (split > 0) Data->Ini.LoadData(text.constData(), static_cast<size_t>(split));
}

TIniFile::~TIniFile() = default;

QString TIniFile::ReadString(const char* section, const QString& key, const QString& defaultValue) const {
  const char* value = Data->Ini.GetValue(section, key.toUtf8().constData(), nullptr);
  return value ? QString::fromUtf8(value) : defaultValue;
}

std::int32_t TIniFile::ReadInteger(const char* section, const QString& key, std::int32_t defaultValue) const {
  const char* value = Data->Ini.GetValue(section, key.toUtf8().constData(), nullptr);
  if (!value) return defaultValue;
  return ParseWholeNumber(value).value_or(defaultValue);
}

bool TIniFile::ReadBool(const char* section, const QString& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList TIniFile::ReadSectionValues(const char* section) const {
  CSimpleIniA::TNamesDepend keys;
  Data->Ini.GetAllKeys(section, keys);
  keys.sort(CSimpleIniA::Entry::LoadOrder());
  QStringList lines;
  for (const auto& key : keys) {
    lines.append(QString::fromUtf8(key.pItem) + '=' +
                 QString::fromUtf8(Data->Ini.GetValue(section, key.pItem, "")));
  }
  return lines;
}

void TIniFile::WriteString(const char* section, const QString& key, const QString& value) {
  Data->Ini.SetValue(section, key.toUtf8().constData(), value.toUtf8().constData());
}

void TIniFile::WriteInteger(const char* section, const QString& key, std::int32_t value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const char* section, const QString& key, bool value) {
  WriteInteger(section, key, value ? 1 : 0);
}

bool TIniFile::DeleteKey(const char* section, const QString& key) {
  return Data->Ini.Delete(section, key.toUtf8().constData());
}

TWriteResult TIniFile::Save() const {
  std::string body;
  QByteArray content;
  if (Data->Ini.Save(body, /*addSignature=*/false) >= 0) {
    content = Data->TailFirst ? Data->Tail : QByteArray::fromStdString(body);
    if (!content.isEmpty() && !content.endsWith('\n')) content += '\n';
    content += Data->TailFirst ? QByteArray::fromStdString(body) : Data->Tail;

    // QSaveFile writes beside the file and renames only after everything
    // was written, so a failed write leaves the previous file as it was. The
    // explicit flush() matters: commit() renames even when its own final
    // flush fails (QTBUG-75077), which would put a torn file in place.
    QSaveFile file(FilePath);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() &&
        file.commit())
      return {};
  }
  return {QStringLiteral("Unable to write to %1").arg(FilePath)};
}
