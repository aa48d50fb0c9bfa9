#pragma once

#include <QRectF>

#include "ui/force_diagram/analysis_record.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"

class QPainter;

namespace korvel::ui {

// Paints the force diagram of an analysis into `area` of any paint device (a
// window, a picture, a PDF page) in the painter's font. The one drawing of the
// forces: the window, the pictures and the report all come from here.
// `member_text` and `reaction_text` as lay_out_force_diagram takes them.
void paint_force_diagram(QPainter& painter, const QRectF& area, const AnalysisRecord& record,
                         const DiagramPalette& palette, const MemberText& member_text = {},
                         const ReactionText& reaction_text = {});
// Paints a diagram laid out before, for a widget that keeps its layout between paints.
void paint_force_diagram(QPainter& painter, const FittedForceDiagram& fitted, const DiagramPalette& palette);

}  // namespace korvel::ui
