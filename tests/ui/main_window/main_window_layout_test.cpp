#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/truss_model.hpp"
#include "tests/ui/drawn_captions.hpp"
#include "tests/ui/focus_chain.hpp"
#include "tests/ui/main_window/main_window_fixture.hpp"
#include "ui/main_window/hotspots.hpp"
#include "ui/main_window/load_reset_order.hpp"
#include "ui/main_window/main_window_layout.hpp"
#include "ui/widgets/drawing.hpp"
#include "ui/widgets/twips.hpp"

namespace korvel::ui::testing {
namespace {

using LayoutTest = MainWindowTest;

QRect pixels(int left, int top, int width, int height) { return to_pixels(TwipRect{left, top, width, height}); }

TEST_F(LayoutTest, WindowIsForm1WithAFixedClientAreaOnTheHighlightedTextColour) {
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("KORVEL"));
    EXPECT_EQ(window->size(), QSize(791, 366));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->palette().color(QPalette::Window), window->palette().color(QPalette::HighlightedText));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->findChildren<AutoSizeLabel*>().size(), 54);
    EXPECT_EQ(window->findChildren<QPushButton*>().size(), 5);
    EXPECT_EQ(window->findChildren<QLineEdit*>().size(), 1);
}

TEST_F(LayoutTest, RepresentativeControlsHaveTheirBoxCaptionAndHoverText) {
    struct Case {
        std::string name;
        QRect box;
        QString caption;
        QString tooltip;
    };
    const QString two_components = QStringLiteral("Click to Enter Horizontal & Vertical Loads.");
    const QString vertical_only = QStringLiteral("Click to Enter Vertical Load.");
    const std::vector<Case> cases{
        {"Label11", pixels(840, 3600, 255, 255), {}, two_components},
        {"Label8", pixels(9600, 3000, 255, 255), {}, two_components},
        {"Label17", pixels(10920, 3600, 165, 195), {}, two_components},
        {"Label6", pixels(2400, 3600, 285, 195), {}, vertical_only},
        {"Label2", pixels(9240, 3600, 255, 255), {}, vertical_only},
        {"Label20", pixels(600, 3360, 45, 195), {}, {}},
        {"Label37", pixels(9480, 3840, 45, 195), {}, {}},
        {"Text1", pixels(6000, 4320, 495, 285), {}, QStringLiteral("Enter Span Length")},
        {"Command4", pixels(4800, 4800, 735, 375), QStringLiteral("&About"), QStringLiteral("About The Developer.")},
        {"Command2", pixels(5880, 4800, 735, 375), QStringLiteral("&Help!!!"), QStringLiteral("Using Help.")},
        {"Command3", pixels(6960, 4800, 735, 375), QStringLiteral("E&xit"), QStringLiteral("Terminnation!")},
        {"Command5", pixels(8040, 4800, 735, 375), QStringLiteral("&Reset"), QStringLiteral("Reset all Loads.")},
        {"Command1", pixels(9120, 4800, 735, 375), QStringLiteral("&Results"), QStringLiteral("Perform The Analysis.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget& widget = control<QWidget>(c.name);
        EXPECT_EQ(widget.geometry(), c.box);
        EXPECT_EQ(widget.toolTip(), c.tooltip);
        if (auto* text_label = qobject_cast<QLabel*>(&widget)) {
            EXPECT_EQ(text_label->text(), c.caption);
        }
        if (auto* push = qobject_cast<QPushButton*>(&widget)) {
            EXPECT_EQ(push->text(), c.caption);
        }
    }
}

TEST_F(LayoutTest, NodeNamesFitTheirCaptionsCloseToTheLaidOutBoxes) {
    struct Case {
        std::string name;
        QString caption;
        QRect box;
    };
    const std::vector<Case> cases{
        {"Label1", QStringLiteral("L0"), pixels(1080, 3360, 180, 195)},
        {"Label55", QStringLiteral("L6"), pixels(10680, 3360, 180, 195)},
        {"Label46", QStringLiteral("U4"), pixels(6120, 1080, 210, 195)},
        {"Label16", QStringLiteral("U9"), pixels(6720, 2520, 210, 195)},
        {"Label18", QStringLiteral(" L="), pixels(5640, 4320, 225, 195)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect actual = label(c.name).geometry();
        EXPECT_EQ(label(c.name).text(), c.caption);
        EXPECT_EQ(actual.topLeft(), c.box.topLeft());
        EXPECT_LE(std::abs(actual.width() - c.box.width()), 1);
        EXPECT_EQ(actual.height(), c.box.height());
    }
}

TEST_F(LayoutTest, LoadLabelsGrowAwayFromTheEdgeTheirAlignmentKeeps) {
    label("Label20").set_caption(QStringLiteral("12345"));
    label("Label34").set_caption(QStringLiteral("12345"));

    const QRect right_aligned = label("Label20").geometry();
    EXPECT_EQ(right_aligned.x() + right_aligned.width(), 43);  // 645 twips
    EXPECT_LT(right_aligned.x(), 40);                          // was 600 twips
    EXPECT_EQ(right_aligned.y(), 224);

    const QRect left_aligned = label("Label34").geometry();
    EXPECT_EQ(left_aligned.x(), 504);  // 7560 twips
    EXPECT_GT(left_aligned.width(), 3);

    label("Label20").set_caption(QString());
    EXPECT_EQ(label("Label20").geometry(), pixels(600, 3360, 45, 195));
}

// A long load covers neither the next node's name nor another load, nor runs off the window.
TEST_F(LayoutTest, LongLoadsAreDrawnWholeOrVisiblyCutAndNeverOverAnotherCaption) {
    struct Case {
        std::vector<std::string_view> labels;
        QString caption;
    };
    std::vector<std::string_view> every_load;
    for (const engine::LoadSlot& slot : engine::kLoadMap) every_load.push_back(slot.label);
    const std::vector<Case> cases{
        {{"Label38"}, QStringLiteral("99999999999.9999")},
        {every_load, QStringLiteral("99999999999.9999")},
        {every_load, QStringLiteral("-1234567890123456789012345.5")},
        {every_load, QString(AutoSizeLabel::kShownCaptionLength + 10, QLatin1Char('9'))},
        {every_load, QStringLiteral("1.5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        for (const std::string_view name : c.labels) label(std::string(name)).set_caption(c.caption);
        testing::expect_captions_whole_or_marked_and_apart(*window);
        for (const std::string_view name : c.labels) EXPECT_EQ(caption(std::string(name)), c.caption);
        for (const engine::LoadSlot& slot : engine::kLoadMap) label(std::string(slot.label)).set_caption(QString());
    }
}

TEST_F(LayoutTest, TabOrderRunsFromTheSpanBoxAcrossTheButtonsAndResultsIsTheDefault) {
    const std::vector<std::string> order{"Text1", "Command1", "Command5", "Command3", "Command2", "Command4"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(order[i]);
        EXPECT_EQ(next_tab_stop(&control<QWidget>(order[i])), &control<QWidget>(order[(i + 1) % order.size()]));
    }
    EXPECT_EQ(window->default_button(), &button("Command1"));
    EXPECT_TRUE(button("Command1").isDefault());
    for (auto* caption : window->findChildren<AutoSizeLabel*>()) {
        EXPECT_EQ(caption->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(LayoutTest, OpensEmptyWithTheFocusInTheSpanBox) {
    EXPECT_TRUE(span_box().text().isEmpty());
    for (const auto& slot : engine::kLoadMap) {
        EXPECT_TRUE(caption(std::string(slot.label)).isEmpty()) << slot.label;
    }
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(LayoutTest, DrawingHasEveryLineAndBothRollers) {
    const Drawing& drawing = window->drawing_surface()->drawing();
    ASSERT_EQ(drawing.lines.size(), 102U);
    std::set<std::string_view> names;
    for (const LineEntry& line : drawing.lines) names.insert(line.name);
    for (int n = 1; n <= 102; ++n) {
        EXPECT_TRUE(names.contains("Line" + std::to_string(n))) << n;
    }

    struct Case {
        std::string_view name;
        TwipPoint from;
        TwipPoint to;
    };
    const std::vector<Case> cases{
        {"Line1", {960, 3720}, {11040, 3720}},    {"Line75", {960, 3720}, {6000, 1320}},
        {"Line15", {9720, 3000}, {9360, 3720}},   {"Line50", {6000, 720}, {6000, 1200}},
        {"Line48", {6000, 1200}, {5880, 1080}},   {"Line49", {6000, 1200}, {6120, 1080}},
        {"Line95", {11160, 3720}, {11640, 3720}}, {"Line93", {11640, 3720}, {11520, 3600}},
        {"Line94", {11640, 3720}, {11520, 3840}}, {"Line74", {9360, 3720}, {9360, 4200}},
        {"Line37", {11280, 3960}, {10800, 3960}}, {"Line101", {11040, 4320}, {11040, 4560}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        const auto line = std::find_if(drawing.lines.begin(), drawing.lines.end(),
                                       [&](const LineEntry& l) { return l.name == c.name; });
        ASSERT_NE(line, drawing.lines.end());
        EXPECT_EQ(line->from.x, c.from.x);
        EXPECT_EQ(line->from.y, c.from.y);
        EXPECT_EQ(line->to.x, c.to.x);
        EXPECT_EQ(line->to.y, c.to.y);
    }
    ASSERT_EQ(drawing.circles.size(), 2U);
    EXPECT_EQ(drawing.circles[1].name, "Shape2");
    EXPECT_EQ(to_pixels(drawing.circles[1].box), pixels(11040, 3840, 135, 135));
}

TEST_F(LayoutTest, DrawingIsPaintedInTheForegroundColour) {
    const QImage image = window->grab().toImage();
    const QColor ink = window->palette().color(QPalette::WindowText);
    // A point on the bottom chord and one on L3U4, away from any label.
    EXPECT_EQ(image.pixelColor(twips_to_pixels(1800), twips_to_pixels(3720)), ink);
    EXPECT_EQ(image.pixelColor(twips_to_pixels(6000), twips_to_pixels(3000)), ink);
    EXPECT_EQ(image.pixelColor(twips_to_pixels(3000), twips_to_pixels(600)), window->palette().color(QPalette::Window));
}

TEST_F(LayoutTest, HotspotsShowTheCrossHairAndTheRestTheWindowsArrow) {
    for (const Hotspot& hotspot : kHotspots) {
        const QCursor cursor = label(std::string(hotspot.label)).cursor();
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 15)) << hotspot.label;
    }
    EXPECT_EQ(window->cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(window->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(label("Label20").cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(button("Command1").cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(span_box().cursor().shape(), Qt::IBeamCursor);
}

TEST(MainWindowTables, HotspotsAgreeWithTheLoadMapAndTheLayout) {
    std::set<std::string_view> written;
    for (const Hotspot& hotspot : kHotspots) {
        const bool has_horizontal = engine::load_index(hotspot.node, engine::Component::Horizontal).has_value();
        EXPECT_EQ(has_horizontal, hotspot.kind == HotspotKind::TwoComponent) << hotspot.label;
        written.insert(engine::kLoadMap[load_slot_of(hotspot.node, engine::Component::Vertical)].label);
        if (has_horizontal)
            written.insert(engine::kLoadMap[load_slot_of(hotspot.node, engine::Component::Horizontal)].label);
        const auto entry = std::find_if(kMainWindowControls.begin(), kMainWindowControls.end(),
                                        [&](const ControlEntry& c) { return c.name == hotspot.label; });
        ASSERT_NE(entry, kMainWindowControls.end()) << hotspot.label;
        EXPECT_EQ(entry->cursor, ControlCursor::Hotspot);
    }
    EXPECT_EQ(written.size(), engine::kLoadCount);
}

TEST(MainWindowTables, ResetOrderEmptiesEachLoadLabelOnce) {
    std::set<std::string_view> reset(kLoadResetOrder.begin(), kLoadResetOrder.end());
    std::set<std::string_view> loads;
    for (const auto& slot : engine::kLoadMap) loads.insert(slot.label);
    EXPECT_EQ(reset, loads);
}

}  // namespace
}  // namespace korvel::ui::testing
