#pragma once
#include <array>

namespace pelmoro {

// A rectangle in dialog units: x, y, width, height.
struct DluRect {
  int x;
  int y;
  int width;
  int height;
};

struct LabelTemplate {
  const char* text;
  DluRect rect;
  bool alignRight;
};

// The main dialog's layout in dialog units. The preview's rectangle only places its
// top-left corner: the preview itself is always 224 x 192 pixels.
namespace face_dlg_template {

inline constexpr DluRect kClientArea{0, 0, 426, 165};
inline constexpr DluRect kPreview{139, 8, 137, 125};
inline constexpr DluRect kSeparator{0, 1, 425, 1};
inline constexpr DluRect kFaceTypeList{53, 131, 82, 14};
inline constexpr DluRect kGlassesList{173, 131, 82, 14};
inline constexpr DluRect kMustacheList{294, 131, 82, 14};
inline constexpr DluRect kRandomFaceButton{173, 147, 82, 14};
// Beside "Random face", clear of the preview, the lists and their labels.
inline constexpr DluRect kAnimateCheckBox{262, 149, 44, 10};

inline constexpr int kSliderCount = 22;
// Slider i: the left column holds 0 to 10, the right column 11 to 21.
DluRect SliderRect(int index);

// The slider labels in slider order, then "face type", "glasses", "mustache".
const std::array<LabelTemplate, 25>& Labels();

}  // namespace face_dlg_template
}  // namespace pelmoro
