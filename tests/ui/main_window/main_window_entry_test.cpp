#include <QClipboard>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/ui/main_window/main_window_fixture.hpp"
#include "ui/main_window/hotspots.hpp"
#include "ui/main_window/line_breaks.hpp"

namespace korvel::ui::testing {
namespace {

using SpanEntryTest = MainWindowTest;
using LoadEntryTest = MainWindowTest;
using Call = ScriptedDialogs::Call;

int span_warnings(const ScriptedDialogs& dialogs) {
    int count = 0;
    for (const Call& call : dialogs.calls) {
        if (call.kind == Call::Kind::Message && call.title == QStringLiteral("Warning!") &&
            call.text == QStringLiteral("Positive Values Valid only!") && call.style == MessageStyle::OkExclamation)
            ++count;
    }
    return count;
}

TEST_F(SpanEntryTest, TypedKeysAreRefusedOnlyWhenTheyLeaveALoneMinusStarOrSlash) {
    struct Case {
        const char* keys;
        const char* text_after;
        int warnings;
    };
    const std::vector<Case> cases{
        {"-", "", 1},   {"*", "", 1},    {"/", "", 1},    {"+", "+", 0}, {"5-", "5-", 0},
        {"-5", "5", 1}, {"12", "12", 0}, {"a/", "a/", 0}, {"--", "", 2}, {" -", " -", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        span_box().clear();
        dialogs.calls.clear();
        QTest::keyClicks(&span_box(), QString::fromLatin1(c.keys));
        EXPECT_EQ(span_box().text(), QString::fromLatin1(c.text_after));
        EXPECT_EQ(span_warnings(dialogs), c.warnings);
        EXPECT_EQ(dialogs.calls.size(), static_cast<std::size_t>(c.warnings));
    }
}

TEST_F(SpanEntryTest, APastedNegativeNumberPassesUntilOnlyItsMinusIsLeft) {
    QGuiApplication::clipboard()->setText(QStringLiteral("-12"));
    span_box().paste();
    EXPECT_EQ(span_box().text(), QStringLiteral("-12"));
    EXPECT_EQ(span_warnings(dialogs), 0);

    QTest::keyClick(&span_box(), Qt::Key_Backspace);
    EXPECT_EQ(span_box().text(), QStringLiteral("-1"));
    EXPECT_EQ(span_warnings(dialogs), 0);
    QTest::keyClick(&span_box(), Qt::Key_Backspace);
    EXPECT_EQ(span_box().text(), QString());
    EXPECT_EQ(span_warnings(dialogs), 1);
}

TEST_F(SpanEntryTest, TypingAMinusOverTheWholeSelectedTextIsRefused) {
    span_box().setText(QStringLiteral("16"));
    span_box().selectAll();
    QTest::keyClick(&span_box(), Qt::Key_Minus);
    EXPECT_EQ(span_box().text(), QString());
    EXPECT_EQ(span_warnings(dialogs), 1);
}

TEST_F(SpanEntryTest, TextSetByTheProgramIsCheckedTooButEmptyingIsSilent) {
    span_box().setText(QStringLiteral("/"));
    EXPECT_EQ(span_box().text(), QString());
    EXPECT_EQ(span_warnings(dialogs), 1);
    span_box().setText(QStringLiteral("7"));
    span_box().setText(QString());
    EXPECT_EQ(span_warnings(dialogs), 1);
}

TEST(LineBreaks, OuterOnesAreDroppedBlanksKeptAndInnerOnesShownAsReturnSigns) {
    struct Case {
        QString text;
        QString one_line;
        QString shown;  // of one_line
    };
    const Case cases[] = {
        {QStringLiteral("16\n"), QStringLiteral("16"), QStringLiteral("16")},
        {QStringLiteral("\r\n 16 \r\n\n"), QStringLiteral(" 16 "), QStringLiteral(" 16 ")},
        {QStringLiteral("1\n2\r\n3\n"), QStringLiteral("1\n2\r\n3"), QStringLiteral("1⏎2⏎3")},
        {QStringLiteral("4\u2028 5"), QStringLiteral("4\u2028 5"), QStringLiteral("4⏎ 5")},
        {QStringLiteral("\n\r"), QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(without_outer_line_breaks(c.text), c.one_line);
        EXPECT_EQ(has_line_break(c.one_line), c.shown != c.one_line);
        EXPECT_EQ(with_line_breaks_shown(c.one_line), c.shown);
    }
}

TEST_F(SpanEntryTest, APastedCellLosesItsLineBreakAndSeveralLinesAreRefusedKeepingTheSpan) {
    struct Case {
        QString pasted;
        QString text_after;
        QString refused_shown;  // empty: no message
    };
    const Case cases[] = {
        {QStringLiteral("16\r\n"), QStringLiteral("16"), QString()},
        {QStringLiteral("1\n6\n"), QStringLiteral("7"), QStringLiteral("\"1⏎6\"")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted.toStdString());
        span_box().setText(QStringLiteral("7"));
        span_box().selectAll();
        dialogs.calls.clear();
        QGuiApplication::clipboard()->setText(c.pasted);
        span_box().paste();
        EXPECT_EQ(span_box().text(), c.text_after);
        ASSERT_EQ(dialogs.calls.size(), c.refused_shown.isEmpty() ? 0U : 1U);
        EXPECT_TRUE(dialogs.calls.empty() || dialogs.calls[0].text.startsWith(c.refused_shown));
    }
}

TEST_F(SpanEntryTest, AMegabytePasteArrivesWholeAndAtOnce) {
    const QString big(1 << 20, QLatin1Char('9'));
    QGuiApplication::clipboard()->setText(big);
    QElapsedTimer timer;
    timer.start();
    span_box().paste();
    window->grab();
    QTest::keyClick(&span_box(), Qt::Key_Return);
    EXPECT_LT(timer.elapsed(), 5000);  // generous for sanitizer builds; a quadratic check would take minutes
    EXPECT_EQ(span_box().text().size(), big.size());
    ASSERT_TRUE(requested.has_value());
    EXPECT_EQ(requested->span.size(), static_cast<std::size_t>(big.size()));
    EXPECT_EQ(span_warnings(dialogs), 0);
}

// Sanitizers slow every step and hold freed memory back, so their builds get looser bounds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

double resident_megabytes() {
    std::ifstream statm("/proc/self/statm");
    long total_pages = 0;
    long resident_pages = 0;
    statm >> total_pages >> resident_pages;
    return static_cast<double>(resident_pages) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

TEST_F(SpanEntryTest, TwentyMegabytePastesAndResetsStayUnderAHundredMegabytesResident) {
    const QString big(1 << 20, QLatin1Char('9'));
    QGuiApplication::clipboard()->setText(big);
    const double before = resident_megabytes();
    for (int round = 0; round < 20; ++round) {
        span_box().setFocus();
        span_box().paste();
        ASSERT_EQ(span_box().text().size(), big.size());
        window->grab();
        dialogs.answer_message(Answer::Yes);
        click("Command5");
        ASSERT_TRUE(span_box().text().isEmpty());
    }
    const double after = resident_megabytes();
    std::printf("resident before %.1f MB, after twenty rounds %.1f MB\n", before, after);
    if (kSanitized) GTEST_SKIP() << "sanitizers keep freed memory in quarantine";
    EXPECT_LT(after, 100.0);
}

TEST_F(SpanEntryTest, TypingIntoAMegabyteBoxAnswersAtOnceAndKeepsEveryCharacter) {
    const QString big(1 << 20, QLatin1Char('9'));
    QGuiApplication::clipboard()->setText(big);
    span_box().setFocus();
    span_box().paste();
    window->grab();
    std::vector<qint64> nanoseconds;
    QString typed;
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8,
                              Qt::Key_Backspace, Qt::Key_0, Qt::Key_Left, Qt::Key_5}) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&span_box(), key);
        window->repaint();
        QCoreApplication::processEvents();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const double median_ms = static_cast<double>(nanoseconds[nanoseconds.size() / 2]) / 1e6;
    const double slowest_ms = static_cast<double>(nanoseconds.back()) / 1e6;
    std::printf("keystroke into a megabyte: median %.2f ms, slowest %.2f ms\n", median_ms, slowest_ms);
    EXPECT_LT(slowest_ms, kSanitized ? 500.0 : 50.0);
    EXPECT_EQ(span_box().text(), big + QStringLiteral("123456750"));
    EXPECT_EQ(span_warnings(dialogs), 0);
}

// Which label each dialog answer lands in, for every hotspot; the odd pairs of
// U5, U6, U7, L4 and L5 included.
TEST_F(LoadEntryTest, EachHotspotWritesItsAnswersToItsNodesLabels) {
    struct Case {
        std::string hotspot;
        std::string horizontal_label;  // empty for vertical-only hotspots
        std::string vertical_label;
    };
    const std::vector<Case> cases{
        {"Label11", "Label20", "Label21"}, {"Label12", "Label22", "Label23"}, {"Label13", "Label24", "Label25"},
        {"Label14", "Label26", "Label27"}, {"Label15", "Label28", "Label29"}, {"Label10", "Label34", "Label33"},
        {"Label9", "Label36", "Label35"},  {"Label8", "Label40", "Label42"},  {"Label17", "Label39", "Label41"},
        {"Label6", "", "Label30"},         {"Label5", "", "Label31"},         {"Label4", "", "Label32"},
        {"Label3", "", "Label38"},         {"Label2", "", "Label37"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hotspot);
        window->reset_loads();
        dialogs.calls.clear();
        if (!c.horizontal_label.empty()) dialogs.answer_input(QStringLiteral("h-") + QString::fromStdString(c.hotspot));
        dialogs.answer_input(QStringLiteral("v-") + QString::fromStdString(c.hotspot));
        click(c.hotspot);

        ASSERT_TRUE(dialogs.script_used_up());
        std::map<std::string, QString> expected;
        if (!c.horizontal_label.empty())
            expected[c.horizontal_label] = QStringLiteral("h-") + QString::fromStdString(c.hotspot);
        expected[c.vertical_label] = QStringLiteral("v-") + QString::fromStdString(c.hotspot);
        for (const auto& slot : engine::kLoadMap) {
            const std::string name(slot.label);
            const auto it = expected.find(name);
            EXPECT_EQ(caption(name), it == expected.end() ? QString() : it->second) << name;
        }
    }
}

TEST_F(LoadEntryTest, TwoComponentHotspotAsksHorizontalThenVertical) {
    dialogs.answer_input(QStringLiteral("5"));
    dialogs.answer_input(QStringLiteral("-2.5"));
    click("Label11");
    ASSERT_EQ(dialogs.calls.size(), 2U);
    EXPECT_EQ(dialogs.calls[0].kind, Call::Kind::Input);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ENTER THE HORIZONTAL LOAD:"));
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("POSITIVE (+ve) FOR RIGHTWARD DIRECTION:"));
    EXPECT_EQ(dialogs.calls[0].default_text, QString());
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("ENTER THE VERTICAL LOAD:"));
    EXPECT_EQ(dialogs.calls[1].text, QStringLiteral("POSITIVE (+ve) FOR DOWNWARD DIRECTION:"));
    EXPECT_EQ(dialogs.calls[1].default_text, QString());
    EXPECT_EQ(caption("Label20"), QStringLiteral("5"));
    EXPECT_EQ(caption("Label21"), QStringLiteral("-2.5"));
}

TEST_F(LoadEntryTest, VerticalOnlyHotspotShowsExactlyOneDialog) {
    dialogs.answer_input(QStringLiteral("3"));
    click("Label3");
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ENTER THE VERTICAL LOAD:"));
    EXPECT_EQ(caption("Label38"), QStringLiteral("3"));
}

TEST_F(LoadEntryTest, CancelKeepsItsComponentAndEmptyOkEmptiesItAndTheVerticalDialogStillFollows) {
    // Each case starts from the apex holding 1 (horizontal) and 2 (vertical).
    struct Case {
        const char* road;
        std::optional<QString> horizontal;  // no value: Cancel
        std::optional<QString> vertical;
        QString shown_horizontal;
        QString shown_vertical;
    };
    const std::vector<Case> cases{
        {"horizontal cancelled", std::nullopt, QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("9")},
        {"vertical cancelled", QStringLiteral("4"), std::nullopt, QStringLiteral("4"), QStringLiteral("2")},
        {"both cancelled", std::nullopt, std::nullopt, QStringLiteral("1"), QStringLiteral("2")},
        {"horizontal OK on an empty line", QString(), QStringLiteral("7"), QString(), QStringLiteral("7")},
        {"both OK on empty lines", QString(), QString(), QString(), QString()},
    };
    const auto answer = [this](const std::optional<QString>& text) {
        if (text)
            dialogs.answer_input(*text);
        else
            dialogs.cancel_input();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.road);
        dialogs.answer_input(QStringLiteral("1"));
        dialogs.answer_input(QStringLiteral("2"));
        click("Label15");
        dialogs.calls.clear();
        answer(c.horizontal);
        answer(c.vertical);
        click("Label15");
        ASSERT_EQ(dialogs.calls.size(), 2U);
        // Each question offers the load it replaces.
        EXPECT_EQ(dialogs.calls[0].default_text, QStringLiteral("1"));
        EXPECT_EQ(dialogs.calls[1].default_text, QStringLiteral("2"));
        EXPECT_TRUE(dialogs.script_used_up());
        EXPECT_EQ(caption("Label28"), c.shown_horizontal);
        EXPECT_EQ(caption("Label29"), c.shown_vertical);
    }
}

TEST_F(LoadEntryTest, AnAnswerOfSeveralLinesIsRefusedAndAskedAgainWithItsText) {
    dialogs.answer_input(QStringLiteral("1\n2\n3\n"));
    dialogs.answer_input(QStringLiteral("2\r\n"));
    click("Label3");
    ASSERT_EQ(dialogs.calls.size(), 3U);
    EXPECT_EQ(dialogs.calls[1].kind, Call::Kind::Message);
    EXPECT_TRUE(dialogs.calls[1].text.startsWith(QStringLiteral("\"1⏎2⏎3\"")));
    EXPECT_EQ(dialogs.calls[2].default_text, QStringLiteral("1\n2\n3"));
    EXPECT_EQ(caption("Label38"), QStringLiteral("2"));
}

TEST_F(LoadEntryTest, CancelOnAVerticalOnlyNodeKeepsItsLoad) {
    dialogs.answer_input(QStringLiteral("3"));
    click("Label3");
    dialogs.cancel_input();
    click("Label3");
    EXPECT_EQ(caption("Label38"), QStringLiteral("3"));
}

TEST_F(LoadEntryTest, AnswersAreShownExactlyAsTyped) {
    const std::vector<QString> answers{QStringLiteral("  5 kN "), QStringLiteral("--+3"), QStringLiteral("<b>7</b>"),
                                       QStringLiteral("&8"), QStringLiteral("1e3")};
    for (const QString& answer : answers) {
        SCOPED_TRACE(answer.toStdString());
        dialogs.answer_input(answer);
        click("Label4");
        EXPECT_EQ(caption("Label32"), answer);
        EXPECT_EQ(label("Label32").textFormat(), Qt::PlainText);
    }
}

// Records the load captions each time a dialog opens, to show that none changes mid-click.
class ObservingDialogs : public ScriptedDialogs {
public:
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& default_text) override {
        if (observe) seen.push_back(observe());
        return ScriptedDialogs::input(prompt, title, default_text);
    }
    std::function<QString()> observe;
    std::vector<QString> seen;
};

TEST(LoadEntryOrder, NoCaptionChangesBeforeEveryDialogOfTheClickIsClosed) {
    install_default_font();
    ObservingDialogs dialogs;
    MainWindow window(dialogs);
    auto& horizontal = find_control<AutoSizeLabel>(window, "Label40");
    auto& vertical = find_control<AutoSizeLabel>(window, "Label42");
    horizontal.set_caption(QStringLiteral("old-h"));
    vertical.set_caption(QStringLiteral("old-v"));
    dialogs.observe = [&] { return horizontal.text() + QLatin1Char('|') + vertical.text(); };
    dialogs.answer_input(QStringLiteral("new-h"));
    dialogs.answer_input(QStringLiteral("new-v"));

    QTest::mouseClick(&find_control<QWidget>(window, "Label8"), Qt::LeftButton);

    EXPECT_EQ(dialogs.seen, (std::vector<QString>{QStringLiteral("old-h|old-v"), QStringLiteral("old-h|old-v")}));
    EXPECT_EQ(horizontal.text(), QStringLiteral("new-h"));
    EXPECT_EQ(vertical.text(), QStringLiteral("new-v"));
}

// A megabyte answer is the load itself, so it is kept whole, but only its
// beginning is drawn: the label stays small and the window redraws at once.
TEST_F(LoadEntryTest, AMegabyteAnswerIsStoredWholeButDrawnByItsBeginning) {
    // Starts with a character outside the basic plane, so the stored bytes are checked as UTF-8.
    const QString big = QStringLiteral("\U0001F600") + QString((1 << 20) - 2, QLatin1Char('7'));
    dialogs.answer_input(QStringLiteral("0"));
    dialogs.answer_input(big);
    QElapsedTimer timer;
    timer.start();
    click("Label15");
    window->grab();
    const qint64 entry_and_redraw_ms = timer.elapsed();
    timer.restart();
    window->grab();
    const qint64 redraw_ms = timer.elapsed();

    const AutoSizeLabel& apex = label("Label29");
    EXPECT_EQ(apex.text(), big);
    const QString shown = apex.shown_text();
    EXPECT_EQ(shown.size(), AutoSizeLabel::kShownCaptionLength + 1);
    EXPECT_TRUE(big.startsWith(shown.chopped(1)));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_EQ(apex.width(), apex.fitted_size(shown).width());
    EXPECT_LT(apex.width(), window->width());
    EXPECT_LT(entry_and_redraw_ms, 1000);
    EXPECT_LT(redraw_ms, 250);

    click("Command1");
    ASSERT_TRUE(requested.has_value());
    EXPECT_EQ(requested->loads[*engine::load_index_by_label("Label29")], big.toStdString());
}

TEST(ShownCaption, LongCaptionsAreCutToABoundedBeginningNeverInsideACharacter) {
    const QString sixty_three(63, QLatin1Char('1'));
    const QString smile = QStringLiteral("\U0001F600");
    struct Case {
        QString caption;
        QString shown;
    };
    const std::vector<Case> cases{
        {QString(), QString()},
        {QStringLiteral("-12.5"), QStringLiteral("-12.5")},
        {sixty_three + QLatin1Char('2'), sixty_three + QLatin1Char('2')},
        {sixty_three + QStringLiteral("23"), sixty_three + QStringLiteral("2\u2026")},
        {sixty_three.chopped(1) + smile, sixty_three.chopped(1) + smile},
        {sixty_three + smile, sixty_three + QStringLiteral("\u2026")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_EQ(AutoSizeLabel::shown_caption(c.caption), c.shown);
    }
}

TEST_F(LoadEntryTest, NodeNamesAndInnerNodesTakeNoLoads) {
    for (const char* name : {"Label7", "Label16", "Label1", "Label46"}) {
        click(name);
        EXPECT_TRUE(dialogs.calls.empty()) << name;
    }
}

}  // namespace
}  // namespace korvel::ui::testing
