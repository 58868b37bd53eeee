#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace pelmoro {

// A decimal integer in [min, max], written without sign (or with '-'), spaces or extra
// characters; nothing otherwise.
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t min, std::int64_t max);

}  // namespace pelmoro
