#pragma once

#include <array>
#include <string_view>

#include "load_case/distributed_load.hpp"
#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui {

// The exit question that both windows ask.
inline constexpr std::string_view kExitTitle = "Confirm Exit";
inline constexpr std::string_view kExitQuestion = "Are you sure to Exit?\r\n(All data will be lost!)";

// The table of all loads.
inline constexpr std::string_view kLoadTableTitle = "Edit all loads";
inline constexpr std::string_view kLoadTableName = "Loads";
inline constexpr std::string_view kLoadTableHint = "Type each load as in the load dialogs; an empty cell is no load.";
inline constexpr std::string_view kHorizontalLoadColumn = "Horizontal load";
inline constexpr std::string_view kVerticalLoadColumn = "Vertical load";
inline constexpr std::string_view kDiscardLoadEdits = "Close the table and drop the loads edited in it?";
// "%1" is the node, "%2" the column title in lower case.
inline constexpr std::string_view kCellTakesNothing = "%1 takes no %2";

// The title block fields asked before a report is saved.
inline constexpr std::string_view kTitleFieldsTitle = "Report title block";
inline constexpr std::string_view kTitleFieldsHint =
    "Each field is optional: one left empty stays blank in the report.";
// Each field's line, top to bottom, with the label that names it and its access key.
struct TitleFieldLine {
    QString TitleFields::*field;
    std::string_view label;
};
inline constexpr std::array<TitleFieldLine, 3> kTitleFieldLines{{
    {&TitleFields::project, "&Project:"},
    {&TitleFields::engineer, "&Engineer:"},
    {&TitleFields::checked_by, "C&hecked by:"},
}};

// Saving a case or project file over one whose name only the added extension made.
inline constexpr std::string_view kReplaceFileQuestion = "The file \"%1\" exists already. Replace it?";

// The distributed load dialog: what the load acts on, and on which slopes, in the boxes' order.
inline constexpr std::string_view kDistributedLoadDialogTitle = "Add distributed load";
inline constexpr std::string_view kDistributedLoadHint =
    "The load is shared to the nodes by tributary lengths and added to the case's loads. Wind: positive presses on "
    "the roof, negative is suction.";
inline constexpr std::string_view kDistributedKindCaption = "&Acts:";
inline constexpr std::string_view kDistributedSlopesCaption = "&On:";
inline constexpr std::string_view kDistributedIntensityCaption = "&Intensity w:";
// With the project's units, a load per area times the truss spacing instead of w; %1 the unit.
inline constexpr std::string_view kAreaLoadCaption = "&Load per area (%1):";
inline constexpr std::string_view kSpacingCaption = "Truss &spacing (%1):";
inline constexpr std::string_view kAreaLoadHint = "Or type a load per area and the truss spacing: w is their product.";
// The load per area and its unit, the spacing and its unit, the line load and its unit.
inline constexpr std::string_view kLineLoadWords = "Line load w = %1 %2 × %3 %4 = %5 %6";

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
