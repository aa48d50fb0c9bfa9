#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "design/project_design.hpp"
#include "load_case/project.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/files/atomic_file.hpp"

namespace korvel::ui {

// The design sheet as an A4 PDF of as many pages as it takes, all vector and
// text: the span, the conditions of the design (units, code and edition, the
// material with its standard, sections, buckling lengths, load durations), every
// member's check, the failing and unchecked ones named and listed first and the
// rest in the members' order, the
// lightest section of each group, the verdict, what the design does not check,
// and the deflection of each serviceability combination where the design has any.
QByteArray design_report_pdf(const load_case::Project& project, const design::ProjectDesign& design,
                             const QDateTime& made_at, const TitleFields& fields = {});

// Writes the design sheet to `path` whole or not at all; why not, naming the file.
std::optional<WriteFailure> write_design_report(const QString& path, const load_case::Project& project,
                                                const design::ProjectDesign& design, const TitleFields& fields,
                                                const QDateTime& made_at);

}  // namespace korvel::ui
