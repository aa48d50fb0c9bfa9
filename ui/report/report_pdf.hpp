#pragma once

#include <QByteArray>
#include <QDateTime>

#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The report of an analysis as a one-page A4 PDF, all vector and text: title,
// date, the span and every non-empty load as typed, the force diagram, the table
// of the 29 members (length, axial force and T, C or 0) and the three reactions,
// every number the exact result text.
QByteArray report_pdf(const AnalysisRecord& record, const QDateTime& made_at);

}  // namespace korvel::ui
