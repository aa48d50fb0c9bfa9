#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <variant>

#include "design/code_checks.hpp"
#include "design/section.hpp"
#include "design/units.hpp"

namespace korvel::design {
namespace {

// Units are exact decimals: a text converts digit for digit, and factors within
// a system are the exact integers.
TEST(Units, ConvertExactly) {
    struct Row {
        std::string_view number;
        std::variant<ForceUnit, LengthUnit> unit;
        std::string_view metric;
    };
    for (const Row& row : {Row{"1", ForceUnit::kip, "4448.2216152605"}, Row{"2.5", ForceUnit::kip, "11120.55403815125"},
                           Row{"-0.001", ForceUnit::lbf, "-0.0044482216152605"}, Row{"1", LengthUnit::ft, "304.8"},
                           Row{"12", LengthUnit::in, "304.8"}, Row{"0.3048", LengthUnit::m, "304.8"}}) {
        const auto text = std::visit([&](auto unit) { return metric_text(row.number, unit); }, row.unit);
        EXPECT_EQ(text, std::string(row.metric)) << row.number;
    }
    EXPECT_EQ(metric_text("twelve", LengthUnit::m), std::nullopt);
    EXPECT_EQ(conversion_factor(ForceUnit::kN, ForceUnit::N), 1000.0);
    EXPECT_EQ(conversion_factor(ForceUnit::kip, ForceUnit::lbf), 1000.0);
    EXPECT_EQ(conversion_factor(LengthUnit::ft, LengthUnit::in), 12.0);
    EXPECT_EQ(conversion_factor(LengthUnit::m, LengthUnit::mm), 1000.0);
    EXPECT_EQ(conversion_factor(ForceUnit::lbf, ForceUnit::N), 4.4482216152605);
    EXPECT_EQ(conversion_factor(LengthUnit::in, LengthUnit::mm), 25.4);
}

const Material& material(std::string_view name) {
    static const auto materials = kMaterials;
    for (const Material& m : materials) {
        if (m.name == name) return m;
    }
    throw std::invalid_argument(std::string(name));
}

// Areas and radii of gyration computed from the shape with the product
// standard's corners, against the tables: EN 10219-2 cold-formed SHS (2t and t
// up to 6 mm, 2.5t and 1.5t above), EN 10210-2 CHS, and the AISC Manual (15th
// ed.) Table 1-12 HSS 4x4x1/4 with its design wall 0.233 in.
TEST(Sections, AreaAndRadiiMatchTheTables) {
    struct Row {
        std::string_view text;
        std::string_view material;
        UnitSystem system;
        double area, radius;  // as tabulated, to their digits
        double area_tolerance, radius_tolerance;
    };
    for (const Row& row : {
             Row{"SHS 40x3 cold-formed", "S355", UnitSystem::Metric, 421, 14.9, 0.5, 0.05},
             Row{"SHS 50x4 cold-formed", "S355", UnitSystem::Metric, 695, 18.5, 0.5, 0.05},
             Row{"SHS 60x6.3 cold-formed", "S355", UnitSystem::Metric, 1220, 21.1, 5, 0.05},
             Row{"CHS 88.9x4 hot-finished", "S355", UnitSystem::Metric, 1070, 30.0, 5, 0.05},
             Row{"SHS 4x0.233 cold-formed", "A500 Gr. C", UnitSystem::UsCustomary, 3.37, 1.52, 0.005, 0.005},
             Row{"47x150", "C24", UnitSystem::Metric, 7050, 150 / std::sqrt(12.0), 0, 1e-12},
             Row{"2x6", "DF-L No. 2", UnitSystem::UsCustomary, 8.25, 5.5 / std::sqrt(12.0), 0, 1e-12},
         }) {
        const auto read = read_section(row.text, material(row.material), row.system);
        ASSERT_TRUE(std::holds_alternative<Section>(read)) << std::get<std::string>(read);
        const Section& section = std::get<Section>(read);
        EXPECT_NEAR(section.area, row.area, row.area_tolerance) << row.text;
        EXPECT_NEAR(section.radius_in_plane, row.radius, row.radius_tolerance) << row.text;
    }
    const auto rhs =
        std::get<Section>(read_section("RHS 150x100x5 hot-finished", material("S355"), UnitSystem::Metric));
    EXPECT_GT(rhs.radius_in_plane, rhs.radius_out_of_plane);  // the depth lies in the truss's plane
    EXPECT_EQ(rhs.curve, BucklingCurve::A);
}

TEST(Sections, RefuseWhatTheyCannotRead) {
    struct Row {
        std::string_view text, material;
        UnitSystem system;
        std::string_view says;
    };
    for (const Row& row : {
             Row{"47", "C24", UnitSystem::Metric, "BxH"},
             Row{"2x7", "SPF No. 2", UnitSystem::UsCustomary, "2x3, 2x4"},
             Row{"SHS 100x5", "S355", UnitSystem::Metric, "hot-finished"},
             Row{"SHS 100x5 hot-finished", "A500 Gr. C", UnitSystem::UsCustomary, "cold-formed"},
             Row{"CHS 10x5 hot-finished", "S355", UnitSystem::Metric, "thinner"},
             Row{"custom A=10 i_y=2", "S355", UnitSystem::Metric, "lacks"},
             Row{"HEB 200", "S355", UnitSystem::Metric, "not a steel section"},
         }) {
        const auto read = read_section(row.text, material(row.material), row.system);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.text;
        EXPECT_NE(std::get<std::string>(read).find(row.says), std::string::npos) << std::get<std::string>(read);
    }
}

// Class 4 (EN 1993-1-1 Table 5.2) and slender (AISC 360-16 Table B4.1a) walls
// are told apart from those the checks may take as they are.
TEST(Sections, SlenderWallsAreFound) {
    struct Row {
        DesignCode code;
        std::string_view text, material;
        bool slender;
    };
    for (const Row& row : {
             Row{DesignCode::En1993, "SHS 200x4 cold-formed", "S355", true},     // (200 − 12)/4 = 47 > 42ε = 34.2
             Row{DesignCode::En1993, "SHS 100x4 cold-formed", "S355", false},    // 22 < 34.2
             Row{DesignCode::En1993, "CHS 219.1x3 hot-finished", "S355", true},  // 73 > 90ε² = 59.6
             Row{DesignCode::En1993, "CHS 88.9x4 hot-finished", "S355", false},
             Row{DesignCode::Aisc360Lrfd, "SHS 6x0.116 cold-formed", "A500 Gr. C", true},  // 48.7 > 33.7
             Row{DesignCode::Aisc360Lrfd, "SHS 4x0.233 cold-formed", "A500 Gr. C", false},
             Row{DesignCode::Aisc360Asd, "CHS 10x0.116 cold-formed", "A500 Gr. C", true},  // 86 > 0.11E/F_y = 69.3
         }) {
        const UnitSystem system = code_row(row.code).system;
        const Section section = std::get<Section>(read_section(row.text, material(row.material), system));
        EXPECT_EQ(slender_walls(row.code, section, material(row.material)).has_value(), row.slender) << row.text;
    }
}

// Each formula against a worked example that states its numbers.
TEST(CodeFormulas, MatchWorkedExamples) {
    // Steel Buildings in Europe, Multi-storey, Part 4, A.5: λ̄_y = 0.655 on curve b gives χ_y = 0.808
    // (to its three digits, from a rounded λ̄).
    EXPECT_NEAR(en1993::reduction_factor(0.655, BucklingCurve::B), 0.808, 0.001);
    // UC 152x152x30, S275, L_cr 4.0 m, i_z 38.3 mm: λ̄ = 1.203, curve c, Φ = 1.4694, χ = 0.4323.
    const double lambda = en1993::relative_slenderness(4000, 38.3, 275);
    EXPECT_NEAR(lambda, 1.203, 0.0005);
    EXPECT_NEAR(en1993::reduction_factor(lambda, BucklingCurve::C), 0.4323, 0.0005);
    EXPECT_EQ(en1993::reduction_factor(0.1, BucklingCurve::D), 1.0);

    // AISC Design Examples v14.0, E.9: HSS12x10x3/8, F_y 46 ksi, L_c/r = 47.9, A_g 14.6 in², φ_cP_n = 518 kips.
    EXPECT_NEAR(0.90 * aisc360::critical_stress(46, 29000, 47.9) * 14.6, 518, 0.5);
    // Beyond 4.71√(E/F_y) the elastic branch: 0.877F_e.
    const double slender = 150;
    EXPECT_DOUBLE_EQ(aisc360::critical_stress(50, 29000, slender),
                     0.877 * std::numbers::pi * std::numbers::pi * 29000 / (slender * slender));

    // NDS column stability (3.7.1, c = 0.8), the 2x6 Douglas fir example of the
    // NDS primer at wikiengineer.com: F_cE/F_c* = 0.595 gives C_P = 0.497; 0.501 gives 0.434.
    EXPECT_NEAR(nds2018::column_stability_factor(0.595, 1), 0.497, 0.0005);
    EXPECT_NEAR(nds2018::column_stability_factor(0.501, 1), 0.434, 0.0005);
    EXPECT_DOUBLE_EQ(nds2018::euler_stress(580000, 20), 0.822 * 580000 / 400);

    // EN 1995-1-1 6.3.2, worked by hand: C24 (f_c,0,k 21, E_0,05 7400 MPa),
    // λ = 2000/(47/√12) = 147.409 gives λ_rel = 2.49958, k = 3.84391 and k_c = 0.147839.
    const double lambda_rel = en1995::relative_slenderness(2000 / (47 / std::sqrt(12.0)), 21, 7400);
    EXPECT_NEAR(lambda_rel, 2.49958, 0.00001);
    EXPECT_NEAR(en1995::buckling_factor(lambda_rel, false), 0.147839, 0.000001);
    EXPECT_EQ(en1995::buckling_factor(0.3, false), 1.0);
    // 3.2(3) and 3.3(3): k_h grows below the reference depth only, to its cap.
    EXPECT_NEAR(en1995::depth_factor(100, false), 1.0845, 0.0001);
    EXPECT_EQ(en1995::depth_factor(200, false), 1.0);
    EXPECT_EQ(en1995::depth_factor(20, false), 1.3);
    EXPECT_EQ(en1995::depth_factor(300, true), std::pow(2.0, 0.1));
    // 2.4.1: f_t,0,d of C24 under a short-term action in service class 2: 0.9 × 14.5/1.3.
    EXPECT_DOUBLE_EQ(en1995::design_strength(14.5, kModificationFactors[1][3], 1.3), 0.9 * 14.5 / 1.3);
}

}  // namespace
}  // namespace korvel::design
