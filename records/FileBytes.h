#pragma once

#include "Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Size limits per kind of file. A records file is a few kilobytes and a
// picture or sound a few hundred; anything far beyond is not ours. The score
// file grows by about 90 bytes a completed puzzle and is never trimmed: a
// long-played table of 100,000 entries is 9 MB, and the limit leaves room
// for more than ten times that, refusing only a file no play could make.
inline constexpr qint64 RecordFileLimit = 4 * 1024 * 1024;
inline constexpr qint64 ScoreFileLimit = 128 * 1024 * 1024;
inline constexpr qint64 PictureFileLimit = 32 * 1024 * 1024;

// A file's whole content, or why it could not be had (Error: the system's
// reason, or "it is not a regular file", ...).
struct [[nodiscard]] TFileBytes : TResult {
  QByteArray Bytes;      // the whole file when Ok()
  bool Missing = false;  // there is no such file (Error says so too)
  bool Special = false;  // it exists but is no regular file (a FIFO, a device, a folder)
};

// The system's words for an errno value ("No space left on device").
QString SystemError(int error);

// Reads a regular file of at most limit bytes. A FIFO, a device or a folder
// is refused without waiting for a writer and without reading, so a damaged
// folder can neither hang the game nor fill its memory.
TFileBytes ReadFileBytes(const QString& path, qint64 limit);

// A path given as bytes (a program argument) in the system's file name
// encoding; empty when the bytes are no name in it, so the file the name
// would be turned into is not another one than the user's.
QString DecodeFileName(QByteArrayView bytes);

// Why path may not be written as one of the game's own files: it is a link
// (dangling or not), a folder or another special file, or a file of another
// user. Empty when it is missing or a regular file of the player's.
QString OwnFileProblem(const QString& path);

// Writes content as the whole of the file at path: beside it first, then in
// its place, so a failed write leaves the previous file as it was. A path
// with an OwnFileProblem is refused and nothing is written. Error is the
// system's reason (or the problem) alone ("No space left on device");
// callers name the file.
TResult WriteFileWhole(const QString& path, QByteArrayView content);

// Text a user's editor may have written, as UTF-8: a UTF-16 file (with its
// byte-order mark) is decoded, a UTF-8 byte-order mark dropped, and a byte
// that does not belong to a UTF-8 character is read as Latin-1, so "J\xf6rg"
// becomes "Jörg" and nothing is lost. Other bytes are left as they are.
QByteArray TolerantUtf8(QByteArrayView bytes);
