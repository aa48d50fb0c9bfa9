#pragma once

#include <QMessageBox>
#include <QString>

#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui {

// The icon and button set a message box style stands for.
struct MessageBoxLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Throws std::invalid_argument for a value that is none of the three styles.
MessageBoxLook message_box_look(MessageStyle style);

// The answer the button pressed stands for. Throws std::invalid_argument for a
// button no message box of the program offers.
Answer answer_of(QMessageBox::StandardButton button);

// Dialog texts join their lines with "\r\n"; the widgets break lines at "\n" alone.
QString display_text(const QString& text);

}  // namespace korvel::ui
