#include "ui/widgets/table_area.hpp"

#include <stdexcept>
#include <string>

#include "ui/widgets/accessibility.hpp"

namespace korvel::ui {

TableArea::TableArea(QWidget& window, QStringList column_names)
    : QWidget(&window), column_names_(std::move(column_names)) {
    install_accessibility();
    setObjectName(QStringLiteral("TableArea"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window.rect());
    lower();
}

void TableArea::add_row(const std::vector<QWidget*>& cells) {
    if (static_cast<int>(cells.size()) != column_count())
        throw std::invalid_argument("a table row needs " + std::to_string(column_count()) + " cells, not " +
                                    std::to_string(cells.size()));
    for (QWidget* cell : cells) {
        // Moving into the layer, which covers the window from its corner, keeps the label's place.
        cell->setParent(this);
        cell->show();
    }
    rows_.push_back(cells);
}

QWidget* TableArea::cell(int row, int column) const {
    if (row < 0 || row >= row_count() || column < 0 || column >= column_count()) return nullptr;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::optional<std::pair<int, int>> TableArea::position_of(const QWidget* cell) const {
    for (int row = 0; row < row_count(); ++row)
        for (int column = 0; column < column_count(); ++column)
            if (this->cell(row, column) == cell) return std::pair{row, column};
    return std::nullopt;
}

}  // namespace korvel::ui
