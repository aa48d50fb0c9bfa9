#include "engine/truss_geometry.hpp"

#include <cmath>

namespace korvel::engine {
namespace {

// The six length classes: every member's length is one of these texts.
struct LengthClassTexts {
    ResultText panel;                // 1: p, the top-chord members
    ResultText panel_over_cos;       // 2: p / cos θ
    ResultText middle_bottom_chord;  // 3: a·cos θ − 2p / cos θ
    ResultText short_web;            // 4: p·tan θ
    ResultText long_web;             // 5: 2p·tan θ
    ResultText rise;                 // 6: h, the vertical L3U4
};

LengthClassTexts length_class_texts(const TrussGeometry& g) {
    const double p = g.panel.to_double();
    const double a = g.rafter.to_double();
    const double two_p = (g.panel * 2).to_double();
    const double a_cos = a * g.trig.cos_t;
    return {
        plain_display(g.panel),
        text_rounded_display(p / g.trig.cos_t),
        text_rounded_display(a_cos - two_p / g.trig.cos_t),
        text_rounded_display(p * g.trig.tan_t),
        text_rounded_display(two_p * g.trig.tan_t),
        plain_display(g.rise),
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

void write_member_lengths(const TrussGeometry& g, std::span<ResultText, kMemberCount> out) {
    const LengthClassTexts c = length_class_texts(g);
    const ResultText* const in_write_order[kMemberCount] = {
        &c.panel,
        &c.panel,
        &c.panel,
        &c.panel,  // L0U1, U1U2, U2U3, U3U4
        &c.panel,
        &c.panel,
        &c.panel,
        &c.panel,  // U4U5, U5U6, U6U7, L6U7
        &c.panel_over_cos,
        &c.panel_over_cos,  // L5L6, L0L1
        &c.panel_over_cos,
        &c.panel_over_cos,  // L4L5, L1L2
        &c.middle_bottom_chord,
        &c.middle_bottom_chord,  // L3L4, L2L3
        &c.short_web,
        &c.short_web,  // L5U7, L1U1
        &c.panel_over_cos,
        &c.panel_over_cos,  // L5U6, L1U2
        &c.long_web,
        &c.long_web,  // L4U6, L2U2
        &c.panel_over_cos,
        &c.panel_over_cos,  // U2U8, U6U9
        &c.short_web,
        &c.short_web,  // U3U8, U5U9
        &c.panel_over_cos,
        &c.panel_over_cos,  // L2U8, L4U9
        &c.panel_over_cos,
        &c.panel_over_cos,  // U4U9, U4U8
        &c.rise,            // L3U4
    };
    for (std::size_t i = 0; i < kMemberCount; ++i) out[i] = *in_write_order[i];
}

}  // namespace korvel::engine
