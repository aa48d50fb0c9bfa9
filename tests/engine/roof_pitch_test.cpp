// The pitch as the user writes it, and the analysis at any accepted pitch:
// balanced at every joint of the truss drawn at that pitch, mirrored under
// mirrored loads, and exactly the 6:12 analysis when the pitch is 6:12.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "analysis_test_support.hpp"
#include "engine/roof_pitch.hpp"
#include "engine/truss_shape.hpp"

namespace korvel::engine {
namespace {

double tan_degrees(double degrees) { return std::tan(degrees * std::numbers::pi / 180); }

RoofPitch pitch(std::string_view text) {
    auto parsed = parse_pitch(text);
    if (const auto* error = std::get_if<PitchError>(&parsed)) ADD_FAILURE() << error->message();
    return std::get<RoofPitch>(parsed);
}

TEST(RoofPitch, ReadsEveryFormAsUsersWriteIt) {
    const struct {
        const char* typed;
        PitchForm form;
        double tangent;
        const char* text;
    } cases[] = {
        {"30", PitchForm::Degrees, tan_degrees(30), "30°"},
        {" 30° ", PitchForm::Degrees, tan_degrees(30), "30°"},
        {"22.5 deg", PitchForm::Degrees, tan_degrees(22.5), "22.5°"},
        {"35 Degrees", PitchForm::Degrees, tan_degrees(35), "35°"},
        {"5", PitchForm::Degrees, tan_degrees(5), "5°"},
        {"40", PitchForm::Degrees, tan_degrees(40), "40°"},
        {"7:12", PitchForm::RisePerRun, 7 / 12.0, "7:12"},
        {"7/12", PitchForm::RisePerRun, 7 / 12.0, "7:12"},
        {"4 in 12", PitchForm::RisePerRun, 4 / 12.0, "4:12"},
        {"6:12", PitchForm::RisePerRun, 0.5, "6:12"},
        {"rise 3.6", PitchForm::Rise, 0, "rise 3.6"},
        {"Rise: 2.50", PitchForm::Rise, 0, "rise 2.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const RoofPitch read = pitch(c.typed);
        EXPECT_EQ(read.form, c.form);
        EXPECT_EQ(read.tangent, c.tangent);
        EXPECT_EQ(read.text, c.text);
        EXPECT_EQ(read.is_default(), c.tangent == 0.5);
    }
    EXPECT_EQ(pitch("rise 3.6").rise, Fixed4::parse("3.6"));
    EXPECT_TRUE(RoofPitch().is_default());
}

TEST(RoofPitch, RefusesEveryBadPitchNamingItAndWhy) {
    const struct {
        const char* typed;
        PitchProblem problem;
        const char* says;
    } cases[] = {
        {"", PitchProblem::Empty, "in degrees (30"},
        {"steep", PitchProblem::NotUnderstood, "rise per 12 of run (7:12"},
        {"30 grad", PitchProblem::NotUnderstood, "(rise 3.6)"},
        {"0", PitchProblem::NotPositive, "does not rise"},
        {"-30", PitchProblem::NotPositive, "does not rise"},
        {"rise -2", PitchProblem::NotPositive, "does not rise"},
        {"4.9", PitchProblem::TooFlat, "below 5° the webs vanish into the chords"},
        {"1:12", PitchProblem::TooFlat, "below 5°"},
        {"41°", PitchProblem::TooSteep, "from 5° to 40°"},
        {"45°", PitchProblem::NoMiddlePanel, "from 45° on the bottom-chord panels L2L3 and L3L4 vanish"},
        {"90", PitchProblem::NoMiddlePanel, "from 45° on"},
        {"12:12", PitchProblem::NoMiddlePanel, "from 45° on"},
        {"7:0", PitchProblem::NoRun, "has no run"},
        {"1e400", PitchProblem::BeyondRange, "beyond the computable range"},
        {"rise 1e400", PitchProblem::BeyondRange, "beyond the computable range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto parsed = parse_pitch(c.typed);
        ASSERT_TRUE(std::holds_alternative<PitchError>(parsed));
        const PitchError& error = std::get<PitchError>(parsed);
        EXPECT_EQ(error.problem, c.problem);
        const std::string message = error.message();
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        if (*c.typed) {
            EXPECT_NE(message.find('"' + std::string(c.typed) + '"'), std::string::npos) << message;
        }
    }
}

// A rise is a pitch only on its span: too flat or too steep there, the run names it.
TEST(RoofPitch, RefusesARiseThatMakesTheSpanTooFlatOrTooSteep) {
    for (const char* rise : {"rise 0.2", "rise 5.1"}) {
        testing::Loads none;
        AnalysisInput input = testing::make_input("12", none);
        input.pitch = pitch(rise);
        const AnalysisOutcome outcome = run_analysis(input);
        ASSERT_TRUE(std::holds_alternative<AnalysisError>(outcome)) << rise;
        const AnalysisError& error = std::get<AnalysisError>(outcome);
        EXPECT_EQ(error.input_key(), "pitch");
        EXPECT_EQ(error_kind_key(error.kind), "pitch-out-of-range");
        EXPECT_NE(error.message().find(rise), std::string::npos) << error.message();
        EXPECT_NE(error.message().find("from 0.0438 to 0.4195 times the span"), std::string::npos) << error.message();
    }
}

// 6:12 written any way, or as its rise S/4, is the original analysis bit for bit.
TEST(RoofPitch, SixInTwelveInAnyFormIsTheOriginalAnalysis) {
    const AnalysisInput original = testing::make_input("12", {{"U1.V", "10"}, {"U3.H", "-3.3"}, {"L2.V", "7.25"}});
    const AnalysisResult expected = std::get<AnalysisResult>(run_analysis(original));
    for (const char* text : {"6:12", "6/12", "1:2", "rise 3"}) {
        AnalysisInput input = original;
        input.pitch = pitch(text);
        EXPECT_EQ(std::get<AnalysisResult>(run_analysis(input)), expected) << text;
    }
}

struct Vec {
    double x = 0;
    double y = 0;
};

std::string four_places(std::int64_t ten_thousandths) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(ten_thousandths) / 10000.0);
    return text;
}

// The angle the analysis works with is arctan t rounded to four decimals: up
// to 0.00005 rad from the true slope, and 2θ up to twice that. On the true
// truss that leaves each joint out of balance by at most the rounding of its
// five forces and two reactions, the angle error times the forces there, and
// the lever arms' error times the forces they give (see equilibrium_test.cpp,
// whose bound this is with the largest angle error in place of that of 6:12).
// Those forces grow as the roof flattens, with the whole load over sin θ.
constexpr double kAngleError = 0.00005;

double joint_tolerance(double forces_at_joint, double total_load, double sine) {
    return 7 * 0.00005 + 2 * kAngleError * forces_at_joint + 10 * kAngleError * total_load / sine + 0.002;
}

// The largest amount by which a joint, in units of its tolerance, is out of balance.
double worst_joint(const AnalysisInput& input, const AnalysisResult& result, double tangent) {
    constexpr std::size_t kNodes = 16;
    std::array<Vec, kNodes> residual{};
    std::array<double, kNodes> forces_at{};
    for (const Member member : kMembers) {
        const MemberEnds ends = member_ends(member);
        const ShapePoint a = node_position(ends.first, tangent);
        const ShapePoint b = node_position(ends.second, tangent);
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const Vec u{(b.x - a.x) / length, (b.y - a.y) / length};
        const double force = result.force(member).to_double();
        const auto first = static_cast<std::size_t>(ends.first);
        const auto second = static_cast<std::size_t>(ends.second);
        residual[first].x += force * u.x;
        residual[first].y += force * u.y;
        residual[second].x -= force * u.x;
        residual[second].y -= force * u.y;
        forces_at[first] += std::abs(force);
        forces_at[second] += std::abs(force);
    }
    double total_load = 0;
    for (std::size_t i = 0; i < kLoadCount; ++i) {
        const double load = input.loads[i].empty() ? 0 : parse_double(input.loads[i]);
        Vec& joint = residual[static_cast<std::size_t>(kLoadMap[i].node)];
        if (kLoadMap[i].component == Component::Horizontal)
            joint.x += load;
        else
            joint.y -= load;
        total_load += std::abs(load);
    }
    residual[static_cast<std::size_t>(Node::L0)].y += result.reaction(Reaction::RL0).to_double();
    residual[static_cast<std::size_t>(Node::L0)].x -= result.reaction(Reaction::HL0).to_double();
    residual[static_cast<std::size_t>(Node::L6)].y += result.reaction(Reaction::RL6).to_double();
    const double sine = std::sin(std::atan(tangent));
    double worst = 0;
    for (std::size_t j = 0; j < kNodes; ++j) {
        const double off = std::max(std::abs(residual[j].x), std::abs(residual[j].y));
        worst = std::max(worst, off / joint_tolerance(forces_at[j], total_load, sine));
    }
    return worst;
}

struct PitchCase {
    const char* text;
    double span;  // the rise form is a pitch only on its span
};

const PitchCase kPitches[] = {
    {"5°", 0},   {"15°", 0},  {"22.5°", 0},     {"30°", 0},       {"35°", 0},       {"40°", 0},
    {"4:12", 0}, {"8:12", 0}, {"rise 3.6", 12}, {"rise 0.6", 12}, {"rise 40", 100},
};

double tangent_of(const RoofPitch& pitch, double span) {
    return pitch.form == PitchForm::Rise ? 2 * pitch.rise.to_double() / span : pitch.tangent;
}

TEST(RoofPitch, EveryPitchBalancesEveryJointOfItsTrueTruss) {
    std::mt19937_64 random(2404);
    std::uniform_int_distribution<std::int64_t> span_draw(40000, 1000000);
    std::uniform_int_distribution<std::int64_t> load(-500000, 500000);
    std::bernoulli_distribution present(0.4);
    for (const PitchCase& c : kPitches) {
        const RoofPitch read = pitch(c.text);
        for (int run = 0; run < 60; ++run) {
            AnalysisInput input;
            input.pitch = read;
            input.span =
                c.span > 0 ? four_places(static_cast<std::int64_t>(c.span * 10000)) : four_places(span_draw(random));
            for (std::string& text : input.loads) {
                if (present(random)) text = four_places(load(random));
            }
            const AnalysisOutcome outcome = run_analysis(input);
            ASSERT_TRUE(std::holds_alternative<AnalysisResult>(outcome)) << c.text << " on " << input.span;
            const AnalysisResult& result = std::get<AnalysisResult>(outcome);
            EXPECT_LE(worst_joint(input, result, tangent_of(read, parse_double(input.span))), 1.0)
                << c.text << " on " << input.span;
        }
    }
}

// Every member is as long as the truss drawn at the pitch, to the small
// difference the rounded slope angle makes: a few times the span times its error.
TEST(RoofPitch, EveryLengthIsTheTrueTrussAtThePitch) {
    for (const PitchCase& c : kPitches) {
        AnalysisInput input;
        input.span = c.span > 0 ? four_places(static_cast<std::int64_t>(c.span * 10000)) : "16";
        input.pitch = pitch(c.text);
        const AnalysisResult result = std::get<AnalysisResult>(run_analysis(input));
        const double span = parse_double(input.span);
        const double tangent = tangent_of(input.pitch, span);
        for (const Member member : kMembers) {
            const MemberEnds ends = member_ends(member);
            const ShapePoint a = node_position(ends.first, tangent);
            const ShapePoint b = node_position(ends.second, tangent);
            const double analysed = result.length(member).to_double();
            EXPECT_NEAR(span * std::hypot(b.x - a.x, b.y - a.y), analysed, 2 * span * kAngleError + 0.0002)
                << c.text << " " << member_name(member);
        }
        EXPECT_NEAR(result.length(Member::L3U4).to_double(), span * tangent / 2, 0.00005) << c.text;
    }
}

// Mirrored loads give mirrored forces, to the rounding of the fourth decimal
// and the slope angle's: the two halves are solved from different equations
// whose lever arms carry the angle's error differently.
TEST(RoofPitch, MirroredLoadsGiveMirroredForcesAtEveryPitch) {
    const std::pair<Member, Member> mirrors[] = {
        {Member::L0U1, Member::L6U7}, {Member::L0L1, Member::L5L6}, {Member::L1U1, Member::L5U7},
        {Member::U1U2, Member::U6U7}, {Member::L1U2, Member::L5U6}, {Member::L1L2, Member::L4L5},
        {Member::L2L3, Member::L3L4}, {Member::U4U8, Member::U4U9}, {Member::U3U4, Member::U4U5},
        {Member::L2U2, Member::L4U6}, {Member::L2U8, Member::L4U9}, {Member::U2U8, Member::U6U9},
        {Member::U2U3, Member::U5U6}, {Member::U3U8, Member::U5U9},
    };
    const testing::Loads symmetric = {{"U1.V", "10"}, {"U2.V", "10"}, {"U3.V", "10"}, {"U4.V", "10"},
                                      {"U5.V", "10"}, {"U6.V", "10"}, {"U7.V", "10"}, {"L1.V", "5"},
                                      {"L2.V", "5"},  {"L3.V", "5"},  {"L4.V", "5"},  {"L5.V", "5"}};
    constexpr double kTotalLoad = 95;
    for (const PitchCase& c : kPitches) {
        AnalysisInput input =
            testing::make_input(c.span > 0 ? four_places(static_cast<std::int64_t>(c.span * 10000)) : "12", symmetric);
        input.pitch = pitch(c.text);
        const AnalysisResult result = std::get<AnalysisResult>(run_analysis(input));
        const double tolerance =
            0.0001 + kAngleError * kTotalLoad / std::sin(std::atan(tangent_of(input.pitch, parse_double(input.span))));
        EXPECT_NEAR(result.reaction(Reaction::RL0).to_double(), result.reaction(Reaction::RL6).to_double(), tolerance);
        for (const auto& [left, right] : mirrors) {
            EXPECT_NEAR(result.force(left).to_double(), result.force(right).to_double(), tolerance)
                << c.text << " " << member_name(left);
        }
    }
}

}  // namespace
}  // namespace korvel::engine
