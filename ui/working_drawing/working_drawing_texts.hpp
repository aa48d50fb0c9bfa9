#pragma once

#include <string_view>

namespace korvel::ui::working_drawing_texts {

// The working's title, on its PDF and its window.
inline constexpr std::string_view kWorkingTitle = "KORVEL - Working";
// What a step's drawing shows, in words for assistive technology.
inline constexpr std::string_view kJoint = "Joint %1 is ringed. ";
inline constexpr std::string_view kCut = "The dashed line is the cut. ";
inline constexpr std::string_view kSolves = "Solves %1. ";
inline constexpr std::string_view kKnown = "Known: %1.";

}  // namespace korvel::ui::working_drawing_texts
