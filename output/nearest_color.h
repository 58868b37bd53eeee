#pragma once
// The nearest palette entry of a colour, found through an inverse colour map: the colour
// cube is cut into cells, and each cell keeps the few entries that can be nearest to some
// colour inside it, worked out the first time the cell is asked for. Recent answers are
// remembered by colour, since a picture asks for the same few colours again and again.
#include <array>
#include <cstdint>
#include <vector>

namespace pelmoro {

class NearestColor {
 public:
  // The palette as 0x00RRGGBB entries (at most 256).
  explicit NearestColor(const std::vector<std::uint32_t>& palette);

  // The index of the entry at the least squared distance from (r, g, b), each 0..255; of
  // several at the same distance, the first. The same answer as comparing every entry.
  int Find(int r, int g, int b);

  const std::array<int, 3>& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

 private:
  static constexpr int kCellBits = 4;  // cells of 16 x 16 x 16 colours
  static constexpr int kCellsPerAxis = 256 >> kCellBits;

  struct Cell {
    std::uint32_t begin = 0;
    std::uint32_t count = 0;
    bool built = false;
  };

  static constexpr int kRecentBits = 12;

  void BuildCell(std::size_t cell, int r, int g, int b);
  int Search(int r, int g, int b);

  std::vector<std::array<int, 3>> entries_;
  std::vector<Cell> cells_;
  std::vector<std::uint8_t> candidates_;   // the cells' entry lists, one after another
  std::vector<std::uint32_t> recentKeys_;  // 1 << 24 | colour, or 0 for an empty slot
  std::vector<std::uint8_t> recentIndices_;
};

}  // namespace pelmoro
