#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/envelope_table.hpp"
#include "engine/result_table.hpp"
#include "load_case/envelope_csv.hpp"

namespace korvel::load_case {
namespace {

using engine::Fixed4;

std::vector<std::string> lines_of(const std::string& csv) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "every line ends with CRLF";
    return lines;
}

engine::AnalysisResult all_at(const char* value) {
    engine::AnalysisResult result;
    for (const engine::Member member : engine::kMembers) result.set_force(member, Fixed4::parse(value));
    for (const engine::Reaction reaction : engine::kReactions) result.set_reaction(reaction, Fixed4::parse(value));
    return result;
}

TEST(EnvelopeCsv, WritesEachMemberThenEachReactionWithTheGoverningNamesQuotedWhereNeeded) {
    engine::AnalysisResult uplift = all_at("1");
    uplift.set_force(engine::Member::L0L1, Fixed4::parse("-2.5"));
    uplift.set_reaction(engine::Reaction::RL0, Fixed4::parse("-3"));
    // The failed combination comes first, so a name taken by position in the analysed ones would be wrong.
    const std::vector<engine::AnalysisOutcome> outcomes{engine::AnalysisError{engine::ErrorKind::Overflow, {}, "1e99"},
                                                        all_at("1.25"), uplift};
    const std::vector<std::string> names{"bad", "1.2D, 1.6S", "W \"up\""};
    const std::vector<std::string> lines = lines_of(envelope_csv(engine::Envelope::of(outcomes), names));

    ASSERT_EQ(lines.size(), 1 + engine::kMemberCount + engine::kReactionCount + 1);
    EXPECT_EQ(lines[0], "item,max,max_by,min,min_by,reverses,note");
    EXPECT_EQ(lines[1], "L0L1,1.25,\"1.2D, 1.6S\",-2.5,\"W \"\"up\"\"\",true," + std::string(engine::kReversesNote));
    EXPECT_EQ(lines[2], std::string(engine::member_name(engine::kMembersInTableOrder[1])) +
                            ",1.25,\"1.2D, 1.6S\",1,\"W \"\"up\"\"\",false,");
    // Uplift is named in the window's words; the incomplete envelope says which combination it leaves out.
    EXPECT_EQ(lines[1 + engine::kMemberCount],
              "RL0,1.25,\"1.2D, 1.6S\",-3,\"W \"\"up\"\"\",true," + std::string(engine::kUpliftWords[0].words));
    EXPECT_EQ(lines.back().rfind(std::string(kNotAnalysedItem) + ",,,,,,bad: ", 0), 0U);
}

TEST(EnvelopeCsv, IsTheHeaderAndTheCombinationsLeftOutWhenNoneCouldBeAnalysed) {
    const std::vector<engine::AnalysisOutcome> outcomes{engine::AnalysisError{engine::ErrorKind::Overflow, {}, "x"}};
    const std::vector<std::string> lines =
        lines_of(envelope_csv(engine::Envelope::of(outcomes), std::vector<std::string>{"C"}));
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], "item,max,max_by,min,min_by,reverses,note");
    EXPECT_EQ(lines[1].rfind(std::string(kNotAnalysedItem) + ",,,,,,C: ", 0), 0U);
}

}  // namespace
}  // namespace korvel::load_case
