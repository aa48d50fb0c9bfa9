#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/envelope.hpp"

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

}  // namespace
}  // namespace korvel::engine
