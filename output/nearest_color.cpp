#include "output/nearest_color.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace pelmoro {

namespace {

int Square(int v) { return v * v; }

// The squared distances from the value v to the nearest and the farthest point of the
// range [lo, hi] of one channel.
int NearSquare(int v, int lo, int hi) { return v < lo ? Square(lo - v) : v > hi ? Square(v - hi) : 0; }
int FarSquare(int v, int lo, int hi) { return Square(std::max(std::abs(v - lo), std::abs(v - hi))); }

}  // namespace

NearestColor::NearestColor(const std::vector<std::uint32_t>& palette)
    : cells_(static_cast<std::size_t>(kCellsPerAxis * kCellsPerAxis * kCellsPerAxis)),
      recentKeys_(std::size_t{1} << kRecentBits),
      recentIndices_(recentKeys_.size()) {
  entries_.reserve(palette.size());
  for (std::uint32_t color : palette) {
    entries_.push_back({static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                        static_cast<int>(color & 0xFF)});
  }
}

// An entry can be the nearest to a colour of the cell only if its distance to the cell is
// at most the smallest distance any entry has to the cell's farthest point: every other
// entry is farther from every colour of the cell than that one. Entries stay in palette
// order, so a scan of the list settles ties as a scan of the whole palette does.
void NearestColor::BuildCell(std::size_t cell, int r, int g, int b) {
  constexpr int kSide = 1 << kCellBits;
  const std::array<int, 3> lo{r & ~(kSide - 1), g & ~(kSide - 1), b & ~(kSide - 1)};
  auto near = [&](const std::array<int, 3>& e) {
    return NearSquare(e[0], lo[0], lo[0] + kSide - 1) + NearSquare(e[1], lo[1], lo[1] + kSide - 1) +
           NearSquare(e[2], lo[2], lo[2] + kSide - 1);
  };
  auto far = [&](const std::array<int, 3>& e) {
    return FarSquare(e[0], lo[0], lo[0] + kSide - 1) + FarSquare(e[1], lo[1], lo[1] + kSide - 1) +
           FarSquare(e[2], lo[2], lo[2] + kSide - 1);
  };
  int bound = INT_MAX;
  for (const auto& e : entries_) bound = std::min(bound, far(e));
  Cell& c = cells_[cell];
  c.begin = static_cast<std::uint32_t>(candidates_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (near(entries_[i]) <= bound) candidates_.push_back(static_cast<std::uint8_t>(i));
  }
  c.count = static_cast<std::uint32_t>(candidates_.size()) - c.begin;
  c.built = true;
}

int NearestColor::Find(int r, int g, int b) {
  const std::uint32_t key = std::uint32_t{1} << 24 | static_cast<std::uint32_t>(r << 16 | g << 8 | b);
  const std::size_t slot = (key * 2654435761u) >> (32 - kRecentBits);
  if (recentKeys_[slot] != key) {
    recentKeys_[slot] = key;
    recentIndices_[slot] = static_cast<std::uint8_t>(Search(r, g, b));
  }
  return recentIndices_[slot];
}

int NearestColor::Search(int r, int g, int b) {
  const std::size_t cell = static_cast<std::size_t>(
      ((r >> kCellBits) * kCellsPerAxis + (g >> kCellBits)) * kCellsPerAxis + (b >> kCellBits));
  if (!cells_[cell].built) BuildCell(cell, r, g, b);
  const Cell& c = cells_[cell];
  int best = 0;
  int bestDistance = INT_MAX;
  for (std::uint32_t k = c.begin; k < c.begin + c.count; ++k) {
    const std::array<int, 3>& e = entries_[candidates_[k]];
    const int distance = Square(r - e[0]) + Square(g - e[1]) + Square(b - e[2]);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidates_[k];
      if (distance == 0) break;
    }
  }
  return best;
}

}  // namespace pelmoro
