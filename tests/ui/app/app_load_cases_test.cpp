#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "tests/ui/app/app_test_support.hpp"
#include "ui/main_window/recent_files.hpp"

namespace korvel::app::testing {
namespace {

std::size_t load(const char* key) { return *engine::load_index_by_key(key); }

void click(QWidget& window, const char* caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == QString::fromUtf8(caption)) return button->click();
    throw std::logic_error(std::string("no button ") + caption);
}

class LoadCasesRoad : public CoordinatorFixture, public ::testing::Test {
protected:
    ui::LoadCasesWindow& cases() { return coordinator.load_cases_window(); }
    QTemporaryDir folder;
};

TEST_F(LoadCasesRoad, TheMainWindowsMenuOpensTheWindow) {
    QApplication::setActiveWindow(&form1());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
    QTest::keyClick(&form1(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(cases().isVisible());
    EXPECT_EQ(cases().windowTitle(), QStringLiteral("KORVEL - Load cases"));
    EXPECT_TRUE(form1().isVisible()) << "beside the main window, not in its place";
}

TEST_F(LoadCasesRoad, AProjectOpenedInTheMainWindowOpensInTheLoadCasesWindow) {
    const QString path = folder.filePath(QStringLiteral("roof.korvel.json"));
    const load_case::Project project{"14.4", {{"Dead", load_case::CaseKind::Dead, {}}}, {{"D", {{"Dead", "1"}}}}};
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(load_case::write_project(project)));
    file.close();

    ui::RecentFiles().clear();
    span_box().setText(QStringLiteral("30"));
    coordinator.main_window().open_load_case_file(path);
    EXPECT_TRUE(cases().isVisible());
    EXPECT_EQ(cases().project(), project);
    EXPECT_EQ(span_box().text(), QStringLiteral("30")) << "the main window keeps its input";
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(ui::RecentFiles().paths(), QStringList{path}) << "among the recent files once it is open";
    const QString copy = folder.filePath(QStringLiteral("copy.korvel.json"));
    dialogs.answer_file_name(copy);
    for (QAction* action : cases().findChildren<QAction*>())
        if (action->text() == QStringLiteral("Save &as...")) action->trigger();
    EXPECT_EQ(ui::RecentFiles().paths(), (QStringList{copy, path})) << "and a project saved from its window too";
    ui::RecentFiles().clear();
}

TEST_F(LoadCasesRoad, LoadsTravelBetweenTheWindowsWithAQuestionOverInput) {
    const load_case::Project project{"14.4", {{"Snow", load_case::CaseKind::Snow, {}}}, {{"S", {{"Snow", "1"}}}}};
    cases().open_project(QString(), project);
    cases().select_case(0);
    span_box().setText(QStringLiteral("16"));
    form1_label("Label29").setText(QStringLiteral("10"));

    click(cases(), "&Take the main window's loads");
    EXPECT_EQ(cases().project().cases[0].loads[load("U4.V")], "10");
    EXPECT_EQ(cases().project().span, "14.4");

    dialogs.answer_message(ui::Answer::Yes);
    click(cases(), "Put into the main &window");
    EXPECT_EQ(span_box().text(), QStringLiteral("14.4"));
    EXPECT_EQ(form1_label("Label29").text(), QStringLiteral("10"));
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("\"Snow\"")));
}

// Ending the program from either window with unsaved project changes asks to save
// them instead of the exit question; Cancel keeps the program running, Save saves first.
TEST_F(LoadCasesRoad, EndingWithUnsavedProjectChangesOffersToSaveThemFirst) {
    cases().open_project(QString(), {"14.4", {{"Snow", load_case::CaseKind::Snow, {}}}, {{"S", {{"Snow", "1"}}}}});
    cases().select_case(0);
    engine::AnalysisInput input{"10", {}};
    input.loads[load("U4.V")] = "2";
    cases().take_loads(input);
    ASSERT_TRUE(cases().is_modified());
    analyse("16", "10");

    for (const auto& end : std::vector<std::function<void()>>{[this] { form2_button("Command3").click(); },
                                                              [this] { form1_button("Command3").click(); }}) {
        form1().show();
        dialogs.calls.clear();
        dialogs.answer_save_question(ui::SaveAnswer::Cancel);
        const int status = exit_status_of([&] {
            end();
            QTimer::singleShot(0, [] { QCoreApplication::exit(4); });
        });
        EXPECT_EQ(status, 4);
        ASSERT_EQ(dialogs.calls.size(), 1U);
        EXPECT_EQ(dialogs.calls[0].kind, ui::testing::ScriptedDialogs::Call::Kind::SaveQuestion);
    }

    const QString path = folder.filePath(QStringLiteral("roof.korvel.json"));
    dialogs.answer_save_question(ui::SaveAnswer::Save);
    dialogs.answer_file_name(path);
    EXPECT_EQ(exit_status_of([this] { form1_button("Command3").click(); }), 0);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), load_case::write_project(cases().project()) + '\n');
}

}  // namespace
}  // namespace korvel::app::testing
