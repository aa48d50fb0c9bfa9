#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/dialogs/dialogs.hpp"

class QDialog;

namespace korvel::ui {

// The program's dialogs as real modal boxes: QMessageBox for messages and
// QInputDialog for the load input. Each box is centred on the window the user
// is working in, blocks the whole program until it is answered, and gives that
// window the keyboard back when it closes, on any window manager or none.
class QtDialogs final : public Dialogs {
public:
    Answer message(const QString& text, MessageStyle style, const QString& title) override;
    Answer ask_before_deleting(const QString& text, const QString& title) override;
    SaveAnswer ask_to_save(const QString& text, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& default_text) override;
    QString open_file_name(const QString& title, const QString& filter) override;
    QString save_file_name(const QString& title, const QString& default_name, const QString& filter) override;
    std::optional<LoadTexts> edit_loads(const LoadTexts& loads) override;
    std::optional<TitleFields> title_fields(const TitleFields& offered) override;
    std::optional<load_case::DistributedLoadEntry> distributed_load(const DistributedLoadQuestion& question) override;

private:
    // Runs a file dialog over the working window; the chosen path, or empty on Cancel.
    QString choose_file(QFileDialog::AcceptMode mode, const QString& title, const QString& start,
                        const QString& filter);
    // The window the user works in: the active window, or while the activation is
    // still on its way back from a dialog that has just closed (an X round trip
    // when no window manager hands it back), the window the last dialog was over.
    // Null when that window is no longer shown.
    QWidget* window_under_next_dialog();
    // Runs a modal dialog and hands the keyboard back to the window under it when
    // it closes, so its access keys and default button work at once.
    static int run_over_working_window(QDialog& dialog, QWidget* owner);
    // A message box of these buttons over the working window; the button pressed, or NoButton.
    QMessageBox::StandardButton ask(const QString& text, QMessageBox::Icon icon, const QString& title,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton default_button);

    QPointer<QWidget> working_window_;
    // The folder of the file last opened or saved, where the next file dialog starts.
    QString last_folder_;
};

}  // namespace korvel::ui
