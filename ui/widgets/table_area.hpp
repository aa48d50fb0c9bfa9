#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

namespace korvel::ui {

// A see-through layer over a whole window that holds the caption labels of a
// table, so assistive technology can present them as one table of rows and
// columns (see install_accessibility). The labels keep their place and look;
// the layer takes no mouse click and no focus.
class TableArea : public QWidget {
    Q_OBJECT
public:
    TableArea(QWidget& window, QStringList column_names);

    // Moves one row of labels, one per column, into the table.
    void add_row(const std::vector<QWidget*>& cells);

    int row_count() const { return static_cast<int>(rows_.size()); }
    int column_count() const { return static_cast<int>(column_names_.size()); }
    const QStringList& column_names() const { return column_names_; }
    // Null outside the table.
    QWidget* cell(int row, int column) const;
    // Row and column of a label of the table.
    std::optional<std::pair<int, int>> position_of(const QWidget* cell) const;

private:
    QStringList column_names_;
    std::vector<std::vector<QWidget*>> rows_;
};

}  // namespace korvel::ui
