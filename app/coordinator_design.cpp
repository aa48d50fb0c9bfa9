// The design window beside the load cases window: it shows the design of the
// project there and hands each of its edits back there, where Undo takes them back.
#include "app/coordinator.hpp"

#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/window_placement.hpp"

namespace korvel::app {

ui::DesignWindow& Coordinator::design_window() {
    if (!design_window_) {
        design_window_ = std::make_unique<ui::DesignWindow>(dialogs_);
        connect(design_window_.get(), &ui::DesignWindow::project_edited, this,
                [this](const load_case::Project& project, const QString& merge_key) {
                    load_cases_window().edit_from_outside(project, merge_key.toStdString());
                });
        connect(design_window_.get(), &ui::DesignWindow::check_working_requested, this,
                [this](const design::CheckWorking& working) { show_check_working(working); });
    }
    return *design_window_;
}

void Coordinator::show_check_working(const design::CheckWorking& working) {
    std::vector<ui::WorkingWindow::PlainStep> steps;
    for (const design::CheckWorkingStep& step : working.steps) {
        ui::WorkingWindow::PlainStep& shown = steps.emplace_back();
        shown.title = QString::fromStdString(step.title);
        if (step.table) {
            shown.headings = ui::to_qstring_list(step.table->headings);
            for (const auto& row : step.table->rows) shown.rows.push_back(ui::to_qstring_list(row));
        }
        for (const design::WorkingLine& line : step.lines) shown.lines << QString::fromStdString(line.text());
    }
    working_window_.show_plain_working(QString::fromStdString(working.title), steps);
    ui::open_beside(working_window_, design_window());
    working_window_.show();
    working_window_.raise();
    working_window_.activateWindow();
}

void Coordinator::show_design() {
    ui::LoadCasesWindow& cases = load_cases_window();
    ui::DesignWindow& window = design_window();
    window.show_project(cases.project());
    ui::open_beside(window, cases);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace korvel::app
