#pragma once
// Small pictures of the raster surface as text, so coverage tests read like the figures.
#include <initializer_list>
#include <string>
#include <vector>

#include "render/memory_dc.h"

namespace pelmoro::testing {

inline constexpr Color kPaper = 0x00FFFFFF;
inline constexpr Color kInk = 0x000000FF;
inline constexpr Color kFill = 0x0000FF00;

// The pixels of (x0, y0, w, h) as text, one line per row: '.' paper, '#' ink (pen),
// 'o' fill (brush), '?' anything else.
inline std::string Picture(const CMemoryDC& dc, int x0, int y0, int w, int h) {
  std::string text;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      const Color c = dc.GetPixel(x, y);
      text += c == kPaper ? '.' : c == kInk ? '#' : c == kFill ? 'o' : '?';
    }
    text += '\n';
  }
  return text;
}

inline std::string Picture(const CMemoryDC& dc) { return Picture(dc, 0, 0, dc.Width(), dc.Height()); }

inline std::string Lines(std::initializer_list<const char*> rows) {
  std::string text;
  for (const char* row : rows) (text += row) += '\n';
  return text;
}

// A width x height grid of picture characters, row after row, as the text of Picture.
inline std::string GridText(const std::vector<char>& grid, int width, int height) {
  std::string text;
  for (int y = 0; y < height; ++y) {
    text.append(grid.begin() + y * width, grid.begin() + (y + 1) * width);
    text += '\n';
  }
  return text;
}

// A surface of paper colour with the ink pen and the fill brush selected.
inline CMemoryDC Paper(int w, int h) {
  CMemoryDC dc(w, h, kPaper);
  dc.SelectPen(kInk);
  dc.SelectBrush(kFill);
  return dc;
}

}  // namespace pelmoro::testing
