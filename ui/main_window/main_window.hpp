#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <vector>

#include "engine/analysis.hpp"
#include "load_case/project.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/main_window/hotspots.hpp"
#include "ui/main_window/recent_files.hpp"
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
    void results_requested(const korvel::engine::AnalysisInput& input);
    // The user confirmed leaving the program.
    void exit_confirmed();
    // The force diagram of the latest analysis was asked for (Ctrl+D).
    void forces_requested();
    // A project file was opened (from the menu or the command line); it belongs to the load cases window.
    void project_opened(const QString& path, const korvel::load_case::Project& project);
    // "Load cases..." was chosen.
    void load_cases_requested();
    void design_requested();
    // The span or a load shown changed, by any road: typing, a load question, the load table,
    // Open, Reset, Start New, undo or redo.
    void inputs_changed();

public slots:
    void show_analysis_error(const korvel::engine::AnalysisError& error);
    // Empties the 23 load labels in the reset order, then the span box.
    void reset_loads();
    void focus_span_box();
    // Replaces the span and all 23 loads with the case in the file, after asking
    // when the window holds any input; a file that cannot be used is reported and
    // changes nothing. No analysis runs.
    void open_load_case_file(const QString& path);
    // Puts a case or project file first in the menu's recent files.
    void remember_file(const QString& path);
    // Offers the force diagram command once there is an analysis to draw.
    void set_forces_available(bool available);

public:
    // What Exit and the close box ask before the program ends; confirm_exit unless set.
    void set_end_question(std::function<bool()> ask) { end_question_ = std::move(ask); }
    // The span and the 23 loads as the window shows them.
    engine::AnalysisInput input() const;
    // Shows this span and these loads, after asking when the window holds input;
    // `source` names them in the question ("the load case \"Snow\""). False when
    // the user said No or the span box cannot take the span (which is reported).
    bool put_input(const engine::AnalysisInput& input, const QString& source);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Lets Ctrl+Z and redo reach the window's history once the span box has none of its own.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void on_span_changed(const QString& text);
    void on_hotspot_clicked(const Hotspot& hotspot);
    // One load question; an answer of several lines is refused and asked again. Nothing on Cancel.
    std::optional<QString> ask_load(std::string_view prompt, std::string_view title, QString offered);
    void refuse_line_breaks(const QString& text);
    void on_results();
    void on_help();
    void on_about();
    void on_exit();
    void on_reset();

    // The window menu: load cases, all loads in one table, the force diagram (main_window_cases.cpp).
    void add_window_menu();
    static const std::array<MenuCommand<MainWindow>, 10> kMenuCommands;
    // The recent files, a "Clear list" entry after them; a file gone is taken off when chosen.
    void fill_recent_menu(QMenu& menu);
    void open_recent(const QString& path);
    void on_open_case();
    void on_save_case();
    void on_edit_loads();
    // Asks for the roof pitch of the next analysis; a pitch that is not 6:12 shows in the window's title.
    void on_pitch();
    void show_pitch(const engine::RoofPitch& pitch);
    bool holds_input() const;
    bool confirm_replacing_input(const QString& path);
    void show_input(const engine::AnalysisInput& input);
    void show_loads(const LoadTexts& loads);

    // The inputs as the window shows them, as undo and redo keep them.
    struct Inputs {
        QString span;
        LoadTexts loads;
        bool operator==(const Inputs&) const = default;
    };
    // One change: undo and redo set back only what it changed, so span typing since is kept.
    struct Change {
        Inputs before;
        Inputs after;
    };
    Inputs shown_inputs() const;
    void show_inputs(const Inputs& from, const Inputs& to);
    // Runs a change of the inputs; one that changed anything can be undone.
    void change_inputs(const std::function<void()>& change);
    void on_undo();
    void on_redo();

    AutoSizeLabel& load_label(engine::Node node, engine::Component component) const;
    engine::AnalysisInput collect_input() const;

    Dialogs& dialogs_;
    std::function<bool()> end_question_;
    QLineEdit* span_box_ = nullptr;
    // The span box's text before the change being checked, kept when a change is refused.
    QString accepted_span_;
    // The 23 load labels in load-map order, and again in the order the reset empties them.
    std::array<AutoSizeLabel*, engine::kLoadCount> load_labels_{};
    std::array<AutoSizeLabel*, engine::kLoadCount> labels_in_reset_order_{};
    // Earlier inputs, the latest last, and those undone since.
    std::vector<Change> undo_;
    std::vector<Change> redo_;
    RecentFiles recent_files_;
    // Greyed out until there is an analysis.
    std::vector<QAction*> analysis_commands_;
    engine::RoofPitch pitch_;
    QString plain_title_;
};

}  // namespace korvel::ui
