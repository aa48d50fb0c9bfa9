// korvel-bare-window-probe: the floor for korvel's start-up, a bare Qt window
// (a QLabel of the main window's size) started the same way; prints the
// nanoseconds from KORVEL_T0 to the end of its first paint, then ends.
#include <QApplication>
#include <QLabel>

#include "bench/startup_report.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("KORVEL"));
    window.resize(791, 366);
    korvel::bench::report_first_paint_and_quit(window);
    window.show();
    return QApplication::exec();
}
