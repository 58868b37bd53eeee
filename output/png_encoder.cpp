// PNG through libpng: 8-bit RGB (RGBA for a picture with alpha), no interlacing, written
// into memory.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

#include "output/encoders.h"

namespace pelmoro {

namespace {

struct PngSink {
  std::vector<std::uint8_t>* out;
  char message[256];
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
  auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
  std::strncpy(sink->message, message, sizeof sink->message - 1);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp png, png_bytep data, std::size_t length) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  bool outOfMemory = false;
  try {
    sink->out->insert(sink->out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  // Leaves libpng only after the exception is finished with.
  if (outOfMemory) png_error(png, "not enough memory");
}

void OnPngFlush(png_structp) {}

// The part that libpng may leave by longjmp: it holds no object with a destructor.
bool WritePngRows(png_structp png, png_infop info, PngSink& sink, const ImageView& picture, std::uint8_t* row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &sink, OnPngWrite, OnPngFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
               picture.alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // Unfiltered rows at a fast zlib level: flat cartoon colours and a gradient that repeats
  // a few rows down are long matches for zlib as they are, so the rows are as small as
  // with any filter, and choosing a filter per row would cost as long as compressing.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, 3);
  png_write_info(png, info);
  for (std::int32_t y = 0; y < picture.height; ++y) {
    if (picture.alpha) {
      RowToRgba(picture, y, row);
    } else {
      RowToRgb(picture, y, row);
    }
    png_write_row(png, row);
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

Status EncodePng(const ImageView& picture, std::vector<std::uint8_t>& out) {
  std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.width) * (picture.alpha ? 4 : 3));
  PngSink sink{&out, {}};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnPngError, OnPngWarning);
  if (png == nullptr) return Status::Error("the PNG encoder could not start");
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return Status::Error("the PNG encoder could not start");
  }
  const bool written = WritePngRows(png, info, sink, picture, row.data());
  png_destroy_write_struct(&png, &info);
  if (!written) return Status::Error(std::string("PNG encoder: ") + sink.message);
  return Status::Ok();
}

}  // namespace pelmoro
