#pragma once

namespace korvel::ui::force_diagram_texts {

inline constexpr char kTitle[] = "KORVEL - Forces";
inline constexpr char kWindowName[] = "Force diagram";
inline constexpr char kInputsChanged[] =
    "Shows the last analysis; the inputs have changed since. Press Results again to update.";

}  // namespace korvel::ui::force_diagram_texts
