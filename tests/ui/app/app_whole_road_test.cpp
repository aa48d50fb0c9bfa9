#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <variant>

#include "engine/analysis.hpp"
#include "tests/ui/app/app_test_support.hpp"
#include "tests/ui/result_labels.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app::testing {
namespace {

using ui::Answer;

class WholeRoadTest : public CoordinatorFixture, public ::testing::Test {
protected:
    static engine::AnalysisResult engine_result(const char* span, const char* vertical_at_apex) {
        engine::AnalysisInput input;
        input.span = span;
        input.set_load(engine::Node::U4, engine::Component::Horizontal, "0");
        input.set_load(engine::Node::U4, engine::Component::Vertical, vertical_at_apex);
        return std::get<engine::AnalysisResult>(engine::run_analysis(input));
    }

    void expect_results_of(const engine::AnalysisResult& expected) {
        for (const auto& [label, text] : ui::testing::result_label_texts(expected)) {
            EXPECT_EQ(form2_label(std::string(label).c_str()).text(), text) << label;
        }
    }

    void click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center()); }

    void enter_apex_loads(const char* horizontal, const char* vertical) {
        dialogs.answer_input(QString::fromLatin1(horizontal));
        dialogs.answer_input(QString::fromLatin1(vertical));
        click(form1_label("Label15"));
    }
};

// One user's whole road: type the span, enter the apex loads by clicking the apex,
// read the results, go back and change a load, start anew, and finish.
TEST_F(WholeRoadTest, SpanLoadsResultsBackChangeStartNewAndFinish) {
    QApplication::setActiveWindow(&form1());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
    ASSERT_EQ(QApplication::focusWidget(), &span_box());

    QTest::keyClicks(&span_box(), QStringLiteral("16"));
    enter_apex_loads("0", "10");
    EXPECT_EQ(form1_label("Label28").text(), QStringLiteral("0"));
    EXPECT_EQ(form1_label("Label29").text(), QStringLiteral("10"));

    click(form1_button("Command1"));
    ASSERT_TRUE(form2().isVisible());
    EXPECT_FALSE(form1().isVisible());
    const engine::AnalysisResult first = engine_result("16", "10");
    EXPECT_EQ(form2_label("Label59").text(), ui::to_qstring(first.length(engine::Member::L0L1).to_text()));
    EXPECT_EQ(form2_label("Label89").text(), ui::to_qstring(first.force(engine::Member::U5U9).to_text()));
    expect_results_of(first);

    click(form2_button("Command1"));  // Back
    ASSERT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(span_box().text(), QStringLiteral("16"));

    enter_apex_loads("0", "20");
    click(form1_button("Command1"));
    ASSERT_TRUE(form2().isVisible());
    const engine::AnalysisResult second = engine_result("16", "20");
    expect_results_of(second);
    EXPECT_NE(form2_label("Label62").text(), ui::to_qstring(first.force(engine::Member::L0L1).to_text()));

    dialogs.answer_message(Answer::Yes);
    click(form2_button("Command5"));  // Start New
    ASSERT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_TRUE(span_box().text().isEmpty());
    EXPECT_TRUE(form1_label("Label29").text().isEmpty());
    EXPECT_EQ(form1().focusWidget(), &span_box());

    // A new span typed at once, then Enter in the span box presses "&Results".
    QTest::keyClicks(&span_box(), QStringLiteral("12"));
    QTest::keyClick(&span_box(), Qt::Key_Return);
    ASSERT_TRUE(form2().isVisible());
    EXPECT_EQ(form2_label("Label59").text(),
              ui::to_qstring(engine_result("12", "").length(engine::Member::L0L1).to_text()));

    const int status = exit_status_of([this] {
        dialogs.answer_message(Answer::Yes);
        click(form2_button("Command3"));  // Finish
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(dialogs.script_used_up());
    EXPECT_EQ(dialogs.calls.back().title, QStringLiteral("Confirm Exit"));
}

}  // namespace
}  // namespace korvel::app::testing
