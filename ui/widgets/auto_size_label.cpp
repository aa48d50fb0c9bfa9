#include "ui/widgets/auto_size_label.hpp"

#include <QAccessible>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "ui/widgets/accessibility.hpp"

namespace korvel::ui {

namespace {
// An empty fitted label is 45 twips wide, and one-line labels keep a pixel of
// room below the descent (a node name is 195 twips high).
constexpr int kMinimumWidthPixels = 3;
constexpr int kLineRoomPixels = 1;
}  // namespace

AutoSizeLabel::AutoSizeLabel(Growth growth, QWidget* parent) : QLabel(parent), growth_(growth) {
    install_accessibility();
    // Captions are shown exactly as typed: never as rich text, never with mnemonics.
    setTextFormat(Qt::PlainText);
}

QString AutoSizeLabel::shown_caption(const QString& caption) {
    if (caption.size() <= kShownCaptionLength) return caption;
    qsizetype kept = kShownCaptionLength;
    // Never end on the first half of a surrogate pair.
    if (caption.at(kept - 1).isHighSurrogate()) --kept;
    return caption.left(kept) + QChar(0x2026);
}

QSize AutoSizeLabel::fitted_size(const QString& caption) const {
    const QFontMetrics metrics(font());
    return {std::max(metrics.horizontalAdvance(shown_caption(caption)), kMinimumWidthPixels),
            metrics.height() + kLineRoomPixels};
}

void AutoSizeLabel::set_caption(const QString& caption) {
    const QString old_shown = shown_text();
    setText(caption);
    // A screen reader learns of the new value as a change of the label's text.
    if (QAccessible::isActive() && old_shown != shown_text()) {
        QAccessibleTextUpdateEvent changed(this, 0, old_shown, shown_text());
        QAccessible::updateAccessibility(&changed);
    }
    fit_to(caption);
}

void AutoSizeLabel::fit_to(const QString& caption) {
    if (growth_ == Growth::Fixed) return;
    const QRect old_box = geometry();
    const QSize size = fitted_size(caption);
    const int left = growth_ == Growth::KeepRightEdge ? old_box.x() + old_box.width() - size.width() : old_box.x();
    setGeometry(left, old_box.y(), size.width(), size.height());
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    // A theme may change the application's font after the windows are built;
    // a caption then fits the new font instead of being cut.
    if (event->type() == QEvent::FontChange && !text().isEmpty()) fit_to(text());
    QLabel::changeEvent(event);
}

QSize AutoSizeLabel::sizeHint() const { return is_long() ? fitted_size(text()) : QLabel::sizeHint(); }

QSize AutoSizeLabel::minimumSizeHint() const { return is_long() ? fitted_size(text()) : QLabel::minimumSizeHint(); }

void AutoSizeLabel::paintEvent(QPaintEvent* event) {
    if (!is_long()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), shown_text(),
                          foregroundRole());
}

void AutoSizeLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace korvel::ui
