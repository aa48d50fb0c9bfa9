#pragma once

#include <QString>

#include "engine/analysis.hpp"

namespace korvel::ui {

// The results as tab-separated lines joined by "\n", which paste into a
// spreadsheet as a table: the header "Member / Length / Axial force", one row
// per member in the window's order (left table, then right table), then RL0,
// RL6 and HL0 each with its value.
QString results_table_text(const engine::AnalysisResult& result);

}  // namespace korvel::ui
