#include "model/message_text.h"

#include <cstdint>

namespace pelmoro {

namespace {

void AppendHexEscape(std::string& out, unsigned char byte) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

void AppendControlEscape(std::string& out, unsigned char byte) {
  switch (byte) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      AppendHexEscape(out, byte);
  }
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 when it is not one
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text, std::uint32_t* codePoint) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  std::uint32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = value << 6 | (next & 0x3F);
  }
  const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *codePoint = value;
  return length;
}

}  // namespace

std::string EscapeControlBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte < 0x20 || byte == 0x7F) {
      AppendControlEscape(out, byte);
      text.remove_prefix(1);
      continue;
    }
    if (byte < 0x80) {
      out += text[0];
      text.remove_prefix(1);
      continue;
    }
    std::uint32_t codePoint = 0;
    const std::size_t length = Utf8SequenceLength(text, &codePoint);
    if (length == 0 || (codePoint >= 0x80 && codePoint <= 0x9F)) {
      // Not UTF-8, or a C1 control: every byte of it is shown as an escape.
      const std::size_t shown = length == 0 ? 1 : length;
      for (std::size_t i = 0; i < shown; ++i) AppendHexEscape(out, static_cast<unsigned char>(text[i]));
      text.remove_prefix(shown);
      continue;
    }
    out.append(text.substr(0, length));
    text.remove_prefix(length);
  }
  return out;
}

std::string QuotedName(std::string_view name) { return "\"" + EscapeControlBytes(name) + "\""; }

}  // namespace pelmoro
