#pragma once

#include <QPoint>
#include <QRect>

namespace korvel::ui {

// Window layouts are given in twips. At 96 dpi fifteen twips make one logical
// pixel; Qt's high-DPI scaling maps logical pixels onto other screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips_to_pixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return (twips >= 0 ? twips + half : twips - half) / kTwipsPerPixel;
}

// A box in twips: left, top, width, height from the top-left of the client area.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipPoint {
    int x = 0;
    int y = 0;
};

inline QRect to_pixels(const TwipRect& box) {
    return {twips_to_pixels(box.left), twips_to_pixels(box.top), twips_to_pixels(box.width),
            twips_to_pixels(box.height)};
}

inline QPoint to_pixels(const TwipPoint& point) { return {twips_to_pixels(point.x), twips_to_pixels(point.y)}; }

}  // namespace korvel::ui
