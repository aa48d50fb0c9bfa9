#include <optional>
#include <string>
#include <vector>

#include <QMenu>

#include "tests/ui/main_window/main_window_fixture.hpp"

namespace korvel::ui::testing {
namespace {

using CommandsTest = MainWindowTest;
using Call = ScriptedDialogs::Call;

void expect_message(const Call& call, const QString& title, MessageStyle style) {
    EXPECT_EQ(call.kind, Call::Kind::Message);
    EXPECT_EQ(call.title, title);
    EXPECT_EQ(call.style, style);
}

class CommandsWithLoadsTest : public MainWindowTest {
protected:
    CommandsWithLoadsTest() {
        span_box().setText(QStringLiteral("16"));
        label("Label29").set_caption(QStringLiteral("10"));
        label("Label37").set_caption(QStringLiteral("-4"));
        button("Command4").setFocus();  // so every command has to bring the focus back
    }
    bool inputs_unchanged() const {
        return span_box().text() == QStringLiteral("16") && caption("Label29") == QStringLiteral("10") &&
               caption("Label37") == QStringLiteral("-4");
    }
};

TEST_F(CommandsWithLoadsTest, ResultsCarriesTheSpanAndEveryLoadInLoadMapOrder) {
    label("Label20").set_caption(QStringLiteral("x"));
    click("Command1");
    ASSERT_TRUE(requested.has_value());
    EXPECT_EQ(requested->span, "16");
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        const std::string name(engine::kLoadMap[i].label);
        const std::string expected = name == "Label29" ? "10" : name == "Label37" ? "-4" : name == "Label20" ? "x" : "";
        EXPECT_EQ(requested->loads[i], expected) << name;
    }
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(CommandsWithLoadsTest, EnterPressesResultsFromTheSpanBoxAndTheFocusedButtonOtherwise) {
    span_box().setFocus();
    QTest::keyClick(&span_box(), Qt::Key_Return);
    ASSERT_TRUE(requested.has_value());
    EXPECT_EQ(requested->span, "16");

    requested.reset();
    QTest::keyClick(&span_box(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(requested.has_value());

    requested.reset();
    button("Command2").setFocus();
    QTest::keyClick(&button("Command2"), Qt::Key_Return);
    EXPECT_FALSE(requested.has_value());
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Using help"));
}

TEST_F(CommandsWithLoadsTest, AccessKeysPressTheirButtons) {
    // An access key clicks its button after the button's brief pressed look.
    dialogs.answer_message(Answer::No);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.calls.size() == 1; }));
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Confirm Exit"));
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.calls.size() == 2; }));
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("Using help"));
}

TEST_F(CommandsWithLoadsTest, SharedAccessKeyMovesTheFocusOnInTabOrderAndPressesNothing) {
    // "&Results" (tab index 1) and "&Reset" (2) share R; Exit is 3, About 5.
    struct Case {
        const char* start;
        std::vector<const char*> reached;  // focus after each Alt+R
    };
    const std::vector<Case> cases{
        {"Text1", {"Command1", "Command5", "Command1", "Command5"}},
        {"Command1", {"Command5", "Command1"}},
        {"Command5", {"Command1", "Command5"}},
        {"Command3", {"Command1", "Command5"}},
        {"Command4", {"Command1", "Command5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        control<QWidget>(c.start).setFocus();
        for (const char* expected : c.reached) {
            // The key arrives where a real keyboard sends it: at the focused control.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
            EXPECT_EQ(window->focusWidget(), &control<QWidget>(expected));
        }
    }
    QTest::qWait(250);
    EXPECT_FALSE(requested.has_value());
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(inputs_unchanged());
}

TEST_F(CommandsWithLoadsTest, SpanThenAltREnterAnalysesInsteadOfResetting) {
    span_box().setFocus();
    QTest::keyClick(&span_box(), Qt::Key_R, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(requested.has_value());
    EXPECT_EQ(requested->span, "16");
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(inputs_unchanged());
}

TEST_F(CommandsWithLoadsTest, AltWithAKeyThatIsNoAccessKeyDoesNothing) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* focused;
    };
    const std::vector<Case> cases{
        {Qt::Key_Q, Qt::AltModifier, "Text1"},    {Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier, "Text1"},
        {Qt::Key_5, Qt::AltModifier, "Text1"},    {Qt::Key_Minus, Qt::AltModifier, "Text1"},
        {Qt::Key_Q, Qt::AltModifier, "Command4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        control<QWidget>(c.focused).setFocus();
        QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
        QTest::qWait(150);
        EXPECT_EQ(window->focusWidget(), &control<QWidget>(c.focused));
    }
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_FALSE(requested.has_value());
    EXPECT_TRUE(inputs_unchanged());
    // Typing without Alt still types.
    span_box().setFocus();
    QTest::keyClick(&span_box(), Qt::Key_2);
    EXPECT_EQ(span_box().text(), QStringLiteral("162"));
}

TEST_F(CommandsWithLoadsTest, UsualKeysOpenHelpAndAskTheExitQuestion) {
    struct Case {
        QKeySequence keys;
        std::optional<Answer> answer;  // of the question, if one is asked
        const char* title;
        int exits;
    };
    const std::vector<Case> cases{
        {QKeySequence(Qt::Key_F1), std::nullopt, "Using help", 0},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), Answer::No, "Confirm Exit", 0},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), Answer::Yes, "Confirm Exit", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.toString().toStdString());
        dialogs.calls.clear();
        exits = 0;
        if (c.answer) dialogs.answer_message(*c.answer);
        button("Command4").setFocus();
        QTest::keySequence(window.get(), c.keys);
        ASSERT_EQ(dialogs.calls.size(), 1U);
        EXPECT_EQ(dialogs.calls[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(exits, c.exits);
        EXPECT_EQ(span_box_has_focus(), c.exits == 0);
        EXPECT_TRUE(inputs_unchanged());
    }
}

TEST_F(CommandsWithLoadsTest, UndoAndRedoStepThroughTheChangesOfTheInputs) {
    const auto inputs = [this] {
        QStringList shown{span_box().text()};
        for (const engine::LoadSlot& slot : engine::kLoadMap) shown.append(caption(std::string(slot.label)));
        return shown;
    };
    std::vector<QStringList> states{inputs()};
    dialogs.answer_input(QStringLiteral("5"));
    dialogs.answer_input(QStringLiteral("7"));
    click("Label15");
    states.push_back(inputs());
    LoadTexts table;
    table[*engine::load_index_by_key("U1.V")] = QStringLiteral("3");
    dialogs.answer_load_table(table);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    states.push_back(inputs());
    dialogs.answer_message(Answer::Yes);
    click("Command5");
    states.push_back(inputs());
    ASSERT_TRUE(dialogs.script_used_up());

    // Undo from the span box, which has no typing of its own to undo; redo by each of its keys and the menu.
    for (std::size_t back = states.size() - 1; back-- > 0;) {
        QTest::keySequence(&span_box(), QKeySequence::Undo);
        EXPECT_EQ(inputs(), states[back]) << back;
    }
    QTest::keySequence(&span_box(), QKeySequence::Undo);  // nothing left to undo
    EXPECT_EQ(inputs(), states[0]);
    QTest::keySequence(&span_box(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(inputs(), states[1]);
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(inputs(), states[2]);
    auto& menu = find_control<QMenu>(*window, "WindowMenu");
    for (QAction* action : menu.actions())
        if (action->text() == QStringLiteral("Redo")) action->trigger();
    EXPECT_EQ(inputs(), states[3]);
    EXPECT_TRUE(span_box_has_focus());

    // Typing in the span box is undone by the box first, and a window undo keeps it.
    QTest::keyClicks(&span_box(), QStringLiteral("24"));
    QTest::keySequence(&span_box(), QKeySequence::Undo);
    EXPECT_EQ(inputs(), states[3]);
    QTest::keyClicks(&span_box(), QStringLiteral("8"));
    dialogs.answer_input(QStringLiteral("1"));
    click("Label3");
    QTest::keySequence(window.get(), QKeySequence::Undo);
    EXPECT_EQ(span_box().text(), QStringLiteral("8"));
    EXPECT_EQ(caption("Label38"), QString());
}

TEST_F(CommandsWithLoadsTest, HelpShowsTheFourteenLinesAndReturnsTheFocus) {
    click("Command2");
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("Using help"), MessageStyle::OkInformation);
    const QStringList lines = dialogs.calls[0].text.split(QStringLiteral("\r\n"));
    const QStringList expected{
        QStringLiteral("Working procedure:"),
        QStringLiteral("1. Give the Span Length."),
        QStringLiteral("2. Divide the load in vertical & horizontal component."),
        QStringLiteral("3. Click on the nodes & Input the load components."),
        QStringLiteral("4. Click on the Results button."),
        QString(),
        QStringLiteral("NB: 1.The given directions of load are assumed to be positive,"),
        QStringLiteral("So counter directing load will be negative."),
        QStringLiteral("2. Input only the 'NUMERIC' integer or floating point values,"),
        // Bad input is reported and loses nothing; the warning says so.
        QStringLiteral("otherwise a message names the value to correct; nothing is lost."),
        QString(),
        QStringLiteral("Attention: Appearance of The software may be distorted if"),
        QStringLiteral("Third party Themes are used!"),
        QStringLiteral("Use Windows Defult Themes to get original views."),
    };
    EXPECT_EQ(lines, expected);
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
    }
    EXPECT_TRUE(span_box_has_focus());
    EXPECT_TRUE(inputs_unchanged());
}

TEST_F(CommandsWithLoadsTest, AboutShowsTheTwelveLinesWithTheVersionAndReturnsTheFocus) {
    click("Command4");
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("About developer"), MessageStyle::OkExclamation);
    const QStringList lines = dialogs.calls[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], QStringLiteral("Developed by-"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[6], QString());
    EXPECT_EQ(lines[7], QStringLiteral("Korvel"));
    EXPECT_EQ(lines[9], QStringLiteral("Version 2.1"));
    EXPECT_EQ(lines[10], QString());
    for (const int credit : {2, 3, 4, 5, 8, 11}) {
        EXPECT_FALSE(lines[credit].isEmpty()) << credit;
    }
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(CommandsWithLoadsTest, ResetAnsweredNoKeepsEverythingAndYesEmptiesLoadsAndSpanSilently) {
    dialogs.answer_message(Answer::No);
    click("Command5");
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("Reset All Loads?"), MessageStyle::YesNoQuestion);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Are you sure to Reset all Loads?"));
    EXPECT_TRUE(inputs_unchanged());
    EXPECT_TRUE(span_box_has_focus());

    button("Command4").setFocus();
    dialogs.answer_message(Answer::Yes);
    click("Command5");
    EXPECT_EQ(dialogs.calls.size(), 2U);  // no span warning for the emptied box
    EXPECT_TRUE(span_box().text().isEmpty());
    for (const auto& slot : engine::kLoadMap) {
        EXPECT_TRUE(caption(std::string(slot.label)).isEmpty()) << slot.label;
    }
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(CommandsWithLoadsTest, ExitAnsweredNoKeepsRunningAndYesConfirmsTheExit) {
    dialogs.answer_message(Answer::No);
    click("Command3");
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("Confirm Exit"), MessageStyle::YesNoQuestion);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Are you sure to Exit?\r\n(All data will be lost!)"));
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(span_box_has_focus());
    EXPECT_TRUE(inputs_unchanged());

    dialogs.answer_message(Answer::Yes);
    click("Command3");
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(dialogs.calls.size(), 2U);
}

TEST_F(CommandsWithLoadsTest, CloseBoxAsksTheExitQuestion) {
    dialogs.answer_message(Answer::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(inputs_unchanged());

    dialogs.answer_message(Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(exits, 1);
    ASSERT_EQ(dialogs.calls.size(), 2U);
    expect_message(dialogs.calls[1], QStringLiteral("Confirm Exit"), MessageStyle::YesNoQuestion);
}

TEST_F(CommandsWithLoadsTest, MissingSpanIsAnInformationMessageThenTheSpanBoxHasTheFocus) {
    window->show_analysis_error({engine::ErrorKind::MissingSpan, {engine::ErrorSource::Kind::Span, 0}, ""});
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("Span length?"), MessageStyle::OkInformation);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Please input the span length"));
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(CommandsWithLoadsTest, LoadErrorIsAnExclamationWithTheErrorsOwnMessage) {
    const engine::AnalysisError error{engine::ErrorKind::TypeMismatch, {engine::ErrorSource::Kind::Load, 9}, "ten"};
    window->show_analysis_error(error);
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("KORVEL"), MessageStyle::OkExclamation);
    EXPECT_EQ(dialogs.calls[0].text, QString::fromStdString(error.message()));
    EXPECT_FALSE(dialogs.calls[0].text.isEmpty());
    EXPECT_TRUE(inputs_unchanged());
    EXPECT_FALSE(span_box().hasSelectedText());
}

TEST_F(CommandsWithLoadsTest, SpanErrorSelectsTheSpanText) {
    span_box().setText(QStringLiteral("1e999"));
    const engine::AnalysisError error{engine::ErrorKind::Overflow, {engine::ErrorSource::Kind::Span, 0}, "1e999"};
    window->show_analysis_error(error);
    ASSERT_EQ(dialogs.calls.size(), 1U);
    expect_message(dialogs.calls[0], QStringLiteral("KORVEL"), MessageStyle::OkExclamation);
    EXPECT_EQ(dialogs.calls[0].text, QString::fromStdString(error.message()));
    EXPECT_TRUE(span_box_has_focus());
    EXPECT_EQ(span_box().selectedText(), QStringLiteral("1e999"));
    EXPECT_EQ(span_box().text(), QStringLiteral("1e999"));
}

TEST_F(CommandsTest, FocusSpanBoxSlotMovesTheFocus) {
    button("Command1").setFocus();
    window->focus_span_box();
    EXPECT_TRUE(span_box_has_focus());
}

}  // namespace
}  // namespace korvel::ui::testing
