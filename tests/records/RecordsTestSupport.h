#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/resource.h>

#include <csignal>
#include <ostream>

// Readable QString values in GoogleTest's failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// Small file helpers shared by the records tests.
inline void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text);
}

inline QByteArray ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// While alive, no file of this process may grow beyond `bytes`: writes fail
// with EFBIG, which makes a write fail even for root (who ignores modes).
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Old);
    PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = Old;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Old);
    std::signal(SIGXFSZ, PreviousHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit Old{};
  void (*PreviousHandler)(int) = nullptr;
};
