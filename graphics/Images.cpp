#include "Images.h"

#include "FileBytes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdint>

namespace {

quint32 LittleEndian(const QByteArray& data, int at, int bytes) {
  quint32 value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uchar>(data[at + i]);
  return value;
}

// Qt's BMP reader accepts a file that ends before its last pixel row and leaves
// the missing rows uninitialised. An uncompressed bitmap's header says exactly
// how long the file must be, so a short one is refused here. Empty when fine or
// when the header is not one this check understands (the reader then decides).
QString MissingPixels(const QByteArray& data) {
  if (data.size() < 26 || data[0] != 'B' || data[1] != 'M') return {};
  const quint32 offset = LittleEndian(data, 10, 4);
  const quint32 headerSize = LittleEndian(data, 14, 4);
  qint64 width = 0, height = 0, bits = 0, compression = 0;
  if (headerSize == 12) {
    width = static_cast<qint16>(LittleEndian(data, 18, 2));
    height = static_cast<qint16>(LittleEndian(data, 20, 2));
    bits = LittleEndian(data, 24, 2);
  } else if (headerSize >= 40 && data.size() >= 34) {
    width = static_cast<qint32>(LittleEndian(data, 18, 4));
    height = static_cast<qint32>(LittleEndian(data, 22, 4));
    bits = LittleEndian(data, 28, 2);
    compression = LittleEndian(data, 30, 4);
  } else {
    return {};
  }
  const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
  if (!uncompressed || width <= 0 || height == 0 || bits == 0) return {};
  const qint64 stride = (width * bits + 31) / 32 * 4;
  const qint64 rows = height < 0 ? -height : height;
  // Compared by division: stride times rows of a damaged header can pass 2^63.
  const qint64 available = data.size() - static_cast<qint64>(offset);
  if (available < 0 || rows > available / stride)
    return QCoreApplication::translate("Images",
                                       "the file ends after %1 of the %2 bytes its header announces")
        .arg(data.size())
        .arg(QString::number(
            static_cast<double>(offset) + static_cast<double>(stride) * static_cast<double>(rows), 'f', 0));
  return {};
}

// A tile is a few hundred pixels a side; a header asking for more is damage,
// and must not take the memory first.
constexpr int TileAllocationLimitMB = 64;
// The largest side a tile may have: a hundred tiles of this size hold about
// 80 MB, where a few kilobytes of run-length-coded bitmaps could otherwise
// unpack into gigabytes.
constexpr int MaxTileSide = 512;

// "01 Dog.bmp" -> "Dog": the extension, a leading number and the separators
// after it go; "07.bmp" names nothing.
QString NameFromFileName(const QString& FileName) {
  QString name = QFileInfo(FileName).completeBaseName();
  qsizetype i = 0;
  while (i < name.size() && name[i].isDigit()) ++i;
  // A bare number says nothing about the picture.
  if (i == name.size()) return {};
  // Only a number followed by a separator is a sort prefix: "7up.bmp" keeps it.
  if (i > 0 && i < name.size() &&
      (name[i] == u' ' || name[i] == u'_' || name[i] == u'-' || name[i] == u'.')) {
    while (i < name.size() && (name[i] == u' ' || name[i] == u'_' || name[i] == u'-' || name[i] == u'.')) ++i;
    name = name.mid(i);
  }
  return name.replace(u'_', u' ').trimmed();
}

}  // namespace

QImage DecodeTilePicture(const QByteArray& Data, QString& Problem) {
  Problem = MissingPixels(Data);
  if (!Problem.isEmpty()) return {};
  QByteArray data = Data;
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(TileAllocationLimitMB);
  if (const QSize size = reader.size(); size.width() > MaxTileSide || size.height() > MaxTileSide) {
    Problem =
        QCoreApplication::translate("Images", "it is %1 x %2 pixels, more than the %3 x %3 a tile may have")
            .arg(size.width())
            .arg(size.height())
            .arg(MaxTileSide);
    return {};
  }
  QImage picture = reader.read();
  if (picture.isNull()) {
    Problem = reader.errorString();
    return {};
  }
  if (picture.format() != QImage::Format_RGB888) picture = picture.convertToFormat(QImage::Format_RGB888);
  return picture;
}

TImages::~TImages() {
  Clear();
}

void TImages::Clear() {
  Pictures.clear();
  Names.clear();
  RowNames.clear();
}

QString ReadableName(const QString& line) {
  // Control characters (a bell, a backspace) and format characters (zero-
  // width ones, direction overrides) would reach a screen reader as they
  // are: they go; a tab or a line or paragraph separator is a space.
  QString name;
  name.reserve(line.size());
  for (const QChar c : line) {
    const QChar::Category kind = c.category();
    if (c == u'\t' || kind == QChar::Separator_Line || kind == QChar::Separator_Paragraph)
      name += u' ';
    else if (kind != QChar::Other_Control && kind != QChar::Other_Format)
      name += c;
  }
  name = name.simplified();
  if (name.size() > MaxNameLength) {
    name.truncate(MaxNameLength);
    if (name.back().isHighSurrogate()) name.chop(1);  // never half a character
    name = name.trimmed();
  }
  return name;
}

QString TImages::Name(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(Names.size())) return {};
  return Names[static_cast<std::size_t>(Index)];
}

QString TImages::RowName(int Row) const {
  return Row >= 1 && Row <= RowNames.size() ? RowNames[Row - 1] : QString();
}

const QImage* TImages::Picture(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return Pictures[static_cast<std::size_t>(Index)].get();
}

bool TImages::LoadAll(const QString& ProgramFolder) {
  Clear();
  Failure = TFailure::None;
  ErrorMessage.clear();
  const QDir tiles(QDir(ProgramFolder).filePath(QStringLiteral("tiles")));
  // The rows' names, one a line; a tile set without the file has none.
  if (const TFileBytes names = ReadFileBytes(tiles.filePath(QStringLiteral("Categories.txt")), 64 * 1024);
      names.Ok()) {
    for (const QString& line : QString::fromUtf8(names.Bytes).split(u'\n').mid(0, RowCount))
      RowNames.append(ReadableName(line));
  }
  for (int row = 1; row <= RowCount; ++row) {
    const QString folder = tiles.filePath(QStringLiteral("Row %1").arg(row));
    const int loaded = LoadFolder(folder);
    if (loaded < TilesPerRow) {
      if (Failure == TFailure::None) {
        Failure = TFailure::TooFewPictures;
        ErrorMessage = QCoreApplication::translate(
                           "Images", "The folder \"%1\" holds %2 of the %3 tile pictures (*.bmp) it needs.")
                           .arg(QDir::toNativeSeparators(folder))
                           .arg(loaded)
                           .arg(TilesPerRow);
      }
      return false;
    }
  }
  return true;
}

int TImages::LoadFolder(const QString& Path) {
  const QDir dir(Path);
  // Hidden files are no tiles (another system leaves "._01 Dog.bmp" beside
  // "01 Dog.bmp"); system entries (a FIFO, a device) are listed, so that
  // reading them reports them. The pattern matches regardless of case.
  QStringList names = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files | QDir::System, QDir::NoSort);
  names.removeIf([](const QString& name) { return name.startsWith(u'.'); });
  // The directory's own order depends on the file system; sorting makes the
  // tile numbering the same everywhere.
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
  });

  int count = 0;
  for (const QString& name : names) {
    if (count == TilesPerRow) break;
    const QString file = dir.filePath(name);
    QString problem;
    QImage picture;
    if (const TFileBytes input = ReadFileBytes(file, PictureFileLimit); !input.Ok())
      problem = input.Error;
    else
      picture = DecodeTilePicture(input.Bytes, problem);
    if (!problem.isEmpty()) {
      Failure = TFailure::UnreadablePicture;
      ErrorMessage = QCoreApplication::translate("Images", "The tile picture \"%1\" cannot be read: %2.")
                         .arg(QDir::toNativeSeparators(file), problem);
      break;
    }
    Pictures.push_back(std::make_unique<QImage>(std::move(picture)));
    Names.push_back(ReadableName(NameFromFileName(name)));
    ++count;
  }
  return count;
}

namespace {

// Per target column: byte offsets of the two source pixels and the fraction
// between them. The same for every row, so it is worked out once per call.
struct TColumn {
  std::uint32_t Left;
  std::uint32_t Right;
  std::uint32_t Fraction;
};

}  // namespace

void ResampleBitmap(const QImage& Source, QImage& Target) {
  if (Source.isNull() || Target.isNull()) return;

  QImage converted;
  const QImage* source = &Source;
  if (Source.format() != QImage::Format_RGB888 || &Source == &Target) {
    converted = Source.convertToFormat(QImage::Format_RGB888);
    source = &converted;
  }
  if (Target.format() != QImage::Format_RGB888) Target = Target.convertToFormat(QImage::Format_RGB888);

  const std::uint32_t sw = static_cast<std::uint32_t>(source->width());
  const std::uint32_t sh = static_cast<std::uint32_t>(source->height());
  const std::uint32_t tw = static_cast<std::uint32_t>(Target.width());
  const std::uint32_t th = static_cast<std::uint32_t>(Target.height());

  // Positions are kept in 64 bits only so that huge sources cannot wrap; for
  // every picture size the game meets the values equal the 32-bit ones.
  const std::uint64_t xs = (static_cast<std::uint64_t>(sw - 1) << 15) / tw;
  const std::uint64_t ys = (static_cast<std::uint64_t>(sh - 1) << 15) / th;

  constexpr std::uint32_t SmallWidth = 256;
  TColumn small[SmallWidth];
  std::vector<TColumn> large;
  TColumn* columns = small;
  if (tw > SmallWidth) {
    large.resize(tw);
    columns = large.data();
  }
  std::uint64_t sx = 0;
  for (std::uint32_t x = 0; x < tw; ++x, sx += xs) {
    const std::uint32_t ix = static_cast<std::uint32_t>(sx >> 15);
    const std::uint32_t right = ix + 1 < sw ? ix + 1 : ix;
    columns[x] = {ix * 3, right * 3, static_cast<std::uint32_t>(sx & 32767)};
  }

  const uchar* sourceBits = source->constBits();
  const qsizetype sourceStride = source->bytesPerLine();
  uchar* targetBits = Target.bits();
  const qsizetype targetStride = Target.bytesPerLine();

  std::uint64_t sy = 0;
  for (std::uint32_t y = 0; y < th; ++y, sy += ys) {
    const std::uint32_t iy = static_cast<std::uint32_t>(sy >> 15);
    const std::uint32_t fy = static_cast<std::uint32_t>(sy & 32767);
    const std::uint32_t gy = 32768 - fy;
    const uchar* upper = sourceBits + static_cast<qsizetype>(iy) * sourceStride;
    const uchar* lower = iy + 1 < sh ? upper + sourceStride : upper;
    uchar* out = targetBits + static_cast<qsizetype>(y) * targetStride;

    for (std::uint32_t x = 0; x < tw; ++x, out += 3) {
      const TColumn c = columns[x];
      const std::uint32_t w11 = (c.Fraction * fy) >> 15;
      const std::uint32_t w10 = (c.Fraction * gy) >> 15;
      const std::uint32_t w00 = gy - w10;
      const std::uint32_t w01 = fy - w11;
      const uchar* u0 = upper + c.Left;
      const uchar* u1 = upper + c.Right;
      const uchar* l0 = lower + c.Left;
      const uchar* l1 = lower + c.Right;
      for (int k = 0; k < 3; ++k)
        out[k] = static_cast<uchar>((u0[k] * w00 + u1[k] * w10 + l0[k] * w01 + l1[k] * w11) >> 15);
    }
  }
}
