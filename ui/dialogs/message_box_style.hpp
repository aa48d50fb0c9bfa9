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

// The program's answer code (kAnswerOk, kAnswerYes, kAnswerNo) for the button pressed.
// Throws std::invalid_argument for a button no message box of the program offers.
int answer_code(QMessageBox::StandardButton button);

// Dialog texts join their lines with "\r\n"; the widgets break lines at "\n" alone.
QString display_text(const QString& text);

}  // namespace korvel::ui
