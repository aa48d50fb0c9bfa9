#pragma once

#include "ui/working_drawing/working_drawing_texts.hpp"

namespace korvel::ui::working_texts {

inline constexpr const auto& kTitle = working_drawing_texts::kWorkingTitle;
// At a roof pitch other than 6:12; "%1" is the pitch as given.
inline constexpr char kTitleAtPitch[] = "KORVEL - Working - roof pitch %1";
inline constexpr char kWindowName[] = "Working";
inline constexpr char kWindowDescription[] =
    "The program's own hand solution of the latest analysis, step by step, with the numbers it used.";
inline constexpr char kStepsName[] = "Steps";
inline constexpr char kStepsDescription[] =
    "Up and Down move through the steps; in study mode Space shows the result of the step.";
inline constexpr char kDetailName[] = "Step";
inline constexpr char kSketchName[] = "Drawing of the step";
inline constexpr char kStudyMode[] = "&Study mode: hide each result until it is shown";
inline constexpr char kReveal[] = "Show &result";
inline constexpr char kFullPrecision[] = "&Full precision";
inline constexpr char kFullPrecisionTip[] =
    "Every digit of each value the program used; otherwise six significant digits, with the full value on hover.";
inline constexpr char kHidden[] = "Result hidden: press Space or Show result.";
inline constexpr char kNoAnalysis[] = "No analysis yet: the working shows the latest results.";
inline constexpr char kStepNumber[] = "Step %1 of %2. ";

}  // namespace korvel::ui::working_texts
