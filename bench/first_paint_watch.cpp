#include "bench/first_paint_watch.hpp"

#include <QEvent>
#include <QTimer>

namespace korvel::bench {

FirstPaintWatch::FirstPaintWatch(QWidget& window, Clock clock, std::function<void(qint64)> on_painted)
    : window_(window), clock_(std::move(clock)), on_painted_(std::move(on_painted)) {
    // Filters on the widgets themselves, so any filter the program installs later
    // on them still sees the paint events first.
    window_.installEventFilter(this);
    for (QWidget* control : window_.findChildren<QWidget*>()) control->installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (reported_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);

    // The paint runs here, inside the watch, so its end can be timed.
    static_cast<QObject*>(widget)->event(event);  // QObject::event is public; it dispatches to the widget
    last_paint_end_ = clock_();
    if (widget == &window_ && !pending_) {
        pending_ = true;
        // The window's controls paint in the same pass; it ends before queued calls run.
        QTimer::singleShot(0, this, [this] {
            reported_ = true;
            on_painted_(last_paint_end_);
        });
    }
    return true;  // delivered above
}

}  // namespace korvel::bench
