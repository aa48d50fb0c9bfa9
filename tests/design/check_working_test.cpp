#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>

#include "design/check_working.hpp"
#include "design/design_table.hpp"
#include "tests/design/c24_roof.hpp"

namespace korvel::design {
namespace {

// The C24 roof redesigned in each code, with sections the code reads.
load_case::Project roof_in(std::string code, std::string material, std::string chords, std::string webs) {
    load_case::Project project = design_testing::c24_roof();
    project.design->code = std::move(code);
    project.design->material = std::move(material);
    project.design->sections = {{"top chord", chords}, {"bottom chord", chords}, {"webs", std::move(webs)}};
    return project;
}

ProjectDesign designed(const load_case::Project& project) {
    auto answer = design_project(project);
    EXPECT_TRUE(std::holds_alternative<ProjectDesign>(answer));
    return std::get<ProjectDesign>(std::move(answer));
}

// The working ends where the design table does: the same utilisation of every
// member to its last digit, on the governing step's last line, that step first.
TEST(CheckWorking, EndsOnTheDesignTablesUtilisation) {
    const std::array projects{
        design_testing::c24_roof(),
        roof_in("NDS 2018 ASD", "DF-L No. 2", "2x8", "2x6"),
        roof_in("EN 1993-1-1", "S355", "SHS 80x4 cold-formed", "SHS 50x3 cold-formed"),
        roof_in("AISC 360-16 LRFD", "A500 Gr. C", "SHS 4x0.233 cold-formed", "SHS 3x0.174 cold-formed"),
        roof_in("AISC 360-16 ASD", "A500 Gr. C", "SHS 4x0.233 cold-formed", "SHS 3x0.174 cold-formed"),
    };
    for (const load_case::Project& project : projects) {
        const ProjectDesign answer = designed(project);
        const auto rows = design_table(answer.result, answer.design, DesignOrder::Members);
        int governing_steps = 0;
        for (const engine::Member member : engine::kMembers) {
            const CheckWorking working = check_working(answer, member);
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const DesignTableRow& r) {
                return r.cells[static_cast<std::size_t>(DesignColumn::Member)] == engine::member_name(member);
            });
            ASSERT_NE(row, rows.end());
            const std::string& table = row->cells[static_cast<std::size_t>(DesignColumn::Utilisation)];
            const std::string context = project.design->code + " " + std::string(engine::member_name(member));
            EXPECT_EQ(working.utilisation, table) << context;
            if (!answer.result.members[engine::to_index(member)].governing) continue;
            ASSERT_EQ(working.steps.size(), 3u) << context;
            EXPECT_TRUE(working.steps.front().governing) << context;
            EXPECT_EQ(working.steps.front().lines.back().result, table) << context;
            governing_steps += 1;
        }
        EXPECT_GT(governing_steps, 10) << project.design->code;
    }
}

Design design_of(load_case::Project project) { return std::get<Design>(read_design(project)); }

std::string line_of(const Design& design, const CheckValues& values, std::string_view formula) {
    ProjectDesign answer{design, {}, {}, {}};
    MemberDesign& member = answer.result.members[0];
    member.governing = 0;
    member.check = values.kind;
    member.checks[static_cast<std::size_t>(values.kind)] = values;
    answer.result.combinations = {"C"};
    const CheckWorking working = check_working(answer, engine::kMembers[0]);
    for (const WorkingLine& line : working.steps.front().lines) {
        if (line.formula.starts_with(formula)) return line.text();
    }
    return "";
}

// One line per code against a worked example that states its numbers.
TEST(CheckWorking, LinesMatchWorkedExamples) {
    const auto checked = [](const Design& design, const Section& section, double length) {
        return check_values(design, section, CheckKind::BucklingOutOfPlane, length, length, LoadDuration::ShortTerm);
    };
    // EN 1995-1-1 6.3.2 worked by hand: C24 47 mm wide, L = 2000 mm: λ_rel 2.49958, k 3.84391, k_c 0.147839.
    const Design timber = design_of(design_testing::c24_roof());
    EXPECT_EQ(line_of(timber, checked(timber, timber.sections[0], 2000), "k_c"),
              "k_c = 1/(k + √(k² − λ_rel²)) = 1/(3.844 + √(3.844² − 2.5²)) = 0.1478   (6.25)");

    // NDS 3.7.1: E_min 580 000 psi of DF-L No. 2 (Supplement Table 4A) at l_e/d = 20: F_cE = 0.822·580000/400.
    const Design lumber = design_of(roof_in("NDS 2018 ASD", "DF-L No. 2", "2x6", "2x6"));
    EXPECT_EQ(line_of(lumber, checked(lumber, lumber.sections[0], 20 * lumber.sections[0].width), "F_cE"),
              "F_cE = 0.822·E_min'/(l_e/d)² = 0.822·580000/20² = 1192 psi   (3.7.1)");

    // UC 152x152x30, S275, L_cr 4.0 m, i_z 38.3 mm: λ̄ = 1.203 (as CodeFormulas takes it).
    const Design steel = design_of(roof_in("EN 1993-1-1", "S275", "SHS 80x4 cold-formed", "SHS 80x4 cold-formed"));
    Section column = steel.sections[0];
    column.radius_out_of_plane = 38.3;
    EXPECT_EQ(line_of(steel, checked(steel, column, 4000), "λ̄"),
              "λ̄ = L_cr/(i·λ_1) = 4000/(38.3·86.8) = 1.203   (6.50)");

    // AISC Design Examples v14.0, E.9: F_y 46 ksi (a round tube's grade here), L_c/r = 47.9, A_g 14.6 in²:
    // φ_cP_n = 518 kips, here 517 993 lbf.
    const Design hss =
        design_of(roof_in("AISC 360-16 LRFD", "A500 Gr. C", "SHS 4x0.233 cold-formed", "SHS 4x0.233 cold-formed"));
    Section tube = hss.sections[0];
    tube.shape = SectionShape::CircularHollow;
    tube.area = 14.6;
    tube.radius_out_of_plane = 1;
    EXPECT_EQ(line_of(hss, checked(hss, tube, 47.9), "φ_c"),
              "φ_c·P_n = 0.90·F_cr·A_g = 0.90·39421·14.6 = 517993 lbf   (E3-1), φ_c 0.90, Ω_c 1.67");
}

TEST(CheckWorking, NumbersAsAStudentWritesThem) {
    struct Row {
        double value;
        const char* text;
    } const rows[]{{0, "0"},         {0.9, "0.9"},         {0.14783912, "0.1478"}, {14.538, "14.54"},
                   {1191.9, "1192"}, {518123.4, "518123"}, {-2.5, "-2.5"},         {0.000123456, "0.000123"}};
    for (const Row& row : rows) EXPECT_EQ(student_number(row.value), row.text) << row.value;
}

}  // namespace
}  // namespace korvel::design
