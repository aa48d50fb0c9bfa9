#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "engine/analysis.hpp"
#include "load_case/distributed_load.hpp"
#include "load_case/project.hpp"
#include "load_case/project_history.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/load_cases_window/load_cases_window_texts.hpp"
#include "ui/report/results_export.hpp"
#include "ui/widgets/window_menu.hpp"

class QAction;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace korvel::ui {

class EnvelopeView;
class LoadTable;

// The modeless window "KORVEL - Load cases": the project being edited, its load
// cases with their loads, and its combinations as a table of factors, a row per
// combination and a column per case. The project here is the only copy; closing
// the window hides it and keeps the project for the next opening.
class LoadCasesWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadCasesWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    // Cuts its controls' signals first: closing a cell editor while the window is
    // taken down commits the cell, which must not reach a half-destroyed window.
    ~LoadCasesWindow() override;

    const load_case::Project& project() const { return project_; }
    // Whether the project changed since it was last opened or saved.
    bool is_modified() const { return isWindowModified(); }
    // Before the window closes or the program ends: with unsaved changes, asks to
    // save them. True when the user saved or discarded them, or there were none.
    bool settle_unsaved_changes(std::string_view before);

    // Shows the project read from `path`, after asking when the window holds
    // unsaved changes; the project is saved back there. False when the user said No.
    bool open_project(const QString& path, const load_case::Project& project);
    // Replaces the selected case's loads with these; the span too while the project has none.
    void take_loads(const engine::AnalysisInput& input);
    // Appends the preset's combinations of the cases that the project does not have yet.
    void insert_preset(std::size_t preset);

    // The envelope beside the project; it follows each change once the events of the moment are handled.
    const EnvelopeView& envelope_view() const { return *envelope_view_; }
    // Brings the envelope up to date now, without waiting for the events of the moment.
    void update_envelope();

    // Makes the project this one as one edit of the history, as another window
    // edits it; edits sharing a non-empty merge key undo as one.
    void edit_from_outside(const load_case::Project& edited, const std::string& merge_key);

    // The selected case, if any.
    std::optional<std::size_t> selected_case() const;
    void select_case(std::size_t index);

signals:
    // "Take the main window's loads": the coordinator answers with take_loads.
    void main_loads_requested();
    // "Put into the main window": the span and the selected case's loads, and words naming them.
    void put_into_main_requested(const korvel::engine::AnalysisInput& input, const QString& source);
    // After every change of the project, as it is typed.
    void project_changed();
    // A project file was opened here or saved from here.
    void project_file_used(const QString& path);
    // "Design members...": the coordinator opens the design window on this project.
    void design_requested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Makes one edit of the project through a function of load_case/project_edits
    // and records it for Undo; keystrokes into one cell share a `merge_key`, so they are one edit.
    void edit(const std::function<void(load_case::Project&)>& change, std::string merge_key = {});
    void on_undo();
    void on_redo();
    // Shows a project that replaced the one in the window, keeping the selection where it can.
    void show_replaced();
    void on_new_project();
    void on_close();

    QWidget* build_case_side();
    QWidget* build_combination_side();
    QPushButton* add_button(QWidget* parent, const CommandWords& words, void (LoadCasesWindow::*handler)());

    // Case commands.
    void on_add_case();
    void on_rename_case();
    void on_duplicate_case();
    void on_delete_case();
    void on_take_loads();
    void on_put_loads();
    void on_distributed_load();
    // Adds the nodal loads of a uniform load, or of a load per area over the truss
    // spacing, to the selected case; a load that cannot be added is reported,
    // changes nothing and gives its fault.
    std::optional<load_case::DistributedLoadFault> add_distributed_load(
        const load_case::DistributedLoadEntry& entry, const std::optional<load_case::AreaLoadUnit>& area_unit);
    void on_kind_chosen(int index);
    void on_loads_edited();
    // Asks for a case name until it is usable or the user cancels; `except` may keep its own name.
    std::optional<QString> ask_case_name(const QString& title, const QString& suggestion,
                                         std::optional<std::size_t> except);

    // Combination commands (load_cases_window_combinations.cpp).
    void on_add_combination();
    void on_delete_combination();
    void on_combination_cell(QTableWidgetItem* item);

    // File commands.
    void on_open();
    void on_save() { save(); }
    void on_save_as() { save_as(); }
    // True when the project was saved.
    bool save();
    bool save_as();
    bool save_to(const QString& path);
    void on_save_envelope_report();
    void on_save_envelope_csv();
    void on_save_combination_report();
    void on_design_members() { emit design_requested(); }

    void on_pitch_edited(const QString& text);
    // Shows the project's span and pitch in their boxes.
    void show_truss();
    // Shows the project anew: the span, the pitch, the case list, the selected case and the combinations.
    void show_project();
    void show_cases(std::optional<std::size_t> select);
    void show_selected_case();
    void show_combinations();
    // After each change of the project: the modified mark, the envelope and the coordinator follow.
    void changed();
    void show_modified();

    static const std::array<MenuCommand<LoadCasesWindow>, 9> kProjectCommands;
    static const std::array<MenuCommand<LoadCasesWindow>, 2> kEditCommands;

    Dialogs& dialogs_;
    load_case::Project project_;
    // The project as it was last opened or saved; the window is modified while it differs.
    load_case::Project saved_;
    load_case::ProjectHistory history_;
    QString path_;

    // A pitch typed that parse_pitch refuses: the box keeps it, the project its last pitch, and the envelope says why.
    std::optional<engine::PitchError> pitch_refusal_;

    QLineEdit* span_box_ = nullptr;
    QLineEdit* pitch_box_ = nullptr;
    QListWidget* case_list_ = nullptr;
    QComboBox* kind_box_ = nullptr;
    LoadTable* load_table_ = nullptr;
    QTableWidget* combination_table_ = nullptr;
    QLabel* file_label_ = nullptr;
    QAction* undo_action_ = nullptr;
    QAction* redo_action_ = nullptr;
    QList<QPushButton*> case_commands_;  // those that need a selected case
    EnvelopeView* envelope_view_ = nullptr;
    QTimer* envelope_timer_ = nullptr;
    ResultsExport export_;
};

}  // namespace korvel::ui
