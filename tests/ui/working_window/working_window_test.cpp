#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "engine/working_text.hpp"
#include "tests/ui/analysis_records.hpp"
#include "tests/ui/poppler.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/window_placement.hpp"
#include "ui/working_drawing/step_sketch.hpp"
#include "ui/working_drawing/working_pdf.hpp"
#include "ui/working_window/working_window.hpp"
#include "ui/working_window/working_window_texts.hpp"

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

// The hover text of the number written as `shown` in the step's text, or nothing.
QString hover_of(const QTextDocument& document, const QString& shown) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == shown) return it.fragment().charFormat().toolTip();
        }
    }
    return {};
}

TEST_F(WorkingWindowTest, WritesSixDigitsWithTheFullValueOnHoverOrEveryDigitOnRequest) {
    const int row = row_of("F(L0U1)");
    ASSERT_GE(row, 0);
    steps().setCurrentRow(row);
    const engine::WorkingStep& step = window.working()->steps[static_cast<std::size_t>(row)];
    const std::string full = engine::number_text(step.operands.back().value);
    ASSERT_EQ(step.operands.back().symbol, "sin θ");
    EXPECT_TRUE(detail().contains(QStringLiteral("sin θ = 0.447171\n"))) << detail().toStdString();
    EXPECT_EQ(hover_of(*window.findChild<QTextBrowser*>()->document(), QStringLiteral("0.447171")),
              QString::fromStdString(full));

    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChildren<QCheckBox*>().at(1)->isChecked(); }));
    EXPECT_TRUE(detail().contains(QString::fromStdString("sin θ = " + full)));
    EXPECT_TRUE(spoken(row).contains(QString::fromStdString(full)));
}

TEST_F(WorkingWindowTest, UpAndDownMoveThroughTheStepsFromTheControlsAndTheListMarksItsFocus) {
    steps().setCurrentRow(3);
    // The current step is framed in the selection's text colour along its edge.
    const auto framed = [&] {
        const QImage image = steps().viewport()->grab().toImage();
        const QRect item = steps().visualItemRect(steps().item(3));
        const QColor mark = steps().palette().color(QPalette::HighlightedText);
        int marked = 0;
        for (int x = item.left(); x <= item.right(); ++x) marked += image.pixelColor(x, item.top() + 1) == mark ? 1 : 0;
        return marked > item.width() / 4;
    };
    EXPECT_TRUE(framed());
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<QCheckBox*>()->isChecked(); }));
    ASSERT_NE(QApplication::focusWidget(), &steps());
    EXPECT_FALSE(framed());  // the mark goes with the focus

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), &steps());
    EXPECT_EQ(steps().currentRow(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(steps().currentRow(), 3);
    EXPECT_TRUE(framed());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QTextBrowser*>());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &steps());
}

// Every step has its drawing, and no page ends between a step's heading and its result.
TEST_F(WorkingWindowTest, ThePdfKeepsEachStepWithItsDrawingOnOnePage) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("working.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(working_pdf(*window.working()));
    file.close();
    // The text without spaces, which the extraction sometimes drops between narrow glyphs.
    const QString text = testing::poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).remove(u' ');
    const auto key = [](const std::string& words) { return QString::fromStdString(words).remove(u' ').left(12); };
    const QStringList images =
        testing::poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size() - 2, static_cast<int>(window.working()->steps.size()));  // after two header lines
    EXPECT_GT(text.count(u'\f'), 10);
    qsizetype at = 0;
    for (std::size_t i = 0; i < window.working()->steps.size(); ++i) {
        const engine::StepText step = engine::step_text(window.working()->steps[i]);
        const qsizetype heading =
            text.indexOf(QString::number(i + 1) + u'.' + key(window.working()->steps[i].symbol), at);
        const qsizetype result = text.indexOf(key(step.answer.front()), heading);
        ASSERT_GE(heading, 0) << i;
        ASSERT_GT(result, heading) << i;
        EXPECT_EQ(text.mid(heading, result - heading).count(u'\f'), 0) << "step " << i + 1;
        at = result;
    }
}

// Away from 6:12 the title names the pitch and the drawing stands at it: the truss is
// t/2 as high as it is wide.
TEST(WorkingWindowPitch, NamesThePitchAndDrawsTheTrussAtIt) {
    for (const char* text : {"6:12", "40"}) {
        AnalysisRecord record;
        record.input = testing::apex_load().input;
        record.input.pitch = std::get<engine::RoofPitch>(engine::parse_pitch(text));
        record.result = std::get<engine::AnalysisResult>(engine::run_analysis(record.input));
        WorkingWindow window;
        window.show_analysis(record);
        window.show();
        const double t = record.input.pitch.tangent;
        EXPECT_EQ(window.windowTitle(),
                  t == 0.5 ? to_qstring(working_texts::kTitle) : to_qstring(working_texts::kTitleAtPitch).arg(u"40°"));
        QImage image(600, 600, QImage::Format_ARGB32);
        DiagramPalette colours = paper_palette();
        colours.zero = Qt::green;  // a colour no grey of the node names comes near
        image.fill(colours.background);
        QPainter painter(&image);
        paint_step_sketch(painter, QRectF(image.rect()), window.working()->steps.front(), colours,
                          window.working()->tangent);
        painter.end();
        QRect grey;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colours.zero) grey |= QRect(x, y, 1, 1);
            }
        }
        EXPECT_NEAR(static_cast<double>(grey.height()) / grey.width(), t / 2, 0.02) << text;
    }
}

// Beside its opener or over it, but wholly inside the screen, with a large font too.
TEST(WorkingWindowPlacement, OpensInsideTheScreenAtEverySize) {
    const struct {
        QRect available;
        int points;
    } screens[] = {
        {{0, 0, 1920, 1040}, 14}, {{0, 0, 1280, 770}, 14}, {{0, 0, 1024, 570}, 9},
        {{0, 0, 800, 570}, 14},   {{0, 0, 800, 570}, 9},
    };
    for (const auto& screen : screens) {
        WorkingWindow window;
        QFont font = window.font();
        font.setPointSize(screen.points);
        window.setFont(font);
        window.show_analysis(testing::apex_load());
        const QMargins frame(2, 28, 2, 2);
        const QRect opener(screen.available.topLeft(), QSize(screen.available.width() / 2, screen.available.height()));
        const QRect placed =
            place_beside({screen.available, opener, window.sizeHint(), window.minimumSizeHint(), frame});
        EXPECT_TRUE(screen.available.contains(placed)) << screen.available.width() << " at " << screen.points << " pt";
        EXPECT_GE(placed.width() - 4, window.minimumSizeHint().width()) << screen.available.width();
        EXPECT_GE(placed.height() - 30, window.minimumSizeHint().height()) << screen.available.width();
    }
}

// Opened beside a window, it takes the size its font asks for then, not the one of the
// font it was made in (a theme's font may arrive after the window is made).
TEST(WorkingWindowPlacement, OpensInTheSizeOfTheFontItOpensIn) {
    QWidget opener;
    opener.resize(100, 100);
    opener.show();
    WorkingWindow window;
    const QSize made_in = window.sizeHint();
    QFont smaller = window.font();
    smaller.setPointSize(smaller.pointSize() - 3);
    window.setFont(smaller);
    ASSERT_LT(window.sizeHint().width(), made_in.width());
    open_beside(window, opener);
    EXPECT_LE(window.width(), window.sizeHint().width());
}

}  // namespace
}  // namespace korvel::ui
