#include "app/coordinator.hpp"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <variant>

#include "engine/analysis.hpp"
#include "ui/widgets/paint_warm_up.hpp"

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
    : QObject(parent), main_window_(dialogs), dialogs_(dialogs), results_export_(dialogs) {
    // The windows take turns; the program ends only through a confirmed Exit or Finish.
    QApplication::setQuitOnLastWindowClosed(false);

    connect(&main_window_, &ui::MainWindow::resultsRequested, this, &Coordinator::runAnalysis);
    connect(&main_window_, &ui::MainWindow::exitConfirmed, this, &Coordinator::quit);
    connect(&main_window_, &ui::MainWindow::forcesRequested, this, &Coordinator::showForces);
    connect_load_cases();
}

Coordinator::~Coordinator() = default;

ui::ResultsWindow& Coordinator::resultsWindow() {
    if (!results_window_) {
        results_window_ = std::make_unique<ui::ResultsWindow>(dialogs_);
        connect(results_window_.get(), &ui::ResultsWindow::backRequested, this, &Coordinator::returnToMainWindow);
        connect(results_window_.get(), &ui::ResultsWindow::startNewConfirmed, this, &Coordinator::startNew);
        connect(results_window_.get(), &ui::ResultsWindow::exitConfirmed, this, &Coordinator::quit);
        connectResultsCommands(*results_window_);
    }
    return *results_window_;
}

void Coordinator::connectResultsCommands(ui::ResultsWindow& results) {
    // The results commands act on the latest analysis; the window offers them only once there is one.
    const auto on_latest = [this](void (ui::ResultsExport::*save)(const ui::AnalysisRecord&)) {
        return [this, save] {
            if (latest_analysis_) (results_export_.*save)(*latest_analysis_);
        };
    };
    connect(&results, &ui::ResultsWindow::forcesRequested, this, &Coordinator::showForces);
    connect(&results, &ui::ResultsWindow::reportRequested, this, on_latest(&ui::ResultsExport::saveReport));
    connect(&results, &ui::ResultsWindow::csvRequested, this, on_latest(&ui::ResultsExport::saveCsv));
    connect(&results, &ui::ResultsWindow::diagramPictureRequested, this, on_latest(&ui::ResultsExport::saveDiagram));
}

void Coordinator::showForces() {
    if (latest_analysis_) bring_forward(forces_window_);
}

void Coordinator::start() {
    main_window_.installEventFilter(this);
    bring_forward(main_window_);
    main_window_.focusSpanBox();
}

bool Coordinator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &main_window_ && event->type() == QEvent::Paint) {
        main_window_.removeEventFilter(this);
        // Queued, so it runs once the main window's whole first paint is on the screen.
        QTimer::singleShot(0, this, &Coordinator::prepareResultsWindow);
    }
    return QObject::eventFilter(watched, event);
}

void Coordinator::prepareResultsWindow() {
    ui::ResultsWindow& results = resultsWindow();
    if (!results.isVisible()) ui::warm_up_painting(results, kResultCharacters);
}

void Coordinator::runAnalysis(const engine::AnalysisInput& input) {
    const engine::AnalysisOutcome outcome = engine::run_analysis(input);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        main_window_.showAnalysisError(*error);
        return;
    }
    latest_analysis_ = ui::AnalysisRecord{input, std::get<engine::AnalysisResult>(outcome)};
    forces_window_.showAnalysis(*latest_analysis_);
    main_window_.setForcesAvailable(true);
    ui::ResultsWindow& results = resultsWindow();
    results.showResults(latest_analysis_->result);
    bring_forward(results);
    main_window_.hide();
}

void Coordinator::returnToMainWindow() {
    bring_forward(main_window_);
    resultsWindow().hide();
}

void Coordinator::startNew() {
    main_window_.resetLoads();
    bring_forward(main_window_);
    main_window_.focusSpanBox();
    resultsWindow().hide();
}

void Coordinator::quit() {
    emit quitting();
    main_window_.hide();
    if (results_window_) results_window_->hide();
    forces_window_.hide();
    if (load_cases_window_) load_cases_window_->hide();
    QCoreApplication::exit(0);
}

}  // namespace korvel::app
