#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "engine/working.hpp"
#include "ui/force_diagram/analysis_record.hpp"

class QCheckBox;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace korvel::ui {

// The modeless window "KORVEL - Working": the program's hand solution of the latest
// analysis, one step at a time, each with a drawing of the truss. In study mode each
// step's result stays hidden until it is shown. Keyboard only: the step list takes Up,
// Down, Home and End, Space or Enter shows a hidden result; Escape closes the window.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget* parent = nullptr);

    // Shows the working of this analysis from now on; does not open the window.
    void show_analysis(const AnalysisRecord& record);
    const std::optional<engine::Working>& working() const { return working_; }

    // A working made elsewhere (a member's design check): a step per check, its
    // title and its lines, no drawing. Replaces the analysis until the next one.
    struct PlainStep {
        QString title;
        QStringList headings;  // of a table shown before the lines, where it has rows
        std::vector<QStringList> rows;
        QStringList lines;
    };
    void show_plain_working(const QString& title, const std::vector<PlainStep>& steps);
    const std::vector<PlainStep>& plain_steps() const { return plain_; }

    void set_study_mode(bool on);
    // Every digit of each double, instead of six significant digits with the rest on hover.
    void set_full_precision(bool on);
    // Shows the result of the current step.
    void reveal_current();
    bool is_revealed(int step) const;

    // The size it opens at where the screen has room.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Sketch;
    class FocusMark;

    void work_out_pending();
    void fill_steps();
    void show_step(int row);
    void update_item(int row);
    bool answer_shown(int row) const;
    engine::Precision precision() const;

    QListWidget* steps_;
    QTextBrowser* detail_;
    Sketch* sketch_;
    QCheckBox* study_;
    QCheckBox* full_precision_;
    QPushButton* reveal_;
    std::optional<engine::AnalysisInput> pending_;
    std::optional<engine::Working> working_;
    std::vector<bool> revealed_;
    std::vector<PlainStep> plain_;
};

}  // namespace korvel::ui
