#pragma once

#include <QByteArray>

#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The force diagram as a picture file, in the paper colours on white.
QByteArray diagram_svg(const AnalysisRecord& record);
// A PNG of twice the picture's size in pixels, sharp on high-density screens.
QByteArray diagram_png(const AnalysisRecord& record);

}  // namespace korvel::ui
