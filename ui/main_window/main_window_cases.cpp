// The main window's menu: load cases in files and the table of all loads. The
// span box and the 23 load captions stay the only store of the inputs.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <optional>
#include <variant>

#include "ui/dialogs/case_save_path.hpp"
#include "ui/files/case_file.hpp"
#include "ui/main_window/line_breaks.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/main_window/main_window_texts.hpp"
#include "ui/main_window/span_rule.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

QString shown_path(const QString& path) { return QDir::toNativeSeparators(path); }

// Why the span box could not show the span exactly as the file gives it, or nothing when it can.
std::optional<QString> span_box_refusal(const QString& span, int max_length) {
    if (is_refused_span_text(span)) return to_qstring(kSpanNotASpan).arg(span);
    if (has_line_break(without_outer_line_breaks(span))) return to_qstring(kSpanOnSeveralLines);
    if (span.size() > max_length) return to_qstring(kSpanTooLong).arg(span.size()).arg(max_length);
    return std::nullopt;
}

}  // namespace

// The force diagram is the same command as in the results window, so it opens beside either window.
const std::array<MenuCommand<MainWindow>, 10> MainWindow::kMenuCommands{{
    {"Open load case...", QKeySequence::Open, {}, &MainWindow::on_open_case, false, false},
    {"Open recent", QKeySequence::UnknownKey, {}, nullptr, false, false, &MainWindow::fill_recent_menu},
    {"Save load case...", QKeySequence::Save, {}, &MainWindow::on_save_case, false, false},
    {"Edit all loads...", QKeySequence::UnknownKey, "Ctrl+L", &MainWindow::on_edit_loads, true, false},
    {"Load cases...", QKeySequence::UnknownKey, "Ctrl+Shift+L", &MainWindow::load_cases_requested, false, false},
    {"Force diagram", QKeySequence::UnknownKey, "Ctrl+D", &MainWindow::forces_requested, true, true},
    {"Undo", QKeySequence::Undo, {}, &MainWindow::on_undo, true, false},
    {"Redo", QKeySequence::UnknownKey, "Ctrl+Shift+Z", &MainWindow::on_redo, false, false},
    {"Roof pitch...", QKeySequence::UnknownKey, "Ctrl+Shift+P", &MainWindow::on_pitch, true, false},
    // The design is the project's, in the load cases window, which opens with it.
    {"Design members...", QKeySequence::UnknownKey, "Ctrl+Shift+D", &MainWindow::design_requested, false, false},
}};

void MainWindow::add_window_menu() {
    auto* menu = new WindowMenu(*this);
    menu->menu().setAccessibleName(to_qstring(kMenuName));
    menu->menu().setAccessibleDescription(to_qstring(kMenuDescription));
    analysis_commands_ = menu->add_commands(*this, kMenuCommands);
}

void MainWindow::fill_recent_menu(QMenu& menu) {
    const QStringList paths = recent_files_.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // A "&" in a path is shown, not taken for an access key.
        QString shown = shown_path(paths[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString path = paths[i];
        menu.addAction(to_qstring(kRecentEntry).arg(i + 1).arg(shown), this, [this, path] { open_recent(path); });
    }
    if (paths.isEmpty()) menu.addAction(to_qstring(kNoRecentFiles))->setEnabled(false);
    menu.addSeparator();
    menu.addAction(to_qstring(kClearRecentFiles), this, [this] { recent_files_.clear(); })
        ->setEnabled(!paths.isEmpty());
}

void MainWindow::open_recent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_files_.remove(path);
        dialogs_.message(to_qstring(kRecentMissing).arg(shown_path(path)), MessageStyle::OkExclamation,
                         to_qstring(kOpenCaseTitle));
        focus_span_box();
        return;
    }
    open_load_case_file(path);
}

void MainWindow::remember_file(const QString& path) { recent_files_.add(path); }

void MainWindow::set_forces_available(bool available) {
    for (QAction* command : analysis_commands_) command->setEnabled(available);
}

bool MainWindow::holds_input() const {
    if (!span_box_->text().isEmpty()) return true;
    for (const AutoSizeLabel* load : load_labels_)
        if (!load->text().isEmpty()) return true;
    return false;
}

void MainWindow::on_open_case() {
    const QString path = dialogs_.open_file_name(to_qstring(kOpenCaseTitle), to_qstring(kCaseFilter));
    if (path.isEmpty()) {
        focus_span_box();
        return;
    }
    open_load_case_file(path);
}

bool MainWindow::confirm_replacing_input(const QString& path) {
    if (!holds_input()) return true;
    const QString question = to_qstring(kReplaceInputQuestion).arg(QFileInfo(path).fileName());
    return dialogs_.message(question, MessageStyle::YesNoQuestion, to_qstring(kOpenCaseTitle)) == Answer::Yes;
}

void MainWindow::open_load_case_file(const QString& path) {
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
        dialogs_.message(to_qstring(kCaseNotOpened).arg(shown_path(path), *problem), MessageStyle::OkExclamation,
                         to_qstring(kOpenCaseTitle));
    } else if (confirm_replacing_input(path)) {
        change_inputs([&] { show_input(std::get<engine::AnalysisInput>(outcome)); });
        remember_file(path);
    }
    focus_span_box();
}

bool MainWindow::put_input(const engine::AnalysisInput& input, const QString& source) {
    if (const auto problem = span_box_refusal(QString::fromStdString(input.span), span_box_->maxLength())) {
        dialogs_.message(to_qstring(kPutRefusedText).arg(source, *problem), MessageStyle::OkExclamation,
                         to_qstring(kPutTitle));
        return false;
    }
    if (holds_input() && dialogs_.message(to_qstring(kPutReplaceQuestion).arg(source), MessageStyle::YesNoQuestion,
                                          to_qstring(kPutTitle)) != Answer::Yes)
        return false;
    change_inputs([&] { show_input(input); });
    return true;
}

engine::AnalysisInput MainWindow::input() const { return collect_input(); }

void MainWindow::on_pitch() {
    std::optional<QString> answer =
        dialogs_.input(to_qstring(kPitchPrompt), to_qstring(kPitchTitle), QString::fromStdString(pitch_.text));
    while (answer) {
        auto read = engine::parse_pitch(answer->toStdString());
        if (auto* pitch = std::get_if<engine::RoofPitch>(&read)) {
            show_pitch(*pitch);
            emit inputs_changed();
            break;
        }
        dialogs_.message(QString::fromStdString(std::get<engine::PitchError>(read).message()),
                         MessageStyle::OkExclamation, to_qstring(kPitchTitle));
        answer = dialogs_.input(to_qstring(kPitchPrompt), to_qstring(kPitchTitle), *answer);
    }
    focus_span_box();
}

void MainWindow::show_pitch(const engine::RoofPitch& pitch) {
    if (plain_title_.isEmpty()) plain_title_ = windowTitle();
    pitch_ = pitch;
    setWindowTitle(pitch.is_default()
                       ? plain_title_
                       : to_qstring(kPitchInTitle).arg(plain_title_, QString::fromStdString(pitch.text)));
}

void MainWindow::show_input(const engine::AnalysisInput& input) {
    LoadTexts loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) loads[i] = QString::fromStdString(input.loads[i]);
    show_loads(loads);
    span_box_->setText(QString::fromStdString(input.span));
    show_pitch(input.pitch);
}

void MainWindow::show_loads(const LoadTexts& loads) {
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) load_labels_[i]->set_caption(loads[i]);
}

void MainWindow::on_save_case() {
    const QString path =
        ask_case_save_path(dialogs_, to_qstring(kSaveCaseTitle), to_qstring(kDefaultCaseName), to_qstring(kCaseFilter));
    if (!path.isEmpty()) {
        if (const auto error = write_case_file(path, collect_input())) {
            dialogs_.message(to_qstring(kCaseNotSaved).arg(shown_path(path), error->problem),
                             MessageStyle::OkExclamation, to_qstring(kSaveCaseTitle));
        } else {
            remember_file(path);
        }
    }
    focus_span_box();
}

void MainWindow::on_edit_loads() {
    LoadTexts loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) loads[i] = load_labels_[i]->text();
    if (const auto edited = dialogs_.edit_loads(loads)) change_inputs([&] { show_loads(*edited); });
    focus_span_box();
}

}  // namespace korvel::ui
