// Both windows under a light and a dark theme: the drawing and every caption
// and result must stand out from what is behind them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/ui/app/app_test_support.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/readable_colours.hpp"
#include "ui/widgets/twips.hpp"

namespace korvel::app::testing {
namespace {

using ui::contrast_ratio;
using ui::kMinimumContrast;

// A common dark scheme: light text on dark grey; its highlighted text white, or black as some schemes have it.
QPalette dark_palette(const QColor& highlighted_text) {
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
             {QPalette::HighlightedText, highlighted_text},
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

// The colour that covers most of `box`: what the text in it is drawn over.
QColor commonest_colour(const QImage& image, const QRect& box) {
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) ++counts[image.pixel(x, y)];
    return QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                               return a.second < b.second;
                           })->first);
}

// The strongest contrast between any pixel of `box` and the colour behind its text.
double strongest_contrast(const QImage& image, const QRect& box) {
    const QColor behind = commonest_colour(image, box);
    double strongest = 1.0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            strongest = std::max(strongest, contrast_ratio(image.pixelColor(x, y), behind));
    return strongest;
}

// Every label with a caption is drawn readably over what is behind it, and the
// window's text and lines stand out from every colour that covers a part of its
// background (a strip beside a picture, an opaque caption's box).
void expect_window_readable(QWidget& window) {
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

    QImage background = image.convertToFormat(QImage::Format_ARGB32);
    QPainter cover(&background);
    cover.setCompositionMode(QPainter::CompositionMode_Source);
    for (QWidget* control : window.findChildren<QWidget*>())
        if (qobject_cast<QAbstractButton*>(control) != nullptr || qobject_cast<QLineEdit*>(control) != nullptr)
            cover.fillRect(QRect(control->mapTo(&window, QPoint(0, 0)), control->size()), Qt::transparent);
    cover.end();
    // The background is where tiles of one colour lie; text and lines are too thin to fill one.
    constexpr int kTile = 6;
    std::map<QRgb, int> tiles;
    int all_tiles = 0;
    for (int top = 0; top + kTile <= background.height(); top += kTile) {
        for (int left = 0; left + kTile <= background.width(); left += kTile) {
            ++all_tiles;
            const QRgb first = background.pixel(left, top);
            bool plain = qAlpha(first) != 0;
            for (int y = top; plain && y < top + kTile; ++y)
                for (int x = left; plain && x < left + kTile; ++x) plain = background.pixel(x, y) == first;
            if (plain) ++tiles[first];
        }
    }
    const QColor ink = window.palette().color(QPalette::WindowText);
    for (const auto& [colour, count] : tiles) {
        if (count * 100 < all_tiles) continue;
        SCOPED_TRACE(window.objectName().toStdString() + " background " + QColor::fromRgb(colour).name().toStdString());
        EXPECT_GE(contrast_ratio(ink, QColor::fromRgb(colour)), kMinimumContrast);
    }
}

struct Theme {
    const char* name;
    QColor highlighted_text;  // invalid for the standard light theme
    bool after_build;         // the theme changes once the windows exist
};

void PrintTo(const Theme& theme, std::ostream* out) { *out << theme.name; }

class ThemeTest : public ::testing::TestWithParam<Theme> {
protected:
    ThemeTest() : standard_(QApplication::palette()) {
        ui::install_default_font();
        QApplication::setStyle(QStringLiteral("Fusion"));
        const Theme& theme = GetParam();
        if (theme.highlighted_text.isValid() && !theme.after_build)
            QApplication::setPalette(dark_palette(theme.highlighted_text));
        fixture_ = std::make_unique<CoordinatorFixture>();
        // One analysis: span 16 and 10 down at the apex, so both windows show captions and results.
        fixture_->span_box().setText(QStringLiteral("16"));
        fixture_->form1_label("Label29").setText(QStringLiteral("10"));
        fixture_->form1_button("Command1").click();
        if (theme.highlighted_text.isValid() && theme.after_build)
            QApplication::setPalette(dark_palette(theme.highlighted_text));
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

TEST_P(ThemeTest, EveryCaptionResultAndBackgroundStandsOutFromWhatIsBehindIt) {
    ASSERT_FALSE(fixture_->form2_label("Label59").text().isEmpty());
    expect_window_readable(fixture_->form1());
    expect_window_readable(fixture_->form2());
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

std::string theme_name(const ::testing::TestParamInfo<Theme>& theme) { return theme.param.name; }

INSTANTIATE_TEST_SUITE_P(LightAndDark, ThemeTest,
                         ::testing::Values(Theme{"Light", {}, false}, Theme{"Dark", Qt::white, false},
                                           Theme{"DarkWithBlackHighlightedText", Qt::black, false},
                                           Theme{"DarkAfterTheWindowsAreBuilt", Qt::black, true}),
                         theme_name);

// Each control of a window with its font and box.
std::vector<std::string> looks_of(QWidget& window) {
    std::vector<std::string> looks;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->objectName().isEmpty() || control->isWindow()) continue;
        const QRect box = control->geometry();
        looks.push_back(QStringLiteral("%1 %2 at %3,%4 %5x%6")
                            .arg(control->objectName(), control->font().toString())
                            .arg(box.x())
                            .arg(box.y())
                            .arg(box.width())
                            .arg(box.height())
                            .toStdString());
    }
    return looks;
}

void expect_same_looks(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]);
}

void analyse_large_case(CoordinatorFixture& fixture) {
    fixture.span_box().setText(QStringLiteral("24.5"));
    fixture.form1_label("Label29").setText(QStringLiteral("99999999999.9999"));
    fixture.form1_button("Command1").click();
}

TEST(ThemeFont, AFontTheThemeGivesTheApplicationChangesNoControlOfEitherWindow) {
    ui::install_default_font();
    CoordinatorFixture laid_out;
    analyse_large_case(laid_out);
    const std::vector<std::string> form1 = looks_of(laid_out.form1());
    const std::vector<std::string> form2 = looks_of(laid_out.form2());
    ASSERT_FALSE(form1.empty());
    ASSERT_FALSE(form2.empty());

    QFont large(QStringLiteral("DejaVu Serif"), 14, QFont::Bold, true);
    large.setLetterSpacing(QFont::PercentageSpacing, 130);
    for (const bool after_build : {false, true}) {
        SCOPED_TRACE(after_build ? "set after the windows are built" : "set before");
        if (!after_build) QApplication::setFont(large);
        CoordinatorFixture themed;
        analyse_large_case(themed);
        if (after_build) QApplication::setFont(large);
        QCoreApplication::processEvents();
        expect_same_looks(looks_of(themed.form1()), form1);
        expect_same_looks(looks_of(themed.form2()), form2);
        ui::install_default_font();
    }
}

}  // namespace
}  // namespace korvel::app::testing
