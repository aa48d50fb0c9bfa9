#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <span>
#include <vector>

namespace korvel::ui {

struct Placement {
    QRectF box;
    bool displaced = false;  // found by searching away from every candidate
};

// Places text boxes so that no two overlap: each box goes to the first of its
// candidate centres that is free and inside the bounds, preferring places no
// drawn stroke runs through. When every candidate is taken, it searches outward
// from the first candidate, ring by ring, for the nearest free place (inside the
// bounds if there is one, else beyond them), so a box is always placed.
class TextPlacer {
public:
    TextPlacer(const QRectF& bounds, std::vector<QLineF> strokes);

    // Keeps texts off a box that is not a text (a node, the legend's swatches).
    void reserve(const QRectF& box);
    Placement place(const QSizeF& size, std::span<const QPointF> candidates);

private:
    bool is_free(const QRectF& box) const;
    int crossings(const QRectF& box) const;
    Placement search_outward(const QSizeF& size, QPointF start, bool within_bounds) const;
    Placement take(Placement placement);

    QRectF bounds_;
    std::vector<QLineF> strokes_;
    std::vector<QRectF> taken_;
};

QRectF box_centred_on(QPointF centre, const QSizeF& size);

}  // namespace korvel::ui
