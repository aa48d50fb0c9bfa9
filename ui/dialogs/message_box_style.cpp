#include "ui/dialogs/message_box_style.hpp"

#include <stdexcept>
#include <string>

namespace korvel::ui {

MessageBoxLook message_box_look(MessageStyle style) {
    switch (style) {
        case MessageStyle::OkInformation: return {QMessageBox::Information, QMessageBox::Ok};
        case MessageStyle::OkExclamation: return {QMessageBox::Warning, QMessageBox::Ok};
        case MessageStyle::YesNoQuestion: return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
    }
    throw std::invalid_argument("unknown message box style " + std::to_string(static_cast<int>(style)));
}

Answer answer_of(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default:
            throw std::invalid_argument("unexpected message box button " + std::to_string(static_cast<int>(button)));
    }
}

QString display_text(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace korvel::ui
