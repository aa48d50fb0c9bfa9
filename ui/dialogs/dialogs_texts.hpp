#pragma once

#include <string_view>

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

}  // namespace korvel::ui
