#pragma once

#include <optional>
#include <string_view>

namespace korvel::app {

// The values of the environment that decide where windows can open.
struct DisplayEnvironment {
    std::optional<std::string_view> qt_platform;      // QT_QPA_PLATFORM
    std::optional<std::string_view> x_display;        // DISPLAY
    std::optional<std::string_view> wayland_display;  // WAYLAND_DISPLAY
};

inline constexpr int kNoDisplayStatus = 1;

// The sentence to print instead of starting, when the windows would go to X or
// Wayland and neither names a display: Qt would abort there. Other platforms
// (offscreen, a framebuffer) are left to Qt.
std::optional<std::string_view> missing_display_message(const DisplayEnvironment& environment);

// The environment of this process.
DisplayEnvironment display_environment();

// Names the running application as the command line and the desktop know it:
// its name, the version it shows, and its desktop entry. Call once after the
// QCoreApplication exists.
void name_the_program();

// Names the application, gives it its icon and makes the captions' font the
// default, as every start of the windowed program does. Call once after the
// QApplication exists.
void set_up_application();

}  // namespace korvel::app
