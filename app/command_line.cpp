#include "app/command_line.hpp"

#include <algorithm>

#include <QCommandLineParser>
#include <QFileInfo>

#include "korvel/project.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app {

LaunchRequest read_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Analyses a Fink roof truss for the span and node loads entered in its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A load case to open at start (a .korvel.json file)."),
                                 QStringLiteral("[file]"));

    const QString program = arguments.isEmpty() ? QStringLiteral("korvel") : QFileInfo(arguments.first()).fileName();
    const auto fail = [&program](const QString& problem) {
        return LaunchRequest{LaunchRequest::Action::Fail,
                             {},
                             QStringLiteral("%1: %2\nTry '%1 --help' for the command line.\n").arg(program, problem)};
    };
    if (!parser.parse(arguments)) return fail(parser.errorText());
    // --help-all comes with the help option; Qt's own options are not taken here, so it shows the same help.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {LaunchRequest::Action::Print, {}, parser.helpText()};
    if (parser.isSet(version))
        return {LaunchRequest::Action::Print,
                {},
                QStringLiteral("%1 %2\n").arg(ui::to_qstring(project::kApplicationName),
                                              ui::to_qstring(project::kDisplayVersion))};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return fail(QStringLiteral("give one load case file at most, not %1").arg(files.size()));
    return {LaunchRequest::Action::Run, files.value(0), {}};
}

bool has_display(std::string_view platform, std::string_view display, std::string_view wayland_display) {
    if (!display.empty() || !wayland_display.empty()) return true;
    // A list such as "wayland;xcb" is tried in order; one platform of another kind suffices.
    while (!platform.empty()) {
        const std::size_t end = std::min(platform.find(';'), platform.size());
        const std::string_view name = platform.substr(0, end);
        if (!name.starts_with("xcb") && !name.starts_with("wayland")) return true;
        platform.remove_prefix(std::min(end + 1, platform.size()));
    }
    return false;
}

}  // namespace korvel::app
