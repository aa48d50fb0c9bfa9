#pragma once

#include <QString>
#include <QStringList>

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
};

inline constexpr int kBadCommandLineStatus = 2;

// Reads `korvel [--help] [--version] [FILE]`; `arguments` starts with the
// program's name. Needs a QCoreApplication, which the help text asks for the
// program's name, but no display: the windows are not made until this has run.
LaunchRequest read_command_line(const QStringList& arguments);

}  // namespace korvel::app
