#include "model/text_seed.h"

#include <gtest/gtest.h>

namespace pelmoro {
namespace {

// Each hash worked out by hand: h = 2166136261; for each byte b, h = (h XOR b) * 16777619
// modulo 2^32.
TEST(TextSeed, IsTheFnv1aHashOfTheUtf8Bytes) {
  EXPECT_EQ(SeedFromText(""), 2166136261u);  // no byte: the offset basis
  // (2166136261 ^ 0x61) = 2166136228; * 16777619 = 36342608335481132; mod 2^32 = 3826002220.
  EXPECT_EQ(SeedFromText("a"), 3826002220u);
  // "é" is C3 A9: 2166136261 ^ 0xC3 = 2166136070, * 16777619 mod 2^32 = 1175138418;
  // 1175138418 ^ 0xA9 = 1175138523, * 16777619 = 19716026411116737, mod 2^32 = 513665217.
  EXPECT_EQ(SeedFromText("\xC3\xA9"), 513665217u);
  EXPECT_EQ(SeedFromText("foobar"), 0xBF9CF968u);  // the hash's published test value
  EXPECT_NE(SeedFromText("ab"), SeedFromText("ba"));
}

}  // namespace
}  // namespace pelmoro
