#include "ui/force_diagram/text_placer.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
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

// Visits the centres of a square ring `ring` steps out from `start`: its top and
// bottom rows whole and only the two ends of every other row.
template <typename Visit>
void for_each_on_ring(QPointF start, int ring, double step, Visit visit) {
    for (int dy = -ring; dy <= ring; ++dy) {
        const int dx_step = (dy == -ring || dy == ring) ? 1 : 2 * ring;
        for (int dx = -ring; dx <= ring; dx += dx_step) visit(start + QPointF(dx * step, dy * step));
    }
}

}  // namespace

QRectF box_centred_on(QPointF centre, const QSizeF& size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

QPointF nearest_point_of(const QRectF& box, QPointF p) {
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

bool touches(const Bar& bar, const QRectF& box) {
    const double half = bar.width / 2;
    return segment_crosses(bar.line, box.adjusted(-half, -half, half, half));
}

TextPlacer::TextPlacer(const QRectF& bounds, std::vector<Bar> bars, std::vector<QLineF> strokes)
    : bounds_(bounds), bars_(std::move(bars)), strokes_(std::move(strokes)) {}

void TextPlacer::reserve(const QRectF& box) { taken_.push_back(box); }

bool TextPlacer::is_free(const QRectF& box) const {
    return std::none_of(taken_.begin(), taken_.end(), [&](const QRectF& other) { return other.intersects(box); }) &&
           std::none_of(leaders_.begin(), leaders_.end(), [&](const QLineF& l) { return segment_crosses(l, box); });
}

int TextPlacer::crossings(const QRectF& box) const {
    const auto crossed = [&](const QLineF& s) { return segment_crosses(s, box); };
    return static_cast<int>(std::count_if(strokes_.begin(), strokes_.end(), crossed) +
                            std::count_if(bars_.begin(), bars_.end(), [&](const Bar& b) { return crossed(b.line); }));
}

bool TextPlacer::is_clear(const QRectF& box, std::optional<std::size_t> own) const {
    if (!bounds_.contains(box) || !is_free(box)) return false;
    // An arrow through a value would read as part of it.
    for (const QLineF& stroke : strokes_)
        if (segment_crosses(stroke, box)) return false;
    for (std::size_t i = 0; i < bars_.size(); ++i)
        if (i != own && touches(bars_[i], box)) return false;
    return true;
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

std::optional<Placement> TextPlacer::place_clear(const QSizeF& size, std::span<const QPointF> candidates,
                                                 std::optional<std::size_t> own, const Search& search) {
    for (const QPointF centre : candidates) {
        const QRectF box = box_centred_on(centre, size);
        if (is_clear(box, own)) return take({box, false});
    }

    // A leader crosses no text; the bars it crosses, but its own, count against it.
    const auto leader_crossings = [&](const QRectF& box) -> std::optional<long> {
        const QLineF leader(search.from, nearest_point_of(box, search.from));
        // A text already over the leader's start hides no more of it than of its member.
        if (std::any_of(taken_.begin(), taken_.end(),
                        [&](const QRectF& t) { return !t.contains(search.from) && segment_crosses(leader, t); }))
            return std::nullopt;
        long crossed = 0;
        for (std::size_t i = 0; i < bars_.size(); ++i)
            if (i != own && bars_[i].line.intersects(leader, nullptr) == QLineF::BoundedIntersection) ++crossed;
        return crossed;
    };
    std::optional<Placement> best;
    long best_score = std::numeric_limits<long>::max();
    const double step = std::max(size.height() / 2, 1.0);
    const int rings = static_cast<int>(std::ceil(search.reach / step));
    for (int ring = 1; ring <= rings; ++ring) {
        for_each_on_ring(search.from, ring, step, [&](QPointF centre) {
            const QRectF box = box_centred_on(centre, size);
            if (!is_clear(box, own)) return;
            long crossed = 0;
            if (search.leader) {
                const std::optional<long> leader = leader_crossings(box);
                if (!leader || (*leader > 0 && !search.leader_may_cross)) return;
                crossed = *leader;
            }
            // Nearer rings win unless a farther one avoids a crossing.
            const long score = crossed * 1000 + ring;
            if (score < best_score) {
                best = Placement{box, true};
                best_score = score;
            }
        });
        if (best && best_score < 1000) break;
    }
    if (best) return take(*best);
    return std::nullopt;
}

Placement TextPlacer::search_outward(const QSizeF& size, QPointF start, bool within_bounds) const {
    const double step = std::max(size.height() / 2, 1.0);
    const int rings = within_bounds
                          ? static_cast<int>(std::ceil(std::hypot(bounds_.width(), bounds_.height()) / step)) + 1
                          : kMaxRings;
    for (int ring = 1; ring <= rings; ++ring) {
        std::optional<QRectF> best;
        int best_crossings = std::numeric_limits<int>::max();
        for_each_on_ring(start, ring, step, [&](QPointF centre) {
            const QRectF box = box_centred_on(centre, size);
            if ((within_bounds && !bounds_.contains(box)) || !is_free(box)) return;
            const int crossed = crossings(box);
            if (crossed < best_crossings) {
                best = box;
                best_crossings = crossed;
            }
        });
        if (best) return {*best, true};
    }
    return {};
}

}  // namespace korvel::ui
