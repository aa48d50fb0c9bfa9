#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <memory>
#include <vector>

#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/window_menu.hpp"

namespace korvel::ui {
namespace {

// A window with one control of each kind the menu must tell apart.
struct MenuWindow {
    MenuWindow() {
        window.resize(400, 200);
        button = new QPushButton(QStringLiteral("&Go"), &window);
        text_box = new QLineEdit(&window);
        text_box->move(0, 40);
        hotspot = new AutoSizeLabel(AutoSizeLabel::Growth::Fixed, &window);
        hotspot->set_clickable(true);
        hotspot->move(0, 80);
        caption = new AutoSizeLabel(AutoSizeLabel::Growth::KeepLeftEdge, &window);
        caption->set_caption(QStringLiteral("L0"));
        caption->move(0, 120);
        command = menu->add_command(QStringLiteral("Do it"), QKeySequence(QStringLiteral("Ctrl+D")),
                                    [this] { ++commands_run; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        text_box->setFocus();
    }
    ~MenuWindow() { menu->menu().hide(); }

    QWidget window;
    std::unique_ptr<WindowMenu> menu = std::make_unique<WindowMenu>(window);
    QPushButton* button = nullptr;
    QLineEdit* text_box = nullptr;
    AutoSizeLabel* hotspot = nullptr;
    AutoSizeLabel* caption = nullptr;
    QAction* command = nullptr;
    int commands_run = 0;
};

bool right_click_opens_menu(MenuWindow& w, QWidget& control) {
    w.menu->menu().hide();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), control.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&control, &event);
    return w.menu->menu().isVisible();
}

// Each kind of place in the window, and whether it is the window's background.
struct Place {
    const char* where;
    QWidget* control;
    bool background;
};

std::vector<Place> places_of(MenuWindow& w) {
    return {{"window", &w.window, true},
            {"caption", w.caption, true},
            {"button", w.button, false},
            {"hotspot", w.hotspot, false},
            {"text box", w.text_box, false}};
}

TEST(WindowMenu, RightClickOpensTheMenuOnTheBackgroundOnly) {
    MenuWindow w;
    for (const Place& p : places_of(w)) EXPECT_EQ(right_click_opens_menu(w, *p.control), p.background) << p.where;
}

TEST(WindowMenu, MenuKeyAndShiftF10OpenTheMenuFromAnyControl) {
    MenuWindow w;
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    };
    const std::vector<Case> cases{{Qt::Key_Menu, Qt::NoModifier, true},
                                  {Qt::Key_F10, Qt::ShiftModifier, true},
                                  {Qt::Key_F10, Qt::NoModifier, false},
                                  {Qt::Key_Menu, Qt::ControlModifier, false}};
    for (QWidget* control : {static_cast<QWidget*>(w.text_box), static_cast<QWidget*>(w.button)}) {
        for (const Case& c : cases) {
            w.menu->menu().hide();
            QTest::keyClick(control, c.key, c.modifiers);
            EXPECT_EQ(w.menu->menu().isVisible(), c.opens) << control->metaObject()->className() << " " << c.key;
        }
    }
}

TEST(WindowMenu, ShortcutRunsTheCommandOnlyWhileItApplies) {
    MenuWindow w;
    QTest::keyClick(w.text_box, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(w.commands_run, 1);

    w.command->setEnabled(false);
    QTest::keyClick(w.text_box, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(w.commands_run, 1);
    EXPECT_TRUE(w.menu->menu().actions().contains(w.command)) << "a command that does not apply stays in the menu";
    EXPECT_TRUE(w.command->isShortcutVisibleInContextMenu());
}

// What hovering over a control shows: the menu's hint on the background, a
// control's own hover text where it has one, nothing on the other controls.
QString hover_text(QWidget& control) {
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), control.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&control, &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST(WindowMenu, HoveringOverTheBackgroundNamesTheMenuAndEachCommand) {
    MenuWindow w;
    w.menu->add_separator();
    w.menu->add_submenu(QStringLiteral("Open recent"));
    w.menu->add_command(QStringLiteral("Save &as..."), QKeySequence(QStringLiteral("Ctrl+Shift+S")), [] {});
    const QString hint = w.menu->hint();
    const QStringList lines = hint.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Right-click")));
    EXPECT_EQ(lines.mid(1), QStringList({QStringLiteral("Do it (Ctrl+D)"), QStringLiteral("Open recent"),
                                         QStringLiteral("Save as (Ctrl+Shift+S)")}));

    for (const Place& p : places_of(w)) EXPECT_EQ(hover_text(*p.control), p.background ? hint : QString()) << p.where;
    // A control's own hover text wins.
    w.button->setToolTip(QStringLiteral("Goes"));
    EXPECT_EQ(hover_text(*w.button), QStringLiteral("Goes"));
    QToolTip::hideText();
}

}  // namespace
}  // namespace korvel::ui
