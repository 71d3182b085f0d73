#include "FileBytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

QString SystemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

QString Megabytes(qint64 bytes) {
  //: A file size in megabytes.
  return QCoreApplication::translate("Records", "%1 MB").arg(bytes / (1024 * 1024));
}

// The length of the well-formed UTF-8 character at the start of text (no
// overlong forms, no surrogates, nothing above U+10FFFF); 0 when there is none.
qsizetype Utf8Length(const unsigned char* text, qsizetype left) {
  const unsigned char lead = text[0];
  if (lead < 0x80) return 1;
  qsizetype length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < length || text[1] < low || text[1] > high) return 0;
  for (qsizetype i = 2; i < length; ++i)
    if (text[i] < 0x80 || text[i] > 0xBF) return 0;
  return length;
}

// The process's file creation mask, read without changing it: umask()
// would leave it 0 for a moment to any other thread making a file.
mode_t ProcessUmask() {
  const TFileBytes status = ReadFileBytes(QStringLiteral("/proc/self/status"), 64 * 1024);
  for (const QByteArray& line : status.Bytes.split('\n')) {
    if (!line.startsWith("Umask:")) continue;
    bool ok = false;
    const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
    if (ok) return static_cast<mode_t>(mask & 0777);
  }
  return 022;  // the usual one
}

}  // namespace

TFileBytes ReadFileBytes(const QString& path, qint64 limit) {
  TFileBytes result;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    result.Missing = error == ENOENT || error == ENOTDIR;
    result.Error = SystemError(error);
    return result;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    result.Error = SystemError(errno);
  } else if (!S_ISREG(info.st_mode)) {
    result.Special = true;
    result.Error = S_ISDIR(info.st_mode)
                       ? QCoreApplication::translate("Records", "it is a folder, not a file")
                       : QCoreApplication::translate("Records", "it is not a regular file");
  } else if (info.st_size > limit) {
    result.Error = QCoreApplication::translate("Records", "it is larger than %1").arg(Megabytes(limit));
  } else {
    // The size may change while reading; never read past the limit.
    result.Bytes.resize(static_cast<qsizetype>(info.st_size));
    qint64 done = 0;
    for (;;) {
      if (done == result.Bytes.size()) {
        if (done > limit) {
          result.Error = QCoreApplication::translate("Records", "it is larger than %1").arg(Megabytes(limit));
          break;
        }
        result.Bytes.resize(static_cast<qsizetype>(std::min<qint64>(done + 4096, limit + 1)));
      }
      const ssize_t n =
          ::read(fd, result.Bytes.data() + done, static_cast<size_t>(result.Bytes.size() - done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        result.Error = SystemError(errno);
        break;
      }
      if (n == 0) break;
      done += n;
    }
    result.Bytes.truncate(static_cast<qsizetype>(done));
  }
  ::close(fd);
  if (!result.Ok()) result.Bytes.clear();
  return result;
}

QString DecodeFileName(QByteArrayView bytes) {
  const QByteArray raw = bytes.toByteArray();
  const QString name = QFile::decodeName(raw);
  return QFile::encodeName(name) == raw ? name : QString();
}

QString OwnFileProblem(const QString& path) {
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return {};  // none yet: it is made ours
  if (S_ISLNK(info.st_mode))
    return QCoreApplication::translate("Records", "it is a link, and nothing is written through a link");
  if (S_ISDIR(info.st_mode)) return QCoreApplication::translate("Records", "it is a folder, not a file");
  if (!S_ISREG(info.st_mode)) return QCoreApplication::translate("Records", "it is not a regular file");
  if (info.st_uid != ::geteuid()) return QCoreApplication::translate("Records", "it belongs to another user");
  return {};
}

TResult WriteFileWhole(const QString& path, QByteArrayView content) {
  // A link or another user's file in the folder is refused, not followed:
  // in a folder shared with others it could lead anywhere the player may
  // write. The content goes to a new file beside it (made with O_EXCL, so
  // nothing planted there is written through), which is then renamed into
  // place: a rename replaces the name itself, never what a link points at.
  if (const QString problem = OwnFileProblem(path); !problem.isEmpty()) return {problem};
  const QByteArray name = QFile::encodeName(path);
  QByteArray temporary = name + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {qt_error_string(errno)};
  // The file keeps the permissions it had; a new one gets the usual ones.
  struct stat old {};
  mode_t mode = 0;
  if (::lstat(name.constData(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    mode = 0666 & ~ProcessUmask();
  }
  int error = 0;
  qsizetype written = 0;
  while (written < content.size() && !error) {
    const ssize_t n = ::write(fd, content.data() + written, static_cast<size_t>(content.size() - written));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0)
      error = errno;
    else if (n == 0)
      error = EIO;
    else
      written += n;
  }
  if (!error && ::fchmod(fd, mode) != 0) error = errno;
  if (!error && ::fdatasync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.constData(), name.constData()) != 0) error = errno;
  if (!error) return {};
  ::unlink(temporary.constData());
  return {qt_error_string(error)};
}

QByteArray TolerantUtf8(QByteArrayView bytes) {
  const bool littleEndian = bytes.startsWith("\xFF\xFE");
  if (littleEndian || bytes.startsWith("\xFE\xFF")) {
    QStringDecoder decode(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                          QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes.sliced(2));
    return text.toUtf8();
  }
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);

  const auto* text = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype size = bytes.size();
  qsizetype at = 0;
  while (at < size) {
    const qsizetype length = Utf8Length(text + at, size - at);
    if (length == 0) break;
    at += length;
  }
  if (at == size) return bytes.toByteArray();  // the usual case: already UTF-8

  QByteArray out;
  out.reserve(size + size / 8);
  out.append(bytes.first(at));
  while (at < size) {
    const qsizetype length = Utf8Length(text + at, size - at);
    if (length > 0) {
      out.append(bytes.sliced(at, length));
      at += length;
    } else {
      // Latin-1: the byte's value is its code point, two bytes in UTF-8.
      out.append(static_cast<char>(0xC0 | (text[at] >> 6)));
      out.append(static_cast<char>(0x80 | (text[at] & 0x3F)));
      ++at;
    }
  }
  return out;
}
