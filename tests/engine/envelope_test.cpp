#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/envelope.hpp"
#include "engine/envelope_table.hpp"
#include "engine/result_table.hpp"

namespace korvel::engine {
namespace {

// Every force and reaction of a combination at one value, in ten-thousandths; nothing for one that fails.
using Column = std::vector<std::optional<std::int64_t>>;

std::vector<AnalysisOutcome> outcomes_of(const Column& column) {
    std::vector<AnalysisOutcome> outcomes;
    for (const auto& count : column) {
        if (!count) {
            outcomes.emplace_back(AnalysisError{ErrorKind::Overflow, {ErrorSource::Kind::Load, 9}, "1e30"});
            continue;
        }
        AnalysisResult::MemberValues forces;
        forces.fill(Fixed4::from_count(*count));
        AnalysisResult::ReactionValues reactions;
        reactions.fill(Fixed4::from_count(*count));
        outcomes.emplace_back(AnalysisResult({}, forces, reactions));
    }
    return outcomes;
}

struct EnvelopeRow {
    Column column;
    std::int64_t max;
    std::size_t max_by;
    std::int64_t min;
    std::size_t min_by;
    bool reverses;
    std::vector<std::size_t> failed;
};

class EnvelopeOf : public testing::TestWithParam<EnvelopeRow> {};

TEST_P(EnvelopeOf, KeepsTheExtremesAndTheFirstCombinationGivingThem) {
    const EnvelopeRow& row = GetParam();
    const std::vector<AnalysisOutcome> outcomes = outcomes_of(row.column);
    const Envelope envelope = Envelope::of(outcomes);
    ASSERT_TRUE(envelope.has_values());
    for (const Extremes* extremes : {&envelope.force(Member::L0L1), &envelope.force(Member::L5U7),
                                     &envelope.reaction(Reaction::RL0), &envelope.reaction(Reaction::HL0)}) {
        EXPECT_EQ(extremes->max.value.count(), row.max);
        EXPECT_EQ(extremes->max.by, row.max_by);
        EXPECT_EQ(extremes->min.value.count(), row.min);
        EXPECT_EQ(extremes->min.by, row.min_by);
        EXPECT_EQ(extremes->reverses(), row.reverses);
    }
    EXPECT_EQ(envelope.uplifts(Reaction::RL6), row.min < 0);
    EXPECT_FALSE(envelope.uplifts(Reaction::HL0));
    EXPECT_EQ(envelope.complete(), row.failed.empty());
    std::vector<std::size_t> failed;
    for (const FailedCombination& f : envelope.failed()) failed.push_back(f.combination);
    EXPECT_EQ(failed, row.failed);
    EXPECT_EQ(envelope.analysed() + failed.size(), row.column.size());
}

INSTANTIATE_TEST_SUITE_P(Columns, EnvelopeOf,
                         testing::Values(EnvelopeRow{{5, -3, 7}, 7, 2, -3, 1, true, {}},
                                         EnvelopeRow{{4, 4, 4}, 4, 0, 4, 0, false, {}},
                                         EnvelopeRow{{0, -2}, 0, 0, -2, 1, false, {}},
                                         EnvelopeRow{{-1, 2, 2, -1}, 2, 1, -1, 0, true, {}},
                                         EnvelopeRow{{std::nullopt, 3, std::nullopt, -1}, 3, 1, -1, 3, true, {0, 2}},
                                         EnvelopeRow{{-9223372036854775807 - 1, 9223372036854775807},
                                                     9223372036854775807,
                                                     1,
                                                     -9223372036854775807 - 1,
                                                     0,
                                                     true,
                                                     {}}));

TEST(EnvelopeOf, HasNoValuesWhenNoCombinationCouldBeAnalysed) {
    for (const Column& column : {Column{}, Column{std::nullopt, std::nullopt}}) {
        const std::vector<AnalysisOutcome> outcomes = outcomes_of(column);
        const Envelope envelope = Envelope::of(outcomes);
        EXPECT_FALSE(envelope.has_values());
        EXPECT_EQ(envelope.complete(), column.empty());
        EXPECT_EQ(envelope.failed().size(), column.size());
    }
}

TEST(Governing, IsTheLargerInSizeAndTheMaxOnATie) {
    struct Row {
        std::int64_t max, min, governs;
    };
    const Row rows[] = {{5, -5, 5},
                        {3, -7, -7},
                        {7, -3, 7},
                        {0, 0, 0},
                        {-2, -9, -9},
                        {9, 2, 9},
                        {9223372036854775807, -9223372036854775807 - 1, -9223372036854775807 - 1}};
    for (const Row& row : rows) {
        const Extremes extremes{{Fixed4::from_count(row.max), 0}, {Fixed4::from_count(row.min), 1}};
        EXPECT_EQ(governing(extremes).count(), row.governs) << row.max << " " << row.min;
    }
}

// What the table says of a column of combinations (every value of a combination alike), named A, B, C ...
struct TableRow {
    Column column;
    std::string status;
    std::vector<std::string> failed;
    // The notes of L0L1, RL0, RL6 and HL0.
    std::array<std::string_view, 4> notes;
};

TEST(EnvelopeTable, SaysEachNoteAndTheStatusInTheWindowsWords) {
    const TableRow rows[] = {
        {{5, -3},
         "Envelope of 2 combinations.",
         {},
         {"reverses", "uplift: hold down L0", "uplift: hold down L6", "acts both ways"}},
        {{-2, -1}, "Envelope of 2 combinations.", {}, {"", "uplift: hold down L0", "uplift: hold down L6", ""}},
        {{2, 0}, "Envelope of 2 combinations.", {}, {"", "", "", ""}},
        {{std::nullopt, 3, std::nullopt},
         "Incomplete: the envelope leaves out 2 of 3 combinations.",
         {"A", "C"},
         {"", "", "", ""}},
        {{std::nullopt}, "No combination could be analysed.", {"A"}, {}},
    };
    const std::vector<std::string> names{"A", "B", "C"};
    for (const TableRow& row : rows) {
        const std::vector<AnalysisOutcome> outcomes = outcomes_of(row.column);
        const Envelope envelope = Envelope::of(outcomes);
        const EnvelopeTable table = envelope_table(envelope, std::span(names).first(row.column.size()));
        EXPECT_EQ(table.status, row.status);
        EXPECT_EQ(table.complete, row.failed.empty());
        std::vector<std::string> failed;
        for (const EnvelopeFailure& failure : table.failures) failed.emplace_back(failure.name);
        EXPECT_EQ(failed, row.failed) << row.status;
        if (!envelope.has_values()) {
            EXPECT_TRUE(table.members.empty() && table.reactions.empty());
            continue;
        }
        ASSERT_EQ(table.members.size(), kMemberCount);
        ASSERT_EQ(table.reactions.size(), kReactionCount);
        const std::array<std::string_view, 4> notes{table.members[0].note, table.reactions[0].note,
                                                    table.reactions[1].note, table.reactions[2].note};
        EXPECT_EQ(notes, row.notes) << row.status;
    }
}

TEST(EnvelopeTable, HoldsEachRowInTheResultsTablesOrderWithTheCombinationsGivingItsExtremes) {
    const std::vector<AnalysisOutcome> outcomes = outcomes_of({-25000, 12500});
    const std::vector<std::string> names{"1.2D, 1.6S", "W"};
    const EnvelopeTable table = envelope_table(Envelope::of(outcomes), names);
    for (std::size_t m = 0; m < kMemberCount; ++m) {
        const auto cells = table.members[m].cells();
        EXPECT_EQ(std::vector<std::string_view>(cells.begin(), cells.end()),
                  (std::vector<std::string_view>{member_name(kMembersInTableOrder[m]), "1.25", "W", "-2.5",
                                                 "1.2D, 1.6S", "reverses"}));
    }
    for (std::size_t r = 0; r < kReactionCount; ++r)
        EXPECT_EQ(table.reactions[r].item, reaction_name(kReactionRows[r].reaction));
}

}  // namespace
}  // namespace korvel::engine
