#include "ui/force_diagram/force_diagram_layout.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/fixed4.hpp"
#include "engine/result_table.hpp"
#include "engine/truss_shape.hpp"
#include "ui/force_diagram/diagram_legend.hpp"
#include "ui/force_diagram/text_candidates.hpp"
#include "ui/force_diagram/text_placer.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

using engine::Component;
using engine::Node;

// Lengths in line heights of the font.
constexpr double kArrowLength = 2.2;
constexpr double kArrowGap = 0.35;
constexpr double kNodeRadius = 0.3;
constexpr double kThinnestMember = 0.08;
constexpr double kWidthPerForce = 0.32;  // added at the largest |force|
constexpr double kWidestSideText = 8;    // the most a side text may take from the truss's width
constexpr double kLeaderReach = 6;       // beyond this a force goes to the list of values

// Where the truss lies: x to the right and y upward in units of the span, drawn downward on the device.
struct Frame {
    QPointF origin;  // L0
    double scale;    // device units per span
    double tangent;  // of the truss's true slope

    QPointF at(engine::ShapePoint p) const { return {origin.x() + p.x * scale, origin.y() - p.y * scale}; }
    QPointF at(Node node) const { return at(engine::node_position(node, tangent)); }
};

double signed_direction(engine::Fixed4 value) { return value.count() < 0 ? -1.0 : 1.0; }

// A load text that was analysed always reads; the arrow of one that does not points the positive way.
double signed_direction(std::string_view text) {
    try {
        return engine::parse_double(text) < 0 ? -1.0 : 1.0;
    } catch (const std::exception&) {
        return 1.0;
    }
}

bool is_bottom_chord(Node node) { return node <= Node::L6; }
bool is_left_side(Node node) { return node == Node::L0 || (node >= Node::U1 && node <= Node::U4); }

// The direction away from the truss in which a node's arrow for a load component stands.
QPointF outward_for_load(Node node, Component component) {
    if (component == Component::Horizontal) return {is_left_side(node) ? -1.0 : 1.0, 0};
    const bool below = is_bottom_chord(node) && node != Node::L0 && node != Node::L6;
    return {0, below ? 1.0 : -1.0};
}

// The direction a load or reaction acts on the screen for a positive value.
QPointF positive_direction(Component component) {
    return component == Component::Horizontal ? QPointF(1, 0) : QPointF(0, 1);
}

class Builder {
public:
    Builder(const AnalysisRecord& record, const QRectF& area, const QFontMetricsF& metrics,
            const MemberText& member_text, const ReactionText& reaction_text)
        : record_(record),
          area_(area),
          metrics_(metrics),
          member_text_(member_text),
          reaction_text_(reaction_text),
          lh_(metrics.height()) {
        layout_.line_height = lh_;
    }

    ForceDiagramLayout build() {
        const LegendLayout legend = lay_out_legend(record_, area_.topLeft(), area_.width(), metrics_);
        frame_ = fit_truss(
            QRectF(area_.left(), legend.bottom + lh_ / 2, area_.width(), area_.bottom() - legend.bottom - lh_ / 2));
        add_members();
        add_supports_and_reactions();
        add_loads();

        std::vector<QLineF> strokes = layout_.ground_lines;
        for (const DiagramArrow& a : layout_.arrows) strokes.push_back(a.shaft);
        std::vector<Bar> bars;
        for (const MemberStroke& m : layout_.members) bars.push_back({m.line, m.width});
        TextPlacer placer(area_, std::move(bars), std::move(strokes));
        for (const DiagramText& text : legend.texts) placer.reserve(text.box);
        for (const LegendSwatch& swatch : legend.swatches)
            placer.reserve(QRectF(swatch.line.p1(), swatch.line.p2()).adjusted(0, -lh_ / 2, 0, lh_ / 2));
        const QSizeF node_box(2 * kNodeRadius * lh_, 2 * kNodeRadius * lh_);
        for (const QPointF node : layout_.nodes) placer.reserve(box_centred_on(node, node_box));
        for (const QPolygonF& support : layout_.supports) placer.reserve(support.boundingRect());
        layout_.texts = legend.texts;
        layout_.swatches = legend.swatches;

        for (const PendingText& pending : arrow_texts_) place(placer, pending);
        // A node's name has one place that reads as its own; the forces can move away.
        place_node_names(placer);
        place_member_texts(placer);
        return std::move(layout_);
    }

private:
    struct PendingText {
        QString text;
        TextRole role;
        QPointF anchor;
        QPointF outward;
    };

    QSizeF box_size(const QString& text) const { return text_box_size(metrics_, text); }

    QString reaction_text(engine::Reaction reaction) const {
        if (reaction_text_) return reaction_text_(reaction);
        return to_qstring(engine::reaction_name(reaction)) + QStringLiteral(" = ") +
               to_qstring(record_.result.reaction(reaction).to_text());
    }

    QString load_text(std::size_t load) const {
        return AutoSizeLabel::shown_caption(to_qstring(record_.input.loads[load]));
    }

    // The truss's scale and place: as large as fits between the margins its arrows and texts need.
    Frame fit_truss(const QRectF& region) const {
        double side_text = box_size(reaction_text(engine::Reaction::HL0)).width();
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            if (engine::kLoadMap[i].component == Component::Horizontal && !record_.input.loads[i].empty())
                side_text = std::max(side_text, box_size(load_text(i)).width());
        }
        side_text = std::min(side_text, kWidestSideText * lh_);
        const double side_margin = (kArrowGap + kArrowLength) * lh_ + side_text + lh_ / 2;
        const double top_margin = (kArrowGap + kArrowLength + 1.5) * lh_;
        const double bottom_margin = (1.3 + kArrowLength + 1.5) * lh_;
        const double tangent = record_.result.tangent();
        const double rise = engine::node_position(Node::U4, tangent).y;
        const double scale =
            std::max({std::min(region.width() - 2 * side_margin, (region.height() - top_margin - bottom_margin) / rise),
                      8 * lh_});
        const double height = top_margin + rise * scale + bottom_margin;
        const double top = region.top() + std::max(0.0, (region.height() - height) / 2);
        return {QPointF(region.center().x() - scale / 2, top + top_margin + rise * scale), scale, tangent};
    }

    void add_members() {
        for (std::size_t n = 0; n < 16; ++n) layout_.nodes.push_back(frame_.at(static_cast<Node>(n)));
        const ForceExtremes extremes = force_extremes(record_.result);
        for (const engine::Member member : engine::kMembersInTableOrder) {
            const engine::MemberEnds ends = engine::member_ends(member);
            const engine::Fixed4 force = record_.result.force(member);
            const double ratio =
                extremes.largest_magnitude > 0 ? std::fabs(force.to_double()) / extremes.largest_magnitude : 0.0;
            layout_.members.push_back({member, QLineF(frame_.at(ends.first), frame_.at(ends.second)), force_sign(force),
                                       (kThinnestMember + kWidthPerForce * ratio) * lh_});
        }
    }

    void add_arrow(QPointF node, QPointF outward, QPointF acting, double start, QString text, bool reaction) {
        const QPointF near_end = node + outward * start * lh_;
        const QPointF far_end = node + outward * (start + kArrowLength) * lh_;
        // A force that pushes toward the node has its head at the node, one that pulls away its tail.
        const bool pushes = QPointF::dotProduct(acting, outward) < 0;
        layout_.arrows.push_back({pushes ? QLineF(far_end, near_end) : QLineF(near_end, far_end), reaction});
        arrow_texts_.push_back({std::move(text), reaction ? TextRole::Reaction : TextRole::Load, far_end, outward});
    }

    void add_supports_and_reactions() {
        const QPointF left = frame_.at(Node::L0);
        const QPointF right = frame_.at(Node::L6);
        for (const auto& [support, ground_gap] : {std::pair{left, 0.0}, std::pair{right, 0.2}}) {
            const QPointF base_left = support + QPointF(-0.5, 0.85) * lh_;
            const QPointF base_right = support + QPointF(0.5, 0.85) * lh_;
            layout_.supports.push_back(QPolygonF({support, base_left, base_right}));
            const double ground = support.y() + (0.85 + ground_gap) * lh_;
            layout_.ground_lines.emplace_back(support.x() - 0.8 * lh_, ground, support.x() + 0.8 * lh_, ground);
        }
        const QPointF down(0, 1);
        // Upward reactions act against the positive (downward) load direction; HL0 is positive to the left.
        using engine::Reaction;
        const auto direction = [this](Reaction reaction) {
            return signed_direction(record_.result.reaction(reaction));
        };
        add_arrow(left, down, -down * direction(Reaction::RL0), 1.3, reaction_text(Reaction::RL0), true);
        add_arrow(right, down, -down * direction(Reaction::RL6), 1.3, reaction_text(Reaction::RL6), true);
        const QPointF beside_support = left + QPointF(0, (1.3 + kArrowLength / 2) * lh_);
        add_arrow(beside_support, QPointF(-1, 0), QPointF(-1, 0) * direction(Reaction::HL0), 0.3,
                  reaction_text(Reaction::HL0), true);
    }

    void add_loads() {
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            const std::string& text = record_.input.loads[i];
            if (text.empty()) continue;
            const engine::LoadSlot& slot = engine::kLoadMap[i];
            add_arrow(frame_.at(slot.node), outward_for_load(slot.node, slot.component),
                      positive_direction(slot.component) * signed_direction(text), kArrowGap, load_text(i), false);
        }
    }

    void place(TextPlacer& placer, const PendingText& pending) {
        const QSizeF size = box_size(pending.text);
        const std::vector<QPointF> centres = centres_around(pending.anchor, pending.outward, size, kTextPadding * lh_);
        add_text(placer.place(size, centres), pending.text, pending.role, pending.anchor);
    }

    void add_text(const Placement& placement, const QString& text, TextRole role, QPointF anchor) {
        DiagramText placed{text, placement.box, role, std::nullopt, {}, std::nullopt};
        if (placement.displaced) placed.leader = QLineF(anchor, nearest_point_of(placement.box, anchor));
        layout_.texts.push_back(std::move(placed));
    }

    QPointF truss_centre() const { return frame_.at(engine::ShapePoint{0.5, 0.1}); }

    QString member_text(engine::Member member) const {
        return member_text_ ? member_text_(member) : to_qstring(record_.result.force(member).to_text());
    }

    void add_member_text(const QString& text, const QRectF& box, TextRole role, const MemberStroke& stroke) {
        layout_.texts.push_back({text, box, role, stroke.sign, stroke.member, std::nullopt});
    }

    // A leader from `from` to the latest text, which later texts keep clear of.
    void add_leader(TextPlacer& placer, QPointF from) {
        DiagramText& text = layout_.texts.back();
        text.leader = QLineF(from, nearest_point_of(text.box, from));
        placer.reserve_leader(*text.leader);
    }

    // Beside its member, else with a leader, else by a callout number in the list.
    // Short members have the least room beside them, so their texts go first.
    void place_member_texts(TextPlacer& placer) {
        std::vector<std::size_t> order(layout_.members.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
            return layout_.members[a].line.length() < layout_.members[b].line.length();
        });
        // Every text that fits beside its member first, so that no leader takes another's place;
        // a member whose text has no place at all is numbered at once, while there is room for the number.
        std::vector<std::pair<std::size_t, QString>> listed;  // each member with its number or name
        std::size_t numbered = 0;
        const double diagonal = std::hypot(area_.width(), area_.height());
        for (const bool first_pass : {true, false}) {
            std::vector<std::size_t> left;
            for (const std::size_t i : order) {
                const MemberStroke& stroke = layout_.members[i];
                const QString text = member_text(stroke.member);
                const QSizeF size = box_size(text);
                const QPointF middle = stroke.line.center();
                const std::optional<Placement> placement = placer.place_clear(
                    size, centres_beside(stroke.line, stroke.width, truss_centre(), size, kTextPadding * lh_), i,
                    {middle, first_pass ? 0.0 : kLeaderReach * lh_, true});
                if (placement) {
                    add_member_text(text, placement->box, TextRole::MemberForce, stroke);
                    if (placement->displaced) add_leader(placer, middle);
                } else if (first_pass) {
                    left.push_back(i);
                } else {
                    const QString number = QString::number(numbered + 1);
                    const std::optional<Placement> marker = placer.place_clear(
                        box_size(number), centres_on(stroke.line), i, {middle, diagonal, true, true});
                    // Without room even for a number, the list names the member.
                    listed.push_back({i, marker ? number : to_qstring(engine::member_name(stroke.member))});
                    if (!marker) continue;
                    ++numbered;
                    add_member_text(number, marker->box, TextRole::Callout, stroke);
                    if (marker->displaced) add_leader(placer, middle);
                }
            }
            order = std::move(left);
        }
        place_value_list(placer, listed);
    }

    // Each listed member's number (or name) and value, in a column down the area's right edge
    // and then wherever there is room.
    void place_value_list(TextPlacer& placer, const std::vector<std::pair<std::size_t, QString>>& listed) {
        const double diagonal = std::hypot(area_.width(), area_.height());
        for (const auto& [i, number] : listed) {
            const MemberStroke& stroke = layout_.members[i];
            const QSizeF number_size = box_size(number);
            const QString value = member_text(stroke.member);
            const QSizeF value_size = box_size(value);
            const QSizeF row(number_size.width() + value_size.width(), value_size.height());
            std::vector<QPointF> column;
            for (double y = area_.top() + row.height() / 2; y + row.height() / 2 <= area_.bottom(); y += row.height())
                column.emplace_back(area_.right() - row.width() / 2, y);
            const QPointF start = area_.topRight() + QPointF(-row.width() / 2, row.height() / 2);
            const std::optional<Placement> found =
                placer.place_clear(row, column, std::nullopt, {start, diagonal, false});
            layout_.crowded = layout_.crowded || !found;
            const QRectF box = found ? found->box : placer.place(row, std::span(&start, 1)).box;
            add_member_text(number, QRectF(box.topLeft(), number_size), TextRole::Callout, stroke);
            add_member_text(value, QRectF(QPointF(box.left() + number_size.width(), box.top()), value_size),
                            TextRole::MemberForce, stroke);
        }
    }

    void place_node_names(TextPlacer& placer) {
        for (std::size_t n = 0; n < layout_.nodes.size(); ++n) {
            const QString name = to_qstring(engine::node_name(static_cast<Node>(n)));
            const QSizeF size = box_size(name);
            const QPointF node = layout_.nodes[n];
            const QPointF outward = node - truss_centre();
            const std::vector<QPointF> centres = centres_around(node, outward, size, kNodeRadius * lh_);
            const std::optional<Placement> clear = placer.place_clear(size, centres, std::nullopt, {});
            add_text(clear ? *clear : placer.place(size, centres), name, TextRole::NodeName, node);
        }
    }

    const AnalysisRecord& record_;
    QRectF area_;
    const QFontMetricsF& metrics_;
    const MemberText& member_text_;
    const ReactionText& reaction_text_;
    double lh_;
    Frame frame_{};
    ForceDiagramLayout layout_;
    std::vector<PendingText> arrow_texts_;
};

}  // namespace

QSizeF text_box_size(const QFontMetricsF& metrics, const QString& text) {
    const double pad = kTextPadding * metrics.height();
    return {metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad};
}

ForceDiagramLayout lay_out_force_diagram(const AnalysisRecord& record, const QRectF& area, const QFontMetricsF& metrics,
                                         const MemberText& member_text, const ReactionText& reaction_text) {
    return Builder(record, area, metrics, member_text, reaction_text).build();
}

bool reads_whole(const ForceDiagramLayout& layout, const QRectF& area) {
    const double pad = kTextPadding * layout.line_height;
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const QRectF& box = layout.texts[i].box;
        if (!area.contains(box)) return false;
        for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
            if (box.intersects(layout.texts[j].box)) return false;
        // The ink, without the padding an arrow's head may touch.
        const QRectF ink = box.adjusted(pad, pad, -pad, -pad);
        for (const DiagramArrow& arrow : layout.arrows)
            if (touches({arrow.shaft, 0}, ink)) return false;
    }
    return true;
}

FittedForceDiagram lay_out_fitted_force_diagram(const AnalysisRecord& record, const QRectF& area, const QFont& font,
                                                const QPaintDevice* device, const MemberText& member_text,
                                                const ReactionText& reaction_text) {
    constexpr double kStep = 0.85;
    constexpr double kLeastShare = 0.65;  // of the asked size, and never below kLeastPoints
    constexpr double kLeastPoints = 6;
    QFont size = font;
    const bool in_pixels = font.pointSizeF() <= 0;
    const double asked = in_pixels ? font.pixelSize() : font.pointSizeF();
    const double least = std::max(asked * kLeastShare, in_pixels ? kLeastPoints * 4 / 3 : kLeastPoints);
    for (double points = asked;; points *= kStep) {
        if (in_pixels)
            size.setPixelSize(static_cast<int>(points));
        else
            size.setPointSizeF(points);
        ForceDiagramLayout layout =
            lay_out_force_diagram(record, area, QFontMetricsF(size, device), member_text, reaction_text);
        const bool readable = !layout.crowded && reads_whole(layout, area);
        if (readable || points * kStep < least) return {std::move(layout), size, readable};
    }
}

}  // namespace korvel::ui
