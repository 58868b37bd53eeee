#pragma once
// One face, described completely, turned into the bytes of a picture file: the program's
// command line, its batches and any other front end build a FaceRequest and call
// RenderFaceRequest, so the same request gives the same bytes everywhere.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "model/face.h"
#include "model/fill_settings.h"
#include "model/status.h"
#include "output/animation_export.h"
#include "output/picture_export.h"
#include "render/face_picture.h"

namespace pelmoro {

// The content of a face document: the face and its background.
struct FaceDocument {
  CFace face;
  FillSettings fill;
};

// One face parameter set to a value: its index in document order and the value.
struct ParameterSetting {
  int index = 0;
  std::int32_t value = 0;
};

// The animation poses, each 0, 1 or 2; the defaults are the rest poses.
struct FacePose {
  std::int32_t eye = 0;
  std::int32_t mouth = 1;
  std::int32_t brow = 1;
};

struct FaceRequest {
  // The random face of this seed over the start-up background, when there is no document.
  // Neither seed nor document: the seed is the current time in seconds.
  std::optional<std::uint32_t> seed;
  std::optional<FaceDocument> document;
  // Applied in order over the face from the seed or document.
  std::vector<ParameterSetting> settings;
  FacePose pose;
  ExportOptions exportOptions;
  // Above 0: this many seconds of the window's animation (GIF or WebP) rather than a still
  // picture; its generator is the one the seed started, past the random face's draws when
  // there is no document. The poses then come from the animation.
  int animationSeconds = 0;
};

// Checks a parameter's name (as documents and the command line call it, e.g. faceSize) and
// its value (a decimal number from 0 to the parameter's largest value) and fills in
// `setting`. Returns what is wrong for the user, e.g. "faceSize must be a number from 0
// to 11, not '12'", or an empty text.
std::string ParseParameterSetting(std::string_view name, std::string_view value, ParameterSetting& setting);

// The face, background and poses the request draws, ready to paint.
FacePicture FacePictureFor(const FaceRequest& request);

// Draws the request's face, or its animation, and encodes it as the export options ask
// into `out`.
Status RenderFaceRequest(const FaceRequest& request, std::vector<std::uint8_t>& out);

// The bytes of the face document for the request's face (its settings applied) and
// background.
std::array<std::uint8_t, kDocumentSize> FaceRequestDocument(const FaceRequest& request);

}  // namespace pelmoro
