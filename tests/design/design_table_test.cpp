#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>

#include "design/design_table.hpp"

namespace korvel::design {
namespace {

using engine::Member;

Design timber_design() {
    load_case::Project project;
    project.units = load_case::ProjectUnits{"kN", "m"};
    load_case::DesignSettings settings;
    settings.code = "EN 1995-1-1";
    settings.service_class = "1";
    settings.material = "C24";
    settings.sections = {{"top chord", "47x150"}, {"bottom chord", "47x125"}, {"webs", "47x75"}};
    settings.members = {{"L2U2", "SHS 50x4 cold-formed"}};
    project.design = settings;
    const auto read = read_design(project);
    EXPECT_TRUE(std::holds_alternative<DesignError>(read));  // a steel section in a timber design
    settings.members.clear();
    project.design = settings;
    return std::get<Design>(read_design(project));
}

// The report lists failures first, the worst on top; the window and the CSV
// keep the members' order; every cell is the table's own words and numbers.
TEST(DesignTable, RowsInEitherOrderWithTheirWords) {
    const Design design = timber_design();
    DesignResult result;
    result.combinations = {"1.35D, snow", "1.35D"};
    for (const Member member : engine::kMembers) {
        MemberDesign& m = result.members[engine::to_index(member)];
        m.member = member;
        m.group = engine::member_group(member);
    }
    const auto set = [&](Member member, double utilisation, bool checked) {
        MemberDesign& m = result.members[engine::to_index(member)];
        m.governing = 0;
        m.utilisation = utilisation;
        m.design_force = -12.3456;
        m.resistance = 10;
        m.check = CheckKind::BucklingOutOfPlane;
        m.checked = checked;
        m.passes = checked && utilisation <= 1;
    };
    set(Member::L1U1, 1.2, true);
    set(Member::L2U2, 2.5, true);
    set(Member::U3U8, 0, false);
    set(Member::L0L1, 0.5, true);

    const auto members = design_table(result, design, DesignOrder::Members);
    ASSERT_EQ(members.size(), engine::kMemberCount);
    EXPECT_EQ(members[0].member, Member::L0L1);
    const auto failures = design_table(result, design, DesignOrder::FailuresFirst);
    const std::array<Member, 4> first{Member::U3U8, Member::L2U2, Member::L1U1, Member::L0L1};
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(failures[i].member, first[i]) << i;
    const auto cell = [](const DesignTableRow& row, DesignColumn column) {
        return row.cells[static_cast<std::size_t>(column)];
    };
    EXPECT_EQ(cell(failures[0], DesignColumn::Result), kNotCheckedWords);
    EXPECT_EQ(cell(failures[0], DesignColumn::Utilisation), "");
    EXPECT_EQ(cell(failures[1], DesignColumn::Result), kFailsWords);
    EXPECT_EQ(cell(failures[1], DesignColumn::Check), "buckling out of plane");
    EXPECT_EQ(cell(failures[1], DesignColumn::Force), "-12.346");
    EXPECT_EQ(cell(failures[1], DesignColumn::Section), "C24 47x75");
    EXPECT_EQ(cell(failures[3], DesignColumn::Result), kPassesWords);
    EXPECT_EQ(cell(failures[4], DesignColumn::Check), kNoForceWords);

    const std::string csv = design_csv(result, design, DesignOrder::Members);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Member,Group,Section,Governing combination,Design force (kN),Check,Resistance (kN),Utilisation,Result,"
              "Warnings");
    EXPECT_NE(csv.find("\r\nL0L1,bottom chord,C24 47x125,\"1.35D, snow\",-12.346,buckling out of plane,10.000,0.500,"
                       "passes,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_EQ(design_number(-0.0001, 3), "0.000");
}

}  // namespace
}  // namespace korvel::design
