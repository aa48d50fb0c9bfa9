#pragma once

#include <string_view>

#include "ui/working_drawing/working_drawing_texts.hpp"

namespace korvel::ui::working_texts {

inline constexpr std::string_view kTitle = working_drawing_texts::kWorkingTitle;
// At a roof pitch other than 6:12; "%1" is the pitch as given.
inline constexpr std::string_view kTitleAtPitch = "KORVEL - Working - roof pitch %1";
inline constexpr std::string_view kWindowName = "Working";
inline constexpr std::string_view kWindowDescription =
    "The program's own hand solution of the latest analysis, step by step, with the numbers it used.";
inline constexpr std::string_view kStepsName = "Steps";
inline constexpr std::string_view kStepsDescription =
    "Up and Down move through the steps; in study mode Space shows the result of the step.";
inline constexpr std::string_view kDetailName = "Step";
inline constexpr std::string_view kSketchName = "Drawing of the step";
inline constexpr std::string_view kStudyMode = "&Study mode: hide each result until it is shown";
inline constexpr std::string_view kReveal = "Show &result";
inline constexpr std::string_view kFullPrecision = "&Full precision";
inline constexpr std::string_view kFullPrecisionTip =
    "Every digit of each value the program used; otherwise six significant digits, with the full value on hover.";
inline constexpr std::string_view kHidden = "Result hidden: press Space or Show result.";
inline constexpr std::string_view kNoAnalysis = "No analysis yet: the working shows the latest results.";
inline constexpr std::string_view kStepNumber = "Step %1 of %2. ";

}  // namespace korvel::ui::working_texts
