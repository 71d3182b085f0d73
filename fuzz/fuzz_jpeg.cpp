// The title picture is read from the data folder; a damaged one must give a
// message, never a crash or a half-decoded picture.
#include "FuzzCheck.h"
#include "JpegImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TJpegResult result =
      DecodeJpegData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                     QStringLiteral("title.jpg"));
  FUZZ_CHECK(result.Ok() == result.Error.isEmpty());
  if (result.Ok()) FUZZ_CHECK(result.Image.format() == QImage::Format_RGB888);
  return 0;
}
