#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include "ui/dialogs/dialogs.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The report of an analysis as an A4 PDF, all vector and text, one page unless
// long numbers need more: the title block on each page, the span and every
// non-empty load as typed, the force diagram, the members by group (length,
// axial force, and tension, compression or zero in words) and the three
// reactions with their directions, every number the exact result text.
QByteArray report_pdf(const AnalysisRecord& record, const QDateTime& made_at, const TitleFields& fields = {},
                      const QStringList& about = {});

}  // namespace korvel::ui
