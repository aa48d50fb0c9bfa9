#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/fixed4.hpp"
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
    Fixed4 rise;     // h = S/4
    Fixed4 rafter;   // a: a support to the apex along the top chord
    Fixed4 panel;    // p = a/4: the length of every top-chord member
    Fixed4 slope;    // θ: arctan(1/2) rounded to 0.4636 and used for every sine, cosine and tangent
    SlopeTrig trig;  // of θ
};

// The span check has already refused an empty text; this reads the rest.
// Throws ArithmeticError(TypeMismatch or Overflow) for a span that is not a usable number.
TrussGeometry derive_geometry(std::string_view span_text);

// The 29 member lengths as displayed, indexed by Member.
std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry& g);

}  // namespace korvel::engine
