#pragma once

#include "Result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class TIniFileData;

// One INI file held in memory: read it whole at construction, change keys,
// then Save() writes the whole new content at once (the previous file stays
// as it was when the write fails). Section and key names match without
// regard to case; a missing file, section or key reads as the caller's
// default. Lines the program does not touch, comments included, are kept.
// The file is read tolerantly (see TolerantUtf8; a NUL byte, the usual
// leftover of a crash, ends a line). A file that could not be read whole is
// kept beside it as path ".unreadable" before Save replaces it.
class TIniFile {
 public:
  explicit TIniFile(const QString& path);
  // content stands for the file's bytes; path is where Save writes.
  TIniFile(const QString& path, QByteArrayView content);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const QString& Path() const { return FilePath; }
  // The reading's outcome: Error says why the file could not be read whole
  // ("it is not a regular file", "it holds NUL bytes", ...); Ok when it was,
  // or when there is no file.
  const TResult& ReadResult() const { return ReadOutcome; }
  // True when nothing of the file could be read (all values are defaults).
  bool ReadNothing() const { return Unread; }
  // Where Save keeps the file as it was when ReadResult() is not Ok.
  QString KeptPath() const { return FilePath + QStringLiteral(".unreadable"); }

  QString ReadString(const char* section, const QString& key, const QString& defaultValue) const;
  // A value that is not a whole decimal number (optional sign, fits 32 bits)
  // reads as the default.
  std::int32_t ReadInteger(const char* section, const QString& key, std::int32_t defaultValue) const;
  // True when the value's integer is not 0.
  bool ReadBool(const char* section, const QString& key, bool defaultValue) const;
  // Every key of the section as key "=" value, in file order.
  QStringList ReadSectionValues(const char* section) const;

  void WriteString(const char* section, const QString& key, const QString& value);
  void WriteInteger(const char* section, const QString& key, std::int32_t value);
  void WriteBool(const char* section, const QString& key, bool value);
  // Removes the key's line; false when there was none.
  bool DeleteKey(const char* section, const QString& key);

  // Writes the whole file (WriteFileWhole); on failure the error is
  // "Unable to write to " path ": " and the system's reason.
  TResult Save() const;
  // The bytes Save writes.
  QByteArray Content() const;

 private:
  void Parse(QByteArrayView bytes);
  bool Render(QByteArray& content) const;
  TResult KeepOriginal() const;

  QString FilePath;
  TResult ReadOutcome;
  bool Unread = false;
  mutable bool Kept = false;
  std::unique_ptr<TIniFileData> Data;
};
