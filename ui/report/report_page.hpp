#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QPainter;
class QPdfWriter;

namespace korvel::ui {

// What every report's pages share: A4 portrait with 15 mm margins, one
// sans-serif face, and the same sizes of type and of the force diagram.
inline constexpr double kReportMarginMm = 15;
inline constexpr double kReportDiagramHeightMm = 95;
inline constexpr int kReportTitlePoints = 15;
inline constexpr int kReportDiagramPoints = 7;

// A whole PDF of this title, its pages drawn by `paint` (QPdfWriter::newPage starts another).
QByteArray report_document(const QString& title, const std::function<void(QPdfWriter&, QPainter&)>& paint);

// Millimetres in the painter's device units.
double report_mm(const QPainter& painter, double millimetres);
void set_report_font(QPainter& painter, int points, bool bold);
double report_line_height(const QPainter& painter);

}  // namespace korvel::ui
