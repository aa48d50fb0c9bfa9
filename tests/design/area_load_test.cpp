#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "design/units.hpp"

namespace korvel::design {
namespace {

// A load per area times the truss spacing, in the project's units: kN/m² or psf
// (1 lbf/ft²), the spacing in the project's length.
TEST(AreaLoad, GivesTheLineLoadInTheProjectsUnitsExactly) {
    struct Row {
        const char* force;
        const char* length;
        const char* per_area;
        const char* spacing;
        const char* area_unit;  // "" where the units give none
        const char* line_load;  // "" for a text that is not a number
    };
    const Row rows[] = {
        {"kN", "m", "0.1", "0.2", "kN/m²", "0.02"},  // a double's product would be 0.020000000000000004
        {"kN", "m", "-0.6", "1.2", "kN/m²", "-0.72"},
        {"N", "m", "0.9", "1.2", "kN/m²", "1080"},
        {"kN", "mm", "0.9", "600", "kN/m²", "0.00054"},
        {"N", "mm", "0.9", "600", "kN/m²", "0.54"},
        {"lbf", "ft", "20", "2", "psf", "40"},
        {"kip", "ft", "20", "2", "psf", "0.04"},
        {"lbf", "in", "18", "24", "psf", "3"},
        {"lbf", "in", "20", "24", "psf", "3.3333333333"},  // 480/144: rounded to 10 places
        {"kip", "in", "25", "16", "psf", "0.0027777778"},
        {"kN", "m", "heavy", "1.2", "kN/m²", ""},
        {"kN", "m", "0.9", "wide", "kN/m²", ""},
        {"kN", "ft", "1", "1", "", ""},  // two systems
        {"kN", "yd", "1", "1", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.force) + " " + row.length + " " + row.per_area + " " + row.spacing);
        const auto unit = area_load_unit({row.force, row.length});
        ASSERT_EQ(unit.has_value(), *row.area_unit != '\0');
        if (!unit) continue;
        EXPECT_EQ(unit->area_unit, row.area_unit);
        EXPECT_EQ(unit->line_unit, std::string(row.force) + "/" + row.length);
        const auto w = load_case::line_load({row.per_area, row.spacing}, *unit);
        if (*row.line_load == '\0') {
            ASSERT_TRUE(std::holds_alternative<load_case::DistributedLoadError>(w));
            const auto& error = std::get<load_case::DistributedLoadError>(w);
            EXPECT_EQ(error.fault, load_case::DistributedLoadFault::IntensityNotANumber);
            EXPECT_NE(error.message.find(std::string(row.per_area) == "heavy" ? "heavy" : "wide"), std::string::npos);
        } else {
            EXPECT_EQ(std::get<std::string>(w), row.line_load);
        }
    }
}

}  // namespace
}  // namespace korvel::design
