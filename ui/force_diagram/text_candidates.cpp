#include "ui/force_diagram/text_candidates.hpp"

#include <array>
#include <cmath>

namespace korvel::ui {
namespace {

QPointF unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

// Half the box's extent in direction u (a unit vector).
double half_extent(const QSizeF& size, QPointF u) {
    return (std::fabs(u.x()) * size.width() + std::fabs(u.y()) * size.height()) / 2;
}

// Where along a line its texts go, its middle first.
constexpr std::array<double, 5> kAlong{0.5, 0.38, 0.62, 0.26, 0.74};

}  // namespace

std::vector<QPointF> centres_around(QPointF anchor, QPointF outward, const QSizeF& size, double gap) {
    const QPointF u = unit(outward);
    const QPointF v(-u.y(), u.x());
    const QPointF ahead = u * (half_extent(size, u) + gap);
    const QPointF side = v * (half_extent(size, v) + gap);
    return {anchor + ahead, anchor + side, anchor - side, anchor + ahead + side, anchor + ahead - side};
}

std::vector<QPointF> centres_beside(const QLineF& line, double width, QPointF away_from, const QSizeF& size,
                                    double gap) {
    const QPointF direction = unit(line.p2() - line.p1());
    QPointF normal(-direction.y(), direction.x());
    if (QPointF::dotProduct(normal, line.center() - away_from) < 0) normal = -normal;
    const double clearance = half_extent(size, normal) + width / 2 + gap;
    std::vector<QPointF> centres;
    for (const double t : kAlong) {
        const QPointF on_line = line.pointAt(t);
        centres.push_back(on_line + normal * clearance);
        centres.push_back(on_line - normal * clearance);
    }
    const std::vector<QPointF> on = centres_on(line);
    centres.insert(centres.end(), on.begin(), on.end());
    return centres;
}

std::vector<QPointF> centres_on(const QLineF& line) {
    std::vector<QPointF> centres;
    for (const double t : kAlong) centres.push_back(line.pointAt(t));
    return centres;
}

}  // namespace korvel::ui
