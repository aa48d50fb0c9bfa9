#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>

#include "app/coordinator.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "tests/ui/window_control.hpp"
#include "ui/widgets/find_control.hpp"

namespace korvel::app::testing {

using ui::find_control;

// A coordinator with scripted dialogs, started as the program starts it.
class CoordinatorFixture {
public:
    CoordinatorFixture() { coordinator.start(); }

    QWidget& form1() { return coordinator.main_window(); }
    QWidget& form2() { return coordinator.results_window(); }
    QLineEdit& span_box() { return find_control<QLineEdit>(form1(), "Text1"); }
    QLabel& form1_label(const char* name) { return find_control<QLabel>(form1(), name); }
    QLabel& form2_label(const char* name) { return ui::testing::window_control<QLabel>(form2(), name); }
    QPushButton& form1_button(const char* name) { return find_control<QPushButton>(form1(), name); }
    QPushButton& form2_button(const char* name) { return find_control<QPushButton>(form2(), name); }

    // Analyses a span with a vertical load at the apex from the main window, as the user would.
    void analyse(const char* span, const char* vertical_at_apex) {
        if (!form1().isVisible()) form2_button("Command1").click();  // Back
        span_box().setText(QString::fromLatin1(span));
        form1_label("Label29").setText(QString::fromLatin1(vertical_at_apex));
        form1_button("Command1").click();
        ASSERT_TRUE(form2().isVisible());
    }
    // Runs a command of the results window's menu, named without its access letter's '&'.
    void run_command(const char* text) {
        for (QAction* action : form2().actions())
            if (action->text().remove(QLatin1Char('&')) == QLatin1String(text)) return action->trigger();
        FAIL() << "no command " << text;
    }

    // Runs the application's event loop while `act` runs inside it; returns the
    // loop's exit status, or -1 when nothing ended the loop within a few seconds.
    // The guard dies with the call: a later test's event loop must not be ended by this one's.
    static int exit_status_of(std::function<void()> act) {
        QTimer::singleShot(0, std::move(act));
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(5000);
        return QApplication::exec();
    }

    ui::testing::ScriptedDialogs dialogs;
    Coordinator coordinator{dialogs};
};

}  // namespace korvel::app::testing
