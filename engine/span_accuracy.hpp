#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/fixed4.hpp"

namespace korvel::engine {

// The span's lengths are rounded to four decimals before the forces are
// formed; at a small span that rounding, not the loads, decides the results.

// Half the last decimal kept: the most any rounded length is off.
inline constexpr double kLengthRounding = 0.00005;

// How many times kLengthRounding / span the rounding can move a reaction or a
// force, as a share of the load that causes it: the lever arms are off by up to
// 6 roundings, the chords at the apex divide them by the rise (S/4), and the
// webs next to them divide by sin θ twice (docs/accuracy.md derives it).
inline constexpr double kRoundingAmplification = 100;

// Beyond this share of the largest load, the results are said to be unsure.
inline constexpr double kAcceptedMovement = 0.001;

// The most the rounding of the geometry can move any result, as a share of the
// largest load, for a span as used (positive).
double geometry_rounding_bound(double span);

// A span whose geometry's rounding may move the results by more than kAcceptedMovement.
struct SpanAccuracyWarning {
    Fixed4 span;   // as used: the text's value rounded to four decimals, made positive
    double bound;  // geometry_rounding_bound(span)

    // The bound as a percentage, e.g. "50%".
    std::string percent() const;
    // In words, with what to do about it.
    std::string message() const;
};

// The warning for the span text, or none: none for a span accurate enough, and
// for a span the analysis refuses anyway (its own error says why).
std::optional<SpanAccuracyWarning> span_accuracy_warning(std::string_view span_text);

}  // namespace korvel::engine
