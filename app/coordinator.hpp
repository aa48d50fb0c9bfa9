#pragma once

#include <QObject>
#include <QStringView>
#include <memory>
#include <optional>

#include "ui/design_window/design_window.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/force_diagram/analysis_record.hpp"
#include "ui/force_diagram/force_diagram_window.hpp"
#include "ui/load_cases_window/load_cases_window.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/report/results_export.hpp"
#include "ui/results_window/results_window.hpp"
#include "ui/working_window/working_window.hpp"

namespace korvel::app {

// Owns the two windows for the whole run and switches between them: a completed
// analysis shows the results in place of the main window, Back and Start New
// return, and a confirmed Exit or Finish ends the event loop with status 0.
// Only one of the two is shown at a time, so hiding one must never end the
// program. The force diagram window stays open beside either of them and always
// shows the latest analysis, which is kept for it and for the saved files.
//
// The results window is built after the main window's first paint, when the
// user cannot yet have asked for results, and drawn once off screen then, so
// neither the start nor the first results wait for it.
class Coordinator final : public QObject {
    Q_OBJECT

public:
    explicit Coordinator(ui::Dialogs& dialogs, QObject* parent = nullptr);
    ~Coordinator() override;

    Coordinator(const Coordinator&) = delete;
    Coordinator& operator=(const Coordinator&) = delete;

    ui::MainWindow& main_window() { return main_window_; }
    // Builds the results window first if it has not been built yet.
    ui::ResultsWindow& results_window();
    ui::ForceDiagramWindow& forces_window() { return forces_window_; }
    ui::WorkingWindow& working_window() { return working_window_; }
    // Builds the load cases window first if it has not been built yet.
    ui::LoadCasesWindow& load_cases_window();
    // Builds the design window first if it has not been built yet.
    ui::DesignWindow& design_window();

    // Shows the main window with the keyboard focus in the span box.
    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Emitted just before the event loop is told to end.
    void quitting();

private:
    // Every character a result text can hold.
    static constexpr QStringView kResultCharacters = u"0123456789.-";

    void prepare_results_window();
    void run_analysis(const engine::AnalysisInput& input);
    void return_to_main_window();
    void start_new();
    void quit();
    void connect_results_commands(ui::ResultsWindow& results);
    void show_forces(QWidget& opener);
    void show_working(QWidget& opener);
    // Tells the force diagram whether the main window still shows the inputs it was drawn from.
    void compare_inputs();
    // The load cases window and the main window meet here (coordinator_load_cases.cpp).
    void connect_load_cases();
    void show_load_cases();
    // The design window beside the load cases window, on its project (coordinator_design.cpp).
    void show_design();
    void show_check_working(const design::CheckWorking& working);
    // Before the program ends: Save / Discard / Cancel with unsaved project changes, else Exit's question.
    bool confirm_end();

    ui::MainWindow main_window_;
    ui::Dialogs& dialogs_;
    std::unique_ptr<ui::ResultsWindow> results_window_;
    std::unique_ptr<ui::LoadCasesWindow> load_cases_window_;
    std::unique_ptr<ui::DesignWindow> design_window_;
    ui::ForceDiagramWindow forces_window_;
    ui::WorkingWindow working_window_;
    ui::ResultsExport results_export_;
    std::optional<ui::AnalysisRecord> latest_analysis_;
    bool main_window_painted_ = false;
};

}  // namespace korvel::app
