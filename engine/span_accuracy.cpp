#include "engine/span_accuracy.hpp"

#include <cmath>
#include <cstdio>

#include "engine/arithmetic_error.hpp"
#include "engine/fixed4.hpp"

namespace korvel::engine {

double geometry_rounding_bound(double span) { return kRoundingAmplification * kLengthRounding / span; }

std::string SpanAccuracyWarning::percent() const {
    // Two significant digits are enough for a share that is itself a bound.
    char text[32];
    std::snprintf(text, sizeof text, "%.2g%%", bound * 100);
    return text;
}

std::string SpanAccuracyWarning::message() const {
    return "A span of " + span.to_text() + " is so small that rounding its lengths to four decimals may move the " +
           "results by up to " + percent() +
           " of the largest load. Enter the span in a smaller unit (millimetres instead of metres, say): the forces "
           "stay the same, the lengths follow the unit.";
}

std::optional<SpanAccuracyWarning> span_accuracy_warning(std::string_view span_text) {
    Fixed4 span;
    try {
        // The span as the geometry takes it, without the rest of the geometry.
        span = Fixed4::round(std::fabs(parse_double(span_text)));
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
    if (!(span.to_double() > 0)) return std::nullopt;
    const double bound = geometry_rounding_bound(span.to_double());
    if (bound <= kAcceptedMovement) return std::nullopt;
    return SpanAccuracyWarning{span, bound};
}

}  // namespace korvel::engine
