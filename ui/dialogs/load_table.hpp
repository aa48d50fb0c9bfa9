#pragma once

#include <QTableWidget>

#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui {

class LoadDelegate;

// Every load node in a row, its horizontal and vertical load in two columns. A
// cell for a component the node does not take is disabled. Arrows and Tab move
// between cells, typing replaces the current one's text, F2 edits it.
//
// A cell shows only the bounded beginning of a long text, as the load labels
// do, but keeps the whole text unless the user edits that cell.
class LoadTable final : public QTableWidget {
    Q_OBJECT
public:
    explicit LoadTable(QWidget* parent = nullptr);

    // The 23 texts as the table holds them now, in load-map order.
    LoadTexts loads() const;
    // Shows these texts without reporting an edit.
    void set_loads(const LoadTexts& loads);

    // Takes the text of a cell still being edited.
    void commit_open_editor();
    // Whether each keystroke in a cell counts as an edit at once, not only when the cell is left.
    void set_commit_while_typing(bool live);

signals:
    // The user changed the text of a cell.
    void loads_edited();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    LoadDelegate* delegate_;
    QString text_before_edit_;  // what the cell being edited held before
};

}  // namespace korvel::ui
