#include "ui/force_diagram/text_placer.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace korvel::ui {
namespace {

// Rings searched beyond the bounds before giving up; far more than the boxes of one diagram can fill.
constexpr int kMaxRings = 4000;

bool segment_crosses(const QLineF& segment, const QRectF& box) {
    if (box.contains(segment.p1()) || box.contains(segment.p2())) return true;
    const std::array<QLineF, 4> edges{QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
                                      QLineF(box.bottomRight(), box.bottomLeft()),
                                      QLineF(box.bottomLeft(), box.topLeft())};
    return std::any_of(edges.begin(), edges.end(), [&](const QLineF& edge) {
        return segment.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

}  // namespace

QRectF box_centred_on(QPointF centre, const QSizeF& size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

TextPlacer::TextPlacer(const QRectF& bounds, std::vector<QLineF> strokes)
    : bounds_(bounds), strokes_(std::move(strokes)) {}

void TextPlacer::reserve(const QRectF& box) { taken_.push_back(box); }

bool TextPlacer::is_free(const QRectF& box) const {
    return std::none_of(taken_.begin(), taken_.end(), [&](const QRectF& other) { return other.intersects(box); });
}

int TextPlacer::crossings(const QRectF& box) const {
    return static_cast<int>(
        std::count_if(strokes_.begin(), strokes_.end(), [&](const QLineF& s) { return segment_crosses(s, box); }));
}

Placement TextPlacer::take(Placement placement) {
    taken_.push_back(placement.box);
    return placement;
}

Placement TextPlacer::place(const QSizeF& size, std::span<const QPointF> candidates) {
    std::optional<Placement> best;
    int best_crossings = std::numeric_limits<int>::max();
    for (const QPointF centre : candidates) {
        const QRectF box = box_centred_on(centre, size);
        if (!bounds_.contains(box) || !is_free(box)) continue;
        const int crossed = crossings(box);
        if (crossed == 0) return take({box, false});
        if (crossed < best_crossings) {
            best = Placement{box, false};
            best_crossings = crossed;
        }
    }
    if (best) return take(*best);
    const QPointF start = candidates.empty() ? bounds_.center() : candidates.front();
    Placement found = search_outward(size, start, true);
    if (found.box.isNull()) found = search_outward(size, start, false);
    return take(found);
}

Placement TextPlacer::search_outward(const QSizeF& size, QPointF start, bool within_bounds) const {
    const double step_x = std::max(size.height() / 2, 1.0);
    const double step_y = step_x;
    const int rings = within_bounds
                          ? static_cast<int>(std::ceil(std::hypot(bounds_.width(), bounds_.height()) / step_x)) + 1
                          : kMaxRings;
    for (int ring = 1; ring <= rings; ++ring) {
        std::optional<QRectF> best;
        int best_crossings = std::numeric_limits<int>::max();
        for (int dy = -ring; dy <= ring; ++dy) {
            // The ring's top and bottom rows whole, and only its two ends on every other row.
            const int dx_step = (dy == -ring || dy == ring) ? 1 : 2 * ring;
            for (int dx = -ring; dx <= ring; dx += dx_step) {
                const QRectF box = box_centred_on(start + QPointF(dx * step_x, dy * step_y), size);
                if ((within_bounds && !bounds_.contains(box)) || !is_free(box)) continue;
                const int crossed = crossings(box);
                if (crossed < best_crossings) {
                    best = box;
                    best_crossings = crossed;
                }
            }
        }
        if (best) return {*best, true};
    }
    return {};
}

}  // namespace korvel::ui
