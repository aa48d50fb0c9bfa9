#include <gtest/gtest.h>

#include "engine/envelope.hpp"
#include "load_case/combination.hpp"

namespace korvel::load_case {
namespace {

using engine::Member;
using engine::Reaction;

// Span 10: a vertical load of 10 at the apex gives RL0 = RL6 = 5, L0L1 10.0012 and
// L0U1 -11.1814, and -10 gives their negatives; a horizontal load of 10 at the
// roller L6 goes wholly to the hinge (HL0 10) and puts 10 into the bottom chord.
constexpr std::string_view kUplift = R"({"span": "10",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "10"}},
           {"name": "Wind", "kind": "wind", "loads": {"U4.V": "-30"}},
           {"name": "Drift", "kind": "other", "loads": {"L6.H": "10"}}],
 "combinations": [{"name": "D", "factors": {"Dead": "1"}},
                  {"name": "0.5D + 0.5W", "factors": {"Wind": "0.5", "Dead": "0.5"}},
                  {"name": "Huge", "factors": {"Dead": "1e18"}},
                  {"name": "H", "factors": {"Drift": "1"}}]})";

struct ExtremesRow {
    std::variant<Member, Reaction> item;
    const char* max;
    const char* max_by;
    const char* min;
    const char* min_by;
    bool reverses;
};

TEST(ProjectEnvelope, OfAnUpliftCaseAsWorkedByHand) {
    const Project project = std::get<Project>(read_case_file(kUplift));
    const auto outcomes = std::get<std::vector<engine::AnalysisOutcome>>(analyse_combinations(project));
    const engine::Envelope envelope = engine::Envelope::of(outcomes);

    ASSERT_FALSE(envelope.complete());
    ASSERT_EQ(envelope.failed().size(), 1u);
    EXPECT_EQ(project.combinations[envelope.failed()[0].combination].name, "Huge");
    EXPECT_EQ(envelope.failed()[0].error.kind, engine::ErrorKind::Overflow);

    const ExtremesRow rows[] = {
        {Member::L0L1, "10.0012", "D", "-10.0012", "0.5D + 0.5W", true},
        {Member::L5L6, "10.0012", "D", "-10.0012", "0.5D + 0.5W", true},
        {Member::L0U1, "11.1814", "0.5D + 0.5W", "-11.1814", "D", true},
        {Member::L3U4, "0", "D", "0", "D", false},
        {Reaction::RL0, "5", "D", "-5", "0.5D + 0.5W", true},
        {Reaction::RL6, "5", "D", "-5", "0.5D + 0.5W", true},
        // The roller takes no horizontal load: all of it is the hinge's.
        {Reaction::HL0, "10", "H", "0", "D", false},
    };
    for (const ExtremesRow& row : rows) {
        const engine::Extremes& e = std::holds_alternative<Member>(row.item)
                                        ? envelope.force(std::get<Member>(row.item))
                                        : envelope.reaction(std::get<Reaction>(row.item));
        EXPECT_EQ(e.max.value, engine::Fixed4::parse(row.max)) << row.max;
        EXPECT_EQ(project.combinations[e.max.by].name, row.max_by) << row.max;
        EXPECT_EQ(e.min.value, engine::Fixed4::parse(row.min)) << row.min;
        EXPECT_EQ(project.combinations[e.min.by].name, row.min_by) << row.min;
        EXPECT_EQ(e.reverses(), row.reverses) << row.max;
    }
    EXPECT_TRUE(envelope.uplifts(Reaction::RL0));
    EXPECT_TRUE(envelope.uplifts(Reaction::RL6));
}

}  // namespace
}  // namespace korvel::load_case
