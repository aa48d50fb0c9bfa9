#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/app/app_test_support.hpp"

namespace korvel::app::testing {
namespace {

class WorkingCommandsTest : public CoordinatorFixture, public ::testing::Test {
protected:
    ui::WorkingWindow& working() { return coordinator.working_window(); }
};

TEST_F(WorkingCommandsTest, CtrlKOpensTheWorkingOfTheLatestAnalysisAndFollowsTheNext) {
    analyse("16", "10");
    EXPECT_FALSE(working().isVisible());
    QApplication::setActiveWindow(&form2());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form2()));
    QTest::keyClick(&form2(), Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(working().isVisible());
    EXPECT_TRUE(form2().screen()->availableGeometry().contains(working().frameGeometry()));
    EXPECT_EQ(working().windowTitle(), QStringLiteral("KORVEL - Working"));
    ASSERT_TRUE(working().working().has_value());
    EXPECT_EQ(working().working()->span_text, "16");

    analyse("10", "-4");
    EXPECT_TRUE(working().isVisible());
    EXPECT_EQ(working().working()->span_text, "10");
}

TEST_F(WorkingCommandsTest, SavesTheWorkingAsAPdfOfSeveralPages) {
    analyse("12", "10");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("working.pdf"));
    dialogs.answer_file_name(path);
    run_command("Save working as PDF...");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page "), 5);
}

}  // namespace
}  // namespace korvel::app::testing
