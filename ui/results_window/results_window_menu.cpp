#include <QAction>
#include <QKeySequence>
#include <array>

#include "ui/results_window/results_window.hpp"
#include "ui/widgets/window_menu.hpp"

namespace korvel::ui {
namespace {

// Every command works on the results, so none applies before the first ones are shown. Each has
// its own access letter, so Alt+letter or the letter alone in the open menu runs it.
constexpr std::array<MenuCommand<ResultsWindow>, 7> kCommands{{
    {"&Force diagram", QKeySequence::UnknownKey, "Ctrl+D", &ResultsWindow::forces_requested, false, true},
    {"&Working", QKeySequence::UnknownKey, "Ctrl+K", &ResultsWindow::working_requested, false, true},
    {"Save &report as PDF...", QKeySequence::Print, {}, &ResultsWindow::report_requested, true, true},
    {"Save results as CS&V...", QKeySequence::UnknownKey, {}, &ResultsWindow::csv_requested, false, true},
    {"Save &diagram as SVG/PNG...",
     QKeySequence::UnknownKey,
     {},
     &ResultsWindow::diagram_picture_requested,
     false,
     true},
    {"Save w&orking as PDF...", QKeySequence::UnknownKey, {}, &ResultsWindow::working_pdf_requested, false, true},
    {"&Copy", QKeySequence::Copy, {}, &ResultsWindow::copy_results, true, true},
}};

}  // namespace

void ResultsWindow::add_window_menu() {
    auto* menu = new WindowMenu(*this);
    menu->menu().setAccessibleName(QStringLiteral("Results commands"));
    menu->menu().setAccessibleDescription(QStringLiteral(
        "Shows the force diagram, saves the results as a report, a table or a picture, and copies them."));
    result_commands_ = menu->add_commands(*this, kCommands);
}

}  // namespace korvel::ui
