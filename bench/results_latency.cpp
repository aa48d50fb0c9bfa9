// korvel-results-latency [rounds]: the time from a click on "&Results" to the
// end of the results window's first paint, measured in the program's own
// windows. Fills the span and all 23 loads a second after the main window
// has appeared, then clicks Results and Back
// `rounds` times (default 20), changing the span each round so every result
// label changes; prints one line per round, the first analysis after start
// first: the time in milliseconds, and the processor time the program spent in
// it (on a busy machine the first includes waiting for the processor); then
// "# resident <kB>", the memory the program holds after its analyses. Run it offscreen (QT_QPA_PLATFORM=offscreen) or
// on an X server; bench/results_latency.sh runs it repeatedly and takes percentiles.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>

#include "app/application_setup.hpp"
#include "app/coordinator.hpp"
#include "bench/first_paint_watch.hpp"
#include "engine/truss_model.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/find_control.hpp"

namespace {

constexpr int kFirstClickAfterMs = 1000;

// No dialog may appear while measuring: any one is a failure of the measurement.
class NoDialogs final : public korvel::ui::Dialogs {
public:
    korvel::ui::Answer message(const QString& text, korvel::ui::MessageStyle, const QString&) override {
        throw std::runtime_error("unexpected message: " + text.toStdString());
    }
    korvel::ui::Answer ask_before_deleting(const QString& text, const QString&) override {
        throw std::runtime_error("unexpected question: " + text.toStdString());
    }
    korvel::ui::SaveAnswer ask_to_save(const QString& text, const QString&) override {
        throw std::runtime_error("unexpected question: " + text.toStdString());
    }
    std::optional<QString> input(const QString& prompt, const QString&, const QString&) override {
        throw std::runtime_error("unexpected question: " + prompt.toStdString());
    }
    QString open_file_name(const QString& title, const QString&) override { return unexpected(title); }
    QString save_file_name(const QString& title, const QString&, const QString&) override { return unexpected(title); }
    std::optional<korvel::ui::LoadTexts> edit_loads(const korvel::ui::LoadTexts&) override {
        throw std::runtime_error("unexpected load table");
    }
    std::optional<korvel::ui::TitleFields> title_fields(const korvel::ui::TitleFields&) override {
        throw std::runtime_error("unexpected title block question");
    }
    std::optional<korvel::load_case::DistributedLoadEntry> distributed_load(
        const korvel::ui::DistributedLoadQuestion&) override {
        throw std::runtime_error("unexpected distributed load");
    }

private:
    static QString unexpected(const QString& title) {
        throw std::runtime_error("unexpected file dialog: " + title.toStdString());
    }
};

qint64 thread_cpu_ns() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The resident memory of this process, from /proc/self/status, in kB.
long resident_kb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
    }
    std::fclose(status);
    return kb;
}

struct Elapsed {
    qint64 wall_ns = -1;
    qint64 cpu_ns = -1;  // the program's own processor time, which other programs on the machine do not stretch
};

// Runs the event loop until `window` has finished its first paint after `act`;
// returns the time from the start of `act` to that end.
Elapsed time_to_first_paint(QWidget& window, const std::function<void()>& act) {
    QElapsedTimer timer;
    QEventLoop loop;
    Elapsed elapsed;
    const qint64 cpu_start = thread_cpu_ns();
    korvel::bench::FirstPaintWatch watch(
        window, [&timer] { return timer.nsecsElapsed(); },
        [&](qint64 at) {
            elapsed = {at, thread_cpu_ns() - cpu_start};
            loop.quit();
        });
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    timer.start();
    act();
    if (loop.exec() != 0) throw std::runtime_error("the window was not painted within 10 s");
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvel::app::set_up_application();
    const int rounds = argc > 1 ? std::stoi(argv[1]) : 20;

    NoDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    QWidget& main_window = coordinator.main_window();
    QWidget& results_window = coordinator.results_window();
    time_to_first_paint(main_window, [&] { coordinator.start(); });
    // No user clicks Results within a second of the window appearing: typing the span alone takes longer.
    QEventLoop idle;
    QTimer::singleShot(kFirstClickAfterMs, &idle, &QEventLoop::quit);
    idle.exec();

    const char* const loads[] = {"12.5", "-3.25", "7", "0.0625", "-41.1234", "18"};
    for (std::size_t i = 0; i < korvel::engine::kLoadCount; ++i) {
        korvel::ui::find_control<korvel::ui::AutoSizeLabel>(main_window, korvel::engine::kLoadMap[i].label)
            .set_caption(QString::fromLatin1(loads[i % std::size(loads)]));
    }
    QLineEdit& span_box = korvel::ui::find_control<QLineEdit>(main_window, "Text1");
    QPushButton& results = korvel::ui::find_control<QPushButton>(main_window, "Command1");
    QPushButton& back = korvel::ui::find_control<QPushButton>(results_window, "Command1");

    try {
        for (int round = 0; round < rounds; ++round) {
            span_box.setText(QString::number(16 + round));
            const Elapsed shown = time_to_first_paint(results_window, [&] { results.click(); });
            std::printf("%.3f %.3f\n", static_cast<double>(shown.wall_ns) / 1e6,
                        static_cast<double>(shown.cpu_ns) / 1e6);
            time_to_first_paint(main_window, [&] { back.click(); });
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "korvel-results-latency: %s\n", e.what());
        return 1;
    }
    std::printf("# resident %ld kB\n", resident_kb());
    return 0;
}
