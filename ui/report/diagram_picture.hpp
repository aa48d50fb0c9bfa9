#pragma once

#include <QByteArray>

#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The force diagram as a picture file, in the paper colours on white.
QByteArray diagram_svg(const AnalysisRecord& record);
// A raster picture ("PNG" or "JPG") of twice the picture's size in pixels, sharp
// on high-density screens.
QByteArray diagram_image(const AnalysisRecord& record, const char* format);

}  // namespace korvel::ui
