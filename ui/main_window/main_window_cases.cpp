// The main window's menu: load cases in files and the table of all loads. The
// span box and the 23 load captions stay the only store of the inputs.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <optional>
#include <variant>

#include "ui/files/case_file.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/main_window/span_rule.hpp"

namespace korvel::ui {
namespace {

const QString kOpenTitle = QStringLiteral("Open load case");
const QString kSaveTitle = QStringLiteral("Save load case");
const QString kPutTitle = QStringLiteral("Put into the main window");
const QString kCaseFilter = QStringLiteral("KORVEL load cases (*.korvel.json);;All files (*)");
const QString kDefaultCaseName = QStringLiteral("load case.korvel.json");

QString shown_path(const QString& path) { return QDir::toNativeSeparators(path); }

// Why the span box could not show the span exactly as the file gives it, or nothing when it can.
std::optional<QString> span_box_refusal(const QString& span, int max_length) {
    if (is_refused_span_text(span)) return QStringLiteral("its span \"%1\" is not a span length").arg(span);
    if (span.size() > max_length)
        return QStringLiteral("its span is %1 characters long; the span box takes at most %2")
            .arg(span.size())
            .arg(max_length);
    return std::nullopt;
}

}  // namespace

void MainWindow::add_window_menu() {
    menu_ = new WindowMenu(*this);
    menu_->menu().setAccessibleName(QStringLiteral("Commands"));
    menu_->menu().setAccessibleDescription(
        QStringLiteral("Opens and saves load cases, edits all loads in one table, opens the load cases and "
                       "combinations and shows the force diagram; "
                       "each command shows its shortcut."));
    menu_->add_command(QStringLiteral("Open load case..."), QKeySequence::Open, [this] { on_open_case(); });
    menu_->add_command(QStringLiteral("Save load case..."), QKeySequence::Save, [this] { on_save_case(); });
    menu_->add_separator();
    menu_->add_command(QStringLiteral("Edit all loads..."), QKeySequence(Qt::CTRL | Qt::Key_L),
                       [this] { on_edit_loads(); });
    menu_->add_command(QStringLiteral("Load cases..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
                       [this] { emit load_cases_requested(); });
    menu_->add_separator();
    // The same command as in the results window, so the diagram opens beside either window.
    forces_command_ = menu_->add_command(QStringLiteral("Force diagram"), QKeySequence(Qt::CTRL | Qt::Key_D),
                                         [this] { emit forcesRequested(); });
    forces_command_->setEnabled(false);
}

void MainWindow::setForcesAvailable(bool available) { forces_command_->setEnabled(available); }

bool MainWindow::holds_input() const {
    if (!span_box_->text().isEmpty()) return true;
    for (const engine::LoadSlot& slot : engine::kLoadMap)
        if (!label(slot.label).text().isEmpty()) return true;
    return false;
}

void MainWindow::on_open_case() {
    const QString path = dialogs_.open_file_name(kOpenTitle, kCaseFilter);
    if (path.isEmpty()) {
        focusSpanBox();
        return;
    }
    openLoadCaseFile(path);
}

bool MainWindow::confirm_replacing_input(const QString& path) {
    if (!holds_input()) return true;
    const QString question = QStringLiteral("Replace the span and all loads in the window with the load case \"%1\"?")
                                 .arg(QFileInfo(path).fileName());
    return dialogs_.message(question, MessageStyle::YesNoQuestion, kOpenTitle) == kAnswerYes;
}

void MainWindow::openLoadCaseFile(const QString& path) {
    auto outcome = read_case_file(path);
    if (auto* project = std::get_if<load_case::Project>(&outcome)) {
        // A project's cases and combinations are edited in a window of their own.
        emit project_opened(path, *project);
        return;
    }
    std::optional<QString> problem;
    if (const auto* error = std::get_if<CaseFileError>(&outcome))
        problem = error->problem;
    else
        problem = span_box_refusal(QString::fromStdString(std::get<engine::AnalysisInput>(outcome).span),
                                   span_box_->maxLength());
    if (problem) {
        dialogs_.message(QStringLiteral("The load case \"%1\" cannot be opened: %2.\r\n"
                                        "Choose a load case saved by KORVEL (a .korvel.json file).")
                             .arg(shown_path(path), *problem),
                         MessageStyle::OkExclamation, kOpenTitle);
    } else if (confirm_replacing_input(path)) {
        show_input(std::get<engine::AnalysisInput>(outcome));
    }
    focusSpanBox();
}

bool MainWindow::put_input(const engine::AnalysisInput& input, const QString& source) {
    if (const auto problem = span_box_refusal(QString::fromStdString(input.span), span_box_->maxLength())) {
        dialogs_.message(QStringLiteral("%1 cannot be put into the main window: %2.").arg(source, *problem),
                         MessageStyle::OkExclamation, kPutTitle);
        return false;
    }
    if (holds_input() &&
        dialogs_.message(QStringLiteral("Replace the span and all loads in the main window with %1?").arg(source),
                         MessageStyle::YesNoQuestion, kPutTitle) != kAnswerYes)
        return false;
    show_input(input);
    return true;
}

engine::AnalysisInput MainWindow::input() const { return collect_input(); }

void MainWindow::show_input(const engine::AnalysisInput& input) {
    LoadTexts loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) loads[i] = QString::fromStdString(input.loads[i]);
    show_loads(loads);
    span_box_->setText(QString::fromStdString(input.span));
}

void MainWindow::show_loads(const LoadTexts& loads) {
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) label(engine::kLoadMap[i].label).set_caption(loads[i]);
}

void MainWindow::on_save_case() {
    const QString chosen = dialogs_.save_file_name(kSaveTitle, kDefaultCaseName, kCaseFilter);
    if (chosen.isEmpty()) {
        focusSpanBox();
        return;
    }
    const QString path = with_case_extension(chosen);
    // The file dialog asked about replacing the name as typed, not the one with the extension added.
    const bool replace =
        path == chosen || !QFileInfo::exists(path) ||
        dialogs_.message(QStringLiteral("The file \"%1\" exists already. Replace it?").arg(QFileInfo(path).fileName()),
                         MessageStyle::YesNoQuestion, kSaveTitle) == kAnswerYes;
    if (replace) {
        if (const auto error = write_case_file(path, collect_input())) {
            dialogs_.message(QStringLiteral("The load case could not be saved to \"%1\": %2.\r\n"
                                            "Choose another folder or file name.")
                                 .arg(shown_path(path), error->problem),
                             MessageStyle::OkExclamation, kSaveTitle);
        }
    }
    focusSpanBox();
}

void MainWindow::on_edit_loads() {
    LoadTexts loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) loads[i] = label(engine::kLoadMap[i].label).text();
    if (const auto edited = dialogs_.edit_loads(loads)) show_loads(*edited);
    focusSpanBox();
}

}  // namespace korvel::ui
