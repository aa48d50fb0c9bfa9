#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel::load_case {

// The longest part of an input a message quotes.
inline constexpr std::size_t kQuotedCharacterLimit = 200;

// `text` in double quotes for a message: control characters, quotes and
// backslashes escaped (\n, \t, \", \\, \u001B ...), bytes that are not UTF-8
// shown as \xFF, and at most kQuotedCharacterLimit characters of it, followed
// by "..." when it is longer. So a message never carries a terminal control
// sequence or a whole over-long input.
std::string quoted_text(std::string_view text);

}  // namespace korvel::load_case
