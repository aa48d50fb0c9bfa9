#pragma once

#include <array>
#include <string_view>

namespace korvel::ui {

// The words of the design window.

inline constexpr std::string_view kDesignTitle = "KORVEL - Design";
inline constexpr std::string_view kDesignMenu = "&Design";
inline constexpr std::string_view kSaveDesignCsvCommand = "Save design as CS&V...";
inline constexpr std::string_view kCloseDesignCommand = "&Close";
inline constexpr std::string_view kDesignCsvName = "korvel-design.csv";
inline constexpr std::string_view kDesignCsvFilter = "CSV tables (*.csv)";
inline constexpr std::string_view kDesignReportCommand = "Save design &report as PDF...";
inline constexpr std::string_view kDesignReportName = "korvel-design.pdf";
inline constexpr std::string_view kDesignPdfFilter = "PDF documents (*.pdf)";

// The settings, as their captions and what a screen reader says.
inline constexpr std::string_view kSettingsBox = "Settings";
inline constexpr std::string_view kForceUnitCaption = "&Forces in:";
inline constexpr std::string_view kLengthUnitCaption = "&Lengths in:";
inline constexpr std::string_view kUnitPlaceholder = "choose a unit";
inline constexpr std::string_view kCodeCaption = "C&ode:";
inline constexpr std::string_view kCodePlaceholder = "choose a design code";
inline constexpr std::string_view kMaterialCaption = "&Material:";
inline constexpr std::string_view kServiceClassCaption = "Ser&vice class:";
inline constexpr std::string_view kServiceClassHint = "EN 1995-1-1 2.3.1.3; only EN 1995-1-1 designs with it";
// The section boxes' captions, in the groups' order.
inline constexpr std::array<std::string_view, 3> kGroupCaptions{"&Top chord:", "&Bottom chord:", "&Webs:"};
inline constexpr std::string_view kSectionHint =
    "Timber BxH in mm (in inches or 2x6 for NDS); steel CHS DxT, SHS BxT or RHS HxBxT followed by hot-finished or "
    "cold-formed";
inline constexpr std::string_view kLightestCommand = "Use the li&ghtest sections";
inline constexpr std::string_view kLightestDescription =
    "Sets each group's section to the lightest of its candidates that passes every check";
inline constexpr std::string_view kDeflectionLimitCaption = "Deflection limit, span &/";
inline constexpr std::string_view kServiceabilityCaption = "Serviceability combinations (deflections checked):";
inline constexpr std::string_view kServiceabilityName = "Serviceability combinations";
inline constexpr std::string_view kNoCombinations = "The project has no combinations yet.";

// What the window shows of the design.
inline constexpr std::string_view kConditionsName = "Conditions of the design";
inline constexpr std::string_view kFailuresFirst = "Fail&ures first";
inline constexpr std::string_view kDesignTableName = "Design of the members, a row per member";
inline constexpr std::string_view kLightestHeading = "Lightest sections that pass:";
inline constexpr std::string_view kLightestOfGroup = "%1: %2";
// The results' tabs.
inline constexpr std::string_view kMembersTab = "Membe&rs";
inline constexpr std::string_view kConditionsTab = "Co&nditions";
inline constexpr std::string_view kDeflectionTab = "Defl&ection";
inline constexpr std::string_view kDeflectionTableName = "Deflections, a row per serviceability combination";
inline constexpr std::string_view kNoDesign = "No design yet: %1.";
inline constexpr std::string_view kHowToStart =
    "Choose the units, a code and a material, and type a section for each group (or use the lightest sections).";
inline constexpr std::string_view kLightestTitle = "Use the lightest sections";
inline constexpr std::string_view kNoDesignToSave = "There is no design to save yet: %1.";

}  // namespace korvel::ui

namespace korvel::ui {

// The picture of the design, a tab beside the members' table.
inline constexpr std::string_view kPictureTab = "P&icture";
inline constexpr std::string_view kPictureName = "Picture of the design: utilisation and deformed shape";
inline constexpr std::string_view kShapeCaption = "Deformed &shape of:";
inline constexpr std::string_view kShapeOf = "%1, instantaneous: undeformed dashed, deformed solid";
inline constexpr std::string_view kLargestMovement = "largest deflection %1 %2 at %3";
inline constexpr std::string_view kNoShape = "No deformed shape: %1.";

}  // namespace korvel::ui
