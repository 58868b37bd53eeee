#include "model/number_text.h"

#include <charconv>

namespace pelmoro {

std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < min || value > max) return std::nullopt;
  return value;
}

}  // namespace pelmoro
