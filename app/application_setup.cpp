#include "app/application_setup.hpp"

#include <QApplication>

#include "app/version.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/default_font.hpp"

namespace korvel::app {

void name_the_program() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kDisplayVersion));
}

void set_up_application() {
    name_the_program();
    QApplication::setWindowIcon(ui::program_icon());
    ui::install_default_font();
}

}  // namespace korvel::app
