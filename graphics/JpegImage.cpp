#include "JpegImage.h"

#include "FileBytes.h"

#include <QDir>
#include <QFile>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg calls error_exit on a fatal error and expects it not to return; its
// default calls exit(). We jump back to the caller instead. Nothing with a
// destructor may live in the frames between setjmp and the jump, so the
// libjpeg calls sit in plain functions that only touch C data and raw buffers.
struct TErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<TErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->Message);
  std::longjmp(manager->Jump, 1);
}

// Level -1 is a warning. Most warnings report damaged data (premature end,
// bad Huffman code, extraneous bytes), after which libjpeg would go on and
// fill the rest with grey; those end the decoding. A few only concern
// metadata the picture does not need.
void EmitMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  const int code = info->err->msg_code;
  if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC) return;
  ErrorExit(info);
}

void InstallErrorManager(TErrorManager& manager) {
  jpeg_std_error(&manager.Base);
  manager.Base.error_exit = ErrorExit;
  manager.Base.emit_message = EmitMessage;
  manager.Message[0] = '\0';
}

// Pixel storage handed out by the decoder's caller once the size is known.
struct TDecodeTarget {
  JDIMENSION Width = 0;
  JDIMENSION Height = 0;
  unsigned char* (*Allocate)(void* context, JDIMENSION width, JDIMENSION height,
                             std::size_t* stride) = nullptr;
  void* Context = nullptr;
};

// Far more than any title picture; 64 million pixels are 192 MB decoded.
constexpr std::uint64_t MaxJpegPixels = 64ull * 1024 * 1024;

bool Decode(const unsigned char* data, unsigned long size, TDecodeTarget& target, TErrorManager& manager) {
  jpeg_decompress_struct info{};  // zeroed, so destroying it is safe even if creation failed
  InstallErrorManager(manager);
  info.err = &manager.Base;
  if (setjmp(manager.Jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  // Checked before decoding starts: a progressive picture's buffers for the
  // whole size are taken at the start, a few header bytes can ask for gigabytes.
  if (static_cast<std::uint64_t>(info.image_width) * info.image_height > MaxJpegPixels) {
    std::snprintf(manager.Message, sizeof manager.Message, "Picture too large (%u x %u)",
                  static_cast<unsigned>(info.image_width), static_cast<unsigned>(info.image_height));
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;  // grayscale and YCbCr alike come out as RGB
  jpeg_start_decompress(&info);
  if (info.output_components != 3) {
    std::snprintf(manager.Message, sizeof manager.Message, "Unsupported number of colour components (%d)",
                  info.output_components);
    jpeg_destroy_decompress(&info);
    return false;
  }
  std::size_t stride = 0;
  unsigned char* pixels = target.Allocate(target.Context, info.output_width, info.output_height, &stride);
  if (pixels == nullptr) {
    std::snprintf(manager.Message, sizeof manager.Message, "Picture too large (%u x %u)",
                  static_cast<unsigned>(info.output_width), static_cast<unsigned>(info.output_height));
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels + static_cast<std::size_t>(info.output_scanline) * stride;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

unsigned char* AllocateImage(void* context, JDIMENSION width, JDIMENSION height, std::size_t* stride) {
  auto* image = static_cast<QImage*>(context);
  if (width > 32768 || height > 32768) return nullptr;
  *image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
  if (image->isNull()) return nullptr;
  *stride = static_cast<std::size_t>(image->bytesPerLine());
  return image->bits();
}

struct TEncodeSource {
  const unsigned char* Pixels;
  std::size_t Stride;
  JDIMENSION Width;
  JDIMENSION Height;
  int Components;
};

bool Encode(const TEncodeSource& source, int quality, std::FILE* file, TErrorManager& manager) {
  jpeg_compress_struct info{};
  InstallErrorManager(manager);
  info.err = &manager.Base;
  if (setjmp(manager.Jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = source.Width;
  info.image_height = source.Height;
  info.input_components = source.Components;
  info.in_color_space = source.Components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg's row type is not const, but it only reads input rows.
    JSAMPROW row = const_cast<unsigned char*>(source.Pixels +
                                              static_cast<std::size_t>(info.next_scanline) * source.Stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

QString Failure(const QString& name, const QString& reason) {
  return QStringLiteral("The picture \"%1\" cannot be read: %2.").arg(QDir::toNativeSeparators(name), reason);
}

}  // namespace

TJpegResult DecodeJpegData(const QByteArray& Data, const QString& Name) {
  TJpegResult result;
  TErrorManager manager;
  QImage image;
  TDecodeTarget target;
  target.Allocate = AllocateImage;
  target.Context = &image;
  if (Decode(reinterpret_cast<const unsigned char*>(Data.constData()),
             static_cast<unsigned long>(Data.size()), target, manager))
    result.Image = std::move(image);
  else
    result.Error = Failure(Name, QString::fromLocal8Bit(manager.Message));
  return result;
}

TJpegResult LoadJpegImage(const QString& FileName) {
  const TFileBytes file = ReadFileBytes(FileName, PictureFileLimit);
  if (!file.Ok()) {
    TJpegResult result;
    result.Error = Failure(FileName, file.Error);
    return result;
  }
  return DecodeJpegData(file.Bytes, FileName);
}

QString SaveJpegImage(const QImage& Image, const QString& FileName, int Quality) {
  if (Image.isNull())
    return QStringLiteral("There is no picture to write to \"%1\".").arg(QDir::toNativeSeparators(FileName));
  const bool gray = Image.format() == QImage::Format_Grayscale8;
  const QImage pixels = gray ? Image : Image.convertToFormat(QImage::Format_RGB888);

  // libjpeg writes through stdio; the temporary file becomes the real one only
  // when the whole picture has been written.
  const QString temporary = FileName + QStringLiteral(".part");
  std::FILE* file = std::fopen(QFile::encodeName(temporary).constData(), "wb");
  if (file == nullptr)
    return QStringLiteral("Cannot create \"%1\".").arg(QDir::toNativeSeparators(temporary));

  TErrorManager manager;
  const TEncodeSource source{pixels.constBits(), static_cast<std::size_t>(pixels.bytesPerLine()),
                             static_cast<JDIMENSION>(pixels.width()),
                             static_cast<JDIMENSION>(pixels.height()), gray ? 1 : 3};
  const bool encoded = Encode(source, Quality < 1 ? 1 : (Quality > 100 ? 100 : Quality), file, manager);
  const bool closed = std::fclose(file) == 0;
  if (!encoded || !closed) {
    QFile::remove(temporary);
    return QStringLiteral("Cannot write \"%1\": %2.")
        .arg(QDir::toNativeSeparators(FileName), encoded ? QStringLiteral("the file could not be completed")
                                                         : QString::fromLocal8Bit(manager.Message));
  }
  QFile::remove(FileName);
  if (!QFile::rename(temporary, FileName)) {
    QFile::remove(temporary);
    return QStringLiteral("Cannot write \"%1\".").arg(QDir::toNativeSeparators(FileName));
  }
  return {};
}
