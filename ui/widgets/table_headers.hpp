#pragma once

#include <QHeaderView>
#include <vector>

class QTableView;

namespace korvel::ui {

// How a table's columns share its width.
enum class ColumnFit {
    Free,         // as the table sets them; a scroll bar shows what is beyond the width
    WithinWidth,  // the widest columns give way first, so every column stays in sight; a stretched
                  // last column stays whole
};

// The widths that fit columns of these natural widths into `available`: the
// widest are cut to one common width, never below `least`; all stay natural
// when they fit.
std::vector<int> widths_within(const std::vector<int>& natural, int available, int least);

// A horizontal header whose names are whole or, where a column is too narrow,
// cut with "…" at the end; hovering over a name shows it whole.
class ReadableHeader final : public QHeaderView {
    Q_OBJECT
public:
    ReadableHeader(QTableView& table, ColumnFit fit);

    // The text a section shows in its present width.
    QString shown_text(int logical_index) const;
    // Columns that keep their natural width when the others give way (numbers,
    // which must never be cut).
    void keep_whole(std::vector<int> columns);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logical_index) const override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit_columns();
    void fit_later();

    QTableView& table_;
    ColumnFit fit_;
    std::vector<int> whole_;
    bool fitting_ = false;
    bool fit_pending_ = false;
};

// Gives `table` a ReadableHeader in place of its own; call before setting the header up.
ReadableHeader& use_readable_header(QTableView& table, ColumnFit fit = ColumnFit::Free);

}  // namespace korvel::ui
