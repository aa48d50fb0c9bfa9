#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korvel::ui
