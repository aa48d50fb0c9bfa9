#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

#include "tests/ui/focus_chain.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/control_entry.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/fixed_form.hpp"
#include "ui/widgets/scroll_to_focus.hpp"
#include "ui/widgets/twips.hpp"

namespace korvel::ui {
namespace {

TEST(Twips, FifteenTwipsMakeAPixelRoundedToTheNearest) {
    struct Case {
        int twips;
        int pixels;
    };
    const std::vector<Case> cases{{0, 0}, {15, 1}, {645, 43}, {7560, 504}, {11865, 791}, {5490, 366},
                                  {7, 0}, {8, 1},  {22, 1},   {-15, -1},   {-8, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(twips_to_pixels(c.twips), c.pixels) << c.twips;
    }
}

// An access key takes the focus past the foot of a scroll area: the area scrolls to it.
TEST(ScrollToFocus, ABoxFocusedByAnyKeyComesIntoSight) {
    QScrollArea scroll;
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    std::vector<QLineEdit*> boxes;
    for (int i = 0; i < 30; ++i) boxes.push_back(new QLineEdit(page)), column->addWidget(boxes.back());
    scroll.setWidget(page);
    scroll.setWidgetResizable(true);
    scroll_to_focus(scroll);
    scroll.resize(300, 120);
    scroll.show();
    QApplication::setActiveWindow(&scroll);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scroll));
    boxes.back()->setFocus(Qt::ShortcutFocusReason);
    QApplication::processEvents();
    const QRect seen = scroll.viewport()->rect();
    const QRect box(boxes.back()->mapTo(scroll.viewport(), QPoint(0, 0)), boxes.back()->size());
    EXPECT_TRUE(seen.contains(box)) << box.y() << " in " << seen.height();
    EXPECT_GT(scroll.verticalScrollBar()->value(), 0);
}

TEST(DefaultFont, OneLineLabelsComeOutThirteenPixelsHigh) {
    install_default_font();
    QWidget parent;
    AutoSizeLabel label(AutoSizeLabel::Growth::KeepLeftEdge, &parent);
    label.set_caption(QStringLiteral("L0"));
    EXPECT_EQ(label.height(), 13);
    EXPECT_NEAR(label.width(), 12, 1);
    label.set_caption(QString());
    EXPECT_EQ(label.size(), QSize(3, 13));
}

TEST(AutoSizeLabel, KeepsTheEdgeItsGrowthNamesAndItsTop) {
    install_default_font();
    struct Case {
        AutoSizeLabel::Growth growth;
        bool moves_left_edge;
        bool resizes;
    };
    const std::vector<Case> cases{{AutoSizeLabel::Growth::KeepLeftEdge, false, true},
                                  {AutoSizeLabel::Growth::KeepRightEdge, true, true},
                                  {AutoSizeLabel::Growth::Fixed, false, false}};
    for (const Case& c : cases) {
        QWidget parent;
        AutoSizeLabel label(c.growth, &parent);
        label.setGeometry(100, 50, 3, 13);
        label.set_caption(QStringLiteral("-123.4567"));
        const QRect box = label.geometry();
        EXPECT_EQ(box.y(), 50);
        EXPECT_EQ(box.width() > 3, c.resizes);
        EXPECT_EQ(box.x() != 100, c.moves_left_edge);
        if (c.growth == AutoSizeLabel::Growth::KeepRightEdge) {
            EXPECT_EQ(box.x() + box.width(), 103);
        }
        EXPECT_EQ(label.text(), QStringLiteral("-123.4567"));
    }
}

TEST(AutoSizeLabel, AFontSetByTheThemeLaterRefitsTheCaptionKeepingItsEdge) {
    install_default_font();
    struct Case {
        AutoSizeLabel::Growth growth;
        QString caption;
    };
    const std::vector<Case> cases{{AutoSizeLabel::Growth::KeepLeftEdge, QStringLiteral("U4")},
                                  {AutoSizeLabel::Growth::KeepRightEdge, QStringLiteral("-12.5")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        QWidget parent;
        AutoSizeLabel label(c.growth, &parent);
        label.setGeometry(100, 50, 3, 13);
        label.set_caption(c.caption);
        const QRect before = label.geometry();
        QFont larger = default_font();
        larger.setPixelSize(22);
        QApplication::setFont(larger);
        QCoreApplication::processEvents();
        const QRect after = label.geometry();
        install_default_font();
        QCoreApplication::processEvents();
        EXPECT_GE(after.width(), QFontMetrics(larger).horizontalAdvance(c.caption));
        EXPECT_GT(after.height(), before.height());
        EXPECT_EQ(after.y(), before.y());
        if (c.growth == AutoSizeLabel::Growth::KeepRightEdge) {
            EXPECT_EQ(after.right(), before.right());
        } else {
            EXPECT_EQ(after.x(), before.x());
        }
    }
}

// A caption wider than its room is drawn smaller, then cut with "…" and whole in its
// hover text; the room ends at the next caption of its row or at the window's edge.
TEST(AutoSizeLabel, ACaptionWiderThanItsRoomShrinksThenIsCutAndComesBackWhole) {
    install_default_font();
    using Growth = AutoSizeLabel::Growth;
    enum class Drawn { Whole, Smaller, Cut };
    struct Case {
        Growth growth;
        int digits;
        Drawn drawn;
    };
    // The right-growing label has 98 pixels up to the caption beside it, the left-growing one 60 up to the edge.
    const std::vector<Case> cases{{Growth::KeepLeftEdge, 8, Drawn::Whole},    {Growth::KeepLeftEdge, 40, Drawn::Cut},
                                  {Growth::KeepLeftEdge, 18, Drawn::Smaller}, {Growth::KeepLeftEdge, 8, Drawn::Whole},
                                  {Growth::KeepRightEdge, 40, Drawn::Cut},    {Growth::KeepRightEdge, 4, Drawn::Whole}};
    QWidget form;
    form.resize(300, 100);
    AutoSizeLabel grows_right(Growth::KeepLeftEdge, &form);
    grows_right.setGeometry(10, 10, 3, 13);
    AutoSizeLabel next(Growth::KeepLeftEdge, &form);
    next.setGeometry(110, 12, 3, 13);
    next.set_caption(QStringLiteral("U4"));
    // Neither a hotspot nor a caption of another row bounds the room.
    AutoSizeLabel hotspot(Growth::Fixed, &form);
    hotspot.setGeometry(60, 10, 17, 17);
    hotspot.set_clickable(true);
    AutoSizeLabel below(Growth::KeepLeftEdge, &form);
    below.setGeometry(40, 30, 3, 13);
    below.set_caption(QStringLiteral("L0"));
    AutoSizeLabel grows_left(Growth::KeepRightEdge, &form);
    grows_left.setGeometry(57, 50, 3, 13);
    for (const Case& c : cases) {
        AutoSizeLabel& label = c.growth == Growth::KeepLeftEdge ? grows_right : grows_left;
        const int room = c.growth == Growth::KeepLeftEdge ? 98 : 60;
        const QString caption = QStringLiteral("-") + QString(c.digits, QLatin1Char('7'));
        SCOPED_TRACE(caption.toStdString());
        label.set_caption(caption);
        const int size = QFontInfo(label.font()).pixelSize();
        EXPECT_LE(label.width(), room);
        EXPECT_EQ(label.is_cut(), c.drawn == Drawn::Cut);
        EXPECT_EQ(label.toolTip(), c.drawn == Drawn::Cut ? caption : QString());
        const int drawn_size = QFontInfo(label.drawn_font()).pixelSize();
        EXPECT_EQ(drawn_size == size, c.drawn == Drawn::Whole);
        EXPECT_GE(drawn_size, std::max(AutoSizeLabel::kSmallestPixelSize,
                                       static_cast<int>(size * AutoSizeLabel::kSmallestShare + 0.5)));
    }
}

// A small form: a text box, an ordinary button and a default button, tab indexes with a gap.
constexpr std::array<ControlEntry, 5> kSampleControls{{
    {.kind = ControlKind::PushButton,
     .name = "Other",
     .box = {1500, 0, 735, 375},
     .caption = "&Other",
     .tab_index = 102},
    {.kind = ControlKind::PushButton,
     .name = "Go",
     .box = {3000, 0, 735, 375},
     .caption = "&Go",
     .tab_index = 1,
     .is_default = true},
    {.kind = ControlKind::TextBox, .name = "Box", .box = {0, 0, 495, 285}, .tooltip = "type here", .tab_index = 0},
    {.kind = ControlKind::Label,
     .name = "Heading",
     .box = {0, 600, 900, 345},
     .caption = "Member",
     .background = Background::Opaque,
     .font = {"Liberation Serif", 12}},
    {.kind = ControlKind::Label, .name = "Spot", .box = {0, 1200, 255, 255}, .cursor = ControlCursor::Hotspot},
}};

class SampleFormTest : public ::testing::Test {
protected:
    SampleFormTest() : form({"Sample", "Sample title", 6000, 3000, kResultsWindowArrowColour}) {
        install_default_font();
        form.build(kSampleControls);
        QObject::connect(&button("Go"), &QPushButton::clicked, [this] { ++go; });
        QObject::connect(&button("Other"), &QPushButton::clicked, [this] { ++other; });
    }
    QPushButton& button(std::string_view name) { return find_control<QPushButton>(form, name); }
    QLineEdit& box() { return find_control<QLineEdit>(form, "Box"); }

    FixedForm form;
    int go = 0;
    int other = 0;
};

TEST_F(SampleFormTest, EnterPressesTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    box().setFocus();
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_EQ(go, 1);
    QTest::keyClick(&form, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(go, 2);

    button("Other").setFocus();
    QTest::keyClick(&button("Other"), Qt::Key_Return);
    EXPECT_EQ(other, 1);
    EXPECT_EQ(go, 2);

    QTest::keyClick(&box(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(go, 2);
}

TEST_F(SampleFormTest, FindControlTakesADirectChildOfTheKindAskedForAndNamesAMissingOne) {
    QWidget nested(&form);
    nested.setObjectName(QStringLiteral("Nested"));
    (new QPushButton(&nested))->setObjectName(QStringLiteral("Inner"));
    EXPECT_EQ(find_control<QWidget>(form, "Go").objectName(), QStringLiteral("Go"));
    for (const char* name : {"Inner", "Missing"}) {
        SCOPED_TRACE(name);
        try {
            find_control<QPushButton>(form, name);
            ADD_FAILURE() << "found";
        } catch (const std::logic_error& error) {
            EXPECT_EQ(std::string(error.what()), std::string("Sample has no control ") + name);
        }
    }
    EXPECT_THROW(find_control<QPushButton>(form, "Box"), std::logic_error);
}

TEST_F(SampleFormTest, TabIndexesOrderTheFocusChainAndLabelsNeverTakeTheFocus) {
    EXPECT_EQ(testing::next_tab_stop(&box()), &button("Go"));
    EXPECT_EQ(testing::next_tab_stop(&button("Go")), &button("Other"));
    EXPECT_EQ(testing::next_tab_stop(&button("Other")), &box());
    EXPECT_EQ(find_control<QLabel>(form, "Spot").focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(form.default_button(), &button("Go"));
    EXPECT_FALSE(button("Other").isDefault());
}

TEST_F(SampleFormTest, ControlsTakeTheirFontBackgroundHoverTextAndCursor) {
    auto* heading = &find_control<AutoSizeLabel>(form, "Heading");
    EXPECT_EQ(heading->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(heading->font().pointSize(), 12);
    EXPECT_TRUE(heading->autoFillBackground());
    EXPECT_EQ(heading->growth(), AutoSizeLabel::Growth::Fixed);
    EXPECT_EQ(box().toolTip(), QStringLiteral("type here"));
    EXPECT_EQ(box().maxLength(), 1 << 24);
    EXPECT_EQ(find_control<QLabel>(form, "Spot").cursor().hotSpot(), QPoint(16, 15));
    EXPECT_EQ(button("Go").cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Sample title"));
    EXPECT_EQ(form.size(), QSize(400, 200));
}

TEST_F(SampleFormTest, FirstShowCentresTheWindowOnTheScreen) {
    form.show();
    const QPoint screen_centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint window_centre = form.frameGeometry().center();
    EXPECT_LE((screen_centre - window_centre).manhattanLength(), 2);
}

TEST(Artwork, IconAndCursorsAreTheProgramsOwn) {
    const QIcon icon = program_icon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));

    struct Case {
        QColor fill;
    };
    for (const Case& c : std::vector<Case>{{kMainWindowArrowColour}, {kResultsWindowArrowColour}}) {
        const QCursor cursor = arrow_cursor(c.fill);
        const QImage image = cursor.pixmap().toImage();
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));  // the outline at the tip
        EXPECT_EQ(image.pixelColor(2, 5), c.fill);             // inside the arrow
        EXPECT_EQ(image.pixelColor(20, 20).alpha(), 0);        // outside it
    }
    const QImage cross = hotspot_cursor().pixmap().toImage();
    EXPECT_EQ(cross.pixelColor(16, 15).alpha(), 0);  // the gap round the hot spot
    EXPECT_EQ(cross.pixelColor(16, 2), QColor(Qt::black));
    EXPECT_EQ(cross.pixelColor(2, 15), QColor(Qt::black));
}

}  // namespace
}  // namespace korvel::ui
