#pragma once

#include <array>
#include <functional>
#include <vector>

#include "engine/analysis.hpp"
#include "ui/dialogs/dialogs.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/fixed_form.hpp"

class QAction;
class QPushButton;

namespace korvel::ui {

// The results window Form2: the member table with every member's length and
// axial force, the three support reactions, and Back, Start New and Finish.
// It only shows results and asks its questions; switching windows and ending
// the program are left to whoever listens to its signals.
class ResultsWindow : public FixedForm {
    Q_OBJECT

public:
    explicit ResultsWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    // What Finish and the close box ask before the program ends; confirm_exit unless set.
    void set_end_question(std::function<bool()> ask) { end_question_ = std::move(ask); }

public slots:
    // Writes the 61 result labels; does not show the window.
    void show_results(const korvel::engine::AnalysisResult& result);
    // Puts the whole result on the clipboard as a tab-separated table (Ctrl+C).
    void copy_results();

signals:
    void back_requested();
    void start_new_confirmed();
    void exit_confirmed();
    // Commands of the window's menu on the results shown.
    void forces_requested();
    void working_requested();
    void report_requested();
    void csv_requested();
    void diagram_picture_requested();
    void working_pdf_requested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Gathers the 29 member rows (left block, then right block) into one table for assistive technology.
    void present_member_table_as_table();
    void ask_finish();
    void ask_start_new();
    void add_window_menu();

    Dialogs& dialogs_;
    std::function<bool()> end_question_;
    // The result labels, indexed by engine::Member and engine::Reaction.
    std::array<AutoSizeLabel*, engine::kMemberCount> length_labels_{};
    std::array<AutoSizeLabel*, engine::kMemberCount> force_labels_{};
    std::array<AutoSizeLabel*, engine::kReactionCount> reaction_labels_{};
    // What the labels show, for Copy.
    engine::AnalysisResult shown_;
    // Greyed out until the first results are shown.
    std::vector<QAction*> result_commands_;
};

}  // namespace korvel::ui
