#pragma once
#include <cstdint>
#include <string_view>

namespace pelmoro {

// The seed a text stands for, so that one name always gets the same face: the 32-bit
// FNV-1a hash of the text's bytes as given (UTF-8), with offset basis 2166136261 and
// prime 16777619. Each byte is XORed into the hash, which is then multiplied by the prime
// modulo 2^32.
std::uint32_t SeedFromText(std::string_view utf8);

}  // namespace pelmoro
