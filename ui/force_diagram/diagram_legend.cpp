#include "ui/force_diagram/diagram_legend.hpp"

#include <array>
#include <utility>

#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr double kSwatchLength = 1.6;  // line heights

QString largest(const char* kind, const ExtremeForce& extreme) {
    if (extreme.members.empty()) return QStringLiteral("Largest %1: none").arg(QLatin1String(kind));
    QStringList members;
    for (const engine::Member member : extreme.members) members.append(to_qstring(engine::member_name(member)));
    return QStringLiteral("Largest %1: %2 in %3")
        .arg(QLatin1String(kind), to_qstring(extreme.force.to_text()), members.join(QStringLiteral(", ")));
}

}  // namespace

LegendSentences legend_sentences(const AnalysisRecord& record) {
    const ForceExtremes extremes = force_extremes(record.result);
    return {QStringLiteral("Span %1. Axial forces: positive = tension, negative = compression.")
                .arg(AutoSizeLabel::shown_caption(to_qstring(record.input.span))),
            largest("tension", extremes.tension), largest("compression", extremes.compression)};
}

LegendLayout lay_out_legend(const AnalysisRecord& record, QPointF top_left, double width,
                            const QFontMetricsF& metrics) {
    LegendLayout legend;
    const double lh = metrics.height();
    double top = top_left.y();
    const auto add_line = [&](const QString& text) {
        const QSizeF size = text_box_size(metrics, text);
        legend.texts.push_back({text, QRectF(QPointF(top_left.x(), top), size), TextRole::Legend, {}, {}, {}});
        top += size.height();
    };
    // A sentence wider than the drawing goes on as many lines as it needs, broken between words.
    const auto add_row = [&](const QString& text) {
        QString line;
        for (const QString& word : text.split(u' ')) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && text_box_size(metrics, longer).width() > width) {
                add_line(line);
                line = word;
            } else {
                line = longer;
            }
        }
        add_line(line);
    };
    const LegendSentences sentences = legend_sentences(record);
    add_row(sentences.span_and_signs);

    double x = top_left.x() + kTextPadding * lh;
    const double row_height = text_box_size(metrics, QStringLiteral("Zero")).height();
    const std::array<std::pair<ForceSign, QString>, 3> keys{{{ForceSign::Tension, QStringLiteral("Tension")},
                                                             {ForceSign::Compression, QStringLiteral("Compression")},
                                                             {ForceSign::Zero, QStringLiteral("Zero")}}};
    for (const auto& [sign, name] : keys) {
        const double middle = top + row_height / 2;
        legend.swatches.push_back({QLineF(x, middle, x + kSwatchLength * lh, middle), sign});
        x += (kSwatchLength + kTextPadding) * lh;
        const QSizeF size = text_box_size(metrics, name);
        legend.texts.push_back({name, QRectF(QPointF(x, top), size), TextRole::Legend, sign, {}, {}});
        x += size.width() + lh;
    }
    top += row_height;

    add_row(sentences.largest_tension);
    add_row(sentences.largest_compression);
    legend.bottom = top;
    return legend;
}

}  // namespace korvel::ui
