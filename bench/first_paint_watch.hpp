#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QWidget>
#include <functional>

namespace korvel::bench {

// Watches the paint events of one window and the controls it has when the
// watch begins; Qt takes the watch off them when it is destroyed. After the
// first paint of the window has ended, with every control it drew,
// `on_painted` is called once with the time the last of those paint events
// ended.
class FirstPaintWatch final : public QObject {
public:
    using Clock = std::function<qint64()>;  // nanoseconds on any steady clock

    FirstPaintWatch(QWidget& window, Clock clock, std::function<void(qint64 painted_at)> on_painted);

    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Clock clock_;
    std::function<void(qint64)> on_painted_;
    qint64 last_paint_end_ = -1;
    bool pending_ = false;
    bool reported_ = false;
};

}  // namespace korvel::bench
