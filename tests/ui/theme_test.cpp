// Both windows under a light and a dark theme: the drawing and every caption
// and result must stand out from what is behind them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPalette>
#include <string>
#include <vector>

#include "tests/ui/app_test_support.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/readable_colours.hpp"
#include "ui/widgets/twips.hpp"

namespace korvel::app::testing {
namespace {

using ui::contrast_ratio;
using ui::kMinimumContrast;

// A common dark scheme: light text on dark grey, and white highlighted text.
QPalette dark_palette() {
    QPalette dark = QApplication::palette();
    const QColor grey(0x35, 0x35, 0x35);
    for (const auto& [role, colour] : std::vector<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, grey},
             {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
             {QPalette::Text, Qt::white},
             {QPalette::Button, grey},
             {QPalette::ButtonText, Qt::white},
             {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
             {QPalette::HighlightedText, Qt::white},
             {QPalette::Light, QColor(0x5a, 0x5a, 0x5a)},
             {QPalette::Midlight, QColor(0x48, 0x48, 0x48)},
             {QPalette::Mid, QColor(0x2c, 0x2c, 0x2c)},
             {QPalette::Dark, QColor(0x23, 0x23, 0x23)},
             {QPalette::Shadow, QColor(0x14, 0x14, 0x14)},
         }) {
        dark.setColor(role, colour);
    }
    return dark;
}

// The strongest contrast between any pixel of `box` and the pixel behind the box's top-left corner.
double strongest_contrast(const QImage& image, const QRect& box) {
    const QColor behind = image.pixelColor(box.topLeft());
    double strongest = 1.0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            strongest = std::max(strongest, contrast_ratio(image.pixelColor(x, y), behind));
    return strongest;
}

// Every label with a caption is drawn readably over what is behind it.
void expect_captions_readable(QWidget& window) {
    const QImage image = window.grab().toImage();
    int checked = 0;
    for (auto* label : window.findChildren<ui::AutoSizeLabel*>()) {
        if (label->text().isEmpty()) continue;
        SCOPED_TRACE(window.objectName().toStdString() + " " + label->objectName().toStdString());
        const QRect box(label->mapTo(&window, QPoint(0, 0)), label->size());
        EXPECT_GE(strongest_contrast(image, box.intersected(image.rect())), kMinimumContrast);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

class ThemeTest : public ::testing::TestWithParam<bool> {
protected:
    ThemeTest() : standard_(QApplication::palette()) {
        ui::install_default_font();
        if (GetParam()) QApplication::setPalette(dark_palette());
        fixture_ = std::make_unique<CoordinatorFixture>();
        // One analysis: span 16 and 10 down at the apex, so both windows show captions and results.
        fixture_->span_box().setText(QStringLiteral("16"));
        fixture_->form1_label("Label29").setText(QStringLiteral("10"));
        fixture_->form1_button("Command1").click();
    }
    ~ThemeTest() override {
        fixture_.reset();
        QApplication::setPalette(standard_);
    }

    QPalette standard_;
    std::unique_ptr<CoordinatorFixture> fixture_;
};

TEST_P(ThemeTest, TheTrussDrawingStandsOutFromTheBackground) {
    QWidget& form1 = fixture_->form1();
    const QImage image = form1.grab().toImage();
    const QColor background = image.pixelColor(ui::twips_to_pixels(3000), ui::twips_to_pixels(600));
    EXPECT_EQ(background, QApplication::palette().color(QPalette::HighlightedText));
    struct Point {
        const char* where;
        int x;
        int y;
    };
    for (const Point& p : {Point{"bottom chord", 1800, 3720}, Point{"L3U4", 6000, 3000},
                           Point{"span dimension line", 3000, 4440}, Point{"arrow at L3", 6000, 4000}}) {
        SCOPED_TRACE(p.where);
        const QColor ink = image.pixelColor(ui::twips_to_pixels(p.x), ui::twips_to_pixels(p.y));
        EXPECT_GE(contrast_ratio(ink, background), kMinimumContrast);
    }
}

TEST_P(ThemeTest, EveryCaptionAndResultStandsOutFromWhatIsBehindIt) {
    ASSERT_FALSE(fixture_->form2_label("Label59").text().isEmpty());
    expect_captions_readable(fixture_->form1());
    expect_captions_readable(fixture_->form2());
}

TEST_P(ThemeTest, MessageBoxesOverTheWindowsAreReadable) {
    for (QWidget* window : {&fixture_->form1(), &fixture_->form2()}) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Using help"), QStringLiteral("Working procedure:"),
                        QMessageBox::Ok, window);
        const QPalette colours = box.palette();
        EXPECT_GE(contrast_ratio(colours.color(QPalette::WindowText), colours.color(QPalette::Window)),
                  kMinimumContrast);
        EXPECT_GE(contrast_ratio(colours.color(QPalette::ButtonText), colours.color(QPalette::Button)),
                  kMinimumContrast);
    }
}

TEST(LightTheme, TheWindowsKeepTheThemesOwnColours) {
    // The standard light theme's window text already stands out, so nothing is changed.
    ui::install_default_font();
    CoordinatorFixture fixture;
    const QPalette theme = QApplication::palette();
    for (QWidget* window : {&fixture.form1(), &fixture.form2()}) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_EQ(window->palette().color(group, QPalette::WindowText), theme.color(group, QPalette::WindowText));
            EXPECT_EQ(window->palette().color(group, QPalette::Window), theme.color(group, QPalette::HighlightedText));
        }
    }
    const QImage image = fixture.form1().grab().toImage();
    EXPECT_EQ(image.pixelColor(ui::twips_to_pixels(1800), ui::twips_to_pixels(3720)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(ui::twips_to_pixels(3000), ui::twips_to_pixels(600)), QColor(Qt::white));
}

std::string theme_name(const ::testing::TestParamInfo<bool>& theme) { return theme.param ? "Dark" : "Light"; }

INSTANTIATE_TEST_SUITE_P(LightAndDark, ThemeTest, ::testing::Values(false, true), theme_name);

}  // namespace
}  // namespace korvel::app::testing
