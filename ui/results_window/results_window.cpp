#include "ui/results_window/results_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/dialogs/confirm_exit.hpp"
#include "ui/results_window/results_table_text.hpp"
#include "ui/results_window/results_window_layout.hpp"
#include "ui/widgets/artwork.hpp"
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
    present_member_table_as_table();

    for (std::size_t i = 0; i < engine::kResultCount; ++i) {
        const QString name = to_qstring(engine::kResultSlots[i].label);
        result_labels_[i] = findChild<AutoSizeLabel*>(name);
        if (result_labels_[i] == nullptr) throw std::logic_error("results window has no label " + name.toStdString());
    }

    QPushButton& finish = button("Command3");
    connect(&finish, &QPushButton::clicked, this, &ResultsWindow::ask_finish);
    connect(&button("Command1"), &QPushButton::clicked, this, &ResultsWindow::back_requested);
    connect(&button("Command5"), &QPushButton::clicked, this, &ResultsWindow::ask_start_new);
    add_window_menu();
    // Ctrl+Q asks the Finish question, as the usual key to leave a program.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &ResultsWindow::ask_finish);
    // Finish, the default button, holds the focus when the window first opens, so Enter asks the exit question.
    finish.setFocus();
}

void ResultsWindow::present_member_table_as_table() {
    auto* table =
        new TableArea(*this, {QStringLiteral("Member"), QStringLiteral("Length"), QStringLiteral("Axial force")});
    table->setAccessibleName(to_qstring(results_layout::kMemberTableName));
    table->setAccessibleDescription(to_qstring(results_layout::kMemberTableDescription));
    const auto add_rows = [this, table](const auto& rows) {
        for (const results_layout::MemberRow& row : rows) {
            std::vector<QWidget*> cells;
            for (const std::string_view name : {row.caption_label, row.length_label, row.force_label}) {
                auto* label = findChild<AutoSizeLabel*>(to_qstring(name));
                if (label == nullptr) throw std::logic_error("results window has no label " + std::string(name));
                cells.push_back(label);
            }
            table->add_row(cells);
        }
    };
    add_rows(results_layout::kLeftBlockRows);
    add_rows(results_layout::kRightBlockRows);
}

QPushButton& ResultsWindow::button(const char* name) {
    auto* found = findChild<QPushButton*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::logic_error(std::string("results window has no button ") + name);
    return *found;
}

void ResultsWindow::show_results(const engine::AnalysisResult& result) {
    for (std::size_t i = 0; i < engine::kResultCount; ++i) {
        result_labels_[i]->set_caption(to_qstring(result.texts[i]));
    }
    for (QAction* command : result_commands_) command->setEnabled(true);
}

void ResultsWindow::copy_results() { QGuiApplication::clipboard()->setText(results_table_text(*this)); }

void ResultsWindow::ask_finish() {
    if (confirm_exit(dialogs_)) emit exit_confirmed();
}

void ResultsWindow::ask_start_new() {
    const Answer answer = dialogs_.message(QStringLiteral("Are you sure to Start New Calculations?"),
                                           MessageStyle::YesNoQuestion, QStringLiteral("New Calculations?"));
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
    if (confirm_exit(dialogs_)) {
        event->accept();
        emit exit_confirmed();
    } else {
        event->ignore();
    }
}

}  // namespace korvel::ui
