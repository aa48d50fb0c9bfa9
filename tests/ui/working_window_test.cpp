#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "tests/ui/analysis_records.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/working_window/step_sketch.hpp"
#include "ui/working_window/working_window.hpp"

namespace korvel::ui {
namespace {

class WorkingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show_analysis(testing::apex_load());
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        steps().setFocus();
    }
    QListWidget& steps() { return *window.findChild<QListWidget*>(); }
    QString detail() { return window.findChild<QTextBrowser*>()->toPlainText(); }
    QString spoken(int row) { return steps().item(row)->data(Qt::AccessibleDescriptionRole).toString(); }
    int row_of(const char* symbol) {
        for (int row = 0; row < steps().count(); ++row) {
            if (steps().item(row)->text().contains(QStringLiteral(". ") + QString::fromUtf8(symbol) + u' ')) return row;
        }
        return -1;
    }

    WorkingWindow window;
};

TEST_F(WorkingWindowTest, ListsEveryStepOfTheLatestAnalysisWithItsWorkingSpoken) {
    ASSERT_TRUE(window.working().has_value());
    ASSERT_EQ(steps().count(), static_cast<int>(window.working()->steps.size()));
    const int row = row_of("F(L0U1)");
    ASSERT_GE(row, 0);
    steps().setCurrentRow(row);
    EXPECT_TRUE(detail().contains(QStringLiteral("-11.1814")));
    EXPECT_TRUE(spoken(row).contains(QStringLiteral("(V(L0) − RL0) / sin θ")));
    EXPECT_TRUE(spoken(row).contains(QStringLiteral("-11.1814")));
    EXPECT_TRUE(steps().item(row)->data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("Step ")));
}

TEST_F(WorkingWindowTest, StudyModeHidesEachResultUntilSpaceOrTheButtonShowsIt) {
    const int row = row_of("F(L0L1)");
    steps().setCurrentRow(row);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    // A mnemonic clicks its check box after a short animation.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<QCheckBox*>()->isChecked(); }));
    EXPECT_FALSE(detail().contains(QStringLiteral("10.0012")));
    EXPECT_FALSE(spoken(row).contains(QStringLiteral("10.0012")));

    steps().setFocus();
    QTest::keyClick(&steps(), Qt::Key_Space);
    EXPECT_TRUE(window.is_revealed(row));
    EXPECT_TRUE(detail().contains(QStringLiteral("10.0012")));
    EXPECT_TRUE(spoken(row).contains(QStringLiteral("10.0012")));

    QTest::keyClick(&steps(), Qt::Key_Down);
    EXPECT_EQ(steps().currentRow(), row + 1);
    EXPECT_FALSE(window.is_revealed(row + 1));
    QPushButton* reveal = window.findChild<QPushButton*>();
    ASSERT_TRUE(reveal->isEnabled());
    reveal->click();
    EXPECT_TRUE(window.is_revealed(row + 1));
    EXPECT_FALSE(reveal->isEnabled());

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WorkingWindowTest, TheDrawingMarksTheJointTheSolvedMembersAndTheKnownForces) {
    const engine::WorkingStep& step = window.working()->steps[static_cast<std::size_t>(row_of("F(U2U3)"))];
    EXPECT_EQ(step_sketch_description(step),
              QStringLiteral("Joint U2 is ringed. Solves U2U3. Known: U1U2, L1U2, U2U8."));
    const engine::WorkingStep& cut = window.working()->steps[static_cast<std::size_t>(row_of("F(U4U8)"))];
    EXPECT_TRUE(step_sketch_description(cut).startsWith(QStringLiteral("The dashed line is the cut.")));

    // The solved member is drawn in ink, the known compressed top chord in the compression colour.
    QImage image(400, 160, QImage::Format_ARGB32);
    const DiagramPalette colours = paper_palette();
    image.fill(colours.background);
    QPainter painter(&image);
    paint_step_sketch(painter, QRectF(image.rect()), step, colours);
    painter.end();
    int ink = 0, compression = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink += image.pixelColor(x, y) == colours.ink ? 1 : 0;
            compression += image.pixelColor(x, y) == colours.compression ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 0);
    EXPECT_GT(compression, 0);
}

}  // namespace
}  // namespace korvel::ui
