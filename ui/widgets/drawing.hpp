#pragma once

#include <QWidget>
#include <span>
#include <string_view>

#include "ui/widgets/twips.hpp"

namespace korvel::ui {

// A straight line of a window's fixed drawing, end points in twips.
struct LineEntry {
    std::string_view name{};
    TwipPoint from{};
    TwipPoint to{};
};

// An outlined circle inscribed in a box in twips.
struct CircleEntry {
    std::string_view name{};
    TwipRect box{};
};

struct Drawing {
    std::span<const LineEntry> lines{};
    std::span<const CircleEntry> circles{};
    // Assistive technology sees the drawing as one graphic of this name and description.
    std::string_view name{};
    std::string_view description{};

    bool is_empty() const { return lines.empty() && circles.empty(); }
};

// Paints a fixed drawing in the default foreground colour with a one-pixel pen
// and no fill. It lies behind every control and lets the mouse through, so the
// window's own cursor shows over it.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    DrawingSurface(Drawing drawing, QWidget* parent);

    const Drawing& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
};

}  // namespace korvel::ui
