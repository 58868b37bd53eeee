// The paint pipeline: background, gradient, layout, the renderers in their order and the
// selection; and every renderer leaving the pen and brush as it found them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "golden_faces.h"
#include "render/recording_surface.h"

namespace pelmoro {
namespace {

using Call = RecordingSurface::Call;
using Calls = std::vector<Call>;
using Op = RecordingSurface::Op;

// Every recorded field, so that two lists compare equal only when the renderers asked
// for exactly the same figures with the same pens and brushes.
std::string Describe(const Call& call) {
  std::string text = call.ToString();
  text += " start " + std::to_string(call.start.x) + "," + std::to_string(call.start.y);
  text += " end " + std::to_string(call.end.x) + "," + std::to_string(call.end.y);
  text += " a " + std::to_string(call.a) + " b " + std::to_string(call.b);
  text += " c2 " + std::to_string(call.color2);
  return text;
}

std::vector<std::string> Describe(const Calls& calls) {
  std::vector<std::string> lines;
  for (const Call& call : calls) lines.push_back(Describe(call));
  return lines;
}

using Renderer = std::function<void(const FacePicture&, Surface&)>;

// What the renderers draw one after the other, each on a fresh surface, so a renderer that
// leaked its pen or brush into the next one would show as a difference.
Calls Concatenate(const FacePicture& picture, const std::vector<Renderer>& renderers) {
  Calls all;
  for (const Renderer& render : renderers) {
    RecordingSurface surface;
    render(picture, surface);
    all.insert(all.end(), surface.calls().begin(), surface.calls().end());
  }
  return all;
}

Calls ExpectedFeatures(const CFace& face) {
  const FacePicture picture = LaidOut(face);
  std::vector<Renderer> renderers = {
      &FacePicture::DrawBackHair, &FacePicture::DrawNeck, &FacePicture::DrawEars,  &FacePicture::DrawHead,
      &FacePicture::DrawHair,     &FacePicture::DrawEyes, &FacePicture::DrawMouth, &FacePicture::DrawBrows,
  };
  if (face.glasses > 0) {
    renderers.push_back([&](const FacePicture& p, Surface& s) { p.DrawGlasses(s, face.glasses); });
  }
  if (face.mustache > 0) {
    renderers.push_back([&](const FacePicture& p, Surface& s) { p.DrawBeard(s, face.mustache); });
  }
  renderers.push_back(&FacePicture::DrawNose);
  renderers.push_back(&FacePicture::DrawHairFront);
  return Concatenate(picture, renderers);
}

// The calls of a paint after the background (and gradient) fills.
Calls FeatureCalls(const Calls& paint, std::size_t backgroundCalls) {
  if (paint.size() < backgroundCalls) return {};
  return Calls(paint.begin() + static_cast<std::ptrdiff_t>(backgroundCalls), paint.end());
}

Calls Paint(FacePicture& picture, const SelectionLayer* selection = nullptr) {
  RecordingSurface surface;
  picture.Paint(surface, selection);
  return surface.calls();
}

TEST(Paint, DrawsEveryFeatureInOrderOverTheBackground) {
  for (const std::int32_t hairType : {2, 4, 9}) {
    SCOPED_TRACE(hairType);
    CFace face = SliderFace(5);
    face.hairType = hairType;
    FacePicture picture;
    picture.m_face = face;
    picture.m_fill.m_crBackground = 0x00123456;
    const Calls calls = Paint(picture);

    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, Op::FillSolidRect);
    EXPECT_EQ(calls[0].rect, (Rect{0, 0, 224, 192}));
    EXPECT_EQ(calls[0].color, 0x00123456u);
    EXPECT_EQ(Describe(FeatureCalls(calls, 1)), Describe(ExpectedFeatures(face)));
  }
}

TEST(Paint, GlassesAndBeardOnlyWhenPositiveWithTheirKind) {
  struct Lists {
    std::int32_t glasses, mustache;
  };
  for (const Lists lists : {Lists{0, 0}, Lists{2, 0}, Lists{0, 3}, Lists{3, 1}, Lists{4, 4}, Lists{-1, -2},
                            Lists{INT32_MIN, INT32_MIN}, Lists{INT32_MAX, INT32_MAX}}) {
    SCOPED_TRACE(testing::Message() << "glasses " << lists.glasses << " mustache " << lists.mustache);
    const CFace face = SliderFace(5, FaceOval, lists.glasses, lists.mustache);
    FacePicture picture;
    picture.m_face = face;
    EXPECT_EQ(Describe(FeatureCalls(Paint(picture), 1)), Describe(ExpectedFeatures(face)));
  }
}

TEST(Paint, RecomputesTheLayoutForTheCurrentFace) {
  FacePicture picture = LaidOut(SliderFace(9));  // a stale layout of another face
  picture.m_face = SliderFace(2);
  EXPECT_EQ(Describe(FeatureCalls(Paint(picture), 1)), Describe(ExpectedFeatures(SliderFace(2))));
}

TEST(Paint, GradientOnlyForFillTypeExactlyOne) {
  FacePicture picture;
  picture.m_face = SliderFace(5);
  picture.m_fill.m_crGradientFrom = 0x00010203;
  picture.m_fill.m_crGradientTo = 0x00A0B0C0;
  picture.m_fill.m_bHorizontal = 0;
  picture.m_fill.m_bBackwardDiagonal = 1;

  picture.m_fill.m_nFillType = FillGradient;
  Calls calls = Paint(picture);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[0].op, Op::FillSolidRect);
  EXPECT_EQ(calls[1].op, Op::GradientFill);
  EXPECT_EQ(calls[1].rect, (Rect{0, 0, 224, 192}));
  EXPECT_EQ(calls[1].color, 0x00010203u);
  EXPECT_EQ(calls[1].color2, 0x00A0B0C0u);
  EXPECT_EQ(calls[1].a, GradientBackwardDiagonal);
  EXPECT_EQ(Describe(FeatureCalls(calls, 2)), Describe(ExpectedFeatures(picture.m_face)));

  for (const std::int32_t fillType : {0, 2, -1, INT32_MAX}) {
    picture.m_fill.m_nFillType = fillType;
    calls = Paint(picture);
    for (const Call& call : calls) EXPECT_NE(call.op, Op::GradientFill) << "fill type " << fillType;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, Op::FillSolidRect);
  }
}

// Draws one marker figure, so the test can see where in the paint the layer came.
class MarkerLayer : public SelectionLayer {
 public:
  void Draw(Surface& surface) const override { surface.Ellipse({1, 2, 3, 4}); }
};

TEST(Paint, SelectionLayerComesLast) {
  FacePicture picture;
  picture.m_face = SliderFace(5, FaceOval, Sunglasses, MustacheAndBeard);
  picture.m_face.hairType = 9;
  const MarkerLayer layer;
  const Calls with = Paint(picture, &layer);
  const Calls without = Paint(picture);
  ASSERT_EQ(with.size(), without.size() + 1);
  EXPECT_EQ(with.back().op, Op::Ellipse);
  EXPECT_EQ(with.back().rect, (Rect{1, 2, 3, 4}));
}

TEST(Renderers, LeavePenAndBrushAsTheyFoundThem) {
  constexpr Color kPen = 0x00ABCDEF;
  constexpr Color kBrush = 0x00FEDCBA;
  const std::vector<std::pair<const char*, Renderer>> renderers = {
      {"DrawBackHair", &FacePicture::DrawBackHair},
      {"DrawNeck", &FacePicture::DrawNeck},
      {"DrawEars", &FacePicture::DrawEars},
      {"DrawHead", &FacePicture::DrawHead},
      {"DrawHair", &FacePicture::DrawHair},
      {"DrawEyes", &FacePicture::DrawEyes},
      {"DrawMouth", &FacePicture::DrawMouth},
      {"DrawBrows", &FacePicture::DrawBrows},
      {"DrawGlasses", [](const FacePicture& p, Surface& s) { p.DrawGlasses(s, p.m_face.glasses); }},
      {"DrawBeard", [](const FacePicture& p, Surface& s) { p.DrawBeard(s, p.m_face.mustache); }},
      {"DrawNose", &FacePicture::DrawNose},
      {"DrawHairFront", &FacePicture::DrawHairFront},
  };
  for (std::int32_t variant = 0; variant <= 11; ++variant) {
    CFace face = SliderFace(5, variant % 2, variant % 5, variant % 5);
    face.hairType = variant;
    FacePicture picture = LaidOut(face);
    picture.m_nEyePose = variant % 3;
    picture.m_nMouthPose = variant % 3;
    picture.m_nBrowPose = variant % 3;
    for (const auto& [name, render] : renderers) {
      RecordingSurface surface;
      surface.SelectPen(kPen);
      surface.SelectBrush(kBrush);
      render(picture, surface);
      EXPECT_EQ(surface.Pen(), kPen) << name << " variant " << variant;
      EXPECT_EQ(surface.Brush(), kBrush) << name << " variant " << variant;
    }
  }
}

}  // namespace
}  // namespace pelmoro
