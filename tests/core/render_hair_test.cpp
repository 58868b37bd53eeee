// Hair figures: back hair, the nine top styles and the front pieces, for the face with
// every slider parameter 5 (hair mass (42, 5, 182, 120), face (51, 29, 173, 163)).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "golden_faces.h"
#include "render/recording_surface.h"

namespace pelmoro {
namespace {

using Call = RecordingSurface::Call;
using Op = RecordingSurface::Op;

constexpr Color kHair5 = 0x00C0C0C0;
const Rect kHairMass{42, 5, 182, 120};

CFace FaceWithHair(std::int32_t hairType) {
  CFace face = SliderFace(5);
  face.hairType = hairType;
  return face;
}

std::vector<Call> HairCalls(const CFace& face) {
  RecordingSurface surface;
  LaidOut(face).DrawHair(surface);
  return surface.calls();
}

std::vector<Call> FrontCalls(const CFace& face) {
  RecordingSurface surface;
  LaidOut(face).DrawHairFront(surface);
  return surface.calls();
}

void ExpectPie(const Call& call, const Rect& box, Point start, Point end) {
  EXPECT_EQ(call.op, Op::Pie);
  EXPECT_EQ(call.rect, box);
  EXPECT_EQ(call.start, start);
  EXPECT_EQ(call.end, end);
  EXPECT_EQ(call.pen, kHair5);
  EXPECT_EQ(call.brush, kHair5);
}

TEST(DrawBackHair, RoundRectWithFixedCornerForEveryHairType) {
  for (const std::int32_t hairType : {0, 5, 9, 10}) {
    RecordingSurface surface;
    LaidOut(FaceWithHair(hairType)).DrawBackHair(surface);
    ASSERT_EQ(surface.calls().size(), 1u);
    const Call& call = surface.calls()[0];
    EXPECT_EQ(call.op, Op::RoundRect);
    EXPECT_EQ(call.rect, (Rect{51, 33, 173, 167}));
    EXPECT_EQ(call.a, 60);
    EXPECT_EQ(call.b, 60);
    EXPECT_EQ(call.pen, kHair5);
    EXPECT_EQ(call.brush, kHair5);
  }
}

TEST(DrawHair, WorkedPiesOfTypes0_5And8) {
  auto calls = HairCalls(FaceWithHair(0));
  ASSERT_EQ(calls.size(), 1u);
  ExpectPie(calls[0], kHairMass, {180, 49}, {43, 49});

  calls = HairCalls(FaceWithHair(5));
  ASSERT_EQ(calls.size(), 2u);
  ExpectPie(calls[0], {42, 5, 163, 120}, {158, 41}, {45, 82});
  ExpectPie(calls[1], {112, 14, 177, 120}, {171, 82}, {116, 51});

  calls = HairCalls(FaceWithHair(8));
  ASSERT_EQ(calls.size(), 2u);
  ExpectPie(calls[0], {42, 5, 147, 96}, {133, 16}, {54, 83});
  ExpectPie(calls[1], {77, 5, 182, 96}, {168, 83}, {89, 16});
}

TEST(DrawHair, Type2IsWideDomeWithSevenToothFringe) {
  const auto calls = HairCalls(FaceWithHair(2));
  ASSERT_EQ(calls.size(), 2u);
  ExpectPie(calls[0], kHairMass, {181, 68}, {42, 68});

  EXPECT_EQ(calls[1].op, Op::Polygon);
  EXPECT_EQ(calls[1].pen, kHair5);
  EXPECT_EQ(calls[1].brush, kHair5);
  const std::vector<Point> fringe = {{42, 62},  {52, 81},  {62, 62},  {72, 81},  {82, 62},
                                     {92, 81},  {102, 62}, {112, 81}, {122, 62}, {132, 81},
                                     {142, 62}, {152, 81}, {162, 62}, {172, 81}, {182, 62}};
  EXPECT_EQ(calls[1].points, fringe);
}

// Direction of a radial point from the centre of its box, in degrees above the right-hand
// horizontal, in [-90, 270).
double DegreesAboveRight(const Rect& box, Point p) {
  const Point c = box.CenterPoint();
  double degrees = std::atan2(-(p.y - c.y), p.x - c.x) * 180.0 / std::numbers::pi;
  if (degrees < -90.0) degrees += 360.0;
  return degrees;
}

TEST(DrawHair, EveryStyleSpansItsAngularExtent) {
  struct Extent {
    std::int32_t hairType;
    std::vector<std::pair<double, double>> pieces;  // start and end degrees of each pie
  };
  const Extent extents[] = {
      {0, {{10, 170}}},
      {1, {{30, 150}}},
      {2, {{-5, 185}}},
      {3, {{-10, 170}}},
      {4, {{10, 190}}},
      {5, {{20, 200}, {-30, 150}}},
      {6, {{-10, 170}}},
      {7, {{-20, 160}, {30, 210}}},
      {8, {{40, 220}, {-40, 140}}},
  };
  for (const Extent& extent : extents) {
    SCOPED_TRACE(extent.hairType);
    auto calls = HairCalls(FaceWithHair(extent.hairType));
    if (extent.hairType == 2) calls.pop_back();  // the fringe
    ASSERT_EQ(calls.size(), extent.pieces.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
      EXPECT_EQ(calls[i].op, Op::Pie);
      // Truncating a radial point moves it less than a pixel on each axis, which turns
      // its direction by less than 1.5 / radius radians.
      const double tolerance = 1.5 / (calls[i].rect.Width() / 2) * 180.0 / std::numbers::pi;
      EXPECT_NEAR(DegreesAboveRight(calls[i].rect, calls[i].start), extent.pieces[i].first, tolerance);
      EXPECT_NEAR(DegreesAboveRight(calls[i].rect, calls[i].end), extent.pieces[i].second, tolerance);
    }
  }
}

TEST(DrawHair, Type7PiecesMirrorType5) {
  const auto calls = HairCalls(FaceWithHair(7));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].rect, (Rect{61, 5, 182, 120}));   // narrowed by H / 10 on the left
  EXPECT_EQ(calls[1].rect, (Rect{46, 14, 111, 120}));  // from between face and hair left
}

TEST(DrawHair, Types3And6DrawTheSameDome) {
  const auto three = HairCalls(FaceWithHair(3));
  const auto six = HairCalls(FaceWithHair(6));
  ASSERT_EQ(three.size(), 1u);
  ASSERT_EQ(six.size(), 1u);
  EXPECT_EQ(three[0].rect, six[0].rect);
  EXPECT_EQ(three[0].start, six[0].start);
  EXPECT_EQ(three[0].end, six[0].end);
}

TEST(DrawHair, OtherTypesDrawNothing) {
  for (const std::int32_t hairType : {9, 10, 11, -1, INT32_MIN, INT32_MAX}) {
    EXPECT_TRUE(HairCalls(FaceWithHair(hairType)).empty()) << hairType;
  }
}

TEST(DrawHairFront, Types4And6AreChordsOverTheHairMass) {
  auto calls = FrontCalls(FaceWithHair(4));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Chord);
  EXPECT_EQ(calls[0].rect, kHairMass);
  EXPECT_EQ(calls[0].start, (Point{182, 88}));
  EXPECT_EQ(calls[0].end, (Point{42, 5}));
  EXPECT_EQ(calls[0].pen, kHair5);
  EXPECT_EQ(calls[0].brush, kHair5);

  calls = FrontCalls(FaceWithHair(6));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Chord);
  EXPECT_EQ(calls[0].rect, kHairMass);
  EXPECT_EQ(calls[0].start, (Point{182, 31}));
  EXPECT_EQ(calls[0].end, (Point{42, 119}));
}

TEST(DrawHairFront, Type9IsRoundedBlockOnTopOfTheHead) {
  const auto calls = FrontCalls(FaceWithHair(9));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::RoundRect);
  EXPECT_EQ(calls[0].rect, (Rect{76, 17, 147, 55}));
  EXPECT_EQ(calls[0].a, 40);
  EXPECT_EQ(calls[0].b, 40);
  EXPECT_EQ(calls[0].pen, kHair5);
  EXPECT_EQ(calls[0].brush, kHair5);
}

TEST(DrawHairFront, Type9BlockWidthFollowsHairVolume) {
  CFace face = FaceWithHair(9);
  face.hairVolume = 0;
  auto calls = FrontCalls(face);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].rect.Width(), 122 / 6);  // a sixth of the face width

  face.hairVolume = 10;
  calls = FrontCalls(face);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].rect.Width(), 122);  // the whole face width
  EXPECT_EQ(calls[0].rect.left, 51);
}

TEST(DrawHairFront, OtherTypesDrawNothing) {
  for (const std::int32_t hairType : {0, 1, 2, 3, 5, 7, 8, 10, 11, -4, INT32_MAX}) {
    EXPECT_TRUE(FrontCalls(FaceWithHair(hairType)).empty()) << hairType;
  }
}

}  // namespace
}  // namespace pelmoro
