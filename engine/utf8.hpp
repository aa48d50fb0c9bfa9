#pragma once

#include <cstddef>
#include <string_view>

namespace korvel::engine {

// The length of the well-formed UTF-8 sequence starting at text[at] (1 to 4),
// or 0 when the bytes there are not one: overlong forms, surrogates and code
// points beyond U+10FFFF are refused, as JSON and Unicode require.
std::size_t utf8_sequence_length(std::string_view text, std::size_t at);

// The characters of a text: each well-formed sequence counts one, and so does each byte that is not one.
std::size_t utf8_character_count(std::string_view text);

// The replacement character U+FFFD, written where a byte is not UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace korvel::engine
