#pragma once

#include <array>
#include <string_view>

#include "engine/truss_model.hpp"
#include "load_case/distributed_load.hpp"
#include "load_case/project.hpp"

namespace korvel::ui {

// The words of the load cases window and its questions.

inline constexpr std::string_view kLoadCasesTitle = "KORVEL - Load cases";
inline constexpr std::string_view kProjectFilter = "KORVEL load cases (*.korvel.json);;All files (*)";
inline constexpr std::string_view kDefaultProjectName = "project.korvel.json";

struct CaseKindWords {
    load_case::CaseKind kind;
    std::string_view words;  // as the kind box shows it
};
inline constexpr std::array<CaseKindWords, 6> kCaseKindWords{{
    {load_case::CaseKind::Dead, "Dead load (D, G)"},
    {load_case::CaseKind::Live, "Live load (L, Q)"},
    {load_case::CaseKind::RoofLive, "Roof live load (Lr)"},
    {load_case::CaseKind::Snow, "Snow (S)"},
    {load_case::CaseKind::Wind, "Wind (W)"},
    {load_case::CaseKind::Other, "Other (not in presets)"},
}};

// A command button of the window: its caption with the access key, and what it says to a screen reader.
struct CommandWords {
    std::string_view caption;
    std::string_view description;
};

inline constexpr CommandWords kAddCase{"&Add case...", "Adds a load case with a name you type"};
inline constexpr CommandWords kRenameCase{"Re&name...", "Renames the selected load case and its factors"};
inline constexpr CommandWords kDuplicateCase{"D&uplicate", "Copies the selected load case with its loads"};
inline constexpr CommandWords kDeleteCase{"De&lete...", "Deletes the selected load case and its factors"};
inline constexpr CommandWords kTakeLoads{"&Take the main window's loads",
                                         "Replaces the selected case's loads with those of the main window"};
inline constexpr CommandWords kPutLoads{"Put into the main &window",
                                        "Shows the span and the selected case's loads in the main window"};
inline constexpr CommandWords kDistributedLoad{"Add d&istributed load...",
                                               "Adds the nodal loads of a uniform load to the selected case"};
inline constexpr CommandWords kAddCombination{"Add co&mbination", "Adds an empty combination to type factors into"};
inline constexpr CommandWords kDeleteCombination{"Delete com&bination...", "Deletes the selected combination"};
inline constexpr CommandWords kInsertPreset{"Insert p&reset", "Inserts a design code's combinations of the cases"};

inline constexpr std::string_view kNewCaseTitle = "Add load case";
inline constexpr std::string_view kRenameCaseTitle = "Rename load case";
inline constexpr std::string_view kCaseNamePrompt = "Name of the load case:";
inline constexpr std::string_view kDeleteCaseTitle = "Delete load case?";
inline constexpr std::string_view kDeleteCombinationTitle = "Delete combination?";
inline constexpr std::string_view kPresetTitle = "Insert preset";
inline constexpr std::string_view kOpenProjectTitle = "Open project";
inline constexpr std::string_view kSaveProjectTitle = "Save project";

inline constexpr std::string_view kEnvelopeReportCommand = "Save envelope &report as PDF...";
inline constexpr std::string_view kEnvelopeCsvCommand = "Save envelope as CS&V...";
inline constexpr std::string_view kCombinationReportCommand = "Save com&bination report as PDF...";

// The distributed load dialog: what the load acts on, and on which slopes, in the boxes' order.
inline constexpr std::string_view kDistributedLoadTitle = "Add distributed load";
inline constexpr std::string_view kDistributedLoadHint =
    "The load is shared to the nodes by tributary lengths and added to the case's loads. Wind: positive presses on "
    "the roof, negative is suction.";
inline constexpr std::string_view kDistributedKindCaption = "&Acts:";
inline constexpr std::string_view kDistributedSlopesCaption = "&On:";
inline constexpr std::string_view kDistributedIntensityCaption = "&Intensity w:";

struct DistributedKindWords {
    load_case::DistributedLoadKind kind;
    std::string_view words;
};
inline constexpr std::array<DistributedKindWords, 3> kDistributedKindWords{{
    {load_case::DistributedLoadKind::TopChordVertical, "Top chord, downward per horizontal length (roofing, snow)"},
    {load_case::DistributedLoadKind::SlopeNormal, "At right angles to the slope, per slope length (wind)"},
    {load_case::DistributedLoadKind::BottomChord, "Bottom chord, downward per length (ceiling)"},
}};

struct SlopesWords {
    load_case::Slopes slopes;
    std::string_view words;
};
inline constexpr std::array<SlopesWords, 3> kSlopesWords{{
    {load_case::Slopes::Both, "Both slopes"},
    {load_case::Slopes::Left, "Left slope only (L0 to U4)"},
    {load_case::Slopes::Right, "Right slope only (U4 to L6)"},
}};

}  // namespace korvel::ui
