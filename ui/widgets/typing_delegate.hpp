#pragma once

#include <QStyledItemDelegate>

namespace korvel::ui {

// A cell delegate that can hand each keystroke of a cell's line editor to the
// model at once, so what depends on the cell follows the typing, not only the
// leaving of the cell.
class TypingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void set_commit_while_typing(bool live) { live_ = live; }
    bool commits_while_typing() const { return live_; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    bool live_ = false;
};

}  // namespace korvel::ui
