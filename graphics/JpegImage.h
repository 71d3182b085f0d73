#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Outcome of decoding a JPEG: the picture (QImage::Format_RGB888) on success,
// otherwise a null image and a message that says which file and what went wrong.
struct TJpegResult {
  QImage Image;
  QString Error;

  bool Ok() const { return !Image.isNull(); }
};

// Decodes a JPEG file with libjpeg. A missing, truncated or corrupt file gives
// an error result; libjpeg's own warnings about damaged data count as errors,
// so a picture is never shown half grey.
TJpegResult LoadJpegImage(const QString& FileName);

// The same for JPEG data already in memory; Name goes into the error message.
TJpegResult DecodeJpegData(const QByteArray& Data, const QString& Name);

// Encodes Image as a baseline JPEG of the given quality (1..100); grayscale
// images are written with one component. Returns an empty string on success,
// otherwise the error message.
QString SaveJpegImage(const QImage& Image, const QString& FileName, int Quality);
