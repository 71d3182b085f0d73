#include "RecordsLock.h"

#include "FileBytes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a lock file says of its holder: the process and the computer.
struct THolder {
  qint64 Pid = 0;
  QString Host;
};

THolder ReadHolder(int fd) {
  char text[512];
  const ssize_t n = ::pread(fd, text, sizeof text, 0);
  if (n <= 0) return {};
  const QList<QByteArray> lines = QByteArray(text, n).split('\n');
  THolder holder;
  bool number = false;
  holder.Pid = lines.value(0).trimmed().toLongLong(&number);
  if (!number) holder.Pid = 0;
  holder.Host = QString::fromUtf8(lines.value(2).trimmed()).left(255);
  return holder;
}

QString ThisHost() {
  return QSysInfo::machineHostName();
}

}  // namespace

TRecordsLock::TRecordsLock(const QString& path) : FilePath(path) {}

TRecordsLock::~TRecordsLock() {
  Unlock();
}

TRecordsLock::TOutcome TRecordsLock::TryLock() {
  Holder.clear();
  Why.clear();
  Taken.clear();
  if (Fd >= 0) return TOutcome::Locked;
  const QByteArray name = QFile::encodeName(FilePath);
  // Each round clears one thing in the way; a name that keeps changing
  // under the game is given up on.
  for (int round = 0; round < 6; ++round) {
    constexpr int Flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | Flags, 0644);
    // Another user's file the player may only read can still be asked
    // whether a game holds it.
    if (fd < 0 && errno == EACCES) fd = ::open(name.constData(), O_RDONLY | Flags);
    if (fd < 0) {
      const int error = errno;
      struct stat info {};
      if (::lstat(name.constData(), &info) == 0 && (S_ISLNK(info.st_mode) || S_ISDIR(info.st_mode))) {
        // No game locks a link or a folder: the name is freed. unlink()
        // removes the link itself, never what it points at; a folder goes
        // only when empty.
        const bool link = S_ISLNK(info.st_mode);
        if ((link ? ::unlink(name.constData()) : ::rmdir(name.constData())) == 0) {
          Taken = link ? QCoreApplication::translate("Records", "a link")
                       : QCoreApplication::translate("Records", "a folder");
          continue;
        }
        Why = QCoreApplication::translate("Records", "%1 is a link or a folder and cannot be removed: %2")
                  .arg(FilePath, SystemError(errno));
        return TOutcome::Failed;
      }
      Why = SystemError(error);
      return TOutcome::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      // A FIFO or a device in its place is no game's lock either.
      ::close(fd);
      if (::unlink(name.constData()) != 0) {
        Why = QCoreApplication::translate("Records", "%1 is not a regular file and cannot be removed")
                  .arg(FilePath);
        return TOutcome::Failed;
      }
      Taken = QCoreApplication::translate("Records", "a special file");
      continue;
    }
    const THolder holder = ReadHolder(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EWOULDBLOCK) {
        ::close(fd);
        Holder = holder.Host == ThisHost() ? QString() : holder.Host;
        return TOutcome::Held;
      }
      if (error == EINTR) {
        ::close(fd);
        continue;
      }
      // A file system without locks: only the file can tell. A game of this
      // computer that still runs holds it; another computer's cannot be
      // asked, so the player is told where it runs and how to free it.
      if (!holder.Host.isEmpty() && holder.Host != ThisHost()) {
        ::close(fd);
        Holder = holder.Host;
        return TOutcome::Held;
      }
      if (holder.Pid > 0 && holder.Pid != ::getpid() &&
          (::kill(static_cast<pid_t>(holder.Pid), 0) == 0 || errno == EPERM)) {
        ::close(fd);
        return TOutcome::Held;
      }
    }
    // No game holds it. It must still be the file the name gives, and the
    // player's own: another user's is replaced by one of the player's.
    struct stat current {};
    if (::lstat(name.constData(), &current) != 0 || current.st_dev != info.st_dev ||
        current.st_ino != info.st_ino) {
      ::close(fd);
      continue;
    }
    if (info.st_uid != ::geteuid() || (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDONLY) {
      ::close(fd);
      if (::unlink(name.constData()) != 0) {
        Why = QCoreApplication::translate("Records", "%1 belongs to another user and cannot be removed")
                  .arg(FilePath);
        return TOutcome::Failed;
      }
      Taken = QCoreApplication::translate("Records", "another user's file");
      continue;
    }
    if (!holder.Host.isEmpty() && holder.Host != ThisHost() && Taken.isEmpty())
      Taken = QCoreApplication::translate("Records", "a lock left by a game on the computer \"%1\"")
                  .arg(holder.Host);
    const QByteArray text = QByteArray::number(::getpid()) + "\nquillmere\n" + ThisHost().toUtf8() + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.constData(), text.size(), 0) != text.size()) {
      // The lock holds all the same; only the note of its holder is missing.
    }
    Fd = fd;
    return TOutcome::Locked;
  }
  Why = QCoreApplication::translate("Records", "%1 keeps changing").arg(FilePath);
  return TOutcome::Failed;
}

void TRecordsLock::Unlock() {
  if (Fd < 0) return;
  // Removed while still held, and only when the name is still this file.
  const QByteArray name = QFile::encodeName(FilePath);
  struct stat mine {
  }, current{};
  if (::fstat(Fd, &mine) == 0 && ::lstat(name.constData(), &current) == 0 && mine.st_dev == current.st_dev &&
      mine.st_ino == current.st_ino)
    ::unlink(name.constData());
  ::close(Fd);
  Fd = -1;
}
