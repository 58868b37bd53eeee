#pragma once
#include <cstdint>

#include "model/color.h"

namespace pelmoro {

class CRandom;

enum FaceType : std::int32_t { FaceOval = 0, FaceSquare = 1 };
enum GlassesKind : std::int32_t { GlassesNone = 0, GlassesBlackRimmed = 1, GlassesMetalRimmed = 2, Sunglasses = 3 };
enum MustacheKind : std::int32_t { MustacheNone = 0, MustacheOnly = 1, BeardOnly = 2, MustacheAndBeard = 3 };

// The record from which the one cartoon face is drawn: 25 small integers, one for each
// slider and list of the control panel. Members are public and read and written directly.
class CFace {
 public:
  static constexpr int kColorCount = 11;
  static const Color faceColors[kColorCount];
  static const Color hairColors[kColorCount];

  bool loadFailed = false;
  std::int32_t faceSize = 0;
  std::int32_t faceShape = 0;
  std::int32_t faceColor = 0;
  std::int32_t forehead = 0;
  std::int32_t hairVolume = 0;
  std::int32_t hairThickness = 0;
  std::int32_t hairType = 0;
  std::int32_t hairLength = 0;
  std::int32_t hairWidth = 0;
  std::int32_t hairColor = 0;
  std::int32_t eyeSize = 0;
  std::int32_t eyeHeight = 0;
  std::int32_t eyeWidth = 0;
  std::int32_t eyeShape = 0;
  std::int32_t mouthSize = 0;
  std::int32_t mouthHeight = 0;
  std::int32_t browLength = 0;
  std::int32_t browWidth = 0;
  std::int32_t browShape = 0;
  std::int32_t noseSize = 0;
  std::int32_t noseHeight = 0;
  std::int32_t earSize = 0;
  std::int32_t faceType = 0;
  std::int32_t glasses = 0;
  std::int32_t mustache = 0;
  std::int32_t formatVersion = 1000;

  // Colour lookups. An index outside the table (11 from a file, anything after a failed
  // load) is clamped to 0..10 so it never reads outside it.
  Color GetFaceColor() const;
  Color GetHairColor() const;

  // Gives all 25 parameters random values; takes exactly 28 numbers from the generator.
  void Randomize(CRandom& random);

  // The 22 slider parameters in slider order (slider i writes parameter i + 1).
  static constexpr int kSliderCount = 22;
  std::int32_t& SliderParameter(int index);
  std::int32_t SliderParameter(int index) const;

  // The 25 parameters in the document's order (also the order Randomize draws in).
  static constexpr int kParameterCount = 25;
  std::int32_t& DocumentParameter(int index);
  static const char* DocumentParameterName(int index);
  // Largest value the document reader accepts for the parameter (the smallest is 0).
  static std::int32_t DocumentParameterMax(int index);
};

bool operator==(const CFace& a, const CFace& b);

}  // namespace pelmoro
