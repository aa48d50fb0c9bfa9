#include "ui/widgets/scroll_to_focus.hpp"

#include <QApplication>
#include <QScrollArea>

namespace korvel::ui {

void scroll_to_focus(QScrollArea& scroll) {
    QObject::connect(qApp, &QApplication::focusChanged, &scroll, [&scroll](QWidget*, QWidget* now) {
        if (now != nullptr && scroll.widget() != nullptr && scroll.widget()->isAncestorOf(now))
            scroll.ensureWidgetVisible(now);
    });
}

}  // namespace korvel::ui
