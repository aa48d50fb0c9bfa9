#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>

#include "design/deflection_table.hpp"
#include "design/design_table.hpp"
#include "load_case/envelope_csv.hpp"
#include "tests/design/c24_roof.hpp"

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

// Failures first, the worst on top, then the rest by utilisation (the window) or
// in the members' order (the sheet); the CSV keeps the members' order; every
// cell is the table's own words and numbers.
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
    const Member last = engine::kMembers.back();
    set(last, 0.9, true);

    const auto members = design_table(result, design, DesignOrder::Members);
    ASSERT_EQ(members.size(), engine::kMemberCount);
    EXPECT_EQ(members[0].member, Member::L0L1);
    const auto failures = design_table(result, design, DesignOrder::FailuresFirst);
    const std::array<Member, 5> first{Member::U3U8, Member::L2U2, Member::L1U1, last, Member::L0L1};
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(failures[i].member, first[i]) << i;
    const auto sheet = design_table(result, design, DesignOrder::FailuresThenMembers);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(sheet[i].member, first[i]) << i;
    EXPECT_EQ(sheet[3].member, Member::L0L1) << "the rest in the members' order";
    EXPECT_EQ(sheet.back().member, last);
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
    EXPECT_EQ(cell(failures[5], DesignColumn::Check), kNoForceWords);

    const std::string csv = design_csv({design, result, {}, std::nullopt}, DesignOrder::Members);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Member,Group,Section,Governing combination,Design force (kN),Check,Resistance (kN),Utilisation,Result,"
              "Warnings");
    EXPECT_NE(csv.find("\r\nL0L1,bottom chord,C24 47x125,\"1.35D, snow\",-12.346,buckling out of plane,10.000,0.500,"
                       "passes,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_EQ(design_number(-0.0001, 3), "0.000");
}

// Serviceability combinations add the deflection table after the members and an
// empty line, in the window's words; the members' part stays as it was.
TEST(DesignTable, TheCsvEndsWithTheDeflectionsWhereTheDesignChecksThem) {
    load_case::Project project = design_testing::c24_roof();
    const auto with = std::get<ProjectDesign>(design_project(project));
    project.design->serviceability.clear();
    const auto without = std::get<ProjectDesign>(design_project(project));
    std::string expected = design_csv(without, DesignOrder::Members) + "\r\nCombination,Deflection,Largest (m),At,";
    expected += "Span over,Limit (m),Result,Spread of the supports (m)\r\n";
    for (const DeflectionTableRow& row : deflection_table(*with.deflection)) {
        for (const std::string& cell : row.cells) expected += load_case::csv_field(cell) + ',';
        expected.back() = '\r';
        expected += '\n';
    }
    EXPECT_EQ(design_csv(with, DesignOrder::Members), expected);
    EXPECT_EQ(deflection_table(*with.deflection).size(), 2U) << "instantaneous and final";
}

}  // namespace
}  // namespace korvel::design
