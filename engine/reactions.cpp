#include "engine/reactions.hpp"

namespace korvel::engine {

NodeLoads::NodeLoads(const std::array<Fixed4, kLoadCount>& values_in_load_map_order) {
    for (std::size_t i = 0; i < kLoadCount; ++i) {
        const LoadSlot& slot = kLoadMap[i];
        auto& by_node = slot.component == Component::Horizontal ? horizontal_ : vertical_;
        by_node[static_cast<std::size_t>(slot.node)] = values_in_load_map_order[i];
    }
}

namespace {

// The moment of every load about L0, clockwise positive, summed in a fixed order.
// Each term's type (Fixed4 product or double) decides its rounding, so the terms
// are written exactly as the program evaluates them.
double moment_about_L0(const TrussGeometry& g, const NodeLoads& loads) {
    using enum Node;
    const auto [H, V] = load_components(loads);
    const Fixed4 S = g.span;
    const Fixed4 h = g.rise;
    const Fixed4 p = g.panel;
    const double sin_t = g.trig.sin_t;
    const double cos_t = g.trig.cos_t;

    double sum = H(U1) * p * sin_t;
    sum = sum + V(U1) * p * cos_t;
    sum = sum + H(U2) * 2 * p * sin_t;
    sum = sum + V(U2) * 2 * p * cos_t;
    sum = sum + H(U3) * 3 * p * sin_t;
    sum = sum + V(U3) * 3 * p * cos_t;
    sum = sum + H(U4) * h;
    sum = sum + V(U4) * S * 0.5;
    sum = sum + H(U5) * 3 * p * sin_t;
    sum = sum + V(U5) * (S - Fixed4::round(p * 3 * cos_t));
    sum = sum + H(U6) * 2 * p * sin_t;
    sum = sum + V(U6) * (S - Fixed4::round(p * 2 * cos_t));
    sum = sum + H(U7) * p * sin_t;
    sum = sum + V(U7) * (S - Fixed4::round(p * cos_t));
    sum = sum + V(L6) * S;
    sum = sum + V(L1) * (p / cos_t);
    sum = sum + V(L2) * (p * 2 / cos_t);
    sum = sum + V(L3) * S * 0.5;
    sum = sum + V(L4) * (S - Fixed4::round(p * 2 / cos_t));
    sum = sum + V(L5) * (S - Fixed4::round(p / cos_t));
    return sum;
}

}  // namespace

template <typename Record>
Reactions support_reactions(const TrussGeometry& g, const NodeLoads& loads, Record& record) {
    using enum Node;
    const auto [H, V] = load_components(loads);

    Reactions r;
    const double moment = moment_about_L0(g, loads);
    record(Quantity::MomentL0, moment);
    r.RL6 = moment / g.span;
    record(Quantity::RL6, r.RL6);
    const Fixed4 vertical_loads =
        V(L0) + V(L1) + V(L2) + V(L3) + V(L4) + V(L5) + V(L6) + V(U1) + V(U2) + V(U3) + V(U4) + V(U5) + V(U6) + V(U7);
    record(Quantity::SumV, vertical_loads);
    r.RL0 = vertical_loads - r.RL6;
    record(Quantity::RL0, r.RL0);
    const Fixed4 horizontal_loads = H(L0) + H(U1) + H(U2) + H(U3) + H(U4) + H(U5) + H(U6) + H(U7) + H(L6);
    record(Quantity::SumH, horizontal_loads);
    r.HL0 = horizontal_loads.to_double();
    record(Quantity::HL0, r.HL0);
    return r;
}

Reactions support_reactions(const TrussGeometry& g, const NodeLoads& loads) {
    NoRecord none;
    return support_reactions(g, loads, none);
}

template Reactions support_reactions(const TrussGeometry&, const NodeLoads&, NoRecord&);
template Reactions support_reactions(const TrussGeometry&, const NodeLoads&, StepRecord&);

}  // namespace korvel::engine
