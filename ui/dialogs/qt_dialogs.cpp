#include "ui/dialogs/qt_dialogs.hpp"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/dialogs/load_table_dialog.hpp"
#include "ui/dialogs/message_box_style.hpp"

namespace korvel::ui {
namespace {

// Runs a modal dialog over the window the user is working in, and hands the
// keyboard back to that window when it closes, so its access keys and default
// button work at once even where no window manager restores the focus.
int run_over_active_window(QDialog& dialog, QWidget* owner) {
    const int result = dialog.exec();
    if (owner != nullptr && owner->isVisible()) owner->activateWindow();
    return result;
}

}  // namespace

int QtDialogs::message(const QString& text, MessageStyle style, const QString& title) {
    const MessageBoxLook look = message_box_look(style);
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(look.icon, title, display_text(text), look.buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    if (look.buttons.testFlag(QMessageBox::Yes)) box.setDefaultButton(QMessageBox::Yes);
    run_over_active_window(box, owner);
    // Closing a Yes/No box from its title bar or with Escape counts as No.
    const auto pressed = box.standardButton(box.clickedButton());
    if (pressed == QMessageBox::NoButton) return look.buttons.testFlag(QMessageBox::No) ? kAnswerNo : kAnswerOk;
    return answer_code(pressed);
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& default_text) {
    QWidget* owner = QApplication::activeWindow();
    QInputDialog dialog(owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(display_text(prompt));
    dialog.setTextValue(default_text);
    if (run_over_active_window(dialog, owner) != QDialog::Accepted) return {};
    return dialog.textValue();
}

QString QtDialogs::chosen(const QString& path) {
    if (!path.isEmpty()) last_folder_ = QFileInfo(path).absolutePath();
    return path;
}

QString QtDialogs::open_file_name(const QString& title, const QString& filter) {
    QWidget* owner = QApplication::activeWindow();
    const QString path = QFileDialog::getOpenFileName(owner, title, last_folder_, filter);
    if (owner != nullptr && owner->isVisible()) owner->activateWindow();
    return chosen(path);
}

QString QtDialogs::save_file_name(const QString& title, const QString& default_name, const QString& filter) {
    QWidget* owner = QApplication::activeWindow();
    const QString folder = last_folder_.isEmpty() ? QDir::currentPath() : last_folder_;
    const QString path = QFileDialog::getSaveFileName(owner, title, QDir(folder).filePath(default_name), filter);
    if (owner != nullptr && owner->isVisible()) owner->activateWindow();
    return chosen(path);
}

std::optional<LoadTexts> QtDialogs::edit_loads(const LoadTexts& loads) {
    QWidget* owner = QApplication::activeWindow();
    LoadTableDialog dialog(loads, owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (run_over_active_window(dialog, owner) != QDialog::Accepted) return std::nullopt;
    return dialog.loads();
}

}  // namespace korvel::ui
