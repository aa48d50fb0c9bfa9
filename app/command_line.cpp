#include "app/command_line.hpp"

#include <algorithm>
#include <array>
#include <string>

#include <QCommandLineParser>
#include <QFileInfo>

#include "korvel/project.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app {
namespace {

// The options QGuiApplication and QApplication take out of the command line
// themselves, with one dash or two.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
    "style",    "stylesheet",         "display",       "session",     "name"};
constexpr std::array<std::string_view, 5> kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct SplitArguments {
    QStringList own;  // the program's name, then what this program reads
    QString platform;
};

// Leaves Qt's own options (and their values) to Qt; everything after "--" is the program's.
SplitArguments split_off_qt_options(const QStringList& arguments) {
    SplitArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || argument == QStringLiteral("--") || !argument.startsWith(QLatin1Char('-'))) {
            if (argument == QStringLiteral("--") && i > 0) {
                split.own += arguments.mid(i);
                break;
            }
            split.own += argument;
            continue;
        }
        const std::string name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).toStdString();
        const auto is = [&name](std::string_view option) { return name == option; };
        if (name.starts_with("style=") || name.starts_with("qmljsdebugger=") ||
            std::any_of(kQtFlags.begin(), kQtFlags.end(), is))
            continue;
        if (std::any_of(kQtOptionsWithValue.begin(), kQtOptionsWithValue.end(), is) && i + 1 < arguments.size()) {
            if (name == "platform") split.platform = arguments[i + 1];
            ++i;
            continue;
        }
        split.own += argument;
    }
    return split;
}

}  // namespace

LaunchRequest read_command_line(const QStringList& all_arguments) {
    const auto [arguments, platform] = split_off_qt_options(all_arguments);
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
                             QStringLiteral("%1: %2\nTry '%1 --help' for the command line.\n").arg(program, problem),
                             {}};
    };
    if (!parser.parse(arguments)) return fail(parser.errorText());
    // --help-all comes with the help option; Qt's own options are not taken here, so it shows the same help.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {LaunchRequest::Action::Print, {}, parser.helpText(), {}};
    if (parser.isSet(version))
        return {LaunchRequest::Action::Print,
                {},
                QStringLiteral("%1 %2\n").arg(ui::to_qstring(project::kApplicationName),
                                              ui::to_qstring(project::kDisplayVersion)),
                {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return fail(QStringLiteral("give one load case file at most, not %1").arg(files.size()));
    return {LaunchRequest::Action::Run, files.value(0), {}, platform};
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
