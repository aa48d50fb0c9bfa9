#pragma once

#include <string_view>

namespace korvel::ui {

// The words of the results window and of what the program says when results come.

inline constexpr std::string_view kStartNewQuestion = "Are you sure to Start New Calculations?";
inline constexpr std::string_view kStartNewTitle = "New Calculations?";
// Before the results of a span too small to keep every digit.
inline constexpr std::string_view kLessAccurateTitle = "Results less accurate";

}  // namespace korvel::ui
