#pragma once

#include <QDialog>
#include <functional>

#include "ui/dialogs/dialogs.hpp"

class QTableWidget;

namespace korvel::ui {

class LoadTable;

// "Edit all loads": every load node in a row, its horizontal and vertical load
// in two columns, prefilled with the load captions. A cell for a component the
// node does not take is disabled. Arrows and Tab move between cells, typing
// edits the current one and F2 edits it from the end of its text. Enter
// accepts; Escape undoes the cell being edited, and otherwise cancels, asking
// first when the table holds edits.
//
// A cell shows only the bounded beginning of a long text, as the load labels
// do, but keeps the whole text unless the user edits that cell.
class LoadTableDialog final : public QDialog {
    Q_OBJECT
public:
    // `confirm_discarding` asks whether the edits may go; true lets the table close.
    LoadTableDialog(const LoadTexts& loads, std::function<bool()> confirm_discarding, QWidget* parent = nullptr);

    // The 23 texts as the table holds them now, in load-map order.
    LoadTexts loads() const;

    QTableWidget& table() const;

    // Takes the text of a cell still being edited before the dialog closes.
    void accept() override;
    // Cancels, after asking when any text differs from the one offered (a cell
    // being edited included); No keeps the table open with every edit.
    void reject() override;

private:
    LoadTable* table_ = nullptr;
    LoadTexts offered_;
    std::function<bool()> confirm_discarding_;
};

}  // namespace korvel::ui
