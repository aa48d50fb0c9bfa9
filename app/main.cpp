// KORVEL: analyses a Fink roof truss for the span and node loads the user enters.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/application_setup.hpp"
#include "app/command_line.hpp"
#include "app/coordinator.hpp"
#include "ui/dialogs/qt_dialogs.hpp"

namespace {

// The command line is read before any window exists, so --help and --version
// work where there is no display to open one on. A plain start has nothing to
// read and so costs no application object of its own.
korvel::app::LaunchRequest read_launch_request(int argc, char** argv) {
    if (argc <= 1) return {};
    const QCoreApplication core(argc, argv);
    korvel::app::name_the_program();
    return korvel::app::read_command_line(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char** argv) {
    using korvel::app::LaunchRequest;
    const LaunchRequest request = read_launch_request(argc, argv);
    if (request.action == LaunchRequest::Action::Print) {
        std::fputs(request.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (request.action == LaunchRequest::Action::Fail) {
        std::fputs(request.text.toLocal8Bit().constData(), stderr);
        return korvel::app::kBadCommandLineStatus;
    }

    // Without a display Qt would abort with a core dump; say plainly what is missing instead.
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string_view(value != nullptr ? value : "");
    };
    const std::string platform = request.platform.toStdString();
    if (!korvel::app::has_display(platform.empty() ? variable("QT_QPA_PLATFORM") : platform, variable("DISPLAY"),
                                  variable("WAYLAND_DISPLAY"))) {
        std::fputs(korvel::app::kNoDisplayText.data(), stderr);
        return korvel::app::kNoDisplayStatus;
    }

    QApplication application(argc, argv);
    korvel::app::set_up_application();

    korvel::ui::QtDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    coordinator.start();
    if (!request.file.isEmpty()) {
        // Once the window is up, so a message about a bad file stands over it.
        QTimer::singleShot(0, &coordinator,
                           [&coordinator, &request] { coordinator.main_window().open_load_case_file(request.file); });
    }
    return QApplication::exec();
}
