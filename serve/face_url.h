#pragma once
// What a URL of the avatar service asks for: the face of a seed or of a name, in a file
// format, with the options of pelmoro-render given as query parameters. No HTTP here: the
// service, the tests and the fuzz target hand it the request target as the client sent it.
#include <cstdint>
#include <string>
#include <string_view>

#include "output/face_request.h"

namespace pelmoro {

// Names are hashed into seeds; longer ones are refused.
inline constexpr std::size_t kMaxNameBytes = 256;
// The picture's width in pixels: 224 is the exact picture, any other width the smooth one.
inline constexpr std::int64_t kExactWidth = 224;
inline constexpr std::int64_t kMinWidth = 56;
inline constexpr std::int64_t kMaxWidth = 3584;
inline constexpr std::int64_t kMaxServedAnimationSeconds = 30;

enum class UrlKind { Face, Health, NotFound, BadRequest };

struct FaceUrl {
  FaceRequest request;    // its seed is always set
  std::string extension;  // png jpg bmp gif tif webp svg pdf or plm
  bool document = false;  // plm: the face document rather than a picture
  // The same text for every URL that asks for the same bytes: the seed route's path, then
  // the parameters sorted by name with their values written plainly, defaults left out.
  std::string canonical;
};

struct UrlMeaning {
  UrlKind kind = UrlKind::NotFound;
  FaceUrl face;        // for UrlKind::Face
  std::string reason;  // for UrlKind::BadRequest: one line for the user
};

// Reads a request target ("/face/7.png?size=448"): its path picks the route, its query the
// options, each checked as pelmoro-render checks its command line.
UrlMeaning ParseRequestTarget(std::string_view target);

// The strong entity tag of a canonical request: a quoted 64-bit FNV-1a hash of the
// program's version and the text, the same in every process on every machine.
std::string EntityTag(std::string_view canonical);

// The media type of a file extension the face routes serve.
const char* ContentTypeFor(std::string_view extension);

}  // namespace pelmoro
