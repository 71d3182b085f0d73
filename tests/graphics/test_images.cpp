#include "Images.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <random>

namespace {

QImage Filled(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

QImage RandomPicture(int w, int h, std::mt19937& random) {
  QImage image(w, h, QImage::Format_RGB888);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int y = 0; y < h; ++y) {
    uchar* p = image.scanLine(y);
    for (int x = 0; x < 3 * w; ++x) p[x] = static_cast<uchar>(byte(random));
  }
  return image;
}

// biBitCount of a BMP file's header.
int BitsPerPixel(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray header = file.read(30);
  return header.size() < 30 ? -1 : static_cast<uchar>(header[28]) | static_cast<uchar>(header[29]) << 8;
}

// Qt writes 24 bits for every true-colour picture, so a 32-bit file is put
// together by hand: a plain BITMAPINFOHEADER and blue, green, red, unused.
void WriteThirtyTwoBitBmp(const QString& path, int w, int h, QColor colour) {
  QByteArray data(54 + 4 * w * h, '\0');
  auto put = [&](int at, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) data[at + i] = static_cast<char>(value >> (8 * i));
  };
  data[0] = 'B';
  data[1] = 'M';
  put(2, static_cast<quint32>(data.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<quint32>(w), 4);
  put(22, static_cast<quint32>(h), 4);
  put(26, 1, 2);
  put(28, 32, 2);
  for (int i = 0; i < w * h; ++i)
    put(54 + 4 * i, static_cast<quint32>(colour.blue() | colour.green() << 8 | colour.red() << 16), 4);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
}

QRgb At(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}

// Bilinear interpolation in doubles, sampling target pixel x at source
// position x * xs / 32768 with the scaler's own step xs.
double Reference(const QImage& source, int tw, int th, int x, int y, int channel) {
  const int sw = source.width(), sh = source.height();
  // The step is truncated to a whole 1/32768 as the scaler truncates it.
  // NOLINTBEGIN(bugprone-integer-division)
  const double px = static_cast<double>(x) * (static_cast<unsigned>(sw - 1) * 32768u / tw) / 32768.0;
  const double py = static_cast<double>(y) * (static_cast<unsigned>(sh - 1) * 32768u / th) / 32768.0;
  // NOLINTEND(bugprone-integer-division)
  const int ix = static_cast<int>(px), iy = static_cast<int>(py);
  const double fx = px - ix, fy = py - iy;
  auto byte = [&](int cx, int cy) {
    return static_cast<double>(
        source.constScanLine(std::min(cy, sh - 1))[3 * std::min(cx, sw - 1) + channel]);
  };
  return byte(ix, iy) * (1 - fx) * (1 - fy) + byte(ix + 1, iy) * fx * (1 - fy) +
         byte(ix, iy + 1) * (1 - fx) * fy + byte(ix + 1, iy + 1) * fx * fy;
}

}  // namespace

TEST(ResampleBitmap, SameSizeShrinksTowardsTopLeftBySixtyThreeSixtyFourths) {
  // Red climbs 4 per column, green 4 per row: the result shows which source
  // position each target pixel sampled. 32256 / 32768 is exactly 63 / 64.
  QImage source(64, 64, QImage::Format_RGB888);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) source.setPixel(x, y, qRgb(4 * x, 4 * y, 77));
  QImage target(64, 64, QImage::Format_RGB888);
  ResampleBitmap(source, target);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const QRgb p = target.pixel(x, y);
      ASSERT_EQ(qRed(p), 4 * x * 63 / 64) << x << "," << y;
      ASSERT_EQ(qGreen(p), 4 * y * 63 / 64) << x << "," << y;
      ASSERT_EQ(qBlue(p), 77);
    }
  }
  // The last source column and row never come through on their own.
  EXPECT_EQ(qRed(target.pixel(63, 0)), 248);
}

TEST(ResampleBitmap, OnePixelTargetIsTheTopLeftPixel) {
  std::mt19937 random(7);
  for (const QSize size : {QSize(64, 64), QSize(7, 3), QSize(2, 2), QSize(1, 1), QSize(200, 1)}) {
    const QImage source = RandomPicture(size.width(), size.height(), random);
    QImage target(1, 1, QImage::Format_RGB888);
    ResampleBitmap(source, target);
    EXPECT_EQ(At(target, 0, 0), At(source, 0, 0)) << size.width() << "x" << size.height();
  }
}

TEST(ResampleBitmap, UniformColourStaysUniform) {
  const QColor colour(201, 13, 250);
  for (const QSize from : {QSize(64, 64), QSize(3, 17), QSize(1, 1)}) {
    for (const QSize to : {QSize(16, 11), QSize(60, 60), QSize(200, 3), QSize(1, 90)}) {
      QImage target = Filled(to.width(), to.height(), Qt::black);
      ResampleBitmap(Filled(from.width(), from.height(), colour), target);
      for (int y = 0; y < to.height(); ++y)
        for (int x = 0; x < to.width(); ++x) ASSERT_EQ(At(target, x, y), colour.rgb() & 0xFFFFFF);
    }
  }
}

TEST(ResampleBitmap, MatchesFloatingPointBilinearWithinOne) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> sourceSide(2, 70), targetSide(1, 130);
  int worst = 0;
  for (int round = 0; round < 60; ++round) {
    const QImage source = RandomPicture(sourceSide(random), sourceSide(random), random);
    const int tw = targetSide(random), th = targetSide(random);
    QImage target(tw, th, QImage::Format_RGB888);
    ResampleBitmap(source, target);
    for (int y = 0; y < th; ++y) {
      const uchar* row = target.constScanLine(y);
      for (int x = 0; x < tw; ++x)
        for (int c = 0; c < 3; ++c) {
          const double expected = Reference(source, tw, th, x, y, c);
          const int error = std::abs(row[3 * x + c] - static_cast<int>(std::lround(expected)));
          worst = std::max(worst, error);
          ASSERT_LE(error, 1) << source.width() << "x" << source.height() << " -> " << tw << "x" << th
                              << " at " << x << "," << y;
        }
    }
  }
  EXPECT_LE(worst, 1);
}

TEST(ResampleBitmap, SourcesOnePixelWideOrHighReadOnlyTheirOwnPixels) {
  // Run under AddressSanitizer these would catch a read past the last pixel;
  // the values show the missing neighbour is the pixel itself.
  QImage column(1, 5, QImage::Format_RGB888);
  for (int y = 0; y < 5; ++y) column.setPixel(0, y, qRgb(0, 60 * y, 0));
  QImage wide(30, 8, QImage::Format_RGB888);
  ResampleBitmap(column, wide);
  for (int y = 0; y < 8; ++y) {
    for (int x = 1; x < 30; ++x) ASSERT_EQ(At(wide, x, y), At(wide, 0, y));
    // Row y samples position y * (4 * 32768 / 8) / 32768 = y / 2.
    EXPECT_EQ(qGreen(wide.pixel(0, y)), 30 * y);
  }

  QImage row(6, 1, QImage::Format_RGB888);
  for (int x = 0; x < 6; ++x) row.setPixel(x, 0, qRgb(50 * x, 0, 9));
  QImage tall(10, 25, QImage::Format_RGB888);
  ResampleBitmap(row, tall);
  for (int y = 1; y < 25; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(tall, x, y), At(tall, x, 0));
  EXPECT_EQ(qRed(tall.pixel(2, 0)), 50);  // 2 * (5 * 32768 / 10) / 32768 = 1
}

TEST(ResampleBitmap, OtherFormatsAreTreatedAsRgb) {
  QImage source(2, 2, QImage::Format_ARGB32);
  source.fill(qRgb(10, 20, 30));
  QImage target(5, 4, QImage::Format_RGB32);
  ResampleBitmap(source, target);
  EXPECT_EQ(target.format(), QImage::Format_RGB888);
  EXPECT_EQ(target.size(), QSize(5, 4));
  EXPECT_EQ(At(target, 4, 3), qRgb(10, 20, 30) & 0xFFFFFF);

  QImage empty;
  ResampleBitmap(source, empty);  // nothing to fill, and no division by zero
  EXPECT_TRUE(empty.isNull());
}

namespace {

// Tiles whose red and green bytes say which row and file they came from.
QColor TileColour(int row, int file) {
  return QColor(20 * row, 10 * file, 200);
}

class TImagesTest : public ::testing::Test {
 protected:
  QString RowFolder(int row) const {
    return QDir(Folder.path()).filePath(QStringLiteral("tiles/Row %1").arg(row));
  }

  // Writes count BMPs named "00.bmp", "01.bmp", ... into a row folder, last
  // name first, so that creation order differs from name order.
  void WriteRow(int row, int count) const {
    QDir().mkpath(RowFolder(row));
    for (int file = count - 1; file >= 0; --file)
      ASSERT_TRUE(
          Filled(8, 6, TileColour(row, file))
              .save(
                  QDir(RowFolder(row)).filePath(QStringLiteral("%1.bmp").arg(file, 2, 10, QLatin1Char('0'))),
                  "BMP"));
  }

  void WriteAllRows() const {
    for (int row = 1; row <= 10; ++row) WriteRow(row, 10);
  }

  QTemporaryDir Folder;
  TImages Images;
};

}  // namespace

TEST_F(TImagesTest, LoadsTenRowsOfTenNumberedRowByRow) {
  WriteAllRows();
  ASSERT_TRUE(Images.LoadAll(Folder.path())) << qPrintable(Images.LastError());
  ASSERT_EQ(Images.Count(), 100);
  for (int row = 1; row <= 10; ++row)
    for (int tile = 1; tile <= 10; ++tile) {
      const QImage* picture = Images.Picture(10 * (row - 1) + (tile - 1));
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->format(), QImage::Format_RGB888);
      EXPECT_EQ(picture->pixelColor(3, 3), TileColour(row, tile - 1));
    }
  EXPECT_EQ(Images.Picture(100), nullptr);
  EXPECT_EQ(Images.LastFailure(), TImages::TFailure::None);

  // Loading again replaces the pictures instead of adding to them.
  ASSERT_TRUE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.Count(), 100);
  Images.Clear();
  EXPECT_EQ(Images.Count(), 0);
  EXPECT_EQ(Images.Picture(0), nullptr);
}

TEST_F(TImagesTest, TilesAreNamedByTheirFilesAndRowsByTheCategoriesFile) {
  WriteAllRows();
  QDir row1(RowFolder(1));
  ASSERT_TRUE(row1.rename(QStringLiteral("00.bmp"), QStringLiteral("00 Dog.bmp")));
  ASSERT_TRUE(row1.rename(QStringLiteral("01.bmp"), QStringLiteral("01_Hot_dog.BMP")));
  ASSERT_TRUE(row1.rename(QStringLiteral("02.bmp"), QStringLiteral("7up.bmp")));
  QFile names(QDir(Folder.path()).filePath(QStringLiteral("tiles/Categories.txt")));
  ASSERT_TRUE(names.open(QIODevice::WriteOnly));
  // What reaches a screen reader holds no control or format characters
  // (bell, backspace, a right-to-left override, zero-width ones), and a row
  // name is cut.
  names.write(
      "Animals\r\n  Sea life \n"
      "Bir\x07"
      "ds\x08\xe2\x80\xae\xe2\x80\x8b Fish\xe2\x80\x8d\xe2\x80\xa8!\n" +
      QByteArray(300, 'x') + "\n");
  names.close();
  ASSERT_TRUE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.Name(0), QStringLiteral("Dog"));
  EXPECT_EQ(Images.Name(1), QStringLiteral("Hot dog"));
  EXPECT_EQ(Images.Name(2), QString());  // "03.bmp"
  EXPECT_EQ(Images.Name(9), QStringLiteral("7up"));
  EXPECT_EQ(Images.Name(100), QString());
  EXPECT_EQ(Images.RowName(1), QStringLiteral("Animals"));
  EXPECT_EQ(Images.RowName(2), QStringLiteral("Sea life"));
  EXPECT_EQ(Images.RowName(3), QStringLiteral("Birds Fish !"));
  EXPECT_EQ(Images.RowName(4), QString(MaxNameLength, u'x'));
  EXPECT_EQ(Images.RowName(5), QString());  // the file names no fifth row
  // A tile set without the file names no row.
  ASSERT_TRUE(names.remove());
  ASSERT_TRUE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.RowName(1), QString());
  EXPECT_EQ(Images.Name(0), QStringLiteral("Dog"));
}

TEST_F(TImagesTest, TwelveFilesGiveTheFirstTenInNameOrder) {
  WriteRow(1, 12);
  EXPECT_EQ(Images.LoadFolder(RowFolder(1) + QLatin1Char('/')), 10);
  ASSERT_EQ(Images.Count(), 10);
  for (int tile = 0; tile < 10; ++tile)
    EXPECT_EQ(Images.Picture(tile)->pixelColor(0, 0), TileColour(1, tile));
}

TEST_F(TImagesTest, OnlyBmpFilesCountWhateverTheirCase) {
  WriteRow(2, 9);
  QFile(QDir(RowFolder(2)).filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
  ASSERT_TRUE(Filled(4, 4, Qt::red).save(QDir(RowFolder(2)).filePath(QStringLiteral("Z.BMP")), "BMP"));
  EXPECT_EQ(Images.LoadFolder(RowFolder(2)), 10);
  EXPECT_EQ(Images.Picture(9)->pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(TImagesTest, NineFilesFailAndLaterFoldersAreNotRead) {
  WriteAllRows();
  QFile::remove(QDir(RowFolder(3)).filePath(QStringLiteral("04.bmp")));
  EXPECT_FALSE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.Count(), 29);  // rows 1 and 2, nine of row 3, nothing after
  EXPECT_EQ(Images.LastFailure(), TImages::TFailure::TooFewPictures);
  EXPECT_TRUE(Images.LastError().contains(QStringLiteral("Row 3"))) << qPrintable(Images.LastError());
}

TEST_F(TImagesTest, MissingFolderFails) {
  EXPECT_EQ(Images.LoadFolder(RowFolder(1)), 0);
  EXPECT_FALSE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.Count(), 0);
  EXPECT_EQ(Images.LastFailure(), TImages::TFailure::TooFewPictures);
  EXPECT_TRUE(Images.LastError().contains(QStringLiteral("Row 1"))) << qPrintable(Images.LastError());
}

TEST_F(TImagesTest, UnreadableBitmapFailsNamingTheFile) {
  WriteAllRows();
  const QString bad = QDir(RowFolder(5)).filePath(QStringLiteral("03.bmp"));
  QFile good(bad);
  ASSERT_TRUE(good.open(QIODevice::ReadOnly));
  const QByteArray halfBitmap = good.readAll().left(good.size() / 2);
  good.close();
  // A header whose row size times row count passes 2^63 (found by fuzzing:
  // the length check overflowed).
  static const unsigned char Overflowing[] = {
      0x42, 0x4d, 0x4a, 0x28, 0x00, 0xff, 0xfc, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x02,
      0x00, 0x00, 0x00, 0x42, 0x42, 0x3e, 0x02, 0x00, 0x6a, 0x6a, 0x6a, 0x00, 0x28, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0xff, 0x06, 0x00, 0xbe};
  for (const QByteArray& content :
       {QByteArray("this is not a bitmap"), QByteArray(), QByteArray("BM\x10\0\0\0", 6), halfBitmap,
        QByteArray(reinterpret_cast<const char*>(Overflowing), sizeof Overflowing)}) {
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    EXPECT_FALSE(Images.LoadAll(Folder.path()));
    EXPECT_EQ(Images.Count(), 43);  // rows 1 to 4, then 00 to 02 of row 5
    EXPECT_EQ(Images.LastFailure(), TImages::TFailure::UnreadablePicture);
    EXPECT_TRUE(Images.LastError().contains(QDir::toNativeSeparators(bad))) << qPrintable(Images.LastError());
  }
}

// A tile is a small picture: a few kilobytes of run-length-coded rows may
// declare thousands of pixels a side, and a hundred of them gigabytes.
TEST_F(TImagesTest, ATileLargerThanATileCanBeIsRefusedUnpacked) {
  WriteAllRows();
  const QString large = QDir(RowFolder(2)).filePath(QStringLiteral("04.bmp"));
  // An 8-bit run-length-coded bitmap of 4000 x 4000 pixels in 1086 bytes:
  // the header, a grey palette and one "end of bitmap".
  QByteArray bitmap("BM", 2);
  auto le = [&bitmap](quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) bitmap.append(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  le(14 + 40 + 1024 + 2, 4), le(0, 4), le(14 + 40 + 1024, 4);
  le(40, 4), le(4000, 4), le(4000, 4), le(1, 2), le(8, 2), le(1, 4), le(2, 4), le(2835, 4), le(2835, 4),
      le(256, 4), le(0, 4);
  for (int i = 0; i < 256; ++i) le(static_cast<quint32>(i * 0x010101), 4);
  bitmap.append("\x00\x01", 2);
  QFile file(large);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bitmap) == bitmap.size());
  file.close();
  EXPECT_FALSE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.LastFailure(), TImages::TFailure::UnreadablePicture);
  EXPECT_EQ(Images.LastError(),
            QStringLiteral("The tile picture \"%1\" cannot be read: it is 4000 x 4000 pixels, "
                           "more than the 512 x 512 a tile may have.")
                .arg(QDir::toNativeSeparators(large)));
}

// "._01 Dog.bmp" (what another system leaves beside "01 Dog.bmp") is no
// tile; a FIFO named like one fails the load at once instead of blocking it.
TEST_F(TImagesTest, HiddenFilesAreNoTilesAndAFifoFailsAtOnce) {
  WriteRow(1, 10);
  QFile hidden(QDir(RowFolder(1)).filePath(QStringLiteral("._00.bmp")));
  ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
  hidden.write("\0\5\26\7\0\2\0\0Mac OS X        ", 24);
  hidden.close();
  EXPECT_EQ(Images.LoadFolder(RowFolder(1)), 10);
  EXPECT_EQ(Images.LastFailure(), TImages::TFailure::None) << qPrintable(Images.LastError());
  EXPECT_EQ(Images.Picture(0)->pixelColor(0, 0), TileColour(1, 0));

  Images.Clear();
  const QString fifo = QDir(RowFolder(1)).filePath(QStringLiteral("00.bmp"));
  ASSERT_TRUE(QFile::remove(fifo));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(Images.LoadFolder(RowFolder(1)), 0);
  EXPECT_EQ(Images.LastFailure(), TImages::TFailure::UnreadablePicture);
  EXPECT_TRUE(Images.LastError().contains(QStringLiteral("not a regular file")))
      << qPrintable(Images.LastError());
}

TEST_F(TImagesTest, OtherDepthsAreConvertedTo24Bits) {
  WriteAllRows();
  const QString eightBit = QDir(RowFolder(1)).filePath(QStringLiteral("00.bmp"));
  const QString thirtyTwoBit = QDir(RowFolder(1)).filePath(QStringLiteral("01.bmp"));
  ASSERT_TRUE(Filled(5, 5, QColor(1, 2, 3)).convertToFormat(QImage::Format_Indexed8).save(eightBit, "BMP"));
  EXPECT_LT(BitsPerPixel(eightBit), 24);
  WriteThirtyTwoBitBmp(thirtyTwoBit, 5, 5, QColor(9, 8, 7));
  EXPECT_EQ(BitsPerPixel(thirtyTwoBit), 32);
  ASSERT_TRUE(Images.LoadAll(Folder.path()));
  EXPECT_EQ(Images.Picture(0)->format(), QImage::Format_RGB888);
  EXPECT_EQ(Images.Picture(0)->pixelColor(4, 4), QColor(1, 2, 3));
  EXPECT_EQ(Images.Picture(1)->format(), QImage::Format_RGB888);
  EXPECT_EQ(Images.Picture(1)->pixelColor(0, 0), QColor(9, 8, 7));
}
