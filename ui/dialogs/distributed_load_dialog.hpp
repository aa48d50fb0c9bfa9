#pragma once

#include <QDialog>
#include <optional>

#include "load_case/distributed_load.hpp"
#include "ui/dialogs/dialogs.hpp"

class QComboBox;
class QLabel;
class QLineEdit;

namespace korvel::ui {

// "Add distributed load": what acts (a load on the top chord per horizontal
// length, one at right angles to the slopes, or one on the bottom chord), on
// which slopes, and its intensity as a number text. Where the project has units,
// a load per area and the truss spacing may give the intensity instead, and the
// line load they make is shown in words before OK. A mistyped number is offered
// again selected, to be typed over.
class DistributedLoadDialog final : public QDialog {
    Q_OBJECT
public:
    explicit DistributedLoadDialog(const DistributedLoadQuestion& question, QWidget* parent = nullptr);

    // The load as entered; with a load per area typed, that and the spacing.
    load_case::DistributedLoadEntry entry() const;

private:
    // Shows the line load of the load per area, or what is wrong with it.
    void show_line_load();

    std::optional<load_case::AreaLoadUnit> area_unit_;
    QComboBox* kind_box_ = nullptr;
    QComboBox* slopes_box_ = nullptr;
    QLineEdit* intensity_box_ = nullptr;
    QLineEdit* per_area_box_ = nullptr;
    QLineEdit* spacing_box_ = nullptr;
    QLabel* line_load_words_ = nullptr;
};

}  // namespace korvel::ui
