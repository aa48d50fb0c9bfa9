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

// A span or load pasted as several lines; "%1" is the text with its line breaks shown as "⏎".
inline constexpr std::string_view kLineBreaksTitle = "One line only";
inline constexpr std::string_view kLineBreaksText =
    "\"%1\" is written on several lines (each line break shows as ⏎).\r\nEnter one number on one line.";

// Titles of the messages that report a failed analysis.
inline constexpr std::string_view kAnalysisErrorTitle = "KORVEL";

// The window's menu, as assistive technology names it.
inline constexpr std::string_view kMenuName = "Commands";
inline constexpr std::string_view kMenuDescription =
    "Opens and saves load cases, opens the files used last, edits all loads in one table, sets the roof pitch, "
    "opens the load cases and "
    "combinations and shows "
    "the force diagram; "
    "each command shows its shortcut.";

// The roof pitch of the analysis. "%1" is the window's own title, "%2" the pitch.
inline constexpr std::string_view kPitchTitle = "Roof pitch";
inline constexpr std::string_view kPitchPrompt =
    "Roof pitch, from 5° to 40°: in degrees (30, 22.5 deg), as a rise per 12 of run (7:12) or as the rise itself "
    "(rise 3.6). 6:12 is the rise of a quarter of the span.";
inline constexpr std::string_view kPitchInTitle = "%1 - roof pitch %2";

// Load cases in files. "%1" is a file name, "%2" what is wrong with it.
inline constexpr std::string_view kOpenCaseTitle = "Open load case";
inline constexpr std::string_view kSaveCaseTitle = "Save load case";
inline constexpr std::string_view kPutTitle = "Put into the main window";
inline constexpr std::string_view kPutRefusedText = "%1 cannot be put into the main window: %2.";
inline constexpr std::string_view kPutReplaceQuestion = "Replace the span and all loads in the main window with %1?";
inline constexpr std::string_view kCaseFilter = "KORVEL load cases (*.korvel.json);;All files (*)";
inline constexpr std::string_view kDefaultCaseName = "load case.korvel.json";
inline constexpr std::string_view kReplaceInputQuestion =
    "Replace the span and all loads in the window with the load case \"%1\"?";
inline constexpr std::string_view kCaseNotOpened =
    "The load case \"%1\" cannot be opened: %2.\r\nChoose a load case saved by KORVEL (a .korvel.json file).";
inline constexpr std::string_view kCaseNotSaved =
    "The load case could not be saved to \"%1\": %2.\r\nChoose another folder or file name.";
// The files opened or saved last, in the menu. "%1" is the number, "%2" the path.
inline constexpr std::string_view kRecentEntry = "&%1 %2";
inline constexpr std::string_view kNoRecentFiles = "No recent files";
inline constexpr std::string_view kClearRecentFiles = "Clear list";
inline constexpr std::string_view kRecentMissing =
    "The file \"%1\" no longer exists, so it is taken off the list of recent files.";

// Why a case file's span cannot go into the span box; "%1" is the span, or its length and "%2" the box's limit.
inline constexpr std::string_view kSpanNotASpan = "its span \"%1\" is not a span length";
inline constexpr std::string_view kSpanOnSeveralLines = "its span is written on several lines";
inline constexpr std::string_view kSpanTooLong = "its span is %1 characters long; the span box takes at most %2";

}  // namespace korvel::ui
