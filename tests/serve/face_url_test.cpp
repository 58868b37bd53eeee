// How the service reads URLs: one canonical text per face and options, one plain reason per
// fault.
#include "serve/face_url.h"

#include <gtest/gtest.h>

#include "model/text_seed.h"

namespace pelmoro {
namespace {

std::string Canonical(const std::string& target) {
  const UrlMeaning meaning = ParseRequestTarget(target);
  EXPECT_EQ(meaning.kind, UrlKind::Face) << target << ": " << meaning.reason;
  return meaning.face.canonical;
}

TEST(FaceUrl, SameFaceAndOptionsGiveOneCanonicalRequest) {
  EXPECT_EQ(Canonical("/face/7.png"), "/face/7.png");
  EXPECT_EQ(Canonical("/face/007.png?size=224&transparent=0&pose=0,1,1&"), "/face/7.png");
  EXPECT_EQ(Canonical("/face/7.png?size=448&glasses=2&transparent=1&pose=2,0,1"),
            Canonical("/face/7.png?pose=2,0,1&transparent=%31&glasses=02&size=448"));
  EXPECT_EQ(Canonical("/face/7.png?size=448&glasses=2"), "/face/7.png?glasses=2&size=448");
  const std::string byName = Canonical("/face/name/ada%20lovelace.gif?animation=3");
  EXPECT_EQ(byName, "/face/" + std::to_string(SeedFromText("ada lovelace")) + ".gif?animation=3");
  EXPECT_EQ(Canonical("/face/name/a.b%2Fc.svg"), "/face/" + std::to_string(SeedFromText("a.b/c")) + ".svg");
  // The tag is part of the interface: caches everywhere keep it.
  EXPECT_EQ(EntityTag("/face/7.png"), EntityTag(Canonical("/face/7.png?size=224")));
  EXPECT_NE(EntityTag("/face/7.png"), EntityTag("/face/8.png"));
  EXPECT_EQ(EntityTag("/face/7.png").size(), 18u);
}

TEST(FaceUrl, OptionsReachTheRequest) {
  const FaceUrl url = ParseRequestTarget("/face/4294967295.webp?size=112&transparent=1&pose=2,2,0&hairType=5").face;
  EXPECT_EQ(*url.request.seed, 4294967295u);
  EXPECT_EQ(url.request.exportOptions.format, ImageFormat::Webp);
  EXPECT_DOUBLE_EQ(*url.request.exportOptions.scale, 0.5);
  EXPECT_TRUE(url.request.exportOptions.transparent);
  EXPECT_EQ(url.request.pose.eye * 100 + url.request.pose.mouth * 10 + url.request.pose.brow, 220);
  ASSERT_EQ(url.request.settings.size(), 1u);
  EXPECT_EQ(url.request.settings[0].value, 5);
  EXPECT_TRUE(ParseRequestTarget("/face/1.plm").face.document);
  EXPECT_FALSE(ParseRequestTarget("/face/1.png").face.request.exportOptions.scale.has_value());
}

TEST(FaceUrl, FaultsAreBadRequestsWithOneLineReasons) {
  const std::pair<std::string, std::string> cases[] = {
      {"/face/7.jpeg", "unknown extension"},
      {"/face/7", "needs a file extension"},
      {"/face/4294967296.png", "seed must be a number"},
      {"/face/-1.png", "seed must be a number"},
      {"/face/x.png", "seed must be a number"},
      {"/face/name/" + std::string(257, 'a') + ".png", "longer than 256 bytes"},
      {"/face/name/%zz.png", "malformed %-escape"},
      {"/face/7.png?size=55", "size must be"},
      {"/face/7.png?size=3585", "size must be"},
      {"/face/7.png?size=1e3", "size must be"},
      {"/face/7.png?glasses=99", "glasses must be a number from 0 to"},
      {"/face/7.png?nosuch=1", "unknown face parameter"},
      {"/face/7.png?size", "needs a value"},
      {"/face/7.png?size=448&size=448", "given twice"},
      {"/face/7.png?pose=1,1", "pose must be"},
      {"/face/7.png?transparent=2", "transparent must be"},
      {"/face/7.bmp?transparent=1", "BMP"},
      {"/face/7.png?animation=2", "GIF or WebP"},
      {"/face/7.gif?animation=31", "animation must be"},
      {"/face/7.gif?animation=2&pose=2,2,2", "pose does not apply"},
      {"/face/7.webp?animation=30&size=3584", "more than one 3584-pixel picture"},
      {"/face/7.plm?size=448", "does not apply to the face document"},
      {"/face/7.png?glasses=%0a1", "glasses must be"},
  };
  for (const auto& [target, part] : cases) {
    const UrlMeaning meaning = ParseRequestTarget(target);
    EXPECT_EQ(meaning.kind, UrlKind::BadRequest) << target;
    EXPECT_NE(meaning.reason.find(part), std::string::npos) << target << ": " << meaning.reason;
    EXPECT_EQ(meaning.reason.find('\n'), std::string::npos) << target;
  }
  for (const char* target : {"/", "/face", "/face/", "/face/7.png/", "/faces/7.png", "/healthz/"})
    EXPECT_EQ(ParseRequestTarget(target).kind, UrlKind::NotFound) << target;
  EXPECT_EQ(ParseRequestTarget("/healthz").kind, UrlKind::Health);
}

}  // namespace
}  // namespace pelmoro
