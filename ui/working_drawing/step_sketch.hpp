#pragma once

#include <QRectF>
#include <QString>

#include "engine/working.hpp"
#include "ui/force_diagram/diagram_palette.hpp"

class QPainter;

namespace korvel::ui {

// A small drawing of the truss at the slope tangent `tangent` for one step of the working:
// the joint it balances ringed or the cut drawn dashed, the members it solves thick in ink,
// the members whose forces it takes as known in the force diagram's tension and
// compression colours.
void paint_step_sketch(QPainter& painter, const QRectF& area, const engine::WorkingStep& step,
                       const DiagramPalette& palette, double tangent = 0.5);

// What the drawing shows, in words, for assistive technology.
QString step_sketch_description(const engine::WorkingStep& step);

}  // namespace korvel::ui
