#pragma once
#include <string>
#include <string_view>

namespace pelmoro {

// Text from outside the program (file names, option values) made safe to show: control
// characters (C0, DEL and the C1 range) and bytes that are not UTF-8 are written as escapes
// (\n, \r, \t, \xHH), so that a name holding ESC cannot colour or move a terminal and a
// name holding a line break cannot split a message. Other letters are kept as they are.
std::string EscapeControlBytes(std::string_view text);

// The same in double quotes, the way messages show a file name.
std::string QuotedName(std::string_view name);

}  // namespace pelmoro
