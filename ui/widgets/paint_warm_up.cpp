#include "ui/widgets/paint_warm_up.hpp"

#include <QBackingStore>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtGlobal>

namespace korvel::ui {

void warm_up_painting(QWidget& window, QStringView characters) {
    // The platform window and its backing store, which the first show would otherwise create.
    window.winId();
    if (QBackingStore* store = window.backingStore()) store->resize(window.size());

    const qreal scale = window.devicePixelRatioF();
    QImage scratch(window.size() * scale, QImage::Format_RGB32);
    scratch.setDevicePixelRatio(scale);
    window.render(&scratch);

    QPainter painter(&scratch);
    QList<QFont> fonts{window.font()};
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!fonts.contains(control->font())) fonts.append(control->font());
    }
    const QString text = characters.toString();
    for (const QFont& font : fonts) {
        painter.setFont(font);
        painter.drawText(QPointF(0, QFontMetrics(font).ascent()), text);
    }
}

}  // namespace korvel::ui
