#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <variant>

#include "design/check_working.hpp"
#include "design/design_edits.hpp"
#include "design/project_design.hpp"
#include "load_case/project.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/report/results_export.hpp"
#include "ui/widgets/window_menu.hpp"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace korvel::ui {

class DesignPicture;

// The window's first size on a screen of `available` room.
QSize design_window_size(const QSize& available);

// The modeless window "KORVEL - Design": the design settings of the project in
// the load cases window, and the design they give: its conditions, every
// member's check, the lightest sections, the verdict and the deflections. The
// project stays the load cases window's: each change made here goes there as
// an edit (undone there), and comes back through show_project.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the design of this project; the window follows each change of it.
    void show_project(const load_case::Project& project);
    const load_case::Project& project() const { return project_; }
    // The design shown, or why there is none.
    const std::variant<design::ProjectDesign, design::DesignError>& shown() const { return shown_; }

signals:
    // The project with one change of its units or design; changes sharing a
    // merge key (the keystrokes into one box) undo as one.
    void project_edited(const korvel::load_case::Project& project, const QString& merge_key);
    // The working of the chosen member's checks, to be shown in the working window.
    void check_working_requested(const korvel::design::CheckWorking& working);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build_settings();
    QWidget* build_sections_tab();
    QWidget* build_buckling_tab();
    QWidget* build_duration_tab();
    QWidget* build_candidates_tab();
    // Hands on the working of the member of the current row of the design table.
    void on_check_working();
    // Asks for a node and hands on the virtual-work tables of its deflection.
    void on_virtual_work();
    QWidget* build_results();
    QWidget* build_picture();
    // The picture of the design shown, with the deformed shape of the combination chosen.
    void show_picture();

    // Takes an edit of the project: shows it at once and hands it on.
    void propose(load_case::Project edited, const QString& merge_key = {});
    // The settings from the project, without taking the filling for an edit;
    // a box being typed into keeps its text and cursor.
    void show_settings(const load_case::Project& before);
    void show_design();
    void show_members(const load_case::DesignSettings& now);
    void show_durations(const load_case::DesignSettings& now);
    void show_candidates(const load_case::DesignSettings& now);
    // Why each setting does not read, beside its box.
    void show_faults();

    void on_units_chosen();
    void on_code_chosen(int index);
    void on_material_chosen(int index);
    void on_service_class_chosen(int index);
    void on_serviceability_changed();
    void on_member_picked();
    void on_use_lightest();
    void on_save_report();
    void on_save_csv();
    void on_close() { close(); }
    void on_roof_limits(load_case::Ceiling ceiling);
    void show_combination_limit();
    // The name of the combination picked in the serviceability list; empty where none is.
    QString picked_combination() const;

    static const std::array<MenuCommand<DesignWindow>, 5> kDesignCommands;

    Dialogs& dialogs_;
    ResultsExport export_;
    load_case::Project project_;
    std::variant<design::ProjectDesign, design::DesignError> shown_;
    bool ever_shown_ = false;

    QComboBox* force_box_ = nullptr;
    QComboBox* length_box_ = nullptr;
    QComboBox* code_box_ = nullptr;
    QComboBox* material_box_ = nullptr;
    QComboBox* service_class_box_ = nullptr;
    std::array<QLineEdit*, design::kPartialFactorKeys.size()> partial_factor_boxes_{};
    std::array<QLabel*, design::kPartialFactorKeys.size()> partial_factor_faults_{};
    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, design::kGroupCount> section_boxes_{};
    std::array<QLabel*, design::kGroupCount> section_faults_{};
    QComboBox* member_box_ = nullptr;
    QLineEdit* member_section_box_ = nullptr;
    QLabel* member_section_fault_ = nullptr;
    QLineEdit* limit_box_ = nullptr;
    QListWidget* serviceability_list_ = nullptr;
    QLineEdit* combination_limit_box_ = nullptr;
    QLabel* bracing_heading_ = nullptr;
    std::array<QLineEdit*, design::kGroupCount> factor_boxes_{}, bracing_boxes_{};
    std::array<QLabel*, design::kGroupCount> factor_faults_{}, bracing_faults_{};
    QLabel* duration_note_ = nullptr;
    std::array<QComboBox*, design::kCaseKindCount> duration_boxes_{};
    std::array<QLabel*, design::kCaseKindCount> duration_faults_{};
    std::array<QPlainTextEdit*, design::kGroupCount> candidate_boxes_{};
    std::array<QLabel*, design::kGroupCount> candidate_sources_{}, candidate_faults_{};
    std::array<QPushButton*, design::kGroupCount> code_list_buttons_{};

    QScrollArea* message_area_ = nullptr;
    QLabel* message_ = nullptr;
    QTabWidget* results_ = nullptr;
    QTableWidget* conditions_ = nullptr;
    QCheckBox* failures_first_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* lightest_ = nullptr;
    QLabel* verdict_ = nullptr;
    QWidget* deflection_page_ = nullptr;
    QLabel* deflection_caption_ = nullptr;
    QTableWidget* deflection_table_ = nullptr;
    QLabel* creep_caption_ = nullptr;
    QTableWidget* creep_table_ = nullptr;
    QComboBox* shape_box_ = nullptr;
    QLabel* shape_fault_ = nullptr;
    DesignPicture* picture_ = nullptr;
};

}  // namespace korvel::ui
