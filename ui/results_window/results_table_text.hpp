#pragma once

#include <QString>

class QWidget;

namespace korvel::ui {

// The whole result of the results window as tab-separated lines joined by "\n",
// which paste into a spreadsheet as a table: the header "Member\tLength\tAxial
// force", one line per member in the window's order (left table, then right
// table), then RL0, RL6 and HL0 each with its value. Read from the window's own
// result labels, so it is exactly what the window shows.
QString results_table_text(const QWidget& window);

}  // namespace korvel::ui
