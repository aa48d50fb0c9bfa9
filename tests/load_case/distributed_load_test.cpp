#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/exact_decimal.hpp"
#include "engine/truss_shape.hpp"
#include "load_case/distributed_load.hpp"

namespace korvel::load_case {
namespace {

using engine::ExactDecimal;
using Kind = DistributedLoadKind;

ExactDecimal exact(const std::string& text) {
    return text.empty() ? ExactDecimal() : std::get<ExactDecimal>(ExactDecimal::read(text));
}
// A node's coordinate, a multiple of S/32 that the double holds exactly.
ExactDecimal coordinate(double fraction_of_span, const ExactDecimal& span) {
    return exact(std::to_string(std::lround(fraction_of_span * 32))) * exact("0.03125") * span;
}

NodalLoads generated(const std::string& span, const DistributedLoad& load) {
    auto loads = nodal_loads(span, load);
    if (auto* error = std::get_if<DistributedLoadError>(&loads)) throw std::runtime_error(error->message);
    return std::get<NodalLoads>(loads);
}

// What statics says of the load: its resultant, in units of w·S, and a point of its
// line of action, in units of S (the middle of the loaded chord).
struct ResultantRow {
    Kind kind;
    Slopes slopes;
    std::string h;
    std::string v;
    std::string x;
    std::string y;
};

class DistributedLoadResultant : public testing::TestWithParam<ResultantRow> {};

TEST_P(DistributedLoadResultant, IsTheResultantOfTheNodalLoadsOnTheirLineOfAction) {
    const ResultantRow& row = GetParam();
    for (const std::string span : {"14.4", "-10", "0.0003", "123456789.123456789"}) {
        for (const std::string w : {"0.85", "-1.9", "1e-7"}) {
            const NodalLoads loads = generated(span, {row.kind, row.slopes, w});
            const ExactDecimal s = exact(span[0] == '-' ? span.substr(1) : span);
            ExactDecimal h, v, moment;
            for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
                const engine::LoadSlot& slot = engine::kLoadMap[i];
                const engine::ShapePoint at = engine::node_position(slot.node);
                const ExactDecimal load = exact(loads[i]);
                // Clockwise about L0: a downward load at x, a rightward load at height y.
                if (slot.component == engine::Component::Vertical) {
                    v += load;
                    moment += load * coordinate(at.x, s);
                } else {
                    h += load;
                    moment += load * coordinate(at.y, s);
                }
            }
            const ExactDecimal ws = exact(w) * s;
            EXPECT_EQ(h, ws * exact(row.h)) << span << " " << w;
            EXPECT_EQ(v, ws * exact(row.v)) << span << " " << w;
            EXPECT_EQ(moment, ws * exact(row.v) * exact(row.x) * s + ws * exact(row.h) * exact(row.y) * s)
                << span << " " << w;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Loads, DistributedLoadResultant,
                         testing::Values(ResultantRow{Kind::TopChordVertical, Slopes::Both, "0", "1", "0.5", "0.25"},
                                         ResultantRow{Kind::TopChordVertical, Slopes::Left, "0", "0.5", "0.25", "0"},
                                         ResultantRow{Kind::TopChordVertical, Slopes::Right, "0", "0.5", "0.75", "0"},
                                         // Pressure on a slope S·√5/4 long: (1/4)² + (1/2)² = 5/16.
                                         ResultantRow{Kind::SlopeNormal, Slopes::Left, "0.25", "0.5", "0.25", "0.125"},
                                         ResultantRow{Kind::SlopeNormal, Slopes::Right, "-0.25", "0.5", "0.75",
                                                      "0.125"},
                                         ResultantRow{Kind::SlopeNormal, Slopes::Both, "0", "1", "0.5", "0"},
                                         ResultantRow{Kind::BottomChord, Slopes::Left, "0", "1", "0.5", "0"}));

TEST(DistributedLoad, SharesTheTopChordLoadAsTheTributaryLengthsSay) {
    // w·S/8 at U1..U7, w·S/16 at the supports: 0.85 × 14.4 / 8 = 1.53.
    const NodalLoads loads = generated("14.4", {Kind::TopChordVertical, Slopes::Both, "0.85"});
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        const engine::LoadSlot& slot = engine::kLoadMap[i];
        const std::string_view name = engine::node_name(slot.node);
        std::string expected;
        if (slot.component == engine::Component::Vertical && name[0] == 'U') expected = "1.53";
        if (slot.component == engine::Component::Vertical && (name == "L0" || name == "L6")) expected = "0.765";
        EXPECT_EQ(loads[i], expected) << engine::load_key(slot);
    }
}

TEST(DistributedLoad, AddsExactlyAndChangesNothingOnAnError) {
    NodalLoads loads;
    loads[*engine::load_index_by_key("U4.V")] = "1";
    loads[*engine::load_index_by_key("U1.H")] = "-0.045";
    ASSERT_FALSE(add_distributed_load("14.4", {Kind::SlopeNormal, Slopes::Left, "0.05"}, loads));
    EXPECT_EQ(loads[*engine::load_index_by_key("U4.V")], "1.045");  // + w·S/16 = 0.05 × 14.4 / 16
    EXPECT_EQ(loads[*engine::load_index_by_key("U1.H")], "");       // -0.045 + w·S/16
    EXPECT_EQ(loads[*engine::load_index_by_key("U6.V")], "");

    loads[*engine::load_index_by_key("U2.V")] = "x";
    const NodalLoads before = loads;
    const struct {
        std::string span;
        DistributedLoad load;
        DistributedLoadFault fault;
    } refused[] = {
        {"", {Kind::BottomChord, Slopes::Both, "1"}, DistributedLoadFault::SpanNotANumber},
        {"10", {Kind::BottomChord, Slopes::Both, "1 kN"}, DistributedLoadFault::IntensityNotANumber},
        {"10", {Kind::TopChordVertical, Slopes::Left, "1"}, DistributedLoadFault::LoadNotANumber},
    };
    for (const auto& r : refused) {
        const auto error = add_distributed_load(r.span, r.load, loads);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->fault, r.fault) << error->message;
        EXPECT_EQ(loads, before);
    }
    // A load the distributed load does not reach may stay what it is.
    EXPECT_FALSE(add_distributed_load("10", {Kind::TopChordVertical, Slopes::Right, "1"}, loads));
}

// At any pitch the shares add up to the load's resultant, w times the loaded
// length: the span for vertical and bottom-chord loads, the slopes' length for
// the slope-normal one. Texts stay exact where the tangent ends (3:12 is 0.25,
// 6:12 is 0.5, a rise 3 on 12 is 0.5) and have at most 10 places otherwise.
TEST(DistributedLoadAtAPitch, SharesAddUpToTheLoadAndStayExactWhereTheTangentEnds) {
    const struct {
        const char* pitch;
        bool exact;
    } pitches[] = {{"3:12", true}, {"6:12", true},  {"rise 3", true},
                   {"30", false},  {"7:12", false}, {"rise 2.2", false}};
    for (const auto& p : pitches) {
        const engine::RoofPitch pitch = std::get<engine::RoofPitch>(engine::parse_pitch(p.pitch));
        const double t = pitch.form == engine::PitchForm::Rise ? 2 * pitch.rise.to_double() / 12 : pitch.tangent;
        for (const Kind kind : {Kind::TopChordVertical, Kind::SlopeNormal, Kind::BottomChord}) {
            SCOPED_TRACE(std::string(p.pitch) + " kind " + std::to_string(static_cast<int>(kind)));
            const auto loads = std::get<NodalLoads>(nodal_loads("12", {kind, Slopes::Left, "1.5"}, pitch));
            double vertical = 0;
            double horizontal = 0;
            for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
                if (loads[i].empty()) continue;
                const std::size_t point = loads[i].find('.');
                if (!p.exact && point != std::string::npos) {
                    EXPECT_LE(loads[i].size() - point - 1, 10u) << loads[i];
                }
                const double value = engine::parse_double(loads[i]);
                (engine::kLoadMap[i].component == engine::Component::Vertical ? vertical : horizontal) += value;
            }
            const double span_load = 1.5 * (kind == Kind::BottomChord ? 12 : 6);
            EXPECT_NEAR(vertical, span_load, 1e-9);
            EXPECT_NEAR(horizontal, kind == Kind::SlopeNormal ? span_load * t : 0, 1e-9);
        }
    }
    // 6:12 written out is the default: the same texts.
    const DistributedLoad ceiling{Kind::BottomChord, Slopes::Both, "0.85"};
    EXPECT_EQ(
        generated("14.4", ceiling),
        std::get<NodalLoads>(nodal_loads("14.4", ceiling, std::get<engine::RoofPitch>(engine::parse_pitch("6:12")))));
    const NodalLoads at_thirty =
        std::get<NodalLoads>(nodal_loads("12", ceiling, std::get<engine::RoofPitch>(engine::parse_pitch("30"))));
    EXPECT_EQ(at_thirty[*engine::load_index_by_key("L3.V")], "1.7");  // 0.85·12·(1 − 1/3)/4, rounded from 1.69999...
}

}  // namespace
}  // namespace korvel::load_case
