#include "ui/report/report_pdf.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>

#include "engine/result_table.hpp"
#include "engine/span_accuracy.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/force_diagram/force_sign.hpp"
#include "ui/report/report_page.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr int kBodyPoints = 9;
constexpr int kLoadColumns = 3;

QString sign_letter(engine::Fixed4 force) {
    switch (force_sign(force)) {
        case ForceSign::Tension: return QStringLiteral("T");
        case ForceSign::Compression: return QStringLiteral("C");
        case ForceSign::Zero: break;
    }
    return QStringLiteral("0");
}

QString text_of(engine::Fixed4 value) { return to_qstring(value.to_text()); }

QString load_name(const engine::LoadSlot& slot) {
    return to_qstring(engine::node_name(slot.node)) + (slot.component == engine::Component::Horizontal
                                                           ? QStringLiteral(" horizontal")
                                                           : QStringLiteral(" vertical"));
}

// Writes the page from top to bottom; `y` is where the next line starts.
class ReportPage {
public:
    ReportPage(QPainter& painter, const QRectF& page) : painter_(painter), page_(page), y_(page.top()) {}

    double mm(double millimetres) const { return report_mm(painter_, millimetres); }

    void set_font(int points, bool bold) { set_report_font(painter_, points, bold); }
    double line_height() const { return report_line_height(painter_); }

    // One line of text at x within a column of the given width, shortened with "…" only if it does not fit.
    void text_at(double x, double width, const QString& text) {
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
        painter_.drawText(QRectF(x, y_, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    void line(const QString& text) {
        text_at(page_.left(), page_.width(), text);
        next_line();
    }
    void next_line(double lines = 1) { y_ += lines * line_height(); }

    void loads(const engine::AnalysisInput& input) {
        const double column_width = page_.width() / kLoadColumns;
        int column = 0;
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            if (input.loads[i].empty()) continue;
            const QString text = load_name(engine::kLoadMap[i]) + QStringLiteral(": ") +
                                 AutoSizeLabel::shown_caption(to_qstring(input.loads[i]));
            // A load too long for its column takes a line of its own, so it is never cut.
            if (text_width(text) > column_width - mm(2)) {
                if (column != 0) next_line();
                line(text);
                column = 0;
                continue;
            }
            text_at(page_.left() + column * column_width, column_width - mm(2), text);
            if (++column == kLoadColumns) {
                column = 0;
                next_line();
            }
        }
        if (column != 0) next_line();
    }

    void diagram(const AnalysisRecord& record) {
        const QRectF area(page_.left(), y_, page_.width(), mm(kReportDiagramHeightMm));
        set_font(kReportDiagramPoints, false);
        paint_force_diagram(painter_, area, record, paper_palette());
        set_font(kBodyPoints, false);
        y_ = area.bottom() + mm(4);
    }

    double text_width(const QString& text) const {
        return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text);
    }

    // Each column as wide as its widest cell needs, and at least as wide as `least`.
    std::vector<double> column_widths(const std::vector<QStringList>& rows, std::vector<double> least) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            set_font(kBodyPoints, r == 0);
            for (qsizetype c = 0; c < rows[r].size(); ++c) {
                double& width = least[static_cast<std::size_t>(c)];
                width = std::max(width, text_width(rows[r][c]) + mm(2));
            }
        }
        return least;
    }

    // Rows of cells in columns starting at x; the first row is the header. A
    // row that would run past the bottom of the page starts a new page.
    double table(double x, const std::vector<QStringList>& rows, const std::vector<double>& widths) {
        const double top = y_;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            set_font(kBodyPoints, r == 0);
            make_room(1.15 * line_height());
            double column_x = x;
            for (qsizetype c = 0; c < rows[r].size(); ++c) {
                text_at(column_x, widths[static_cast<std::size_t>(c)], rows[r][c]);
                column_x += widths[static_cast<std::size_t>(c)];
            }
            next_line(1.15);
        }
        const double bottom = y_;
        y_ = top;
        return bottom;
    }
    void move_to(double y) { y_ = y; }

    // Starts a new page unless `height` fits below y on this one.
    void make_room(double height) {
        if (y_ + height <= page_.bottom()) return;
        static_cast<QPagedPaintDevice*>(painter_.device())->newPage();
        y_ = page_.top();
    }

private:
    QPainter& painter_;
    QRectF page_;
    double y_;
};

// The members from `first` to `last` in table order, with their lengths, forces and signs.
std::vector<QStringList> member_table(const engine::AnalysisResult& result, std::size_t first, std::size_t last) {
    std::vector<QStringList> table{{to_qstring(engine::kMemberHeading), to_qstring(engine::kLengthHeading),
                                    to_qstring(engine::kForceHeading), QStringLiteral("T/C/0")}};
    for (std::size_t r = first; r < last; ++r) {
        const engine::Member member = engine::kMembersInTableOrder[r];
        table.push_back({to_qstring(engine::member_name(member)), text_of(result.length(member)),
                         text_of(result.force(member)), sign_letter(result.force(member))});
    }
    return table;
}

void paint_report(QPainter& painter, const QRectF& page, const AnalysisRecord& record, const QDateTime& made_at) {
    ReportPage report(painter, page);
    report.set_font(kReportTitlePoints, true);
    report.line(QStringLiteral("KORVEL - Fink truss analysis"));
    report.set_font(kBodyPoints, false);
    report.line(QStringLiteral("Date: ") + made_at.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    report.next_line(0.5);
    report.line(QStringLiteral("Span: ") + AutoSizeLabel::shown_caption(to_qstring(record.input.span)));
    if (const auto warning = engine::span_accuracy_warning(record.input.span)) {
        report.line(QStringLiteral("Accuracy: rounding this small span's lengths may move the results by up to %1 of "
                                   "the largest load.")
                        .arg(QString::fromStdString(warning->percent())));
        report.line(
            QStringLiteral("Enter the span in a smaller unit: the forces stay the same, the lengths follow it."));
    }
    const bool any_load = std::any_of(record.input.loads.begin(), record.input.loads.end(),
                                      [](const std::string& load) { return !load.empty(); });
    report.line(any_load ? QStringLiteral("Loads (horizontal positive to the right, vertical positive downward):")
                         : QStringLiteral("Loads: none"));
    report.loads(record.input);
    report.next_line(0.5);
    report.diagram(record);

    const double half = page.width() / 2;
    const std::vector<QStringList> left = member_table(record.result, 0, engine::kLeftBlockMemberCount);
    const std::vector<QStringList> right =
        member_table(record.result, engine::kLeftBlockMemberCount, engine::kMemberCount);
    std::vector<QStringList> members = left;
    members.insert(members.end(), right.begin() + 1, right.end());
    // Both blocks take the same columns, sized so that no number is cut.
    const std::vector<double> widths =
        report.column_widths(members, {report.mm(18), report.mm(20), report.mm(24), report.mm(14)});
    if (std::accumulate(widths.begin(), widths.end(), 0.0) <= half) {
        report.set_font(kBodyPoints, false);
        report.make_room(static_cast<double>(left.size()) * 1.15 * report.line_height());
        const double below_left = report.table(page.left(), left, widths);
        const double below_right = report.table(page.left() + half, right, widths);
        report.move_to(std::max(below_left, below_right) + report.line_height());
    } else {
        // Too wide to stand side by side: one table of all the members, on as many pages as it takes.
        report.move_to(report.table(page.left(), members, widths) + report.line_height());
    }

    std::vector<QStringList> reactions{{QStringLiteral("Reaction"), QStringLiteral("Value")}};
    for (const engine::ReactionRow& row : engine::kReactionRows)
        reactions.push_back(
            {to_qstring(engine::reaction_name(row.reaction)), text_of(record.result.reaction(row.reaction))});
    report.table(page.left(), reactions, report.column_widths(reactions, {report.mm(18), report.mm(20)}));
}

}  // namespace

QByteArray report_pdf(const AnalysisRecord& record, const QDateTime& made_at) {
    return report_document(QStringLiteral("KORVEL - Fink truss analysis"), [&](QPdfWriter&, QPainter& painter) {
        paint_report(painter, QRectF(painter.viewport()), record, made_at);
    });
}

}  // namespace korvel::ui
