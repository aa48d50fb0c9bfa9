#pragma once

#include <QByteArray>
#include <QDateTime>

#include "load_case/project.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/load_cases_window/project_envelope.hpp"

namespace korvel::ui {

// The envelope report as an A4 PDF of as many pages as it takes, all vector
// and text: the span, every case with its kind and loads, every combination
// with its factors, the envelope of the members and the reactions with the
// combinations that give them and each reversal and uplift in words, the
// combinations that could not be analysed, and the force diagram of the envelope.
QByteArray envelope_report_pdf(const load_case::Project& project, const ProjectEnvelope& envelope,
                               const QDateTime& made_at, const TitleFields& fields = {});

}  // namespace korvel::ui
