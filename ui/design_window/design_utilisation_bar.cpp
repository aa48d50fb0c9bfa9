#include "ui/design_window/design_utilisation_bar.hpp"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "design/design_picture.hpp"
#include "ui/design_window/design_picture.hpp"
#include "ui/force_diagram/diagram_palette.hpp"

namespace korvel::ui {

void UtilisationBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QVariant value = index.data(kUtilisationRole);
    QStyleOptionViewItem cell_option(option);
    initStyleOption(&cell_option, index);
    if (value.isValid()) {
        // A failing row's tint first, then the bar over it, then the text.
        if (cell_option.backgroundBrush.style() != Qt::NoBrush) {
            painter->fillRect(option.rect, cell_option.backgroundBrush);
            cell_option.backgroundBrush = Qt::NoBrush;
        }
        design::MemberDesign member;
        member.utilisation = value.toDouble();
        member.checked = index.data(kCheckedRole).toBool();
        const design::UtilisationBand band = design::utilisation_band(member);
        const bool dark = option.palette.color(QPalette::Base).lightness() < 128;
        QColor colour = utilisation_colour(band, dark);
        // Light enough behind the text that the text keeps its contrast.
        colour.setAlpha(110);
        const QRectF cell = QRectF(option.rect).adjusted(2, 3, -2, -3);
        const double filled = std::clamp(member.utilisation, 0.0, 1.0);
        painter->save();
        painter->fillRect(QRectF(cell.topLeft(), QSizeF(cell.width() * filled, cell.height())), colour);
        if (band == design::UtilisationBand::Over) {
            const QRectF over(cell.right() - cell.height(), cell.top(), cell.height(), cell.height());
            painter->fillRect(over, QBrush(utilisation_colour(band, dark), Qt::BDiagPattern));
        }
        painter->restore();
    }
    const QWidget* view = option.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell_option, painter, view);
}

}  // namespace korvel::ui
