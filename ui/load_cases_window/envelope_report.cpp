#include "ui/load_cases_window/envelope_report.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <algorithm>
#include <span>
#include <vector>

#include "engine/envelope_table.hpp"
#include "engine/result_table.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/force_diagram/envelope_diagram_texts.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/load_cases_window/envelope_view.hpp"
#include "ui/load_cases_window/load_cases_window_texts.hpp"
#include "ui/report/report_page.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr int kHeadingPoints = 11;
constexpr int kBodyPoints = 8;
// Item, max, max by, min, min by, note: the columns of names may wrap, those of numbers never.
constexpr std::array<bool, 6> kEnvelopeColumnWraps{false, false, true, false, true, true};
// The blank between two columns.
constexpr double kColumnGapMm = 4;

// Text wraps between words, and inside a word (a long number) only where the word alone is wider than its column.
QTextOption wrapping() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Writes from the top of the page down and starts a new page where the next part does not fit.
class ReportFlow {
public:
    ReportFlow(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), page_(painter.viewport()), y_(page_.top()) {}

    double mm(double millimetres) const { return report_mm(painter_, millimetres); }
    void set_font(int points, bool bold) { set_report_font(painter_, points, bold); }
    double line_height() const { return report_line_height(painter_); }

    // Starts a new page where `height` does not fit on this one; whether it did.
    bool room_for(double height) {
        if (y_ + height <= page_.bottom()) return false;
        writer_.newPage();
        y_ = page_.top();
        return true;
    }

    void line(const QString& text) { paragraph(0, text); }

    // A table with a bold heading row, repeated at the top of each page it runs onto, and its
    // columns as wide as their widest cell. Where they do not all fit the page, the columns
    // that may wrap share what the others leave, so no number is ever cut. A row marked
    // bold is bold, as in the window.
    void table(const QStringList& heading, const std::vector<QStringList>& rows, std::span<const bool> wraps,
               const std::vector<bool>& bold) {
        const std::vector<double> widths = column_widths(heading, rows, wraps);
        set_font(kBodyPoints, true);
        const double heading_height = row_height(heading, widths);
        room_for(heading_height + line_height());  // never a heading alone at the foot of a page
        write_row(heading, widths, heading_height);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            set_font(kBodyPoints, bold[r]);
            const double height = row_height(rows[r], widths);
            if (room_for(height)) {
                set_font(kBodyPoints, true);
                write_row(heading, widths, heading_height);
                set_font(kBodyPoints, bold[r]);
            }
            write_row(rows[r], widths, height);
        }
        set_font(kBodyPoints, false);
    }

    // A text wrapped at the page's right edge, indented by `indent_mm`.
    void paragraph(double indent_mm, const QString& text) {
        const QRectF column(page_.left() + mm(indent_mm), 0, page_.width() - mm(indent_mm), page_.height());
        const QRectF needed = painter_.boundingRect(column, text, wrapping());
        room_for(needed.height());
        painter_.drawText(QRectF(column.left(), y_, column.width(), needed.height()), text, wrapping());
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
        paint_force_diagram(
            painter_, QRectF(page_.left(), y_, page_.width(), mm(kReportDiagramHeightMm)), record, paper_palette(),
            [&envelope](engine::Member member) { return member_diagram_text(envelope.force(member)); },
            envelope_reaction_texts(envelope));
        y_ += mm(kReportDiagramHeightMm + 3);
        set_font(kBodyPoints, false);
    }

private:
    // Each column as wide as its widest cell. Where that is wider than the page, a column
    // that wraps keeps at least its heading's width and the rest is shared in proportion to
    // what each would need.
    std::vector<double> column_widths(const QStringList& heading, const std::vector<QStringList>& rows,
                                      std::span<const bool> wraps) {
        const auto widths_of = [&](std::span<const QStringList> lines, bool bold) {
            set_font(kBodyPoints, bold);
            const QFontMetricsF metrics(painter_.font(), painter_.device());
            std::vector<double> widths(static_cast<std::size_t>(heading.size()), 0.0);
            for (const QStringList& cells : lines)
                for (qsizetype c = 0; c < cells.size(); ++c) {
                    double& width = widths[static_cast<std::size_t>(c)];
                    width = std::max(width, metrics.horizontalAdvance(cells[c]) + mm(kColumnGapMm + 1));
                }
            set_font(kBodyPoints, false);
            return widths;
        };
        const std::vector<double> least = widths_of(std::span(&heading, 1), true);
        std::vector<double> widths = widths_of(rows, true);
        double fixed = 0;
        double floors = 0;
        double wanted = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], least[c]);
            if (!wraps[c]) fixed += widths[c];
            if (wraps[c]) floors += least[c];
            if (wraps[c]) wanted += widths[c] - least[c];
        }
        const double spare = page_.width() - fixed - floors;
        if (fixed + floors + wanted <= page_.width() || spare <= 0) return widths;
        for (std::size_t c = 0; c < widths.size(); ++c)
            if (wraps[c]) widths[c] = least[c] + (widths[c] - least[c]) * spare / wanted;
        return widths;
    }

    double row_height(const QStringList& cells, const std::vector<double>& widths) const {
        double height = line_height();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QRectF column(0, 0, widths[static_cast<std::size_t>(c)] - mm(kColumnGapMm), page_.height());
            height = std::max(height, painter_.boundingRect(column, cells[c], wrapping()).height());
        }
        return height;
    }

    void write_row(const QStringList& cells, const std::vector<double>& widths, double height) {
        double x = page_.left();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const double width = widths[static_cast<std::size_t>(c)];
            painter_.drawText(QRectF(x, y_, width - mm(kColumnGapMm), height), cells[c], wrapping());
            x += width;
        }
        y_ += height + line_height() * 0.1;
    }

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
    QStringList heading{to_qstring(first_heading)};
    for (const std::string_view title : engine::kEnvelopeValueHeadings) heading << to_qstring(title);
    std::vector<QStringList> cells;
    std::vector<bool> bold;
    for (const engine::EnvelopeRow& row : rows) {
        QStringList line;
        for (const std::string_view cell : row.cells()) line << to_qstring(cell);
        cells.push_back(line);
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
        flow.diagram(*record, envelope.envelope);
    }
}

}  // namespace

QByteArray envelope_report_pdf(const load_case::Project& project, const ProjectEnvelope& envelope,
                               const QDateTime& made_at, const TitleFields& fields) {
    const QString title = QStringLiteral("KORVEL - Envelope of the load combinations");
    const TitleBlock block{fields, truss_description(project.span, project.pitch), made_at};
    return report_document(title, block, [&](QPdfWriter& writer, QPainter& painter) {
        ReportFlow flow(writer, painter);
        flow.set_font(kReportTitlePoints, true);
        flow.line(title);
        flow.set_font(kBodyPoints, false);
        flow.line(QStringLiteral("Date: ") + made_at.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        flow.line(QStringLiteral("Span: ") + QString::fromStdString(project.span));
        write_cases(flow, project);
        write_combinations(flow, project);
        write_envelope(flow, envelope);
    });
}

}  // namespace korvel::ui
