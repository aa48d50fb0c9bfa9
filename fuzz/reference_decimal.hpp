#pragma once

#include <cstdint>
#include <string_view>

namespace korvel::fuzz {

// The count of ten-thousandths that the plainest decimal number texts must give:
// spaces, an optional sign, digits with an optional point and fraction, an
// optional exponent. It works digit by digit on the text and shares no code with
// the engine, so the two readings check each other.
struct ReferenceCount {
    enum class Outcome { NotPlainDecimal, Value, OutOfRange } outcome = Outcome::NotPlainDecimal;
    std::int64_t count = 0;  // when outcome == Value
};

ReferenceCount reference_count(std::string_view text);

}  // namespace korvel::fuzz
