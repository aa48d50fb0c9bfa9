#include "app/application_setup.hpp"

#include <QApplication>

#include "app/version.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/default_font.hpp"

namespace korvel::app {

void set_up_application() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(kDisplayVersion));
    QApplication::setWindowIcon(ui::program_icon());
    ui::install_default_font();
}

}  // namespace korvel::app
