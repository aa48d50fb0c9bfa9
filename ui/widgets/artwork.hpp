#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>

namespace korvel::ui {

// The program icon: a hammer on a grey bevelled square, in several sizes.
QIcon program_icon();

// Cursors are 32 x 32 pixels at 96 dpi and scale with the screen by whole pixels.

// A 32 x 32 arrow cursor filled with the given colour and outlined in white, hot spot at its tip (0, 0).
QCursor arrow_cursor(const QColor& fill);
inline const QColor kMainWindowArrowColour{0, 0, 0};
inline const QColor kResultsWindowArrowColour{0, 0, 128};

// The thin cross-hair shown over node hotspots, hot spot (16, 15).
QCursor hotspot_cursor();

}  // namespace korvel::ui
