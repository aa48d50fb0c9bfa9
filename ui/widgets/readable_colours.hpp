#pragma once

#include <QColor>
#include <QPalette>
#include <optional>
#include <span>

namespace korvel::ui {

// Text and lines must stand out from what is behind them at least this much.
inline constexpr double kMinimumContrast = 4.5;

// The contrast ratio of two opaque colours after WCAG 2: from 1 (the same
// luminance) to 21 (black against white).
double contrast_ratio(const QColor& a, const QColor& b);

// The first of the palette's colours that `readable_foreground` tries that
// stands out enough from every background, if any does.
std::optional<QColor> theme_foreground(const QPalette& palette, QPalette::ColorGroup group,
                                       std::span<const QColor> backgrounds);

// The colour for text and lines over all of `backgrounds`, in one colour group
// of `palette`: its window text when that stands out enough from every
// background; otherwise the first of its other text colours and then its
// background colours that does (a dark theme's window colour over a light
// background); otherwise black or white, whichever stands out more.
QColor readable_foreground(const QPalette& palette, QPalette::ColorGroup group, std::span<const QColor> backgrounds);

}  // namespace korvel::ui
