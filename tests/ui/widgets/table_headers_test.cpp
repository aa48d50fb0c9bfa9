#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <numeric>
#include <vector>

#include "ui/widgets/table_headers.hpp"

namespace korvel::ui {
namespace {

TEST(TableHeaders, TheWidestColumnsGiveWayFirstAndNeverBelowTheLeast) {
    const struct {
        std::vector<int> natural;
        int available;
        std::vector<int> widths;
    } cases[] = {
        {{50, 100, 300}, 500, {50, 100, 300}},  // all fit
        {{50, 100, 300}, 250, {50, 100, 100}}, {{50, 100, 300}, 151, {50, 50, 50}},
        {{300, 60, 280}, 400, {170, 60, 170}}, {{300, 300}, 20, {30, 30}},  // the least wins over the width
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widths_within(c.natural, c.available, 30), c.widths) << c.available;
    }
}

TEST(TableHeaders, ANameIsWholeOrCutWithAnEllipsisAndWholeOnHover) {
    const QString long_name = QStringLiteral("Snow on the left half ").repeated(14).left(300);
    const QString odd_name = QStringLiteral(u"Schnee \"links\" – ❄ 雪");
    for (const double points : {9.0, 14.0}) {
        SCOPED_TRACE(points);
        QTableWidget table(1, 3);
        QFont font = table.font();
        font.setPointSizeF(points);
        table.setFont(font);
        ReadableHeader& header = use_readable_header(table);
        header.setFont(font);
        const QStringList names{long_name, odd_name, QStringLiteral("Wind uplift")};
        for (int c = 0; c < names.size(); ++c) table.setHorizontalHeaderItem(c, new QTableWidgetItem(names[c]));
        table.resize(900, 300);
        table.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
        for (int c = 0; c < names.size(); ++c) {
            for (const int width : {40, 8000}) {
                header.resizeSection(c, width);
                const QString shown = header.shown_text(c);
                if (shown != names[c]) {
                    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
                    EXPECT_TRUE(names[c].startsWith(shown.chopped(1))) << shown.toStdString();
                }
                EXPECT_EQ(shown == names[c], width == 8000);
            }
            const QPoint middle(header.sectionViewportPosition(c) + header.sectionSize(c) / 2, header.height() / 2);
            QHelpEvent hover(QEvent::ToolTip, middle, header.viewport()->mapToGlobal(middle));
            QApplication::sendEvent(header.viewport(), &hover);
            EXPECT_EQ(QToolTip::text(), names[c]);
        }
    }
}

TEST(TableHeaders, ColumnsWithinTheWidthKeepTheLastAndTheWholeOnesInSight) {
    QTableWidget table(2, 4);
    ReadableHeader& readable = use_readable_header(table, ColumnFit::WithinWidth);
    readable.setStretchLastSection(true);
    readable.keep_whole({2});
    for (int c = 0; c < 4; ++c)
        table.setHorizontalHeaderItem(c, new QTableWidgetItem(QStringLiteral("Column %1").arg(c)));
    table.setItem(0, 1, new QTableWidgetItem(QString(200, QLatin1Char('x'))));
    table.setItem(0, 2, new QTableWidgetItem(QStringLiteral("-1234567.8901")));
    table.setItem(0, 3, new QTableWidgetItem(QStringLiteral("Uplift at L0")));
    table.resize(500, 200);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    table.resizeColumnsToContents();
    const QHeaderView& header = *table.horizontalHeader();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !table.horizontalScrollBar()->isVisible(); }))
        << header.sectionViewportPosition(3) << " " << header.sectionSize(3) << " of " << table.viewport()->width();
    EXPECT_GE(header.sectionSize(3), static_cast<QAbstractItemView&>(table).sizeHintForColumn(3))
        << "the note stays whole";
    EXPECT_GE(header.sectionSize(2), static_cast<QAbstractItemView&>(table).sizeHintForColumn(2))
        << "a number kept whole is never cut";
}

}  // namespace
}  // namespace korvel::ui
