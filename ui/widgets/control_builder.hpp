#pragma once

#include <span>

#include "ui/widgets/control_entry.hpp"

namespace korvel::ui {

class FixedForm;

// Turns a layout table into the form's child widgets: AutoSizeLabel for labels,
// QPushButton for buttons, QLineEdit for the text box, each named after its
// table entry. Focusable controls are chained in tab-index order, and the entry
// marked default becomes the form's default button.
void build_controls(FixedForm& form, std::span<const ControlEntry> controls);

// The text box accepts this many characters, so large pastes arrive whole.
inline constexpr int kTextBoxMaxLength = 1 << 24;

}  // namespace korvel::ui
