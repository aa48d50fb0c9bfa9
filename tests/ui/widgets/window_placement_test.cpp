#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <string>

#include "ui/widgets/window_placement.hpp"

namespace korvel::ui {
namespace {

enum class Where { Right, Left, Below, Above, Over };

Where where(const QRect& placed, const QRect& opener) {
    if (placed.left() > opener.right()) return Where::Right;
    if (placed.right() < opener.left()) return Where::Left;
    if (placed.top() > opener.bottom()) return Where::Below;
    if (placed.bottom() < opener.top()) return Where::Above;
    return Where::Over;
}

// The two fixed windows are 791x366 with a frame of 4 around and a title bar of 24.
constexpr QMargins kFrame(4, 24, 4, 4);
constexpr QSize kPreferred(960, 540);
constexpr QSize kMinimum(560, 360);

TEST(WindowPlacement, OpensBesideItsOpenerInsideTheScreenAsLargeAsTheScreenAllows) {
    const struct {
        const char* name;
        QRect available;
        QPoint opener;  // the opener's frame, 799x394
        Where where;
        bool preferred_size;  // else narrowed to the free side or to the screen
    } cases[] = {
        {"full HD, opener at 0,0", {0, 0, 1920, 1080}, {0, 0}, Where::Right, true},
        {"full HD, panel above, opener at the right", {0, 32, 1920, 1048}, {1100, 300}, Where::Left, true},
        {"full HD, opener left of centre", {0, 0, 1920, 1080}, {400, 343}, Where::Right, false},
        {"full HD, opener at the bottom middle", {0, 0, 1920, 1080}, {560, 686}, Where::Above, true},
        {"full HD, opener at the bottom right", {0, 0, 1920, 1080}, {1121, 686}, Where::Left, true},
        {"1024x600, opener at 0,0", {0, 0, 1024, 600}, {0, 0}, Where::Over, true},
        {"1024x600, opener at the right", {0, 0, 1024, 600}, {225, 100}, Where::Over, true},
        {"800x600, opener at 0,0", {0, 0, 800, 600}, {0, 0}, Where::Over, false},
        {"800x600, opener centred", {0, 0, 800, 600}, {0, 103}, Where::Over, false},
        {"800x600 beside a second screen", {1920, 0, 800, 600}, {1920, 0}, Where::Over, false},
        {"twice scaled full HD", {0, 0, 960, 540}, {80, 70}, Where::Over, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect opener(c.opener, QSize(799, 394));
        const QRect placed = place_beside({c.available, opener, kPreferred, kMinimum, kFrame});
        EXPECT_TRUE(c.available.contains(placed))
            << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
        const QSize client = placed.size().shrunkBy(kFrame);
        EXPECT_GE(client.width(), kMinimum.width());
        EXPECT_GE(client.height(), kMinimum.height());
        EXPECT_LE(client.width(), kPreferred.width());
        EXPECT_LE(client.height(), kPreferred.height());
        EXPECT_EQ(client == kPreferred, c.preferred_size);
        EXPECT_EQ(static_cast<int>(where(placed, opener)), static_cast<int>(c.where));
        if (c.where == Where::Right || c.where == Where::Left) {
            EXPECT_TRUE(placed.top() <= opener.bottom() && placed.bottom() >= opener.top()) << "level with it";
        }
    }
}

TEST(WindowPlacement, WithoutRoomBesideCoversAsLittleOfTheOpenerAsItCan) {
    // The smallest window fits below a low opener on 800x600 only when it keeps clear of it.
    const QRect available(0, 0, 800, 600);
    const QRect opener(0, 0, 799, 150);
    const QRect placed = place_beside({available, opener, QSize(900, 900), kMinimum, kFrame});
    EXPECT_EQ(where(placed, opener), Where::Below);
    EXPECT_EQ(placed.bottom(), available.bottom());
    // No side has room: the window goes to the screen's corner farthest from the opener.
    const QRect corner = place_beside({available, QRect(0, 0, 400, 400), QSize(600, 400), kMinimum, kFrame});
    EXPECT_EQ(corner.bottomRight(), available.bottomRight());
    EXPECT_EQ(corner.size(), QSize(600, 400).grownBy(kFrame));
}

TEST(WindowPlacement, AScreenSmallerThanTheMinimumGetsTheWholeScreen) {
    const QRect available(0, 0, 500, 300);
    const QRect placed = place_beside({available, QRect(0, 0, 400, 200), kPreferred, kMinimum, kFrame});
    EXPECT_EQ(placed, available);
}

// Every window of the program on every screen it is tried on, opened from the main
// window where that window stands (centred by the platform): inside the screen's
// available area, at least at its minimum size, and off the opener wherever a side
// has room for it.
TEST(WindowPlacement, EveryWindowOpensInsideEveryScreenAndBesideItsOpenerWhereThereIsRoom) {
    const struct {
        const char* name;
        QSize available;  // in logical pixels, a panel of 32 taken off
    } screens[] = {
        {"1920x1080", {1920, 1048}},
        {"2560x1600 at twice the scale", {1280, 784}},
        {"1280x800 at twice the scale", {640, 384}},
        {"1024x600", {1024, 568}},
        {"800x600", {800, 568}},
    };
    const struct {
        const char* name;
        QSize preferred;
        QSize minimum;
    } windows[] = {
        {"load cases", {1720, 960}, {560, 330}},
        {"forces", {960, 540}, {320, 200}},
        {"envelope diagram", {960, 540}, {160, 80}},
    };
    for (const auto& screen : screens) {
        const QRect available(QPoint(0, 32), screen.available);
        // The main window's frame, centred and kept inside where it is larger than the screen.
        const QSize main(799, 394);
        const QRect opener(QPoint(std::max(0, (available.width() - main.width()) / 2),
                                  32 + std::max(0, (available.height() - main.height()) / 2)),
                           main);
        for (const auto& window : windows) {
            SCOPED_TRACE(std::string(screen.name) + ", " + window.name);
            const QRect placed = place_beside({available, opener, window.preferred, window.minimum, kFrame});
            EXPECT_TRUE(available.contains(placed))
                << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
            const QSize outer_minimum = window.minimum.grownBy(kFrame);
            const bool room_beside = (std::max(available.right() - opener.right(), opener.left() - available.left()) >=
                                          outer_minimum.width() &&
                                      available.height() >= outer_minimum.height()) ||
                                     (std::max(available.bottom() - opener.bottom(), opener.top() - available.top()) >=
                                          outer_minimum.height() &&
                                      available.width() >= outer_minimum.width());
            if (room_beside) {
                EXPECT_NE(where(placed, opener), Where::Over);
            }
        }
    }
}

TEST(WindowPlacement, AFrameIsMovedInsideTheScreenAndCutToItsSize) {
    const QRect available(0, 0, 1920, 1050);
    const struct {
        QRect frame;
        QRect inside;
    } cases[] = {
        {QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},  // inside: stays
        {QRect(564, 728, 722, 356), QRect(564, 694, 722, 356)},  // past the foot by its grip and title
        {QRect(1500, -20, 800, 300), QRect(1120, 0, 800, 300)},  // past the top and the right
        {QRect(-40, 900, 2000, 1200), QRect(0, 0, 1920, 1050)},  // larger than the screen
    };
    for (const auto& c : cases) EXPECT_EQ(moved_inside(c.frame, available), c.inside) << c.frame.y();
}

// A window whose frame reaches past the screen once shown (a window manager's
// frame larger than its opener's) is moved inside; a place the user gives later stays.
TEST(WindowPlacement, AWindowFramedPastTheScreenIsMovedInsideOnceShown) {
    QWidget opener;
    opener.resize(300, 200);
    opener.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&opener));
    const QRect available = opener.screen()->availableGeometry();
    QWidget window;
    window.resize(400, 300);
    open_beside(window, opener);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.move(window.x(), available.bottom() - 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return available.contains(window.frameGeometry()); }));
    QTest::qWait(1100);
    window.move(window.x(), available.bottom() - 100);
    QTest::qWait(50);
    EXPECT_EQ(window.y(), available.bottom() - 100) << "the user's own place";
}

// A window too large for the screen scrolls its contents inside it, and hands the
// keyboard back to its opener when it closes.
TEST(WindowPlacement, AWindowLargerThanTheScreenScrollsInsideIt) {
    QWidget opener;
    opener.resize(300, 200);
    opener.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&opener));
    const QRect available = opener.screen()->availableGeometry();
    QWidget window;
    auto* big = new QWidget;
    big->setMinimumSize(available.size() + QSize(200, 200));
    (new QVBoxLayout(&window))->addWidget(big);
    open_beside(window, opener);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(available.contains(window.frameGeometry()));
    auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->isAncestorOf(big));
    QApplication::setActiveWindow(&window);
    window.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &opener; }));
}

}  // namespace
}  // namespace korvel::ui
