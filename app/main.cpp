// KORVEL: analyses a Fink roof truss for the span and node loads the user enters.
#include <QApplication>

#include "app/coordinator.hpp"
#include "app/version.hpp"
#include "ui/dialogs/qt_dialogs.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/default_font.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(korvel::app::kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(korvel::app::kDisplayVersion));
    QApplication::setWindowIcon(korvel::ui::program_icon());
    korvel::ui::install_default_font();

    korvel::ui::QtDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    coordinator.start();
    return QApplication::exec();
}
