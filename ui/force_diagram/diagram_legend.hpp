#pragma once

#include <QFontMetricsF>
#include <QPointF>
#include <QStringList>
#include <vector>

#include "ui/force_diagram/analysis_record.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"

namespace korvel::ui {

// The legend's sentences: the span and the sign convention, then the largest
// tension and the largest compression with the members that carry them.
struct LegendSentences {
    QString span_and_signs;
    QString largest_tension;
    QString largest_compression;
};

LegendSentences legend_sentences(const AnalysisRecord& record);

struct LegendLayout {
    std::vector<DiagramText> texts;
    std::vector<LegendSwatch> swatches;
    double bottom = 0;
};

// The legend in rows from `top_left`: the span and sign convention, a swatch of
// each colour with its meaning, the largest tension, the largest compression.
// A sentence wider than `width` is broken between words onto further rows.
LegendLayout lay_out_legend(const AnalysisRecord& record, QPointF top_left, double width, const QFontMetricsF& metrics);

}  // namespace korvel::ui
