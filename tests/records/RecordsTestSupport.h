#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "FileFaults.h"

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
