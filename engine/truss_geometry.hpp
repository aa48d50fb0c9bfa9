#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/fixed4.hpp"
#include "engine/roof_pitch.hpp"
#include "engine/step_record.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// The sine, cosine and tangent of the slope angle θ, and the sine and cosine
// of 2θ (2θ formed exactly in Fixed4), as every lever arm and force uses them.
struct SlopeTrig {
    double sin_t = 0;
    double cos_t = 0;
    double tan_t = 0;
    double sin_2t = 0;
    double cos_2t = 0;
};

// The geometric quantities of one run: the lengths and the angle Fixed4, and the angle's functions.
struct TrussGeometry {
    Fixed4 span;     // S: the span text as a number, made positive
    Fixed4 rise;     // h = S·t/2 (S/4 at 6:12), or the rise as given
    Fixed4 rafter;   // a: a support to the apex along the top chord
    Fixed4 panel;    // p = a/4: the length of every top-chord member
    Fixed4 slope;    // θ: arctan(t) rounded to Fixed4 (0.4636 at 6:12) and used for every sine, cosine and tangent
    SlopeTrig trig;  // of θ
    double tangent = 0.5;  // t, the true slope, by which the truss is drawn
};

// The span check has already refused an empty text; this reads the rest.
// Throws ArithmeticError(TypeMismatch or Overflow) for a span that is not a usable number,
// and ArithmeticError(PitchOutOfRange) for a rise that makes the pitch too flat or too steep on it.
TrussGeometry derive_geometry(std::string_view span_text, const RoofPitch& pitch = {});
// The same, recording each value for the working (Record: NoRecord or StepRecord).
template <typename Record>
TrussGeometry derive_geometry(std::string_view span_text, const RoofPitch& pitch, Record& record);

// The 29 member lengths as displayed, indexed by Member.
std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry& g);
template <typename Record>
std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry& g, Record& record);

}  // namespace korvel::engine
