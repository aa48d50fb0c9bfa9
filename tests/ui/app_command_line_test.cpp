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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const LaunchRequest request = read_command_line(QStringList{QStringLiteral("/usr/bin/korvel")} + c.arguments);
        EXPECT_EQ(request.action, c.action);
        EXPECT_EQ(request.file, c.file);
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.text_part))) << request.text.toStdString();
        if (c.action == Action::Fail) {
            EXPECT_TRUE(request.text.startsWith(QStringLiteral("korvel: ")));
        }
    }
}

TEST(DisplayCheck, OnlyXOrWaylandWithoutADisplayIsRefusedBeforeQtAborts) {
    using Text = std::optional<std::string_view>;
    struct Case {
        Text platform, x_display, wayland_display;
        bool refused;
    };
    const std::vector<Case> cases{
        {{}, {}, {}, true},
        {"", "", "", true},
        {"xcb", {}, {}, true},
        {"wayland;xcb", {}, {}, true},
        {"wayland-egl", {}, {}, true},
        {{}, ":0", {}, false},
        {{}, {}, "wayland-0", false},
        {"xcb", ":99", {}, false},
        {"offscreen", {}, {}, false},
        {"wayland;offscreen", {}, {}, false},
        {"eglfs", {}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.platform.value_or("(unset)")) + " " + std::string(c.x_display.value_or("-")));
        const auto message = missing_display_message({c.platform, c.x_display, c.wayland_display});
        EXPECT_EQ(message.has_value(), c.refused);
        EXPECT_TRUE(!message ||
                    message->find("set DISPLAY or WAYLAND_DISPLAY, or use korvel-solve") != std::string::npos);
    }
}

}  // namespace
}  // namespace korvel::app
