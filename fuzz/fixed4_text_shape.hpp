#pragma once

#include <string_view>

namespace korvel::fuzz {

// True for Fixed4 text as the result labels show it: an optional minus, an
// integer part without leading zeros or separators, and at most four fraction
// digits without trailing zeros; zero is "0", never "-0".
bool is_fixed4_text(std::string_view text);

}  // namespace korvel::fuzz
