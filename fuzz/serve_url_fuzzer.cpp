// The avatar service's reading of a request target (path and query) into a face and its
// options, on any bytes: a face it accepts reads back from its canonical form to the same
// form, and every refusal is one line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/face.h"
#include "serve/face_url.h"

using namespace pelmoro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string target(reinterpret_cast<const char*>(data), size);
  const UrlMeaning meaning = ParseRequestTarget(target);
  if (meaning.kind == UrlKind::BadRequest && (meaning.reason.empty() || meaning.reason.find('\n') != std::string::npos))
    std::abort();
  if (meaning.kind != UrlKind::Face) return 0;
  const FaceUrl& url = meaning.face;
  if (!url.request.seed) std::abort();
  for (const ParameterSetting& setting : url.request.settings)
    if (setting.index < 0 || setting.index >= CFace::kParameterCount) std::abort();
  if (url.request.exportOptions.scale &&
      !(*url.request.exportOptions.scale >= 0.25 && *url.request.exportOptions.scale <= 16))
    std::abort();
  const UrlMeaning again = ParseRequestTarget(url.canonical);
  if (again.kind != UrlKind::Face || again.face.canonical != url.canonical) std::abort();
  return 0;
}
