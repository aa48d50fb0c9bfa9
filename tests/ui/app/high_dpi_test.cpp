// Runs with QT_SCALE_FACTOR=2: both windows scale as a whole, so their pictures
// have twice as many pixels each way and every control stays inside.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "tests/ui/app/app_test_support.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/default_font.hpp"

namespace korvel::app::testing {
namespace {

// Installs the program's font before the windows exist, as the program does.
struct ProgramFont {
    ProgramFont() { ui::install_default_font(); }
};

class HighDpiTest : public ::testing::Test {
protected:
    HighDpiTest() {
        fixture.span_box().setText(QStringLiteral("16"));
        find_control<ui::AutoSizeLabel>(fixture.form1(), "Label29").set_caption(QStringLiteral("10"));
    }
    ProgramFont font;
    CoordinatorFixture fixture;
};

void expect_whole_at_double_size(QWidget& window) {
    SCOPED_TRACE(window.objectName().toStdString());
    ASSERT_EQ(window.devicePixelRatio(), 2.0);
    const QPixmap picture = window.grab();
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.size(), QSize(1582, 732));
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible()) continue;
        EXPECT_TRUE(window.rect().contains(control->geometry())) << control->objectName().toStdString();
    }
}

TEST_F(HighDpiTest, MainWindowPictureIsTwiceTheClientSizeWithEveryControlInside) {
    expect_whole_at_double_size(fixture.form1());
}

TEST_F(HighDpiTest, ResultsWindowPictureIsTwiceTheClientSizeWithEveryResultInside) {
    fixture.form1_button("Command1").click();
    ASSERT_TRUE(fixture.form2().isVisible());
    ASSERT_FALSE(fixture.form2_label("Label89").text().isEmpty());
    expect_whole_at_double_size(fixture.form2());
}

TEST_F(HighDpiTest, CursorsGrowByWholePixelsAndKeepTheirHotSpots) {
    struct Case {
        const char* window;
        const char* control;  // empty: the window's own cursor
        QPoint hot_spot;
    };
    const Case cases[] = {{"Form1", "", {0, 0}}, {"Form1", "Label15", {32, 30}}, {"Form2", "", {0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + "." + c.control);
        QWidget& window = std::string(c.window) == "Form1" ? fixture.form1() : fixture.form2();
        const QWidget& owner = *c.control == '\0' ? window : find_control<QWidget>(window, c.control);
        const QCursor cursor = owner.cursor();
        EXPECT_EQ(cursor.pixmap().size(), QSize(64, 64));
        EXPECT_EQ(cursor.pixmap().devicePixelRatio(), 2.0);
        EXPECT_EQ(cursor.hotSpot(), c.hot_spot);
    }
    // The arrow's tip is a white pixel, now a two-by-two block.
    const QImage arrow = fixture.form1().cursor().pixmap().toImage();
    for (const QPoint pixel : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        EXPECT_EQ(arrow.pixelColor(pixel), QColor(Qt::white));
}

TEST_F(HighDpiTest, CaptionsKeepTheirLogicalSizeSoTheLayoutIsUnchanged) {
    // A one-line default-font label is 13 logical pixels high at any scale.
    EXPECT_EQ(fixture.form1_label("Label46").height(), 13);
    EXPECT_EQ(fixture.form1().size(), QSize(791, 366));
}

}  // namespace
}  // namespace korvel::app::testing
