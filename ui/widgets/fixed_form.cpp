#include "ui/widgets/fixed_form.hpp"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/widgets/access_keys.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/control_builder.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

FixedForm::FixedForm(const FormEntry& entry, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(to_qstring(entry.name));
    setWindowTitle(to_qstring(entry.title));
    setAccessibleDescription(to_qstring(entry.description));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips_to_pixels(entry.client_width_twips), twips_to_pixels(entry.client_height_twips));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::HighlightedText));
    setPalette(colours);
    setAutoFillBackground(true);

    setWindowIcon(program_icon());
    setCursor(arrow_cursor(entry.cursor_fill));
}

void FixedForm::build(std::span<const ControlEntry> controls, Drawing drawing) {
    // A window without a drawing gets no surface, so assistive technology meets no empty graphic.
    if (!drawing.is_empty()) surface_ = new DrawingSurface(drawing, this);
    new AccessKeys(*this, build_controls(*this, controls));
}

void FixedForm::set_default_button(QPushButton* button) {
    if (default_button_ != nullptr) default_button_->setDefault(false);
    default_button_ = button;
    if (button != nullptr) button->setDefault(true);
}

void FixedForm::keyPressEvent(QKeyEvent* event) {
    // A focused button presses itself on Enter (its auto-default is on); any other
    // control lets Enter through to here, where the default button takes it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && default_button_ != nullptr && default_button_->isEnabled()) {
        default_button_->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FixedForm::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

}  // namespace korvel::ui
