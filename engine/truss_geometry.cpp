#include "engine/truss_geometry.hpp"

#include <cmath>

namespace korvel::engine {
namespace {

// The six length classes: every member's length is one of these values.
struct LengthClasses {
    Fixed4 panel;                // 1: p, the top-chord members
    Fixed4 panel_over_cos;       // 2: p / cos θ
    Fixed4 middle_bottom_chord;  // 3: a·cos θ − 2p / cos θ
    Fixed4 short_web;            // 4: p·tan θ
    Fixed4 long_web;             // 5: 2p·tan θ
    Fixed4 rise;                 // 6: h, the vertical L3U4
};

// Classes 1 and 6 are shown as they are, 2 to 5 through the 15-digit text.
LengthClasses length_classes(const TrussGeometry& g) {
    const double p = g.panel.to_double();
    const double a = g.rafter.to_double();
    const double two_p = (g.panel * 2).to_double();
    const double a_cos = a * g.trig.cos_t;
    return {
        g.panel,
        text_rounded(p / g.trig.cos_t),
        text_rounded(a_cos - two_p / g.trig.cos_t),
        text_rounded(p * g.trig.tan_t),
        text_rounded(two_p * g.trig.tan_t),
        g.rise,
    };
}

struct SlopeAngle {
    Fixed4 slope;
    SlopeTrig trig;
};

// θ is the same in every run, so it and its functions are taken once.
const SlopeAngle& slope_angle() {
    static const SlopeAngle angle = [] {
        const Fixed4 slope = Fixed4::round(std::atan(0.5));
        const double theta = slope.to_double();
        const double two_theta = (slope * 2).to_double();
        return SlopeAngle{
            slope, {std::sin(theta), std::cos(theta), std::tan(theta), std::sin(two_theta), std::cos(two_theta)}};
    }();
    return angle;
}

}  // namespace

TrussGeometry derive_geometry(std::string_view span_text) {
    TrussGeometry g;
    g.span = Fixed4::round(std::fabs(parse_double(span_text)));
    const double S = g.span.to_double();
    g.rise = Fixed4::round(S / 4);
    const double h = g.rise.to_double();
    const double half_span = S / 2;
    g.rafter = Fixed4::round(std::sqrt(h * h + half_span * half_span));
    g.panel = Fixed4::round(g.rafter.to_double() / 4);
    g.slope = slope_angle().slope;
    g.trig = slope_angle().trig;
    return g;
}

std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry& g) {
    const LengthClasses c = length_classes(g);
    using enum Member;
    std::array<Fixed4, kMemberCount> lengths{};
    for (const Member m : {L0U1, U1U2, U2U3, U3U4, U4U5, U5U6, U6U7, L6U7}) lengths[to_index(m)] = c.panel;
    for (const Member m : {L0L1, L1L2, L4L5, L5L6, L1U2, L5U6, U2U8, U6U9, L2U8, L4U9, U4U8, U4U9})
        lengths[to_index(m)] = c.panel_over_cos;
    for (const Member m : {L2L3, L3L4}) lengths[to_index(m)] = c.middle_bottom_chord;
    for (const Member m : {L1U1, L5U7, U3U8, U5U9}) lengths[to_index(m)] = c.short_web;
    for (const Member m : {L2U2, L4U6}) lengths[to_index(m)] = c.long_web;
    lengths[to_index(L3U4)] = c.rise;
    return lengths;
}

}  // namespace korvel::engine
