#include "ui/dialogs/qt_dialogs.hpp"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/dialogs/distributed_load_dialog.hpp"
#include "ui/dialogs/load_table_dialog.hpp"
#include "ui/dialogs/message_box_style.hpp"
#include "ui/dialogs/title_fields_dialog.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/text_box_limit.hpp"

namespace korvel::ui {
namespace {

// A window manager draws the title in its own, often bold, font beside an icon
// and three buttons; a dialog narrower than that shows its title cut.
int title_bar_width(const QString& title, const QWidget& dialog) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int wanted = metrics.horizontalAdvance(title) + 6 * metrics.height();
    const QScreen* screen = dialog.screen();
    return screen != nullptr ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

}  // namespace

QWidget* QtDialogs::window_under_next_dialog() {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && qobject_cast<QDialog*>(active) == nullptr) working_window_ = active;
    return working_window_ != nullptr && working_window_->isVisible() ? working_window_.data() : nullptr;
}

int QtDialogs::run_over_working_window(QDialog& dialog, QWidget* owner) {
    const int result = dialog.exec();
    // Without a window manager nobody else gives the keyboard back when a dialog closes.
    if (owner != nullptr && owner->isVisible()) owner->activateWindow();
    return result;
}

QMessageBox::StandardButton QtDialogs::ask(const QString& text, QMessageBox::Icon icon, const QString& title,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton default_button) {
    QWidget* owner = window_under_next_dialog();
    QMessageBox box(icon, title, display_text(text), buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    if (default_button != QMessageBox::NoButton) box.setDefaultButton(default_button);
    run_over_working_window(box, owner);
    return box.standardButton(box.clickedButton());
}

Answer QtDialogs::message(const QString& text, MessageStyle style, const QString& title) {
    const MessageBoxLook look = message_box_look(style);
    const bool question = look.buttons.testFlag(QMessageBox::Yes);
    const auto pressed = ask(text, look.icon, title, look.buttons, question ? QMessageBox::Yes : QMessageBox::NoButton);
    // Closing a Yes/No box from its title bar or with Escape counts as No.
    if (pressed == QMessageBox::NoButton) return question ? Answer::No : Answer::Ok;
    return answer_of(pressed);
}

Answer QtDialogs::ask_before_deleting(const QString& text, const QString& title) {
    const auto pressed = ask(text, QMessageBox::Question, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

SaveAnswer QtDialogs::ask_to_save(const QString& text, const QString& title) {
    const auto pressed = ask(text, QMessageBox::Warning, title,
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
    if (pressed == QMessageBox::Save) return SaveAnswer::Save;
    return pressed == QMessageBox::Discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title, const QString& default_text) {
    QWidget* owner = window_under_next_dialog();
    QInputDialog dialog(owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(display_text(prompt));
    // The answer becomes a load caption exactly as typed, so neither a long paste
    // nor a longer text the load already holds may be cut.
    auto* edit = dialog.findChild<QLineEdit*>();
    // The dialog's layout sets its size from its controls, so the edit line carries the title's width.
    if (edit != nullptr) {
        const int margins = dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                            dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin);
        edit->setMinimumWidth(title_bar_width(title, dialog) - margins);
    }
    if (edit != nullptr)
        edit->setMaxLength(
            std::max(kTextBoxMaxLength, static_cast<int>(std::min<qsizetype>(default_text.size(), INT_MAX))));
    dialog.setTextValue(default_text);
    // Offered selected: Enter keeps it, typing replaces it.
    if (edit != nullptr) edit->selectAll();
    if (run_over_working_window(dialog, owner) != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString QtDialogs::choose_file(QFileDialog::AcceptMode mode, const QString& title, const QString& start,
                               const QString& filter) {
    QWidget* owner = window_under_next_dialog();
    QFileDialog dialog(owner, title, start, filter);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (run_over_working_window(dialog, owner) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    last_folder_ = QFileInfo(path).absolutePath();
    return path;
}

QString QtDialogs::open_file_name(const QString& title, const QString& filter) {
    return choose_file(QFileDialog::AcceptOpen, title, last_folder_, filter);
}

QString QtDialogs::save_file_name(const QString& title, const QString& default_name, const QString& filter) {
    const QString folder = last_folder_.isEmpty() ? QDir::currentPath() : last_folder_;
    return choose_file(QFileDialog::AcceptSave, title, QDir(folder).filePath(default_name), filter);
}

std::optional<LoadTexts> QtDialogs::edit_loads(const LoadTexts& loads) {
    QWidget* owner = window_under_next_dialog();
    LoadTableDialog dialog(
        loads,
        [this] {
            return message(to_qstring(kDiscardLoadEdits), MessageStyle::YesNoQuestion, to_qstring(kLoadTableTitle)) ==
                   Answer::Yes;
        },
        owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (run_over_working_window(dialog, owner) != QDialog::Accepted) return std::nullopt;
    return dialog.loads();
}

std::optional<TitleFields> QtDialogs::title_fields(const TitleFields& offered) {
    QWidget* owner = window_under_next_dialog();
    TitleFieldsDialog dialog(offered, owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (run_over_working_window(dialog, owner) != QDialog::Accepted) return std::nullopt;
    return dialog.fields();
}

std::optional<load_case::DistributedLoadEntry> QtDialogs::distributed_load(const DistributedLoadQuestion& question) {
    QWidget* owner = window_under_next_dialog();
    DistributedLoadDialog dialog(question, owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (run_over_working_window(dialog, owner) != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

}  // namespace korvel::ui
