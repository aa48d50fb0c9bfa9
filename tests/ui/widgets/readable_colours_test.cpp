#include <gtest/gtest.h>

#include <QColor>
#include <QPalette>
#include <vector>

#include "ui/widgets/readable_colours.hpp"

namespace korvel::ui {
namespace {

TEST(ContrastRatio, FollowsTheWcagFormulaInBothOrders) {
    struct Case {
        QColor a;
        QColor b;
        double ratio;
    };
    const std::vector<Case> cases{
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::white, 1.0},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54},  // the lightest grey that passes on white
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0, 0, 128), Qt::white, 16.01},  // navy
        {QColor(0x35, 0x35, 0x35), Qt::white, 12.27},
        {QColor(255, 255, 0), Qt::black, 19.56},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a.name().toStdString() + " on " + c.b.name().toStdString());
        EXPECT_NEAR(contrast_ratio(c.a, c.b), c.ratio, 0.01);
        EXPECT_NEAR(contrast_ratio(c.b, c.a), c.ratio, 0.01);
    }
}

QPalette palette_of(QColor window_text, QColor text, QColor window, QColor base) {
    QPalette palette;
    palette.setColor(QPalette::WindowText, window_text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::Shadow, window);
    palette.setColor(QPalette::Dark, window);
    palette.setColor(QPalette::Mid, window);
    return palette;
}

TEST(ReadableForeground, KeepsTheThemesTextColourWhenItStandsOutAndPicksAnotherOfItsColoursOtherwise) {
    const QColor white(Qt::white);
    const QColor dark(0x35, 0x35, 0x35);
    const QColor light_grey(0xee, 0xee, 0xee);
    struct Case {
        const char* theme;
        QPalette palette;
        std::vector<QColor> backgrounds;
        QColor expected;
    };
    const std::vector<Case> cases{
        {"light theme on white", palette_of(Qt::black, Qt::black, light_grey, white), {white}, Qt::black},
        {"dark theme on white: its window colour",
         palette_of(white, white, dark, QColor(0x2a, 0x2a, 0x2a)),
         {white},
         dark},
        {"dark theme on a dark background keeps its text", palette_of(white, white, dark, dark), {Qt::black}, white},
        {"dark text colour but light window text", palette_of(light_grey, dark, white, white), {white}, dark},
        {"no colour of the theme stands out: black",
         palette_of(light_grey, white, light_grey, white),
         {white},
         Qt::black},
        {"no colour stands out on black: white", palette_of(dark, Qt::black, dark, dark), {Qt::black}, white},
        {"must stand out on both the picture and a yellow background",
         palette_of(white, white, dark, dark),
         {white, QColor(255, 255, 0)},
         dark},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.theme);
        const QColor chosen = readable_foreground(c.palette, QPalette::Active, c.backgrounds);
        EXPECT_EQ(chosen, c.expected);
        for (const QColor& background : c.backgrounds) EXPECT_GE(contrast_ratio(chosen, background), kMinimumContrast);
    }
}

}  // namespace
}  // namespace korvel::ui
