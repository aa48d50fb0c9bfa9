#pragma once

#include <array>
#include <string_view>

namespace korvel::ui {

// The words of the design window.

inline constexpr std::string_view kDesignTitle = "KORVEL - Design";
inline constexpr std::string_view kDesignMenu = "&Design";
inline constexpr std::string_view kSaveDesignCsvCommand = "Save design as CS&V...";
inline constexpr std::string_view kCloseDesignCommand = "&Close";
inline constexpr std::string_view kCheckWorkingCommand = "&Working of the check...";
inline constexpr std::string_view kVirtualWorkCommand = "&Virtual work at a node...";
inline constexpr std::string_view kVirtualWorkPrompt =
    "The deflection worked out by virtual work at node (L0 to L6 or U1 to U7, L6.H for the supports' spread; "
    "empty for each combination's largest):";
inline constexpr std::string_view kNoVirtualWork =
    "The design checks no deflection: tick a serviceability combination first.";
inline constexpr std::string_view kNotADeflectionPoint =
    "%1 is not a node whose deflection is worked out: type L0 to L6, U1 to U7 or L6.H (U8 and U9 take no load).";
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
inline constexpr std::array<std::string_view, 3> kGroupCaptions{"&Top chord:", "Bottom c&hord:", "&Webs:"};
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
// A combination of the list with its own limit, "EN SLS 4: Dead + Snow (span/360)".
inline constexpr std::string_view kCombinationWithLimit = "%1 (span/%2)";
inline constexpr std::string_view kCombinationLimitCaption = "Its own limit, span / (empt&y: the one above):";
inline constexpr std::string_view kCombinationLimitHint =
    "The deflection limit of the combination picked in the list; empty: the limit above";
inline constexpr std::string_view kPickACombination = "pick a combination";

// IBC Table 1604.3's limits for roof members, in the order of its rows: each
// ticked combination takes the divisor of its column.
inline constexpr std::string_view kRoofLimitsMenu = "IBC Table 1604.3 &limits for a roof";
inline constexpr std::array<std::string_view, 3> kRoofLimitCommands{
    "Supporting &plaster or stucco ceiling", "Supporting &nonplaster ceiling", "No&t supporting ceiling"};
// A command and the divisors of its row.
inline constexpr std::string_view kRoofLimitColumns = "%1: L or Lr span/%2, S or W span/%3, D + L span/%4";
inline constexpr std::string_view kNoCombinationTicked =
    "Tick the serviceability combinations first: each takes the limit of its column of IBC Table 1604.3 (L, S or W "
    "alone, or D + L).";

// EN 1993-1-1's partial factors, in kPartialFactorKeys' order, empty for the recommended value.
inline constexpr std::array<std::string_view, 2> kPartialFactorCaptions{"γ_M&0:", "γ_M&1:"};
inline constexpr std::string_view kPartialFactorHint =
    "EN 1993-1-1 6.1, as the national annex gives it; empty: the recommended value";

// The tabs of the settings; their access keys are none of the window's others.
inline constexpr std::string_view kSectionsTab = "&Sections";
inline constexpr std::string_view kBucklingTab = "Buc&kling";
inline constexpr std::string_view kDurationTab = "Lo&ad duration";
inline constexpr std::string_view kCandidatesTab = "&Candidates";

// A member's own section.
inline constexpr std::string_view kMemberCaption = "Membe&r:";
inline constexpr std::string_view kMemberWithSection = "%1: %2";
inline constexpr std::string_view kMemberSectionCaption = "Own sectio&n:";
inline constexpr std::string_view kMemberSectionPlaceholder = "the %1's section";
inline constexpr std::string_view kMemberSectionHint = "A section for this member alone; empty: its group's";

// The buckling lengths, a row per group under the group's caption.
inline constexpr std::string_view kBucklingFactorHeading = "In the plane, × length";
inline constexpr std::string_view kBracingHeading = "Out of the plane, bracing every";
inline constexpr std::string_view kFactorPlaceholder = "1";
inline constexpr std::string_view kBracedAtEveryNode = "braced at every node";
inline constexpr std::string_view kWebsOwnLength = "its own length";
inline constexpr std::string_view kBucklingNote =
    "The buckling length in the plane is the factor times the member's length; out of the plane a chord buckles "
    "over the spacing of its bracing, or from node to node where that is empty. A web buckles over its own length.";

// The load-duration classes, a row per kind of case in CaseKind's order. Dead and live have no access key:
// each of their letters is taken by a control always in sight, and they are the first two rows of the tab.
inline constexpr std::array<std::string_view, 6> kCaseKindCaptions{
    "Dead:", "Live:", "&Roof live:", "S&now:", "&Wind:", "O&ther:"};
inline constexpr std::string_view kDefaultDuration = "%1 (default)";
inline constexpr std::string_view kDurationNote =
    "The load-duration class of each kind of case, in the words of %1; a combination takes the shortest class "
    "among its cases.";
inline constexpr std::string_view kNoDurationForSteel = "%1 designs steel, which has no load-duration classes.";
inline constexpr std::string_view kChooseCodeFirst = "Choose a code first.";

// The candidates of the lightest-section search, a list per group.
inline constexpr std::string_view kCandidatesNote =
    "The sections the search for the lightest tries, separated by \";\" or line ends.";
inline constexpr std::string_view kCodesList = "The code's list.";
inline constexpr std::string_view kOwnList = "The project's own list.";
// No access keys: each button follows its list in the Tab order, and the group captions above the lists
// take the letters.
inline constexpr std::array<std::string_view, 3> kCodeListCommands{
    "The code's list for the top chord", "The code's list for the bottom chord", "The code's list for the webs"};
inline constexpr std::string_view kCodeListDescription = "Puts back the code's candidates for this group";

// What the window shows of the design.
inline constexpr std::string_view kConditionsName = "Conditions of the design";
inline constexpr std::string_view kFailuresFirst = "Fail&ures first";
inline constexpr std::string_view kDesignTableName = "Design of the members, a row per member";
inline constexpr std::string_view kLightestHeading = "Lightest sections that pass:";
inline constexpr std::string_view kLightestOfGroup = "%1: %2";
// The results' tabs.
inline constexpr std::string_view kMembersTab = "Mem&bers";
inline constexpr std::string_view kConditionsTab = "Cond&itions";
inline constexpr std::string_view kDeflectionTab = "Defl&ection";
inline constexpr std::string_view kDeflectionTableName = "Deflections, a row per serviceability combination";
inline constexpr std::string_view kCreepTableName = "Creep factors, a row per kind of case";
inline constexpr std::string_view kNoDesign = "No design yet: %1.";
inline constexpr std::string_view kHowToStart =
    "Choose the units, a code and a material, and type a section for each group (or use the lightest sections).";
inline constexpr std::string_view kLightestTitle = "Use the lightest sections";
inline constexpr std::string_view kNoDesignToSave = "There is no design to save yet: %1.";

}  // namespace korvel::ui

namespace korvel::ui {

// The picture of the design, a tab beside the members' table.
inline constexpr std::string_view kPictureTab = "&Picture";
inline constexpr std::string_view kPictureName = "Picture of the design: utilisation and deformed shape";
inline constexpr std::string_view kShapeCaption = "E&xaggerated shape of:";
inline constexpr std::string_view kShapeOf =
    "%1, instantaneous: the truss in its utilisations' colours, the deformed shape as a thin line over it";
inline constexpr std::string_view kLargestMovement = "largest deflection %1 %2 at %3";
inline constexpr std::string_view kNoShape = "No deformed shape: %1.";

}  // namespace korvel::ui
