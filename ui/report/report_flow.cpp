#include "ui/report/report_flow.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <algorithm>
#include <numeric>

#include "ui/report/report_page.hpp"

namespace korvel::ui {
namespace {

// The blank between two columns.
constexpr double kColumnGapMm = 4;

// Text wraps between words, and inside a word (a long number) only where the word alone is wider than its column.
QTextOption wrapping() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// The columns as wide as `cells` needs, none narrower than `least`; where they do not fit
// `page_width`, the widest columns that wrap give way first, down to one width they all
// keep to, so that short names stay on one line.
std::vector<double> shared_widths(const std::vector<double>& cells, const std::vector<double>& least,
                                  std::span<const bool> wraps, double page_width) {
    std::vector<double> widths(cells.size());
    for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = std::max(cells[c], least[c]);
    const auto capped_at = [&](double cap) {
        std::vector<double> capped = widths;
        for (std::size_t c = 0; c < capped.size(); ++c)
            if (wraps[c]) capped[c] = std::max(least[c], std::min(widths[c], cap));
        return capped;
    };
    const auto total = [](const std::vector<double>& w) { return std::accumulate(w.begin(), w.end(), 0.0); };
    if (total(widths) <= page_width || total(capped_at(0)) > page_width) return widths;
    double fits = 0;
    double too_wide = *std::max_element(widths.begin(), widths.end());
    for (int halving = 0; halving < 40; ++halving) {
        const double cap = (fits + too_wide) / 2;
        (total(capped_at(cap)) <= page_width ? fits : too_wide) = cap;
    }
    return capped_at(fits);
}

}  // namespace

ReportFlow::ReportFlow(QPdfWriter& writer, QPainter& painter)
    : writer_(writer), painter_(painter), page_(painter.viewport()), y_(page_.top()) {}

double ReportFlow::mm(double millimetres) const { return report_mm(painter_, millimetres); }

void ReportFlow::set_font(int points, bool bold) { set_report_font(painter_, points, bold); }

double ReportFlow::line_height() const { return report_line_height(painter_); }

bool ReportFlow::room_for(double height) {
    if (y_ + height <= page_.bottom()) return false;
    writer_.newPage();
    y_ = page_.top();
    return true;
}

void ReportFlow::opening(const QString& title, const QDateTime& made_at) {
    set_font(kReportTitlePoints, true);
    line(title);
    set_font(kFlowBodyPoints, false);
    line(QStringLiteral("Date: ") + report_date(made_at));
}

void ReportFlow::paragraph(double indent_mm, const QString& text) {
    const QRectF column(page_.left() + mm(indent_mm), 0, page_.width() - mm(indent_mm), page_.height());
    const QRectF needed = painter_.boundingRect(column, text, wrapping());
    room_for(needed.height());
    painter_.drawText(QRectF(column.left(), y_, column.width(), needed.height()), text, wrapping());
    y_ += needed.height() + line_height() * 0.2;
}

void ReportFlow::heading(const QString& text) {
    set_font(kFlowHeadingPoints, true);
    room_for(3 * line_height());
    y_ += line_height() / 2;
    line(text);
    set_font(kFlowBodyPoints, false);
}

void ReportFlow::table(const QStringList& heading, const std::vector<QStringList>& rows, std::span<const bool> wraps,
                       const std::vector<bool>& bold) {
    const std::vector<double> widths = column_widths(heading, rows, wraps);
    set_font(kFlowBodyPoints, true);
    const double heading_height = row_height(heading, widths);
    room_for(heading_height + line_height());  // never a heading alone at the foot of a page
    write_row(heading, widths, heading_height);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        set_font(kFlowBodyPoints, bold[r]);
        const double height = row_height(rows[r], widths);
        if (room_for(height)) {
            set_font(kFlowBodyPoints, true);
            write_row(heading, widths, heading_height);
            set_font(kFlowBodyPoints, bold[r]);
        }
        write_row(rows[r], widths, height);
    }
    set_font(kFlowBodyPoints, false);
}

void ReportFlow::picture(double height_mm, const std::function<void(QPainter&, const QRectF&)>& paint) {
    room_for(mm(height_mm));
    paint(painter_, QRectF(page_.left(), y_, page_.width(), mm(height_mm)));
    y_ += mm(height_mm + 3);
    set_font(kFlowBodyPoints, false);
}

// Each column as wide as its widest cell and its heading. Where that is wider than the page,
// a column that wraps keeps at least its heading's width and the rest is shared in proportion
// to what each would need; where even that is too wide, the headings wrap between their words.
std::vector<double> ReportFlow::column_widths(const QStringList& heading, const std::vector<QStringList>& rows,
                                              std::span<const bool> wraps) {
    set_font(kFlowBodyPoints, true);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const auto width_of = [&](const QString& text) { return metrics.horizontalAdvance(text) + mm(kColumnGapMm + 1); };
    const auto count = static_cast<std::size_t>(heading.size());
    std::vector<double> cells(count, 0.0), whole(count, 0.0), words(count, 0.0);
    for (std::size_t c = 0; c < count; ++c) {
        const auto column = static_cast<qsizetype>(c);
        whole[c] = width_of(heading[column]);
        for (const QString& word : heading[column].split(u' ')) words[c] = std::max(words[c], width_of(word));
        for (const QStringList& row : rows) cells[c] = std::max(cells[c], width_of(row[column]));
    }
    set_font(kFlowBodyPoints, false);
    std::vector<double> widths;
    for (const std::vector<double>* least : {&whole, &words}) {
        widths = shared_widths(cells, *least, wraps, page_.width());
        if (std::accumulate(widths.begin(), widths.end(), 0.0) <= page_.width() + 1) break;
    }
    return widths;
}

double ReportFlow::row_height(const QStringList& cells, const std::vector<double>& widths) const {
    double height = line_height();
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const QRectF column(0, 0, widths[static_cast<std::size_t>(c)] - mm(kColumnGapMm), page_.height());
        height = std::max(height, painter_.boundingRect(column, cells[c], wrapping()).height());
    }
    return height;
}

void ReportFlow::write_row(const QStringList& cells, const std::vector<double>& widths, double height) {
    double x = page_.left();
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const double width = widths[static_cast<std::size_t>(c)];
        painter_.drawText(QRectF(x, y_, width - mm(kColumnGapMm), height), cells[c], wrapping());
        x += width;
    }
    y_ += height + line_height() * 0.1;
}

}  // namespace korvel::ui
