#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <stdexcept>
#include <string>
#include <variant>

#include "engine/analysis.hpp"
#include "engine/result_table.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "ui/results_window/results_window.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

engine::AnalysisResult apex_load_result() {
    engine::AnalysisInput input;
    input.span = "16";
    input.set_load(engine::Node::U4, engine::Component::Vertical, "10");
    engine::AnalysisOutcome outcome = engine::run_analysis(input);
    if (!std::holds_alternative<engine::AnalysisResult>(outcome)) throw std::runtime_error("the analysis failed");
    return std::get<engine::AnalysisResult>(outcome);
}

// The expected clipboard text, built from the engine's texts rather than from the window.
QString expected_table(const engine::AnalysisResult& result) {
    std::string text = "Member\tLength\tAxial force";
    for (const engine::Member member : engine::kMembersInTableOrder) {
        text.append("\n").append(engine::member_name(member)).append("\t").append(result.length(member).to_text());
        text.append("\t").append(result.force(member).to_text());
    }
    for (const engine::Reaction reaction : engine::kReactions)
        text.append("\n")
            .append(engine::reaction_name(reaction))
            .append("\t")
            .append(result.reaction(reaction).to_text());
    return QString::fromStdString(text);
}

class ResultsClipboardTest : public ::testing::Test {
protected:
    ResultsClipboardTest() {
        window.show_results(result);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window)) throw std::runtime_error("the results window did not become active");
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    testing::ScriptedDialogs dialogs;
    ResultsWindow window{dialogs};
    engine::AnalysisResult result = apex_load_result();
};

TEST_F(ResultsClipboardTest, CtrlCCopiesTheWholeResultAsATabSeparatedTable) {
    QTest::keySequence(&window, QKeySequence::Copy);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, expected_table(result));
    EXPECT_EQ(copied.count(u'\n'), 1 + 29 + 3 - 1);
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Member\tLength\tAxial force\nL0L1\t")));
    EXPECT_TRUE(
        copied.endsWith(QStringLiteral("\nHL0\t") + to_qstring(result.reaction(engine::Reaction::HL0).to_text())));
}

TEST_F(ResultsClipboardTest, CopyingWorksWhicheverButtonHasTheFocusAndChangesNothingShown) {
    const QImage before = window.grab().toImage();
    for (const char* focused : {"Command1", "Command3", "Command5"}) {
        SCOPED_TRACE(focused);
        find_control<QWidget>(window, focused).setFocus();
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(&window, QKeySequence::Copy);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected_table(result));
    }
    find_control<QWidget>(window, "Command3").setFocus();
    EXPECT_EQ(window.grab().toImage(), before);
    EXPECT_TRUE(dialogs.calls.empty());
}

}  // namespace
}  // namespace korvel::ui
