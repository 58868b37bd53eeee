#include "model/text_seed.h"

namespace pelmoro {

std::uint32_t SeedFromText(std::string_view utf8) {
  constexpr std::uint32_t kOffsetBasis = 2166136261u;
  constexpr std::uint32_t kPrime = 16777619u;
  std::uint32_t hash = kOffsetBasis;
  for (const char c : utf8) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kPrime;
  }
  return hash;
}

}  // namespace pelmoro
