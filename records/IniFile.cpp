#include "IniFile.h"

#include "FileBytes.h"

// Debian's SimpleIni keeps its member definitions behind SI_IMPLEMENTATION;
// this is the one file that includes it, so the library stays header-only
// for us. Text is stored as UTF-8 bytes, so no wide-character converter.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstdio>
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

// Lines, blanks and comments as SimpleIni sees them: a line ends at LF, CR or
// CR LF, and only spaces and tabs are blanks. A split that saw lines any other
// way could put a key into the comment tail or a comment into the entries.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsEntryLine(QByteArrayView line) {
  qsizetype i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i < line.size() && line[i] != ';' && line[i] != '#';
}

// Where the text after the last section or key line begins (0 when none).
qsizetype EndOfLastEntry(const QByteArray& text) {
  qsizetype end = 0;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype next = start;
    while (next < text.size() && text[next] != '\n' && text[next] != '\r') ++next;
    if (next < text.size())
      next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
    if (IsEntryLine(QByteArrayView(text).sliced(start, next - start))) end = next;
    start = next;
  }
  return end;
}

// A byte-order mark at the start of a line (files joined one after another)
// is invisible, but would stay part of the line's key and vanish when the
// line comes first in the file: "\xef\xbb\xbf[Options]x=1" would turn from
// a key into a section. Such marks are dropped.
void DropLineStartMarks(QByteArray& text) {
  qsizetype kept = 0;
  bool lineStart = true;  // only blanks since the last line end
  for (qsizetype i = 0; i < text.size();) {
    const char c = text[i];
    if (lineStart && c == '\xef' && QByteArrayView(text).sliced(i).startsWith("\xef\xbb\xbf")) {
      i += 3;
      continue;
    }
    if (c == '\n' || c == '\r')
      lineStart = true;
    else if (c != ' ' && c != '\t')
      lineStart = false;
    text[kept++] = c;
    ++i;
  }
  text.truncate(kept);
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
  const TFileBytes file = ReadFileBytes(path, RecordFileLimit);
  if (file.Missing) return;  // all defaults
  if (!file.Ok()) {
    // Unreadable: all defaults, and the file is kept aside before a write.
    ReadOutcome.Error = file.Error;
    Unread = true;
    return;
  }
  Parse(file.Bytes);
}

TIniFile::TIniFile(const QString& path, QByteArrayView content)
    : FilePath(path), Data(std::make_unique<TIniFileData>()) {
  Parse(content);
}

void TIniFile::Parse(QByteArrayView bytes) {
  QByteArray text = TolerantUtf8(bytes);
  // SimpleIni stops at a NUL, which would drop every later line (and the
  // next write every later player); a run of them is what a crash leaves.
  if (text.contains('\0')) {
    ReadOutcome.Error = QCoreApplication::translate("Records", "it holds NUL bytes");
    text.replace('\0', '\n');
  }
  DropLineStartMarks(text);
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

bool TIniFile::Render(QByteArray& content) const {
  std::string body;
  if (Data->Ini.Save(body, /*addSignature=*/false) < 0) return false;
  content = Data->TailFirst ? Data->Tail : QByteArray::fromStdString(body);
  if (!content.isEmpty() && !content.endsWith('\n')) content += '\n';
  content += Data->TailFirst ? QByteArray::fromStdString(body) : Data->Tail;
  return true;
}

QByteArray TIniFile::Content() const {
  QByteArray content;
  Render(content);
  return content;
}

// Keeps the file as it was under KeptPath(): a copy of a file that was read,
// so the original stays in place until the new content replaces it; one that
// could not be read (a FIFO, a link to a device, a huge file) is moved aside,
// since copying it would block, never end or fill the disk.
TResult TIniFile::KeepOriginal() const {
  const QString kept = KeptPath();
  const QFileInfo original(FilePath);
  if (!original.exists() && !original.isSymLink()) return {};
  QFile::remove(kept);
  // A link or another user's file is moved aside itself: a copy of what
  // it points at would show that to whoever shares the folder.
  if (!Unread && OwnFileProblem(FilePath).isEmpty() && QFile::copy(FilePath, kept)) return {};
  if (std::rename(QFile::encodeName(FilePath).constData(), QFile::encodeName(kept).constData()) == 0)
    return {};
  return {QCoreApplication::translate("Records",
                                      "Unable to write to %1: the file as it was could not be kept as %2")
              .arg(FilePath, kept)};
}

TResult TIniFile::Save() const {
  if (!ReadOutcome.Ok() && !Kept) {
    if (TResult kept = KeepOriginal(); !kept) return kept;
    Kept = true;  // a second Save must not put the new content there
  }
  QByteArray content;
  if (!Render(content))
    return {
        QCoreApplication::translate("Records", "Unable to write to %1: its content could not be put together")
            .arg(FilePath)};
  const TResult written = WriteFileWhole(FilePath, content);
  if (written) return {};
  return {QCoreApplication::translate("Records", "Unable to write to %1: %2").arg(FilePath, written.Error)};
}
