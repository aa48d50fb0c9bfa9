// KORVEL: analyses a Fink roof truss for the span and node loads the user enters.
#include <QApplication>

#include "app/application_identity.hpp"
#include "app/coordinator.hpp"
#include "ui/dialogs/qt_dialogs.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/default_font.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvel::app::declare_application_identity();
    QApplication::setWindowIcon(korvel::ui::program_icon());
    korvel::ui::install_default_font();

    korvel::ui::QtDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    coordinator.start();
    return QApplication::exec();
}
