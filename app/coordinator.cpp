#include "app/coordinator.hpp"

#include <QApplication>
#include <variant>

#include "engine/analysis.hpp"

namespace korvel::app {
namespace {

// Shows a window and gives it the keyboard, so Enter and the access keys reach
// it at once after the switch.
void bring_forward(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

Coordinator::Coordinator(ui::Dialogs& dialogs, QObject* parent)
    : QObject(parent), main_window_(dialogs), results_window_(dialogs), results_export_(dialogs) {
    // The windows take turns; the program ends only through a confirmed Exit or Finish.
    QApplication::setQuitOnLastWindowClosed(false);

    connect(&main_window_, &ui::MainWindow::resultsRequested, this, &Coordinator::runAnalysis);
    connect(&main_window_, &ui::MainWindow::exitConfirmed, this, &Coordinator::quit);
    connect(&results_window_, &ui::ResultsWindow::backRequested, this, &Coordinator::returnToMainWindow);
    connect(&results_window_, &ui::ResultsWindow::startNewConfirmed, this, &Coordinator::startNew);
    connect(&results_window_, &ui::ResultsWindow::exitConfirmed, this, &Coordinator::quit);
    connectResultsCommands();
}

void Coordinator::connectResultsCommands() {
    // The results commands act on the latest analysis; the window offers them only once there is one.
    const auto on_latest = [this](void (ui::ResultsExport::*save)(const ui::AnalysisRecord&)) {
        return [this, save] {
            if (latest_analysis_) (results_export_.*save)(*latest_analysis_);
        };
    };
    connect(&results_window_, &ui::ResultsWindow::forcesRequested, this, &Coordinator::showForces);
    connect(&results_window_, &ui::ResultsWindow::reportRequested, this, on_latest(&ui::ResultsExport::saveReport));
    connect(&results_window_, &ui::ResultsWindow::csvRequested, this, on_latest(&ui::ResultsExport::saveCsv));
    connect(&results_window_, &ui::ResultsWindow::diagramPictureRequested, this,
            on_latest(&ui::ResultsExport::saveDiagram));
}

void Coordinator::showForces() {
    if (latest_analysis_) bring_forward(forces_window_);
}

Coordinator::~Coordinator() = default;

void Coordinator::start() {
    bring_forward(main_window_);
    main_window_.focusSpanBox();
}

void Coordinator::runAnalysis(const engine::AnalysisInput& input) {
    const engine::AnalysisOutcome outcome = engine::run_analysis(input);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        main_window_.showAnalysisError(*error);
        return;
    }
    latest_analysis_ = ui::AnalysisRecord{input, std::get<engine::AnalysisResult>(outcome)};
    forces_window_.showAnalysis(*latest_analysis_);
    results_window_.showResults(latest_analysis_->result);
    bring_forward(results_window_);
    main_window_.hide();
}

void Coordinator::returnToMainWindow() {
    bring_forward(main_window_);
    results_window_.hide();
}

void Coordinator::startNew() {
    main_window_.resetLoads();
    bring_forward(main_window_);
    main_window_.focusSpanBox();
    results_window_.hide();
}

void Coordinator::quit() {
    emit quitting();
    main_window_.hide();
    results_window_.hide();
    forces_window_.hide();
    QCoreApplication::exit(0);
}

}  // namespace korvel::app
