#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "analysis_test_support.hpp"

namespace korvel::engine {
namespace {

using testing::analyse;
using testing::Loads;
using testing::negated_text;
using Expected = std::vector<std::pair<std::string, std::string>>;

std::string describe(const char* span, Loads loads) {
    std::string text = std::string("span ") + span;
    for (const auto& [key, value] : loads) text += std::string(", ") + key + "=" + value;
    return text;
}

struct ReactionCase {
    const char* span;
    Loads loads;
    const char* RL0;
    const char* RL6;
    const char* HL0;
};

TEST(SupportReactions, MatchTheProgramsRounding) {
    const ReactionCase cases[] = {
        {"10", {}, "0", "0", "0"},
        {"10", {{"U4.V", "10"}}, "5", "5", "0"},
        {"10", {{"L1.V", "10"}}, "8.4375", "1.5625", "0"},
        {"10", {{"U1.V", "10"}}, "8.7499", "1.2501", "0"},
        {"10", {{"U7.V", "10"}}, "1.2501", "8.7499", "0"},
        {"10", {{"U4.H", "10"}}, "-2.5", "2.5", "10"},
        {"10", {{"L0.H", "10"}}, "0", "0", "10"},
        {"10", {{"L6.H", "10"}}, "0", "0", "10"},
        {"10", {{"U4.V", "0"}, {"L2.V", "0"}}, "0", "0", "0"},
        {"10",
         {{"L0.V", "10"},
          {"L1.V", "10"},
          {"L2.V", "10"},
          {"L3.V", "10"},
          {"L4.V", "10"},
          {"L5.V", "10"},
          {"L6.V", "10"},
          {"U1.V", "10"},
          {"U2.V", "10"},
          {"U3.V", "10"},
          {"U4.V", "10"},
          {"U5.V", "10"},
          {"U6.V", "10"},
          {"U7.V", "10"}},
         "70",
         "70",
         "0"},
        {"12",
         {{"L0.V", "10"},
          {"L1.V", "10"},
          {"L2.V", "10"},
          {"L3.V", "10"},
          {"L4.V", "10"},
          {"L5.V", "10"},
          {"L6.V", "10"},
          {"U1.V", "10"},
          {"U2.V", "10"},
          {"U3.V", "10"},
          {"U4.V", "10"},
          {"U5.V", "10"},
          {"U6.V", "10"},
          {"U7.V", "10"}},
         "70.0001",
         "69.9999",
         "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.span, c.loads));
        const AnalysisResult result = analyse(c.span, c.loads);
        EXPECT_EQ(testing::reaction_text(result, "RL0"), c.RL0);
        EXPECT_EQ(testing::reaction_text(result, "RL6"), c.RL6);
        EXPECT_EQ(testing::reaction_text(result, "HL0"), c.HL0);
        EXPECT_EQ(result.reaction(Reaction::RL0).to_text(), c.RL0);
        EXPECT_EQ(result.reaction(Reaction::RL6).to_text(), c.RL6);
        EXPECT_EQ(result.reaction(Reaction::HL0).to_text(), c.HL0);
    }
}

// The apex load of span 10: the slope angle 0.4636 leaves small forces in members
// that exact statics would leave unloaded, and they are part of the result.
const Expected kApexLoadForces = {
    {"L0U1", "-11.1814"}, {"L0L1", "10.0012"},  {"U1U2", "-11.1814"}, {"L1L2", "10.0012"}, {"L2L3", "10"},
    {"U4U8", "-0.0012"},  {"U3U4", "-11.1793"}, {"L2U2", "-0.0011"},  {"L2U8", "0.0012"},  {"U2U8", "0.0024"},
    {"U2U3", "-11.1835"}, {"L1U1", "0"},        {"L1U2", "0"},        {"U3U8", "0"},       {"L3U4", "0"},
    {"L6U7", "-11.1814"}, {"L5L6", "10.0012"},  {"U6U7", "-11.1814"}, {"L4L5", "10.0012"}, {"L3L4", "10"},
    {"U4U9", "-0.0012"},  {"U4U5", "-11.1793"}, {"L4U6", "-0.0011"},  {"L4U9", "0.0012"},  {"U6U9", "0.0024"},
    {"U5U6", "-11.1835"}, {"L5U7", "0"},        {"L5U6", "0"},        {"U5U9", "0"},
};

// The same forces with every sign turned round (a zero stays 0).
Expected negated(const Expected& forces) {
    Expected result;
    for (const auto& [member, text] : forces) {
        result.emplace_back(member, negated_text(text));
    }
    return result;
}

struct ForceCase {
    const char* span;
    Loads loads;
    Expected forces;
};

TEST(MemberForces, MatchTheProgramsEvaluationOrderDigitForDigit) {
    const ForceCase cases[] = {
        {"10", {{"U4.V", "10"}}, kApexLoadForces},
        {"12", {{"U4.V", "10"}}, kApexLoadForces},
        {"100", {{"U4.V", "10"}}, kApexLoadForces},
        {"10", {{"U4.V", "-10"}}, negated(kApexLoadForces)},
        {"10",
         {{"U1.V", "10"}},
         {{"L0U1", "-19.5673"}, {"L0L1", "17.5019"}, {"L1U1", "-8.9445"}, {"U1U2", "-15.0956"}, {"L1U2", "10.0012"},
          {"L1L2", "7.5007"},   {"L2L3", "2.4989"},  {"U4U8", "4.9993"},  {"U3U4", "-6.1477"},  {"L2U2", "-4.4734"},
          {"L2U8", "5.0019"},   {"U2U8", "0.0025"},  {"U2U3", "-6.1523"}, {"U3U8", "0"},        {"L3U4", "0"},
          {"L6U7", "-2.7955"},  {"L5L6", "2.5005"},  {"L5U7", "0"},       {"U6U7", "-2.7955"},  {"L5U6", "0"},
          {"L4L5", "2.5005"},   {"L3L4", "2.5002"},  {"U4U9", "-0.0003"}, {"U4U5", "-2.7927"},  {"L4U9", "0.0003"},
          {"L4U6", "-0.0003"},  {"U6U9", "0.0006"},  {"U5U6", "-2.7961"}, {"U5U9", "0"}}},
        {"10",
         {{"L1.V", "10"}},
         {{"L1U2", "12.5009"}, {"L1L2", "9.3755"}, {"L2L3", "3.1245"}, {"L3L4", "3.1251"}, {"L1U1", "0"}}},
        {"12",
         {{"U1.V", "10"},
          {"U2.V", "10"},
          {"U3.V", "10"},
          {"U4.V", "10"},
          {"U5.V", "10"},
          {"U6.V", "10"},
          {"U7.V", "10"},
          {"L1.V", "5"},
          {"L2.V", "5"},
          {"L3.V", "5"},
          {"L4.V", "5"},
          {"L5.V", "5"}},
         {{"L0U1", "-106.2235"}, {"L6U7", "-106.2232"}, {"L0L1", "95.0114"}, {"L5L6", "95.0112"}, {"U2U3", "-91.7015"},
          {"U5U6", "-91.7004"},  {"U2U8", "10.0148"},   {"U6U9", "10.0139"}, {"L2L3", "54.3743"}, {"L3L4", "54.3746"},
          {"U3U4", "-87.2055"},  {"U4U5", "-87.2056"},  {"U4U8", "39.3724"}, {"U4U9", "39.3729"}, {"L1U1", "-8.9445"},
          {"U3U8", "-8.9445"},   {"L5U7", "-8.9445"},   {"U5U9", "-8.9445"}, {"L1U2", "16.2516"}, {"L5U6", "16.2516"},
          {"L3U4", "5"}}},
        // F(U4U5) is formed with F(L2L3); formed with F(L3L4) it would read -1.3972.
        {"12",
         {{"U1.H", "10"}},
         {{"L2L3", "1.2511"}, {"L3L4", "1.2498"}, {"U4U5", "-1.3995"}, {"L6U7", "-1.3975"}, {"U6U7", "-1.3975"}}},
        {"10",
         {{"L6.H", "10"}},
         {{"L0L1", "10"},
          {"L1L2", "10"},
          {"L2L3", "10"},
          {"L3L4", "10"},
          {"L4L5", "10"},
          {"L5L6", "10"},
          {"L0U1", "0"},
          {"U2U8", "0"},
          {"U4U5", "0"},
          {"L4U6", "0"},
          {"L3U4", "0"}}},
        {"10", {{"L3.V", "7.5"}}, {{"L3U4", "7.5"}, {"L2L3", "7.5"}, {"L3L4", "7.5"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.span, c.loads));
        const AnalysisResult result = analyse(c.span, c.loads);
        for (const auto& [member, text] : c.forces) {
            SCOPED_TRACE(member);
            EXPECT_EQ(testing::force_text(result, member), text);
        }
    }
}

TEST(MemberForces, LoadsAtTheSupportsOrNoLoadsLeaveEveryMemberAtZero) {
    const struct {
        const char* name;
        Loads loads;
    } cases[] = {
        {"no loads", {}},
        {"vertical load at L0", {{"L0.V", "10"}}},
        {"horizontal load at L0", {{"L0.H", "10"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisResult result = analyse("10", c.loads);
        for (const Member member : kMembers) {
            EXPECT_EQ(result.force(member).to_text(), "0") << member_name(member);
        }
    }
}

TEST(MemberForces, ForcesLandUnderTheirMembers) {
    const AnalysisResult result = analyse("10", {{"U1.V", "10"}});
    EXPECT_EQ(result.force(Member::L0U1).to_text(), "-19.5673");  // the first force computed
    EXPECT_EQ(result.force(Member::L0L1).to_text(), "17.5019");
    EXPECT_EQ(result.force(Member::U4U5).to_text(), "-2.7927");
    EXPECT_EQ(result.force(Member::L4U6).to_text(), "-0.0003");
    EXPECT_EQ(result.force(Member::U5U9).to_text(), "0");  // the last force computed
}

}  // namespace
}  // namespace korvel::engine
