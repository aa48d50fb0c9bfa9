#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "engine/analysis.hpp"
#include "load_case/project.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/main_window/hotspots.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/fixed_form.hpp"
#include "ui/widgets/window_menu.hpp"

namespace korvel::ui {

// Form1: the truss drawing on which the user types the span, enters the loads
// node by node and asks for the results.
class MainWindow : public FixedForm {
    Q_OBJECT
public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);

signals:
    // "&Results" was pressed; carries the span text and the 23 load texts as shown.
    void resultsRequested(const korvel::engine::AnalysisInput& input);
    // The user confirmed leaving the program.
    void exitConfirmed();
    // The force diagram of the latest analysis was asked for (Ctrl+D).
    void forcesRequested();
    // A project file was opened (from the menu or the command line); it belongs to the load cases window.
    void project_opened(const QString& path, const korvel::load_case::Project& project);
    // "Load cases..." was chosen.
    void load_cases_requested();

public slots:
    void showAnalysisError(const korvel::engine::AnalysisError& error);
    // Empties the 23 load labels in the reset order, then the span box.
    void resetLoads();
    void focusSpanBox();
    // Replaces the span and all 23 loads with the case in the file, after asking
    // when the window holds any input; a file that cannot be used is reported and
    // changes nothing. No analysis runs.
    void openLoadCaseFile(const QString& path);
    // Offers the force diagram command once there is an analysis to draw.
    void setForcesAvailable(bool available);

public:
    // The span and the 23 loads as the window shows them.
    engine::AnalysisInput input() const;
    // Shows this span and these loads, after asking when the window holds input;
    // `source` names them in the question ("the load case \"Snow\""). False when
    // the user said No or the span box cannot take the span (which is reported).
    bool put_input(const engine::AnalysisInput& input, const QString& source);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void on_span_changed(const QString& text);
    void on_hotspot_clicked(const Hotspot& hotspot);
    void on_results();
    void on_help();
    void on_about();
    void on_exit();
    void on_reset();

    // The window menu: load cases, all loads in one table, the force diagram (main_window_cases.cpp).
    void add_window_menu();
    void on_open_case();
    void on_save_case();
    void on_edit_loads();
    bool holds_input() const;
    bool confirm_replacing_input(const QString& path);
    void show_input(const engine::AnalysisInput& input);
    void show_loads(const LoadTexts& loads);

    AutoSizeLabel& label(std::string_view name) const;
    QPushButton& button(std::string_view name) const;
    engine::AnalysisInput collect_input() const;

    Dialogs& dialogs_;
    QLineEdit* span_box_ = nullptr;
    WindowMenu* menu_ = nullptr;
    QAction* forces_command_ = nullptr;
};

}  // namespace korvel::ui
