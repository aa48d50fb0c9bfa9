#include "bench/startup_report.hpp"

#include <QApplication>
#include <cstdio>
#include <ctime>

#include "bench/first_paint_watch.hpp"

namespace korvel::bench {
namespace {

qint64 realtime_ns() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

void report_first_paint_and_quit(QWidget& window) {
    const qint64 started =
        qEnvironmentVariableIntValue("KORVEL_T0") != 0 ? qgetenv("KORVEL_T0").toLongLong() : realtime_ns();
    // Owned by the window, so it lives as long as the run.
    auto* watch = new FirstPaintWatch(window, realtime_ns, [started](qint64 painted_at) {
        std::printf("%lld\n", static_cast<long long>(painted_at - started));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    watch->setParent(&window);
}

}  // namespace korvel::bench
