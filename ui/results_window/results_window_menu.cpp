#include <QAction>
#include <QKeySequence>
#include <array>

#include "ui/results_window/results_window.hpp"
#include "ui/widgets/window_menu.hpp"

namespace korvel::ui {
namespace {

// One command of the results window's menu; separator_before starts a new group with it.
struct ResultsCommand {
    const char* text;
    QKeySequence::StandardKey standard_key;
    const char* shortcut;  // where there is no standard key
    void (ResultsWindow::*run)();
    bool separator_before;
};

const std::array<ResultsCommand, 7> kCommands{{
    {"Force diagram", QKeySequence::UnknownKey, "Ctrl+D", &ResultsWindow::forcesRequested, false},
    {"Working", QKeySequence::UnknownKey, "Ctrl+K", &ResultsWindow::workingRequested, false},
    {"Save report as PDF...", QKeySequence::Print, nullptr, &ResultsWindow::reportRequested, true},
    {"Save results as CSV...", QKeySequence::UnknownKey, nullptr, &ResultsWindow::csvRequested, false},
    {"Save diagram as SVG/PNG...", QKeySequence::UnknownKey, nullptr, &ResultsWindow::diagramPictureRequested, false},
    {"Save working as PDF...", QKeySequence::UnknownKey, nullptr, &ResultsWindow::workingPdfRequested, false},
    {"Copy", QKeySequence::Copy, nullptr, &ResultsWindow::copyResults, true},
}};

QKeySequence shortcut_of(const ResultsCommand& command) {
    if (command.standard_key != QKeySequence::UnknownKey) return QKeySequence(command.standard_key);
    return command.shortcut != nullptr ? QKeySequence(QString::fromLatin1(command.shortcut)) : QKeySequence();
}

}  // namespace

void ResultsWindow::addWindowMenu() {
    auto* menu = new WindowMenu(*this);
    menu->menu().setAccessibleName(QStringLiteral("Results commands"));
    menu->menu().setAccessibleDescription(QStringLiteral(
        "Shows the force diagram, saves the results as a report, a table or a picture, and copies them."));
    for (const ResultsCommand& command : kCommands) {
        if (command.separator_before) menu->add_separator();
        QAction* action = menu->add_command(QString::fromLatin1(command.text), shortcut_of(command),
                                            [this, run = command.run] { (this->*run)(); });
        // Every command works on the results, so none applies before the first ones are shown.
        action->setEnabled(false);
        result_commands_.push_back(action);
    }
}

}  // namespace korvel::ui
