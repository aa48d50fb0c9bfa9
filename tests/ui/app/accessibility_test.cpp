#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cctype>
#include <string>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "engine/truss_model.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "tests/ui/window_control.hpp"
#include "ui/main_window/hotspots.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/results_window/results_window.hpp"
#include "ui/results_window/results_window_layout.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

using testing::ScriptedDialogs;

QAccessibleInterface& accessible(QWidget& window, const std::string& name) {
    QAccessibleInterface* interface =
        QAccessible::queryAccessibleInterface(&testing::window_control<QWidget>(window, name));
    if (interface == nullptr) throw std::logic_error("no accessible interface for " + name);
    return *interface;
}

struct Expected {
    std::string control;
    QString name;
    QString description;
    QAccessible::Role role;
};

void expect_spoken_as(QWidget& window, const std::vector<Expected>& cases) {
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.control);
        QAccessibleInterface& control = accessible(window, c.control);
        EXPECT_EQ(control.text(QAccessible::Name), c.name);
        EXPECT_EQ(control.text(QAccessible::Description), c.description);
        EXPECT_EQ(control.role(), c.role);
    }
}

class AccessibilityTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    MainWindow form1{dialogs};
    ResultsWindow form2{dialogs};
};

TEST_F(AccessibilityTest, MainWindowControlsOfEveryKindHaveASpokenNameDescriptionAndRole) {
    expect_spoken_as(
        form1,
        {
            {"Label11", "Loads at L0, horizontal and vertical",
             "Asks for the horizontal and then the vertical load at L0.", QAccessible::Button},
            {"Label2", "Loads at L5, vertical", "Asks for the vertical load at L5.", QAccessible::Button},
            {"Label20", "Horizontal load at L0", "The horizontal load at L0, positive to the right; empty means none.",
             QAccessible::StaticText},
            {"Label37", "Vertical load at L5", "The vertical load at L5, positive downward; empty means none.",
             QAccessible::StaticText},
            {"Label46", "Node U4", "Name of node U4 in the truss diagram.", QAccessible::StaticText},
            {"Label18", "Span", "Caption of the span length box.", QAccessible::StaticText},
            {"Text1", "Span length", "The span of the truss, a positive number; the lengths come out in its unit.",
             QAccessible::EditableText},
            {"Command1", "Results", "Analyses the truss and shows every member's length and axial force.",
             QAccessible::Button},
            {"Command3", "Exit", "Ends the program after asking.", QAccessible::Button},
            {"DrawingSurface", "Truss diagram",
             "The Fink truss with its members, supports, load arrows and span dimension line.", QAccessible::Graphic},
        });
}

TEST_F(AccessibilityTest, ResultsWindowControlsOfEveryKindHaveASpokenNameDescriptionAndRole) {
    expect_spoken_as(
        form2,
        {
            {"Label94", "Reactions", "Heading of the support reactions.", QAccessible::Heading},
            {"Label76", "Axial force", "Heading of the axial forces, right table.", QAccessible::Heading},
            {"Label2", "Member L0L1", "Name of member L0L1.", QAccessible::StaticText},
            {"Label59", "Length of L0L1", "Length of member L0L1, in the unit of the span.", QAccessible::StaticText},
            {"Label89", "Axial force of U5U9",
             "Axial force in member U5U9: positive in tension, negative in compression.", QAccessible::StaticText},
            {"Label95", "Reaction RL0", "Name of the support reaction RL0.", QAccessible::StaticText},
            {"Label98", "RL0, upward reaction at L0", "Support reaction, in the unit of the loads.",
             QAccessible::StaticText},
            {"Label100", "HL0, horizontal reaction at L0, to the left", "Support reaction, in the unit of the loads.",
             QAccessible::StaticText},
            {"Command5", "Start New", "Empties the span and all loads after asking, and returns to the truss.",
             QAccessible::Button},
            {"Command3", "Finish", "Ends the program after asking.", QAccessible::Button},
        });
    EXPECT_EQ(form2.findChild<QWidget*>(QStringLiteral("DrawingSurface")), nullptr);
}

TEST_F(AccessibilityTest, EveryLabelAndButtonOfBothWindowsHasANameAndADescription) {
    for (QWidget* window : {static_cast<QWidget*>(&form1), static_cast<QWidget*>(&form2)}) {
        for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            SCOPED_TRACE(window->objectName().toStdString() + "." + control->objectName().toStdString());
            QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(interface, nullptr);
            EXPECT_FALSE(interface->text(QAccessible::Name).isEmpty());
            EXPECT_FALSE(interface->text(QAccessible::Description).isEmpty());
        }
    }
}

QString capitalised(std::string text) {
    text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    return QString::fromStdString(text);
}

TEST_F(AccessibilityTest, LoadLabelsAndHotspotsNameTheNodesTheAnalysisReadsThemFor) {
    for (const engine::LoadSlot& slot : engine::kLoadMap) {
        SCOPED_TRACE(slot.label);
        EXPECT_EQ(accessible(form1, std::string(slot.label)).text(QAccessible::Name),
                  capitalised(engine::load_description(slot)));
    }
    for (const Hotspot& hotspot : kHotspots) {
        SCOPED_TRACE(hotspot.label);
        const QString node = to_qstring(engine::node_name(hotspot.node));
        const QString expected = hotspot.kind == HotspotKind::TwoComponent
                                     ? QStringLiteral("Loads at %1, horizontal and vertical").arg(node)
                                     : QStringLiteral("Loads at %1, vertical").arg(node);
        EXPECT_EQ(accessible(form1, std::string(hotspot.label)).text(QAccessible::Name), expected);
    }
}

TEST_F(AccessibilityTest, ResultLabelsNameTheMemberOrReactionTheAnalysisWritesThere) {
    results_layout::for_each_member_row(
        [&](const results_layout::MemberRow& row, results_layout::BlockColumns, engine::Member member) {
            const QString item = to_qstring(engine::member_name(member));
            EXPECT_EQ(accessible(form2, std::string(row.length_label)).text(QAccessible::Name),
                      QStringLiteral("Length of ") + item);
            EXPECT_EQ(accessible(form2, std::string(row.force_label)).text(QAccessible::Name),
                      QStringLiteral("Axial force of ") + item);
        });
    for (std::size_t i = 0; i < engine::kReactionCount; ++i) {
        const std::string label(results_layout::kReactionRows[i].result_label);
        const QString item = to_qstring(engine::reaction_name(engine::kReactionRows[i].reaction));
        const QString name = accessible(form2, label).text(QAccessible::Name);
        EXPECT_TRUE(name.startsWith(item + QStringLiteral(", "))) << name.toStdString();
    }
}

TEST_F(AccessibilityTest, ALabelsValueAndTextAreItsCaptionAsShown) {
    auto& label = testing::window_control<AutoSizeLabel>(form2, "Label59");
    label.set_caption(QStringLiteral("1.7889"));
    QAccessibleInterface& spoken = accessible(form2, "Label59");
    EXPECT_EQ(spoken.text(QAccessible::Name), QStringLiteral("Length of L0L1"));
    EXPECT_EQ(spoken.text(QAccessible::Value), QStringLiteral("1.7889"));
    ASSERT_NE(spoken.textInterface(), nullptr);
    EXPECT_EQ(spoken.textInterface()->characterCount(), 6);
    EXPECT_EQ(spoken.textInterface()->text(0, 6), QStringLiteral("1.7889"));

    label.set_caption(QString(1000, QLatin1Char('7')));
    EXPECT_EQ(spoken.text(QAccessible::Value), label.shown_text());
    EXPECT_EQ(spoken.textInterface()->characterCount(), AutoSizeLabel::kShownCaptionLength + 1);
}

TEST_F(AccessibilityTest, AHotspotsPressActionAsksForItsLoadsLikeAClick) {
    QAccessibleInterface& apex = accessible(form1, "Label15");
    ASSERT_NE(apex.actionInterface(), nullptr);
    ASSERT_TRUE(apex.actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(apex.textInterface(), nullptr);
    dialogs.answer_input(QStringLiteral("0"));
    dialogs.answer_input(QStringLiteral("10"));
    apex.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press returns before the dialogs open, so a screen reader is never kept waiting on them.
    EXPECT_TRUE(dialogs.calls.empty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.script_used_up());
    EXPECT_EQ(find_control<QLabel>(form1, "Label29").text(), QStringLiteral("10"));

    QAccessibleInterface& node_name = accessible(form1, "Label46");
    ASSERT_NE(node_name.actionInterface(), nullptr);
    EXPECT_FALSE(node_name.actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(AccessibilityTest, WindowsHaveDistinctSpokenNamesAndDescriptionsUnderTheSameTitle) {
    struct Case {
        QWidget* window;
        QString name;
    };
    for (const Case& c :
         {Case{&form1, QStringLiteral("KORVEL truss and loads")}, Case{&form2, QStringLiteral("KORVEL results")}}) {
        SCOPED_TRACE(c.window->objectName().toStdString());
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(c.window);
        ASSERT_NE(interface, nullptr);
        EXPECT_EQ(c.window->windowTitle(), QStringLiteral("KORVEL"));
        EXPECT_EQ(interface->text(QAccessible::Name), c.name);
        EXPECT_FALSE(interface->text(QAccessible::Description).isEmpty());
    }
}

// The member table of the results window, found from the window as a screen reader walks it.
QAccessibleInterface* member_table(QWidget& window) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child != nullptr && child->role() == QAccessible::Table) return child;
    }
    return nullptr;
}

TEST_F(AccessibilityTest, ResultsWindowPresentsTheMemberTableAsRowsAndColumns) {
    engine::AnalysisInput input;
    input.span = "16";
    input.set_load(engine::Node::U4, engine::Component::Vertical, "10");
    const auto outcome = engine::run_analysis(input);
    form2.show_results(std::get<engine::AnalysisResult>(outcome));

    QAccessibleInterface* table = member_table(form2);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Member table"));
    QAccessibleTableInterface* grid = table->tableInterface();
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 29);
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->columnDescription(0), QStringLiteral("Member"));
    EXPECT_EQ(grid->columnDescription(1), QStringLiteral("Length"));
    EXPECT_EQ(grid->columnDescription(2), QStringLiteral("Axial force"));
    EXPECT_EQ(table->childCount(), 29 * 3);

    // First and last row of each block: the caption, then the two results as the window shows them.
    struct Case {
        int row;
        QString member;
        const char* length_label;
        const char* force_label;
    };
    const std::vector<Case> cases{
        {0, QStringLiteral("L0L1="), "Label59", "Label62"},
        {14, QStringLiteral("L4L5="), "Label55", "Label66"},
        {15, QStringLiteral("L1U2="), "Label41", "Label83"},
        {28, QStringLiteral("U5U9="), "Label35", "Label89"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(grid->rowDescription(c.row), c.member);
        const std::vector<QString> expected{c.member, accessible(form2, c.length_label).text(QAccessible::Value),
                                            accessible(form2, c.force_label).text(QAccessible::Value)};
        for (int column = 0; column < 3; ++column) {
            QAccessibleInterface* cell = grid->cellAt(c.row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Value), expected[static_cast<std::size_t>(column)]);
            EXPECT_FALSE(cell->text(QAccessible::Value).isEmpty());
            // The cell knows its place, and belongs to the table as its child.
            QAccessibleTableCellInterface* place = cell->tableCellInterface();
            ASSERT_NE(place, nullptr);
            EXPECT_EQ(place->rowIndex(), c.row);
            EXPECT_EQ(place->columnIndex(), column);
            EXPECT_EQ(place->table(), table);
            EXPECT_EQ(cell->parent(), table);
            EXPECT_GE(table->indexOfChild(cell), 0);
        }
    }
    EXPECT_EQ(grid->cellAt(29, 0), nullptr);
    EXPECT_EQ(grid->cellAt(0, 3), nullptr);
    // Labels outside the member table are no cells.
    EXPECT_EQ(accessible(form2, "Label98").tableCellInterface(), nullptr);
    EXPECT_EQ(accessible(form1, "Label29").tableCellInterface(), nullptr);
}

TEST_F(AccessibilityTest, TheMemberTableLeavesTheWindowsPictureAndClicksAsTheyWere) {
    // The table is a see-through layer: every label keeps its place on the window, and the buttons their clicks.
    form2.show();
    for (const char* name : {"Label2", "Label59", "Label89"}) {
        SCOPED_TRACE(name);
        QWidget& label = testing::window_control<QWidget>(form2, name);
        EXPECT_NE(label.parentWidget(), &form2);
        EXPECT_EQ(label.mapTo(&form2, QPoint(0, 0)), label.geometry().topLeft());
        EXPECT_TRUE(label.isVisible());
    }
    auto& back = find_control<QPushButton>(form2, "Command1");
    EXPECT_EQ(form2.childAt(back.geometry().center()), &back);
}

}  // namespace
}  // namespace korvel::ui
