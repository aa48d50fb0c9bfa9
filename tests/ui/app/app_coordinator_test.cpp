#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <variant>

#include "engine/analysis.hpp"
#include "engine/span_accuracy.hpp"
#include "tests/ui/app/app_test_support.hpp"
#include "tests/ui/result_labels.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::app::testing {
namespace {

using ui::Answer;
using ui::MessageStyle;

class CoordinatorTest : public CoordinatorFixture, public ::testing::Test {
protected:
    // Types the span and the apex loads straight into the main window's controls.
    void enter(const char* span, const char* horizontal_at_apex, const char* vertical_at_apex) {
        span_box().setText(QString::fromLatin1(span));
        form1_label("Label28").setText(QString::fromLatin1(horizontal_at_apex));
        form1_label("Label29").setText(QString::fromLatin1(vertical_at_apex));
    }

    static engine::AnalysisResult engine_result(const char* span, const char* vertical_at_apex) {
        engine::AnalysisInput input;
        input.span = span;
        input.set_load(engine::Node::U4, engine::Component::Horizontal, "0");
        input.set_load(engine::Node::U4, engine::Component::Vertical, vertical_at_apex);
        auto outcome = engine::run_analysis(input);
        return std::get<engine::AnalysisResult>(outcome);
    }

    // Every result label of the results window holds the engine's text.
    void expect_results_of(const engine::AnalysisResult& expected) {
        for (const auto& [label, text] : ui::testing::result_label_texts(expected)) {
            EXPECT_EQ(form2_label(std::string(label).c_str()).text(), text) << label;
        }
    }

    void press_results() { form1_button("Command1").click(); }
};

TEST_F(CoordinatorTest, StartsInTheMainWindowWithTheFocusInTheSpanBox) {
    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(form1().focusWidget(), &span_box());
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

TEST_F(CoordinatorTest, CompletedAnalysisShowsItsResultsInPlaceOfTheMainWindow) {
    enter("16", "0", "10");
    press_results();

    const engine::AnalysisResult expected = engine_result("16", "10");
    EXPECT_EQ(form2_label("Label59").text(), ui::to_qstring(expected.length(engine::Member::L0L1).to_text()));
    EXPECT_EQ(form2_label("Label89").text(), ui::to_qstring(expected.force(engine::Member::U5U9).to_text()));
    expect_results_of(expected);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(CoordinatorTest, ASpanTooSmallForTheRoundingIsWarnedOfAndTheResultsStillShow) {
    for (const char* span : {"4.9", "0.01", "5", "16"}) {
        SCOPED_TRACE(span);
        dialogs.calls.clear();
        enter(span, "0", "10");
        press_results();
        const auto warning = engine::span_accuracy_warning(span);
        ASSERT_EQ(dialogs.calls.size(), warning ? 1u : 0u);
        EXPECT_TRUE(!warning || dialogs.calls[0].text == QString::fromStdString(warning->message()));
        expect_results_of(engine_result(span, "10"));
        EXPECT_TRUE(form2().isVisible());
        form2_button("Command1").click();  // Back
    }
}

TEST_F(CoordinatorTest, EmptySpanAsksForItAndStaysInTheMainWindow) {
    form1_label("Label29").setText(QStringLiteral("10"));
    press_results();

    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Please input the span length"));
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Span length?"));
    EXPECT_EQ(dialogs.calls[0].style, MessageStyle::OkInformation);
    EXPECT_EQ(form1().focusWidget(), &span_box());
    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(form2_label("Label59").text(), QString());
}

TEST_F(CoordinatorTest, FailedAnalysisShowsWhyAndKeepsInputsAndEarlierResults) {
    struct Case {
        const char* span;
        const char* vertical_at_apex;
        engine::ErrorKind kind;
    };
    const Case cases[] = {
        {"16", "ten", engine::ErrorKind::TypeMismatch},
        {"abc", "10", engine::ErrorKind::TypeMismatch},
        {"0", "10", engine::ErrorKind::DivisionByZero},
        {"1e400", "10", engine::ErrorKind::Overflow},
    };
    enter("16", "0", "10");
    press_results();
    form2_button("Command1").click();  // Back
    const engine::AnalysisResult earlier = engine_result("16", "10");

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.span) + " / " + c.vertical_at_apex);
        dialogs.calls.clear();
        enter(c.span, "0", c.vertical_at_apex);
        engine::AnalysisInput input;
        input.span = c.span;
        input.set_load(engine::Node::U4, engine::Component::Horizontal, "0");
        input.set_load(engine::Node::U4, engine::Component::Vertical, c.vertical_at_apex);
        const auto outcome = engine::run_analysis(input);
        const auto* error = std::get_if<engine::AnalysisError>(&outcome);
        ASSERT_NE(error, nullptr);
        ASSERT_EQ(error->kind, c.kind);

        press_results();

        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].text, QString::fromStdString(error->message()));
        EXPECT_EQ(dialogs.calls[0].style, MessageStyle::OkExclamation);
        EXPECT_EQ(span_box().text(), QString::fromLatin1(c.span));
        EXPECT_EQ(form1_label("Label29").text(), QString::fromLatin1(c.vertical_at_apex));
        EXPECT_TRUE(form1().isVisible());
        EXPECT_FALSE(form2().isVisible());
        expect_results_of(earlier);
    }
}

TEST_F(CoordinatorTest, BackReturnsWithEverythingKeptAndTheSameInputsGiveTheSameResults) {
    enter("16", "0", "10");
    press_results();
    form2_button("Command1").click();

    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(span_box().text(), QStringLiteral("16"));
    EXPECT_EQ(form1_label("Label28").text(), QStringLiteral("0"));
    EXPECT_EQ(form1_label("Label29").text(), QStringLiteral("10"));
    EXPECT_TRUE(dialogs.calls.empty());

    press_results();
    expect_results_of(engine_result("16", "10"));
    EXPECT_TRUE(form2().isVisible());
}

TEST_F(CoordinatorTest, StartNewYesEmptiesTheInputsAndReturnsWithTheFocusInTheSpanBox) {
    enter("16", "0", "10");
    form1_label("Label37").setText(QStringLiteral("3"));
    press_results();
    dialogs.answer_message(Answer::Yes);
    form2_button("Command5").click();

    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(form1().focusWidget(), &span_box());
    EXPECT_TRUE(span_box().text().isEmpty());
    for (const engine::LoadSlot& slot : engine::kLoadMap)
        EXPECT_TRUE(form1_label(std::string(slot.label).c_str()).text().isEmpty()) << slot.label;
    // No span warning for the emptied box: the only dialog was the question.
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.script_used_up());
}

TEST_F(CoordinatorTest, StartNewNoChangesNothing) {
    enter("16", "0", "10");
    press_results();
    dialogs.answer_message(Answer::No);
    form2_button("Command5").click();

    EXPECT_TRUE(form2().isVisible());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_EQ(span_box().text(), QStringLiteral("16"));
    EXPECT_EQ(form1_label("Label29").text(), QStringLiteral("10"));
    expect_results_of(engine_result("16", "10"));
}

TEST_F(CoordinatorTest, FinishNoKeepsTheResultsWindowAndTheProgramRunning) {
    enter("16", "0", "10");
    press_results();
    const int status = exit_status_of([this] {
        dialogs.answer_message(Answer::No);
        form2_button("Command3").click();
        EXPECT_TRUE(form2().isVisible());
        // Still running: only this ends the loop.
        QCoreApplication::exit(3);
    });
    EXPECT_EQ(status, 3);
}

TEST_F(CoordinatorTest, ConfirmedExitFromEitherWindowEndsTheEventLoopWithStatusZero) {
    struct Case {
        const char* name;
        bool from_results_window;
        std::function<void(CoordinatorTest&)> ask;
    };
    const Case cases[] = {
        {"Finish", true, [](CoordinatorTest& t) { t.form2_button("Command3").click(); }},
        {"results window close box", true, [](CoordinatorTest& t) { t.form2().close(); }},
        {"Exit", false, [](CoordinatorTest& t) { t.form1_button("Command3").click(); }},
        {"main window close box", false, [](CoordinatorTest& t) { t.form1().close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form2().hide();
        form1().show();
        if (c.from_results_window) {
            enter("16", "0", "10");
            press_results();
        }
        dialogs.calls.clear();
        QSignalSpy quitting(&coordinator, &Coordinator::quitting);
        const int status = exit_status_of([&] {
            dialogs.answer_message(Answer::Yes);
            c.ask(*this);
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(quitting.count(), 1);
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Confirm Exit"));
    }
}

TEST_F(CoordinatorTest, CloseBoxAnsweredNoKeepsTheResultsWindowShown) {
    enter("16", "0", "10");
    press_results();
    const int status = exit_status_of([this] {
        dialogs.answer_message(Answer::No);
        form2().close();
        QTimer::singleShot(0, [] { QCoreApplication::exit(4); });
    });
    EXPECT_EQ(status, 4);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_FALSE(form1().isVisible());
}

}  // namespace
}  // namespace korvel::app::testing
