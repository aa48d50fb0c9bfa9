#pragma once

#include <span>
#include <vector>

#include "ui/widgets/control_entry.hpp"

class QWidget;

namespace korvel::ui {

class FixedForm;

// Turns a layout table into the form's child widgets: AutoSizeLabel for labels,
// QPushButton for buttons, LongTextBox for the text box, each named after its
// table entry. Focusable controls are chained in tab-index order, and the entry
// marked default becomes the form's default button. Returns the focusable
// controls in tab order.
std::vector<QWidget*> build_controls(FixedForm& form, std::span<const ControlEntry> controls);

}  // namespace korvel::ui
