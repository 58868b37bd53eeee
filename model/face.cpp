#include "model/face.h"

#include <algorithm>

#include "model/random.h"

namespace pelmoro {

const Color CFace::faceColors[kColorCount] = {
    0x00F0F8FF, 0x00E0F0FF, 0x00D0E0FF, 0x00C0D0F0, 0x00B0C0E0, 0x00A0B0D0,
    0x0090A0C0, 0x007080A0, 0x00506080, 0x00304060, 0x00102040,
};

const Color CFace::hairColors[kColorCount] = {
    0x00000000, 0x00102040, 0x00304060, 0x00506080, 0x005A5A5A, 0x00C0C0C0,
    0x00E0E0E0, 0x0040FFFF, 0x0010B4FF, 0x0020A0D0, 0x0040A0C0,
};

namespace {

int ClampColorIndex(std::int32_t index) { return std::clamp<std::int32_t>(index, 0, CFace::kColorCount - 1); }

// Member pointers in the document's order, with the largest value a document may hold.
struct ParameterInfo {
  std::int32_t CFace::*member;
  const char* name;
  std::int32_t max;
};

constexpr ParameterInfo kDocumentOrder[CFace::kParameterCount] = {
    {&CFace::faceSize, "faceSize", 11},
    {&CFace::faceShape, "faceShape", 11},
    {&CFace::hairVolume, "hairVolume", 11},
    {&CFace::forehead, "forehead", 11},
    {&CFace::hairThickness, "hairThickness", 11},
    {&CFace::eyeSize, "eyeSize", 11},
    {&CFace::eyeHeight, "eyeHeight", 11},
    {&CFace::eyeWidth, "eyeWidth", 11},
    {&CFace::eyeShape, "eyeShape", 11},
    {&CFace::mouthSize, "mouthSize", 11},
    {&CFace::mouthHeight, "mouthHeight", 11},
    {&CFace::hairWidth, "hairWidth", 11},
    {&CFace::hairLength, "hairLength", 11},
    {&CFace::browLength, "browLength", 11},
    {&CFace::browWidth, "browWidth", 11},
    {&CFace::browShape, "browShape", 11},
    {&CFace::faceColor, "faceColor", 11},
    {&CFace::noseSize, "noseSize", 11},
    {&CFace::noseHeight, "noseHeight", 11},
    {&CFace::hairColor, "hairColor", 11},
    {&CFace::faceType, "faceType", 1},
    {&CFace::glasses, "glasses", 4},
    {&CFace::mustache, "mustache", 4},
    {&CFace::earSize, "earSize", 11},
    {&CFace::hairType, "hairType", 11},
};

// The slider parameters in declaration order, which is the order of the slider identifiers.
constexpr std::int32_t CFace::*kSliderOrder[CFace::kSliderCount] = {
    &CFace::faceSize,      &CFace::faceShape,  &CFace::faceColor,  &CFace::forehead,  &CFace::hairVolume,
    &CFace::hairThickness, &CFace::hairType,   &CFace::hairLength, &CFace::hairWidth, &CFace::hairColor,
    &CFace::eyeSize,       &CFace::eyeHeight,  &CFace::eyeWidth,   &CFace::eyeShape,  &CFace::mouthSize,
    &CFace::mouthHeight,   &CFace::browLength, &CFace::browWidth,  &CFace::browShape, &CFace::noseSize,
    &CFace::noseHeight,    &CFace::earSize,
};

}  // namespace

Color CFace::GetFaceColor() const { return faceColors[ClampColorIndex(faceColor)]; }
Color CFace::GetHairColor() const { return hairColors[ClampColorIndex(hairColor)]; }

void CFace::Randomize(CRandom& random) {
  for (const ParameterInfo& p : kDocumentOrder) this->*p.member = random.Next() % 11;
  faceType = random.Next() % 2;
  glasses = std::max(random.Next() % 6 - 2, 0);
  mustache = std::max(random.Next() % 8 - 4, 0);
}

std::int32_t& CFace::SliderParameter(int index) { return this->*kSliderOrder[index]; }
std::int32_t CFace::SliderParameter(int index) const { return this->*kSliderOrder[index]; }

std::int32_t& CFace::DocumentParameter(int index) { return this->*kDocumentOrder[index].member; }
const char* CFace::DocumentParameterName(int index) { return kDocumentOrder[index].name; }
std::int32_t CFace::DocumentParameterMax(int index) { return kDocumentOrder[index].max; }

bool operator==(const CFace& a, const CFace& b) {
  if (a.loadFailed != b.loadFailed || a.formatVersion != b.formatVersion) return false;
  for (const ParameterInfo& p : kDocumentOrder)
    if (a.*p.member != b.*p.member) return false;
  return true;
}

}  // namespace pelmoro
