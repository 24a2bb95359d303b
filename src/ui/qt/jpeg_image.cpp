// JPEG reading and writing with libjpeg. libjpeg reports errors by calling a
// handler that must not return; ours jumps back to the function that started
// the work, so bad data can never end the program.
#include "ui/qt/jpeg_image.h"

#include <jerror.h>
#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <QtEndian>

namespace {

// QImage::Format_RGB32 holds 0xffRRGGBB words, so its byte order in memory
// follows the machine's.
constexpr J_COLOR_SPACE kRgb32ColorSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Larger pictures are refused rather than allocated: nothing of ours is near.
constexpr unsigned kMaxSide = 16384;

struct ErrorManager {
  jpeg_error_mgr base;  // first, so libjpeg's pointer to it is ours too
  std::jmp_buf jump;
  int code;  // libjpeg message code of the error or first warning, -1 if none
  char text[JMSG_LENGTH_MAX];
};

ErrorManager& errorManagerOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void jumpOnError(j_common_ptr info) {
  ErrorManager& err = errorManagerOf(info);
  err.code = err.base.msg_code;
  (*err.base.format_message)(info, err.text);
  std::longjmp(err.jump, 1);
}

// Called for the first warning only; libjpeg counts the others. Keeps the text
// instead of printing it.
void keepMessage(j_common_ptr info) {
  ErrorManager& err = errorManagerOf(info);
  if (err.code >= 0) return;
  err.code = err.base.msg_code;
  (*err.base.format_message)(info, err.text);
}

void installErrorManager(ErrorManager& err) {
  jpeg_std_error(&err.base);
  err.base.error_exit = jumpOnError;
  err.base.output_message = keepMessage;
  err.code = -1;
  err.text[0] = '\0';
}

// Everything the setjmp functions touch lives here, outside their frames, so
// a jump back leaves nothing in an undefined state.
struct Decoder {
  jpeg_decompress_struct info;
  ErrorManager err;
  bool created;
  bool tooLarge;
  int leastWidth;  // decode at the smallest eighth of the size at least this wide; 0 the whole size
  QImage image;
};

bool runDecoder(Decoder& d, const QByteArray& data) {
  if (setjmp(d.err.jump)) return false;
  jpeg_create_decompress(&d.info);
  d.created = true;
  jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&d.info, TRUE);
  if (d.info.image_width > kMaxSide || d.info.image_height > kMaxSide) {
    d.tooLarge = true;
    return false;
  }
  d.info.out_color_space = kRgb32ColorSpace;
  // libjpeg decodes at M/8 of the size for little more than the cost of the
  // smaller picture.
  const unsigned width = d.info.image_width;
  for (unsigned eighths = 1; d.leastWidth > 0 && eighths < 8; ++eighths) {
    if ((width * eighths + 7) / 8 >= static_cast<unsigned>(d.leastWidth)) {
      d.info.scale_num = eighths;
      d.info.scale_denom = 8;
      break;
    }
  }
  jpeg_start_decompress(&d.info);
  d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height), QImage::Format_RGB32);
  if (d.image.isNull()) {
    d.tooLarge = true;
    return false;
  }
  while (d.info.output_scanline < d.info.output_height) {
    JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
    jpeg_read_scanlines(&d.info, &row, 1);
  }
  jpeg_finish_decompress(&d.info);
  // A warning means libjpeg patched over missing or damaged data.
  return d.err.base.num_warnings == 0;
}

QString decodeErrorText(const Decoder& d) {
  if (d.tooLarge) return QStringLiteral("Resim çok büyük, açılamadı.");
  switch (d.err.code) {
    case JERR_NO_SOI: return QStringLiteral("Bu bir JPEG resmi değil.");
    case JERR_INPUT_EOF:
    case JWRN_JPEG_EOF: return QStringLiteral("JPEG resmi eksik: veri erken bitiyor.");
    default: return QStringLiteral("JPEG resmi bozuk (%1).").arg(QString::fromLatin1(d.err.text));
  }
}

struct Encoder {
  jpeg_compress_struct info;
  ErrorManager err;
  bool created;
  unsigned char* buffer;  // allocated by libjpeg's memory destination
  unsigned long size;
};

bool runEncoder(Encoder& e, const QImage& rgb, int quality) {
  if (setjmp(e.err.jump)) return false;
  jpeg_create_compress(&e.info);
  e.created = true;
  jpeg_mem_dest(&e.info, &e.buffer, &e.size);
  e.info.image_width = static_cast<JDIMENSION>(rgb.width());
  e.info.image_height = static_cast<JDIMENSION>(rgb.height());
  e.info.input_components = 4;
  e.info.in_color_space = kRgb32ColorSpace;
  jpeg_set_defaults(&e.info);
  jpeg_set_quality(&e.info, quality, TRUE);
  e.info.optimize_coding = TRUE;
  e.info.density_unit = 1;  // dots per inch
  e.info.X_density = 96;
  e.info.Y_density = 96;
  jpeg_start_compress(&e.info, TRUE);
  while (e.info.next_scanline < e.info.image_height) {
    // libjpeg only reads the row, its type just is not const.
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(e.info.next_scanline)));
    jpeg_write_scanlines(&e.info, &row, 1);
  }
  jpeg_finish_compress(&e.info);
  return true;
}

}  // namespace

bool decodeJpeg(const QByteArray& data, QImage& out, QString* error, int leastWidth) {
  out = QImage();
  if (data.isEmpty()) {
    if (error) *error = QStringLiteral("Resim verisi boş.");
    return false;
  }
  Decoder d{};
  d.leastWidth = leastWidth;
  d.info.err = &d.err.base;
  installErrorManager(d.err);
  const bool ok = runDecoder(d, data);
  if (d.created) jpeg_destroy_decompress(&d.info);
  if (!ok) {
    if (error) *error = decodeErrorText(d);
    return false;
  }
  out = d.image;
  return true;
}

bool encodeJpeg(const QImage& image, int quality, QByteArray& out) {
  out.clear();
  if (image.isNull()) return false;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Encoder e{};
  e.info.err = &e.err.base;
  installErrorManager(e.err);
  const bool ok = runEncoder(e, rgb, qBound(1, quality, 100));
  if (e.created) jpeg_destroy_compress(&e.info);
  if (ok && e.buffer) out = QByteArray(reinterpret_cast<const char*>(e.buffer), static_cast<qsizetype>(e.size));
  std::free(e.buffer);
  return ok && !out.isEmpty();
}
