#include "output/gif_palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "output/nearest_color.h"

namespace pelmoro {

namespace {

constexpr std::size_t kMaxColors = 256;
// A key above every 24-bit colour.
constexpr std::uint32_t kNoColor = 0xFF000000u;

// Channel 0 is red, 1 green, 2 blue of a 0x00RRGGBB colour.
int Channel(std::uint32_t color, int axis) { return static_cast<int>((color >> (16 - 8 * axis)) & 0xFF); }

std::uint32_t MakeColor(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

// Pixel count, sums and sums of squares of the channels of a set of colours.
struct ChannelSums {
  double count = 0;
  std::array<double, 3> sum{};
  std::array<double, 3> squares{};

  void Add(const ColorCount& c) {
    count += c.count;
    for (int axis = 0; axis < 3; ++axis) {
      const double v = Channel(c.color, axis);
      sum[axis] += v * c.count;
      squares[axis] += v * v * c.count;
    }
  }
  ChannelSums Minus(const ChannelSums& part) const {
    ChannelSums rest;
    rest.count = count - part.count;
    for (int axis = 0; axis < 3; ++axis) {
      rest.sum[axis] = sum[axis] - part.sum[axis];
      rest.squares[axis] = squares[axis] - part.squares[axis];
    }
    return rest;
  }
  // The summed squared distance of the pixels from their mean, along one channel or all.
  double Spread(int axis) const { return count > 0 ? squares[axis] - sum[axis] * sum[axis] / count : 0; }
  double Spread() const { return Spread(0) + Spread(1) + Spread(2); }
  std::uint32_t Mean() const {
    auto mean = [&](int axis) { return std::clamp(static_cast<int>(std::lround(sum[axis] / count)), 0, 255); };
    return MakeColor(mean(0), mean(1), mean(2));
  }
};

// A box of colour space: a range of the colour list, its sums and their spread.
struct Box {
  std::size_t begin;
  std::size_t end;
  ChannelSums sums;
  double spread;
};

Box BoxOf(const std::vector<ColorCount>& colors, std::size_t begin, std::size_t end) {
  ChannelSums sums;
  for (std::size_t i = begin; i < end; ++i) sums.Add(colors[i]);
  return {begin, end, sums, sums.Spread()};
}

int WidestAxis(const ChannelSums& sums) {
  int widest = 0;
  for (int axis = 1; axis < 3; ++axis) {
    if (sums.Spread(axis) > sums.Spread(widest)) widest = axis;
  }
  return widest;
}

// The box that gains most from a split, or none when every box holds one colour.
Box* BoxToSplit(std::vector<Box>& boxes) {
  Box* chosen = nullptr;
  for (Box& box : boxes) {
    if (box.end - box.begin < 2) continue;
    if (chosen == nullptr || box.spread > chosen->spread) chosen = &box;
  }
  return chosen;
}

// Sorts the box's colours along its widest channel and returns the first index of the
// upper half, chosen so that the two halves together spread the least.
std::size_t SplitPoint(std::vector<ColorCount>& colors, const Box& box) {
  const int axis = WidestAxis(box.sums);
  std::sort(colors.begin() + static_cast<std::ptrdiff_t>(box.begin),
            colors.begin() + static_cast<std::ptrdiff_t>(box.end), [axis](const ColorCount& a, const ColorCount& b) {
              const int ca = Channel(a.color, axis);
              const int cb = Channel(b.color, axis);
              return ca != cb ? ca < cb : a.color < b.color;
            });
  ChannelSums lower;
  std::size_t best = box.begin + 1;
  double bestSpread = -1;
  for (std::size_t i = box.begin + 1; i < box.end; ++i) {
    lower.Add(colors[i - 1]);
    const double spread = lower.Spread() + box.sums.Minus(lower).Spread();
    if (bestSpread < 0 || spread < bestSpread) {
      bestSpread = spread;
      best = i;
    }
  }
  return best;
}

// Quantisation errors carried to the pixels not yet visited, in sixteenths, for the row
// being mapped and the next one; one spare column at each end saves edge checks.
class ErrorRows {
 public:
  explicit ErrorRows(std::int32_t width)
      : current_((static_cast<std::size_t>(width) + 2) * 3), next_(current_.size()) {}

  int Carried(std::int32_t x, int axis) const { return (current_[Index(x, axis)] + 8) >> 4; }
  // Floyd-Steinberg: 7/16 ahead, 3/16 below behind, 5/16 below, 1/16 below ahead.
  void Spread(std::int32_t x, std::int32_t ahead, int axis, int error) {
    current_[Index(x + ahead, axis)] += error * 7;
    next_[Index(x - ahead, axis)] += error * 3;
    next_[Index(x, axis)] += error * 5;
    next_[Index(x + ahead, axis)] += error;
  }
  void NextRow() {
    current_.swap(next_);
    std::fill(next_.begin(), next_.end(), 0);
  }

 private:
  static std::size_t Index(std::int32_t x, int axis) { return static_cast<std::size_t>(x + 1) * 3 + axis; }
  std::vector<int> current_;
  std::vector<int> next_;
};

// Maps every pixel to the palette with error diffusion, in serpentine order so the
// diffusion has no drift toward one side.
std::vector<std::uint8_t> DitherToPalette(const ImageView& picture, const std::vector<std::uint32_t>& palette,
                                          std::uint8_t transparentIndex) {
  NearestColor nearest(palette);
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  ErrorRows errors(picture.width);
  for (std::int32_t y = 0; y < picture.height; ++y) {
    const bool forward = y % 2 == 0;
    const std::int32_t ahead = forward ? 1 : -1;
    const std::uint32_t* row = picture.Row(y);
    for (std::int32_t i = 0; i < picture.width; ++i) {
      const std::int32_t x = forward ? i : picture.width - 1 - i;
      const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + x;
      if (IsTransparentPixel(picture, row[x])) {
        indices[at] = transparentIndex;
        continue;
      }
      std::array<int, 3> value;
      for (int axis = 0; axis < 3; ++axis) {
        value[axis] = std::clamp(Channel(row[x], axis) + errors.Carried(x, axis), 0, 255);
      }
      const int index = nearest.Find(value[0], value[1], value[2]);
      const std::array<int, 3>& entry = nearest.Entry(index);
      indices[at] = static_cast<std::uint8_t>(index);
      for (int axis = 0; axis < 3; ++axis) errors.Spread(x, ahead, axis, value[axis] - entry[axis]);
    }
    errors.NextRow();
  }
  return indices;
}

// Maps every pixel to its own colour in a palette that holds all of them.
std::vector<std::uint8_t> MapExactly(const ImageView& picture, const std::vector<std::uint32_t>& palette,
                                     std::uint8_t transparentIndex) {
  std::vector<std::uint8_t> indices;
  indices.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (std::int32_t y = 0; y < picture.height; ++y) {
    const std::uint32_t* row = picture.Row(y);
    for (std::int32_t x = 0; x < picture.width; ++x) {
      if (IsTransparentPixel(picture, row[x])) {
        indices.push_back(transparentIndex);
        continue;
      }
      const auto found = std::lower_bound(palette.begin(), palette.end(), row[x] & 0xFFFFFFu);
      indices.push_back(static_cast<std::uint8_t>(found - palette.begin()));
    }
  }
  return indices;
}

// The pixel counts of distinct colours, in an open-addressing table that doubles in size
// whenever it is half full.
class ColorTable {
 public:
  ColorTable() : slots_(1024) {}

  void Add(std::uint32_t color, std::uint32_t count) {
    Slot* slot = &Find(color);
    if (slot->key == 0) {
      if ((used_ + 1) * 2 > slots_.size()) {
        Grow();
        slot = &Find(color);
      }
      slot->key = color | kUsed;
      ++used_;
    }
    slot->count += count;
  }

  std::vector<ColorCount> Sorted() const {
    std::vector<ColorCount> counts;
    counts.reserve(used_);
    for (const Slot& slot : slots_) {
      if (slot.key != 0) counts.push_back({slot.key & ~kUsed, slot.count});
    }
    std::sort(counts.begin(), counts.end(), [](const ColorCount& a, const ColorCount& b) { return a.color < b.color; });
    return counts;
  }

 private:
  static constexpr std::uint32_t kUsed = 1u << 24;
  struct Slot {
    std::uint32_t key = 0;  // the colour with kUsed set, or 0 for a free slot
    std::uint32_t count = 0;
  };

  Slot& Find(std::uint32_t color) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = ((color | kUsed) * 2654435761u) & mask;
    while (slots_[i].key != 0 && slots_[i].key != (color | kUsed)) i = (i + 1) & mask;
    return slots_[i];
  }
  void Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old) {
      if (slot.key != 0) Find(slot.key & ~kUsed) = slot;
    }
  }

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

}  // namespace

struct ColorCounter::Table : ColorTable {};

ColorCounter::ColorCounter() : table_(std::make_unique<Table>()) {}
ColorCounter::~ColorCounter() = default;

void ColorCounter::Add(const ImageView& picture) {
  // Runs of one colour along a row are counted before they go into the table.
  if (picture.IsEmpty()) return;
  // Transparent pixels run under a key that is no colour and are not counted.
  auto key = [&picture](std::uint32_t pixel) {
    return IsTransparentPixel(picture, pixel) ? kNoColor : pixel & 0xFFFFFFu;
  };
  auto add = [this](std::uint32_t color, std::uint32_t run) {
    if (color != kNoColor) table_->Add(color, run);
  };
  for (std::int32_t y = 0; y < picture.height; ++y) {
    const std::uint32_t* row = picture.Row(y);
    std::uint32_t color = key(row[0]);
    std::uint32_t run = 0;
    for (std::int32_t x = 0; x < picture.width; ++x) {
      const std::uint32_t next = key(row[x]);
      if (next != color) {
        add(color, run);
        color = next;
        run = 0;
      }
      ++run;
    }
    add(color, run);
  }
}

std::vector<ColorCount> ColorCounter::Sorted() const { return table_->Sorted(); }

std::vector<ColorCount> CountColors(const ImageView& picture) {
  ColorCounter counter;
  counter.Add(picture);
  return counter.Sorted();
}

std::vector<std::uint32_t> MedianCutPalette(std::vector<ColorCount> colors, std::size_t maxColors) {
  std::vector<Box> boxes;
  if (colors.empty() || maxColors == 0) return {};
  boxes.reserve(maxColors);
  boxes.push_back(BoxOf(colors, 0, colors.size()));
  while (boxes.size() < maxColors) {
    Box* box = BoxToSplit(boxes);
    if (box == nullptr) break;
    const std::size_t split = SplitPoint(colors, *box);
    const Box upper = BoxOf(colors, split, box->end);
    *box = BoxOf(colors, box->begin, split);
    boxes.push_back(upper);  // may move the boxes, so `box` is not used after this
  }
  std::vector<std::uint32_t> palette;
  for (const Box& box : boxes) palette.push_back(box.sums.Mean());
  return palette;
}

std::vector<std::uint32_t> PaletteFor(std::vector<ColorCount> colors, std::size_t maxColors) {
  if (colors.size() > maxColors) return MedianCutPalette(std::move(colors), maxColors);
  std::vector<std::uint32_t> palette;
  palette.reserve(colors.size());
  for (const ColorCount& c : colors) palette.push_back(c.color);
  return palette;
}

std::vector<std::uint8_t> MapToPalette(const ImageView& picture, const std::vector<std::uint32_t>& palette,
                                       std::uint8_t transparentIndex, bool exact) {
  return exact ? MapExactly(picture, palette, transparentIndex) : DitherToPalette(picture, palette, transparentIndex);
}

PalettedPicture ReduceTo256Colors(const ImageView& picture) {
  std::vector<ColorCount> colors = CountColors(picture);
  std::uint64_t opaque = 0;
  for (const ColorCount& c : colors) opaque += c.count;
  const bool transparent =
      opaque < static_cast<std::uint64_t>(picture.width) * static_cast<std::uint64_t>(picture.height);
  const std::size_t maxColors = transparent ? kMaxColors - 1 : kMaxColors;
  const bool exact = colors.size() <= maxColors;
  PalettedPicture result;
  result.palette = PaletteFor(std::move(colors), maxColors);
  // Only read when there are transparent pixels, and then the palette holds at most 255.
  const auto transparentIndex = static_cast<std::uint8_t>(result.palette.size());
  result.indices = MapToPalette(picture, result.palette, transparentIndex, exact);
  if (transparent) {
    result.transparentIndex = transparentIndex;
    result.palette.push_back(0);
  }
  return result;
}

}  // namespace pelmoro
