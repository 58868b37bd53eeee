#include "app/start_seed.h"

#include <charconv>
#include <cstring>

namespace pelmoro {

StartSeed ChooseStartSeed(const char* value, std::time_t now) {
  StartSeed start{static_cast<std::uint32_t>(now), {}};
  if (value == nullptr) return start;
  const char* end = value + std::strlen(value);
  std::uint32_t seed = 0;
  const auto [stop, error] = std::from_chars(value, end, seed);
  if (value == end || error != std::errc() || stop != end) {
    start.problem = std::string("PELMORO_SEED \"") + value +
                    "\" is not a number from 0 to 4294967295; the time is the seed instead";
    return start;
  }
  start.seed = seed;
  return start;
}

}  // namespace pelmoro
