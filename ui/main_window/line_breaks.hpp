#pragma once

#include <QString>

namespace korvel::ui {

// A pasted spreadsheet cell or paragraph brings line breaks along. Those among
// the blanks before and after the text are dropped, the blanks stay as typed;
// a text with a line break inside is one value on several lines, and refused.
QString without_outer_line_breaks(const QString& text);
bool has_line_break(const QString& text);
// The text with each line break shown as "⏎" (a CR LF pair as one).
QString with_line_breaks_shown(const QString& text);

}  // namespace korvel::ui
