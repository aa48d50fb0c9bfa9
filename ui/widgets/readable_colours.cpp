#include "ui/widgets/readable_colours.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvel::ui {

namespace {

// Relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double least_contrast(const QColor& foreground, std::span<const QColor> backgrounds) {
    double least = 21.0;
    for (const QColor& background : backgrounds) least = std::min(least, contrast_ratio(foreground, background));
    return least;
}

// Text colours first, so a theme's own text colour wins; then its background colours.
constexpr std::array<QPalette::ColorRole, 9> kCandidates{
    QPalette::WindowText, QPalette::Text,   QPalette::ButtonText, QPalette::Window, QPalette::Base,
    QPalette::Button,     QPalette::Shadow, QPalette::Dark,       QPalette::Mid,
};

}  // namespace

double contrast_ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::optional<QColor> theme_foreground(const QPalette& palette, QPalette::ColorGroup group,
                                       std::span<const QColor> backgrounds) {
    for (const QPalette::ColorRole role : kCandidates) {
        const QColor candidate = palette.color(group, role);
        if (least_contrast(candidate, backgrounds) >= kMinimumContrast) return candidate;
    }
    return std::nullopt;
}

QColor readable_foreground(const QPalette& palette, QPalette::ColorGroup group, std::span<const QColor> backgrounds) {
    if (const auto theirs = theme_foreground(palette, group, backgrounds)) return *theirs;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return least_contrast(black, backgrounds) >= least_contrast(white, backgrounds) ? black : white;
}

}  // namespace korvel::ui
