#include "ui/load_cases_window/envelope_report.hpp"

#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

#include "engine/envelope_table.hpp"
#include "engine/result_table.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/force_diagram/envelope_diagram_texts.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/load_cases_window/envelope_view.hpp"
#include "ui/load_cases_window/load_cases_window_texts.hpp"
#include "ui/report/report_flow.hpp"
#include "ui/report/report_page.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

// Item, max, max by, min, min by, note: the columns of names may wrap, those of numbers never.
constexpr std::array<bool, 6> kEnvelopeColumnWraps{false, false, true, false, true, true};

void write_cases(ReportFlow& flow, const load_case::Project& project) {
    flow.heading(QStringLiteral("Load cases (horizontal loads positive to the right, vertical positive downward)"));
    for (const load_case::LoadCase& load_case : project.cases) {
        QStringList loads;
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            if (!load_case.loads[i].empty())
                loads << QString::fromStdString(engine::load_key(engine::kLoadMap[i])) + u' ' +
                             QString::fromStdString(load_case.loads[i]);
        }
        const auto kind = std::find_if(kCaseKindWords.begin(), kCaseKindWords.end(),
                                       [&](const CaseKindWords& k) { return k.kind == load_case.kind; });
        flow.line(QString::fromStdString(load_case.name) + QStringLiteral(" — ") + to_qstring(kind->words));
        flow.paragraph(6, loads.isEmpty() ? QStringLiteral("no loads") : loads.join(QStringLiteral(", ")));
    }
}

void write_combinations(ReportFlow& flow, const load_case::Project& project) {
    flow.heading(QStringLiteral("Combinations"));
    for (const load_case::Combination& combination : project.combinations) {
        QStringList factors;
        for (const load_case::Factor& factor : combination.factors)
            factors << QString::fromStdString(factor.text) + QStringLiteral(" × ") +
                           QString::fromStdString(factor.case_name);
        flow.line(QString::fromStdString(combination.name));
        flow.paragraph(6, factors.join(QStringLiteral(" + ")));
    }
}

// One block of the envelope table under its heading.
void write_rows(ReportFlow& flow, std::string_view first_heading, const std::vector<engine::EnvelopeRow>& rows) {
    const QStringList heading =
        QStringList{to_qstring(first_heading)} + to_qstring_list(engine::kEnvelopeValueHeadings);
    std::vector<QStringList> cells;
    std::vector<bool> bold;
    for (const engine::EnvelopeRow& row : rows) {
        cells.push_back(to_qstring_list(row.cells()));
        bold.push_back(!row.note.empty());
    }
    flow.table(heading, cells, kEnvelopeColumnWraps, bold);
}

void write_envelope(ReportFlow& flow, const ProjectEnvelope& envelope) {
    const engine::EnvelopeTable table = engine::envelope_table(envelope.envelope, envelope.names);
    flow.heading(QString::fromStdString(table.status));
    for (const engine::EnvelopeFailure& failure : table.failures)
        flow.line(to_qstring(failure.name) + QStringLiteral(": ") + QString::fromStdString(failure.message));
    if (table.members.empty()) return;
    write_rows(flow, engine::kReactionsHeading, table.reactions);
    write_rows(flow, engine::kMemberHeading, table.members);
    if (const auto record = governing_record(envelope)) {
        flow.heading(
            QStringLiteral("Force diagram of the envelope (governing sign; max / min where a member reverses)"));
        flow.picture(kReportDiagramHeightMm, [&](QPainter& painter, const QRectF& area) {
            set_report_font(painter, kReportDiagramPoints, false);
            paint_force_diagram(
                painter, area, *record, paper_palette(),
                [&envelope](engine::Member member) { return member_diagram_text(envelope.envelope.force(member)); },
                envelope_reaction_texts(envelope.envelope));
        });
    }
}

}  // namespace

QByteArray envelope_report_pdf(const load_case::Project& project, const ProjectEnvelope& envelope,
                               const QDateTime& made_at, const TitleFields& fields) {
    const QString title = QStringLiteral("KORVEL - Envelope of the load combinations");
    const TitleBlock block{fields, truss_description(project.span, project.pitch), made_at};
    return report_document(title, block, [&](QPdfWriter& writer, QPainter& painter) {
        ReportFlow flow(writer, painter);
        flow.opening(title, made_at);
        flow.line(QStringLiteral("Span: ") + QString::fromStdString(project.span));
        write_cases(flow, project);
        write_combinations(flow, project);
        write_envelope(flow, envelope);
    });
}

}  // namespace korvel::ui
