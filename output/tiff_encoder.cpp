// TIFF through libtiff: 8-bit RGB (with an unassociated alpha channel for a picture with
// alpha), LZW with horizontal differencing, strips of about 64 KB,
// written into memory so that the file itself can be written whole or not at all.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

#include "output/encoders.h"

namespace pelmoro {

namespace {

constexpr std::uint32_t kStripBytes = 64 * 1024;

// A growable in-memory file that libtiff reads, writes and seeks in.
struct MemoryFile {
  std::vector<std::uint8_t>* data;
  std::uint64_t position = 0;
  char error[256] = {};
};

MemoryFile& FileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

tmsize_t ReadMemory(thandle_t handle, void* buffer, tmsize_t size) {
  MemoryFile& file = FileOf(handle);
  if (size < 0 || file.position >= file.data->size()) return 0;
  const std::uint64_t available = file.data->size() - file.position;
  const std::uint64_t count = std::min<std::uint64_t>(available, static_cast<std::uint64_t>(size));
  std::memcpy(buffer, file.data->data() + file.position, count);
  file.position += count;
  return static_cast<tmsize_t>(count);
}

tmsize_t WriteMemory(thandle_t handle, void* buffer, tmsize_t size) {
  MemoryFile& file = FileOf(handle);
  if (size < 0) return -1;
  const std::uint64_t end = file.position + static_cast<std::uint64_t>(size);
  try {
    if (end > file.data->size()) file.data->resize(end);
  } catch (const std::bad_alloc&) {
    return -1;
  }
  std::memcpy(file.data->data() + file.position, buffer, static_cast<std::size_t>(size));
  file.position = end;
  return size;
}

toff_t SeekMemory(thandle_t handle, toff_t offset, int whence) {
  MemoryFile& file = FileOf(handle);
  std::uint64_t base = 0;
  if (whence == SEEK_CUR) base = file.position;
  if (whence == SEEK_END) base = file.data->size();
  // Offsets are unsigned; a "negative" one wraps, which is what libtiff means by it.
  file.position = base + offset;
  return file.position;
}

int CloseMemory(thandle_t) { return 0; }
toff_t SizeOfMemory(thandle_t handle) { return FileOf(handle).data->size(); }
int MapMemory(thandle_t, void**, toff_t*) { return 0; }
void UnmapMemory(thandle_t, void*, toff_t) {}

int OnTiffError(TIFF*, void* user, const char* module, const char* format, va_list arguments) {
  auto* file = static_cast<MemoryFile*>(user);
  if (file->error[0] == '\0') {
    int used = std::snprintf(file->error, sizeof file->error, "%s: ", module ? module : "libtiff");
    used = std::clamp(used, 0, static_cast<int>(sizeof file->error) - 1);
    std::vsnprintf(file->error + used, sizeof file->error - static_cast<std::size_t>(used), format, arguments);
  }
  return 1;  // handled: nothing goes to standard error
}

int OnTiffWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

TIFF* OpenMemoryTiff(MemoryFile& file) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (options == nullptr) return nullptr;
  TIFFOpenOptionsSetErrorHandlerExtR(options, OnTiffError, &file);
  TIFFOpenOptionsSetWarningHandlerExtR(options, OnTiffWarning, &file);
  TIFF* tiff = TIFFClientOpenExt("picture", "w", &file, ReadMemory, WriteMemory, SeekMemory, CloseMemory, SizeOfMemory,
                                 MapMemory, UnmapMemory, options);
  TIFFOpenOptionsFree(options);
  return tiff;
}

std::uint32_t SamplesPerPixel(const ImageView& picture) { return picture.alpha ? 4 : 3; }

bool SetAlphaTag(TIFF* tiff, const ImageView& picture) {
  if (!picture.alpha) return true;
  const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
  return TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
}

bool SetTags(TIFF* tiff, const ImageView& picture) {
  const std::uint32_t rowBytes = static_cast<std::uint32_t>(picture.width) * SamplesPerPixel(picture);
  const std::uint32_t rowsPerStrip = std::max<std::uint32_t>(1, kStripBytes / std::max<std::uint32_t>(rowBytes, 1));
  return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(picture.width)) &&
         TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(picture.height)) &&
         TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) &&
         TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, SamplesPerPixel(picture)) && SetAlphaTag(tiff, picture) &&
         TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
         TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
         TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
         TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW) &&
         TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL) &&
         TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
}

bool WriteRows(TIFF* tiff, const ImageView& picture) {
  // libtiff may change the row in place while it compresses, so it gets a copy.
  std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.width) * SamplesPerPixel(picture));
  for (std::int32_t y = 0; y < picture.height; ++y) {
    if (picture.alpha) {
      RowToRgba(picture, y, row.data());
    } else {
      RowToRgb(picture, y, row.data());
    }
    if (TIFFWriteScanline(tiff, row.data(), static_cast<std::uint32_t>(y), 0) < 0) return false;
  }
  return TIFFFlush(tiff) == 1;
}

Status TiffFailure(const MemoryFile& file, const char* fallback) {
  return Status::Error(std::string("TIFF encoder: ") + (file.error[0] != '\0' ? file.error : fallback));
}

}  // namespace

Status EncodeTiff(const ImageView& picture, std::vector<std::uint8_t>& out) {
  MemoryFile file{&out};
  TIFF* tiff = OpenMemoryTiff(file);
  if (tiff == nullptr) return TiffFailure(file, "could not start");
  bool written = false;
  try {
    written = SetTags(tiff, picture) && WriteRows(tiff, picture);
  } catch (...) {
    TIFFClose(tiff);
    throw;
  }
  TIFFClose(tiff);
  if (!written) return TiffFailure(file, "the picture could not be written");
  return Status::Ok();
}

}  // namespace pelmoro
