#pragma once

#include <array>
#include <string_view>

#include "korvel/project.hpp"

namespace korvel::ui {

// Captions of the main window's dialogs.

inline constexpr std::string_view kSpanWarningText = "Positive Values Valid only!";
inline constexpr std::string_view kSpanWarningTitle = "Warning!";

inline constexpr std::string_view kHorizontalLoadTitle = "ENTER THE HORIZONTAL LOAD:";
inline constexpr std::string_view kHorizontalLoadPrompt = "POSITIVE (+ve) FOR RIGHTWARD DIRECTION:";
inline constexpr std::string_view kVerticalLoadTitle = "ENTER THE VERTICAL LOAD:";
inline constexpr std::string_view kVerticalLoadPrompt = "POSITIVE (+ve) FOR DOWNWARD DIRECTION:";

inline constexpr std::string_view kResetTitle = "Reset All Loads?";
inline constexpr std::string_view kResetText = "Are you sure to Reset all Loads?";

inline constexpr std::string_view kHelpTitle = "Using help";
inline constexpr std::array<std::string_view, 14> kHelpLines{
    "Working procedure:",
    "1. Give the Span Length.",
    "2. Divide the load in vertical & horizontal component.",
    "3. Click on the nodes & Input the load components.",
    "4. Click on the Results button.",
    "",
    "NB: 1.The given directions of load are assumed to be positive,",
    "So counter directing load will be negative.",
    "2. Input only the 'NUMERIC' integer or floating point values,",
    "otherwise a message names the value to correct; nothing is lost.",
    "",
    "Attention: Appearance of The software may be distorted if",
    "Third party Themes are used!",
    "Use Windows Defult Themes to get original views.",
};

inline constexpr std::string_view kAboutTitle = "About developer";
inline constexpr std::array<std::string_view, 12> kAboutLines{
    "Developed by-",
    "",
    "The KORVEL project,",
    "a small workshop of tools",
    "for the structural analysis",
    "of roof trusses.",
    "",
    "Korvel",
    "This program solves Fink truss in any loading condition",
    project::kAboutVersion,
    "",
    "Thank you for calculating with KORVEL.",
};

// Titles of the messages that report a failed analysis.
inline constexpr std::string_view kAnalysisErrorTitle = "KORVEL";

}  // namespace korvel::ui
