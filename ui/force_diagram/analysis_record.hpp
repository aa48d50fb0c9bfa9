#pragma once

#include "engine/analysis.hpp"

namespace korvel::ui {

// One completed analysis: the span and load texts exactly as they were analysed,
// and the results they gave, as values. The force diagram and the report show this,
// not what the main window holds later.
struct AnalysisRecord {
    engine::AnalysisInput input;
    engine::AnalysisResult result;
};

}  // namespace korvel::ui
