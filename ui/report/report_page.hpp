#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <string_view>

#include "engine/roof_pitch.hpp"
#include "ui/dialogs/dialogs.hpp"

class QPainter;
class QPdfWriter;

namespace korvel::ui {

// What every report's pages share: A4 portrait with 15 mm margins, one
// sans-serif face, and the same sizes of type and of the force diagram.
inline constexpr double kReportMarginMm = 15;
inline constexpr double kReportDiagramHeightMm = 95;
inline constexpr int kReportTitlePoints = 15;
inline constexpr int kReportDiagramPoints = 7;

// The title block at the top of every page: the fields the user gave (blank
// where not), the truss, the date, the program with its version, and the page
// of the pages.
struct TitleBlock {
    TitleFields fields;
    QString truss;  // e.g. "Fink truss, span 16"
    QDateTime made_at;
};

// "Fink truss, span 16": the span as the analysis uses it, or as typed when it cannot be read.
QString truss_description(std::string_view span_text, const engine::RoofPitch& pitch = {});
// "2026-03-14 09:26", as every report writes its date.
QString report_date(const QDateTime& made_at);

// A whole PDF of this title, its pages drawn by `paint` (QPdfWriter::newPage starts
// another). Each page carries the title block; the painter's viewport is the part
// of the page below it, which is where `paint` writes.
QByteArray report_document(const QString& title, const TitleBlock& block,
                           const std::function<void(QPdfWriter&, QPainter&)>& paint);

// Millimetres in the painter's device units.
double report_mm(const QPainter& painter, double millimetres);
void set_report_font(QPainter& painter, int points, bool bold);
double report_line_height(const QPainter& painter);

}  // namespace korvel::ui
