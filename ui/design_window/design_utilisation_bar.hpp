#pragma once

#include <QStyledItemDelegate>

namespace korvel::ui {

// The role a utilisation cell keeps its number under, beside its text.
inline constexpr int kUtilisationRole = Qt::UserRole + 1;
// Whether the member was checked, under this role.
inline constexpr int kCheckedRole = Qt::UserRole + 2;

// Draws a bar behind a utilisation cell's text, as long as the utilisation up
// to 1 and in the colour of its band; past 1 the bar is full and ends in a
// hatched block. The text, and what a screen reader reads, are the cell's own.
class UtilisationBarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace korvel::ui
