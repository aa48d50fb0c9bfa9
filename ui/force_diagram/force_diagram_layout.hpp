#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/force_diagram/analysis_record.hpp"
#include "ui/force_diagram/force_sign.hpp"

namespace korvel::ui {

struct MemberStroke {
    engine::Member member;
    QLineF line;
    ForceSign sign;
    double width;  // grows with |force| relative to the largest
};

// An arrow from its tail (p1) to its head (p2).
struct DiagramArrow {
    QLineF shaft;
    bool reaction;
};

struct LegendSwatch {
    QLineF line;
    ForceSign sign;
};

// A member's force is written beside its member, or away from it with a leader
// line from the member's middle, or where neither has room, in a list of values
// with a callout number at the member and the same number before its value.
enum class TextRole { Legend, MemberForce, Callout, Load, Reaction, NodeName };

struct DiagramText {
    QString text;
    QRectF box;
    TextRole role;
    std::optional<ForceSign> sign;         // written in the colour of this sign; otherwise in ink
    std::optional<engine::Member> member;  // member forces and their callouts only
    std::optional<QLineF> leader;          // to a text that had to move away from its member
};

// Everything a force diagram draws, placed in the paint device's coordinates.
// Sizes derive from the font's line height, so the same layout suits a window,
// a picture and a printed page.
struct ForceDiagramLayout {
    std::vector<MemberStroke> members;
    std::vector<QPointF> nodes;
    std::vector<QPolygonF> supports;
    std::vector<QLineF> ground_lines;
    std::vector<DiagramArrow> arrows;
    std::vector<LegendSwatch> swatches;
    std::vector<DiagramText> texts;
    double line_height = 0;
    bool crowded = false;  // some value found no free place and overlaps what is drawn
};

// The padding around every text, in line heights; two texts' boxes never overlap.
inline constexpr double kTextPadding = 0.12;

// The box a text takes with its padding.
QSizeF text_box_size(const QFontMetricsF& metrics, const QString& text);

// Lays out the truss of the analysed span in true proportion (rise = span/4),
// scaled to fit `area` below the legend, with every member's result text, the
// loads and reactions as arrows with their texts, the node names and the legend.
// No two texts overlap, and a member's text and callouts touch no other member nor
// any arrow. `member_text`, when given, writes a member's text in place of its
// force (an envelope's "max / min"); `reaction_text` likewise a reaction's whole text.
using MemberText = std::function<QString(engine::Member)>;
using ReactionText = std::function<QString(engine::Reaction)>;
ForceDiagramLayout lay_out_force_diagram(const AnalysisRecord& record, const QRectF& area, const QFontMetricsF& metrics,
                                         const MemberText& member_text = {}, const ReactionText& reaction_text = {});

// Whether every text of `layout` can be read: whole inside `area`, clear of every
// other text and of every arrow.
bool reads_whole(const ForceDiagramLayout& layout, const QRectF& area);

// The layout in `font`, or where the area is too crowded for it, in the largest smaller size
// of the same font that gives every text a free place, down to a legible least size.
// `readable` is false where even that size leaves a text cut, covered or crossed.
struct FittedForceDiagram {
    ForceDiagramLayout layout;
    QFont font;
    bool readable = true;
};
FittedForceDiagram lay_out_fitted_force_diagram(const AnalysisRecord& record, const QRectF& area, const QFont& font,
                                                const QPaintDevice* device, const MemberText& member_text = {},
                                                const ReactionText& reaction_text = {});

}  // namespace korvel::ui
