// The design window beside the load cases window: it shows the design of the
// project there and hands each of its edits back there, where Undo takes them back.
#include "app/coordinator.hpp"

#include "ui/widgets/window_placement.hpp"

namespace korvel::app {

ui::DesignWindow& Coordinator::design_window() {
    if (!design_window_) {
        design_window_ = std::make_unique<ui::DesignWindow>(dialogs_);
        connect(design_window_.get(), &ui::DesignWindow::project_edited, this,
                [this](const load_case::Project& project, const QString& merge_key) {
                    load_cases_window().edit_from_outside(project, merge_key.toStdString());
                });
    }
    return *design_window_;
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
