#include "app/application_setup.hpp"

#include <QApplication>

#include "korvel/project.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app {

using ui::to_qstring;

void name_the_program() {
    QCoreApplication::setApplicationName(to_qstring(project::kApplicationName));
    // Settings (the recent files) are kept under this name.
    QCoreApplication::setOrganizationName(to_qstring(project::kApplicationName));
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
