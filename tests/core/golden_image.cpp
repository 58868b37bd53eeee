#include "golden_image.h"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace pelmoro {
namespace {

bool UpdateRequested() {
  const char* value = std::getenv("PELMORO_UPDATE_GOLDEN");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

RgbPicture PictureOf(const CMemoryDC& surface) {
  RgbPicture picture;
  picture.width = surface.Width();
  picture.height = surface.Height();
  const std::uint32_t* bits = surface.Bits();
  picture.pixels.assign(bits, bits + static_cast<std::size_t>(picture.width) * picture.height);
  for (std::uint32_t& p : picture.pixels) p |= 0xFF000000u;
  return picture;
}

std::string Hex(std::uint32_t pixel) {
  std::ostringstream out;
  out << "#" << std::hex;
  out.width(6);
  out.fill('0');
  out << (pixel & 0xFFFFFFu);
  return out.str();
}

}  // namespace

bool ReadPng(const std::string& path, RgbPicture& picture, std::string& error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    error = image.message;
    return false;
  }
  image.format = PNG_FORMAT_BGRA;  // in memory B, G, R, A: one little-endian 0xAARRGGBB word
  picture.width = static_cast<std::int32_t>(image.width);
  picture.height = static_cast<std::int32_t>(image.height);
  picture.pixels.assign(static_cast<std::size_t>(image.width) * image.height, 0);
  if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
    error = image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

bool WritePng(const std::string& path, const RgbPicture& picture, std::string& error) {
  std::vector<png_byte> rgb;
  rgb.reserve(picture.pixels.size() * 3);
  for (const std::uint32_t p : picture.pixels) {
    rgb.push_back(static_cast<png_byte>(p >> 16));
    rgb.push_back(static_cast<png_byte>(p >> 8));
    rgb.push_back(static_cast<png_byte>(p));
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    error = image.message;
    return false;
  }
  return true;
}

std::string GoldenPath(const std::string& name) { return std::string(PELMORO_TEST_DATA) + "/golden/" + name + ".png"; }

::testing::AssertionResult MatchesGolden(const CMemoryDC& surface, const std::string& name) {
  const RgbPicture actual = PictureOf(surface);
  std::string error;
  if (UpdateRequested()) {
    if (!WritePng(GoldenPath(name), actual, error)) {
      return ::testing::AssertionFailure() << "cannot write " << GoldenPath(name) << ": " << error;
    }
    return ::testing::AssertionSuccess() << "rewrote " << GoldenPath(name);
  }

  const std::string actualPath = "golden-actual-" + name + ".png";
  RgbPicture golden;
  if (!ReadPng(GoldenPath(name), golden, error)) {
    WritePng(actualPath, actual, error);
    return ::testing::AssertionFailure() << "cannot read " << GoldenPath(name) << " (" << error
                                         << "); painted picture written to " << actualPath
                                         << "; set PELMORO_UPDATE_GOLDEN=1 to create the golden deliberately";
  }
  if (golden.width != actual.width || golden.height != actual.height) {
    return ::testing::AssertionFailure() << name << ": golden is " << golden.width << " x " << golden.height
                                         << ", picture is " << actual.width << " x " << actual.height;
  }
  std::size_t differing = 0;
  std::size_t first = 0;
  for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
    if (actual.pixels[i] == golden.pixels[i]) continue;
    if (differing++ == 0) first = i;
  }
  if (differing == 0) return ::testing::AssertionSuccess();

  WritePng(actualPath, actual, error);
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ; first at ("
                                       << first % actual.width << ", " << first / actual.width << "): golden "
                                       << Hex(golden.pixels[first]) << ", painted " << Hex(actual.pixels[first])
                                       << "; painted picture written to " << actualPath;
}

}  // namespace pelmoro
