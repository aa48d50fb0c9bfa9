#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>

#include "app/coordinator.hpp"
#include "tests/ui/scripted_dialogs.hpp"

namespace korvel::app::testing {

// Finds a named control of a window, failing loudly when it is missing.
template <typename Widget>
Widget& control(QWidget& window, const char* name) {
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::logic_error(window.objectName().toStdString() + " has no control " + name);
    return *found;
}

// A coordinator with scripted dialogs, started as the program starts it.
class CoordinatorFixture {
public:
    CoordinatorFixture() { coordinator.start(); }

    QWidget& form1() { return coordinator.mainWindow(); }
    QWidget& form2() { return coordinator.resultsWindow(); }
    QLineEdit& span_box() { return control<QLineEdit>(form1(), "Text1"); }
    QLabel& form1_label(const char* name) { return control<QLabel>(form1(), name); }
    QLabel& form2_label(const char* name) { return control<QLabel>(form2(), name); }
    QPushButton& form1_button(const char* name) { return control<QPushButton>(form1(), name); }
    QPushButton& form2_button(const char* name) { return control<QPushButton>(form2(), name); }

    // Analyses a span with a vertical load at the apex from the main window, as the user would.
    void analyse(const char* span, const char* vertical_at_apex) {
        if (!form1().isVisible()) form2_button("Command1").click();  // Back
        span_box().setText(QString::fromLatin1(span));
        form1_label("Label29").setText(QString::fromLatin1(vertical_at_apex));
        form1_button("Command1").click();
        ASSERT_TRUE(form2().isVisible());
    }
    // Runs a command of the results window's menu.
    void run_command(const char* text) {
        for (QAction* action : form2().actions())
            if (action->text() == QLatin1String(text)) return action->trigger();
        FAIL() << "no command " << text;
    }

    // Runs the application's event loop while `act` runs inside it; returns the
    // loop's exit status, or -1 when nothing ended the loop within a few seconds.
    static int exit_status_of(std::function<void()> act) {
        QTimer::singleShot(0, std::move(act));
        QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
        return QApplication::exec();
    }

    ui::testing::ScriptedDialogs dialogs;
    Coordinator coordinator{dialogs};
};

}  // namespace korvel::app::testing
