#pragma once

#include <QDialog>

#include "load_case/distributed_load.hpp"

class QComboBox;
class QLineEdit;

namespace korvel::ui {

// "Add distributed load": what acts (a load on the top chord per horizontal
// length, one at right angles to the slopes, or one on the bottom chord), on
// which slopes, and its intensity as a number text.
class DistributedLoadDialog final : public QDialog {
    Q_OBJECT
public:
    explicit DistributedLoadDialog(QWidget* parent = nullptr);

    load_case::DistributedLoad load() const;

    // Puts the keyboard on the intensity with its text selected, to type it again.
    void select_intensity();

private:
    QComboBox* kind_box_ = nullptr;
    QComboBox* slopes_box_ = nullptr;
    QLineEdit* intensity_box_ = nullptr;
};

}  // namespace korvel::ui
