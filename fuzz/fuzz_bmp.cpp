// A tile picture is any "*.bmp" file in the tile folders: the loader must
// refuse what it cannot read whole and give 24-bit pictures otherwise.
#include "FuzzCheck.h"
#include "Images.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QString problem;
  const QImage picture = DecodeTilePicture(
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), problem);
  FUZZ_CHECK(picture.isNull() != problem.isEmpty());
  if (picture.isNull()) return 0;
  FUZZ_CHECK(picture.format() == QImage::Format_RGB888);
  // The scaler meets every loaded picture.
  QImage target(20, 20, QImage::Format_RGB888);
  ResampleBitmap(picture, target);
  return 0;
}
