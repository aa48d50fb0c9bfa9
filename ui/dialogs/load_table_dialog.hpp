#pragma once

#include <QDialog>

#include "ui/dialogs/dialogs.hpp"

class QTableWidget;

namespace korvel::ui {

// "Edit all loads": every load node in a row, its horizontal and vertical load
// in two columns, prefilled with the load captions. A cell for a component the
// node does not take is disabled. Arrows and Tab move between cells, typing
// edits the current one, Enter accepts and Escape cancels.
//
// A cell shows only the bounded beginning of a long text, as the load labels
// do, but keeps the whole text unless the user edits that cell.
class LoadTableDialog final : public QDialog {
    Q_OBJECT
public:
    explicit LoadTableDialog(const LoadTexts& loads, QWidget* parent = nullptr);

    // The 23 texts as the table holds them now, in load-map order.
    LoadTexts loads() const;

    QTableWidget& table() const { return *table_; }

    // Takes the text of a cell still being edited before the dialog closes.
    void accept() override;

private:
    QTableWidget* table_ = nullptr;
};

}  // namespace korvel::ui
