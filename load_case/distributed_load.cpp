#include "load_case/distributed_load.hpp"

#include <cmath>
#include <span>

#include "engine/exact_decimal.hpp"
#include "engine/quoted_text.hpp"
#include "engine/truss_shape.hpp"

namespace korvel::load_case {
namespace {

using engine::ExactDecimal;
using engine::Node;

// The chords' nodes from left to right; a panel joins two neighbours.
constexpr std::array<Node, 5> kLeftSlope{Node::L0, Node::U1, Node::U2, Node::U3, Node::U4};
constexpr std::array<Node, 5> kRightSlope{Node::U4, Node::U5, Node::U6, Node::U7, Node::L6};
constexpr std::array<Node, 7> kBottomChord{Node::L0, Node::L1, Node::L2, Node::L3, Node::L4, Node::L5, Node::L6};

// A node's place in thirty-seconds of the span, which node_position gives exactly.
struct Grid {
    int x;
    int y;
};
Grid grid_of(Node node) {
    const engine::ShapePoint point = engine::node_position(node);
    return {static_cast<int>(std::lround(point.x * 32)), static_cast<int>(std::lround(point.y * 32))};
}

// Each load's share in multiples of w·S/64, in load-map order.
using Shares = std::array<int, engine::kLoadCount>;

void add_share(Shares& shares, Node node, engine::Component component, int share) {
    shares[*engine::load_index(node, component)] += share;
}

void share_chord(Shares& shares, std::span<const Node> chord, DistributedLoadKind kind) {
    for (std::size_t i = 0; i + 1 < chord.size(); ++i) {
        const Grid a = grid_of(chord[i]);
        const Grid b = grid_of(chord[i + 1]);
        const int dx = b.x - a.x;
        const int dy = b.y - a.y;
        // Half of the panel's load, w·S·d/32, to each end: d 64ths of w·S.
        for (const Node end : {chord[i], chord[i + 1]}) {
            add_share(shares, end, engine::Component::Vertical, dx);
            if (kind == DistributedLoadKind::SlopeNormal) add_share(shares, end, engine::Component::Horizontal, dy);
        }
    }
}

Shares shares_of(const DistributedLoad& load) {
    Shares shares{};
    if (load.kind == DistributedLoadKind::BottomChord) {
        share_chord(shares, kBottomChord, load.kind);
        return shares;
    }
    if (load.slopes != Slopes::Right) share_chord(shares, kLeftSlope, load.kind);
    if (load.slopes != Slopes::Left) share_chord(shares, kRightSlope, load.kind);
    return shares;
}

std::optional<ExactDecimal> number(std::string_view text) {
    auto read = ExactDecimal::read(text);
    if (auto* value = std::get_if<ExactDecimal>(&read)) return *value;
    return std::nullopt;
}

ExactDecimal integer(int value) { return std::get<ExactDecimal>(ExactDecimal::read(std::to_string(value))); }

}  // namespace

std::variant<NodalLoads, DistributedLoadError> nodal_loads(std::string_view span_text, const DistributedLoad& load) {
    std::optional<ExactDecimal> span = number(span_text);
    if (!span) {
        return DistributedLoadError{DistributedLoadFault::SpanNotANumber,
                                    "The span " + engine::quoted_text(span_text) +
                                        " is not a number; enter the span first, as the load is shared by it."};
    }
    if (span->is_negative()) span = -*span;
    const std::optional<ExactDecimal> w = number(load.intensity);
    if (!w) {
        return DistributedLoadError{DistributedLoadFault::IntensityNotANumber,
                                    "The distributed load " + engine::quoted_text(load.intensity) +
                                        " is not a number; enter a number such as 0.85 or -1.2."};
    }
    static const ExactDecimal kSixtyFourth = number("0.015625").value();
    const ExactDecimal unit = *w * *span * kSixtyFourth;
    const Shares shares = shares_of(load);
    NodalLoads loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        const ExactDecimal value = unit * integer(shares[i]);
        if (!value.is_zero()) loads[i] = value.text();
    }
    return loads;
}

std::optional<DistributedLoadError> add_distributed_load(std::string_view span_text, const DistributedLoad& load,
                                                         NodalLoads& loads) {
    auto generated = nodal_loads(span_text, load);
    if (auto* error = std::get_if<DistributedLoadError>(&generated)) return std::move(*error);
    const NodalLoads& added = std::get<NodalLoads>(generated);
    NodalLoads sums = loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (added[i].empty()) continue;
        const std::optional<ExactDecimal> present = loads[i].empty() ? ExactDecimal() : number(loads[i]);
        if (!present) {
            return DistributedLoadError{DistributedLoadFault::LoadNotANumber,
                                        "The " + engine::load_description(engine::kLoadMap[i]) + " " +
                                            engine::quoted_text(loads[i]) +
                                            " is not a number; correct it before adding a distributed load."};
        }
        const ExactDecimal sum = *present + *number(added[i]);
        sums[i] = sum.is_zero() ? std::string() : sum.text();
    }
    loads = std::move(sums);
    return std::nullopt;
}

}  // namespace korvel::load_case
