#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>
#include <variant>

#include "design/member_design.hpp"

namespace korvel::design {
namespace {

using engine::Member;
using load_case::NamedText;

// The roof of three cases: dead, snow and wind uplift, in kN and m.
load_case::Project roof(load_case::DesignSettings settings, std::string force = "kN", std::string length = "m") {
    load_case::Project project;
    project.span = "14.4";
    const auto load = [](std::string_view key) { return *engine::load_index_by_key(key); };
    load_case::LoadCase dead{"Dead", load_case::CaseKind::Dead, {}};
    dead.loads[load("U4.V")] = "8.5";
    dead.loads[load("U2.V")] = "8.5";
    dead.loads[load("U6.V")] = "8.5";
    load_case::LoadCase snow{"Snow", load_case::CaseKind::Snow, {}};
    snow.loads[load("U4.V")] = "16";
    load_case::LoadCase wind{"Wind", load_case::CaseKind::Wind, {}};
    wind.loads[load("U1.V")] = "-19";
    wind.loads[load("U1.H")] = "9.5";
    project.cases = {dead, snow, wind};
    project.combinations = {{"1.35D", {{"Dead", "1.35"}}},
                            {"1.35D + 1.5S", {{"Dead", "1.35"}, {"Snow", "1.5"}}},
                            {"1.0D + 1.5W", {{"Dead", "1.0"}, {"Wind", "1.5"}}},
                            {"1.5D + 0S", {{"Dead", "1.5"}, {"Snow", "0"}}}};
    project.units = load_case::ProjectUnits{std::move(force), std::move(length)};
    project.design = std::move(settings);
    return project;
}

load_case::DesignSettings settings(std::string code, std::string material, std::string top, std::string bottom,
                                   std::string webs) {
    load_case::DesignSettings s;
    s.code = std::move(code);
    s.service_class = "2";
    s.material = std::move(material);
    s.sections = {{"top chord", std::move(top)}, {"bottom chord", std::move(bottom)}, {"webs", std::move(webs)}};
    return s;
}

Design design_of(const load_case::Project& project) {
    auto read = read_design(project);
    if (auto* error = std::get_if<DesignError>(&read)) throw std::runtime_error(error->message);
    return std::get<Design>(std::move(read));
}

ForceExtremes extremes_of(const load_case::Project& project, const Design& design) {
    return std::get<ForceExtremes>(force_extremes(project, design));
}

// A combination takes the load-duration class of its shortest action; a case
// with a zero factor takes no part (EN 1995-1-1 3.1.3(2), NDS 2018 2.3.2).
TEST(MemberDesign, CombinationsTakeTheirShortestAction) {
    const auto project = roof(settings("EN 1995-1-1", "C24", "47x150", "47x125", "47x75"));
    const ForceExtremes forces = extremes_of(project, design_of(project));
    const std::size_t bottom = engine::to_index(Member::L2L3);  // in tension under dead and snow
    const auto& tension = forces.tension[bottom];
    EXPECT_EQ(tension[static_cast<std::size_t>(LoadDuration::Permanent)].combination, 3u);  // 1.5D + 0S
    EXPECT_EQ(tension[static_cast<std::size_t>(LoadDuration::ShortTerm)].combination, 1u);  // 1.35D + 1.5S
    EXPECT_EQ(tension[static_cast<std::size_t>(LoadDuration::MediumTerm)].force, 0.0);
}

// NDS 2018 Table 2.3.2: C_D of dead 0.9, live 1.0, roof live (construction) 1.25,
// snow 1.15, wind 1.6; a case of kind "other" is taken as permanent.
TEST(MemberDesign, NdsDurationsByDefaultAreThoseOfTable232) {
    const std::array<double, kCaseKindCount> c_d{0.9, 1.0, 1.25, 1.15, 1.6, 0.9};
    const auto durations = default_durations(DesignCode::Nds2018Asd);
    for (std::size_t k = 0; k < kCaseKindCount; ++k)
        EXPECT_EQ(kLoadDurationFactors[static_cast<std::size_t>(durations[k])], c_d[k]) << load_case::kCaseKinds[k].key;
}

// Forces of one member under two durations, made by hand.
ForceExtremes two_durations(Member member, bool tension, double longer, double shorter, LoadDuration shorter_class,
                            double length) {
    ForceExtremes forces;
    forces.lengths.fill(length);
    forces.combinations = {"long", "short"};
    auto& extremes = tension ? forces.tension[engine::to_index(member)] : forces.compression[engine::to_index(member)];
    extremes[static_cast<std::size_t>(LoadDuration::Permanent)] = {longer, 0};
    extremes[static_cast<std::size_t>(shorter_class)] = {shorter, 1};
    return forces;
}

// The governing combination is the one of the largest ratio, not of the largest
// force: k_mod (EN 1995-1-1 Table 3.1) and C_D (NDS Table 2.3.2) change with it.
TEST(MemberDesign, TheLargestRatioGovernsNotTheLargestForce) {
    {
        const Design design = design_of(roof(settings("EN 1995-1-1", "C24", "47x150", "47x125", "47x75")));
        // 10 kN permanent against 14 kN short-term: 10/0.6 > 14/0.9.
        const auto forces = two_durations(Member::L2L3, true, 10000, 14000, LoadDuration::ShortTerm, 2.4);
        const MemberDesign result = design_member(forces, design, Member::L2L3, design.sections[1]);
        EXPECT_EQ(result.governing, 0u);
        EXPECT_EQ(result.check, CheckKind::Tension);
        // k_h = (150/125)^0.2, f_t,0,d = 0.6 × 14.5/1.3, A = 47 × 125 mm².
        const double resistance = std::pow(150.0 / 125, 0.2) * (0.6 * 14.5 / 1.3) * (47 * 125);
        EXPECT_NEAR(result.resistance, resistance / 1000, 1e-9);
        EXPECT_NEAR(result.utilisation, 10000 / resistance, 1e-12);
        EXPECT_EQ(result.design_force, 10.0);
    }
    {
        auto project = roof(settings("NDS 2018 ASD", "SPF No. 2", "2x6", "2x6", "2x4"), "lbf", "in");
        const Design design = design_of(project);
        // 1000 lbf of dead load (C_D 0.9) against 1200 lbf with snow (C_D 1.15).
        const auto forces = two_durations(Member::L2L3, true, 1000, 1200, LoadDuration::MediumTerm, 96);
        const MemberDesign result = design_member(forces, design, Member::L2L3, design.sections[1]);
        EXPECT_EQ(result.governing, 0u);
        EXPECT_NEAR(result.resistance, 450 * 0.9 * 1.3 * 8.25, 1e-9);  // F_t·C_D·C_F·A, C_F 1.3 for 2x6
    }
}

// Compression is checked about both axes: in the plane over the member's length
// times its factor, out of it over the bracing; the weaker governs.
TEST(MemberDesign, BucklingIsCheckedAboutBothAxes) {
    struct Row {
        std::string bracing;  // of the top chord, in m; empty: braced at every node
        CheckKind governs;
    };
    for (const Row& row : {Row{"", CheckKind::BucklingOutOfPlane}, Row{"0.6", CheckKind::BucklingInPlane}}) {
        auto s = settings("EN 1995-1-1", "C24", "47x150", "47x125", "47x75");
        if (!row.bracing.empty()) s.bracing = {{"top chord", row.bracing}};
        const Design design = design_of(roof(s));
        const auto forces = two_durations(Member::U1U2, false, 5000, 0, LoadDuration::ShortTerm, 2.0);
        const MemberDesign result = design_member(forces, design, Member::U1U2, design.sections[0]);
        EXPECT_EQ(result.check, row.governs) << row.bracing;
        // E_0,05 = 7400 MPa (not E_0,mean 11,000) in λ_rel; the resistance is the lesser k_c times f_c,0,d·A.
        const double out_of_plane = row.bracing.empty() ? 2000 : 600;
        const auto k_c = [](double length, double width) {
            return en1995::buckling_factor(
                length / (width / std::sqrt(12.0)) / std::numbers::pi * std::sqrt(21.0 / 7400), false);
        };
        const double f_c0d = 0.6 * 21 / 1.3;
        const double expected = std::min(k_c(2000, 150), k_c(out_of_plane, 47)) * f_c0d * 47 * 150;
        EXPECT_NEAR(result.resistance, expected / 1000, 1e-9);
        EXPECT_EQ(result.buckling_out_of_plane, out_of_plane / 1000);
        EXPECT_EQ(result.design_force, -5.0);
    }
}

// NDS buckling uses E_min (580,000 psi for DF-L No. 2), never E (1,600,000).
TEST(MemberDesign, NdsBucklingUsesEMin) {
    auto s = settings("NDS 2018 ASD", "DF-L No. 2", "2x6", "2x6", "2x4");
    s.bracing = {{"top chord", "24"}};
    const Design design = design_of(roof(s, "lbf", "in"));
    const auto forces = two_durations(Member::U1U2, false, 2000, 0, LoadDuration::ShortTerm, 96);
    const MemberDesign result = design_member(forces, design, Member::U1U2, design.sections[0]);
    const double f_c_star = 1350 * 0.9 * 1.1;                        // C_D 0.9, C_F 1.1 for 2x6
    const double in_plane = 0.822 * 580000 / std::pow(96 / 5.5, 2);  // l_e/d 17.45 governs over 24/1.5 = 16
    const double c_p = nds2018::column_stability_factor(in_plane, f_c_star);
    EXPECT_EQ(result.check, CheckKind::BucklingInPlane);
    EXPECT_NEAR(result.resistance, c_p * f_c_star * 8.25, 1e-9);
    EXPECT_TRUE(result.warnings.empty());
    // Beyond l_e/d 50 a warning stands beside the result.
    const auto long_member = two_durations(Member::U1U2, false, 100, 0, LoadDuration::ShortTerm, 300);
    const MemberDesign slender = design_member(long_member, design, Member::U1U2, design.sections[0]);
    ASSERT_EQ(slender.warnings.size(), 1u);
    EXPECT_NE(slender.warnings[0].find("> 50"), std::string::npos);
}

// A section with slender walls is reported as not checked and fails the design.
TEST(MemberDesign, ClassFourAndSlenderSectionsAreNotChecked) {
    struct Row {
        std::string code, material, webs, units_force, units_length;
        std::string_view says;
    };
    for (const Row& row : {Row{"EN 1993-1-1", "S355", "SHS 200x4 cold-formed", "kN", "m", "class 4"},
                           Row{"AISC 360-16 LRFD", "A500 Gr. C", "SHS 6x0.116 cold-formed", "kip", "ft", "slender"}}) {
        const std::string chord = row.code == "EN 1993-1-1" ? "SHS 100x5 cold-formed" : "SHS 4x0.233 cold-formed";
        const auto project =
            roof(settings(row.code, row.material, chord, chord, row.webs), row.units_force, row.units_length);
        const Design design = design_of(project);
        const DesignResult result = design_members(extremes_of(project, design), design);
        const MemberDesign& web = result.members[engine::to_index(Member::L1U2)];
        EXPECT_FALSE(web.checked) << row.code;
        EXPECT_FALSE(web.passes);
        ASSERT_FALSE(web.warnings.empty());
        EXPECT_NE(web.warnings[0].find(row.says), std::string::npos) << web.warnings[0];
        EXPECT_TRUE(result.members[engine::to_index(Member::L0L1)].checked);
        EXPECT_FALSE(result.passes);
        EXPECT_FALSE(result.complete);
    }
}

// The search gives what trying every candidate on every member gives.
TEST(MemberDesign, LightestSectionsMatchABruteForceSearch) {
    struct Row {
        std::string code, material, force, length;
    };
    for (const Row& row : {Row{"EN 1995-1-1", "C24", "kN", "m"}, Row{"EN 1995-1-1", "GL24h", "N", "mm"},
                           Row{"NDS 2018 ASD", "SPF No. 2", "kip", "ft"}, Row{"EN 1993-1-1", "S235", "kN", "m"},
                           Row{"AISC 360-16 ASD", "A500 Gr. C", "kip", "ft"}}) {
        for (const std::string scale : {"1", "160", "900"}) {
            const auto base = roof(settings(row.code, row.material, "x", "x", "x"), row.force, row.length);
            auto s = *base.design;
            const std::string first = default_candidates(design_code_from_key(row.code).value())[0];
            for (auto& entry : s.sections) entry.text = first;
            s.members = {{"L0U1", first}};  // has a section of its own: takes no part
            auto project = roof(s, row.force, row.length);
            project.cases[1].loads[*engine::load_index_by_key("U4.V")] = scale;
            const Design design = design_of(project);
            const ForceExtremes forces = extremes_of(project, design);
            const auto choices = lightest_sections(forces, design);
            for (std::size_t g = 0; g < kGroupCount; ++g) {
                std::optional<std::size_t> lightest;
                for (std::size_t c = 0; c < design.candidates[g].size(); ++c) {
                    bool passes = true;
                    for (const Member member : engine::kMembers) {
                        if (static_cast<std::size_t>(engine::member_group(member)) != g || member == Member::L0U1)
                            continue;
                        passes = passes && design_member(forces, design, member, design.candidates[g][c]).passes;
                    }
                    if (passes && (!lightest || design.candidates[g][c].area < design.candidates[g][*lightest].area)) {
                        lightest = c;
                    }
                }
                EXPECT_EQ(choices[g].candidate.has_value(), lightest.has_value()) << row.code << " ×" << scale;
                if (lightest && choices[g].candidate) {
                    EXPECT_EQ(design.candidates[g][*choices[g].candidate].area, design.candidates[g][*lightest].area)
                        << row.code << " ×" << scale << " " << kGroupKeys[g];
                    EXPECT_LE(choices[g].utilisation, 1.0);
                }
            }
        }
    }
}

// A design that cannot be made says which setting is wrong.
TEST(MemberDesign, BadSettingsAreNamed) {
    struct Row {
        void (*change)(load_case::Project&);
        std::string_view says;
    };
    for (const Row& row : {
             Row{[](load_case::Project& p) { p.units.reset(); }, "needs the project's units"},
             Row{[](load_case::Project& p) { p.units->force = "tonne"; }, "\"tonne\""},
             Row{[](load_case::Project& p) { p.design->code = "BS 5268"; }, "\"BS 5268\" is not one of"},
             Row{[](load_case::Project& p) { p.design->material = "S355"; }, "choose C16, C24, GL24h"},
             Row{[](load_case::Project& p) { p.design->service_class = "4"; }, "1, 2 or 3"},
             Row{[](load_case::Project& p) { p.design->sections.pop_back(); }, "no section for the webs"},
             Row{[](load_case::Project& p) { p.design->sections[0].name = "rafters"; }, "\"rafters\""},
             Row{[](load_case::Project& p) { p.design->sections[0].text = "47"; }, "top chord: section \"47\""},
             Row{[](load_case::Project& p) {
                     p.design->bracing = {{"top chord", "-1"}};
                 },
                 "not a positive number"},
             Row{[](load_case::Project& p) {
                     p.design->members = {{"L9L9", "47x75"}};
                 },
                 "no member"},
             Row{[](load_case::Project& p) {
                     p.design->load_duration = {{"snow", "brief"}};
                 },
                 "\"brief\""},
             Row{[](load_case::Project& p) {
                     p.design->partial_factors = {{"gamma_M0", "1.1"}};
                 },
                 "EN 1993-1-1 takes"},
             Row{[](load_case::Project& p) {
                     p.design->candidates = {{"webs", "47x75; 1x"}};
                 },
                 "candidate of the webs"},
             Row{[](load_case::Project& p) {
                     p.design->candidates = {{"webs", " ; "}};
                 },
                 "\"candidates\" for the webs names no section"},
         }) {
        auto project = roof(settings("EN 1995-1-1", "C24", "47x150", "47x125", "47x75"));
        row.change(project);
        const auto read = read_design(project);
        ASSERT_TRUE(std::holds_alternative<DesignError>(read)) << row.says;
        EXPECT_NE(std::get<DesignError>(read).message.find(row.says), std::string::npos)
            << std::get<DesignError>(read).message;
    }
}

}  // namespace
}  // namespace korvel::design
