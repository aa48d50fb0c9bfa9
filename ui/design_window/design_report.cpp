#include "ui/design_window/design_report.hpp"

#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "design/deflection_table.hpp"
#include "design/design_table.hpp"
#include "ui/design_window/design_report_texts.hpp"
#include "ui/report/report_flow.hpp"
#include "ui/report/report_page.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

// The columns of words may wrap; numbers, member names and results never.
constexpr std::array<bool, design::kDesignColumnCount> kDesignColumnWraps{false, true,  true,  true,  false,
                                                                          true,  false, false, false, true};
constexpr std::array<bool, design::kDeflectionColumnCount> kDeflectionColumnWraps{true,  true,  false, false,
                                                                                  false, false, false, true};
constexpr std::array<bool, design::kCreepFactorHeadings.size()> kCreepColumnWraps{false, true, false, false};

void write_conditions(ReportFlow& flow, const design::Design& design) {
    flow.heading(to_qstring(kDesignConditionsHeading));
    for (const design::DesignCondition& condition : design::design_conditions(design))
        flow.paragraph(0, QString::fromStdString(condition.label + ": " + condition.text));
}

// The table of every member; its last column, the warnings, only where a member has one.
void write_members(ReportFlow& flow, const design::ProjectDesign& answer) {
    flow.heading(to_qstring(kDesignMembersHeading));
    const bool warned = std::any_of(answer.result.members.begin(), answer.result.members.end(),
                                    [](const design::MemberDesign& m) { return !m.warnings.empty(); });
    const qsizetype columns = static_cast<qsizetype>(design::kDesignColumnCount) - (warned ? 0 : 1);
    QStringList heading;
    for (const design::DesignColumnRow& column : design::kDesignColumns)
        heading << QString::fromStdString(design::design_heading(column, answer.design.units.force));
    std::vector<QStringList> rows;
    std::vector<bool> failing;
    QStringList failures;
    for (const design::DesignTableRow& row :
         design::design_table(answer.result, answer.design, design::DesignOrder::FailuresThenMembers)) {
        QStringList& cells = rows.emplace_back(to_qstring_list(row.cells));
        cells.resize(columns);
        failing.push_back(!answer.result.members[engine::to_index(row.member)].passes);
        if (failing.back()) failures << to_qstring(engine::member_name(row.member));
    }
    heading.resize(columns);
    if (!failures.isEmpty()) flow.paragraph(0, to_qstring(kDesignFailingLead) + failures.join(QStringLiteral(", ")));
    flow.table(heading, rows, std::span(kDesignColumnWraps).first(static_cast<std::size_t>(columns)), failing);
}

void write_outcome(ReportFlow& flow, const design::ProjectDesign& answer) {
    flow.heading(to_qstring(kDesignLightestHeading));
    for (std::size_t g = 0; g < design::kGroupCount; ++g)
        flow.paragraph(0, to_qstring(design::kGroupKeys[g]) + QStringLiteral(": ") +
                              QString::fromStdString(design::lightest_words(answer, g)));
    for (const std::size_t c : answer.result.failed_combinations)
        flow.line(to_qstring(kDesignNotAnalysedLead) + QString::fromStdString(answer.result.combinations[c]));
    flow.heading(QString::fromStdString(design::design_verdict(answer.result)));
}

void write_deflection(ReportFlow& flow, const design::DeflectionCheck& check, std::string_view length_unit) {
    QStringList heading;
    for (const design::DeflectionColumnRow& column : design::kDeflectionColumns)
        heading << QString::fromStdString(design::deflection_heading(column, length_unit));
    std::vector<QStringList> rows;
    std::vector<bool> failing;
    for (const design::DeflectionTableRow& row : design::deflection_table(check)) {
        rows.push_back(to_qstring_list(row.cells));
        failing.push_back(!row.passes);
    }
    // A short section stays on one page: its heading, caption, table and note.
    flow.room_for(static_cast<double>(rows.size() + 8) * flow.line_height());
    flow.heading(to_qstring(kDeflectionHeading));
    flow.paragraph(0, QString::fromStdString(design::deflection_caption(check, length_unit)));
    flow.table(heading, rows, kDeflectionColumnWraps, failing);
    flow.paragraph(0, to_qstring(design::kJointSlipNote));
    const std::string creep = design::creep_factors_caption(check.creep);
    if (creep.empty()) return;
    const std::vector<design::CreepFactorRow> factors = design::creep_factor_table(check.creep);
    flow.room_for(static_cast<double>(factors.size() + 4) * flow.line_height());
    flow.paragraph(0, QString::fromStdString(creep));
    if (factors.empty()) return;
    std::vector<QStringList> factor_rows;
    for (const design::CreepFactorRow& row : factors) factor_rows.push_back(to_qstring_list(row.cells));
    flow.table(to_qstring_list(design::kCreepFactorHeadings), factor_rows, kCreepColumnWraps,
               std::vector<bool>(factor_rows.size(), false));
}

}  // namespace

QByteArray design_report_pdf(const load_case::Project& project, const design::ProjectDesign& design,
                             const QDateTime& made_at, const TitleFields& fields) {
    const QString title = to_qstring(kDesignReportTitle);
    const TitleBlock block{fields, truss_description(project.span, project.pitch), made_at};
    const std::string_view length_unit = design::unit_key(design.design.units.length);
    return report_document(title, block, [&](QPdfWriter& writer, QPainter& painter) {
        ReportFlow flow(writer, painter);
        flow.opening(title, made_at);
        flow.line(to_qstring(kDesignSpanLead) + QString::fromStdString(project.span) + u' ' + to_qstring(length_unit));
        write_conditions(flow, design.design);
        write_members(flow, design);
        write_outcome(flow, design);
        if (design.deflection) write_deflection(flow, *design.deflection, length_unit);
    });
}

std::optional<WriteFailure> write_design_report(const QString& path, const load_case::Project& project,
                                                const design::ProjectDesign& design, const TitleFields& fields,
                                                const QDateTime& made_at) {
    return write_file_atomically(path, design_report_pdf(project, design, made_at, fields));
}

}  // namespace korvel::ui
