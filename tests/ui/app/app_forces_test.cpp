#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/app/app_test_support.hpp"
#include "ui/widgets/auto_size_label.hpp"

namespace korvel::app::testing {
namespace {

class ForcesWindowTest : public CoordinatorFixture, public ::testing::Test {
protected:
    ui::ForceDiagramWindow& forces() { return coordinator.forces_window(); }
};

TEST_F(ForcesWindowTest, CtrlDInTheMainWindowOpensTheDiagramOnceThereIsAnAnalysis) {
    QApplication::setActiveWindow(&form1());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
    QTest::keyClick(&form1(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(forces().isVisible()) << "nothing to draw before the first analysis";

    analyse("16", "10");
    form2_button("Command1").click();  // Back
    ASSERT_TRUE(form1().isVisible());
    QApplication::setActiveWindow(&form1());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
    QTest::keyClick(&form1(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(forces().isVisible());
    EXPECT_TRUE(form1().isVisible()) << "the diagram opens beside the main window";
    EXPECT_EQ(forces().analysis()->input.span, "16");
}

TEST_F(ForcesWindowTest, CtrlDOpensTheLatestAnalysisBesideTheResults) {
    analyse("16", "10");
    EXPECT_FALSE(forces().isVisible());
    QApplication::setActiveWindow(&form2());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form2()));
    QTest::keyClick(&form2(), Qt::Key_D, Qt::ControlModifier);

    ASSERT_TRUE(forces().isVisible());
    EXPECT_EQ(forces().windowTitle(), QStringLiteral("KORVEL - Forces"));
    EXPECT_TRUE(form2().isVisible());
    ASSERT_TRUE(forces().analysis().has_value());
    EXPECT_EQ(forces().analysis()->input.span, "16");
    EXPECT_EQ(forces().analysis()->result.force(engine::Member::L0L1).to_text(), "10.0012");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ForcesWindowTest, StaysOpenBesideEitherWindowAndFollowsEveryNewAnalysis) {
    analyse("16", "10");
    run_command("Force diagram");
    form2_button("Command1").click();  // Back
    EXPECT_TRUE(forces().isVisible());
    EXPECT_TRUE(form1().isVisible());

    // The main window's span changes without an analysis: the diagram keeps the analysed one.
    span_box().setText(QStringLiteral("99"));
    EXPECT_EQ(forces().analysis()->input.span, "16");

    analyse("10", "-4");
    EXPECT_TRUE(forces().isVisible());
    EXPECT_EQ(forces().analysis()->input.span, "10");
    EXPECT_EQ(forces().analysis()->input.loads[*engine::load_index_by_key("U4.V")], "-4");
    EXPECT_EQ(forces().analysis()->result.reaction(engine::Reaction::RL0).to_text(), "-2");
}

TEST_F(ForcesWindowTest, SaysWhenTheInputsDifferFromTheAnalysisItShowsUntilTheNextAnalysis) {
    analyse("16", "10");
    run_command("Force diagram");
    form2_button("Command1").click();  // Back
    const auto note = [this] {
        QCoreApplication::processEvents();
        return forces().says_inputs_changed();
    };
    EXPECT_FALSE(note());
    const struct {
        const char* span;
        const char* apex;
        bool changed;
    } steps[] = {{"99", "10", true}, {"16", "10", false}, {"16", "-3", true}, {"16", "10", false}, {"", "", true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.span) + " / " + step.apex);
        span_box().setText(QString::fromLatin1(step.span));
        ui::LoadTexts loads;
        loads[*engine::load_index_by_key("U4.V")] = QString::fromLatin1(step.apex);
        dialogs.answer_load_table(loads);
        for (QAction* action : form1().findChildren<QAction*>())
            if (action->text() == QStringLiteral("Edit all loads...")) action->trigger();
        EXPECT_EQ(note(), step.changed);
    }
    EXPECT_TRUE(forces().findChild<QLabel*>(QStringLiteral("InputsChanged"))->isVisible());
    analyse("12", "5");
    EXPECT_FALSE(note()) << "a new analysis shows the current inputs";
}

TEST_F(ForcesWindowTest, OpensInsideTheScreenOfTheWindowThatOpenedIt) {
    analyse("16", "10");
    run_command("Force diagram");
    const QRect screen = form2().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(forces().frameGeometry()));
    EXPECT_GE(forces().width(), forces().minimumWidth());
}

TEST_F(ForcesWindowTest, EscapeAndTheCloseBoxCloseItWithoutAQuestionAndTheProgramGoesOn) {
    analyse("16", "10");
    for (const bool by_escape : {true, false}) {
        SCOPED_TRACE(by_escape ? "Escape" : "close box");
        run_command("Force diagram");
        ASSERT_TRUE(forces().isVisible());
        QApplication::setActiveWindow(&forces());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&forces()));
        if (by_escape) {
            QTest::keyClick(&forces(), Qt::Key_Escape);
        } else {
            forces().close();
        }
        EXPECT_FALSE(forces().isVisible());
        EXPECT_TRUE(form2().isVisible());
    }
    EXPECT_TRUE(dialogs.calls.empty());
    // Nothing asked the event loop to end: it runs until this test ends it.
    EXPECT_EQ(exit_status_of([] { QCoreApplication::exit(7); }), 7);
}

TEST_F(ForcesWindowTest, ResizesAndRedrawsAtAnySize) {
    analyse("16", "10");
    run_command("Force diagram");
    EXPECT_LT(forces().minimumSize().width(), forces().width());
    for (const QSize size : {QSize(600, 400), QSize(1400, 500), QSize(700, 900)}) {
        forces().resize(size);
        const QImage image = forces().grab().toImage();
        EXPECT_EQ(image.size(), size * forces().devicePixelRatio());
        // The tension colour of the bottom chord appears somewhere in the picture.
        bool has_tension = false;
        for (int y = 0; y < image.height() && !has_tension; y += 2)
            for (int x = 0; x < image.width() && !has_tension; ++x)
                has_tension = image.pixelColor(x, y) == QColor(0x00, 0x72, 0xB2);
        EXPECT_TRUE(has_tension) << size.width() << "x" << size.height();
    }
}

TEST_F(ForcesWindowTest, TheSaveCommandsWriteTheLatestAnalysis) {
    analyse("16", "10");
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("results.csv"));
    dialogs.answer_file_name(csv);
    run_command("Save results as CSV...");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\r\nL0L1,2.5,10.0012,\r\n"));
    EXPECT_TRUE(dialogs.script_used_up());
}

}  // namespace
}  // namespace korvel::app::testing
