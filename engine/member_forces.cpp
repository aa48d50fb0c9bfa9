#include "engine/member_forces.hpp"

namespace korvel::engine {
namespace {

// ML: the moment about the apex U4 of everything left of the cut through
// U3U4, U4U8 and L2L3. Its lever arms use a·cos θ.
double moment_left_of_section(const TrussGeometry& g, const NodeLoads& loads, const Reactions& r, const SlopeTrig& t) {
    using enum Node;
    const auto [H, V] = load_components(loads);
    const Fixed4 S = g.span;
    const Fixed4 h = g.rise;
    const Fixed4 a = g.rafter;
    const Fixed4 p = g.panel;

    double ML = h * r.HL0;
    ML = ML - V(L0) * S * 0.5;
    ML = ML - H(L0) * h;
    ML = ML + S * r.RL0 * 0.5;
    ML = ML - V(L1) * (a * t.cos_t + p / t.cos_t - p * 2 / t.cos_t);
    ML = ML - V(L2) * (a * t.cos_t - p * 2 / t.cos_t);
    ML = ML - H(U1) * 3 * p * t.sin_t;
    ML = ML - V(U1) * 3 * p * t.cos_t;
    ML = ML - H(U2) * 2 * p * t.sin_t;
    ML = ML - V(U2) * 2 * p * t.cos_t;
    ML = ML - H(U3) * p * t.sin_t;
    ML = ML - V(U3) * p * t.cos_t;
    return ML;
}

// MR: the moment about U4 of everything right of the cut through U4U5, U4U9
// and L3L4. Its lever arms use S/2 where ML uses a·cos θ.
double moment_right_of_section(const TrussGeometry& g, const NodeLoads& loads, const Reactions& r, const SlopeTrig& t) {
    using enum Node;
    const auto [H, V] = load_components(loads);
    const Fixed4 S = g.span;
    const Fixed4 h = g.rise;
    const Fixed4 p = g.panel;

    double MR = H(U5) * p * t.sin_t;
    MR = MR + H(U6) * 2 * p * t.sin_t;
    MR = MR + H(U7) * 3 * p * t.sin_t;
    MR = MR + H(L6) * h;
    MR = MR + S * (r.RL6 * 0.5);
    MR = MR - V(L4) * (S * 0.5 - p * 2 / t.cos_t);
    MR = MR - V(L5) * (S * 0.5 - p / t.cos_t);
    MR = MR - V(L6) * S * 0.5;
    MR = MR - V(U7) * 3 * p * t.cos_t;
    MR = MR - V(U6) * 2 * p * t.cos_t;
    MR = MR - V(U5) * p * t.cos_t;
    return MR;
}

}  // namespace

template <typename Record>
std::array<Fixed4, kMemberCount> member_forces(const TrussGeometry& g, const NodeLoads& loads, const Reactions& r,
                                               Record& record) {
    using enum Node;
    const auto [H, V] = load_components(loads);
    const Fixed4 h = g.rise;
    const SlopeTrig& t = g.trig;
    const double sin_t = t.sin_t;
    const double cos_t = t.cos_t;
    const double sin_2t = t.sin_2t;
    const double cos_2t = t.cos_2t;

    // Determinants of the two-member balances at the sections and at L2, L4.
    const double D1 = record(Quantity::D1, sin_t * cos_2t - sin_2t * cos_t);
    const double D2 = record(Quantity::D2, sin_t * sin_2t + cos_2t * cos_t);
    const double D3 = record(Quantity::D3, sin_2t * cos_t - cos_2t * sin_t);
    const double D4 = record(Quantity::D4, -(sin_t * sin_2t) - cos_2t * cos_t);

    // Left half, from the hinge L0 inward.
    const double F_L0U1 = record(Quantity::ForceL0U1, (V(L0) - r.RL0) / sin_t);
    const double F_L0L1 = record(Quantity::ForceL0L1, r.HL0 - H(L0) - F_L0U1 * cos_t);
    const double F_L1U1 = record(Quantity::ForceL1U1, -(H(U1) * sin_t) - V(U1) * cos_t);
    const double F_U1U2 = record(Quantity::ForceU1U2, F_L0U1 - H(U1) * cos_t + V(U1) * sin_t);
    const double F_L1U2 = record(Quantity::ForceL1U2, (V(L1) - F_L1U1 * cos_t) / sin_2t);
    const double F_L1L2 = record(Quantity::ForceL1L2, F_L0L1 + F_L1U1 * sin_t - F_L1U2 * cos_2t);
    const double ML = record(Quantity::MomentLeft, moment_left_of_section(g, loads, r, t));
    const double F_L2L3 = record(Quantity::ForceL2L3, ML / h);
    const Fixed4 sum_VL = record(Quantity::SumVL, V(L0) + V(L1) + V(L2) + V(U1) + V(U2) + V(U3));
    const double XL = record(Quantity::XL, r.HL0 - H(U1) - H(U2) - H(U3) - H(L0) - F_L2L3);
    const double F_U4U8 = record(Quantity::ForceU4U8, -(cos_t * (sum_VL - r.RL0) - sin_t * XL) / D1);
    const double F_U3U4 = record(Quantity::ForceU3U4, -(sin_2t * XL - cos_2t * (sum_VL - r.RL0)) / D1);
    const double F_L2U2 = record(Quantity::ForceL2U2, -((-V(L2)) * cos_2t - sin_2t * (F_L2L3 - F_L1L2)) / D2);
    const double F_L2U8 = record(Quantity::ForceL2U8, -(cos_t * (F_L2L3 - F_L1L2) - sin_t * V(L2)) / D2);
    const double F_U2U8 =
        record(Quantity::ForceU2U8, ((-V(U2)) * cos_t - H(U2) * sin_t - F_L2U2 - F_L1U2 * sin_t) / sin_t);
    const double F_U2U3 =
        record(Quantity::ForceU2U3, F_U1U2 + F_L1U2 * cos_t - H(U2) * cos_t + V(U2) * sin_t - F_U2U8 * cos_t);
    const double F_U3U8 = record(Quantity::ForceU3U8, -(H(U3) * sin_t) - V(U3) * cos_t);
    const Fixed4 F_L3U4 = record(Quantity::ForceL3U4, V(L3));

    // Right half, from the roller L6 inward.
    const double F_L6U7 = record(Quantity::ForceL6U7, (V(L6) - r.RL6) / sin_t);
    const double F_L5L6 = record(Quantity::ForceL5L6, H(L6) - F_L6U7 * cos_t);
    const double F_L5U7 = record(Quantity::ForceL5U7, H(U7) * sin_t - V(U7) * cos_t);
    const double F_U6U7 = record(Quantity::ForceU6U7, V(U7) * sin_t + H(U7) * cos_t + F_L6U7);
    const double F_L5U6 = record(Quantity::ForceL5U6, (V(L5) - F_L5U7 * cos_t) / sin_2t);
    const double F_L4L5 = record(Quantity::ForceL4L5, F_L5L6 + F_L5U7 * sin_t - F_L5U6 * cos_2t);
    const double MR = record(Quantity::MomentRight, moment_right_of_section(g, loads, r, t));
    const double F_L3L4 = record(Quantity::ForceL3L4, MR / h);
    const Fixed4 sum_VR = record(Quantity::SumVR, V(L4) + V(L5) + V(L6) + V(U5) + V(U6) + V(U7));
    const Fixed4 sum_HR = record(Quantity::SumHR, H(U5) + H(U6) + H(U7) + H(L6));
    const double F_U4U9 = record(Quantity::ForceU4U9, -(sin_t * (sum_HR - F_L3L4) - cos_t * (sum_VR - r.RL6)) / D3);
    // Formed with the left half's F(L2L3), as the program always has.
    const double F_U4U5 = record(Quantity::ForceU4U5, -(cos_2t * (sum_VR - r.RL6) - sin_2t * (sum_HR - F_L2L3)) / D3);
    const double F_L4U9 = record(Quantity::ForceL4U9, -(cos_t * (F_L4L5 - F_L3L4) + sin_t * V(L4)) / D4);
    const double F_L4U6 = record(Quantity::ForceL4U6, -(cos_2t * V(L4) - sin_2t * (F_L4L5 - F_L3L4)) / D4);
    const double F_U6U9 =
        record(Quantity::ForceU6U9, (-(V(U6) * cos_t) + H(U6) * sin_t - F_L4U6 - F_L5U6 * sin_t) / sin_t);
    const double F_U5U6 =
        record(Quantity::ForceU5U6, V(U6) * sin_t + H(U6) * cos_t + F_U6U7 + F_L5U6 * cos_t - F_U6U9 * cos_t);
    const double F_U5U9 = record(Quantity::ForceU5U9, H(U5) * sin_t - V(U5) * cos_t);

    // Each force is rounded as displayed, in the order the forces are computed.
    std::array<Fixed4, kMemberCount> forces{};
    const auto shown = [&forces](Member member, double force) { forces[to_index(member)] = Fixed4::round(force); };
    shown(Member::L0U1, F_L0U1);
    shown(Member::L0L1, F_L0L1);
    shown(Member::L1U1, F_L1U1);
    shown(Member::U1U2, F_U1U2);
    shown(Member::L1U2, F_L1U2);
    shown(Member::L1L2, F_L1L2);
    shown(Member::L2L3, F_L2L3);
    shown(Member::U4U8, F_U4U8);
    shown(Member::U3U4, F_U3U4);
    shown(Member::L2U2, F_L2U2);
    shown(Member::L2U8, F_L2U8);
    shown(Member::U2U8, F_U2U8);
    shown(Member::U2U3, F_U2U3);
    shown(Member::U3U8, F_U3U8);
    forces[to_index(Member::L3U4)] = F_L3U4;  // already a Fixed4 value
    shown(Member::L6U7, F_L6U7);
    shown(Member::L5L6, F_L5L6);
    shown(Member::L5U7, F_L5U7);
    shown(Member::U6U7, F_U6U7);
    shown(Member::L5U6, F_L5U6);
    shown(Member::L4L5, F_L4L5);
    shown(Member::L3L4, F_L3L4);
    shown(Member::U4U9, F_U4U9);
    shown(Member::U4U5, F_U4U5);
    shown(Member::L4U9, F_L4U9);
    shown(Member::L4U6, F_L4U6);
    shown(Member::U6U9, F_U6U9);
    shown(Member::U5U6, F_U5U6);
    shown(Member::U5U9, F_U5U9);
    return forces;
}

std::array<Fixed4, kMemberCount> member_forces(const TrussGeometry& g, const NodeLoads& loads, const Reactions& r) {
    NoRecord none;
    return member_forces(g, loads, r, none);
}

template std::array<Fixed4, kMemberCount> member_forces(const TrussGeometry&, const NodeLoads&, const Reactions&,
                                                        NoRecord&);
template std::array<Fixed4, kMemberCount> member_forces(const TrussGeometry&, const NodeLoads&, const Reactions&,
                                                        StepRecord&);

}  // namespace korvel::engine
