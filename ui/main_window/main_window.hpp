#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "engine/analysis.hpp"
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

    AutoSizeLabel& load_label(engine::Node node, engine::Component component) const;
    engine::AnalysisInput collect_input() const;

    Dialogs& dialogs_;
    QLineEdit* span_box_ = nullptr;
    // The 23 load labels in load-map order, and again in the order the reset empties them.
    std::array<AutoSizeLabel*, engine::kLoadCount> load_labels_{};
    std::array<AutoSizeLabel*, engine::kLoadCount> labels_in_reset_order_{};
    WindowMenu* menu_ = nullptr;
    QAction* forces_command_ = nullptr;
};

}  // namespace korvel::ui
