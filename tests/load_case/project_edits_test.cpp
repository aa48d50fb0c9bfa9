#include "load_case/project_edits.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "load_case/project_history.hpp"

namespace korvel::load_case {
namespace {

std::size_t load(const char* key) { return *engine::load_index_by_key(key); }

LoadCase case_of(const char* name, CaseKind kind, const char* key, const char* text) {
    LoadCase load_case{name, kind, {}};
    load_case.loads[load(key)] = text;
    return load_case;
}

// Dead, snow and wind uplift, with one combination of the user's and one a preset named.
Project roof() {
    return {"14.4",
            {case_of("Dead", CaseKind::Dead, "U4.V", "0.85"), case_of("Snow", CaseKind::Snow, "U4.V", "1.6"),
             case_of("Wind uplift", CaseKind::Wind, "U1.V", "-1.9")},
            {{"1.2D + 1.6S", {{"Dead", "1.2"}, {"Snow", "1.6"}}},
             {"LRFD 5: 0.9 Dead + 1.0 Wind uplift", {{"Dead", "0.9"}, {"Wind uplift", "1.0"}}}}};
}

// The roof with a design whose deflections are checked under these combinations.
void check_deflections_under(Project& project, std::vector<std::string> names) {
    project.design.emplace().serviceability = std::move(names);
}

engine::RoofPitch pitch(const char* text) { return std::get<engine::RoofPitch>(engine::parse_pitch(text)); }

struct EditCase {
    const char* what;
    std::function<void(Project&)> edit;
    std::function<void(Project&)> expected;  // the same change, written out on the roof
};

TEST(ProjectEdits, EachEditChangesWhatItNamesAndKeepsFactorsWithTheirCases) {
    const std::vector<EditCase> cases{
        {"add", [](Project& p) { EXPECT_EQ(add_case(p, "Ceiling"), 3U); },
         [](Project& p) {
             p.cases.push_back({"Ceiling", CaseKind::Other, {}});
         }},
        {"rename: factors follow", [](Project& p) { rename_case(p, 0, "G"); },
         [](Project& p) {
             p.cases[0].name = "G";
             p.combinations[0].factors[0].case_name = "G";
             p.combinations[1].factors[0].case_name = "G";
         }},
        {"duplicate beside it", [](Project& p) { EXPECT_EQ(duplicate_case(p, 1), 2U); },
         [](Project& p) {
             LoadCase copy = p.cases[1];
             copy.name = "Snow copy";
             p.cases.insert(p.cases.begin() + 2, copy);
         }},
        {"duplicate twice numbers the copy",
         [](Project& p) {
             duplicate_case(p, 1);
             duplicate_case(p, 1);
         },
         [](Project& p) {
             LoadCase copy = p.cases[1];
             copy.name = "Snow copy";
             p.cases.insert(p.cases.begin() + 2, copy);
             copy.name = "Snow copy 2";
             p.cases.insert(p.cases.begin() + 2, copy);
         }},
        {"delete: factors go, a preset's name follows", [](Project& p) { delete_case(p, 2); },
         [](Project& p) {
             p.cases.pop_back();
             p.combinations[1] = {"LRFD 5: 0.9 Dead", {{"Dead", "0.9"}}};
         }},
        {"delete: a name of the user's stays", [](Project& p) { delete_case(p, 1); },
         [](Project& p) {
             p.cases.erase(p.cases.begin() + 1);
             p.combinations[0].factors.pop_back();
         }},
        {"delete: a preset's name taken by another is marked",
         [](Project& p) {
             p.combinations.push_back({"LRFD 5: 0.9 Dead", {{"Dead", "0.9"}}});
             delete_case(p, 2);
         },
         [](Project& p) {
             p.cases.pop_back();
             p.combinations[1] = {"LRFD 5: 0.9 Dead + 1.0 Wind uplift (without Wind uplift)", {{"Dead", "0.9"}}};
             p.combinations.push_back({"LRFD 5: 0.9 Dead", {{"Dead", "0.9"}}});
         }},
        {"kind", [](Project& p) { set_case_kind(p, 1, CaseKind::RoofLive); },
         [](Project& p) { p.cases[1].kind = CaseKind::RoofLive; }},
        {"take: the span stays",
         [](Project& p) {
             take_loads(p, 0, {"9", {}});
         },
         [](Project& p) { p.cases[0].loads = {}; }},
        {"take: the span of an empty project",
         [](Project& p) {
             p.span.clear();
             take_loads(p, 0, {"9", {}});
         },
         [](Project& p) {
             p.span = "9";
             p.cases[0].loads = {};
         }},
        {"pitch in any form", [](Project& p) { EXPECT_EQ(set_pitch(p, " 7/12 "), std::nullopt); },
         [](Project& p) { p.pitch = pitch("7:12"); }},
        {"a refused pitch changes nothing",
         [](Project& p) {
             const auto refused = set_pitch(p, "45 deg");
             ASSERT_TRUE(refused.has_value());
             EXPECT_EQ(refused->problem, engine::PitchProblem::NoMiddlePanel);
         },
         [](Project&) {}},
        {"take: the pitch stays with the span",
         [](Project& p) {
             take_loads(p, 0, {"9", {}, pitch("30")});
         },
         [](Project& p) { p.cases[0].loads = {}; }},
        {"take: the pitch comes with the span of an empty project",
         [](Project& p) {
             p.span.clear();
             take_loads(p, 0, {"9", {}, pitch("30")});
         },
         [](Project& p) {
             p.span = "9";
             p.pitch = pitch("30");
             p.cases[0].loads = {};
         }},
        {"a distributed load at the project's pitch",
         [](Project& p) {
             p.pitch = pitch("35");
             add_distributed_load(p, 0, {DistributedLoadKind::SlopeNormal, Slopes::Left, "1"});
         },
         [](Project& p) {
             p.pitch = pitch("35");
             add_distributed_load(p.span, {DistributedLoadKind::SlopeNormal, Slopes::Left, "1"}, p.cases[0].loads,
                                  p.pitch);
         }},
        {"distributed load adds exactly",
         [](Project& p) {
             EXPECT_EQ(add_distributed_load(p, 0, {DistributedLoadKind::BottomChord, Slopes::Both, "1"}), std::nullopt);
         },
         [](Project& p) {
             add_distributed_load(p.span, {DistributedLoadKind::BottomChord, Slopes::Both, "1"}, p.cases[0].loads);
         }},
        {"a distributed load on no span changes nothing",
         [](Project& p) {
             p.span = "ten";
             EXPECT_NE(add_distributed_load(p, 0, {DistributedLoadKind::BottomChord, Slopes::Both, "1"}), std::nullopt);
         },
         [](Project& p) { p.span = "ten"; }},
        {"add combination", [](Project& p) { EXPECT_EQ(add_combination(p), 2U); },
         [](Project& p) {
             p.combinations.push_back({"Combination", {}});
         }},
        {"delete combination", [](Project& p) { delete_combination(p, 0); },
         [](Project& p) { p.combinations.erase(p.combinations.begin()); }},
        {"the design's deflections and their limits follow a combination renamed, deleted, or renamed by a case "
         "deleted",
         [](Project& p) {
             check_deflections_under(p, {"1.2D + 1.6S", "LRFD 5: 0.9 Dead + 1.0 Wind uplift"});
             p.design->deflection_limits = {{"1.2D + 1.6S", "240"}, {"LRFD 5: 0.9 Dead + 1.0 Wind uplift", "180"}};
             rename_combination(p, 0, "D + S");
             delete_case(p, 2);
             add_combination(p);
             delete_combination(p, 2);
             delete_combination(p, 0);
         },
         [](Project& p) {
             check_deflections_under(p, {"LRFD 5: 0.9 Dead"});
             p.design->deflection_limits = {{"LRFD 5: 0.9 Dead", "180"}};
             p.cases.pop_back();
             p.combinations = {{"LRFD 5: 0.9 Dead", {{"Dead", "0.9"}}}};
         }},
        {"a factor goes in the order of the cases", [](Project& p) { set_factor(p, 1, "Snow", " 0.5 "); },
         [](Project& p) {
             p.combinations[1].factors.insert(p.combinations[1].factors.begin() + 1, {"Snow", "0.5"});
         }},
        {"an empty factor is none", [](Project& p) { set_factor(p, 0, "Dead", ""); },
         [](Project& p) { p.combinations[0].factors.erase(p.combinations[0].factors.begin()); }},
        {"a preset adds what is not there yet",
         [](Project& p) {
             // All but the one the roof has already.
             EXPECT_EQ(insert_preset(p, kDesignPresets[0]), preset_combinations(kDesignPresets[0], p.cases).size() - 1);
             EXPECT_EQ(insert_preset(p, kDesignPresets[0]), 0U);
         },
         [](Project& p) {
             for (Combination& c : preset_combinations(kDesignPresets[0], p.cases))
                 if (c.name != p.combinations[1].name) p.combinations.push_back(c);
         }},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        Project edited = roof();
        Project expected = roof();
        c.edit(edited);
        c.expected(expected);
        EXPECT_EQ(edited, expected);
    }
}

TEST(ProjectEdits, DeletingACaseNamesTheCombinationsItChanges) {
    const auto changes = changes_of_deleting_case(roof(), 0);
    ASSERT_EQ(changes.size(), 2U);
    EXPECT_EQ(changes[0].name_after, "1.2D + 1.6S");
    EXPECT_EQ(changes[1].name_after, "LRFD 5: 1.0 Wind uplift");
    EXPECT_EQ(changes_of_deleting_case(roof(), 1).size(), 1U);
}

TEST(ProjectEdits, NamesAreFreeOnceAndWithoutBlanks) {
    EXPECT_EQ(first_free_name({"Case", "Case 2", "Case 4"}, "Case"), "Case 3");
    EXPECT_EQ(first_free_name({}, "Case"), "Case");
    EXPECT_EQ(case_name_fault(roof(), " \t"), NameFault::Empty);
    EXPECT_EQ(case_name_fault(roof(), " Snow "), NameFault::Taken);
    EXPECT_EQ(case_name_fault(roof(), "Snow", 1), std::nullopt);
    EXPECT_EQ(trimmed_name(" Suction "), "Suction");
    EXPECT_EQ(case_input(roof(), 2).loads[load("U1.V")], "-1.9");
    Project pitched = roof();
    pitched.pitch = pitch("rise 3.6");
    EXPECT_EQ(case_input(pitched, 0).pitch, pitched.pitch);
}

TEST(ProjectHistory, UndoAndRedoGiveEachProjectBackAndAKeystrokeRunIsOneEdit) {
    ProjectHistory history;
    Project project = roof();
    history.record(project);
    delete_case(project, 0);
    for (const char* typed : {"-", "-1", "-12"}) {
        history.record(project, "load 1 3");
        project.cases[0].loads[3] = typed;
    }
    history.close_edit();
    history.record(project, "load 1 3");
    project.cases[0].loads[3] = "7";

    const Project last = project;
    project = *history.undo(project);
    EXPECT_EQ(project.cases[0].loads[3], "-12");
    project = *history.undo(project);
    EXPECT_EQ(project.cases[0].loads[3], "") << "the three keystrokes went at once";
    project = *history.undo(project);
    EXPECT_EQ(project, roof());
    EXPECT_FALSE(history.can_undo());
    EXPECT_EQ(history.undo(project), std::nullopt);
    for (int i = 0; i < 3; ++i) project = *history.redo(project);
    EXPECT_EQ(project, last);
    EXPECT_EQ(history.redo(project), std::nullopt);

    project = *history.undo(project);
    history.record(project);
    EXPECT_FALSE(history.can_redo()) << "a new edit ends what could be redone";
}

}  // namespace
}  // namespace korvel::load_case
