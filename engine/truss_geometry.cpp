#include "engine/truss_geometry.hpp"

#include <cmath>

#include "engine/arithmetic_error.hpp"

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
template <typename Record>
LengthClasses length_classes(const TrussGeometry& g, Record& record) {
    const double p = g.panel.to_double();
    const double a = g.rafter.to_double();
    const double two_p = (g.panel * 2).to_double();
    const double a_cos = a * g.trig.cos_t;
    const double panel_over_cos = p / g.trig.cos_t;
    const double middle_bottom_chord = a_cos - two_p / g.trig.cos_t;
    const double short_web = p * g.trig.tan_t;
    const double long_web = two_p * g.trig.tan_t;
    record(Quantity::LengthPanel, g.panel);
    record(Quantity::LengthPanelOverCos, panel_over_cos);
    record(Quantity::LengthMiddleChord, middle_bottom_chord);
    record(Quantity::LengthShortWeb, short_web);
    record(Quantity::LengthLongWeb, long_web);
    record(Quantity::LengthRise, g.rise);
    return {
        g.panel,
        text_rounded(panel_over_cos),
        text_rounded(middle_bottom_chord),
        text_rounded(short_web),
        text_rounded(long_web),
        g.rise,
    };
}

struct SlopeAngle {
    Fixed4 slope;
    SlopeTrig trig;
};

SlopeAngle slope_angle_of(double tangent) {
    const Fixed4 slope = Fixed4::round(std::atan(tangent));
    const double theta = slope.to_double();
    const double two_theta = (slope * 2).to_double();
    return SlopeAngle{slope,
                      {std::sin(theta), std::cos(theta), std::tan(theta), std::sin(two_theta), std::cos(two_theta)}};
}

// θ of the 6:12 roof serves most runs, so it and its functions are taken once.
SlopeAngle slope_angle(double tangent) {
    static const SlopeAngle six_in_twelve = slope_angle_of(0.5);
    return tangent == 0.5 ? six_in_twelve : slope_angle_of(tangent);
}

}  // namespace

template <typename Record>
TrussGeometry derive_geometry(std::string_view span_text, const RoofPitch& pitch, Record& record) {
    TrussGeometry g;
    const double typed = parse_double(span_text);
    record(Quantity::TypedSpan, typed);
    g.span = Fixed4::round(std::fabs(typed));
    record(Quantity::Span, g.span);
    const double S = g.span.to_double();
    if (pitch.form == PitchForm::Rise) {
        g.rise = pitch.rise;
        g.tangent = 2 * pitch.rise.to_double() / g.span;
        if (!(g.tangent >= flattest_tangent() && g.tangent <= steepest_tangent())) {
            throw ArithmeticError(ErrorKind::PitchOutOfRange, "the rise gives a pitch outside 5 to 40 degrees");
        }
    } else {
        // At 6:12 this is S/4 exactly: halving twice is exact in double.
        g.tangent = pitch.tangent;
        g.rise = Fixed4::round(S * g.tangent / 2);
    }
    record(Quantity::Rise, g.rise);
    const double h = g.rise.to_double();
    const double half_span = S / 2;
    g.rafter = Fixed4::round(std::sqrt(h * h + half_span * half_span));
    record(Quantity::Rafter, g.rafter);
    g.panel = Fixed4::round(g.rafter.to_double() / 4);
    record(Quantity::Panel, g.panel);
    const SlopeAngle angle = slope_angle(g.tangent);
    g.slope = angle.slope;
    g.trig = angle.trig;
    record(Quantity::Slope, g.slope);
    record(Quantity::TwoSlope, g.slope * 2);
    record(Quantity::SinT, g.trig.sin_t);
    record(Quantity::CosT, g.trig.cos_t);
    record(Quantity::TanT, g.trig.tan_t);
    record(Quantity::Sin2T, g.trig.sin_2t);
    record(Quantity::Cos2T, g.trig.cos_2t);
    return g;
}

TrussGeometry derive_geometry(std::string_view span_text, const RoofPitch& pitch) {
    NoRecord none;
    return derive_geometry(span_text, pitch, none);
}

template TrussGeometry derive_geometry(std::string_view, const RoofPitch&, NoRecord&);
template TrussGeometry derive_geometry(std::string_view, const RoofPitch&, StepRecord&);

template <typename Record>
std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry& g, Record& record) {
    const LengthClasses c = length_classes(g, record);
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

std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry& g) {
    NoRecord none;
    return member_lengths(g, none);
}

template std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry&, NoRecord&);
template std::array<Fixed4, kMemberCount> member_lengths(const TrussGeometry&, StepRecord&);

}  // namespace korvel::engine
