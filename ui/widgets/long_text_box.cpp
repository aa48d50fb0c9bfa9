#include "ui/widgets/long_text_box.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/widgets/auto_size_label.hpp"

namespace korvel::ui {

namespace {
// The gap QLineEdit keeps between its frame and its text.
constexpr int kTextMarginPixels = 2;
}  // namespace

LongTextBox::LongTextBox(QWidget* parent) : QLineEdit(parent) {
    // Connected first, so the box has settled before anyone else hears of the change.
    connect(this, &QLineEdit::textChanged, this, &LongTextBox::on_text_changed);
}

void LongTextBox::on_text_changed(const QString& text) {
    const bool was_long = holds_long_text();
    const bool is_long = text.size() > kLongTextLength;
    if (is_long != was_long) setEchoMode(is_long ? QLineEdit::NoEcho : QLineEdit::Normal);
    if (!is_long && !was_long) return;
    // Setting the same text again empties the undo history (also of removing a
    // long text) and signals no change.
    const int cursor = cursorPosition();
    setText(text);
    setCursorPosition(cursor);
}

void LongTextBox::keyPressEvent(QKeyEvent* event) {
    // Moving by characters goes through the text layout, which a long text has not.
    const bool select =
        event->matches(QKeySequence::SelectPreviousChar) || event->matches(QKeySequence::SelectNextChar);
    const bool back =
        event->matches(QKeySequence::MoveToPreviousChar) || event->matches(QKeySequence::SelectPreviousChar);
    const bool forward = event->matches(QKeySequence::MoveToNextChar) || event->matches(QKeySequence::SelectNextChar);
    if (!holds_long_text() || !(back || forward)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString& content = text();
    int cursor = cursorPosition();
    if (back && cursor > 0) cursor -= cursor > 1 && content.at(cursor - 1).isLowSurrogate() ? 2 : 1;
    if (forward && cursor < content.size()) cursor += content.at(cursor).isHighSurrogate() ? 2 : 1;
    if (!select) {
        deselect();
        setCursorPosition(cursor);
    } else {
        const int anchor = !hasSelectedText()                     ? cursorPosition()
                           : cursorPosition() == selectionStart() ? selectionEnd()
                                                                  : selectionStart();
        setSelection(anchor, cursor - anchor);
    }
    event->accept();
}

void LongTextBox::paintEvent(QPaintEvent* event) {
    // QLineEdit measures its whole text at every paint, so a long text draws its
    // frame and beginning here instead (without the text cursor, whose place is
    // not among the characters shown).
    if (!holds_long_text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .adjusted(kTextMarginPixels, 0, -kTextMarginPixels, 0);
    painter.setClipRect(contents);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(contents, Qt::AlignLeft | Qt::AlignVCenter,
                     AutoSizeLabel::shown_caption(text().left(AutoSizeLabel::kShownCaptionLength + 1)));
}

}  // namespace korvel::ui
