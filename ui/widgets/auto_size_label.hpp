#pragma once

#include <QLabel>

namespace korvel::ui {

// A caption label. A fitted label resizes to its caption whenever set_caption
// runs: a right-aligned one keeps its right edge and grows to the left, any
// other keeps its left edge and grows to the right. The top edge never moves.
//
// text() is always the whole caption, however long (a load label is the only
// store of its load). A caption longer than kShownCaptionLength characters is
// drawn and fitted by its beginning followed by "…", so a huge caption costs no
// more to lay out or paint than a short one.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    enum class Growth { Fixed, KeepLeftEdge, KeepRightEdge };

    static constexpr int kShownCaptionLength = 64;

    AutoSizeLabel(Growth growth, QWidget* parent);

    void set_caption(const QString& caption);
    Growth growth() const { return growth_; }

    // What the label draws of a caption: the caption itself, or its bounded beginning and "…".
    static QString shown_caption(const QString& caption);
    QString shown_text() const { return shown_caption(text()); }

    // The box a caption needs in the label's font.
    QSize fitted_size(const QString& caption) const;

    // A clickable label reports a left-button release over it as a click; to
    // assistive technology it is a button with a press action.
    void set_clickable(bool clickable) { clickable_ = clickable; }
    bool is_clickable() const { return clickable_; }
    void click() { emit clicked(); }

    // A heading is announced as such by assistive technology.
    void set_heading(bool heading) { heading_ = heading; }
    bool is_heading() const { return heading_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Resizes a fitted label to the caption, keeping the edge its alignment keeps.
    void fit_to(const QString& caption);
    bool is_long() const { return text().size() > kShownCaptionLength; }

    Growth growth_;
    bool clickable_ = false;
    bool heading_ = false;
};

}  // namespace korvel::ui
