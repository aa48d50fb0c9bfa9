#pragma once

#include <QDialog>

#include "ui/dialogs/dialogs.hpp"

class QTableWidget;

namespace korvel::ui {

class LoadTable;

// "Edit all loads": the load table (load_table.hpp) prefilled with the load
// captions; Enter accepts and Escape cancels.
class LoadTableDialog final : public QDialog {
    Q_OBJECT
public:
    explicit LoadTableDialog(const LoadTexts& loads, QWidget* parent = nullptr);

    // The 23 texts as the table holds them now, in load-map order.
    LoadTexts loads() const;

    QTableWidget& table() const;

    // Takes the text of a cell still being edited before the dialog closes.
    void accept() override;

private:
    LoadTable* table_ = nullptr;
};

}  // namespace korvel::ui
