#pragma once

#include <string_view>

namespace korvel::ui::force_diagram_texts {

inline constexpr std::string_view kTitle = "KORVEL - Forces";
inline constexpr std::string_view kWindowName = "Force diagram";
inline constexpr std::string_view kInputsChanged =
    "Shows the last analysis; the inputs have changed since. Press Results again to update.";
// The window that shows an envelope's diagram when its pane is too small for it.
inline constexpr std::string_view kEnvelopeTitle = "KORVEL - Envelope diagram";
// After both extremes of a reaction on an envelope's diagram where the support must hold the truss down.
inline constexpr std::string_view kUpliftSuffix = ", uplift";
// Where a pane is too small for the diagram to be read.
inline constexpr std::string_view kTooSmall = "This pane is too small to show the force diagram readably.";
inline constexpr std::string_view kTooSmallWindow = "Make the window larger to show the force diagram readably.";
inline constexpr std::string_view kOpenInWindow = "&Open the diagram in its own window";
inline constexpr std::string_view kOpenInWindowDescription =
    "Shows the force diagram in a window of its own, as large as the screen allows, where every value reads whole.";

}  // namespace korvel::ui::force_diagram_texts
