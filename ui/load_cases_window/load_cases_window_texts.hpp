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

// The window's own captions and the names a screen reader says.
inline constexpr std::string_view kProjectMenu = "&Project";
inline constexpr std::string_view kEditMenu = "&Edit";
inline constexpr std::string_view kNewProjectCommand = "&New project";
inline constexpr std::string_view kOpenCommand = "&Open...";
inline constexpr std::string_view kSaveCommand = "&Save";
inline constexpr std::string_view kSaveAsCommand = "Save &as...";
inline constexpr std::string_view kCloseCommand = "&Close";
inline constexpr std::string_view kUndoCommand = "&Undo";
inline constexpr std::string_view kRedoCommand = "&Redo";
inline constexpr std::string_view kSpanCaption = "&Span:";
inline constexpr std::string_view kSpanName = "Span";
inline constexpr std::string_view kPitchCaption = "Roof pit&ch:";
inline constexpr std::string_view kPitchName = "Roof pitch";
inline constexpr std::string_view kPitchDescription =
    "Roof pitch, from 5° to 40°: in degrees (30, 22.5 deg), as a rise per 12 of run (7:12) or as the rise itself "
    "(rise 3.6).";
// The title at a pitch that is not 6:12: "%1" is the window's own title, "%2" the pitch.
inline constexpr std::string_view kProjectPitchInTitle = "%1 - roof pitch %2";
// Why the envelope is not shown: "%1" says what to correct.
inline constexpr std::string_view kNoEnvelopeYet = "No envelope yet: %1";
inline constexpr std::string_view kNotSavedYet = "Not saved yet";
inline constexpr std::string_view kEnvelopeBox = "Envelope";
inline constexpr std::string_view kCasesBox = "Load cases";
inline constexpr std::string_view kCaseListName = "Load cases";
inline constexpr std::string_view kKindCaption = "&Kind:";
inline constexpr std::string_view kKindBoxName = "Kind of the selected case";
inline constexpr std::string_view kCaseLoadsName = "Loads of the selected case";
inline constexpr std::string_view kCombinationsBox = "Combinations";
inline constexpr std::string_view kCombinationTableName = "Combinations: a row per combination, a factor per case";
inline constexpr std::string_view kCombinationColumn = "Combination";
inline constexpr std::string_view kFirstCaseName = "Case";
inline constexpr std::string_view kCopySuffix = " copy";

inline constexpr std::string_view kNewCaseTitle = "Add load case";
inline constexpr std::string_view kRenameCaseTitle = "Rename load case";
inline constexpr std::string_view kCaseNamePrompt = "Name of the load case:";
inline constexpr std::string_view kDeleteCaseTitle = "Delete load case?";
inline constexpr std::string_view kDeleteCombinationTitle = "Delete combination?";
inline constexpr std::string_view kPresetTitle = "Insert preset";
inline constexpr std::string_view kOpenProjectTitle = "Open project";
inline constexpr std::string_view kSaveProjectTitle = "Save project";
inline constexpr std::string_view kTakeLoadsTitle = "Take the main window's loads?";
inline constexpr std::string_view kUnsavedTitle = "Save the project?";

// Questions and messages; %1, %2 are filled in where they are asked.
inline constexpr std::string_view kEmptyCaseName = "A load case needs a name. Type one.";
inline constexpr std::string_view kTakenCaseName = "There is a load case \"%1\" already. Type another name.";
inline constexpr std::string_view kTooManyCases = "A project holds at most %1 load cases.";
inline constexpr std::string_view kDeleteCaseQuestion = "Delete the load case %1 with all its loads?";
inline constexpr std::string_view kDeletedFactors = "Its factors in %1 combinations are deleted too:";
inline constexpr std::string_view kRenamedCombination = "%1, which becomes %2";
inline constexpr std::string_view kTakeLoadsQuestion =
    "Replace the loads of the load case %1 with the main window's loads?\r\nIts loads now are lost.";
inline constexpr std::string_view kPutSource = "the load case %1";
inline constexpr std::string_view kReplaceProjectQuestion =
    "Replace the project in the load cases window with \"%1\"?\r\nIts changes since it was last saved are lost.";
inline constexpr std::string_view kUnsavedQuestion =
    "The project %1 has changes that are not saved.\r\nSave them before %2?";
inline constexpr std::string_view kBeforeClosing = "the window closes";
inline constexpr std::string_view kBeforeEnding = "KORVEL ends";
inline constexpr std::string_view kBeforeNewProject = "a new project starts";
inline constexpr std::string_view kUnnamedProject = "in the load cases window";
inline constexpr std::string_view kCannotOpen =
    "The file \"%1\" cannot be opened: %2.\r\nChoose a project saved by KORVEL.";
inline constexpr std::string_view kCannotSaveYet = "The project cannot be saved yet: %1";
inline constexpr std::string_view kCorrectThenSave = "Correct the project, then save again.";
inline constexpr std::string_view kEnvelopeReportName = "korvel-envelope.pdf";
inline constexpr std::string_view kEnvelopeCsvName = "korvel-envelope.csv";
inline constexpr std::string_view kPdfFilter = "PDF documents (*.pdf)";
inline constexpr std::string_view kCsvFilter = "CSV tables (*.csv)";
inline constexpr std::string_view kSelectCombinationFirst =
    "Select the combination in the table of combinations first; its full results are saved as a report.";
inline constexpr std::string_view kCombinationReportAbout = "Combination %1: %2";
inline constexpr std::string_view kFactorOfCase = "%1 × %2";
inline constexpr std::string_view kCombinationHasNoResults = "The combination \"%1\" has no results: %2";
inline constexpr std::string_view kDeleteCombinationQuestion = "Delete the combination \"%1\" with its factors?";
inline constexpr std::string_view kPresetAddsNothing =
    "%1 adds no combination: the project has them all already, or no case of a kind it combines. Set each case's "
    "kind (dead, live, roof live, snow, wind), then insert it again.";

inline constexpr std::string_view kEnvelopeReportCommand = "Save envelope &report as PDF...";
inline constexpr std::string_view kEnvelopeCsvCommand = "Save envelope as CS&V...";
inline constexpr std::string_view kCombinationReportCommand = "Save com&bination report as PDF...";
inline constexpr std::string_view kDesignMembersCommand = "Design &members...";

inline constexpr std::string_view kDistributedLoadTitle = "Add distributed load";

}  // namespace korvel::ui
