#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>

#include "design/check_working.hpp"
#include "design/deflection_table.hpp"
#include "design/design_edits.hpp"
#include "design/design_picture.hpp"
#include "design/design_table.hpp"
#include "tests/design/c24_roof.hpp"
#include "tests/ui/app/app_test_support.hpp"
#include "ui/design_window/design_picture.hpp"
#include "ui/design_window/design_utilisation_bar.hpp"
#include "ui/design_window/design_window_texts.hpp"

namespace korvel::app::testing {
namespace {

using design_testing::c24_roof;

void trigger(QWidget& window, std::string_view text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == ui::to_qstring(text)) return action->trigger();
    FAIL() << "no command " << text;
}

template <typename Row>
void expect_rows(const QTableWidget& table, const std::vector<Row>& rows) {
    ASSERT_EQ(table.rowCount(), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].cells.size(); ++c)
            EXPECT_EQ(table.item(static_cast<int>(r), static_cast<int>(c))->text().toStdString(), rows[r].cells[c])
                << r << ' ' << c;
}

class DesignRoad : public CoordinatorFixture, public ::testing::Test {
protected:
    ui::DesignWindow& open_design(const load_case::Project& project) {
        coordinator.load_cases_window().open_project(QString(), project);
        trigger(coordinator.load_cases_window(), ui::kDesignMembersCommand);
        return coordinator.design_window();
    }
    template <typename T>
    T& control(const char* name) {
        T* found = coordinator.design_window().findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *found;
    }
    void choose(const char* box, const char* text) {
        auto& combo = control<QComboBox>(box);
        combo.setCurrentIndex(combo.findText(QString::fromLatin1(text)));
        emit combo.activated(combo.currentIndex());
    }
};

TEST_F(DesignRoad, TheTablesAreTheDesignsRowsInEitherOrder) {
    ui::DesignWindow& window = open_design(c24_roof());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), ui::to_qstring(ui::kDesignTitle));
    const auto answer = std::get<design::ProjectDesign>(design::design_project(c24_roof()));
    auto& table = control<QTableWidget>("DesignTable");
    expect_rows(table, design::design_table(answer.result, answer.design, design::DesignOrder::Members));
    EXPECT_EQ(table.horizontalHeaderItem(4)->text().toStdString(),
              design::design_heading(design::kDesignColumns[4], answer.design.units.force));
    control<QCheckBox>("FailuresFirst").setChecked(true);
    expect_rows(table, design::design_table(answer.result, answer.design, design::DesignOrder::FailuresFirst));
    expect_rows(control<QTableWidget>("DeflectionTable"), design::deflection_table(*answer.deflection));
    expect_rows(control<QTableWidget>("CreepTable"), design::creep_factor_table(answer.deflection->creep));
    EXPECT_EQ(control<QLabel>("Verdict").text().toStdString(), design::design_verdict(answer.result));
}

// In a 14 pt font at its first size on a 1920x1080 screen, the members' table
// has the height of its tab: ten rows and more in sight, the other results a tab away.
TEST_F(DesignRoad, TheMembersTableHasTheHeightInALargeFont) {
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSize(14);
    QApplication::setFont(large);
    ui::DesignWindow& window = open_design(c24_roof());
    window.resize(ui::design_window_size({1920, 1080}));
    QApplication::processEvents();
    const auto& table = control<QTableWidget>("DesignTable");
    EXPECT_GE(table.viewport()->height() / table.rowHeight(0), 10);
    auto& tabs = control<QTabWidget>("DesignTabs");
    const std::vector<std::string_view> titles{ui::kMembersTab, ui::kConditionsTab, ui::kDeflectionTab,
                                               ui::kPictureTab};
    for (int t = 0; t < static_cast<int>(titles.size()); ++t)
        EXPECT_EQ(tabs.tabText(t).toStdString(), titles[static_cast<std::size_t>(t)]);
    QApplication::setFont(before);
}

// The picture tab draws every member's utilisation in words and the deformed
// shape of the combination with the largest deflection at its stated scale; the
// utilisation cell keeps its number as text under its bar.
TEST_F(DesignRoad, ThePictureShowsUtilisationsAndTheDeformedShape) {
    open_design(c24_roof());
    const auto answer = std::get<design::ProjectDesign>(design::design_project(c24_roof()));
    auto& tabs = control<QTabWidget>("DesignTabs");
    EXPECT_EQ(tabs.tabText(3).toStdString(), ui::kPictureTab);
    tabs.setCurrentIndex(3);
    QApplication::processEvents();
    const auto& picture = control<ui::DesignPicture>("DesignPicture");
    EXPECT_TRUE(picture.isVisible());
    const QStringList& texts = picture.texts();
    EXPECT_TRUE(texts.contains(QString::fromStdString(design::utilisation_label(answer.result.members[0]))));
    const auto shape = std::get<design::DeformedShape>(
        design::deformed_shape(c24_roof(), answer, design::governing_combination(*answer.deflection)));
    EXPECT_TRUE(texts.join(u'\n').contains(QString::fromStdString(design::exaggeration_words(shape.factor))));
    EXPECT_EQ(control<QComboBox>("ShapeBox").currentText(), QStringLiteral("D + S"));
    const auto& table = control<QTableWidget>("DesignTable");
    int column = 0;
    while (design::kDesignColumns[static_cast<std::size_t>(column)].column != design::DesignColumn::Utilisation)
        ++column;
    const QTableWidgetItem* cell = table.item(0, column);
    EXPECT_EQ(cell->data(ui::kUtilisationRole).toDouble(), answer.result.members[0].utilisation);
    EXPECT_FALSE(cell->text().isEmpty());
}

// From the main window, the design opens beside the load cases window, which opens first.
// The command, Enter and a double-click on a member's row all show that member's
// checks in the working window, a step per check with its lines; the command with no
// row picked shows the governing member's.
TEST_F(DesignRoad, TheWorkingOfAMembersCheckOpensInTheWorkingWindow) {
    open_design(c24_roof());
    const auto answer = std::get<design::ProjectDesign>(design::design_project(c24_roof()));
    const auto rows = design::design_table(answer.result, answer.design, design::DesignOrder::Members);
    const engine::Member governing =
        design::design_table(answer.result, answer.design, design::DesignOrder::FailuresFirst).front().member;
    auto& table = control<QTableWidget>("DesignTable");
    ui::WorkingWindow& working = coordinator.working_window();
    for (int route = 0; route < 4; ++route) {
        const int row = route < 3 ? route + 1 : -1;
        working.hide();
        table.setCurrentCell(row, 0);
        if (route == 0 || route == 3) trigger(coordinator.design_window(), ui::kCheckWorkingCommand);
        if (route == 1) QTest::keyClick(&table, Qt::Key_Return);
        if (route == 2) emit table.cellDoubleClicked(row, 0);
        const engine::Member member = row < 0 ? governing : rows[static_cast<std::size_t>(row)].member;
        const design::CheckWorking expected = design::check_working(answer, member);
        if (row < 0) {
            EXPECT_EQ(rows[static_cast<std::size_t>(table.currentRow())].member, governing);
        }
        EXPECT_TRUE(working.isVisible()) << route;
        ASSERT_EQ(working.plain_steps().size(), expected.steps.size()) << route;
        EXPECT_EQ(working.plain_steps()[0].title.toStdString(), expected.steps[0].title);
        EXPECT_EQ(working.plain_steps()[0].lines.back().toStdString(), expected.steps[0].lines.back().text());
    }
}

// The virtual-work tables of a node the user names, in the working window as the
// command line writes them; a node without a deflection is refused in words.
TEST_F(DesignRoad, TheVirtualWorkAtANodeOpensInTheWorkingWindow) {
    open_design(c24_roof());
    const auto answer = std::get<design::ProjectDesign>(design::design_project(c24_roof()));
    ui::WorkingWindow& working = coordinator.working_window();
    dialogs.answer_input(QStringLiteral("l3"));
    trigger(coordinator.design_window(), ui::kVirtualWorkCommand);
    const auto tables = design::virtual_work_tables(c24_roof(), answer, design::deflection_point_named("L3"));
    ASSERT_FALSE(tables.empty());
    EXPECT_TRUE(working.isVisible());
    ASSERT_EQ(working.plain_steps().size(), tables.size());
    EXPECT_TRUE(working.plain_steps()[0].title.endsWith(QString::fromStdString(tables[0].table.title)));
    EXPECT_TRUE(working.plain_steps()[0].lines.contains(QString::fromStdString(tables[0].table.sum)));
    ASSERT_EQ(working.plain_steps()[0].rows.size(), tables[0].table.rows.size()) << "a row per member";
    QStringList first_row;
    for (const std::string& cell : tables[0].table.rows[0]) first_row << QString::fromStdString(cell);
    EXPECT_EQ(working.plain_steps()[0].rows[0], first_row);
    dialogs.answer_input(QStringLiteral("U8"));
    trigger(coordinator.design_window(), ui::kVirtualWorkCommand);
    ASSERT_EQ(dialogs.calls.back().kind, ui::testing::ScriptedDialogs::Call::Kind::Message);
    EXPECT_TRUE(dialogs.calls.back().text.startsWith(QStringLiteral("U8 is not a node")));
}

TEST_F(DesignRoad, TheMainWindowOpensItOnTheLoadCasesProject) {
    coordinator.load_cases_window().open_project(QString(), c24_roof());
    trigger(form1(), "Design members...");
    EXPECT_TRUE(coordinator.load_cases_window().isVisible());
    EXPECT_TRUE(coordinator.design_window().isVisible());
    EXPECT_EQ(coordinator.design_window().project(), c24_roof());
}

TEST_F(DesignRoad, WithoutUnitsItSaysWhatToAddUntilTheyAreChosen) {
    load_case::Project project = c24_roof();
    project.units.reset();
    open_design(project);
    const std::string missing = std::get<design::DesignError>(design::design_project(project)).message;
    EXPECT_TRUE(control<QLabel>("DesignMessage").text().contains(QString::fromStdString(missing)));
    EXPECT_FALSE(control<QTableWidget>("DesignTable").isVisibleTo(&coordinator.design_window()));
    choose("ForceUnitBox", "kN");
    EXPECT_FALSE(coordinator.load_cases_window().project().units) << "a unit waits for the other";
    choose("LengthUnitBox", "m");
    EXPECT_EQ(coordinator.load_cases_window().project(), c24_roof());
    EXPECT_TRUE(control<QTableWidget>("DesignTable").isVisibleTo(&coordinator.design_window()));
}

// A serviceability combination, or a limit, the project no longer has refuses
// the design until it is unticked or emptied, so it stays in the list.
TEST_F(DesignRoad, AGoneServiceabilityCombinationCanBeUntickedAndItsLimitEmptied) {
    load_case::Project project = c24_roof();
    project.design->serviceability = {"Gone"};
    project.design->deflection_limits = {{"Also gone", "360"}};
    open_design(project);
    EXPECT_FALSE(control<QTableWidget>("DesignTable").isVisibleTo(&coordinator.design_window()));
    auto& list = control<QListWidget>("ServiceabilityList");
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.item(2)->checkState(), Qt::Checked);
    list.item(2)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(coordinator.load_cases_window().project().design->serviceability.empty());
    ASSERT_EQ(list.count(), 3) << "the unticked name is gone";
    EXPECT_EQ(list.item(2)->data(Qt::UserRole).toString(), QStringLiteral("Also gone"));
    list.setCurrentRow(2);
    control<QLineEdit>("CombinationLimitBox").clear();
    emit control<QLineEdit>("CombinationLimitBox").textEdited(QString());
    EXPECT_TRUE(coordinator.load_cases_window().project().design->deflection_limits.empty());
    EXPECT_TRUE(control<QTableWidget>("DesignTable").isVisibleTo(&coordinator.design_window()));
}

// A combination's own limit is typed beside the list, or set for every ticked one
// by the ceiling the roof carries; each is an edit undone in the load cases window.
TEST_F(DesignRoad, ACombinationTakesItsOwnLimitOrTheCeilingsOfTheTable) {
    load_case::Project project = c24_roof();
    project.design->serviceability.clear();
    open_design(project);
    ui::LoadCasesWindow& cases = coordinator.load_cases_window();
    const std::string no_ceiling = ui::to_qstring(ui::kRoofLimitColumns)
                                       .arg(ui::to_qstring(ui::kRoofLimitCommands[2]))
                                       .arg(180)
                                       .arg(180)
                                       .arg(120)
                                       .toStdString();
    trigger(coordinator.design_window(), no_ceiling);
    ASSERT_EQ(dialogs.calls.back().kind, ui::testing::ScriptedDialogs::Call::Kind::Message);
    EXPECT_EQ(dialogs.calls.back().text, ui::to_qstring(ui::kNoCombinationTicked));

    auto& list = control<QListWidget>("ServiceabilityList");
    list.item(1)->setCheckState(Qt::Checked);
    list.setCurrentRow(1);
    auto& own = control<QLineEdit>("CombinationLimitBox");
    QTest::keyClicks(&own, "-");  // a minus first refuses the design in one sentence, and stays typed
    EXPECT_EQ(own.text(), QStringLiteral("-"));
    EXPECT_TRUE(control<QLabel>("DesignMessage").text().contains(QStringLiteral("for span/300.\n")))
        << control<QLabel>("DesignMessage").text().toStdString();
    QTest::keyClick(&own, Qt::Key_Backspace);
    QTest::keyClicks(&own, "360");
    EXPECT_EQ(cases.project(), design::set_combination_deflection_limit(c24_roof(), "D + S", "360"));
    EXPECT_EQ(own.text(), QStringLiteral("360")) << "kept while the list shows the new limit";
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("D + S (span/360)"));

    trigger(coordinator.design_window(), no_ceiling);
    EXPECT_EQ(cases.project(), design::set_combination_deflection_limit(c24_roof(), "D + S", "120"));
    EXPECT_EQ(own.text(), QStringLiteral("120"));
    trigger(cases, ui::kUndoCommand);
    EXPECT_EQ(own.text(), QStringLiteral("360"));
}

// What is typed into a section box is one edit of the project in the load cases
// window, undone there; a section that does not read says why beside its box.
TEST_F(DesignRoad, EditsReachTheProjectAndUndoThere) {
    open_design(c24_roof());
    ui::LoadCasesWindow& cases = coordinator.load_cases_window();
    auto& top = control<QLineEdit>("SectionBox0");
    top.selectAll();
    QTest::keyClicks(&top, "75x1x");
    EXPECT_EQ(cases.project().design->sections[0].text, "75x1x");
    EXPECT_TRUE(cases.is_modified());
    EXPECT_FALSE(control<QLabel>("SectionFault0").text().isEmpty());
    QTest::keyClick(&top, Qt::Key_Backspace);
    QTest::keyClicks(&top, "50");
    EXPECT_TRUE(control<QLabel>("SectionFault0").isHidden());

    trigger(cases, ui::kUndoCommand);
    EXPECT_EQ(cases.project(), c24_roof()) << "the keystrokes into one box are one edit";
    EXPECT_EQ(top.text(), QStringLiteral("47x150"));

    const auto buttons = coordinator.design_window().findChildren<QPushButton*>();
    const auto lightest = std::find_if(buttons.begin(), buttons.end(), [](const QPushButton* button) {
        return button->text() == ui::to_qstring(ui::kLightestCommand);
    });
    ASSERT_NE(lightest, buttons.end());
    (*lightest)->click();
    ASSERT_NE(cases.project(), c24_roof());
    const auto answer = std::get<design::ProjectDesign>(design::design_project(cases.project()));
    for (std::size_t g = 0; g < design::kGroupCount; ++g)
        EXPECT_EQ(answer.design.sections[g].name, answer.design.candidates[g][*answer.lightest[g].candidate].name);
}

struct SettingCase {
    const char* box;   // typed into, or chosen from where the text names an item
    const char* text;  // what is typed, or the item's words
    const char* beside;
    std::function<load_case::Project(load_case::Project)> edit;
    std::function<std::string(const design::SettingFaults&)> fault;
};

// Each setting on the tabs is an edit of the project, undone there; what does
// not read stays in its box, with the fault beside it.
TEST_F(DesignRoad, EachTabsSettingsAreEditsThatKeepWhatIsTyped) {
    using load_case::Project;
    const SettingCase cases[]{
        {"BucklingFactorBox0", "0,9", "BucklingFactorFault0",
         [](Project p) { return design::set_buckling_factor(std::move(p), 0, "0,9"); },
         [](auto& f) { return f.buckling_factors[0]; }},
        {"BracingBox1", "2.4", "BracingFault1", [](Project p) { return design::set_bracing(std::move(p), 1, "2.4"); },
         [](auto& f) { return f.bracing[1]; }},
        {"CandidatesBox2", "47x75\n47x", "CandidatesFault2",
         [](Project p) { return design::set_candidates(std::move(p), 2, "47x75;47x"); },
         [](auto& f) { return f.candidates[2]; }},
        {"MemberSectionBox", "75x", "MemberSectionFault",
         [](Project p) { return design::set_member_section(std::move(p), "L0U1", "75x"); },
         [](auto& f) { return f.members.at(0).text; }},
        {"DurationBox3", "medium-term", "DurationFault3",
         [](Project p) { return design::set_load_duration(std::move(p), load_case::CaseKind::Snow, "medium-term"); },
         [](auto& f) { return f.durations[3]; }},
    };
    open_design(c24_roof());
    ui::LoadCasesWindow& cases_window = coordinator.load_cases_window();
    choose("MemberBox", "L0U1");
    for (const SettingCase& c : cases) {
        const QString name = QString::fromLatin1(c.box);
        if (coordinator.design_window().findChild<QComboBox*>(name) != nullptr) {
            choose(c.box, c.text);
        } else {
            auto* box = coordinator.design_window().findChild<QWidget*>(name);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // the code's candidates give way
            QTest::keyClicks(box, QString::fromLatin1(c.text).replace(u'\n', u'\r'));
        }
        const Project edited = c.edit(c24_roof());
        EXPECT_EQ(cases_window.project(), edited) << c.box;
        const std::string fault = c.fault(design::setting_faults(*edited.design));
        EXPECT_EQ(control<QLabel>(c.beside).text().toStdString(), fault) << c.box;
        EXPECT_EQ(control<QLabel>(c.beside).isHidden(), fault.empty()) << c.box;
        if (const auto* line = coordinator.design_window().findChild<QLineEdit*>(name)) {
            EXPECT_EQ(line->text(), QString::fromLatin1(c.text)) << c.box << ": kept as typed";
        }
        trigger(cases_window, ui::kUndoCommand);
        EXPECT_EQ(cases_window.project(), c24_roof()) << c.box << ": one edit";
    }
}

// The code's candidates show as such, and come back with the group's button.
TEST_F(DesignRoad, TheCodesCandidatesComeBack) {
    open_design(c24_roof());
    auto& list = control<QPlainTextEdit>("CandidatesBox0");
    EXPECT_TRUE(list.toPlainText().startsWith(
        QString::fromStdString(design::default_candidates(design::DesignCode::En1995).front() + "; ")));
    EXPECT_FALSE(control<QPushButton>("CodeCandidates0").isEnabled());
    list.moveCursor(QTextCursor::End);
    QTest::keyClicks(&list, ";75x400");
    EXPECT_EQ(control<QLabel>("CandidatesSource0").text(), ui::to_qstring(ui::kOwnList));
    control<QPushButton>("CodeCandidates0").click();
    EXPECT_EQ(coordinator.load_cases_window().project(), c24_roof());
    EXPECT_EQ(control<QLabel>("CandidatesSource0").text(), ui::to_qstring(ui::kCodesList));
}

// On every pairing of a settings tab with a results tab, each access key in sight reaches one control only.
TEST_F(DesignRoad, EveryTabsAccessKeysAreItsOwn) {
    ui::DesignWindow& window = open_design(c24_roof());
    auto& settings = control<QTabWidget>("SettingsTabs");
    auto& results = control<QTabWidget>("DesignTabs");
    const auto without_key = [](const QString& caption) {
        const auto is = [&](std::string_view text) { return ui::to_qstring(text) == caption; };
        return std::ranges::any_of(ui::kCaseKindCaptions, is) || std::ranges::any_of(ui::kCodeListCommands, is);
    };
    for (int s = 0; s < settings.count(); ++s)
        for (int r = 0; r < results.count(); ++r) {
            settings.setCurrentIndex(s);
            results.setCurrentIndex(r);
            QStringList captions{window.findChild<QMenuBar*>()->actions().at(0)->text()};
            for (const QTabWidget* tabs : {&settings, &results})
                for (int t = 0; t < tabs->count(); ++t) captions << tabs->tabText(t);
            for (const QLabel* label : window.findChildren<QLabel*>())
                if (label->buddy() != nullptr && label->isVisibleTo(&window)) captions << label->text();
            for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
                if (button->isVisibleTo(&window) && !button->text().isEmpty()) captions << button->text();
            std::map<QChar, QString> keys;
            for (const QString& caption : captions) {
                if (without_key(caption)) continue;
                const qsizetype mark = caption.indexOf(u'&');
                ASSERT_GE(mark, 0) << caption.toStdString() << " has no access key";
                const QChar key = caption.at(mark + 1).toLower();
                EXPECT_FALSE(keys.contains(key))
                    << caption.toStdString() << " shares it with " << keys[key].toStdString();
                keys[key] = caption;
            }
        }
}

// The CSV file is the design's, in the members' order; a failed write names the file.
TEST_F(DesignRoad, SavesTheDesignAsCsv) {
    open_design(c24_roof());
    const auto answer = std::get<design::ProjectDesign>(design::design_project(c24_roof()));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.csv"));
    dialogs.answer_file_name(path);
    trigger(coordinator.design_window(), ui::kSaveDesignCsvCommand);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), design::design_csv(answer, design::DesignOrder::Members));

    const QString nowhere = folder.filePath(QStringLiteral("no/such/folder/design.csv"));
    dialogs.answer_file_name(nowhere);
    trigger(coordinator.design_window(), ui::kSaveDesignCsvCommand);
    ASSERT_EQ(dialogs.calls.back().kind, ui::testing::ScriptedDialogs::Call::Kind::Message);
    EXPECT_TRUE(dialogs.calls.back().text.contains(nowhere));
}

// The report asks for the title fields, then writes the design sheet as PDF.
TEST_F(DesignRoad, SavesTheDesignReport) {
    open_design(c24_roof());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.pdf"));
    dialogs.answer_title_fields(ui::TitleFields{});
    dialogs.answer_file_name(path);
    trigger(coordinator.design_window(), ui::kDesignReportCommand);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

}  // namespace
}  // namespace korvel::app::testing
