#include "ui/design_window/design_picture.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "design/deflection_check.hpp"
#include "engine/deflection.hpp"
#include "engine/fixed4.hpp"
#include "engine/truss_shape.hpp"
#include "ui/design_window/design_window_texts.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/readable_colours.hpp"

namespace korvel::ui {
namespace {

constexpr double kMargin = 6;
constexpr double kMemberWidth = 0.3;  // line heights
constexpr double kThinLine = 0.08;
constexpr int kTextBackgroundAlpha = 215;

}  // namespace

QColor utilisation_colour(design::UtilisationBand band, bool dark) {
    switch (band) {
        case design::UtilisationBand::Light: return dark ? QColor(0x56, 0xB4, 0xE9) : QColor(0x00, 0x72, 0xB2);
        case design::UtilisationBand::Working: return dark ? QColor(0x2E, 0xC4, 0x8F) : QColor(0x00, 0x9E, 0x73);
        case design::UtilisationBand::Near: return dark ? QColor(0xF0, 0xE4, 0x42) : QColor(0xB8, 0x86, 0x00);
        case design::UtilisationBand::Over: return dark ? QColor(0xFF, 0x6E, 0x4A) : QColor(0xD5, 0x1E, 0x00);
        case design::UtilisationBand::NotChecked: break;
    }
    return dark ? QColor(0xA8, 0xA8, 0xA8) : QColor(0x6E, 0x6E, 0x6E);
}

DesignPicture::DesignPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DesignPicture"));
    setAccessibleName(to_qstring(kPictureName));
}

void DesignPicture::clear() {
    truss_.reset();
    shape_.reset();
    texts_.clear();
    update();
}

void DesignPicture::show_design(const AnalysisRecord& truss, const design::DesignResult& result,
                                std::optional<design::DeformedShape> shape, std::string_view length_unit) {
    truss_ = truss;
    shape_ = std::move(shape);
    texts_.clear();
    for (const std::string_view words : design::kUtilisationBandWords) texts_ << to_qstring(words);
    for (std::size_t m = 0; m < engine::kMemberCount; ++m) {
        bands_[m] = design::utilisation_band(result.members[m]);
        labels_[m] = QString::fromStdString(design::utilisation_label(result.members[m]));
        texts_ << labels_[m];
    }
    largest_text_.clear();
    scale_text_.clear();
    if (shape_) {
        scale_text_ = to_qstring(kShapeOf).arg(QString::fromStdString(shape_->combination)) + QStringLiteral("; ") +
                      QString::fromStdString(design::exaggeration_words(shape_->factor));
        largest_text_ = to_qstring(kLargestMovement)
                            .arg(QString::fromStdString(engine::significant_text(shape_->largest, 4)),
                                 to_qstring(length_unit), to_qstring(engine::node_name(shape_->largest_node)));
        texts_ << scale_text_ << largest_text_;
    }
    setAccessibleDescription(texts_.join(QStringLiteral("; ")));
    update();
}

void DesignPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DiagramPalette colours = palette_for(palette());
    const bool dark = colours.background.lightness() < 128;
    painter.fillRect(rect(), colours.background);
    if (!truss_) return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font(), this);
    const double lh = metrics.height();
    const QRectF whole = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);

    // The legend: a swatch and the words of each band, flowing onto further rows.
    painter.setPen(colours.ink);
    QPointF at = whole.topLeft();
    for (std::size_t b = 0; b < design::kUtilisationBandCount; ++b) {
        const QString words = to_qstring(design::kUtilisationBandWords[b]);
        const double width = 1.6 * lh + metrics.horizontalAdvance(words) + lh;
        if (at.x() > whole.left() && at.x() + width > whole.right()) at = QPointF(whole.left(), at.y() + lh);
        const auto band = static_cast<design::UtilisationBand>(b);
        painter.setPen(QPen(utilisation_colour(band, dark), kMemberWidth * lh, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(at + QPointF(0, lh / 2), at + QPointF(1.2 * lh, lh / 2)));
        painter.setPen(colours.ink);
        painter.drawText(QRectF(at + QPointF(1.6 * lh, 0), QSizeF(width, lh)), Qt::AlignLeft | Qt::AlignVCenter, words);
        at.rx() += width;
    }
    double top = at.y() + 1.3 * lh;
    for (const QString& line : {scale_text_, largest_text_}) {
        if (line.isEmpty()) continue;
        // As many lines as the words take in a narrow pane with a large font.
        const QRectF box(whole.left(), top, whole.width(), std::max(whole.bottom() - top, lh));
        QRectF used;
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
        top += used.height();
    }

    // The truss, laid out as the force diagram lays it, its texts the utilisations.
    const QRectF area(whole.left(), top + 0.3 * lh, whole.width(), whole.bottom() - top - 0.3 * lh);
    const FittedForceDiagram fitted = lay_out_fitted_force_diagram(
        *truss_, area, font(), this, [this](engine::Member m) { return labels_[engine::to_index(m)]; });
    const ForceDiagramLayout& layout = fitted.layout;
    const double line = layout.line_height;
    const auto& nodes = layout.nodes;
    if (nodes.size() != engine::kNodeCount) return;

    // The truss as it stands, in its utilisations' colours, where its numbers are.
    for (const MemberStroke& stroke : layout.members) {
        const design::UtilisationBand band = bands_[engine::to_index(stroke.member)];
        painter.setPen(QPen(utilisation_colour(band, dark), kMemberWidth * line,
                            band == design::UtilisationBand::NotChecked ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(stroke.line);
    }
    const auto moved = [&](engine::Node node) {
        const QPointF where = nodes[static_cast<std::size_t>(node)];
        if (!shape_) return where;
        const QPointF l0 = nodes[static_cast<std::size_t>(engine::Node::L0)];
        const QPointF l6 = nodes[static_cast<std::size_t>(engine::Node::L6)];
        const double pixels_per_length = (l6.x() - l0.x()) / std::fabs(engine::parse_double(truss_->input.span));
        const engine::NodeDisplacement& d = shape_->moved[static_cast<std::size_t>(node)];
        return where + QPointF(d.right, d.down) * shape_->factor * pixels_per_length;
    };
    if (shape_) {
        // The deformed shape, thin, over it.
        painter.setPen(QPen(colours.ink, 2 * kThinLine * line, Qt::SolidLine, Qt::RoundCap));
        for (const MemberStroke& stroke : layout.members) {
            const engine::MemberEnds ends = engine::member_ends(stroke.member);
            painter.drawLine(QLineF(moved(ends.first), moved(ends.second)));
        }
    }
    painter.setPen(QPen(colours.ink, kThinLine * line));
    painter.setBrush(colours.background);
    for (const QPolygonF& support : layout.supports) painter.drawPolygon(support);
    for (const QLineF& ground : layout.ground_lines) painter.drawLine(ground);
    if (shape_) {
        // The node of the largest deflection, ringed; its value is in the line above the truss.
        const QPointF node = moved(shape_->largest_node);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.ink, 2 * kThinLine * line));
        painter.drawEllipse(node, 0.45 * line, 0.45 * line);
    }

    painter.setFont(fitted.font);
    QColor text_background = colours.background;
    text_background.setAlpha(kTextBackgroundAlpha);
    for (const DiagramText& text : layout.texts) {
        if (text.role != TextRole::MemberForce && text.role != TextRole::Callout) continue;
        if (text.leader) {
            painter.setPen(QPen(colours.ink, kThinLine * line, Qt::DotLine));
            painter.drawLine(*text.leader);
        }
        painter.fillRect(text.box, text_background);
        painter.setPen(colours.ink);
        painter.drawText(text.box, Qt::AlignCenter, text.text);
    }
}

}  // namespace korvel::ui
