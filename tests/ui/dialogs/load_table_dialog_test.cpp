#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "ui/dialogs/load_table.hpp"
#include "ui/dialogs/load_table_dialog.hpp"
#include "ui/dialogs/qt_dialogs.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/table_headers.hpp"

namespace korvel::ui {
namespace {

std::size_t load(const char* key) { return *engine::load_index_by_key(key); }

// A load table on its own, shown and with the keyboard in the table.
struct TableDialog {
    explicit TableDialog(const LoadTexts& loads = {}) : dialog(loads, [this] { return ++questions, discard; }) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.table().setFocus();
    }
    QTableWidget& table() { return dialog.table(); }
    // The load key of the current cell, e.g. "U4.V".
    std::string current_key() {
        const QTableWidgetItem* row_header = table().verticalHeaderItem(table().currentRow());
        return row_header->text().toStdString() + (table().currentColumn() == 0 ? ".H" : ".V");
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &table(), key, modifiers);
        QCoreApplication::processEvents();
    }
    // Types text character by character, each to whatever has the keyboard then.
    void type(const QString& text) {
        for (const QChar character : text) {
            QWidget* target = QApplication::focusWidget();
            QTest::sendKeyEvent(QTest::Click, target != nullptr ? target : &table(), Qt::Key_A, QString(character),
                                Qt::NoModifier);
            QCoreApplication::processEvents();
        }
    }

    int questions = 0;    // asked before dropping edits
    bool discard = true;  // the answer to them
    LoadTableDialog dialog;
};

TEST(LoadTable, EveryLoadHasOneEnabledCellPrefilledWithItsCaption) {
    LoadTexts loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) loads[i] = QStringLiteral("text %1").arg(i);
    TableDialog d(loads);
    ASSERT_EQ(d.table().rowCount(), 14);
    ASSERT_EQ(d.table().columnCount(), 2);
    int enabled = 0;
    for (int row = 0; row < 14; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QTableWidgetItem* item = d.table().item(row, column);
            const std::string key =
                d.table().verticalHeaderItem(row)->text().toStdString() + (column == 0 ? ".H" : ".V");
            const auto index = engine::load_index_by_key(key);
            EXPECT_EQ(item->flags().testFlag(Qt::ItemIsEnabled), index.has_value()) << key;
            if (!index) continue;
            ++enabled;
            EXPECT_EQ(item->text(), loads[*index]) << key;
        }
    }
    EXPECT_EQ(enabled, static_cast<int>(engine::kLoadCount));
    EXPECT_EQ(d.dialog.loads(), loads);
}

TEST(LoadTable, TitlesAreWholeAtTheLeastWidthInEveryThemeFontAndElidedBelowIt) {
    const QFont before = QApplication::font();
    for (const double points : {9.0, 14.0, 20.0}) {
        SCOPED_TRACE(points);
        QFont font = before;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        LoadTable table;
        table.resize(table.minimumSize());
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
        auto* header = qobject_cast<ReadableHeader*>(table.horizontalHeader());
        ASSERT_NE(header, nullptr) << "a narrower column cuts its title with an ellipsis";
        for (int column = 0; column < table.columnCount(); ++column) {
            EXPECT_EQ(header->shown_text(column), table.horizontalHeaderItem(column)->text());
        }
    }
    QApplication::setFont(before);
}

TEST(LoadTable, TabAndArrowsMoveOverEnabledCellsOnly) {
    TableDialog d;
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* lands_on;
    };
    // Rows run L0, U1..U7, L6, L1..L5; only L0, U1..U7 and L6 take a horizontal load.
    const std::vector<Step> steps{
        {Qt::Key_Tab, Qt::NoModifier, "L0.V"},      {Qt::Key_Tab, Qt::NoModifier, "U1.H"},
        {Qt::Key_Down, Qt::NoModifier, "U2.H"},     {Qt::Key_Right, Qt::NoModifier, "U2.V"},
        {Qt::Key_Up, Qt::NoModifier, "U1.V"},       {Qt::Key_Backtab, Qt::ShiftModifier, "U1.H"},
        {Qt::Key_End, Qt::ControlModifier, "L5.V"}, {Qt::Key_Backtab, Qt::ShiftModifier, "L4.V"},
        {Qt::Key_Left, Qt::NoModifier, "L4.V"},
    };
    for (const Step& step : steps) {
        d.key(step.key, step.modifiers);
        EXPECT_EQ(d.current_key(), step.lands_on) << "after key " << step.key;
    }
}

TEST(LoadTable, TypingEditsAndEnterAcceptsWithEveryTextExactlyAsTyped) {
    LoadTexts loads;
    loads[load("U4.V")] = QStringLiteral("10");
    loads[load("L3.V")] = QStringLiteral("kept");
    TableDialog d(loads);
    struct Entry {
        const char* key;
        QString typed;
    };
    const std::vector<Entry> entries{
        {"L0.H", QStringLiteral(" 2.5 ")}, {"U4.V", QStringLiteral("-7,5")}, {"L6.H", QStringLiteral("ä1")}};
    for (const Entry& entry : entries) {
        const auto [row, column] = [&] {
            for (int r = 0; r < d.table().rowCount(); ++r)
                for (int c = 0; c < 2; ++c)
                    if (d.table().verticalHeaderItem(r)->text().toStdString() + (c == 0 ? ".H" : ".V") == entry.key)
                        return std::pair{r, c};
            return std::pair{-1, -1};
        }();
        d.table().setFocus();
        d.table().setCurrentCell(row, column);
        d.type(entry.typed);
    }
    // The last cell is still being edited when Enter comes.
    d.key(Qt::Key_Return);
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);

    LoadTexts expected = loads;
    for (const Entry& entry : entries) expected[load(entry.key)] = entry.typed;
    EXPECT_EQ(d.dialog.loads(), expected);
}

TEST(LoadTable, EscapeUndoesTheCellBeingEditedThenClosesAskingFirstWhenThereAreEdits) {
    struct Case {
        const char* road;
        bool keep_an_edit;  // Tab takes the first cell's "5" before the next cell is edited
        bool discard;       // the answer, when asked
        int questions;
        bool closed;
    };
    const Case cases[] = {
        {"no edits left", false, true, 0, true},
        {"an edit, dropped", true, true, 1, true},
        {"an edit, kept", true, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.road);
        TableDialog d;
        d.discard = c.discard;
        d.type(QStringLiteral("5"));
        if (c.keep_an_edit) d.key(Qt::Key_Tab);
        d.type(QStringLiteral("6"));
        d.key(Qt::Key_Escape);
        EXPECT_TRUE(d.dialog.isVisible());
        LoadTexts kept;
        if (c.keep_an_edit) kept[load("L0.H")] = QStringLiteral("5");
        EXPECT_EQ(d.dialog.loads(), kept);
        d.key(Qt::Key_Escape);
        EXPECT_EQ(d.questions, c.questions);
        EXPECT_EQ(d.dialog.isVisible(), !c.closed);
        EXPECT_EQ(d.dialog.loads(), kept);
    }
}

TEST(LoadTable, F2EditsFromTheEndOfTheText) {
    LoadTexts loads;
    loads[load("L0.H")] = QStringLiteral("12");
    TableDialog d(loads);
    d.key(Qt::Key_F2);
    d.type(QStringLiteral("3"));
    d.key(Qt::Key_Return);
    EXPECT_EQ(d.dialog.loads()[load("L0.H")], QStringLiteral("123"));
}

TEST(LoadTable, ALongTextIsShownByItsBeginningAndKeptWholeUnlessItsCellIsEdited) {
    const QString huge(1 << 20, QLatin1Char('7'));
    LoadTexts loads;
    loads[load("U1.V")] = huge;
    loads[load("U2.V")] = huge;
    TableDialog d(loads);
    const QTableWidgetItem* shown = d.table().item(1, 1);  // U1.V
    EXPECT_EQ(shown->data(Qt::DisplayRole).toString(), AutoSizeLabel::shown_caption(huge));
    EXPECT_LT(shown->data(Qt::DisplayRole).toString().size(), 100);

    d.table().setCurrentCell(2, 1);  // U2.V: typing replaces the whole text
    d.type(QStringLiteral("3"));
    d.key(Qt::Key_Return);
    const LoadTexts result = d.dialog.loads();
    EXPECT_EQ(result[load("U1.V")], huge);
    EXPECT_EQ(result[load("U2.V")], QStringLiteral("3"));
}

TEST(LoadTable, EditingALongTextStartsFromTheWholeText) {
    const QString long_text = QString(40000, QLatin1Char('1')) + QStringLiteral("end");
    LoadTexts loads;
    loads[load("L0.H")] = long_text;
    TableDialog d(loads);
    d.key(Qt::Key_F2);
    d.key(Qt::Key_End);
    d.type(QStringLiteral("!"));
    d.key(Qt::Key_Return);
    EXPECT_EQ(d.dialog.loads()[load("L0.H")], long_text + QStringLiteral("!"));
}

TEST(LoadTable, TheProgramsDialogsReturnTheTextsOnEnterAndNothingOnEscape) {
    struct Case {
        Qt::Key closing_key;
        bool accepted;
    };
    for (const Case& c : {Case{Qt::Key_Return, true}, Case{Qt::Key_Escape, false}}) {
        SCOPED_TRACE(c.accepted ? "Enter" : "Escape");
        QTimer::singleShot(0, [&c] {
            auto* dialog = qobject_cast<LoadTableDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(&dialog->table(), QStringLiteral("4"));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);  // on to the next cell, still editing
            QTest::keyClick(dialog->focusWidget(), c.closing_key);
            if (c.accepted) return;
            // The first Escape undid the cell being edited; the second asks before dropping the "4".
            QTimer::singleShot(0, [] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(question, nullptr);
                question->button(QMessageBox::Yes)->click();
            });
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        LoadTexts loads;
        loads[load("U7.V")] = QStringLiteral("1");
        const std::optional<LoadTexts> answer = QtDialogs().edit_loads(loads);
        ASSERT_EQ(answer.has_value(), c.accepted);
        if (!c.accepted) continue;
        LoadTexts expected = loads;
        expected[load("L0.H")] = QStringLiteral("4");
        EXPECT_EQ(*answer, expected);
    }
}

}  // namespace
}  // namespace korvel::ui
