#include "ui/load_cases_window/envelope_report.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

#include "engine/result_table.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/load_cases_window/envelope_view.hpp"
#include "ui/load_cases_window/load_cases_window_texts.hpp"
#include "ui/report/report_page.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr int kHeadingPoints = 11;
constexpr int kBodyPoints = 8;
// Item, max, max by, min, min by, note.
constexpr std::array<double, 6> kEnvelopeColumnsMm{14, 20, 38, 20, 38, 50};

QString shown(const std::string& text) { return AutoSizeLabel::shown_caption(QString::fromStdString(text)); }

// Writes from the top of the page down and starts a new page where the next part does not fit.
class ReportFlow {
public:
    ReportFlow(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), page_(painter.viewport()), y_(page_.top()) {}

    double mm(double millimetres) const { return report_mm(painter_, millimetres); }
    void set_font(int points, bool bold) { set_report_font(painter_, points, bold); }
    double line_height() const { return report_line_height(painter_); }

    void room_for(double height) {
        if (y_ + height <= page_.bottom()) return;
        writer_.newPage();
        y_ = page_.top();
    }

    // One line of cells; each is shortened with "…" only where it does not fit its column.
    void row(const QStringList& cells, const std::vector<double>& widths_mm) {
        room_for(line_height());
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        double x = page_.left();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const double width = c + 1 < cells.size() ? mm(widths_mm[static_cast<std::size_t>(c)]) : page_.right() - x;
            painter_.drawText(QRectF(x, y_, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                              metrics.elidedText(cells[c], Qt::ElideRight, width - mm(1)));
            x += width;
        }
        y_ += line_height() * 1.1;
    }
    void line(const QString& text) { row({text}, {}); }

    // A text wrapped at the page's right edge, indented by `indent_mm`.
    void paragraph(double indent_mm, const QString& text) {
        const QRectF column(page_.left() + mm(indent_mm), 0, page_.width() - mm(indent_mm), page_.height());
        const QRectF needed = painter_.boundingRect(column, Qt::TextWordWrap, text);
        room_for(needed.height());
        painter_.drawText(QRectF(column.left(), y_, column.width(), needed.height()), Qt::TextWordWrap, text);
        y_ += needed.height() + line_height() * 0.2;
    }

    void heading(const QString& text) {
        set_font(kHeadingPoints, true);
        room_for(3 * line_height());
        y_ += line_height() / 2;
        line(text);
        set_font(kBodyPoints, false);
    }

    void diagram(const AnalysisRecord& record, const engine::Envelope& envelope) {
        room_for(mm(kReportDiagramHeightMm));
        set_font(kReportDiagramPoints, false);
        paint_force_diagram(painter_, QRectF(page_.left(), y_, page_.width(), mm(kReportDiagramHeightMm)), record,
                            paper_palette(),
                            [&envelope](engine::Member member) { return member_diagram_text(envelope.force(member)); });
        y_ += mm(kReportDiagramHeightMm + 3);
        set_font(kBodyPoints, false);
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    QRectF page_;
    double y_;
};

void write_cases(ReportFlow& flow, const load_case::Project& project) {
    flow.heading(QStringLiteral("Load cases (horizontal loads positive to the right, vertical positive downward)"));
    for (const load_case::LoadCase& load_case : project.cases) {
        QStringList loads;
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            if (!load_case.loads[i].empty())
                loads << QString::fromStdString(engine::load_key(engine::kLoadMap[i])) + u' ' +
                             shown(load_case.loads[i]);
        }
        const auto kind = std::find_if(kCaseKindWords.begin(), kCaseKindWords.end(),
                                       [&](const CaseKindWords& k) { return k.kind == load_case.kind; });
        flow.row({shown(load_case.name), to_qstring(kind->words)}, {60});
        flow.paragraph(6, loads.isEmpty() ? QStringLiteral("no loads") : loads.join(QStringLiteral(", ")));
    }
}

void write_combinations(ReportFlow& flow, const load_case::Project& project) {
    flow.heading(QStringLiteral("Combinations"));
    for (const load_case::Combination& combination : project.combinations) {
        QStringList factors;
        for (const load_case::Factor& factor : combination.factors)
            factors << shown(factor.text) + QStringLiteral(" × ") + shown(factor.case_name);
        flow.row({shown(combination.name)}, {});
        flow.paragraph(6, factors.join(QStringLiteral(" + ")));
    }
}

void write_envelope(ReportFlow& flow, const ProjectEnvelope& envelope) {
    const std::vector<double> widths(kEnvelopeColumnsMm.begin(), kEnvelopeColumnsMm.end());
    const engine::Envelope& values = envelope.envelope;
    const auto cells = [&](std::string_view item, const engine::Extremes& e, const QString& note) {
        return QStringList{to_qstring(item),
                           QString::fromStdString(e.max.value.to_text()),
                           shown(envelope.names.at(e.max.by)),
                           QString::fromStdString(e.min.value.to_text()),
                           shown(envelope.names.at(e.min.by)),
                           note};
    };
    const auto header = [&](std::string_view first) {
        QStringList titles;
        for (std::size_t c = 0; c < kEnvelopeColumns.size(); ++c)
            titles << to_qstring(c == 0 ? first : kEnvelopeColumns[c]);
        flow.set_font(kBodyPoints, true);
        flow.row(titles, widths);
        flow.set_font(kBodyPoints, false);
    };
    flow.heading(values.complete() ? QStringLiteral("Envelope of %1 combinations").arg(envelope.names.size())
                                   : QStringLiteral("Envelope, incomplete: %1 of %2 combinations failed")
                                         .arg(values.failed().size())
                                         .arg(envelope.names.size()));
    for (const engine::FailedCombination& failed : values.failed())
        flow.line(shown(envelope.names.at(failed.combination)) + QStringLiteral(": ") +
                  QString::fromStdString(failed.error.message()));
    if (!values.has_values()) return;
    header(engine::kReactionsHeading);
    for (const engine::ReactionRow& row : engine::kReactionRows)
        flow.row(cells(engine::reaction_name(row.reaction), values.reaction(row.reaction),
                       reaction_note(row.reaction, values)),
                 widths);
    header(engine::kMemberHeading);
    for (const engine::Member member : engine::kMembersInTableOrder)
        flow.row(cells(engine::member_name(member), values.force(member), member_note(values.force(member))), widths);
    if (const auto record = governing_record(envelope)) {
        flow.heading(
            QStringLiteral("Force diagram of the envelope (governing sign; max / min where a member reverses)"));
        flow.diagram(*record, values);
    }
}

}  // namespace

QByteArray envelope_report_pdf(const load_case::Project& project, const ProjectEnvelope& envelope,
                               const QDateTime& made_at) {
    const QString title = QStringLiteral("KORVEL - Envelope of the load combinations");
    return report_document(title, [&](QPdfWriter& writer, QPainter& painter) {
        ReportFlow flow(writer, painter);
        flow.set_font(kReportTitlePoints, true);
        flow.line(title);
        flow.set_font(kBodyPoints, false);
        flow.line(QStringLiteral("Date: ") + made_at.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        flow.line(QStringLiteral("Span: ") + shown(project.span));
        write_cases(flow, project);
        write_combinations(flow, project);
        write_envelope(flow, envelope);
    });
}

}  // namespace korvel::ui
