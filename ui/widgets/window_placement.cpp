#include "ui/widgets/window_placement.hpp"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <array>

#include "ui/widgets/scroll_to_focus.hpp"

namespace korvel::ui {
namespace {

constexpr QLatin1StringView kScrolledContents{"ScrolledContents"};

// Clamps the start of a span of `length` into [low, high] (inclusive pixel ends), low first.
int clamp_start(int start, int length, int low, int high) { return std::max(low, std::min(start, high + 1 - length)); }

// Gives the keyboard back to the window another one was opened from, once that one is hidden.
class HandBack final : public QObject {
public:
    explicit HandBack(QWidget& window) : QObject(&window) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

    void set_opener(QWidget& opener) { opener_ = &opener; }

    // The one hand-back of `window`, made on first use.
    static HandBack& of(QWidget& window) {
        QObject* existing = window.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        return existing != nullptr ? *static_cast<HandBack*>(existing) : *new HandBack(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && opener_ && opener_->isVisible() && watched == parent()) {
            opener_->raise();
            opener_->activateWindow();
        }
        return false;
    }

private:
    static constexpr QLatin1StringView kName{"korvel-hand-back"};
    QPointer<QWidget> opener_;
};

// Brings a newly placed window's frame inside the screen once the window manager has
// framed it. It watches for a moment after the window shows, never the places the user gives it later.
class KeepInside final : public QObject {
public:
    static void watch(QWidget& window) {
        QObject* existing = window.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        auto& keeper = existing != nullptr ? *static_cast<KeepInside*>(existing) : *new KeepInside(window);
        keeper.watching_ = true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watching_ && watched == parent() &&
            (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
            if (type == QEvent::Show) QTimer::singleShot(kWatchMilliseconds, this, [this] { watching_ = false; });
            // After the event, when the frame it brought is known.
            QTimer::singleShot(0, this, &KeepInside::fit);
        }
        return false;
    }

private:
    explicit KeepInside(QWidget& window) : QObject(&window) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

    void fit() {
        auto& window = *static_cast<QWidget*>(parent());
        const QScreen* screen = window.screen();
        if (!window.isVisible() || screen == nullptr) return;
        const QRect outer = window.frameGeometry();
        const QRect inside = moved_inside(outer, screen->availableGeometry());
        if (inside == outer) return;
        const QRect inner = window.geometry();
        window.resize(inside.size().shrunkBy(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                                      outer.right() - inner.right(), outer.bottom() - inner.bottom())));
        window.move(inside.topLeft());
    }

    static constexpr QLatin1StringView kName{"korvel-keep-inside"};
    // Long enough for a window manager to frame the window, short of a user's first move.
    static constexpr int kWatchMilliseconds = 1000;
    bool watching_ = false;
};

// The least a window that scrolls its contents is made.
constexpr QSize kLeastScrollingSize(400, 300);

// Moves the window's contents, layout and all, into a scroll area that fills it; once.
void scroll_contents(QWidget& window) {
    if (window.findChild<QScrollArea*>(kScrolledContents, Qt::FindDirectChildrenOnly) != nullptr) return;
    auto* contents = new QWidget;
    contents->setLayout(window.layout());  // takes the layout's widgets along
    auto* scroll = new QScrollArea;
    scroll->setObjectName(kScrolledContents);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    scroll_to_focus(*scroll);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    layout->activate();  // the window's least size is now the scroll area's
}

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

}  // namespace

QRect moved_inside(const QRect& frame, const QRect& available) {
    const QSize size = frame.size().boundedTo(available.size());
    return {QPoint(clamp_start(frame.left(), size.width(), available.left(), available.right()),
                   clamp_start(frame.top(), size.height(), available.top(), available.bottom())),
            size};
}

QRect place_beside(const PlacementRequest& r) {
    const QSize decoration(r.frame.left() + r.frame.right(), r.frame.top() + r.frame.bottom());
    const QSize largest = (r.available.size() - decoration).expandedTo(QSize(1, 1));
    const QSize minimum = r.minimum.boundedTo(largest);
    const QSize client = r.preferred.boundedTo(largest).expandedTo(minimum);
    const QRect& a = r.available;
    const QRect& o = r.opener;

    struct Side {
        int free_width;
        int free_height;
        bool horizontal;  // beside the opener rather than above or below it
        bool after;       // right of or below the opener
    };
    const std::array<Side, 4> sides{{
        {a.right() - o.right(), a.height(), true, true},
        {o.left() - a.left(), a.height(), true, false},
        {a.width(), a.bottom() - o.bottom(), false, true},
        {a.width(), o.top() - a.top(), false, false},
    }};
    long long best_area = -1;
    QRect best;
    for (const Side& side : sides) {
        const QSize fits(std::min(client.width(), side.free_width - decoration.width()),
                         std::min(client.height(), side.free_height - decoration.height()));
        if (fits.width() < minimum.width() || fits.height() < minimum.height()) continue;
        const long long area = static_cast<long long>(fits.width()) * fits.height();
        if (area <= best_area) continue;
        best_area = area;
        const QSize outer = fits + decoration;
        const QPoint top_left = side.horizontal ? QPoint(side.after ? o.right() + 1 : o.left() - outer.width(),
                                                         clamp_start(o.top(), outer.height(), a.top(), a.bottom()))
                                                : QPoint(clamp_start(o.left(), outer.width(), a.left(), a.right()),
                                                         side.after ? o.bottom() + 1 : o.top() - outer.height());
        best = QRect(top_left, outer);
    }
    if (best_area >= 0) return best;

    // No side has room: inside the screen, covering as little of the opener as can be.
    const QSize outer = client + decoration;
    const std::array<int, 3> xs{a.right() + 1 - outer.width(), a.left(),
                                clamp_start(o.left(), outer.width(), a.left(), a.right())};
    const std::array<int, 3> ys{clamp_start(o.top(), outer.height(), a.top(), a.bottom()), a.top(),
                                a.bottom() + 1 - outer.height()};
    long long least = -1;
    for (const int y : ys) {
        for (const int x : xs) {
            const QRect candidate(QPoint(std::max(x, a.left()), std::max(y, a.top())), outer);
            const long long covered = overlap(candidate, o);
            if (least < 0 || covered < least) {
                least = covered;
                best = candidate;
            }
        }
    }
    return best;
}

void open_beside(QWidget& window, QWidget& opener) {
    if (window.isVisible()) return;
    HandBack::of(window).set_opener(opener);
    const QScreen* screen = opener.screen();
    if (screen == nullptr) return;
    const QRect outer = opener.frameGeometry();
    const QRect inner = opener.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    window.ensurePolished();  // the sizes in the fonts and style it opens in
    // The size the window gave itself, or else the one it would like.
    const QSize preferred = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint());
    const PlacementRequest request{screen->availableGeometry(), outer, preferred, minimum, frame};
    QRect placed = place_beside(request);
    // Where its least size would cover the opener or leave the screen, the window scrolls its contents instead.
    const QSize client = placed.size().shrunkBy(frame);
    const bool too_small = client.width() < minimum.width() || client.height() < minimum.height();
    if (window.layout() != nullptr && (placed.intersects(outer) || too_small)) {
        PlacementRequest scrolling = request;
        scrolling.minimum = minimum.boundedTo(kLeastScrollingSize);
        const QRect beside = place_beside(scrolling);
        if (!beside.intersects(outer) || too_small) {
            scroll_contents(window);
            placed = beside;
        }
    }
    window.resize(placed.size().shrunkBy(frame));
    window.move(placed.topLeft());
    KeepInside::watch(window);
}

}  // namespace korvel::ui
