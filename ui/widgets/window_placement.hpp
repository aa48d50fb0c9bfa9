#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace korvel::ui {

// What a new window's place depends on, in the screen's logical pixels.
struct PlacementRequest {
    QRect available;  // the usable part of the opener's screen
    QRect opener;     // the frame of the window that opens the new one
    QSize preferred;  // the client size the new window would like
    QSize minimum;    // the smallest client size it can work with
    QMargins frame;   // the decoration the window manager adds around a client area
};

// The frame of the new window: its client area as large as `preferred` allows
// within the screen, beside the opener (right, then left, then below, then
// above, wherever the widest free side is), narrowed to that side down to
// `minimum`; where no side has room, the place inside the screen that covers
// the least of the opener. Always inside `available` when the minimum fits.
QRect place_beside(const PlacementRequest& request);

// The frame moved inside `available`, and made no larger than it.
QRect moved_inside(const QRect& frame, const QRect& available);

// Sizes (up to the size it gave itself, or else its size hint) and moves a window
// that is about to open beside `opener`, on the opener's screen. A window whose
// least size would cover the opener or leave the screen puts its contents in a
// scroll area and takes the room there is. A window already shown keeps the place
// the user gave it. The frame the window manager gives it may differ from the
// opener's (a grip along a resizable window's foot), or be unknown while it is
// placed: once shown, the window is moved inside the screen's available area as
// soon as its own frame is known. When the window closes, the opener (if still shown) is raised and
// activated, so the keyboard and its shortcuts go back to it also where no window
// manager does that.
void open_beside(QWidget& window, QWidget& opener);

}  // namespace korvel::ui
