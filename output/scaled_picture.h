#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "model/status.h"
#include "output/image.h"
#include "render/geometry.h"
#include "render/surface.h"

namespace pelmoro {

// A picture drawn by the vector surface rather than taken from the exact pixels: `paint`
// draws it in picture pixels, `area` is the part of it to show (picture pixels, not empty),
// and `transparent` says that the paint leaves the background out, so that what it does not
// cover stays transparent.
struct PictureScene {
  std::function<void(Surface&)> paint;
  Rect area;
  bool transparent = false;
};

// The scene drawn smooth into pixels: opaque 0xFFRRGGBB, or with straight alpha for a
// transparent scene (see ImageView).
struct SmoothPicture {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool alpha = false;
  std::vector<std::uint32_t> pixels;

  ImageView View() const { return {width, height, pixels.data(), width, alpha}; }
};

// Draws the scene's area into width x height pixels (each axis stretched to fill them),
// antialiased.
Status DrawSmooth(const PictureScene& scene, std::int32_t width, std::int32_t height, SmoothPicture& out);

// Writes the scene's area as an SVG 1.1 document or a one-page PDF, `scale` units (SVG
// user units, PDF points) per picture pixel; the same scene gives the same bytes.
Status EncodeVector(ImageFormat format, const PictureScene& scene, double scale, std::vector<std::uint8_t>& out);

}  // namespace pelmoro
