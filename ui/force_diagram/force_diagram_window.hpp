#pragma once

#include <QWidget>
#include <optional>

#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The modeless window "KORVEL - Forces": the force diagram of the latest
// analysis, resizable and redrawn at any size and screen scale. Escape or the
// close box closes it without a question; it never ends the program.
class ForceDiagramWindow : public QWidget {
    Q_OBJECT

public:
    explicit ForceDiagramWindow(QWidget* parent = nullptr);

    // Shows this analysis from now on; does not open the window.
    void show_analysis(const AnalysisRecord& record);
    const std::optional<AnalysisRecord>& analysis() const { return analysis_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<AnalysisRecord> analysis_;
};

}  // namespace korvel::ui
