#pragma once

#include <QColor>

#include "ui/force_diagram/force_sign.hpp"

class QPalette;

namespace korvel::ui {

// The colours of a force diagram. Tension and compression are a pair that
// colour-blind readers tell apart (blue and vermillion or orange); zero is grey.
struct DiagramPalette {
    QColor tension;
    QColor compression;
    QColor zero;
    QColor ink;         // truss nodes, supports, arrows and plain texts
    QColor background;  // behind the diagram and behind each text

    QColor colour_of(ForceSign sign) const;
};

// Dark colours on white, for paper, pictures and light windows.
DiagramPalette paper_palette();

// The colours that read well on a window's background: the paper colours on a
// light background, lighter ones of the same pair on a dark background.
DiagramPalette palette_for(const QPalette& window_palette);

}  // namespace korvel::ui
