#include <gtest/gtest.h>

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application_setup.hpp"
#include "app/command_line.hpp"

namespace korvel::app {
namespace {

TEST(CommandLine, EachFormIsReadAsItsAction) {
    using Action = LaunchRequest::Action;
    struct Case {
        QStringList arguments;  // after the program's name
        Action action;
        QString file;
        const char* text_part;  // a part of the printed text
    };
    const std::vector<Case> cases{
        {{}, Action::Run, {}, ""},
        {{QStringLiteral("truss.korvel.json")}, Action::Run, QStringLiteral("truss.korvel.json"), ""},
        {{QStringLiteral("--"), QStringLiteral("-odd name.korvel.json")},
         Action::Run,
         QStringLiteral("-odd name.korvel.json"),
         ""},
        {{QStringLiteral("--help")}, Action::Print, {}, "[file]"},
        {{QStringLiteral("-h")}, Action::Print, {}, "--version"},
        {{QStringLiteral("--help-all")}, Action::Print, {}, "--help"},
        {{QStringLiteral("--version")}, Action::Print, {}, "KORVEL 2.01.0001\n"},
        {{QStringLiteral("-v")}, Action::Print, {}, "KORVEL 2.01.0001\n"},
        {{QStringLiteral("a.korvel.json"), QStringLiteral("--help")}, Action::Print, {}, "Usage:"},
        {{QStringLiteral("--bogus")}, Action::Fail, {}, "bogus"},
        {{QStringLiteral("-x")}, Action::Fail, {}, "--help"},
        {{QStringLiteral("a.korvel.json"), QStringLiteral("b.korvel.json")}, Action::Fail, {}, "one load case file"},
        // Qt's own options are Qt's, with one dash or two, before or after the file.
        {{QStringLiteral("-style"), QStringLiteral("Fusion")}, Action::Run, {}, ""},
        {{QStringLiteral("a.korvel.json"), QStringLiteral("--style=Fusion"), QStringLiteral("-reverse")},
         Action::Run,
         QStringLiteral("a.korvel.json"),
         ""},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-geometry"), QStringLiteral("9x9")},
         Action::Run,
         {},
         ""},
        {{QStringLiteral("--"), QStringLiteral("-style")}, Action::Run, QStringLiteral("-style"), ""},
        {{QStringLiteral("-styles")}, Action::Fail, {}, "Unknown option"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const LaunchRequest request = read_command_line(QStringList{QStringLiteral("/usr/bin/korvel")} + c.arguments);
        EXPECT_EQ(request.action, c.action);
        EXPECT_EQ(request.file, c.file);
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.text_part))) << request.text.toStdString();
        EXPECT_EQ(request.platform,
                  c.arguments.contains(QStringLiteral("-platform")) ? QStringLiteral("offscreen") : QString());
        if (c.action == Action::Fail) {
            EXPECT_TRUE(request.text.startsWith(QStringLiteral("korvel: ")));
        }
    }
}

TEST(CommandLine, TheWindowsHaveADisplayWhenTheirPlatformFindsOne) {
    struct Case {
        const char* platform;
        const char* display;
        const char* wayland_display;
        bool has_display;
    };
    const std::vector<Case> cases{
        {"", "", "", false},
        {"", ":0", "", true},
        {"", "", "wayland-0", true},
        {"xcb", "", "", false},
        {"wayland;xcb", "", "", false},
        {"wayland-egl", "", "", false},
        {"offscreen", "", "", true},
        {"wayland;offscreen", "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.platform);
        EXPECT_EQ(has_display(c.platform, c.display, c.wayland_display), c.has_display);
    }
}

}  // namespace
}  // namespace korvel::app
