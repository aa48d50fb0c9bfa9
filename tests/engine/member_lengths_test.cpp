#include <gtest/gtest.h>

#include <map>
#include <string>

#include "analysis_test_support.hpp"

namespace korvel::engine {
namespace {

using testing::analyse;

// Which of the six length classes each member belongs to.
const std::map<std::string, int> kLengthClass = {
    {"L0U1", 1}, {"U1U2", 1}, {"U2U3", 1}, {"U3U4", 1}, {"U4U5", 1}, {"U5U6", 1}, {"U6U7", 1}, {"L6U7", 1},
    {"L0L1", 2}, {"L1L2", 2}, {"L4L5", 2}, {"L5L6", 2}, {"L1U2", 2}, {"L5U6", 2}, {"U2U8", 2}, {"U6U9", 2},
    {"L2U8", 2}, {"L4U9", 2}, {"U4U8", 2}, {"U4U9", 2}, {"L2L3", 3}, {"L3L4", 3}, {"L1U1", 4}, {"L5U7", 4},
    {"U3U8", 4}, {"U5U9", 4}, {"L2U2", 5}, {"L4U6", 5}, {"L3U4", 6},
};

TEST(MemberLengths, EveryMemberShowsTheTextOfItsClass) {
    const struct {
        const char* span;
        const char* class_text[6];
    } cases[] = {
        {"10", {"1.3976", "1.5625", "1.8751", "0.6987", "1.3974", "2.5"}},
        {"12", {"1.677", "1.8749", "2.2503", "0.8384", "1.6768", "3"}},
        {"100", {"13.9754", "15.6246", "18.752", "6.9869", "13.9737", "25"}},
        {"-10", {"1.3976", "1.5625", "1.8751", "0.6987", "1.3974", "2.5"}},
        {" 1e1 ", {"1.3976", "1.5625", "1.8751", "0.6987", "1.3974", "2.5"}},
    };
    ASSERT_EQ(kLengthClass.size(), kMemberCount);
    for (const auto& c : cases) {
        const AnalysisResult result = analyse(c.span);
        for (const auto& [member, length_class] : kLengthClass) {
            SCOPED_TRACE(std::string("span ") + c.span + ", " + member);
            EXPECT_EQ(testing::length_text(result, member), c.class_text[length_class - 1]);
        }
    }
}

TEST(MemberLengths, LengthsLandUnderTheirMembers) {
    const AnalysisResult result = analyse("10");
    EXPECT_EQ(result.length(Member::L0L1).to_text(), "1.5625");
    EXPECT_EQ(result.length(Member::L0U1).to_text(), "1.3976");
    EXPECT_EQ(result.length(Member::L4U6).to_text(), "1.3974");
    EXPECT_EQ(result.length(Member::L3U4).to_text(), "2.5");
    EXPECT_EQ(result.length(Member::L3L4).to_text(), "1.8751");
}

TEST(MemberLengths, RunningTwiceGivesTheSameTexts) {
    EXPECT_EQ(analyse("12", {{"U1.V", "10"}}), analyse("12", {{"U1.V", "10"}}));
}

}  // namespace
}  // namespace korvel::engine
