#pragma once
#include <algorithm>
#include <cstdint>

namespace pelmoro {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// An integer pixel rectangle (left, top, right, bottom), origin top-left, y downwards.
// Width, height and centre wrap like 32-bit machine arithmetic, so any stored values
// are safe to use.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(right) - static_cast<std::uint32_t>(left));
  }
  std::int32_t Height() const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bottom) - static_cast<std::uint32_t>(top));
  }
  Point CenterPoint() const { return {Mid(left, right), Mid(top, bottom)}; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  // Whether the point lies inside: left and top inclusive, right and bottom exclusive.
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // The same rectangle with left <= right and top <= bottom.
  Rect Normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;

 private:
  // (a + b) / 2 truncated toward zero, with the sum wrapped to 32 bits first.
  static std::int32_t Mid(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)) / 2;
  }
};

// Converts a double to an integer toward zero; values beyond the 32-bit range saturate
// and NaN gives 0, where a plain conversion would be undefined.
std::int32_t TruncToInt(double value);

}  // namespace pelmoro
