#include "ui/widgets/artwork.hpp"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace korvel::ui {

namespace {

constexpr int kCursorCell = 32;

// The arrow, one row per string: 'o' is the white outline, '#' the fill, blank is transparent.
constexpr std::array<std::string_view, 19> kArrowRows{
    "o",         "oo",        "o#o",        "o##o",        "o###o",     "o####o",   "o#####o",
    "o######o",  "o#######o", "o########o", "o#####ooooo", "o##o##o",   "o#o o##o", "oo  o##o",
    "o    o##o", "     o##o", "      o##o", "      o##o",  "       oo",
};

QImage blank_cursor_image() {
    QImage image(kCursorCell, kCursorCell, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Draws a one-pixel hair with a white pixel on each side, so it shows on light and dark ground.
void plot_hair_pixel(QImage& image, int x, int y, bool horizontal) {
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    auto put = [&image](int px, int py, QRgb colour, bool only_if_clear) {
        if (px < 0 || py < 0 || px >= kCursorCell || py >= kCursorCell) return;
        if (only_if_clear && qAlpha(image.pixel(px, py)) != 0) return;
        image.setPixel(px, py, colour);
    };
    put(x, y, black, false);
    if (horizontal) {
        put(x, y - 1, white, true);
        put(x, y + 1, white, true);
    } else {
        put(x - 1, y, white, true);
        put(x + 1, y, white, true);
    }
}

// Cursors are drawn pixel by pixel at 96 dpi; on a scaled screen each pixel
// becomes a square block, so the cursor grows with the windows and stays sharp.
// The hot spot is given in the pixmap's own pixels, as the X11 platform reads it.
QCursor scaled_cursor(const QImage& image, QPoint hot_spot) {
    const int scale = std::max(1, static_cast<int>(std::ceil(qGuiApp->devicePixelRatio())));
    QImage scaled = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(scale);
    return QCursor(QPixmap::fromImage(scaled), hot_spot.x() * scale, hot_spot.y() * scale);
}

QCursor draw_hotspot_cursor() {
    constexpr int kHotX = 16;
    constexpr int kHotY = 15;
    constexpr int kGap = 3;       // free pixels around the hot spot
    constexpr int kTickAt = 9;    // distance of the ticks from the hot spot
    constexpr int kTickHalf = 2;  // half length of a tick
    QImage image = blank_cursor_image();
    for (int i = 0; i < kCursorCell; ++i) {
        if (std::abs(i - kHotX) > kGap) plot_hair_pixel(image, i, kHotY, true);
        if (std::abs(i - kHotY) > kGap) plot_hair_pixel(image, kHotX, i, false);
    }
    for (const int offset : {-kTickAt, kTickAt}) {
        for (int t = -kTickHalf; t <= kTickHalf; ++t) {
            plot_hair_pixel(image, kHotX + offset, kHotY + t, false);
            plot_hair_pixel(image, kHotX + t, kHotY + offset, true);
        }
    }
    return scaled_cursor(image, {kHotX, kHotY});
}

}  // namespace

QIcon program_icon() {
    // The pictures are decoded once per run: the application and every window share them.
    // Never destroyed, so no picture outlives the application object at exit.
    static const QIcon* const icon = [] {
        auto* pictures = new QIcon;
        for (const int size : {16, 32, 48, 128, 256})
            pictures->addFile(QStringLiteral(":/korvel/artwork/korvel-%1.png").arg(size), QSize(size, size));
        return pictures;
    }();
    return *icon;
}

QCursor arrow_cursor(const QColor& fill) {
    QImage image = blank_cursor_image();
    for (std::size_t row = 0; row < kArrowRows.size(); ++row) {
        const std::string_view pixels = kArrowRows[row];
        for (std::size_t column = 0; column < pixels.size(); ++column) {
            const int x = static_cast<int>(column);
            const int y = static_cast<int>(row);
            if (pixels[column] == 'o') image.setPixel(x, y, qRgb(255, 255, 255));
            if (pixels[column] == '#') image.setPixel(x, y, fill.rgb());
        }
    }
    return scaled_cursor(image, {0, 0});
}

QCursor hotspot_cursor() {
    // Every hotspot shows the same cursor: it is drawn once per run, and never destroyed.
    static const QCursor* const cursor = new QCursor(draw_hotspot_cursor());
    return *cursor;
}

}  // namespace korvel::ui
