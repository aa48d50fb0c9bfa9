#include "ui/force_diagram/diagram_palette.hpp"

#include <QPalette>

namespace korvel::ui {

QColor DiagramPalette::colour_of(ForceSign sign) const {
    switch (sign) {
        case ForceSign::Tension: return tension;
        case ForceSign::Compression: return compression;
        case ForceSign::Zero: break;
    }
    return zero;
}

DiagramPalette paper_palette() {
    return {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0x6E, 0x6E, 0x6E), QColor(Qt::black),
            QColor(Qt::white)};
}

DiagramPalette palette_for(const QPalette& window_palette) {
    const QColor background = window_palette.color(QPalette::Window);
    const QColor ink = window_palette.color(QPalette::WindowText);
    if (background.lightness() >= 128) {
        DiagramPalette light = paper_palette();
        light.ink = ink;
        light.background = background;
        return light;
    }
    return {QColor(0x56, 0xB4, 0xE9), QColor(0xE6, 0x9F, 0x00), QColor(0xA8, 0xA8, 0xA8), ink, background};
}

}  // namespace korvel::ui
