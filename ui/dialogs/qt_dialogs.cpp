#include "ui/dialogs/qt_dialogs.hpp"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/dialogs/message_box_style.hpp"

namespace korvel::ui {

int QtDialogs::message(const QString& text, MessageStyle style, const QString& title) {
    const MessageBoxLook look = message_box_look(style);
    QMessageBox box(look.icon, title, display_text(text), look.buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    if (look.buttons.testFlag(QMessageBox::Yes)) box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    // Closing a Yes/No box from its title bar or with Escape counts as No.
    const auto pressed = box.standardButton(box.clickedButton());
    if (pressed == QMessageBox::NoButton) return look.buttons.testFlag(QMessageBox::No) ? kAnswerNo : kAnswerOk;
    return answer_code(pressed);
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& default_text) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(display_text(prompt));
    dialog.setTextValue(default_text);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue();
}

}  // namespace korvel::ui
