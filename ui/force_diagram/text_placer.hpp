#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <span>
#include <vector>

namespace korvel::ui {

struct Placement {
    QRectF box;
    bool displaced = false;  // found by searching away from every candidate
};

// A drawn line that a text of another line must keep clear of, with its width.
struct Bar {
    QLineF line;
    double width;
};

// Whether a box comes within a bar's half width of its line.
bool touches(const Bar& bar, const QRectF& box);

// Places text boxes so that no two overlap. A text may lie on its own bar, never
// on another; lesser strokes (arrows, the ground) are avoided where possible.
class TextPlacer {
public:
    TextPlacer(const QRectF& bounds, std::vector<Bar> bars, std::vector<QLineF> strokes);

    // Keeps texts off a box that is not a text (a node, the legend's swatches).
    void reserve(const QRectF& box);

    // The first of the candidate centres that is free and inside the bounds,
    // preferring places no bar or stroke runs through. When every candidate is
    // taken, the nearest free place outward from the first candidate (inside the
    // bounds if there is one, else beyond them), so a box is always placed.
    Placement place(const QSizeF& size, std::span<const QPointF> candidates);

    // Where place_clear searches when no candidate is clear: within `reach` of
    // `from`, nearest first; with a leader, only where a line from `from` to the
    // box crosses no text and, unless it may cross them, no bar but `own`.
    struct Search {
        QPointF from;
        double reach = 0;
        bool leader = false;
        bool leader_may_cross = false;
    };

    // A box inside the bounds that touches no bar but `own` (when given), no
    // stroke, no other text and no leader: the first such candidate, else what
    // `search` finds, marked displaced. Nothing when
    // there is no such place.
    std::optional<Placement> place_clear(const QSizeF& size, std::span<const QPointF> candidates,
                                         std::optional<std::size_t> own, const Search& search);

    // Keeps later texts off a leader line.
    void reserve_leader(const QLineF& leader) { leaders_.push_back(leader); }

private:
    bool is_free(const QRectF& box) const;
    int crossings(const QRectF& box) const;
    bool is_clear(const QRectF& box, std::optional<std::size_t> own) const;
    Placement search_outward(const QSizeF& size, QPointF start, bool within_bounds) const;
    Placement take(Placement placement);

    QRectF bounds_;
    std::vector<Bar> bars_;
    std::vector<QLineF> strokes_;
    std::vector<QRectF> taken_;
    std::vector<QLineF> leaders_;
};

QRectF box_centred_on(QPointF centre, const QSizeF& size);

// The point of a box nearest to `p`.
QPointF nearest_point_of(const QRectF& box, QPointF p);

}  // namespace korvel::ui
