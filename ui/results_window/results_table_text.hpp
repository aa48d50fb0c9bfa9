#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>
#include <vector>

class QWidget;

namespace korvel::ui {

// The rows of the results as a table: the header "Member / Length / Axial
// force", one row per member in the window's order (left table, then right
// table), then RL0, RL6 and HL0 each with its value. `text_of_label` gives the
// caption of a result label by its name ("Label59").
std::vector<QStringList> results_table_rows(const std::function<QString(std::string_view)>& text_of_label);

// The whole result of the results window as tab-separated lines joined by "\n",
// which paste into a spreadsheet as a table: the rows above, read from the
// window's own result labels, so it is exactly what the window shows.
QString results_table_text(const QWidget& window);

}  // namespace korvel::ui
