#include "app/application_identity.hpp"

#include <QGuiApplication>

#include "korvel/project.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app {

using ui::to_qstring;

void declare_application_identity() {
    QGuiApplication::setApplicationName(to_qstring(project::kApplicationName));
    QGuiApplication::setApplicationVersion(to_qstring(project::kDisplayVersion));
    QGuiApplication::setDesktopFileName(to_qstring(project::kApplicationId));
}

}  // namespace korvel::app
