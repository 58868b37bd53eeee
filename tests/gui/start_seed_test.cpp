#include "app/start_seed.h"

#include <gtest/gtest.h>

namespace pelmoro {
namespace {

TEST(StartSeedTest, TakesPelmoroSeedWhenItIsANumberAndTheTimeOtherwise) {
  constexpr std::time_t kNow = 1'700'000'000;
  EXPECT_EQ(ChooseStartSeed(nullptr, kNow).seed, static_cast<std::uint32_t>(kNow));
  EXPECT_TRUE(ChooseStartSeed(nullptr, kNow).problem.empty());
  for (const auto& [text, seed] : {std::pair{"7", 7u}, {"0", 0u}, {"4294967295", 4294967295u}}) {
    const StartSeed start = ChooseStartSeed(text, kNow);
    EXPECT_EQ(start.seed, seed) << text;
    EXPECT_TRUE(start.problem.empty()) << text;
  }
  for (const char* text : {"", "-1", "4294967296", "7x", " 7", "+7", "0x10"}) {
    const StartSeed start = ChooseStartSeed(text, kNow);
    EXPECT_EQ(start.seed, static_cast<std::uint32_t>(kNow)) << text;
    EXPECT_NE(start.problem.find(std::string("\"") + text + "\""), std::string::npos) << start.problem;
  }
}

}  // namespace
}  // namespace pelmoro
