#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/ui/app/app_test_support.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/paint_warm_up.hpp"

namespace korvel::app::testing {
namespace {

// Runs the event loop until `done` holds or two seconds have passed.
bool wait_for(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 2000) QTest::qWait(5);
    return done();
}

TEST(StartUp, TheResultsWindowIsPreparedHiddenAfterTheMainWindowHasPainted) {
    CoordinatorFixture app;
    ASSERT_TRUE(wait_for([&] { return app.form2().testAttribute(Qt::WA_WState_Created); }));
    EXPECT_TRUE(app.form1().isVisible());
    EXPECT_FALSE(app.form2().isVisible());
}

TEST(StartUp, PreparingAWindowChangesNothingOfItsPicture) {
    // Never shown and empty, or shown with results and hidden again by Back.
    const struct {
        const char* name;
        const char* span;
    } cases[] = {
        {"empty", nullptr},
        {"with results of span 16", "16"},
        {"with results of span 12.5", "12.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CoordinatorFixture app;
        if (c.span != nullptr) {
            app.span_box().setText(QString::fromLatin1(c.span));
            app.form1_label("Label29").setText(QStringLiteral("10"));
            app.form1_button("Command1").click();
            ASSERT_TRUE(app.form2().isVisible());
            app.form2_button("Command1").click();
        }
        const QImage before = app.form2().grab().toImage();
        const QString caption = app.form2_label("Label68").text();

        ui::warm_up_painting(app.form2(), u"0123456789.-");

        EXPECT_FALSE(app.form2().isVisible());
        EXPECT_EQ(app.form2().grab().toImage(), before);
        EXPECT_EQ(app.form2_label("Label68").text(), caption);
    }
}

TEST(StartUp, ArtworkIsMadeOncePerRun) {
    EXPECT_EQ(ui::program_icon().cacheKey(), ui::program_icon().cacheKey());
    EXPECT_EQ(ui::hotspot_cursor().pixmap().cacheKey(), ui::hotspot_cursor().pixmap().cacheKey());
    // Windows built one after the other share the one icon.
    CoordinatorFixture app;
    EXPECT_EQ(app.form1().windowIcon().cacheKey(), ui::program_icon().cacheKey());
}

}  // namespace
}  // namespace korvel::app::testing
