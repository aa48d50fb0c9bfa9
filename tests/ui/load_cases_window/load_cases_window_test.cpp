#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "load_case/combination.hpp"
#include "load_case/design_presets.hpp"
#include "load_case/envelope_csv.hpp"
#include "load_case/project_edits.hpp"
#include "tests/ui/poppler.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "ui/dialogs/load_table.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"
#include "ui/load_cases_window/envelope_view.hpp"
#include "ui/load_cases_window/load_cases_window.hpp"

namespace korvel::ui::testing {
namespace {

std::size_t load(const char* key) { return *engine::load_index_by_key(key); }

load_case::LoadCase case_of(const char* name, load_case::CaseKind kind, const char* key, const char* text) {
    load_case::LoadCase load_case{name, kind, {}};
    load_case.loads[load(key)] = text;
    return load_case;
}

// The three-case roof: dead, snow and wind uplift, with two combinations.
load_case::Project roof() {
    using load_case::CaseKind;
    return {"14.4",
            {case_of("Dead", CaseKind::Dead, "U4.V", "0.85"), case_of("Snow", CaseKind::Snow, "U4.V", "1.6"),
             case_of("Wind uplift", CaseKind::Wind, "U1.V", "-1.9")},
            {{"1.2D + 1.6S", {{"Dead", "1.2"}, {"Snow", "1.6"}}},
             {"0.9D + 1.0W", {{"Dead", "0.9"}, {"Wind uplift", "1"}}}}};
}

class LoadCasesWindowTest : public ::testing::Test {
protected:
    LoadCasesWindowTest() {
        window.open_project(folder.filePath(QStringLiteral("roof.korvel.json")), roof());
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QObject::connect(&window, &LoadCasesWindow::project_changed, [this] { ++changes; });
    }

    template <typename Widget>
    Widget& control(const char* name) {
        auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
        if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *found;
    }
    QTableWidget& combinations() { return control<QTableWidget>("CombinationTable"); }
    QStringList case_columns() {
        QStringList names;
        for (int c = 1; c < combinations().columnCount(); ++c) names << combinations().horizontalHeaderItem(c)->text();
        return names;
    }
    void click(const char* caption) {
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->text() == QString::fromUtf8(caption)) return button->click();
        throw std::logic_error(std::string("no button ") + caption);
    }
    // Types into whatever has the keyboard, a key at a time.
    void type(const QString& text) {
        for (const QChar character : text) {
            QWidget* target = QApplication::focusWidget();
            QTest::sendKeyEvent(QTest::Click, target != nullptr ? target : &window, Qt::Key_A, QString(character),
                                Qt::NoModifier);
            QCoreApplication::processEvents();
        }
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    LoadCasesWindow window{dialogs};
    int changes = 0;
};

TEST_F(LoadCasesWindowTest, RenamingACaseRenamesItsFactorsAndItsColumn) {
    window.select_case(2);
    dialogs.answer_input(QStringLiteral("Snow"));       // taken: asked again with the text kept
    dialogs.answer_input(QStringLiteral(" Suction "));  // blanks around a name do not count
    click("Re&name...");
    ASSERT_EQ(dialogs.calls.size(), 3U);
    EXPECT_EQ(dialogs.calls[0].default_text, QStringLiteral("Wind uplift"));
    EXPECT_EQ(dialogs.calls[1].style, MessageStyle::OkExclamation);
    EXPECT_EQ(dialogs.calls[2].default_text, QStringLiteral("Snow"));

    EXPECT_EQ(window.project().cases[2].name, "Suction");
    EXPECT_EQ(window.project().combinations[1].factors[1], (load_case::Factor{"Suction", "1"}));
    EXPECT_EQ(case_columns(), (QStringList{"Dead", "Snow", "Suction"}));
    EXPECT_EQ(load_case::check_project(window.project()), std::nullopt);
    EXPECT_TRUE(window.is_modified());
    EXPECT_EQ(changes, 1);
}

TEST_F(LoadCasesWindowTest, DeletingACaseAsksAndTakesItsFactorsWithIt) {
    window.select_case(0);
    dialogs.answer_message(Answer::No);
    click("De&lete...");
    EXPECT_EQ(window.project(), roof());
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_EQ(dialogs.calls[0].style, MessageStyle::YesNoQuestion);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("\"Dead\""))) << dialogs.calls[0].text.toStdString();
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("2 combinations")));

    dialogs.answer_message(Answer::Yes);
    click("De&lete...");
    ASSERT_EQ(window.project().cases.size(), 2U);
    EXPECT_EQ(window.project().combinations[0].factors, (std::vector<load_case::Factor>{{"Snow", "1.6"}}));
    EXPECT_EQ(window.project().combinations[1].factors, (std::vector<load_case::Factor>{{"Wind uplift", "1"}}));
    EXPECT_EQ(case_columns(), (QStringList{"Snow", "Wind uplift"}));
    EXPECT_EQ(window.selected_case(), 0U);
}

TEST_F(LoadCasesWindowTest, AddAndDuplicateGiveCasesOfTheirOwnNames) {
    window.select_case(1);
    click("D&uplicate");
    dialogs.answer_input(QStringLiteral("Ceiling"));
    click("&Add case...");
    const load_case::Project& project = window.project();
    ASSERT_EQ(project.cases.size(), 5U);
    EXPECT_EQ(project.cases[2].name, "Snow copy");
    EXPECT_EQ(project.cases[2].loads, project.cases[1].loads);
    EXPECT_EQ(project.cases[4].name, "Ceiling");
    EXPECT_EQ(window.selected_case(), 4U);
    ASSERT_NE(window.focusWidget(), nullptr);
    EXPECT_TRUE(window.focusWidget()->inherits("korvel::ui::LoadTable")) << "the new case's loads are typed next";
    EXPECT_EQ(case_columns(), (QStringList{"Dead", "Snow", "Snow copy", "Wind uplift", "Ceiling"}));
    EXPECT_EQ(project.combinations, roof().combinations) << "new cases take part in no combination";
}

TEST_F(LoadCasesWindowTest, TypedFactorsAndLoadsReachTheProjectAtEveryKeystroke) {
    QTableWidget& table = combinations();
    table.setFocus();
    table.setCurrentCell(1, 2);  // the snow factor of 0.9D + 1.0W
    type(QStringLiteral("0."));
    EXPECT_EQ(window.project().combinations[1].factors[1], (load_case::Factor{"Snow", "0."}))
        << "in the order of the cases, before the open cell is left";
    type(QStringLiteral("5"));
    EXPECT_EQ(window.project().combinations[1].factors,
              (std::vector<load_case::Factor>{{"Dead", "0.9"}, {"Snow", "0.5"}, {"Wind uplift", "1"}}));
    EXPECT_EQ(changes, 3);

    window.select_case(1);
    auto& loads = control<LoadTable>("LoadTable");
    loads.setFocus();
    loads.setCurrentCell(0, 1);  // L0, vertical
    type(QStringLiteral("2"));
    EXPECT_EQ(window.project().cases[1].loads[load("L0.V")], "2");
    EXPECT_EQ(window.project().cases[0].loads, roof().cases[0].loads);
}

// The first key opens the cell's editor and is also its first character: none is lost,
// by a fresh case or an existing one, whatever the cell held.
TEST_F(LoadCasesWindowTest, EveryTypedCharacterOfAFreshLoadCellIsKept) {
    dialogs.answer_input(QStringLiteral("Uplift"));
    click("&Add case...");
    auto& loads = control<LoadTable>("LoadTable");
    for (const QString& typed : {QStringLiteral("-12.5"), QStringLiteral("45"), QStringLiteral("-7")}) {
        loads.setFocus();
        loads.setCurrentCell(1, 1);  // U1, vertical
        type(typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(window.project().cases.back().loads[load("U1.V")], typed.toStdString());
        EXPECT_EQ(loads.loads()[load("U1.V")], typed);
    }
}

TEST_F(LoadCasesWindowTest, EscapeUndoesTheLoadCellBeingTyped) {
    window.select_case(0);
    auto& loads = control<LoadTable>("LoadTable");
    loads.setFocus();
    loads.setCurrentCell(4, 1);  // U4, vertical: 0.85
    type(QStringLiteral("78"));
    EXPECT_EQ(window.project().cases[0].loads[load("U4.V")], "78") << "taken at every keystroke";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(window.project(), roof());
    EXPECT_EQ(loads.loads()[load("U4.V")], QStringLiteral("0.85"));
    EXPECT_TRUE(window.isVisible());
}

// Every command that changes the project is undone whole by Ctrl+Z and done again by
// either redo key; a question whose Yes deletes has No for its default button.
TEST_F(LoadCasesWindowTest, UndoGivesBackTheProjectOfEveryCommandByteForByte) {
    struct Command {
        const char* what;
        std::function<void()> run;
        bool asks_to_delete;
    };
    auto& loads = control<LoadTable>("LoadTable");
    const std::vector<Command> commands{
        {"delete a case", [&] { click("De&lete..."); }, true},
        {"take the main window's loads",
         [&] {
             click("&Take the main window's loads");
             window.take_loads({"9", {}});
         },
         true},
        {"delete a combination",
         [&] {
             combinations().setCurrentCell(1, 0);
             click("Delete com&bination...");
         },
         true},
        {"type into a load cell",
         [&] {
             loads.setFocus();
             loads.setCurrentCell(1, 1);
             type(QStringLiteral("-12.5"));
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
         },
         false},
        {"insert a preset", [&] { window.insert_preset(0); }, false},
        {"add a distributed load",
         [&] {
             dialogs.answer_distributed_load(load_case::DistributedLoadEntry{
                 {load_case::DistributedLoadKind::BottomChord, load_case::Slopes::Both, "1"}, std::nullopt});
             click("Add d&istributed load...");
         },
         false},
        {"duplicate a case", [&] { click("D&uplicate"); }, false},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.what);
        window.open_project(folder.filePath(QStringLiteral("roof.korvel.json")), roof());
        window.select_case(0);
        dialogs.calls.clear();
        command.run();
        const load_case::Project done = window.project();
        ASSERT_NE(done, roof());
        EXPECT_EQ(!dialogs.calls.empty() && dialogs.calls.back().default_no, command.asks_to_delete);
        control<QListWidget>("CaseList").setFocus();
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(load_case::write_project(window.project()), load_case::write_project(roof()));
        EXPECT_FALSE(window.is_modified());
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window.project(), done);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(window.project(), done);
    }
}

TEST_F(LoadCasesWindowTest, TakingLoadsAsksFirstWhenTheCaseHoldsLoads) {
    int asked = 0;
    QObject::connect(&window, &LoadCasesWindow::main_loads_requested, [&asked] { ++asked; });
    window.select_case(0);
    dialogs.answer_message(Answer::No);
    click("&Take the main window's loads");
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("\"Dead\"")));

    dialogs.answer_input(QStringLiteral("Empty"));
    click("&Add case...");
    click("&Take the main window's loads");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dialogs.calls.size(), 2U) << "an empty case loses nothing: no question";
}

TEST_F(LoadCasesWindowTest, UnsavedChangesShowInTheTitleAndAreOfferedForSavingOnClosing) {
    EXPECT_FALSE(window.isWindowModified());
    auto& span = control<QLineEdit>("SpanBox");
    span.setFocus();
    span.selectAll();
    type(QStringLiteral("10"));
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral("[*]")));

    dialogs.answer_save_question(SaveAnswer::Cancel);
    window.close();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_EQ(dialogs.calls[0].kind, ScriptedDialogs::Call::Kind::SaveQuestion);

    const QString copy = folder.filePath(QStringLiteral("copy.korvel.json"));
    dialogs.answer_file_name(copy);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QFile::exists(copy)) << "Ctrl+Shift+S is Save as";
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(window.windowTitle(), to_qstring(kLoadCasesTitle));
    window.close();
    EXPECT_FALSE(window.isVisible()) << "nothing unsaved: no question";
    EXPECT_EQ(dialogs.calls.size(), 2U);

    window.show();
    QAction* new_project = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == to_qstring(kNewProjectCommand)) new_project = action;
    ASSERT_NE(new_project, nullptr);
    EXPECT_FALSE(new_project->shortcut().isEmpty());
    new_project->trigger();
    EXPECT_EQ(window.project(), load_case::Project{});
}

TEST_F(LoadCasesWindowTest, ThePitchBesideTheSpanIsTypedUndoneAndARefusedOneIsKeptAndNamed) {
    auto& box = control<QLineEdit>("PitchBox");
    EXPECT_EQ(box.text(), QStringLiteral("6:12"));
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), &box) << "its access key reaches it";
    box.selectAll();
    type(QStringLiteral("45"));
    const auto refusal = std::get<engine::PitchError>(engine::parse_pitch("45")).message();
    EXPECT_EQ(box.text(), QStringLiteral("45")) << "what was typed stays";
    EXPECT_TRUE(window.project().pitch.is_default());
    window.update_envelope();
    EXPECT_EQ(window.envelope_view().status(), to_qstring(kNoEnvelopeYet).arg(QString::fromStdString(refusal)));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_EQ(dialogs.calls[0].text, to_qstring(kCannotSaveYet).arg(QString::fromStdString(refusal)));
    int put = 0;
    QObject::connect(&window, &LoadCasesWindow::put_into_main_requested, [&put] { ++put; });
    click(kPutLoads.caption.data());
    EXPECT_EQ(put, 0);
    EXPECT_EQ(dialogs.calls.at(1).text, QString::fromStdString(refusal)) << "nor is it put into the main window";

    QTest::keyClick(&box, Qt::Key_Backspace);
    type(QStringLiteral("0"));
    const auto forty = std::get<engine::RoofPitch>(engine::parse_pitch("40"));
    EXPECT_EQ(window.project().pitch, forty);
    EXPECT_EQ(window.windowTitle(), to_qstring(kProjectPitchInTitle).arg(to_qstring(kLoadCasesTitle), "40°") + "[*]");
    window.update_envelope();
    ASSERT_TRUE(window.envelope_view().shown().has_value());
    EXPECT_EQ(std::get<engine::AnalysisResult>(window.envelope_view().shown()->outcomes[0]).tangent(), forty.tangent);

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.project(), roof()) << "the pitch typed is one edit";
    EXPECT_EQ(box.text(), QStringLiteral("6:12"));
    EXPECT_EQ(window.windowTitle(), to_qstring(kLoadCasesTitle));
}

TEST_F(LoadCasesWindowTest, DeletingACaseNamesEachCombinationItChangesAndRenamesAPresetsOwn) {
    window.insert_preset(0);
    const load_case::Project before = window.project();
    window.select_case(2);
    dialogs.answer_message(Answer::Yes);
    click("De&lete...");
    const auto changed = load_case::changes_of_deleting_case(before, 2);
    ASSERT_FALSE(changed.empty());
    for (const load_case::CombinationChange& change : changed) {
        EXPECT_TRUE(dialogs.calls.back().text.contains(QString::fromStdString(change.name_after)));
        EXPECT_EQ(window.project().combinations[change.combination].name, change.name_after);
    }
    for (const load_case::Combination& combination : window.project().combinations)
        EXPECT_TRUE(combination.name.find("Wind uplift") == std::string::npos ||
                    combination.name.ends_with("(without Wind uplift)"))
            << combination.name << ": no preset's name keeps the deleted case unmarked";
}

TEST_F(LoadCasesWindowTest, PresetsInsertTheCodesCombinationsOnceByKind) {
    const std::size_t before = window.project().combinations.size();
    window.insert_preset(0);
    const auto expected = load_case::preset_combinations(load_case::kDesignPresets[0], roof().cases);
    ASSERT_EQ(window.project().combinations.size(), before + expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(),
                           window.project().combinations.begin() + static_cast<std::ptrdiff_t>(before)));
    EXPECT_EQ(combinations().rowCount(), static_cast<int>(before + expected.size()));

    window.insert_preset(0);
    EXPECT_EQ(window.project().combinations.size(), before + expected.size()) << "nothing twice";
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("adds no combination")));
}

TEST_F(LoadCasesWindowTest, LoadsComeFromAndGoToTheMainWindowThroughSignals) {
    window.select_case(1);
    int asked = 0;
    QObject::connect(&window, &LoadCasesWindow::main_loads_requested, [&asked] { ++asked; });
    std::vector<std::pair<engine::AnalysisInput, QString>> put;
    QObject::connect(
        &window, &LoadCasesWindow::put_into_main_requested,
        [&put](const engine::AnalysisInput& input, const QString& source) { put.emplace_back(input, source); });
    click("&Take the main window's loads");
    EXPECT_EQ(asked, 1);
    engine::AnalysisInput main_input{"20", {}};
    main_input.loads[load("U3.H")] = "7";
    window.take_loads(main_input);
    EXPECT_EQ(window.project().cases[1].loads, main_input.loads);
    EXPECT_EQ(window.project().span, "14.4") << "the project keeps its span";

    click(kPutLoads.caption.data());
    ASSERT_EQ(put.size(), 1U);
    EXPECT_EQ(put[0].first.span, "14.4");
    EXPECT_EQ(put[0].first.loads, main_input.loads);
    EXPECT_EQ(put[0].second, QStringLiteral("the load case \"Snow\""));
}

TEST_F(LoadCasesWindowTest, SavingWritesTheProjectThatOpensAgainAndRefusesAnUnusableOne) {
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    const QString path = folder.filePath(QStringLiteral("roof.korvel.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), load_case::write_project(roof()) + '\n');
    EXPECT_FALSE(window.is_modified());

    combinations().item(0, 0)->setText(QStringLiteral("0.9D + 1.0W"));  // a repeated name
    EXPECT_TRUE(window.is_modified());
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("cannot be saved yet")));
    file.seek(0);
    EXPECT_EQ(file.readAll().toStdString(), load_case::write_project(roof()) + '\n') << "the file stays as it was";

    dialogs.answer_file_name(path);
    dialogs.answer_message(Answer::No);  // unsaved changes: keep them
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.project().combinations[0].name, "0.9D + 1.0W");
    dialogs.answer_file_name(path);
    dialogs.answer_message(Answer::Yes);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.project(), roof());
    EXPECT_TRUE(dialogs.script_used_up());
}

TEST_F(LoadCasesWindowTest, ADistributedLoadAddsTheGeneratorsLoadsToTheSelectedCaseOnly) {
    const load_case::DistributedLoad snow{load_case::DistributedLoadKind::TopChordVertical, load_case::Slopes::Both,
                                          "2"};
    load_case::NodalLoads expected = roof().cases[1].loads;
    ASSERT_EQ(load_case::add_distributed_load("14.4", snow, expected), std::nullopt);
    window.select_case(1);
    dialogs.answer_distributed_load(load_case::DistributedLoadEntry{snow, std::nullopt});
    click("Add d&istributed load...");
    EXPECT_EQ(window.project().cases[1].loads, expected);
    EXPECT_EQ(control<LoadTable>("LoadTable").loads()[load("U4.V")], QString::fromStdString(expected[load("U4.V")]));
    EXPECT_EQ(window.project().cases[0], roof().cases[0]);

    dialogs.answer_distributed_load(std::nullopt);
    click("Add d&istributed load...");
    EXPECT_EQ(window.project().cases[1].loads, expected) << "Cancel adds nothing";
    EXPECT_TRUE(dialogs.script_used_up());
    EXPECT_FALSE(dialogs.distributed_loads_asked[0].area_unit) << "a project without units has no load per area";
}

TEST_F(LoadCasesWindowTest, ALoadPerAreaTimesTheSpacingIsAddedAsItsLineLoadInTheProjectsUnits) {
    load_case::Project project = roof();
    project.units = load_case::ProjectUnits{"kN", "m"};
    window.open_project(folder.filePath(QStringLiteral("roof.korvel.json")), project);
    window.select_case(1);
    const load_case::DistributedLoad snow{load_case::DistributedLoadKind::TopChordVertical, load_case::Slopes::Left,
                                          ""};
    dialogs.answer_distributed_load(load_case::DistributedLoadEntry{snow, load_case::AreaLoad{"0.9", "two"}});
    dialogs.answer_distributed_load(load_case::DistributedLoadEntry{snow, load_case::AreaLoad{"0.9", "1.2"}});
    click("Add d&istributed load...");

    ASSERT_EQ(dialogs.distributed_loads_asked.size(), 2U);
    ASSERT_TRUE(dialogs.distributed_loads_asked[0].area_unit);
    EXPECT_EQ(dialogs.distributed_loads_asked[0].area_unit->area_unit, "kN/m²");
    EXPECT_EQ(dialogs.distributed_loads_asked[1].offered.area, (load_case::AreaLoad{"0.9", "two"}));
    load_case::NodalLoads expected = project.cases[1].loads;
    load_case::add_distributed_load("14.4", {snow.kind, snow.slopes, "1.08"}, expected);
    EXPECT_EQ(window.project().cases[1].loads, expected);
}

TEST_F(LoadCasesWindowTest, AMistypedIntensityIsReportedAndAskedAgainWithTheOtherChoicesKept) {
    window.select_case(1);
    const load_case::DistributedLoad mistyped{load_case::DistributedLoadKind::SlopeNormal, load_case::Slopes::Left,
                                              "suction"};
    const load_case::DistributedLoad wind{mistyped.kind, mistyped.slopes, "-0.8"};
    dialogs.answer_distributed_load(load_case::DistributedLoadEntry{mistyped, std::nullopt});
    dialogs.answer_distributed_load(load_case::DistributedLoadEntry{wind, std::nullopt});
    click("Add d&istributed load...");

    ASSERT_EQ(dialogs.distributed_loads_asked.size(), 2U);
    EXPECT_FALSE(dialogs.distributed_loads_asked[0].retype);
    EXPECT_EQ(dialogs.distributed_loads_asked[1].offered.load, mistyped);
    EXPECT_TRUE(dialogs.distributed_loads_asked[1].retype);
    load_case::NodalLoads expected = roof().cases[1].loads;
    load_case::add_distributed_load("14.4", wind, expected);
    EXPECT_EQ(window.project().cases[1].loads, expected);
    ASSERT_EQ(dialogs.calls.size(), 3U);
    EXPECT_EQ(dialogs.calls[1].style, MessageStyle::OkExclamation) << "the mistyped intensity is named once";
}

TEST_F(LoadCasesWindowTest, EveryCommandHasAnAccessKeyOfItsOwnAndWordsForAScreenReader) {
    std::map<QChar, QString> keys;
    const auto take = [&keys](const QString& caption) {
        const qsizetype mark = caption.indexOf(u'&');
        ASSERT_GE(mark, 0) << caption.toStdString() << " has no access key";
        const QChar key = caption.at(mark + 1).toLower();
        EXPECT_FALSE(keys.contains(key)) << caption.toStdString() << " shares its key with " << keys[key].toStdString();
        keys[key] = caption;
    };
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        take(button->text());
        EXPECT_FALSE(button->accessibleDescription().isEmpty()) << button->text().toStdString();
    }
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() != nullptr) take(label->text());
    for (const QMenu* menu : window.findChildren<QMenuBar*>().at(0)->findChildren<QMenu*>()) take(menu->title());
    for (const char* name : {"CaseList", "KindBox", "LoadTable", "CombinationTable", "SpanBox"})
        EXPECT_FALSE(control<QWidget>(name).accessibleName().isEmpty()) << name;
}

// The row of a table whose first cell is `item`.
QStringList row_of(const QTableWidget& table, const QString& item) {
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.item(r, 0)->text() != item) continue;
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c) cells << table.item(r, c)->text();
        return cells;
    }
    return {};
}

TEST_F(LoadCasesWindowTest, TheEnvelopeShowsTheUpliftOfTheHandCheckedRoofInWords) {
    window.update_envelope();
    auto& reactions = control<QTableWidget>("EnvelopeReactions");
    // 1.2D + 1.6S: RL0 = (1.2 × 0.85 + 1.6 × 1.6) / 2 = 1.79; 0.9D + 1.0W: RL0 = 0.9 × 0.85 / 2 - 1.9 × 7/8
    // = -1.28 pulls the pinned support up.
    EXPECT_EQ(row_of(reactions, QStringLiteral("RL0")),
              (QStringList{"RL0", "1.79", "1.2D + 1.6S", "-1.28", "0.9D + 1.0W", "uplift: hold down L0"}));
    EXPECT_EQ(row_of(reactions, QStringLiteral("RL6")).at(5), QString()) << "RL6 stays pushed down";
    EXPECT_EQ(window.envelope_view().status(), QStringLiteral("Envelope of 2 combinations."));
    auto& members = control<QTableWidget>("EnvelopeMembers");
    EXPECT_EQ(members.rowCount(), 29);
    EXPECT_EQ(row_of(members, QStringLiteral("L0L1")).at(5), QStringLiteral("reverses"));
}

TEST_F(LoadCasesWindowTest, TheEnvelopeFollowsEachTypedFactor) {
    QTableWidget& table = combinations();
    table.setFocus();
    table.setCurrentCell(0, 1);  // the dead load factor of 1.2D + 1.6S
    type(QStringLiteral("3"));
    QCoreApplication::processEvents();
    load_case::Project expected = roof();
    expected.combinations[0].factors[0].text = "3";
    const auto outcomes = std::get<std::vector<engine::AnalysisOutcome>>(load_case::analyse_combinations(expected));
    const engine::Envelope envelope = engine::Envelope::of(outcomes);
    ASSERT_TRUE(window.envelope_view().shown());
    EXPECT_EQ(row_of(control<QTableWidget>("EnvelopeMembers"), QStringLiteral("U3U4")).at(1),
              QString::fromStdString(envelope.force(engine::Member::U3U4).max.value.to_text()));

    type(QStringLiteral("x"));  // "3x" is no number: the envelope says what to correct
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.envelope_view().shown());
    EXPECT_TRUE(window.envelope_view().status().contains(QStringLiteral("3x")))
        << window.envelope_view().status().toStdString();
    EXPECT_EQ(control<QTableWidget>("EnvelopeMembers").rowCount(), 0);
}

TEST_F(LoadCasesWindowTest, AFailedCombinationIsNamedAndTheOthersStillShow) {
    combinations().item(1, 1)->setText(QString(20, u'9'));  // a dead load factor that overflows the analysis
    window.update_envelope();
    const QString status = window.envelope_view().status();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Incomplete: the envelope leaves out 1 of 2 combinations.")))
        << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("\"0.9D + 1.0W\"")));
    EXPECT_EQ(row_of(control<QTableWidget>("EnvelopeReactions"), QStringLiteral("RL0")).at(2),
              QStringLiteral("1.2D + 1.6S"));
}

TEST_F(LoadCasesWindowTest, TheEnvelopeIsSavedAsCsvAndAsAReport) {
    const QString csv = folder.filePath(QStringLiteral("envelope.csv"));
    const QString pdf = folder.filePath(QStringLiteral("envelope.pdf"));
    dialogs.answer_file_name(csv);
    dialogs.answer_file_name(pdf);
    for (const char* command : {"Save envelope as CS&V...", "Save envelope &report as PDF..."})
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == QString::fromUtf8(command)) action->trigger();
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const ProjectEnvelope& shown = *window.envelope_view().shown();
    EXPECT_EQ(written.readAll().toStdString(), load_case::envelope_csv(shown.envelope, shown.names));
    QFile report(pdf);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().startsWith("%PDF"));
    EXPECT_TRUE(dialogs.script_used_up());
}

// Each report says what it is of: the combination report names the combination with
// each case and factor, and the envelope report carries the title fields asked for.
TEST_F(LoadCasesWindowTest, TheReportsNameTheirCombinationAndCarryTheTitleFields) {
    const QString combination_pdf = folder.filePath(QStringLiteral("combination.pdf"));
    const QString envelope_pdf = folder.filePath(QStringLiteral("envelope.pdf"));
    const TitleFields fields{QStringLiteral("Barn 7"), QStringLiteral("R. Moss"), QStringLiteral("T. Lund")};
    combinations().setCurrentCell(1, 0);
    dialogs.answer_file_name(combination_pdf);
    dialogs.answer_title_fields(fields);
    dialogs.answer_file_name(envelope_pdf);
    for (const std::string_view command : {kCombinationReportCommand, kEnvelopeReportCommand})
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == to_qstring(command)) action->trigger();
    EXPECT_TRUE(dialogs.script_used_up());
    EXPECT_EQ(dialogs.title_fields_offered.size(), 2U) << "both reports ask for the title fields";
    const auto text_of = [](const QString& pdf) {
        return poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    };
    EXPECT_TRUE(text_of(combination_pdf)
                    .contains(to_qstring(kCombinationReportAbout)
                                  .arg(QStringLiteral("\"0.9D + 1.0W\""),
                                       QStringLiteral("0.9 × \"Dead\" + 1 × \"Wind uplift\""))));
    const QString envelope = text_of(envelope_pdf);
    for (const QString& field : {fields.project, fields.engineer, fields.checked_by})
        EXPECT_TRUE(envelope.contains(field)) << field.toStdString();
}

// What a control is called in a walk through the window: its name, or a button's caption.
QString called(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
    return widget->objectName();
}

TEST_F(LoadCasesWindowTest, TheEnvelopeReportCutsNoNumberOfManyDigits) {
    load_case::Project large = roof();
    large.cases[0].loads[load("L4.V")] = "99999999999.9999";
    large.cases[1].loads[load("U2.V")] = "12345678.9012";
    large.combinations[0].name =
        "1.2 D + 1.6 S, the gravity combination that governs the bottom chord, and the "
        "top chord's compression";
    dialogs.answer_message(Answer::Yes);
    window.open_project(folder.filePath(QStringLiteral("large.korvel.json")), large);
    window.update_envelope();
    const QString pdf = folder.filePath(QStringLiteral("large.pdf"));
    dialogs.answer_file_name(pdf);
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("Save envelope &report as PDF...")) action->trigger();
    const QString text = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const engine::Envelope& envelope = window.envelope_view().shown()->envelope;
    for (const engine::Member member : engine::kMembers) {
        const engine::Extremes& force = envelope.force(member);
        // pdftotext may set a row's minimum a line lower where the names beside it wrap.
        const QString row = QStringLiteral("^\\f?%1\\s+%2\\s.*(\\n.*)?\\s%3\\s")
                                .arg(QString::fromStdString(std::string(engine::member_name(member))),
                                     QRegularExpression::escape(QString::fromStdString(force.max.value.to_text())),
                                     QRegularExpression::escape(QString::fromStdString(force.min.value.to_text())));
        EXPECT_TRUE(text.contains(QRegularExpression(row, QRegularExpression::MultilineOption))) << row.toStdString();
    }
    EXPECT_FALSE(text.contains(u'…'));
}

TEST_F(LoadCasesWindowTest, TabWalksEveryControlInTheOrderTheyStandAndAltKeysPressThem) {
    control<QLineEdit>("SpanBox").setFocus();
    QStringList walk{called(QApplication::focusWidget())};
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == &control<QLineEdit>("SpanBox")) break;
        walk << called(QApplication::focusWidget());
    }
    const QStringList expected{"SpanBox",
                               "CaseList",
                               "&Add case...",
                               "Re&name...",
                               "D&uplicate",
                               "De&lete...",
                               "KindBox",
                               "&Take the main window's loads",
                               "Put into the main &window",
                               "Add d&istributed load...",
                               "LoadTable",
                               "CombinationTable",
                               "Add co&mbination",
                               "Delete com&bination...",
                               "Insert p&reset",
                               "EnvelopeStatus",
                               "EnvelopeReactions",
                               "EnvelopeMembers"};
    EXPECT_EQ(walk.join(u'|').toStdString(), expected.join(u'|').toStdString());

    dialogs.answer_input(QStringLiteral("Ceiling"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    // A button clicks after its brief pressed look.
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.project().cases.size() == 4; }));
    EXPECT_EQ(window.project().cases.back().name, "Ceiling");
}

TEST_F(LoadCasesWindowTest, EscapeInACellEndsTheEditAndOnlyThenClosesTheWindow) {
    for (const char* table : {"CombinationTable", "LoadTable"}) {
        SCOPED_TRACE(table);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto& cells = control<QTableWidget>(table);
        cells.setFocus();
        cells.setCurrentCell(1, 1);
        type(QStringLiteral("7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(window.project().combinations[1].factors[0].text, "7") << "what was typed stays";
}

TEST(EnvelopeDiagram, ColoursEachMemberByItsGoverningSignAndWritesBothValuesWhereItReverses) {
    const auto envelope = std::get<ProjectEnvelope>(envelope_of(roof()));
    const auto record = governing_record(envelope);
    ASSERT_TRUE(record);
    QImage device(800, 500, QImage::Format_ARGB32);
    const ForceDiagramLayout layout = lay_out_force_diagram(
        *record, QRectF(0, 0, 800, 500), QFontMetricsF(QFont(), &device),
        [&](engine::Member member) { return member_diagram_text(envelope.envelope.force(member)); });
    int reversing = 0;
    for (const DiagramText& text : layout.texts) {
        if (text.role != TextRole::MemberForce) continue;
        const engine::Extremes& extremes = envelope.envelope.force(*text.member);
        const engine::Fixed4 value = governing(extremes);
        EXPECT_EQ(text.sign, value.count() < 0   ? ForceSign::Compression
                             : value.count() > 0 ? ForceSign::Tension
                                                 : ForceSign::Zero);
        const QString both =
            QString::fromStdString(extremes.max.value.to_text() + " / " + extremes.min.value.to_text());
        EXPECT_EQ(text.text, extremes.reverses() ? both : QString::fromStdString(value.to_text()));
        reversing += extremes.reverses() ? 1 : 0;
    }
    EXPECT_GT(reversing, 0) << "the wind uplift reverses members";
}

}  // namespace
}  // namespace korvel::ui::testing
