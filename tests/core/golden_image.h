#pragma once
// Whole-picture regression checks: a painted surface compared pixel for pixel with a PNG
// under tests/golden/. With PELMORO_UPDATE_GOLDEN=1 in the environment the PNG is written
// from the surface instead, which is how a deliberate change of the pictures is made.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/memory_dc.h"

namespace pelmoro {

// An RGB picture as 0xAARRGGBB words (alpha 0xFF unless read from a file with alpha), row
// after row.
struct RgbPicture {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;
};

// Reads an 8-bit RGB or RGBA PNG, alpha kept (not premultiplied); false with a reason in
// `error` on any failure.
bool ReadPng(const std::string& path, RgbPicture& picture, std::string& error);
// Writes the picture as an 8-bit RGB PNG; false with a reason in `error` on any failure.
bool WritePng(const std::string& path, const RgbPicture& picture, std::string& error);

// The golden file of a picture name: <tests>/golden/<name>.png.
std::string GoldenPath(const std::string& name);

// Success when the surface equals the golden picture `name` pixel for pixel (or when the
// golden was just rewritten on request). On a mismatch it reports the count and the first
// differing pixel, and writes the actual picture as golden-actual-<name>.png into the
// current directory for a look.
::testing::AssertionResult MatchesGolden(const CMemoryDC& surface, const std::string& name);

}  // namespace pelmoro
