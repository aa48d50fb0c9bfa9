#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace korvel::app {

// What the command line asks the program to do.
struct LaunchRequest {
    enum class Action {
        Run,    // open the windows, and the case in `file` when there is one
        Print,  // print `text` to standard output and end with status 0 (--help, --version)
        Fail,   // print `text` to standard error and end with kBadCommandLineStatus
    };
    Action action = Action::Run;
    QString file;
    QString text;
    QString platform;  // the value of Qt's own -platform option, empty when not given
};

inline constexpr int kBadCommandLineStatus = 2;
inline constexpr int kNoDisplayStatus = 1;
inline constexpr std::string_view kNoDisplayText =
    "KORVEL needs a display for its windows: set DISPLAY or WAYLAND_DISPLAY, or use korvel-solve on the command "
    "line.\n";

// Whether the windows have a display to go to: the X and Wayland platforms
// (Qt's default is one of them) need DISPLAY or WAYLAND_DISPLAY, any other
// platform (offscreen, VNC, a framebuffer) brings its own. Arguments are the
// values of QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY, empty when unset.
bool has_display(std::string_view platform, std::string_view display, std::string_view wayland_display);

// Reads `korvel [--help] [--version] [FILE]`; `arguments` starts with the
// program's name. Qt's own options (-style Fusion, -platform xcb, -reverse, ...)
// are left to Qt, which reads them from the same arguments. Needs a QCoreApplication, which the help text asks for the
// program's name, but no display: the windows are not made until this has run.
LaunchRequest read_command_line(const QStringList& arguments);

}  // namespace korvel::app
