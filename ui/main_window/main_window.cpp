#include "ui/main_window/main_window.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <optional>

#include "ui/dialogs/confirm_exit.hpp"
#include "ui/main_window/line_breaks.hpp"
#include "ui/main_window/load_reset_order.hpp"
#include "ui/main_window/main_window_layout.hpp"
#include "ui/main_window/main_window_texts.hpp"
#include "ui/main_window/span_rule.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent) : FixedForm(main_window_form(), parent), dialogs_(dialogs) {
    build(kMainWindowControls, main_window_drawing());

    span_box_ = &find_control<QLineEdit>(*this, "Text1");
    connect(span_box_, &QLineEdit::textChanged, this, &MainWindow::on_span_changed);
    connect(span_box_, &QLineEdit::textChanged, this, &MainWindow::inputs_changed);
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        load_labels_[i] = &find_control<AutoSizeLabel>(*this, engine::kLoadMap[i].label);
        labels_in_reset_order_[i] = &find_control<AutoSizeLabel>(*this, kLoadResetOrder[i]);
    }

    for (const Hotspot& hotspot : kHotspots) {
        connect(&find_control<AutoSizeLabel>(*this, hotspot.label), &AutoSizeLabel::clicked, this,
                [this, &hotspot] { on_hotspot_clicked(hotspot); });
    }

    const auto on_click = [this](std::string_view button, void (MainWindow::*handler)()) {
        connect(&find_control<QPushButton>(*this, button), &QPushButton::clicked, this, handler);
    };
    on_click("Command1", &MainWindow::on_results);
    on_click("Command2", &MainWindow::on_help);
    on_click("Command3", &MainWindow::on_exit);
    on_click("Command4", &MainWindow::on_about);
    on_click("Command5", &MainWindow::on_reset);
    // The usual keys: F1 for help, Ctrl+Q to leave (after the same question as Exit).
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainWindow::on_help);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, &MainWindow::on_exit);
    add_window_menu();
    // Both usual redo keys, whichever the platform calls its own: the menu shows Ctrl+Shift+Z.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this), &QShortcut::activated, this, &MainWindow::on_redo);
    span_box_->installEventFilter(this);

    focus_span_box();
}

AutoSizeLabel& MainWindow::load_label(engine::Node node, engine::Component component) const {
    return *load_labels_[load_slot_of(node, component)];
}

void MainWindow::focus_span_box() { span_box_->setFocus(Qt::OtherFocusReason); }

void MainWindow::on_span_changed(const QString& text) {
    if (has_line_break(text)) {
        const QString one_line = without_outer_line_breaks(text);
        if (has_line_break(one_line)) {
            refuse_line_breaks(one_line);
            span_box_->setText(accepted_span_);
        } else {
            span_box_->setText(one_line);
        }
        return;
    }
    if (is_refused_span_text(text)) {
        dialogs_.message(to_qstring(kSpanWarningText), MessageStyle::OkExclamation, to_qstring(kSpanWarningTitle));
        span_box_->clear();
        return;
    }
    accepted_span_ = text;
}

void MainWindow::refuse_line_breaks(const QString& text) {
    dialogs_.message(to_qstring(kLineBreaksText).arg(AutoSizeLabel::shown_caption(with_line_breaks_shown(text))),
                     MessageStyle::OkExclamation, to_qstring(kLineBreaksTitle));
}

std::optional<QString> MainWindow::ask_load(std::string_view prompt, std::string_view title, QString offered) {
    for (;;) {
        const std::optional<QString> answer = dialogs_.input(to_qstring(prompt), to_qstring(title), offered);
        if (!answer) return answer;
        const QString one_line = without_outer_line_breaks(*answer);
        if (!has_line_break(one_line)) return one_line;
        refuse_line_breaks(one_line);
        // Asked again with the refused text, so nothing typed is lost.
        offered = one_line;
    }
}

void MainWindow::on_hotspot_clicked(const Hotspot& hotspot) {
    // Every dialog of the click is answered before any caption changes; a
    // cancelled question leaves its component as it was.
    // Each question offers the load it would replace.
    std::optional<QString> horizontal;
    if (hotspot.kind == HotspotKind::TwoComponent)
        horizontal = ask_load(kHorizontalLoadPrompt, kHorizontalLoadTitle,
                              load_label(hotspot.node, engine::Component::Horizontal).text());
    const std::optional<QString> vertical =
        ask_load(kVerticalLoadPrompt, kVerticalLoadTitle, load_label(hotspot.node, engine::Component::Vertical).text());
    change_inputs([&] {
        if (horizontal) load_label(hotspot.node, engine::Component::Horizontal).set_caption(*horizontal);
        if (vertical) load_label(hotspot.node, engine::Component::Vertical).set_caption(*vertical);
    });
}

engine::AnalysisInput MainWindow::collect_input() const {
    engine::AnalysisInput input;
    input.span = span_box_->text().toStdString();
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) input.loads[i] = load_labels_[i]->text().toStdString();
    input.pitch = pitch_;
    return input;
}

void MainWindow::on_results() { emit results_requested(collect_input()); }

void MainWindow::show_analysis_error(const engine::AnalysisError& error) {
    if (error.kind == engine::ErrorKind::MissingSpan) {
        dialogs_.message(to_qstring(engine::kMissingSpanText), MessageStyle::OkInformation,
                         to_qstring(engine::kMissingSpanTitle));
        focus_span_box();
        return;
    }
    dialogs_.message(QString::fromStdString(error.message()), MessageStyle::OkExclamation,
                     to_qstring(kAnalysisErrorTitle));
    if (error.source.kind == engine::ErrorSource::Kind::Span) {
        focus_span_box();
        span_box_->selectAll();
    }
}

void MainWindow::reset_loads() {
    change_inputs([this] {
        for (AutoSizeLabel* load : labels_in_reset_order_) load->set_caption(QString());
        // Setting the text, unlike clear(), keeps no undo record of the removed text in the box.
        span_box_->setText(QString());
    });
}

MainWindow::Inputs MainWindow::shown_inputs() const {
    Inputs inputs{span_box_->text(), {}};
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) inputs.loads[i] = load_labels_[i]->text();
    return inputs;
}

void MainWindow::show_inputs(const Inputs& from, const Inputs& to) {
    for (std::size_t i = 0; i < engine::kLoadCount; ++i)
        if (from.loads[i] != to.loads[i]) load_labels_[i]->set_caption(to.loads[i]);
    if (from.span != to.span) span_box_->setText(to.span);
    emit inputs_changed();
}

namespace {

// The characters a change keeps alive: the texts it changed, before and after.
qsizetype characters_of(const auto& change) {
    qsizetype characters = 0;
    if (change.before.span != change.after.span) characters += change.before.span.size() + change.after.span.size();
    for (std::size_t i = 0; i < engine::kLoadCount; ++i)
        if (change.before.loads[i] != change.after.loads[i])
            characters += change.before.loads[i].size() + change.after.loads[i].size();
    return characters;
}

}  // namespace

void MainWindow::change_inputs(const std::function<void()>& change) {
    // Megabyte pastes must not pile up in memory: the oldest changes go first.
    constexpr std::size_t kKeptChanges = 100;
    constexpr qsizetype kKeptCharacters = qsizetype{1} << 22;
    Inputs before = shown_inputs();
    change();
    Inputs after = shown_inputs();
    if (after == before) return;
    undo_.push_back({std::move(before), std::move(after)});
    redo_.clear();
    qsizetype kept = 0;
    for (const Change& each : undo_) kept += characters_of(each);
    while (!undo_.empty() && (undo_.size() > kKeptChanges || kept > kKeptCharacters)) {
        kept -= characters_of(undo_.front());
        undo_.erase(undo_.begin());
    }
    emit inputs_changed();
}

void MainWindow::on_undo() {
    if (!undo_.empty()) {
        show_inputs(undo_.back().after, undo_.back().before);
        redo_.push_back(std::move(undo_.back()));
        undo_.pop_back();
    }
    focus_span_box();
}

void MainWindow::on_redo() {
    if (!redo_.empty()) {
        show_inputs(redo_.back().before, redo_.back().after);
        undo_.push_back(std::move(redo_.back()));
        redo_.pop_back();
    }
    focus_span_box();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != span_box_ || event->type() != QEvent::ShortcutOverride)
        return FixedForm::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    // Left unaccepted, the key goes on to the window's own undo and redo.
    return (key.matches(QKeySequence::Undo) && !span_box_->isUndoAvailable()) ||
           (key.matches(QKeySequence::Redo) && !span_box_->isRedoAvailable());
}

void MainWindow::on_help() {
    dialogs_.message(join_dialog_lines(kHelpLines), MessageStyle::OkInformation, to_qstring(kHelpTitle));
    focus_span_box();
}

void MainWindow::on_about() {
    dialogs_.message(join_dialog_lines(kAboutLines), MessageStyle::OkExclamation, to_qstring(kAboutTitle));
    focus_span_box();
}

void MainWindow::on_exit() {
    if ((end_question_ ? end_question_() : confirm_exit(dialogs_))) {
        emit exit_confirmed();
        return;
    }
    focus_span_box();
}

void MainWindow::on_reset() {
    if (dialogs_.message(to_qstring(kResetText), MessageStyle::YesNoQuestion, to_qstring(kResetTitle)) == Answer::Yes)
        reset_loads();
    focus_span_box();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box asks the same question as Exit; No leaves everything as it was.
    if (!(end_question_ ? end_question_() : confirm_exit(dialogs_))) {
        event->ignore();
        return;
    }
    event->accept();
    emit exit_confirmed();
}

}  // namespace korvel::ui
