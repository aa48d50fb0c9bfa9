#include "ui/widgets/fixed_form.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <vector>

#include "ui/widgets/access_keys.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/control_builder.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/readable_colours.hpp"

namespace korvel::ui {

namespace {

// The theme with the highlighted-text colour as window background and window
// text that stands out from that background and from the picture, if any.
// Where none of the theme's colours stands out from both (black highlighted
// text beside a white picture), the picture's colour is the background too, so
// that opaque captions and the strip beside the picture stay readable.
QPalette form_palette(const QPalette& theme, const QColor& picture) {
    QPalette colours = theme;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QColor background = theme.color(group, QPalette::HighlightedText);
        std::vector<QColor> behind{background};
        if (picture.isValid()) {
            behind.push_back(picture);
            if (!theme_foreground(theme, group, behind)) behind = {background = picture};
        }
        colours.setColor(group, QPalette::Window, background);
        colours.setColor(group, QPalette::WindowText, readable_foreground(theme, group, behind));
    }
    return colours;
}

}  // namespace

FixedForm::FixedForm(const FormEntry& entry, QWidget* parent) : QWidget(parent, Qt::Window), picture_(entry.picture) {
    setObjectName(to_qstring(entry.name));
    setWindowTitle(to_qstring(entry.title));
    setAccessibleName(to_qstring(entry.spoken_name));
    setAccessibleDescription(to_qstring(entry.description));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips_to_pixels(entry.client_width_twips), twips_to_pixels(entry.client_height_twips));

    setPalette(form_palette(palette(), picture_));
    setAutoFillBackground(true);
    qApp->installEventFilter(this);
    // The layout is measured in this font; the controls take it from here.
    setFont(pinned(default_font()));

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

bool FixedForm::eventFilter(QObject* watched, QEvent* event) {
    // A theme may change its colours while the program runs; the application hears of it, not a
    // window whose palette is its own.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        setPalette(form_palette(QApplication::palette(), picture_));
    return QWidget::eventFilter(watched, event);
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
