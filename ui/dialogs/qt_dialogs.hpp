#pragma once

#include <QString>

#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui {

// The program's dialogs as real modal boxes: QMessageBox for messages and
// QInputDialog for the load input. Each box is centred on the window the user
// is working in and blocks the whole program until it is answered.
class QtDialogs final : public Dialogs {
public:
    int message(const QString& text, MessageStyle style, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& default_text) override;
    QString open_file_name(const QString& title, const QString& filter) override;
    QString save_file_name(const QString& title, const QString& default_name, const QString& filter) override;
    std::optional<LoadTexts> edit_loads(const LoadTexts& loads) override;

private:
    QString chosen(const QString& path);

    // The folder of the file last opened or saved, where the next file dialog starts.
    QString last_folder_;
};

}  // namespace korvel::ui
