// The keyboard's way back after real dialogs on an X server, run once without
// any window manager: the window under a closed dialog must take the keyboard
// back on its own, also when a second dialog follows the first at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/coordinator.hpp"
#include "tests/ui/app/app_test_support.hpp"
#include "ui/dialogs/qt_dialogs.hpp"
#include "ui/widgets/default_font.hpp"

namespace korvel::app::testing {
namespace {

// Answers each modal dialog as a user does: only once it has the keyboard.
class DialogAnswerer {
public:
    using Answer = std::function<void(QDialog&)>;

    DialogAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { answer_open_dialog(); });
        poll_.start(10);
    }

    void then(Answer answer) { answers_.push_back(std::move(answer)); }
    bool all_answered() const { return answers_.empty(); }

    static Answer type_and_ok(const QString& text) {
        return [text](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(), text);
            QTest::keyClick(&dialog, Qt::Key_Return);
        };
    }
    static Answer escape() {
        return [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
    }
    static Answer press(QMessageBox::StandardButton button) {
        return [button](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        };
    }

private:
    void answer_open_dialog() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isActiveWindow() || answers_.empty()) return;
        const Answer answer = answers_.front();
        answers_.pop_front();
        answer(*dialog);
    }

    QTimer poll_;
    std::deque<Answer> answers_;
};

class FocusAfterDialogsTest : public ::testing::Test {
protected:
    FocusAfterDialogsTest() {
        ui::install_default_font();
        coordinator.start();
    }

    QWidget& form1() { return coordinator.main_window(); }
    QWidget& form2() { return coordinator.results_window(); }

    // True once `window` is the active window and its focus widget has the keyboard.
    static bool has_keyboard(QWidget& window) {
        return QTest::qWaitFor([&window] {
            return QApplication::activeWindow() == &window && QGuiApplication::focusWindow() == window.windowHandle();
        });
    }

    ui::QtDialogs dialogs;
    Coordinator coordinator{dialogs};
    DialogAnswerer answerer;
};

TEST_F(FocusAfterDialogsTest, TheWindowUnderEveryClosedDialogTakesTheKeyboardBack) {
    using A = DialogAnswerer;
    struct Case {
        const char* road;
        const char* control;  // of the main window, clicked
        std::vector<A::Answer> answers;
    };
    const std::vector<Case> cases{
        {"both questions of the apex answered", "Label15", {A::type_and_ok("3"), A::type_and_ok("10")}},
        {"both questions of the apex cancelled", "Label15", {A::escape(), A::escape()}},
        {"the one question of L2", "Label5", {A::type_and_ok("4")}},
        {"Help", "Command2", {A::press(QMessageBox::Ok)}},
        {"Reset answered No", "Command5", {A::press(QMessageBox::No)}},
        {"Exit answered No", "Command3", {A::press(QMessageBox::No)}},
        {"the span warning", "Text1", {A::press(QMessageBox::Ok)}},
    };
    ASSERT_TRUE(has_keyboard(form1()));
    auto& span_box = find_control<QLineEdit>(form1(), "Text1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.road);
        for (const A::Answer& answer : c.answers) answerer.then(answer);
        if (std::string(c.control) == "Text1") {
            span_box.setText(QStringLiteral("-"));
        } else {
            QTest::mouseClick(&find_control<QWidget>(form1(), c.control), Qt::LeftButton);
        }
        EXPECT_TRUE(answerer.all_answered());
        EXPECT_TRUE(has_keyboard(form1()));
    }
    EXPECT_EQ(find_control<QLabel>(form1(), "Label28").text(), QStringLiteral("3"));
    EXPECT_EQ(find_control<QLabel>(form1(), "Label29").text(), QStringLiteral("10"));
    EXPECT_EQ(find_control<QLabel>(form1(), "Label31").text(), QStringLiteral("4"));
}

TEST_F(FocusAfterDialogsTest, TheResultsWindowTakesTheKeyboardBackAfterItsQuestions) {
    find_control<QLineEdit>(form1(), "Text1").setText(QStringLiteral("16"));
    ASSERT_TRUE(has_keyboard(form1()));
    find_control<QPushButton>(form1(), "Command1").click();
    ASSERT_TRUE(has_keyboard(form2()));
    for (const char* button : {"Command5", "Command3"}) {
        SCOPED_TRACE(button);
        answerer.then(DialogAnswerer::press(QMessageBox::No));
        QTest::mouseClick(&find_control<QPushButton>(form2(), button), Qt::LeftButton);
        EXPECT_TRUE(answerer.all_answered());
        EXPECT_TRUE(has_keyboard(form2()));
    }
    find_control<QPushButton>(form2(), "Command1").click();  // Back
    EXPECT_TRUE(has_keyboard(form1()));
}

// Nobody gives the keyboard back when a window closes on a bare X server: the
// window it came from takes it, and with it its shortcuts, which open the next one.
TEST_F(FocusAfterDialogsTest, TheWindowAnotherCameFromTakesTheKeyboardBackWhenItCloses) {
    const auto press = [](QWidget& window, const QKeySequence& keys) {
        QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        QTest::keySequence(target, keys);
    };
    find_control<QLineEdit>(form1(), "Text1").setText(QStringLiteral("16"));
    find_control<QPushButton>(form1(), "Command1").click();
    ASSERT_TRUE(has_keyboard(form2()));
    const QKeySequence escape(Qt::Key_Escape);
    const QKeySequence ctrl_w(QKeySequence::Close);
    const struct {
        const char* road;
        QWidget* opener;
        const char* open;  // the opener's shortcut
        QWidget* opened;
        QKeySequence closing;
    } cases[] = {
        {"working from the results", &form2(), "Ctrl+K", &coordinator.working_window(), escape},
        {"forces from the results", &form2(), "Ctrl+D", &coordinator.forces_window(), escape},
        {"load cases from the main window", &form1(), "Ctrl+Shift+L", &coordinator.load_cases_window(), escape},
        {"load cases closed with Ctrl+W", &form1(), "Ctrl+Shift+L", &coordinator.load_cases_window(), ctrl_w},
        {"forces from the main window", &form1(), "Ctrl+D", &coordinator.forces_window(), escape},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.road);
        if (!c.opener->isVisible()) find_control<QPushButton>(form2(), "Command1").click();  // Back
        ASSERT_TRUE(has_keyboard(*c.opener));
        press(*c.opener, QKeySequence(QString::fromLatin1(c.open)));
        ASSERT_TRUE(has_keyboard(*c.opened));
        press(*c.opened, c.closing);
        EXPECT_FALSE(c.opened->isVisible());
        EXPECT_TRUE(has_keyboard(*c.opener));
    }
}

}  // namespace
}  // namespace korvel::app::testing
