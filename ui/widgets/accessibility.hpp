#pragma once

#include <QString>

#include <string_view>

namespace korvel::ui {

// Teaches Qt's accessibility how to present the program's own widgets: caption
// labels (static text, heading or, when clickable, a button with a press
// action; their shown caption as value and text; in a table area, a cell), the
// drawing surface (a graphic) and a table area (a table of rows and columns).
// Safe to call any number of times.
void install_accessibility();

// The spoken name or description of a control: the pattern with "%1" replaced by the subject.
QString spoken_text(std::string_view pattern, std::string_view subject);

}  // namespace korvel::ui
