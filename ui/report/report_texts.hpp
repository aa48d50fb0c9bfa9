#pragma once

#include <array>
#include <string_view>

#include "engine/truss_model.hpp"
#include "ui/force_diagram/force_sign.hpp"

namespace korvel::ui {

inline constexpr std::string_view kReportTitle = "KORVEL - Fink truss analysis";
// The heading of the column that says in words what each force does.
inline constexpr std::string_view kSenseHeading = "Sense";
inline constexpr std::string_view kDirectionHeading = "Direction";

// The captions of the title block on every page of a report.
inline constexpr std::string_view kProjectCaption = "Project";
inline constexpr std::string_view kTrussCaption = "Truss";
inline constexpr std::string_view kDateCaption = "Date";
inline constexpr std::string_view kEngineerCaption = "Engineer";
inline constexpr std::string_view kCheckedByCaption = "Checked by";
inline constexpr std::string_view kProgramCaption = "Program";
// "%1" is the span as analysed.
inline constexpr std::string_view kTrussDescription = "Fink truss, span %1";
// A roof that is not 6:12 names its pitch after the span.
inline constexpr std::string_view kTrussPitch = "%1, roof pitch %2";
// "%1" is this page's number, "%2" how many pages there are.
inline constexpr std::string_view kPageOfPages = "Page %1 of %2";

// The span line: "%1" is the span as typed, "%2" as the analysis uses it where that differs.
inline constexpr std::string_view kSpanLine = "Span: %1";
inline constexpr std::string_view kSpanTypedAndUsedLine = "Span: %1 as typed, used as %2";

// What a member's axial force does to it.
struct ForceWord {
    ForceSign sign;
    std::string_view word;
};
inline constexpr std::array<ForceWord, 3> kForceWords{{
    {ForceSign::Tension, "Tension"},
    {ForceSign::Compression, "Compression"},
    {ForceSign::Zero, "Zero"},
}};

// Which way each support pushes on the truss for a positive and a negative reaction.
struct ReactionDirection {
    engine::Reaction reaction;
    std::string_view positive;
    std::string_view negative;
};
inline constexpr std::array<ReactionDirection, engine::kReactionCount> kReactionDirections{{
    {engine::Reaction::RL0, "upward", "downward (uplift: hold L0 down)"},
    {engine::Reaction::RL6, "upward", "downward (uplift: hold L6 down)"},
    {engine::Reaction::HL0, "to the left", "to the right"},
}};
inline constexpr std::string_view kNoReaction = "none";

}  // namespace korvel::ui
