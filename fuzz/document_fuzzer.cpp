// Any bytes as a face document, read into a record that already holds a face, as Open does.
// A document that loads without error must come back byte for byte when saved again (but
// for the format word, always written as 1000, and the fill type, written as 0 or 1).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/document.h"
#include "model/random.h"

using namespace pelmoro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CRandom random(size);
  CFace face;
  face.Randomize(random);
  FillSettings fill;
  fill.ApplyStartupFill();

  const LoadReport report = DecodeDocument(data, size, face, fill);
  const std::string why = report.Describe();
  if (report.LoadError() == why.empty()) std::abort();
  if (report.LoadError()) return 0;

  auto saved = EncodeDocument(face, fill);
  std::uint8_t expected[kDocumentSize];
  std::memcpy(expected, data, kDocumentSize);
  std::memcpy(expected, saved.data(), 4);  // the format word
  expected[104] = saved[104];              // the fill type, normalised
  std::memset(expected + 105, 0, 3);
  if (std::memcmp(expected, saved.data(), kDocumentSize) != 0) std::abort();
  return 0;
}
