#pragma once

#include <QDialog>

#include "load_case/distributed_load.hpp"
#include "ui/dialogs/dialogs.hpp"

class QComboBox;
class QLineEdit;

namespace korvel::ui {

// "Add distributed load": what acts (a load on the top chord per horizontal
// length, one at right angles to the slopes, or one on the bottom chord), on
// which slopes, and its intensity as a number text. A mistyped intensity is
// offered again selected, to be typed over.
class DistributedLoadDialog final : public QDialog {
    Q_OBJECT
public:
    explicit DistributedLoadDialog(const DistributedLoadQuestion& question, QWidget* parent = nullptr);

    load_case::DistributedLoad load() const;

private:
    QComboBox* kind_box_ = nullptr;
    QComboBox* slopes_box_ = nullptr;
    QLineEdit* intensity_box_ = nullptr;
};

}  // namespace korvel::ui
