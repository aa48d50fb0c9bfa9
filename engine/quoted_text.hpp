#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel::engine {

// How much of an input a message quotes: at most `characters` of it, and
// whether a cut text then says how long it is, as in "abc..." (4000 characters),
// or only shows the cut, as in "abc"...
struct QuoteLimit {
    std::size_t characters;
    bool tells_length;
};

// Names and lines of a case file or batch: long, but never a whole over-long input.
inline constexpr QuoteLimit kInputQuoteLimit{200, false};

// `text` in double quotes for a message: control characters, quotes and
// backslashes escaped (\n, \t, \", \\, \u001B ...), bytes that are not UTF-8
// shown as \xFF, and at most `limit` of its characters. So a message never
// carries a terminal control sequence or a whole over-long input.
std::string quoted_text(std::string_view text, QuoteLimit limit = kInputQuoteLimit);

// A message as it may go to a terminal: control characters and bytes that are
// not UTF-8 escaped as quoted_text() does; quotes and backslashes stay as they are.
std::string escaped_controls(std::string_view message);

}  // namespace korvel::engine
