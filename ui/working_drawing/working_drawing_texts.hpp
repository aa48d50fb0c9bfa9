#pragma once

namespace korvel::ui::working_drawing_texts {

// The working's title, on its PDF and its window.
inline constexpr char kWorkingTitle[] = "KORVEL - Working";
// What a step's drawing shows, in words for assistive technology.
inline constexpr char kJoint[] = "Joint %1 is ringed. ";
inline constexpr char kCut[] = "The dashed line is the cut. ";
inline constexpr char kSolves[] = "Solves %1. ";
inline constexpr char kKnown[] = "Known: %1.";

}  // namespace korvel::ui::working_drawing_texts
