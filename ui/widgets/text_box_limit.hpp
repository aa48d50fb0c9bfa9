#pragma once

namespace korvel::ui {

// Every edit line of the program (the span box and the load dialog's line)
// accepts this many characters, so large pastes arrive whole.
inline constexpr int kTextBoxMaxLength = 1 << 24;

}  // namespace korvel::ui
