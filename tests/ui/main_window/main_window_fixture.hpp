#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <stdexcept>
#include <string>

#include "tests/ui/scripted_dialogs.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/find_control.hpp"

namespace korvel::ui::testing {

// A shown and active main window on scripted dialogs, with the controls at hand by name.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        install_default_font();
        window = std::make_unique<MainWindow>(dialogs);
        QObject::connect(window.get(), &MainWindow::results_requested,
                         [this](const engine::AnalysisInput& input) { requested = input; });
        QObject::connect(window.get(), &MainWindow::exit_confirmed, [this] { ++exits; });
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            throw std::runtime_error("the main window did not become active");
    }

    template <typename Widget>
    Widget& control(std::string_view name) const {
        return find_control<Widget>(*window, name);
    }
    AutoSizeLabel& label(const std::string& name) const { return control<AutoSizeLabel>(name); }
    QPushButton& button(const std::string& name) const { return control<QPushButton>(name); }
    QLineEdit& span_box() const { return control<QLineEdit>("Text1"); }
    QString caption(const std::string& name) const { return label(name).text(); }

    void click(const std::string& name) const { QTest::mouseClick(&control<QWidget>(name), Qt::LeftButton); }
    bool span_box_has_focus() const { return window->focusWidget() == &span_box(); }

    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::optional<engine::AnalysisInput> requested;
    int exits = 0;
};

}  // namespace korvel::ui::testing
