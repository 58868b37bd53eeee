#include "output/face_request.h"

#include <ctime>

#include "model/message_text.h"
#include "model/number_text.h"
#include "model/random.h"

namespace pelmoro {

namespace {

std::optional<int> ParameterIndex(std::string_view name) {
  for (int i = 0; i < CFace::kParameterCount; ++i) {
    if (name == CFace::DocumentParameterName(i)) return i;
  }
  return std::nullopt;
}

std::string ParameterNames() {
  std::string names;
  for (int i = 0; i < CFace::kParameterCount; ++i)
    names += std::string(i > 0 ? ", " : "") + CFace::DocumentParameterName(i);
  return names;
}

// The face and background of the request, the random face drawn from `random`.
FacePicture TakeFace(const FaceRequest& request, CRandom& random) {
  FacePicture picture;
  if (request.document) {
    picture.m_face = request.document->face;
    picture.m_fill = request.document->fill;
  } else {
    picture.m_fill.ApplyStartupFill();
    picture.m_face.Randomize(random);
  }
  for (const ParameterSetting& setting : request.settings)
    picture.m_face.DocumentParameter(setting.index) = setting.value;
  return picture;
}

CRandom SeededGenerator(const FaceRequest& request) {
  return CRandom(request.seed ? *request.seed : static_cast<std::uint32_t>(std::time(nullptr)));
}

}  // namespace

std::string ParseParameterSetting(std::string_view name, std::string_view value, ParameterSetting& setting) {
  const auto index = ParameterIndex(name);
  if (!index) return "unknown face parameter " + QuotedName(name) + "; the names are " + ParameterNames();
  const std::int32_t max = CFace::DocumentParameterMax(*index);
  const auto number = ParseInteger(value, 0, max);
  if (!number)
    return std::string(name) + " must be a number from 0 to " + std::to_string(max) + ", not " + QuotedName(value);
  setting = {*index, static_cast<std::int32_t>(*number)};
  return {};
}

FacePicture FacePictureFor(const FaceRequest& request) {
  CRandom random = SeededGenerator(request);
  FacePicture picture = TakeFace(request, random);
  picture.m_nEyePose = request.pose.eye;
  picture.m_nMouthPose = request.pose.mouth;
  picture.m_nBrowPose = request.pose.brow;
  return picture;
}

Status RenderFaceRequest(const FaceRequest& request, std::vector<std::uint8_t>& out) {
  if (request.animationSeconds <= 0) return EncodePicture(FacePictureFor(request), request.exportOptions, out);
  CRandom random = SeededGenerator(request);
  const FacePicture picture = TakeFace(request, random);
  return EncodeAnimation(picture, random, request.exportOptions, request.animationSeconds, out);
}

std::array<std::uint8_t, kDocumentSize> FaceRequestDocument(const FaceRequest& request) {
  const FacePicture picture = FacePictureFor(request);
  return EncodeDocument(picture.m_face, picture.m_fill);
}

}  // namespace pelmoro
