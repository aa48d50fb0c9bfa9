#include "ui/report/report_pdf.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <initializer_list>
#include <numeric>

#include "engine/result_table.hpp"
#include "engine/span_accuracy.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/report/report_page.hpp"
#include "ui/report/report_texts.hpp"
#include "ui/report/report_words.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr int kBodyPoints = 9;
constexpr int kLoadColumns = 3;

QString text_of(engine::Fixed4 value) { return to_qstring(value.to_text()); }

QString load_name(const engine::LoadSlot& slot) {
    return to_qstring(engine::node_name(slot.node)) + (slot.component == engine::Component::Horizontal
                                                           ? QStringLiteral(" horizontal")
                                                           : QStringLiteral(" vertical"));
}

// A line of a table; a row of one cell is a heading over the whole table.
struct TableRow {
    QStringList cells;
    bool bold = false;
};

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

    // Each column as wide as its widest cell needs, and at least as wide as
    // `least`; a row of one cell spans the table and takes no part.
    std::vector<double> column_widths(const std::vector<TableRow>& rows, std::vector<double> least) {
        for (const TableRow& row : rows) {
            if (row.cells.size() == 1) continue;
            set_font(kBodyPoints, row.bold);
            for (qsizetype c = 0; c < row.cells.size(); ++c) {
                double& width = least[static_cast<std::size_t>(c)];
                width = std::max(width, text_width(row.cells[c]) + mm(2));
            }
        }
        return least;
    }

    // Rows of cells in columns starting at x. A row that would run past the
    // bottom of the page starts a new page; returns where the table ends.
    double table(double x, const std::vector<TableRow>& rows, const std::vector<double>& widths) {
        const double top = y_;
        const double whole = std::accumulate(widths.begin(), widths.end(), 0.0);
        for (const TableRow& row : rows) {
            set_font(kBodyPoints, row.bold);
            make_room(1.15 * line_height());
            double column_x = x;
            for (qsizetype c = 0; c < row.cells.size(); ++c) {
                const double width = row.cells.size() == 1 ? whole : widths[static_cast<std::size_t>(c)];
                text_at(column_x, width, row.cells[c]);
                column_x += width;
            }
            next_line(1.15);
        }
        set_font(kBodyPoints, false);
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

// The members of each group in `groups`, each under its heading, with their lengths, forces and what the force does.
std::vector<TableRow> member_table(const engine::AnalysisResult& result,
                                   std::initializer_list<engine::MemberGroupRow> groups) {
    std::vector<TableRow> table;
    for (const engine::MemberGroupRow& group : groups) {
        if (!table.empty()) table.push_back({{QString()}});
        table.push_back({{to_qstring(group.heading)}, true});
        table.push_back({{to_qstring(engine::kMemberHeading), to_qstring(engine::kLengthHeading),
                          to_qstring(engine::kForceHeading), to_qstring(kSenseHeading)},
                         true});
        for (const engine::Member member : engine::kMembers) {
            if (engine::member_group(member) != group.group) continue;
            table.push_back({{to_qstring(engine::member_name(member)), text_of(result.length(member)),
                              text_of(result.force(member)), force_word(result.force(member))}});
        }
    }
    return table;
}

void paint_report(QPainter& painter, const QRectF& page, const AnalysisRecord& record, const QStringList& about) {
    ReportPage report(painter, page);
    report.set_font(kReportTitlePoints, true);
    report.line(to_qstring(kReportTitle));
    report.set_font(kBodyPoints, false);
    for (const QString& line : about) report.line(line);
    report.next_line(0.5);
    report.line(span_line(record.input.span));
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

    const auto& [top_chord, bottom_chord, web] = engine::kMemberGroups;
    // The chords beside the webs, or all of them one under the other where that is too wide.
    const std::vector<TableRow> chords = member_table(record.result, {top_chord, bottom_chord});
    const std::vector<TableRow> webs = member_table(record.result, {web});
    std::vector<TableRow> members = chords;
    members.push_back({{QString()}});
    members.insert(members.end(), webs.begin(), webs.end());
    // Both blocks take the same columns, sized so that no number is cut.
    const std::vector<double> widths =
        report.column_widths(members, {report.mm(14), report.mm(14), report.mm(22), report.mm(20)});
    const double half = page.width() / 2;
    if (std::accumulate(widths.begin(), widths.end(), 0.0) <= half) {
        report.set_font(kBodyPoints, false);
        report.make_room(static_cast<double>(std::max(chords.size(), webs.size())) * 1.15 * report.line_height());
        const double below_chords = report.table(page.left(), chords, widths);
        const double below_webs = report.table(page.left() + half, webs, widths);
        report.move_to(std::max(below_chords, below_webs) + report.line_height());
    } else {
        report.move_to(report.table(page.left(), members, widths) + report.line_height());
    }

    std::vector<TableRow> reactions{
        {{to_qstring(engine::kReactionsHeading)}, true},
        {{QStringLiteral("Reaction"), QStringLiteral("Value"), to_qstring(kDirectionHeading)}, true}};
    for (const engine::ReactionRow& row : engine::kReactionRows) {
        const engine::Fixed4 value = record.result.reaction(row.reaction);
        reactions.push_back({{to_qstring(engine::reaction_name(row.reaction)), text_of(value),
                              reaction_direction(row.reaction, value)}});
    }
    report.table(page.left(), reactions,
                 report.column_widths(reactions, {report.mm(18), report.mm(20), report.mm(20)}));
}

}  // namespace

QByteArray report_pdf(const AnalysisRecord& record, const QDateTime& made_at, const TitleFields& fields,
                      const QStringList& about) {
    const TitleBlock block{fields, truss_description(record.input.span, record.input.pitch), made_at};
    return report_document(to_qstring(kReportTitle), block, [&](QPdfWriter&, QPainter& painter) {
        paint_report(painter, QRectF(painter.viewport()), record, about);
    });
}

}  // namespace korvel::ui
