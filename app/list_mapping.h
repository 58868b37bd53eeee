#pragma once
#include <array>
#include <cstdint>

class QComboBox;

namespace pelmoro {

// The items of the three lists, in list order.
inline constexpr std::array<const char*, 2> kFaceTypeItems{"oval", "square"};
inline constexpr std::array<const char*, 4> kGlassesItems{"none", "black-rimmed", "metal-rimmed", "sunglasses"};
inline constexpr std::array<const char*, 4> kMustacheItems{"none", "mustache", "beard", "both"};

// The item that shows a face value: 0, 1 and 2 their own items, any other value the last
// item ("square" for every face type but 0).
const char* FaceTypeItemText(std::int32_t faceType);
const char* GlassesItemText(std::int32_t glasses);
const char* MustacheItemText(std::int32_t mustache);

// The face type a list selection stands for: 0 for the first item, 1 for anything else.
std::int32_t FaceTypeFromListIndex(int index);

// Selects the first item whose text starts with `text` (any case), without notifying.
void SelectListItem(QComboBox& list, const char* text);

}  // namespace pelmoro
