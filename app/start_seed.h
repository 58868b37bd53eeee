#pragma once
#include <cstdint>
#include <ctime>
#include <string>

namespace pelmoro {

// The seed the program's random generator starts from.
struct StartSeed {
  std::uint32_t seed = 0;
  std::string problem;  // why the environment's seed was not taken; empty when it was or there was none
};

// The seed from PELMORO_SEED's value (`value`, null when the variable is not set) when it
// is a decimal number from 0 to 4294967295, so that a run can be repeated for screenshots
// and tests; otherwise the time in seconds, `now`, as the program always starts.
StartSeed ChooseStartSeed(const char* value, std::time_t now);

}  // namespace pelmoro
