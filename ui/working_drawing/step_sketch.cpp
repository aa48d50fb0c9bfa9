#include "ui/working_drawing/step_sketch.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "engine/truss_shape.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/working_drawing/working_drawing_texts.hpp"

namespace korvel::ui {
namespace {

constexpr double kThin = 1.2;  // in device-independent pixels
constexpr double kKnown = 3.0;
constexpr double kSolved = 5.0;
constexpr double kRing = 7.0;
constexpr int kSmallestLabel = 8, kLargestLabel = 15;  // node names, in pixels
// Where the two cuts cross the truss, in spans from L0: just beside the apex, and
// between U8 (or U9) and U4 at every pitch up to 40°.
constexpr double kLeftCut = 15.0 / 32;
constexpr double kRightCut = 17.0 / 32;

struct Frame {
    QPointF origin;
    double scale;
    double tangent;
    QPointF at(engine::Node node) const {
        const engine::ShapePoint p = engine::node_position(node, tangent);
        return {origin.x() + p.x * scale, origin.y() - p.y * scale};
    }
    // The height of the apex above the bottom chord.
    double rise() const { return scale * tangent / 2; }
};

// The truss at its pitch as large as the area allows, with room around it for the rings and the node names.
Frame frame_in(const QRectF& area, double label, double tangent) {
    const double margin = kRing + kSolved + label;
    const double scale = std::min(area.width() - 2 * margin, (area.height() - 2 * margin) / (tangent / 2));
    const QPointF origin(area.center().x() - scale / 2, area.center().y() + scale * tangent / 4);
    return {origin, scale, tangent};
}

// The name of every node beside it: below the bottom chord, above the top chord, and
// below the two inner nodes, where no member ends.
void paint_node_names(QPainter& painter, const Frame& frame, double label) {
    const QFontMetricsF metrics(painter.font());
    for (std::size_t n = 0; n <= static_cast<std::size_t>(engine::Node::U9); ++n) {
        const auto node = static_cast<engine::Node>(n);
        const QString name = QString::fromLatin1(engine::node_name(node).data(), 2);
        const QPointF at = frame.at(node);
        const bool below = engine::node_position(node).y == 0 || node == engine::Node::U8 || node == engine::Node::U9;
        const double width = metrics.horizontalAdvance(name);
        const double gap = kRing;
        const QRectF box(at.x() - width / 2, below ? at.y() + gap : at.y() - gap - label, width, label);
        painter.drawText(box, Qt::AlignCenter, name);
    }
}

QLineF member_line(const Frame& frame, engine::Member member) {
    const engine::MemberEnds ends = engine::member_ends(member);
    return {frame.at(ends.first), frame.at(ends.second)};
}

bool contains(const std::vector<engine::Member>& members, engine::Member member) {
    return std::find(members.begin(), members.end(), member) != members.end();
}

// The sign of a known force, as the step used it.
ForceSign sign_of(const engine::WorkingStep& step, engine::Member member) {
    const std::string symbol = "F(" + std::string(engine::member_name(member)) + ")";
    for (const engine::WorkingOperand& op : step.operands) {
        if (op.symbol != symbol) continue;
        const engine::Fixed4 shown = engine::Fixed4::round(engine::to_double(op.value));
        if (shown == engine::Fixed4()) return ForceSign::Zero;
        return shown.count() > 0 ? ForceSign::Tension : ForceSign::Compression;
    }
    return ForceSign::Zero;
}

QString member_list(const std::vector<engine::Member>& members) {
    QStringList names;
    for (const engine::Member m : members) names << QString::fromLatin1(engine::member_name(m).data(), 4);
    return names.join(QStringLiteral(", "));
}

}  // namespace

void paint_step_sketch(QPainter& painter, const QRectF& area, const engine::WorkingStep& step,
                       const DiagramPalette& palette, double tangent) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::clamp(static_cast<int>(area.height() / 10), kSmallestLabel, kLargestLabel));
    painter.setFont(font);
    const double label = QFontMetricsF(font).height();
    const Frame frame = frame_in(area, label, tangent);
    // A length step draws the members of that length thick, as a force step its member.
    const bool solves_members = step.stage == engine::Stage::MemberForces || step.stage == engine::Stage::Geometry;
    for (const engine::Member member : engine::kMembers) {
        const QLineF line = member_line(frame, member);
        if (solves_members && contains(step.members, member)) {
            painter.setPen(QPen(palette.ink, kSolved, Qt::SolidLine, Qt::RoundCap));
        } else if (contains(step.known, member)) {
            painter.setPen(QPen(palette.colour_of(sign_of(step, member)), kKnown, Qt::SolidLine, Qt::RoundCap));
        } else {
            painter.setPen(QPen(palette.zero, kThin));
        }
        painter.drawLine(line);
    }
    painter.setPen(QPen(palette.ink, kThin * 1.5));
    painter.setBrush(Qt::NoBrush);
    paint_node_names(painter, frame, label);
    if (step.place == engine::Place::Joint) painter.drawEllipse(frame.at(step.node), kRing, kRing);
    if (step.place == engine::Place::LeftSection || step.place == engine::Place::RightSection) {
        const double x =
            frame.origin.x() + (step.place == engine::Place::LeftSection ? kLeftCut : kRightCut) * frame.scale;
        painter.setPen(QPen(palette.ink, kThin * 1.5, Qt::DashLine));
        painter.drawLine(QPointF(x, frame.origin.y() + kSolved), QPointF(x, frame.origin.y() - frame.rise() - kSolved));
    }
    painter.restore();
}

QString step_sketch_description(const engine::WorkingStep& step) {
    QString out;
    const QString node = QString::fromLatin1(engine::node_name(step.node).data(), 2);
    if (step.place == engine::Place::Joint) out += to_qstring(working_drawing_texts::kJoint).arg(node);
    if (step.place == engine::Place::LeftSection || step.place == engine::Place::RightSection) {
        out += to_qstring(working_drawing_texts::kCut);
    }
    if (step.stage == engine::Stage::MemberForces && !step.members.empty()) {
        out += to_qstring(working_drawing_texts::kSolves).arg(member_list(step.members));
    }
    if (!step.known.empty()) out += to_qstring(working_drawing_texts::kKnown).arg(member_list(step.known));
    return out.trimmed();
}

}  // namespace korvel::ui
