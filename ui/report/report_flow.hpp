#pragma once

#include <QDateTime>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

class QPainter;
class QPdfWriter;

namespace korvel::ui {

// The sizes of type of the reports that run over pages as a flow of parts.
inline constexpr int kFlowHeadingPoints = 11;
inline constexpr int kFlowBodyPoints = 8;

// Writes a report from the top of the page down and starts a new page where the
// next part does not fit: lines, wrapped paragraphs, headings, tables and
// pictures, in the order they are given.
class ReportFlow {
public:
    ReportFlow(QPdfWriter& writer, QPainter& painter);

    double mm(double millimetres) const;
    void set_font(int points, bool bold);
    double line_height() const;

    // Starts a new page where `height` does not fit on this one; whether it did.
    bool room_for(double height);

    // The report's title in large type and the date it was made.
    void opening(const QString& title, const QDateTime& made_at);
    void line(const QString& text) { paragraph(0, text); }
    // A text wrapped at the page's right edge, indented by `indent_mm`.
    void paragraph(double indent_mm, const QString& text);
    void heading(const QString& text);

    // A table with a bold heading row, repeated at the top of each page it runs onto, and its
    // columns as wide as their widest cell. Where they do not all fit the page, the widest
    // columns that may wrap give way first, then the headings wrap between their words, so
    // no number is ever cut. A row marked bold is bold, as in the window.
    void table(const QStringList& heading, const std::vector<QStringList>& rows, std::span<const bool> wraps,
               const std::vector<bool>& bold);

    // A picture `height_mm` high across the page, drawn by `paint` into its rectangle.
    void picture(double height_mm, const std::function<void(QPainter&, const QRectF&)>& paint);

private:
    std::vector<double> column_widths(const QStringList& heading, const std::vector<QStringList>& rows,
                                      std::span<const bool> wraps);
    double row_height(const QStringList& cells, const std::vector<double>& widths) const;
    void write_row(const QStringList& cells, const std::vector<double>& widths, double height);

    QPdfWriter& writer_;
    QPainter& painter_;
    QRectF page_;
    double y_;
};

}  // namespace korvel::ui
