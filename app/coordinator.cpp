#include "app/coordinator.hpp"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <variant>

#include "engine/analysis.hpp"
#include "engine/span_accuracy.hpp"
#include "ui/dialogs/confirm_exit.hpp"
#include "ui/main_window/main_window_texts.hpp"
#include "ui/results_window/results_window_texts.hpp"
#include "ui/widgets/paint_warm_up.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/window_placement.hpp"

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

    connect(&main_window_, &ui::MainWindow::results_requested, this, &Coordinator::run_analysis);
    connect(&main_window_, &ui::MainWindow::exit_confirmed, this, &Coordinator::quit);
    main_window_.set_end_question([this] { return confirm_end(); });
    connect(&main_window_, &ui::MainWindow::forces_requested, this, [this] { show_forces(main_window_); });
    connect_load_cases();
    connect(&main_window_, &ui::MainWindow::inputs_changed, this, &Coordinator::compare_inputs);
}

Coordinator::~Coordinator() = default;

ui::ResultsWindow& Coordinator::results_window() {
    if (!results_window_) {
        results_window_ = std::make_unique<ui::ResultsWindow>(dialogs_);
        connect(results_window_.get(), &ui::ResultsWindow::back_requested, this, &Coordinator::return_to_main_window);
        connect(results_window_.get(), &ui::ResultsWindow::start_new_confirmed, this, &Coordinator::start_new);
        connect(results_window_.get(), &ui::ResultsWindow::exit_confirmed, this, &Coordinator::quit);
        results_window_->set_end_question([this] { return confirm_end(); });
        connect_results_commands(*results_window_);
    }
    return *results_window_;
}

void Coordinator::connect_results_commands(ui::ResultsWindow& results) {
    // The results commands act on the latest analysis; the window offers them only once there is one.
    const auto on_latest = [this](void (ui::ResultsExport::*save)(const ui::AnalysisRecord&)) {
        return [this, save] {
            if (latest_analysis_) (results_export_.*save)(*latest_analysis_);
        };
    };
    connect(&results, &ui::ResultsWindow::forces_requested, this, [this, &results] { show_forces(results); });
    connect(&results, &ui::ResultsWindow::working_requested, this, [this, &results] { show_working(results); });
    connect(&results, &ui::ResultsWindow::working_pdf_requested, this, on_latest(&ui::ResultsExport::save_working));
    connect(&results, &ui::ResultsWindow::report_requested, this, on_latest(&ui::ResultsExport::save_report));
    connect(&results, &ui::ResultsWindow::csv_requested, this, on_latest(&ui::ResultsExport::save_csv));
    connect(&results, &ui::ResultsWindow::diagram_picture_requested, this, on_latest(&ui::ResultsExport::save_diagram));
}

namespace {

// A window showing an analysis at a pitch that is not 6:12 names it in its title;
// at 6:12 the title is the window's own.
void show_pitch_in_title(QWidget& window, const engine::RoofPitch& pitch) {
    const char* const kOwnTitle = "korvelOwnTitle";
    if (!window.property(kOwnTitle).isValid()) window.setProperty(kOwnTitle, window.windowTitle());
    const QString own = window.property(kOwnTitle).toString();
    window.setWindowTitle(pitch.is_default() ? own
                                             : ui::to_qstring(ui::kPitchInTitle).arg(own, ui::to_qstring(pitch.text)));
}

}  // namespace

void Coordinator::show_forces(QWidget& opener) {
    if (!latest_analysis_) return;
    ui::open_beside(forces_window_, opener);
    bring_forward(forces_window_);
}

void Coordinator::show_working(QWidget& opener) {
    if (!latest_analysis_) return;
    ui::open_beside(working_window_, opener);
    bring_forward(working_window_);
}

void Coordinator::compare_inputs() {
    if (!latest_analysis_) return;
    const engine::AnalysisInput shown = main_window_.input();
    const engine::AnalysisInput& analysed = latest_analysis_->input;
    forces_window_.set_inputs_changed(shown.span != analysed.span || shown.loads != analysed.loads ||
                                      shown.pitch != analysed.pitch);
}

void Coordinator::start() {
    main_window_.installEventFilter(this);
    bring_forward(main_window_);
    main_window_.focus_span_box();
}

bool Coordinator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &main_window_ && event->type() == QEvent::Paint) {
        if (!main_window_painted_) {
            main_window_painted_ = true;
            // Queued, so it runs once the main window's whole first paint is on the screen.
            QTimer::singleShot(0, this, &Coordinator::prepare_results_window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Coordinator::prepare_results_window() {
    ui::ResultsWindow& results = results_window();
    if (!results.isVisible()) ui::warm_up_painting(results, kResultCharacters);
}

void Coordinator::run_analysis(const engine::AnalysisInput& input) {
    const engine::AnalysisOutcome outcome = engine::run_analysis(input);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        main_window_.show_analysis_error(*error);
        return;
    }
    latest_analysis_ = ui::AnalysisRecord{input, std::get<engine::AnalysisResult>(outcome)};
    forces_window_.show_analysis(*latest_analysis_);
    working_window_.show_analysis(*latest_analysis_);
    main_window_.set_forces_available(true);
    // Told before the results show, which they still do after it.
    if (const auto warning = engine::span_accuracy_warning(input.span)) {
        dialogs_.message(QString::fromStdString(warning->message()), ui::MessageStyle::OkExclamation,
                         ui::to_qstring(ui::kLessAccurateTitle));
    }
    ui::ResultsWindow& results = results_window();
    results.show_results(latest_analysis_->result);
    show_pitch_in_title(results, input.pitch);
    show_pitch_in_title(forces_window_, input.pitch);
    bring_forward(results);
    main_window_.hide();
}

void Coordinator::return_to_main_window() {
    bring_forward(main_window_);
    results_window().hide();
}

void Coordinator::start_new() {
    main_window_.reset_loads();
    bring_forward(main_window_);
    main_window_.focus_span_box();
    results_window().hide();
}

bool Coordinator::confirm_end() {
    // Unsaved project changes are the question then; otherwise the program's one exit question.
    if (load_cases_window_ && load_cases_window_->is_modified())
        return load_cases_window_->settle_unsaved_changes(ui::kBeforeEnding);
    return ui::confirm_exit(dialogs_);
}

void Coordinator::quit() {
    emit quitting();
    main_window_.hide();
    if (results_window_) results_window_->hide();
    forces_window_.hide();
    working_window_.hide();
    if (load_cases_window_) load_cases_window_->hide();
    QCoreApplication::exit(0);
}

}  // namespace korvel::app
