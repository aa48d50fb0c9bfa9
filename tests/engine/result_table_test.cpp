#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis_test_support.hpp"
#include "engine/result_table.hpp"

namespace korvel::engine {
namespace {

// The records of a CSV text; each must end in CRLF.
std::vector<std::string> records_of(const std::string& csv) {
    std::vector<std::string> records;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "record without CRLF: " << csv.substr(start);
            break;
        }
        records.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    return records;
}

TEST(ResultsCsv, HeaderThenOneRowPerMemberAndReaction) {
    const AnalysisResult result = testing::analyse("10", {{"U4.V", "10"}});
    const std::string csv = results_csv(result);
    const auto lines = records_of(csv);
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);  // no bare line feed before the first CRLF
    ASSERT_EQ(lines.size(), 1 + kMemberCount + 3);
    EXPECT_EQ(lines[0], "item,length,axial_force,reaction");
    EXPECT_EQ(lines[1], "L0L1,1.5625,10.0012,");
    for (std::size_t i = 0; i < kMemberCount; ++i) {
        const Member member = kMembersInTableOrder[i];
        EXPECT_EQ(lines[1 + i], std::string(member_name(member)) + "," + result.length(member).to_text() + "," +
                                    result.force(member).to_text() + ",");
    }
    EXPECT_EQ(lines[30], "RL0,,,5");
    EXPECT_EQ(lines[31], "RL6,,,5");
    EXPECT_EQ(lines[32], "HL0,,,0");
    EXPECT_EQ(csv.find('"'), std::string::npos);  // numbers and names need no quotes
}

TEST(ResultTable, ListsEveryMemberOnceAndCaptionsItsName) {
    std::vector<bool> listed(kMemberCount);
    for (const Member member : kMembersInTableOrder) {
        EXPECT_FALSE(listed[to_index(member)]) << member_name(member);
        listed[to_index(member)] = true;
        EXPECT_EQ(member_caption(member), std::string(member_name(member)) + "=");
    }
    for (std::size_t i = 0; i < kReactionRows.size(); ++i) EXPECT_EQ(kReactionRows[i].reaction, kReactions[i]);
}

}  // namespace
}  // namespace korvel::engine
