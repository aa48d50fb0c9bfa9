#include "ui/widgets/drawing.hpp"

#include <QPainter>

#include "ui/widgets/accessibility.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

DrawingSurface::DrawingSurface(Drawing drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
    install_accessibility();
    setObjectName(QStringLiteral("DrawingSurface"));
    setAccessibleName(to_qstring(drawing.name));
    setAccessibleDescription(to_qstring(drawing.description));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent != nullptr) setGeometry(parent->rect());
    lower();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::NoBrush);
    for (const LineEntry& line : drawing_.lines) painter.drawLine(to_pixels(line.from), to_pixels(line.to));
    for (const CircleEntry& circle : drawing_.circles) {
        // A pen rectangle covers one pixel more than its size, so shrink it to stay inside the box.
        painter.drawEllipse(to_pixels(circle.box).adjusted(0, 0, -1, -1));
    }
}

}  // namespace korvel::ui
