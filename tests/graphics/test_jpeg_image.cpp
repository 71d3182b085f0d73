#include "JpegImage.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Smooth gradients with a few flat shapes: the kind of picture JPEG keeps well.
QImage SamplePicture(int w, int h) {
  QImage image(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(255 * x / w, 255 * y / h, 128));
  QPainter painter(&image);
  painter.fillRect(w / 8, h / 8, w / 4, h / 4, QColor(230, 40, 40));
  painter.fillRect(w / 2, h / 2, w / 3, h / 3, QColor(20, 20, 200));
  return image;
}

double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    const uchar* p = a.constScanLine(y);
    const uchar* q = b.constScanLine(y);
    for (int x = 0; x < 3 * a.width(); ++x) sum += std::abs(p[x] - q[x]);
  }
  return sum / (3.0 * a.width() * a.height());
}

class JpegImageTest : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return QDir(Folder.path()).filePath(name); }

  QByteArray WrittenJpeg(const QImage& image) {
    const QString path = PathOf(QStringLiteral("source.jpg"));
    EXPECT_EQ(SaveJpegImage(image, path, 92), QString());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  void Write(const QString& name, const QByteArray& data) const {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }

  QTemporaryDir Folder;
};

}  // namespace

TEST_F(JpegImageTest, RoundTripKeepsSizeAndColours) {
  const QImage original = SamplePicture(567, 300);
  const QString path = PathOf(QStringLiteral("title.jpg"));
  ASSERT_EQ(SaveJpegImage(original, path, 92), QString());
  EXPECT_FALSE(QFile::exists(path + QStringLiteral(".part")));

  const TJpegResult result = LoadJpegImage(path);
  ASSERT_TRUE(result.Ok()) << qPrintable(result.Error);
  EXPECT_TRUE(result.Error.isEmpty());
  EXPECT_EQ(result.Image.size(), original.size());
  EXPECT_EQ(result.Image.format(), QImage::Format_RGB888);
  EXPECT_LT(MeanDifference(result.Image, original), 2.5);
  // Inside the flat red block, far from any edge.
  const QColor red = result.Image.pixelColor(567 / 4, 300 / 4);
  EXPECT_NEAR(red.red(), 230, 8);
  EXPECT_NEAR(red.green(), 40, 8);
  EXPECT_NEAR(red.blue(), 40, 8);
}

TEST_F(JpegImageTest, GrayscaleComesOutAsRgb) {
  const QImage gray = SamplePicture(40, 30).convertToFormat(QImage::Format_Grayscale8);
  ASSERT_EQ(SaveJpegImage(gray, PathOf(QStringLiteral("gray.jpg")), 95), QString());
  const TJpegResult result = LoadJpegImage(PathOf(QStringLiteral("gray.jpg")));
  ASSERT_TRUE(result.Ok()) << qPrintable(result.Error);
  EXPECT_EQ(result.Image.format(), QImage::Format_RGB888);
  const QColor centre = result.Image.pixelColor(20, 15);
  EXPECT_EQ(centre.red(), centre.green());
  EXPECT_EQ(centre.green(), centre.blue());
  EXPECT_NEAR(centre.red(), qGray(gray.pixel(20, 15)), 6);
}

TEST_F(JpegImageTest, TruncatedFileIsAnErrorAtEveryLength) {
  const QByteArray whole = WrittenJpeg(SamplePicture(120, 80));
  ASSERT_GT(whole.size(), 1000);
  for (const qsizetype length : {qsizetype(0), qsizetype(2), qsizetype(20), qsizetype(200), whole.size() / 3,
                                 whole.size() / 2, whole.size() - 10, whole.size() - 2}) {
    Write(QStringLiteral("cut.jpg"), whole.left(length));
    const TJpegResult result = LoadJpegImage(PathOf(QStringLiteral("cut.jpg")));
    EXPECT_FALSE(result.Ok()) << "length " << length;
    EXPECT_TRUE(result.Image.isNull());
    EXPECT_TRUE(result.Error.contains(QStringLiteral("cut.jpg"))) << qPrintable(result.Error);
  }
}

TEST_F(JpegImageTest, CorruptDataIsAnError) {
  QByteArray data = WrittenJpeg(SamplePicture(120, 80));
  // A marker in the middle of the compressed data ends the scan early.
  const qsizetype middle = data.size() / 2;
  data[middle] = '\xFF';
  data[middle + 1] = '\xD9';
  const TJpegResult early = DecodeJpegData(data, QStringLiteral("early"));
  EXPECT_FALSE(early.Ok());

  QByteArray badHeader = WrittenJpeg(SamplePicture(16, 16));
  const qsizetype frame = badHeader.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GE(frame, 0);
  badHeader[frame + 5] = 0;  // height 0
  badHeader[frame + 6] = 0;
  const TJpegResult header = DecodeJpegData(badHeader, QStringLiteral("header"));
  EXPECT_FALSE(header.Ok());
  EXPECT_FALSE(header.Error.isEmpty());
}

TEST_F(JpegImageTest, OtherFilesAreErrorsNamingTheFile) {
  static const char bitmapStart[] = "BM\x36\0\0\0 this is a bitmap, not a JPEG";
  Write(QStringLiteral("picture.jpg"), QByteArray(bitmapStart, sizeof bitmapStart - 1));
  const TJpegResult notJpeg = LoadJpegImage(PathOf(QStringLiteral("picture.jpg")));
  EXPECT_FALSE(notJpeg.Ok());
  EXPECT_TRUE(notJpeg.Error.contains(QDir::toNativeSeparators(PathOf(QStringLiteral("picture.jpg")))))
      << qPrintable(notJpeg.Error);
  EXPECT_TRUE(notJpeg.Error.contains(QStringLiteral("Not a JPEG file"))) << qPrintable(notJpeg.Error);

  const TJpegResult missing = LoadJpegImage(PathOf(QStringLiteral("absent.jpg")));
  EXPECT_FALSE(missing.Ok());
  EXPECT_TRUE(missing.Error.contains(QStringLiteral("absent.jpg"))) << qPrintable(missing.Error);
}

TEST_F(JpegImageTest, SavingNothingOrToNowhereFails) {
  EXPECT_FALSE(SaveJpegImage(QImage(), PathOf(QStringLiteral("none.jpg")), 90).isEmpty());
  EXPECT_FALSE(
      SaveJpegImage(SamplePicture(8, 8), PathOf(QStringLiteral("no/such/folder/x.jpg")), 90).isEmpty());
}
