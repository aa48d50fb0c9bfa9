#pragma once

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <vector>

namespace korvel::ui {

// Where a text of `size` may go beside a point: beyond it in the outward
// direction, then to either side, then diagonally, each `gap` clear of it.
std::vector<QPointF> centres_around(QPointF anchor, QPointF outward, const QSizeF& size, double gap);

// Where a text may go beside a line drawn `width` wide: on either side of it,
// the side facing away from `away_from` first and the line's middle before its
// ends, and last on the line itself.
std::vector<QPointF> centres_beside(const QLineF& line, double width, QPointF away_from, const QSizeF& size,
                                    double gap);

// Centres on a line itself, its middle first.
std::vector<QPointF> centres_on(const QLineF& line);

}  // namespace korvel::ui
