#pragma once

#include <optional>

#include "engine/fixed4.hpp"

namespace korvel::engine {

// x rounded to 15 significant digits and then to four decimals, ties to even
// at each step, exactly: the Fixed4 that fifteen_digit_text(x) reads back as,
// found without writing the text. Gives nothing where |x| lies outside
// [0.0001, 1e13) (zero, NaN and infinities included); such values take the text.
std::optional<Fixed4> fifteen_digit_fixed4(double x);

}  // namespace korvel::engine
