#include "ui/force_diagram/force_diagram_painter.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/force_diagram/force_diagram_layout.hpp"

namespace korvel::ui {
namespace {

constexpr double kArrowHead = 0.45;   // line heights
constexpr double kThinLine = 0.07;    // arrows, supports, leaders
constexpr double kNodeRadius = 0.22;  // drawn inside the box the layout keeps free
constexpr int kTextBackgroundAlpha = 215;

void draw_arrow(QPainter& painter, const QLineF& shaft, double line_height) {
    painter.drawLine(shaft);
    const double length = shaft.length();
    if (length <= 0) return;
    const QPointF along = (shaft.p2() - shaft.p1()) / length;
    const QPointF across(-along.y(), along.x());
    const double head = kArrowHead * line_height;
    const QPointF base = shaft.p2() - along * head;
    painter.drawPolygon(QPolygonF({shaft.p2(), base + across * head / 2, base - across * head / 2}));
}

}  // namespace

void paint_force_diagram(QPainter& painter, const QRectF& area, const AnalysisRecord& record,
                         const DiagramPalette& palette, const MemberText& member_text,
                         const ReactionText& reaction_text) {
    paint_force_diagram(
        painter,
        lay_out_fitted_force_diagram(record, area, painter.font(), painter.device(), member_text, reaction_text),
        palette);
}

void paint_force_diagram(QPainter& painter, const FittedForceDiagram& fitted, const DiagramPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(fitted.font);
    const ForceDiagramLayout& layout = fitted.layout;
    const double lh = layout.line_height;
    QPen thin(palette.ink, kThinLine * lh);

    for (const MemberStroke& member : layout.members) {
        painter.setPen(QPen(palette.colour_of(member.sign), member.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(member.line);
    }
    for (const LegendSwatch& swatch : layout.swatches) {
        painter.setPen(QPen(palette.colour_of(swatch.sign), 0.3 * lh, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(swatch.line);
    }

    painter.setPen(thin);
    painter.setBrush(palette.background);
    for (const QPointF node : layout.nodes) painter.drawEllipse(node, kNodeRadius * lh, kNodeRadius * lh);
    for (const QPolygonF& support : layout.supports) painter.drawPolygon(support);
    for (const QLineF& ground : layout.ground_lines) painter.drawLine(ground);
    painter.setBrush(palette.ink);
    for (const DiagramArrow& arrow : layout.arrows) {
        painter.setPen(QPen(palette.ink, (arrow.reaction ? 2 : 1) * kThinLine * lh));
        draw_arrow(painter, arrow.shaft, lh);
    }

    QColor text_background = palette.background;
    text_background.setAlpha(kTextBackgroundAlpha);
    for (const DiagramText& text : layout.texts) {
        if (text.leader) {
            painter.setPen(QPen(palette.ink, kThinLine * lh, Qt::DotLine));
            painter.drawLine(*text.leader);
        }
        if (text.role != TextRole::Legend) painter.fillRect(text.box, text_background);
        painter.setPen(text.sign ? palette.colour_of(*text.sign) : palette.ink);
        if (text.role == TextRole::Callout) {
            // A framed number, so it reads as a reference to the list rather than a force.
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(text.box.adjusted(1, 1, -1, -1));
        }
        painter.drawText(text.box, Qt::AlignCenter, text.text);
    }
    painter.restore();
}

}  // namespace korvel::ui
