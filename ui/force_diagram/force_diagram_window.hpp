#pragma once

#include <QWidget>
#include <optional>

#include "ui/force_diagram/analysis_record.hpp"

class QLabel;

namespace korvel::ui {

// The modeless window "KORVEL - Forces": the force diagram of the latest
// analysis, resizable and redrawn at any size and screen scale. Escape or the
// close box closes it without a question; it never ends the program.
class ForceDiagramWindow : public QWidget {
    Q_OBJECT

public:
    explicit ForceDiagramWindow(QWidget* parent = nullptr);

    // Shows this analysis from now on; does not open the window. Clears the note
    // that the inputs have changed.
    void show_analysis(const AnalysisRecord& record);
    const std::optional<AnalysisRecord>& analysis() const { return analysis_; }

    // Says above the diagram that the inputs no longer match the analysis shown.
    void set_inputs_changed(bool changed);
    bool says_inputs_changed() const;

    // The size it opens at where the screen has room.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place_note();

    std::optional<AnalysisRecord> analysis_;
    QLabel* inputs_changed_;
};

}  // namespace korvel::ui
