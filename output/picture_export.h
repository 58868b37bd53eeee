#pragma once
// How a face becomes a picture file: the exact picture, or the picture drawn smooth at a
// scale, or an SVG or PDF document; whole or the inside of a selection frame; over its
// background or over nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/status.h"
#include "output/image.h"
#include "output/scaled_picture.h"
#include "render/face_picture.h"
#include "render/geometry.h"

namespace pelmoro {

inline constexpr double kMinScale = 0.25;
inline constexpr double kMaxScale = 16;

struct ExportOptions {
  ImageFormat format = ImageFormat::Png;
  // None: the exact picture for the pixel formats, and a scale of 1 for SVG and PDF. With a
  // scale K, a pixel format gets round(K w) x round(K h) pixels drawn smooth.
  std::optional<double> scale;
  // Nothing is painted behind the face: PNG and TIFF get an alpha channel, GIF a
  // transparent palette entry, SVG and PDF no background.
  bool transparent = false;
  // A selection frame: only its inside is written (InsideOfFrame), scaled like the rest.
  std::optional<Rect> selection;
};

// What is wrong with the options for the user, or an empty text: a scale outside 0.25 to 16,
// or a transparent background in a format that cannot have one.
std::string ExportOptionsProblem(const ExportOptions& options);

// The picture pixels that the options write; nothing when the selection holds none.
std::optional<Rect> ExportArea(const FacePicture& picture, const ExportOptions& options);

// The size of the written picture: pixels, SVG user units or PDF points.
struct PictureSize {
  double width = 0;
  double height = 0;
};
PictureSize ExportSize(const Rect& area, const ExportOptions& options);

// The pixels of a picture file (the exact picture, or one drawn smooth at a scale).
using PicturePixels = SmoothPicture;

// Draws the face's pixels as the options ask, whatever their format: the exact picture or
// the smooth one at the scale, the whole or the selection's inside, over the background
// or, with alpha, over nothing. The options are taken as ExportOptionsProblem allows them.
Status DrawPicturePixels(const FacePicture& picture, const ExportOptions& options, PicturePixels& out);

// Draws the face as the options ask and encodes it into `out`.
Status EncodePicture(const FacePicture& picture, const ExportOptions& options, std::vector<std::uint8_t>& out);

// Encodes the picture and writes it to `path` whole or not at all.
Status WritePicture(const std::string& path, const FacePicture& picture, const ExportOptions& options);

}  // namespace pelmoro
