#pragma once

#include <array>
#include <cstddef>

#include "ui/widgets/control_entry.hpp"
#include "ui/widgets/drawing.hpp"
#include "ui/widgets/fixed_form.hpp"

namespace korvel::ui {

// The main window: the truss drawing with its node names, hotspots and load
// labels, the span box and the row of command buttons.
inline constexpr std::size_t kMainWindowControlCount = 60;
inline constexpr std::size_t kMainWindowLineCount = 102;
inline constexpr std::size_t kMainWindowCircleCount = 2;

FormEntry main_window_form();
extern const std::array<ControlEntry, kMainWindowControlCount> kMainWindowControls;
extern const std::array<LineEntry, kMainWindowLineCount> kMainWindowLines;
extern const std::array<CircleEntry, kMainWindowCircleCount> kMainWindowCircles;
// The lines and circles as one drawing, named for assistive technology.
Drawing main_window_drawing();

}  // namespace korvel::ui
