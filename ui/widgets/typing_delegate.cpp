#include "ui/widgets/typing_delegate.hpp"

#include <QLineEdit>

namespace korvel::ui {

QWidget* TypingDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (live_ && line != nullptr) {
        // commitData is a signal, and emitting it changes nothing of the delegate itself.
        auto* self = const_cast<TypingDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

}  // namespace korvel::ui
