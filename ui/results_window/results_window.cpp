#include "ui/results_window/results_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include "ui/dialogs/confirm_exit.hpp"
#include "ui/results_window/results_table_text.hpp"
#include "ui/results_window/results_window_layout.hpp"
#include "ui/results_window/results_window_texts.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_area.hpp"

namespace korvel::ui {
namespace {

// The picture behind the tables is white on every theme.
const QColor kPictureColour{Qt::white};

const FormEntry kForm{"Form2",
                      "KORVEL",
                      results_layout::kClientWidth,
                      results_layout::kClientHeight,
                      kResultsWindowArrowColour,
                      results_layout::kWindowDescription,
                      kPictureColour,
                      results_layout::kWindowSpokenName};

}  // namespace

ResultsWindow::ResultsWindow(Dialogs& dialogs, QWidget* parent) : FixedForm(kForm, parent), dialogs_(dialogs) {
    build(results_layout::kControls);
    QPushButton& finish = find_control<QPushButton>(*this, "Command3");
    results_layout::for_each_member_row(
        [this](const results_layout::MemberRow& row, results_layout::BlockColumns, engine::Member member) {
            length_labels_[engine::to_index(member)] = &find_control<AutoSizeLabel>(*this, row.length_label);
            force_labels_[engine::to_index(member)] = &find_control<AutoSizeLabel>(*this, row.force_label);
        });
    for (std::size_t i = 0; i < engine::kReactionCount; ++i) {
        reaction_labels_[engine::to_index(engine::kReactionRows[i].reaction)] =
            &find_control<AutoSizeLabel>(*this, results_layout::kReactionRows[i].result_label);
    }
    present_member_table_as_table();

    connect(&finish, &QPushButton::clicked, this, &ResultsWindow::ask_finish);
    connect(&find_control<QPushButton>(*this, "Command1"), &QPushButton::clicked, this, &ResultsWindow::back_requested);
    connect(&find_control<QPushButton>(*this, "Command5"), &QPushButton::clicked, this, &ResultsWindow::ask_start_new);
    add_window_menu();
    // Ctrl+Q asks the Finish question, as the usual key to leave a program.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &ResultsWindow::ask_finish);
    // Finish, the default button, holds the focus when the window first opens, so Enter asks the exit question.
    finish.setFocus();
}

void ResultsWindow::present_member_table_as_table() {
    auto* table = new TableArea(*this, {to_qstring(engine::kMemberHeading), to_qstring(engine::kLengthHeading),
                                        to_qstring(engine::kForceHeading)});
    table->setAccessibleName(to_qstring(results_layout::kMemberTableName));
    table->setAccessibleDescription(to_qstring(results_layout::kMemberTableDescription));
    results_layout::for_each_member_row(
        [this, table](const results_layout::MemberRow& row, results_layout::BlockColumns, engine::Member member) {
            table->add_row({&find_control<AutoSizeLabel>(*this, row.caption_label),
                            length_labels_[engine::to_index(member)], force_labels_[engine::to_index(member)]});
        });
}

void ResultsWindow::show_results(const engine::AnalysisResult& result) {
    shown_ = result;
    for (const engine::Member member : engine::kMembers) {
        length_labels_[engine::to_index(member)]->set_caption(to_qstring(result.length(member).to_text()));
        force_labels_[engine::to_index(member)]->set_caption(to_qstring(result.force(member).to_text()));
    }
    for (const engine::Reaction reaction : engine::kReactions) {
        reaction_labels_[engine::to_index(reaction)]->set_caption(to_qstring(result.reaction(reaction).to_text()));
    }
    for (QAction* command : result_commands_) command->setEnabled(true);
}

void ResultsWindow::copy_results() { QGuiApplication::clipboard()->setText(results_table_text(shown_)); }

void ResultsWindow::ask_finish() {
    if ((end_question_ ? end_question_() : confirm_exit(dialogs_))) emit exit_confirmed();
}

void ResultsWindow::ask_start_new() {
    const Answer answer =
        dialogs_.message(to_qstring(kStartNewQuestion), MessageStyle::YesNoQuestion, to_qstring(kStartNewTitle));
    if (answer == Answer::Yes) emit start_new_confirmed();
}

void ResultsWindow::paintEvent(QPaintEvent* event) {
    // The white picture behind the tables; the strip to its right keeps the background colour.
    QPainter painter(this);
    painter.fillRect(0, 0, results_layout::kPictureWidthPixels, results_layout::kPictureHeightPixels, kPictureColour);
    FixedForm::paintEvent(event);
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    // The title-bar close box (or Alt+F4) asks the same question as Finish.
    if ((end_question_ ? end_question_() : confirm_exit(dialogs_))) {
        event->accept();
        emit exit_confirmed();
    } else {
        event->ignore();
    }
}

}  // namespace korvel::ui
