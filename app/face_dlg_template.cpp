#include "app/face_dlg_template.h"

namespace pelmoro::face_dlg_template {

namespace {

constexpr int kSliderWidth = 89;
constexpr int kSliderHeight = 11;
constexpr int kLeftColumnX = 49;
constexpr int kRightColumnX = 290;
constexpr int kColumnLength = 11;
// The sixth slider sits at 62 like its label, so it does not overlap the one above it.
constexpr std::array<int, kColumnLength> kRightColumnY{7, 18, 29, 40, 51, 62, 73, 84, 95, 106, 117};

constexpr std::array<LabelTemplate, 25> kLabels{{
    {"face size", {7, 8, 40, 8}, true},       {"face shape", {6, 19, 41, 8}, true},
    {"face color", {7, 30, 40, 8}, true},     {"forehead", {8, 41, 39, 8}, true},
    {"hair volume", {4, 52, 43, 8}, true},    {"hair thickness", {0, 63, 47, 8}, true},
    {"hair type", {13, 74, 34, 8}, true},     {"hair length", {11, 85, 36, 8}, true},
    {"hair width", {12, 96, 35, 8}, true},    {"hair color", {11, 107, 36, 8}, true},
    {"eye size", {13, 118, 34, 8}, true},     {"eye height", {381, 7, 33, 8}, true},
    {"eye width", {381, 18, 30, 8}, true},    {"eye shape", {381, 29, 33, 8}, true},
    {"mouth size", {381, 40, 33, 8}, true},   {"mouth height", {381, 51, 41, 8}, true},
    {"brow length", {381, 62, 37, 8}, true},  {"brow width", {381, 73, 34, 8}, true},
    {"brow shape", {381, 84, 37, 8}, true},   {"nose size", {381, 95, 29, 8}, true},
    {"nose height", {381, 106, 37, 8}, true}, {"ear size", {381, 117, 24, 8}, true},
    {"face type", {17, 133, 30, 8}, false},   {"glasses", {145, 133, 24, 8}, false},
    {"mustache", {381, 133, 32, 8}, false},
}};

}  // namespace

DluRect SliderRect(int index) {
  if (index < kColumnLength) return {kLeftColumnX, 7 + 11 * index, kSliderWidth, kSliderHeight};
  return {kRightColumnX, kRightColumnY[index - kColumnLength], kSliderWidth, kSliderHeight};
}

const std::array<LabelTemplate, 25>& Labels() { return kLabels; }

}  // namespace pelmoro::face_dlg_template
