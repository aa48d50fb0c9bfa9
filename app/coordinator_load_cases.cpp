// The load cases window beside the main window: it opens from the main window's
// menu or with a project file, and hands loads to and from the main window here,
// as the windows know nothing of each other.
#include "app/coordinator.hpp"

#include "ui/widgets/window_placement.hpp"

namespace korvel::app {

ui::LoadCasesWindow& Coordinator::load_cases_window() {
    if (!load_cases_window_) {
        load_cases_window_ = std::make_unique<ui::LoadCasesWindow>(dialogs_);
        ui::LoadCasesWindow& window = *load_cases_window_;
        connect(&window, &ui::LoadCasesWindow::project_file_used, &main_window_, &ui::MainWindow::remember_file);
        connect(&window, &ui::LoadCasesWindow::main_loads_requested, this,
                [this, &window] { window.take_loads(main_window_.input()); });
        connect(&window, &ui::LoadCasesWindow::put_into_main_requested, this,
                [this](const engine::AnalysisInput& input, const QString& source) {
                    const bool put = main_window_.put_input(input, source);
                    if (put && main_window_.isVisible()) {
                        main_window_.raise();
                        main_window_.activateWindow();
                    }
                });
        connect(&window, &ui::LoadCasesWindow::design_requested, this, &Coordinator::show_design);
        connect(&window, &ui::LoadCasesWindow::project_changed, this, [this, &window] {
            if (design_window_ && design_window_->isVisible()) design_window_->show_project(window.project());
        });
    }
    return *load_cases_window_;
}

void Coordinator::connect_load_cases() {
    connect(&main_window_, &ui::MainWindow::load_cases_requested, this, &Coordinator::show_load_cases);
    connect(&main_window_, &ui::MainWindow::design_requested, this, [this] {
        show_load_cases();
        show_design();
    });
    connect(&main_window_, &ui::MainWindow::project_opened, this,
            [this](const QString& path, const load_case::Project& project) {
                if (!load_cases_window().open_project(path, project)) return;
                show_load_cases();
            });
}

void Coordinator::show_load_cases() {
    ui::LoadCasesWindow& window = load_cases_window();
    ui::open_beside(window, main_window_);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace korvel::app
