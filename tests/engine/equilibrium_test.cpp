// A physical check of the analysis: the forces, loads and reactions it reports,
// placed on the exact truss, must balance at every one of the sixteen joints.
// A sign error or two results under each other's labels breaks that balance.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis_test_support.hpp"
#include "engine/analysis.hpp"

namespace korvel::engine {
namespace {

constexpr std::size_t kNodeCount = 16;

struct Vec {
    double x = 0;
    double y = 0;
};

// The exact node positions in units of the span, x to the right and y upward,
// in the order of Node (L0..L6, U1..U9).
constexpr std::array<Vec, kNodeCount> kExactShape{{
    {0, 0},
    {5 / 32.0, 0},
    {10 / 32.0, 0},
    {16 / 32.0, 0},
    {22 / 32.0, 0},
    {27 / 32.0, 0},
    {1, 0},
    {1 / 8.0, 1 / 16.0},
    {2 / 8.0, 2 / 16.0},
    {3 / 8.0, 3 / 16.0},
    {4 / 8.0, 4 / 16.0},
    {5 / 8.0, 3 / 16.0},
    {6 / 8.0, 2 / 16.0},
    {7 / 8.0, 1 / 16.0},
    {13 / 32.0, 1 / 8.0},
    {19 / 32.0, 1 / 8.0},
}};

std::size_t node_index(std::string_view name) { return static_cast<std::size_t>(*node_from_name(name)); }

// A load text read as a number; an empty load is zero.
double number(std::string_view text) {
    if (text.empty()) return 0;
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size()) throw std::invalid_argument("not a number: \"" + copy + "\"");
    return value;
}

// The direction from node `from` to node `to` on the exact truss.
Vec unit_vector(std::size_t from, std::size_t to) {
    const double dx = kExactShape[to].x - kExactShape[from].x;
    const double dy = kExactShape[to].y - kExactShape[from].y;
    const double length = std::hypot(dx, dy);
    return {dx / length, dy / length};
}

// The slope angle the analysis uses against the exact one.
const double kAngleError = std::atan(0.5) - 0.4636;  // 4.76e-5 rad

// How far the joints may be out of balance, and why.
//
// 1. Every force and reaction text is rounded to four decimals: up to 0.00005
//    for each of the at most 5 members and 2 reactions at a joint. The load
//    texts have four decimals and are read exactly.
// 2. The analysis balances its joints for members at 0.4636 and 0.9272 rad,
//    which point up to 2 x 4.76e-5 rad away from the exact ones: on the exact
//    truss that leaves up to 2 x 4.76e-5 x (sum of |force| at the joint).
// 3. Its sections, reactions and the joints it never balances (U4, U8, U9, and
//    along the chord at U3 and U5) rest on lever arms made of 0.4636 and of
//    Fixed4-rounded panel, rafter and load x arm products. Arms are off by at
//    most a few x 4.76e-5 of their own size and the forces they give scale
//    with the total load W (sum of |load|), so these errors stay below
//    10 x 4.76e-5 x W (the random cases reach about half of that). The
//    Fixed4 products (16 in the section moments, at most 20 in the reactions'
//    moment sum) each round by up to 0.00005 and are divided by h or S: at
//    most 36 x 0.00005 / h, below 0.002 for spans of at least 4 (h >= 1).
// A force with the wrong sign, or two forces swapped, moves a joint by the
// force itself (or the difference), far beyond this for any member that
// carries a real share of the load; the mutation tests below confirm it.
double joint_tolerance(double sum_of_forces_at_joint, double total_load) {
    return 7 * 0.00005 + 2 * kAngleError * sum_of_forces_at_joint + 10 * kAngleError * total_load + 0.002;
}

struct JointCheck {
    std::array<Vec, kNodeCount> residual{};
    std::array<double, kNodeCount> tolerance{};

    bool balanced() const {
        for (std::size_t j = 0; j < kNodeCount; ++j) {
            if (std::abs(residual[j].x) > tolerance[j] || std::abs(residual[j].y) > tolerance[j]) return false;
        }
        return true;
    }
    double largest_tolerance() const { return *std::max_element(tolerance.begin(), tolerance.end()); }
};

// Sums every force on every joint: tension pulls a member's ends toward each
// other; H loads act to the right, V loads downward; RL0 and RL6 push up and
// HL0 pushes L0 to the left.
JointCheck check_joints(const AnalysisInput& input, const AnalysisResult& result) {
    JointCheck check;
    std::array<double, kNodeCount> forces_at{};
    for (const Member member : kMembers) {
        const std::string_view name = member_name(member);
        const std::size_t a = node_index(name.substr(0, 2));
        const std::size_t b = node_index(name.substr(2, 2));
        const double force = result.force(member).to_double();
        const Vec u = unit_vector(a, b);
        check.residual[a].x += force * u.x;
        check.residual[a].y += force * u.y;
        check.residual[b].x -= force * u.x;
        check.residual[b].y -= force * u.y;
        forces_at[a] += std::abs(force);
        forces_at[b] += std::abs(force);
    }
    double total_load = 0;
    for (std::size_t i = 0; i < kLoadCount; ++i) {
        const double load = number(input.loads[i]);
        Vec& joint = check.residual[static_cast<std::size_t>(kLoadMap[i].node)];
        (kLoadMap[i].component == Component::Horizontal ? joint.x : joint.y) +=
            kLoadMap[i].component == Component::Horizontal ? load : -load;
        total_load += std::abs(load);
    }
    check.residual[node_index("L0")].y += result.reaction(Reaction::RL0).to_double();
    check.residual[node_index("L0")].x -= result.reaction(Reaction::HL0).to_double();
    check.residual[node_index("L6")].y += result.reaction(Reaction::RL6).to_double();
    for (std::size_t j = 0; j < kNodeCount; ++j) check.tolerance[j] = joint_tolerance(forces_at[j], total_load);
    return check;
}

AnalysisResult analyse(const AnalysisInput& input) { return std::get<AnalysisResult>(run_analysis(input)); }

// A decimal with up to four places, as a user would type it.
std::string four_place_text(std::int64_t ten_thousandths) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(ten_thousandths) / 10000.0);
    return text;
}

// Spans from 4 to 100 and a random subset of the 23 loads between -50 and 50.
std::vector<AnalysisInput> random_cases(std::size_t count, bool all_loads = false) {
    std::mt19937_64 random(7001);
    std::uniform_int_distribution<std::int64_t> span(40000, 1000000);
    std::uniform_int_distribution<std::int64_t> load(-500000, 500000);
    std::bernoulli_distribution present(0.4);
    std::vector<AnalysisInput> cases(count);
    for (AnalysisInput& input : cases) {
        input.span = four_place_text(span(random));
        for (std::string& text : input.loads) {
            if (all_loads || present(random)) text = four_place_text(load(random));
        }
    }
    return cases;
}

AnalysisInput single_load(const char* span, std::size_t load, const char* text) {
    AnalysisInput input;
    input.span = span;
    input.loads[load] = text;
    return input;
}

TEST(Equilibrium, HoldsAtEveryJointForRandomLoadSets) {
    for (const AnalysisInput& input : random_cases(400)) {
        EXPECT_TRUE(check_joints(input, analyse(input)).balanced()) << "span " << input.span;
    }
}

TEST(Equilibrium, HoldsForEachLoadAloneInEitherDirection) {
    for (std::size_t load = 0; load < kLoadCount; ++load) {
        for (const char* text : {"10", "-10"}) {
            const AnalysisInput input = single_load("10", load, text);
            EXPECT_TRUE(check_joints(input, analyse(input)).balanced()) << load_key(kLoadMap[load]) << " = " << text;
        }
    }
}

// The check itself must fail on the faults it is there to find.

AnalysisResult with_sign_flipped(AnalysisResult result, Member member) {
    result.set_force(member, -result.force(member));
    return result;
}

AnalysisResult with_swapped(AnalysisResult result, Member first, Member second) {
    const Fixed4 force = result.force(first);
    result.set_force(first, result.force(second));
    result.set_force(second, force);
    return result;
}

AnalysisResult with_swapped(AnalysisResult result, Reaction first, Reaction second) {
    const Fixed4 value = result.reaction(first);
    result.set_reaction(first, result.reaction(second));
    result.set_reaction(second, value);
    return result;
}

TEST(EquilibriumCheck, FindsTheFaultsOfAnApexLoad) {
    AnalysisInput input;
    input.span = "16";
    input.loads[*load_index_by_key("U4.V")] = "10";
    const AnalysisResult result = analyse(input);
    ASSERT_TRUE(check_joints(input, result).balanced());

    EXPECT_FALSE(check_joints(input, with_sign_flipped(result, Member::L0U1)).balanced());
    EXPECT_FALSE(check_joints(input, with_swapped(result, Member::L0U1, Member::L0L1)).balanced());
    EXPECT_FALSE(check_joints(input, with_swapped(result, Member::L3U4, Member::L2L3)).balanced());
}

TEST(EquilibriumCheck, FindsSwappedReactions) {
    const AnalysisInput input = single_load("10", *load_index_by_key("U1.V"), "10");
    const AnalysisResult result = analyse(input);
    ASSERT_TRUE(check_joints(input, result).balanced());
    EXPECT_FALSE(check_joints(input, with_swapped(result, Reaction::RL0, Reaction::RL6)).balanced());
    EXPECT_FALSE(check_joints(input, with_swapped(result, Reaction::RL0, Reaction::HL0)).balanced());
}

// Every member with a real force fails the check when its sign flips, and every
// two members with clearly different forces fail it when swapped. A joint moves
// by at least the force (or the difference) divided by the square root of 2 in
// one direction, which must exceed the tolerance twice over to be certain.
TEST(EquilibriumCheck, FindsEveryFlippedSignAndEverySwapOnAFullyLoadedTruss) {
    for (const AnalysisInput& input : random_cases(5, true)) {
        const AnalysisResult result = analyse(input);
        const JointCheck honest = check_joints(input, result);
        ASSERT_TRUE(honest.balanced());
        const double detectable = 2 * std::sqrt(2.0) * honest.largest_tolerance();

        std::size_t flips = 0;
        std::size_t swaps = 0;
        for (const Member first : kMembers) {
            const double force = result.force(first).to_double();
            if (std::abs(force) > detectable / 2) {
                ++flips;
                EXPECT_FALSE(check_joints(input, with_sign_flipped(result, first)).balanced())
                    << "sign of " << member_name(first);
            }
            for (const Member second : kMembers) {
                if (first >= second || std::abs(force - result.force(second).to_double()) <= detectable) continue;
                ++swaps;
                EXPECT_FALSE(check_joints(input, with_swapped(result, first, second)).balanced())
                    << member_name(first) << " swapped with " << member_name(second);
            }
        }
        // The sweep must cover most of the truss to mean anything.
        EXPECT_GE(flips, 25u) << "span " << input.span;
        EXPECT_GE(swaps, 350u) << "span " << input.span;
    }
}

}  // namespace
}  // namespace korvel::engine
