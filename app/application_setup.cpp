#include "app/application_setup.hpp"

#include <QApplication>
#include <algorithm>
#include <cstdlib>

#include "korvel/project.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app {

using ui::to_qstring;

namespace {

bool is_set(const std::optional<std::string_view>& value) { return value.has_value() && !value->empty(); }

// Whether every platform the list names opens windows on X or Wayland.
bool needs_a_display(std::string_view platforms) {
    while (!platforms.empty()) {
        const std::size_t end = std::min(platforms.find(';'), platforms.size());
        const std::string_view name = platforms.substr(0, end);
        if (!name.starts_with("xcb") && !name.starts_with("wayland")) return false;
        platforms.remove_prefix(std::min(end + 1, platforms.size()));
    }
    return true;
}

std::optional<std::string_view> variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string_view>(value);
}

}  // namespace

std::optional<std::string_view> missing_display_message(const DisplayEnvironment& environment) {
    if (is_set(environment.qt_platform) && !needs_a_display(*environment.qt_platform)) return std::nullopt;
    if (is_set(environment.x_display) || is_set(environment.wayland_display)) return std::nullopt;
    return "korvel: there is no display to open its windows on; set DISPLAY or WAYLAND_DISPLAY, or use "
           "korvel-solve to analyse a truss from the command line.\n";
}

DisplayEnvironment display_environment() {
    return {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY")};
}

void name_the_program() {
    QCoreApplication::setApplicationName(to_qstring(project::kApplicationName));
    QCoreApplication::setApplicationVersion(to_qstring(project::kDisplayVersion));
    // Wayland matches the window to its desktop entry by this name (the app id),
    // so the window gets the entry's icon and name.
    QGuiApplication::setDesktopFileName(to_qstring(project::kApplicationId));
}

void set_up_application() {
    name_the_program();
    QApplication::setWindowIcon(ui::program_icon());
    ui::install_default_font();
}

}  // namespace korvel::app
