// korvel-startup-probe: starts exactly as korvel does and prints the
// nanoseconds from KORVEL_T0 to the end of the main window's first paint, then
// ends. bench/startup.sh compares it with korvel-bare-window-probe.
#include <QApplication>

#include "app/application_setup.hpp"
#include "app/coordinator.hpp"
#include "bench/startup_report.hpp"
#include "ui/dialogs/qt_dialogs.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvel::app::set_up_application();

    korvel::ui::QtDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    korvel::bench::report_first_paint_and_quit(coordinator.main_window());
    coordinator.start();
    return QApplication::exec();
}
