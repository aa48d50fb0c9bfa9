#pragma once

#include <QFont>
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
//
// A fitted label never grows over the next caption or control of its window on
// its row, nor past the window's edge. A caption too wide for that room is
// drawn in a smaller size of the label's font, down to kSmallestShare of it
// (never under kSmallestPixelSize); past that it is cut to its beginning and
// "…", and the label's hover text and spoken description carry it whole.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    enum class Growth { Fixed, KeepLeftEdge, KeepRightEdge };

    static constexpr int kShownCaptionLength = 64;
    // Smaller than this share of its size, or than 7 pixels, a number is no longer read reliably.
    static constexpr double kSmallestShare = 0.65;
    static constexpr int kSmallestPixelSize = 7;
    // Blank pixels kept between a grown caption and the next one.
    static constexpr int kCaptionGapPixels = 2;

    AutoSizeLabel(Growth growth, QWidget* parent);

    void set_caption(const QString& caption);
    Growth growth() const { return growth_; }

    // What the label draws of a caption: the caption itself, or its bounded beginning and "…".
    static QString shown_caption(const QString& caption);
    QString shown_text() const { return shown_caption(text()); }

    // What the label draws now and in which font: the shown text, or its beginning and "…" when the room is short.
    // The hover text of a cut label is its shown text.
    QString drawn_text() const { return is_fitted() ? drawn_text_ : shown_text(); }
    QFont drawn_font() const { return is_fitted() ? drawn_font_ : font(); }
    bool is_cut() const { return drawn_text() != text(); }
    // Where the drawn text starts and where its letters lie, in the label's coordinates.
    int text_left() const;
    QRect ink_rect() const;

    // The box the label takes for a caption where it stands now.
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
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A caption as it fits the label's room: the text drawn, its font and the label's box.
    struct Fit {
        QString text;
        QFont font;
        QSize size;
    };
    Fit fit(const QString& caption) const;
    // The widest the label may grow from the edge it keeps, in pixels.
    int room() const;
    // Resizes a fitted label to the caption, keeping the edge its alignment keeps.
    void fit_to(const QString& caption);
    // The baseline of the label's own font, on which a smaller font is drawn too.
    int baseline() const;
    bool is_drawn_as_set() const;

    // Whether the caption was fitted by set_caption, not set behind its back with setText.
    bool is_fitted() const { return fitted_caption_ == text(); }

    Growth growth_;
    bool clickable_ = false;
    bool heading_ = false;
    QString fitted_caption_;
    QString drawn_text_;
    QFont drawn_font_;
    // The hover text was set to the whole caption because the drawn one is cut.
    bool whole_caption_tooltip_ = false;
};

}  // namespace korvel::ui
