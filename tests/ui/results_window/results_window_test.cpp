#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdint>
#include <vector>

#include "engine/analysis.hpp"
#include "tests/ui/analysis_records.hpp"
#include "tests/ui/drawn_captions.hpp"
#include "tests/ui/result_labels.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "tests/ui/window_control.hpp"
#include "ui/results_window/results_window.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/twips.hpp"

namespace korvel::ui {
namespace {

using testing::ScriptedDialogs;

class ResultsWindowTest : public ::testing::Test {
protected:
    QLabel& label(const char* name) { return testing::window_control<QLabel>(window, name); }
    QPushButton& button(const char* name) { return find_control<QPushButton>(window, name); }
    // The message calls the window made, as (title, style) pairs.
    std::vector<std::pair<QString, MessageStyle>> questions() const {
        std::vector<std::pair<QString, MessageStyle>> out;
        for (const auto& call : dialogs.calls) out.emplace_back(call.title, call.style);
        return out;
    }

    ScriptedDialogs dialogs;
    ResultsWindow window{dialogs};
};

TEST_F(ResultsWindowTest, WindowIsAFixedForm2TitledKorvel) {
    EXPECT_EQ(window.objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KORVEL"));
    EXPECT_EQ(window.size(), QSize(11865 / 15, 5490 / 15));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.findChildren<QLabel*>().size(), 100);
    EXPECT_EQ(window.findChildren<QPushButton*>().size(), 3);
}

TEST_F(ResultsWindowTest, NavyArrowOverTheWindowAndItsLabelsButNotOverTheButtons) {
    const QCursor cursor = window.cursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    const QImage arrow = cursor.pixmap().toImage();
    EXPECT_EQ(arrow.size(), QSize(32, 32));
    EXPECT_EQ(arrow.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(arrow.pixelColor(1, 5), QColor(0, 0, 128));
    EXPECT_FALSE(label("Label59").testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(label("Label94").testAttribute(Qt::WA_SetCursor));
    for (const char* name : {"Command1", "Command3", "Command5"})
        EXPECT_EQ(button(name).cursor().shape(), Qt::ArrowCursor) << name;
}

TEST_F(ResultsWindowTest, RepresentativeLabelsStandWhereTheLayoutPutsThem) {
    struct Case {
        const char* name;
        int left_twips;
        int top_twips;
        const char* caption;
        const char* font_family;  // empty: the application's default font
        int point_size;
        bool opaque;
    };
    const Case cases[] = {
        {"Label94", 360, 240, "Reactions", "Comic Sans MS", 12, false},
        {"Label60", 3600, 240, "Length", "Comic Sans MS", 12, true},
        {"Label76", 10200, 240, "Axial force", "Comic Sans MS", 12, true},
        {"Label78", 7320, 240, "Member", "Comic Sans MS", 12, false},
        {"Label2", 2160, 720, "L0L1=", "Times New Roman", 12, false},
        {"Label6", 2160, 4080, "L4L5=", "Times New Roman", 12, false},
        {"Label19", 7320, 840, "L1U2=", "Times New Roman", 12, false},
        {"Label25", 7320, 3960, "U5U9=", "Times New Roman", 12, false},
        {"Label59", 3840, 720, "", "Times New Roman", 12, false},
        {"Label89", 10440, 3960, "", "Times New Roman", 12, false},
        {"Label97", 240, 1320, "HL0(Left)=", "", 0, false},
        {"Label95", 240, 840, "RL0 (Up) =", "", 0, false},
        {"Label100", 1080, 1320, "", "", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QLabel& shown = label(c.name);
        EXPECT_EQ(shown.pos(), QPoint(twips_to_pixels(c.left_twips), twips_to_pixels(c.top_twips)));
        EXPECT_EQ(shown.text(), QString::fromLatin1(c.caption));
        if (c.point_size == 0) {
            EXPECT_EQ(shown.font(), default_font());
        } else {
            EXPECT_EQ(shown.font().family(), QString::fromLatin1(c.font_family));
            EXPECT_EQ(shown.font().pointSize(), c.point_size);
            EXPECT_EQ(shown.font().weight(), QFont::Normal);
            EXPECT_FALSE(shown.font().italic() || shown.font().underline() || shown.font().strikeOut());
        }
        EXPECT_EQ(shown.autoFillBackground(), c.opaque);
        EXPECT_EQ(shown.focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(ResultsWindowTest, EmptyResultLabelsKeepTheirLaidOutBoxes) {
    EXPECT_EQ(label("Label59").geometry(), to_pixels(TwipRect{3840, 720, 60, 285}));
    EXPECT_EQ(label("Label98").geometry(), to_pixels(TwipRect{1080, 840, 45, 195}));
}

TEST_F(ResultsWindowTest, ButtonsHaveTheirBoxesCaptionsAndHoverTexts) {
    struct Case {
        const char* name;
        TwipRect box;
        const char* caption;
        const char* tooltip;
    };
    const Case cases[] = {
        {"Command5", {6840, 4800, 855, 375}, "&Start New", "Start new Calculations."},
        {"Command1", {8040, 4800, 735, 375}, "&Back", ""},
        {"Command3", {9120, 4800, 735, 375}, "&Finish", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QPushButton& shown = button(c.name);
        EXPECT_EQ(shown.geometry(), to_pixels(c.box));
        EXPECT_EQ(shown.text(), QString::fromLatin1(c.caption));
        EXPECT_EQ(shown.toolTip(), QString::fromLatin1(c.tooltip));
    }
}

TEST_F(ResultsWindowTest, TabOrderRunsFinishBackStartNewAndFinishIsTheDefault) {
    std::vector<QString> order;
    QWidget* widget = &button("Command3");
    for (int i = 0; i < 3; ++i) {
        order.push_back(widget->objectName());
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget == &window);
    }
    EXPECT_EQ(order, (std::vector<QString>{"Command3", "Command1", "Command5"}));
    EXPECT_EQ(widget->objectName(), QStringLiteral("Command3"));
    EXPECT_TRUE(button("Command3").isDefault());
    EXPECT_FALSE(button("Command1").isDefault() || button("Command5").isDefault());
}

TEST_F(ResultsWindowTest, ShowResultsWritesEveryLabelByItsNameWithoutShowingTheWindow) {
    // A different value for every result, so that a result under another's label shows.
    engine::AnalysisResult result;
    std::int64_t next = 1;
    for (const engine::Member member : engine::kMembers) {
        result.set_length(member, engine::Fixed4::from_count(next++));
        result.set_force(member, engine::Fixed4::from_count(-next++));
    }
    for (const engine::Reaction reaction : engine::kReactions)
        result.set_reaction(reaction, engine::Fixed4::from_count(next++ * 10001));
    window.show_results(result);
    const auto labels = testing::result_label_texts(result);
    ASSERT_EQ(labels.size(), 61u);
    for (const auto& [name, text] : labels) EXPECT_EQ(label(std::string(name).c_str()).text(), text) << name;
    EXPECT_EQ(label("Label59").text(), to_qstring(result.length(engine::Member::L0L1).to_text()));
    EXPECT_EQ(label("Label89").text(), to_qstring(result.force(engine::Member::U5U9).to_text()));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ResultsWindowTest, LongResultsGrowToTheRightFromAFixedLeftEdge) {
    const engine::Fixed4 long_result = engine::Fixed4::parse("-12345.6789");
    engine::AnalysisResult longer;
    longer.set_force(engine::Member::L0L1, long_result);
    longer.set_force(engine::Member::U5U9, long_result);
    longer.set_reaction(engine::Reaction::HL0, long_result);
    const std::vector<const char*> names{"Label62", "Label89", "Label100"};
    std::vector<QRect> empty_boxes;
    for (const char* name : names) empty_boxes.push_back(label(name).geometry());
    window.show_results(longer);
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const QLabel& result = label(names[i]);
        EXPECT_EQ(result.text(), QStringLiteral("-12345.6789"));
        EXPECT_EQ(result.x(), empty_boxes[i].x());
        EXPECT_EQ(result.y(), empty_boxes[i].y());
        EXPECT_GT(result.width(), empty_boxes[i].width());
        const auto& fitted = testing::window_control<AutoSizeLabel>(window, names[i]);
        EXPECT_EQ(fitted.drawn_text(), result.text());
        EXPECT_GE(result.width(), QFontMetrics(fitted.drawn_font()).horizontalAdvance(result.text()));
    }
}

// Results of up to nineteen digits stay inside the window and off each other's
// captions; what is drawn cut reads whole on hovering, to a screen reader and in Copy.
TEST_F(ResultsWindowTest, LargeResultsAreDrawnWholeOrVisiblyCutAndNeverOverAnotherCaption) {
    const std::vector<AnalysisRecord> cases{
        testing::large_results(),
        testing::analysed("24.5", {{"L4.V", "-99999999999.9999"}, {"U2.H", "99999999999.9999"}, {"U6.V", "1"}}),
        testing::analysed("99999999.9999", {{"U4.V", "-1234.5678"}, {"L0.H", "999.9999"}}),
        testing::mixed_loads(),
    };
    window.show();
    // A theme may set a larger application font once the window stands.
    QFont theme_font = QApplication::font();
    theme_font.setPixelSize(16);
    const std::vector<QFont> fonts{QApplication::font(), theme_font};
    for (const AnalysisRecord& record : cases) {
        SCOPED_TRACE(record.input.span);
        window.show_results(record.result);
        for (const QFont& font : fonts) {
            QApplication::setFont(font);
            QCoreApplication::processEvents();
            testing::expect_captions_whole_or_marked_and_apart(window);
        }
        QApplication::setFont(fonts.front());
        window.copy_results();
        const QString copied = QGuiApplication::clipboard()->text();
        for (const auto& [name, text] : testing::result_label_texts(record.result)) {
            EXPECT_EQ(label(std::string(name).c_str()).text(), text) << name;
            EXPECT_TRUE(copied.contains(text)) << name;
        }
    }
}

TEST_F(ResultsWindowTest, PictureIsWhiteExceptTheStripAtTheRight) {
    // With a background colour other than white the strip at the right shows it.
    const QPalette standard = QApplication::palette();
    QPalette tinted = standard;
    tinted.setColor(QPalette::HighlightedText, QColor(255, 255, 0));
    QApplication::setPalette(tinted);
    ResultsWindow tinted_window(dialogs);
    const QImage image = tinted_window.grab().toImage();
    QApplication::setPalette(standard);

    ASSERT_EQ(image.size(), QSize(791, 366));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(764, 360), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(766, 2), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(790, 365), QColor(255, 255, 0));
}

TEST_F(ResultsWindowTest, BackAsksNothing) {
    QSignalSpy back(&window, &ResultsWindow::back_requested);
    button("Command1").click();
    EXPECT_EQ(back.count(), 1);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ResultsWindowTest, StartNewAndFinishActOnlyOnYes) {
    struct Case {
        const char* button;
        Answer answer;
        const char* title;
        const char* text;
        int start_new_signals;
        int exit_signals;
    };
    const Case cases[] = {
        {"Command5", Answer::Yes, "New Calculations?", "Are you sure to Start New Calculations?", 1, 0},
        {"Command5", Answer::No, "New Calculations?", "Are you sure to Start New Calculations?", 0, 0},
        {"Command3", Answer::Yes, "Confirm Exit", "Are you sure to Exit?\r\n(All data will be lost!)", 0, 1},
        {"Command3", Answer::No, "Confirm Exit", "Are you sure to Exit?\r\n(All data will be lost!)", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + (c.answer == Answer::Yes ? " Yes" : " No"));
        ScriptedDialogs scripted;
        ResultsWindow fresh(scripted);
        QSignalSpy start_new(&fresh, &ResultsWindow::start_new_confirmed);
        QSignalSpy exit(&fresh, &ResultsWindow::exit_confirmed);
        QSignalSpy back(&fresh, &ResultsWindow::back_requested);
        scripted.answer_message(c.answer);
        find_control<QPushButton>(fresh, c.button).click();
        ASSERT_EQ(scripted.calls.size(), 1u);
        EXPECT_EQ(scripted.calls[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(scripted.calls[0].text, QString::fromLatin1(c.text));
        EXPECT_EQ(scripted.calls[0].style, MessageStyle::YesNoQuestion);
        EXPECT_EQ(start_new.count(), c.start_new_signals);
        EXPECT_EQ(exit.count(), c.exit_signals);
        EXPECT_EQ(back.count(), 0);
    }
}

TEST_F(ResultsWindowTest, EnterRightAfterShowingAsksTheFinishQuestion) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(QApplication::focusWidget(), &button("Command3"));
    dialogs.answer_message(Answer::No);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(
        questions(),
        (std::vector<std::pair<QString, MessageStyle>>{{QStringLiteral("Confirm Exit"), MessageStyle::YesNoQuestion}}));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ResultsWindowTest, AccessKeysPressTheirButtons) {
    // An access key clicks its button after the button's brief pressed look.
    QSignalSpy back(&window, &ResultsWindow::back_requested);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return back.count() == 1; }));

    dialogs.answer_message(Answer::No);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.calls.size() == 1; }));
    dialogs.answer_message(Answer::No);
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.calls.size() == 2; }));
    EXPECT_EQ(questions(), (std::vector<std::pair<QString, MessageStyle>>{
                               {QStringLiteral("New Calculations?"), MessageStyle::YesNoQuestion},
                               {QStringLiteral("Confirm Exit"), MessageStyle::YesNoQuestion}}));
    EXPECT_EQ(back.count(), 1);
}

TEST_F(ResultsWindowTest, CtrlQAsksTheFinishQuestionAndAltWithAnyOtherKeyDoesNothing) {
    QSignalSpy exit(&window, &ResultsWindow::exit_confirmed);
    QSignalSpy back(&window, &ResultsWindow::back_requested);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (const Qt::Key key : {Qt::Key_Q, Qt::Key_R, Qt::Key_X, Qt::Key_1}) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    }
    QTest::qWait(250);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(QApplication::focusWidget(), &button("Command3"));

    struct Case {
        Answer answer;
        int exits;
    };
    for (const Case& c : {Case{Answer::No, 0}, Case{Answer::Yes, 1}}) {
        dialogs.answer_message(c.answer);
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Q));
        EXPECT_EQ(exit.count(), c.exits);
    }
    EXPECT_EQ(questions(), (std::vector<std::pair<QString, MessageStyle>>{
                               {QStringLiteral("Confirm Exit"), MessageStyle::YesNoQuestion},
                               {QStringLiteral("Confirm Exit"), MessageStyle::YesNoQuestion}}));
    EXPECT_EQ(back.count(), 0);
}

TEST_F(ResultsWindowTest, CloseBoxAsksTheExitQuestion) {
    QSignalSpy exit(&window, &ResultsWindow::exit_confirmed);
    window.show();

    dialogs.answer_message(Answer::No);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(exit.count(), 0);

    dialogs.answer_message(Answer::Yes);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(exit.count(), 1);
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("Confirm Exit"));
}

}  // namespace
}  // namespace korvel::ui
