#pragma once

#include <QLabel>

namespace korvel::ui {

// A caption label. A fitted label resizes to its caption whenever set_caption
// runs: a right-aligned one keeps its right edge and grows to the left, any
// other keeps its left edge and grows to the right. The top edge never moves.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    enum class Growth { Fixed, KeepLeftEdge, KeepRightEdge };

    AutoSizeLabel(Growth growth, QWidget* parent);

    void set_caption(const QString& caption);
    Growth growth() const { return growth_; }

    // The box a caption needs in the label's font.
    QSize fitted_size(const QString& caption) const;

private:
    Growth growth_;
};

}  // namespace korvel::ui
