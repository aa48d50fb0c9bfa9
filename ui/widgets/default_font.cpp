#include "ui/widgets/default_font.hpp"

#include <QApplication>

namespace korvel::ui {

QFont default_font() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    return font;
}

QFont pinned(QFont font) {
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void install_default_font() { QApplication::setFont(default_font()); }

}  // namespace korvel::ui
