#include <gtest/gtest.h>

#include <cmath>

#include "design/design_picture.hpp"
#include "tests/design/c24_roof.hpp"

namespace korvel::design {
namespace {

TEST(DesignPicture, UtilisationBandsAndLabels) {
    struct Row {
        double utilisation;
        bool checked;
        UtilisationBand band;
        const char* label;
    };
    const Row rows[]{{0.0, true, UtilisationBand::Light, "0.00"},
                     {0.499, true, UtilisationBand::Light, "0.50"},
                     {0.5, true, UtilisationBand::Working, "0.50"},
                     {0.899, true, UtilisationBand::Working, "0.90"},
                     {0.9, true, UtilisationBand::Near, "0.90"},
                     {1.0, true, UtilisationBand::Near, "1.00"},
                     {1.004, true, UtilisationBand::Over, "1.00"},
                     {2.5, true, UtilisationBand::Over, "2.50"},
                     {0.3, false, UtilisationBand::NotChecked, "not checked"}};
    for (const Row& row : rows) {
        MemberDesign member;
        member.utilisation = row.utilisation;
        member.checked = row.checked;
        EXPECT_EQ(utilisation_band(member), row.band) << row.utilisation;
        EXPECT_EQ(utilisation_label(member), row.label) << row.utilisation;
    }
}

// 1, 2 or 5 times a power of ten, keeping the largest movement within a twentieth of the span.
TEST(DesignPicture, Exaggeration) {
    const struct {
        double largest, span, factor;
    } rows[]{{0.012, 14.4, 50}, {0.0072, 14.4, 100}, {0.0288, 14.4, 20}, {0.03, 14.4, 20},
             {2, 14.4, 1},      {0, 14.4, 1},        {1.44, 14.4, 1}};
    for (const auto& row : rows) EXPECT_EQ(exaggeration(row.largest, row.span), row.factor) << row.largest;
    EXPECT_EQ(exaggeration_words(50), "deflections drawn 50 × their size");
}

// The C24 roof under D + S: the shape's vertical movements are the check's
// deflections, and U8 (where no unit load stands, so the check has no value) sags more.
TEST(DesignPicture, DeformedShapeOfTheC24Roof) {
    const load_case::Project project = design_testing::c24_roof();
    const auto answer = std::get<ProjectDesign>(design_project(project));
    ASSERT_TRUE(answer.deflection);
    const std::size_t shown = governing_combination(*answer.deflection);
    const auto shape = std::get<DeformedShape>(deformed_shape(project, answer, shown));
    const CombinationDeflection& checked = answer.deflection->combinations[shown];
    EXPECT_EQ(shape.combination, "D + S");
    const engine::DeflectionPoint point = engine::kDeflectionPoints[checked.largest.point];
    EXPECT_EQ(shape.largest_node, engine::Node::U8);
    EXPECT_GT(shape.largest, std::fabs(checked.largest.value));
    EXPECT_NEAR(shape.moved[static_cast<std::size_t>(point.node)].down, checked.largest.value,
                1e-3 * std::fabs(checked.largest.value));
    EXPECT_LE(shape.largest * shape.factor, answer.deflection->span / 20);
    EXPECT_GT(shape.largest * shape.factor * 5, answer.deflection->span / 20);
    EXPECT_TRUE(std::holds_alternative<std::string>(deformed_shape(project, answer, 7)));
}

// Loaded at every top-chord node, the roof sags most where the table has a deflection:
// the picture names the table's node and value, not its own figure a digit away.
TEST(DesignPicture, LargestMovementIsTheTablesWhereTheTableHasIt) {
    load_case::Project project = design_testing::c24_roof();
    for (const char* node : {"U1.V", "U2.V", "U3.V", "U4.V", "U5.V", "U6.V", "U7.V"})
        project.cases[0].loads[*engine::load_index_by_key(node)] = "2.16";
    const auto answer = std::get<ProjectDesign>(design_project(project));
    const std::size_t shown = governing_combination(*answer.deflection);
    const auto shape = std::get<DeformedShape>(deformed_shape(project, answer, shown));
    const engine::LargestDeflection& checked = answer.deflection->combinations[shown].largest;
    EXPECT_EQ(shape.largest_node, engine::kDeflectionPoints[checked.point].node);
    EXPECT_EQ(shape.largest, std::fabs(checked.value));
}

}  // namespace
}  // namespace korvel::design
