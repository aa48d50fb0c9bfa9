#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <vector>

#include "ui/widgets/long_text_box.hpp"

namespace korvel::ui {
namespace {

TEST(LongTextBox, ALongTextIsKeptWholeButNotLaidOutNorUndoableAndAShortOneIsOrdinary) {
    // The length before a 5 is typed at its end.
    struct Case {
        qsizetype length;
        bool long_text;
    };
    const std::vector<Case> cases{{0, false},
                                  {LongTextBox::kLongTextLength - 1, false},
                                  {LongTextBox::kLongTextLength, true},
                                  {qsizetype{1} << 20, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        QWidget window;
        LongTextBox box(&window);
        box.setMaxLength(1 << 24);
        box.setFocus();
        box.insert(QString(c.length, QLatin1Char('7')));
        QTest::keyClick(&box, Qt::Key_5);
        EXPECT_EQ(box.holds_long_text(), c.long_text);
        EXPECT_EQ(box.echoMode(), c.long_text ? QLineEdit::NoEcho : QLineEdit::Normal);
        EXPECT_EQ(box.text(), QString(c.length, QLatin1Char('7')) + QLatin1Char('5'));
        // An ordinary text keeps its history; a long one keeps none.
        EXPECT_EQ(box.isUndoAvailable(), !c.long_text);
        box.selectAll();
        QTest::keyClicks(&box, QStringLiteral("16"));
        EXPECT_EQ(box.text(), QStringLiteral("16"));
        EXPECT_FALSE(box.holds_long_text());
        EXPECT_EQ(box.echoMode(), QLineEdit::Normal);
    }
}

TEST(LongTextBox, ArrowKeysMoveByCharactersInALongText) {
    const QString smiley = QStringLiteral("\U0001F600");
    const QString long_text = QString(LongTextBox::kLongTextLength, QLatin1Char('7')) + smiley + QStringLiteral("89");
    struct Case {
        const char* keys;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses;
        QString expected;  // after typing "x"
    };
    const qsizetype before_smiley = LongTextBox::kLongTextLength;
    const std::vector<Case> cases{
        {"Left Left",
         {{Qt::Key_Left, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier}},
         QString(long_text).insert(long_text.size() - 2, QLatin1Char('x'))},
        {"three Lefts step over the smiley as one character",
         {{Qt::Key_Left, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier}},
         QString(long_text).insert(before_smiley, QLatin1Char('x'))},
        {"Home Right",
         {{Qt::Key_Home, Qt::NoModifier}, {Qt::Key_Right, Qt::NoModifier}},
         QString(long_text).insert(1, QLatin1Char('x'))},
        {"Shift+Left twice selects the last two",
         {{Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Left, Qt::ShiftModifier}},
         long_text.left(long_text.size() - 2) + QLatin1Char('x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        QWidget window;
        LongTextBox box(&window);
        box.setMaxLength(1 << 24);
        box.setText(long_text);
        ASSERT_TRUE(box.holds_long_text());
        for (const auto& [key, modifiers] : c.presses) QTest::keyClick(&box, key, modifiers);
        QTest::keyClick(&box, Qt::Key_X);
        EXPECT_EQ(box.text(), c.expected);
    }
}

TEST(LongTextBox, ALongTextIsDrawnByItsBeginning) {
    QWidget window;
    window.resize(200, 40);
    LongTextBox box(&window);
    box.setMaxLength(1 << 24);
    box.setGeometry(0, 0, 200, 24);
    box.setText(QString(LongTextBox::kLongTextLength, QLatin1Char('8')));
    box.setCursorPosition(0);
    const QImage short_picture = box.grab().toImage();
    box.insert(QStringLiteral("8"));
    ASSERT_TRUE(box.holds_long_text());
    const QImage long_picture = box.grab().toImage();
    // The same beginning of eights shows in both, although the long text is not laid out.
    int differing = 0;
    for (int x = 4; x < 120; ++x)
        for (int y = 4; y < 20; ++y) differing += short_picture.pixel(x, y) != long_picture.pixel(x, y) ? 1 : 0;
    EXPECT_LT(differing, 40);
    int ink = 0;
    for (int x = 4; x < 120; ++x)
        for (int y = 4; y < 20; ++y) ink += qGray(long_picture.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(ink, 50);
}

}  // namespace
}  // namespace korvel::ui
