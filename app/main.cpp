// KORVEL: analyses a Fink roof truss for the span and node loads the user enters.
#include <QApplication>

#include "app/application_setup.hpp"
#include "app/coordinator.hpp"
#include "ui/dialogs/qt_dialogs.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvel::app::set_up_application();

    korvel::ui::QtDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    coordinator.start();
    return QApplication::exec();
}
