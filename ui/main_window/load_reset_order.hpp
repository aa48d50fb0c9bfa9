#pragma once

#include <array>
#include <string_view>

namespace korvel::ui {

// The order in which the load reset empties the 23 load labels: L0, U1 to U4
// horizontal before vertical, U5 and U6 vertical first, U7, L6 vertical first,
// then L1 to L5. The span box is emptied after them.
inline constexpr std::array<std::string_view, 23> kLoadResetOrder{
    "Label20", "Label21", "Label22", "Label23", "Label24", "Label25", "Label26", "Label27",
    "Label28", "Label29", "Label33", "Label34", "Label35", "Label36", "Label40", "Label42",
    "Label41", "Label39", "Label30", "Label31", "Label32", "Label38", "Label37",
};

}  // namespace korvel::ui
