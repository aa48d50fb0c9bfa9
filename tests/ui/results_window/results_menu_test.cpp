#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <variant>

#include "engine/analysis.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "ui/results_window/results_window.hpp"

namespace korvel::ui {
namespace {

struct MenuCommand {
    const char* text;
    QKeySequence shortcut;
    void (ResultsWindow::*signal)();
};

const MenuCommand kCommands[] = {
    {"Force diagram", QKeySequence(QStringLiteral("Ctrl+D")), &ResultsWindow::forces_requested},
    {"Working", QKeySequence(QStringLiteral("Ctrl+K")), &ResultsWindow::working_requested},
    {"Save report as PDF...", QKeySequence(QStringLiteral("Ctrl+P")), &ResultsWindow::report_requested},
    {"Save results as CSV...", QKeySequence(), &ResultsWindow::csv_requested},
    {"Save diagram as SVG/PNG...", QKeySequence(), &ResultsWindow::diagram_picture_requested},
    {"Save working as PDF...", QKeySequence(), &ResultsWindow::working_pdf_requested},
};

class ResultsMenuTest : public ::testing::Test {
protected:
    QAction* command(const char* text) {
        for (QAction* action : window.actions())
            if (action->text().remove(QLatin1Char('&')) == QLatin1String(text)) return action;
        throw std::logic_error(std::string("no command ") + text);
    }
    void show_results() {
        engine::AnalysisInput input;
        input.span = "16";
        window.show_results(std::get<engine::AnalysisResult>(engine::run_analysis(input)));
    }

    testing::ScriptedDialogs dialogs;
    ResultsWindow window{dialogs};
};

TEST_F(ResultsMenuTest, CommandsAreInTheMenuWithTheirShortcutsGreyedUntilThereAreResults) {
    const QMenu* menu = window.findChild<QMenu*>(QStringLiteral("WindowMenu"));
    ASSERT_NE(menu, nullptr);
    for (const MenuCommand& c : kCommands) {
        SCOPED_TRACE(c.text);
        EXPECT_TRUE(menu->actions().contains(command(c.text)));
        EXPECT_EQ(command(c.text)->shortcut(), c.shortcut);
        EXPECT_FALSE(command(c.text)->isEnabled());
    }
    EXPECT_EQ(command("Copy")->shortcut(), QKeySequence(QKeySequence::Copy));
    show_results();
    for (const MenuCommand& c : kCommands) EXPECT_TRUE(command(c.text)->isEnabled()) << c.text;
    EXPECT_TRUE(command("Copy")->isEnabled());
}

TEST_F(ResultsMenuTest, EachCommandAsksForItsOwnWorkAndNothingElse) {
    show_results();
    for (const MenuCommand& c : kCommands) {
        SCOPED_TRACE(c.text);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const MenuCommand& other : kCommands) spies.push_back(std::make_unique<QSignalSpy>(&window, other.signal));
        command(c.text)->trigger();
        for (std::size_t i = 0; i < spies.size(); ++i)
            EXPECT_EQ(spies[i]->count(), kCommands[i].signal == c.signal ? 1 : 0) << kCommands[i].text;
    }
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ResultsMenuTest, ShortcutsWorkWhileTheMenuIsClosed) {
    show_results();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy forces(&window, &ResultsWindow::forces_requested);
    QSignalSpy report(&window, &ResultsWindow::report_requested);
    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(forces.count(), 1);
    EXPECT_EQ(report.count(), 1);
}

TEST_F(ResultsMenuTest, EveryCommandHasAnAccessLetterOfItsOwn) {
    const QMenu* menu = window.findChild<QMenu*>(QStringLiteral("WindowMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList letters;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        const QKeySequence letter = QKeySequence::mnemonic(action->text());
        EXPECT_FALSE(letter.isEmpty()) << action->text().toStdString();
        letters.append(letter.toString());
    }
    letters.removeDuplicates();
    EXPECT_EQ(letters.size(), menu->actions().size() - 2);  // two separators
}

}  // namespace
}  // namespace korvel::ui
