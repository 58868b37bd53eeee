#pragma once
#include <cstdint>
#include <vector>

#include "render/raster/pixel_format.h"
#include "render/surface.h"

namespace pelmoro {

// The off-screen raster surface: a width x height buffer of 32-bit pixels laid out as
// 0xFFRRGGBB words, row after row with no padding (the layout of QImage::Format_RGB32,
// so a window can wrap the buffer without copying). It rasterises every figure itself.
// Every figure paints opaque pixels; after ClearTransparent the pixels no figure painted
// keep alpha 0 (0x00000000), so the buffer is a picture with a transparent background.
//
// A surface with a width or height of 0 or less, or one whose buffer cannot be allocated,
// is invalid: all drawing on it does nothing.
class CMemoryDC : public Surface {
 public:
  // The clear colour that means "do not clear".
  static constexpr Color kNoClear = 0xFFFFFFFF;

  CMemoryDC(std::int32_t width, std::int32_t height, Color clear = kNoClear);

  bool IsValid() const { return valid_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::uint32_t* Bits() { return pixels_.data(); }
  const std::uint32_t* Bits() const { return pixels_.data(); }
  std::int32_t BytesPerLine() const { return width_ * 4; }
  // The pixel at (x, y) as a 0x00BBGGRR colour; 0 outside the surface.
  Color GetPixel(std::int32_t x, std::int32_t y) const;
  // Sets every pixel to transparent black, 0x00000000.
  void ClearTransparent();

  Color Pen() const { return pen_; }
  Color Brush() const { return brush_; }
  Point Position() const { return position_; }

  void Ellipse(const Rect& r) override;
  void RoundRect(const Rect& r, std::int32_t cornerWidth, std::int32_t cornerHeight) override;
  void Arc(const Rect& r, Point start, Point end) override;
  void Chord(const Rect& r, Point start, Point end) override;
  void Pie(const Rect& r, Point start, Point end) override;
  void Polygon(const Point* points, int count) override;
  void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy, Color c) override;
  void FillSolidRect(const Rect& r, Color c) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void GradientFill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from, Color to,
                    GradientMode mode) override;
  // The gradient paints every pixel of its rectangle that lies on the surface, so the
  // solid fill under it is left out.
  void FillThenGradient(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color solid,
                        Color from, Color to, GradientMode mode) override;
  Color SelectPen(Color c) override;
  Color SelectBrush(Color c) override;

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  bool valid_ = false;
  std::vector<std::uint32_t> pixels_;
  Color pen_ = 0x00000000;
  Color brush_ = 0x00FFFFFF;
  Point position_;
};

}  // namespace pelmoro
