#pragma once

#include <string>
#include <string_view>

namespace korvel::load_case {

// Appends `text` as a JSON string: quotes, backslashes and control characters
// escaped, UTF-8 kept as it is, and each byte that is not UTF-8 replaced by
// U+FFFD, so that the output is always valid JSON.
void append_json_string(std::string& out, std::string_view text);

}  // namespace korvel::load_case
