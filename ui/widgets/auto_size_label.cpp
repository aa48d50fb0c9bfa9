#include "ui/widgets/auto_size_label.hpp"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <limits>

#include "ui/widgets/accessibility.hpp"

namespace korvel::ui {

namespace {
// An empty fitted label is 45 twips wide, and one-line labels keep a pixel of
// room below the descent (a node name is 195 twips high).
constexpr int kMinimumWidthPixels = 3;
constexpr int kLineRoomPixels = 1;

// What a caption must not run over: another caption, or a control. Node
// hotspots draw nothing, so a caption may lie under them.
bool is_obstacle(const QWidget& widget) {
    if (const auto* label = qobject_cast<const AutoSizeLabel*>(&widget)) return !label->is_clickable();
    return widget.focusPolicy() != Qt::NoFocus;
}

QRect box_in(const QWidget& form, const QWidget& widget) { return {widget.mapTo(&form, QPoint(0, 0)), widget.size()}; }

// The width a text takes: its advance, or where its last letter's ink ends when that lies further right.
int needed_width(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right() + 1);
}
}  // namespace

AutoSizeLabel::AutoSizeLabel(Growth growth, QWidget* parent) : QLabel(parent), growth_(growth), drawn_font_(font()) {
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

int AutoSizeLabel::room() const {
    const QWidget* form = window();
    if (form == this || growth_ == Growth::Fixed) return std::numeric_limits<int>::max();
    const QRect box = box_in(*form, *this);
    const int top = box.top();
    const int bottom = top + QFontMetrics(font()).height() + kLineRoomPixels;
    const bool grows_right = growth_ == Growth::KeepLeftEdge;
    int limit = grows_right ? form->width() : 0;
    for (const QWidget* other : form->findChildren<QWidget*>()) {
        if (other == this || other->window() != form || !other->isVisibleTo(form) || !is_obstacle(*other)) continue;
        const QRect theirs = box_in(*form, *other);
        if (theirs.top() >= bottom || theirs.top() + theirs.height() <= top) continue;
        // Labels of one column share the edge they keep and never meet.
        if (grows_right && theirs.left() > box.left()) limit = std::min(limit, theirs.left() - kCaptionGapPixels);
        if (!grows_right && theirs.right() < box.right())
            limit = std::max(limit, theirs.right() + 1 + kCaptionGapPixels);
    }
    return grows_right ? limit - box.left() : box.right() + 1 - limit;
}

AutoSizeLabel::Fit AutoSizeLabel::fit(const QString& caption) const {
    const QString shown = shown_caption(caption);
    const QFontMetrics metrics(font());
    const int height = metrics.height() + kLineRoomPixels;
    const auto box = [height](int width) { return QSize(std::max(width, kMinimumWidthPixels), height); };
    const int available = room();
    const int natural = needed_width(metrics, shown);
    if (natural <= available) return {shown, font(), box(metrics.horizontalAdvance(shown))};

    const int size = QFontInfo(font()).pixelSize();
    const int smallest = std::min(size, std::max(kSmallestPixelSize, qRound(size * kSmallestShare)));
    QFont smaller = font();
    for (int pixels = size - 1; pixels >= smallest; --pixels) {
        smaller.setPixelSize(pixels);
        const QFontMetrics smaller_metrics(smaller);
        if (needed_width(smaller_metrics, shown) <= available)
            return {shown, smaller, box(smaller_metrics.horizontalAdvance(shown))};
    }
    smaller.setPixelSize(smallest);
    const QFontMetrics small_metrics(smaller);
    const int width = std::max(available, 0);
    QString cut = small_metrics.elidedText(shown, Qt::ElideRight, width);
    for (int narrower = width - 1; narrower > 0 && needed_width(small_metrics, cut) > width; --narrower)
        cut = small_metrics.elidedText(shown, Qt::ElideRight, narrower);
    // Even without room for a digit the label shows that something is there.
    if (cut.isEmpty()) cut = QString(QChar(0x2026));
    return {cut, smaller, box(std::min(small_metrics.horizontalAdvance(cut), width))};
}

QSize AutoSizeLabel::fitted_size(const QString& caption) const { return fit(caption).size; }

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
    const Fit fitted = fit(caption);
    fitted_caption_ = caption;
    drawn_text_ = fitted.text;
    drawn_font_ = fitted.font;
    // A cut caption can be read whole by hovering over it.
    if (is_cut()) {
        setToolTip(shown_text());
        whole_caption_tooltip_ = true;
    } else if (whole_caption_tooltip_) {
        setToolTip(QString());
        whole_caption_tooltip_ = false;
    }
    update();
    if (growth_ == Growth::Fixed) return;
    const QRect old_box = geometry();
    const int left =
        growth_ == Growth::KeepRightEdge ? old_box.x() + old_box.width() - fitted.size.width() : old_box.x();
    setGeometry(left, old_box.y(), fitted.size.width(), fitted.size.height());
}

int AutoSizeLabel::baseline() const { return contentsRect().top() + QFontMetrics(font()).ascent(); }

int AutoSizeLabel::text_left() const {
    const int spare = contentsRect().width() - QFontMetrics(drawn_font()).horizontalAdvance(drawn_text());
    if (alignment() & Qt::AlignRight) return contentsRect().left() + spare;
    if (alignment() & Qt::AlignHCenter) return contentsRect().left() + spare / 2;
    return contentsRect().left();
}

QRect AutoSizeLabel::ink_rect() const {
    if (drawn_text().isEmpty()) return {};
    return QFontMetrics(drawn_font()).tightBoundingRect(drawn_text()).translated(text_left(), baseline());
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    // A theme may change the application's font after the windows are built;
    // a caption then fits the new font instead of being cut.
    if (event->type() == QEvent::FontChange) {
        if (text().isEmpty()) {
            fitted_caption_.clear();
            drawn_text_.clear();
            drawn_font_ = font();
        } else {
            fit_to(text());
        }
    }
    QLabel::changeEvent(event);
}

bool AutoSizeLabel::event(QEvent* event) {
    // The captions of a table are fitted as it is built, before the captions to
    // their right exist; by the time the window is first shown they all do.
    if (event->type() == QEvent::Polish && !text().isEmpty()) fit_to(text());
    return QLabel::event(event);
}

bool AutoSizeLabel::is_drawn_as_set() const { return !is_cut() && drawn_font() == font(); }

QSize AutoSizeLabel::sizeHint() const { return is_drawn_as_set() ? QLabel::sizeHint() : fitted_size(text()); }

QSize AutoSizeLabel::minimumSizeHint() const {
    return is_drawn_as_set() ? QLabel::minimumSizeHint() : fitted_size(text());
}

void AutoSizeLabel::paintEvent(QPaintEvent* event) {
    if (is_drawn_as_set()) {
        QLabel::paintEvent(event);
        return;
    }
    // A smaller font stands on the baseline of the label's own font, in line with its neighbours.
    QPainter painter(this);
    const QFont drawn = drawn_font();
    painter.setFont(drawn);
    const int lower = QFontMetrics(font()).ascent() - QFontMetrics(drawn).ascent();
    style()->drawItemText(&painter, contentsRect().translated(0, lower), static_cast<int>(alignment()), palette(),
                          isEnabled(), drawn_text(), foregroundRole());
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
