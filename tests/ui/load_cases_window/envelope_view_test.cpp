// The envelope in the load cases window and on the command line: one table, the same rows and words.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <string>

#include "load_case/project.hpp"
#include "tests/ui/poppler.hpp"
#include "ui/load_cases_window/envelope_report.hpp"
#include "ui/load_cases_window/envelope_view.hpp"

namespace korvel::ui::testing {
namespace {

// Members that reverse, both supports lifted, HL0 both ways, and a combination that overflows.
constexpr const char* kProject = R"({"span": "10",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "10"}},
           {"name": "Wind", "kind": "wind", "loads": {"U4.V": "-30", "U1.H": "4"}}],
 "combinations": [{"name": "D", "factors": {"Dead": "1"}},
                  {"name": "0.5D + 0.5W", "factors": {"Dead": "0.5", "Wind": "0.5"}},
                  {"name": "D - W", "factors": {"Dead": "1", "Wind": "-1"}},
                  {"name": "Huge", "factors": {"Dead": "1e18"}}]})";

// A table's rows as the command line writes them: cells two blanks apart, an empty note left off.
QStringList rows_of(const QTableWidget& table) {
    QStringList rows{table.horizontalHeaderItem(0)->text()};
    for (int c = 1; c < table.columnCount(); ++c)
        rows.back() += QStringLiteral("  ") + table.horizontalHeaderItem(c)->text();
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c) cells << table.item(r, c)->text();
        if (cells.back().isEmpty()) cells.removeLast();
        rows << cells.join(QStringLiteral("  "));
    }
    return rows;
}

TEST(EnvelopeView, ShowsTheRowsAndWordsTheCommandLinePrints) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.korvel.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kProject);
    file.close();
    QProcess solve;
    solve.start(QStringLiteral(KORVEL_SOLVE_PATH), {QStringLiteral("--envelope"), path});
    ASSERT_TRUE(solve.waitForFinished(30000));
    EXPECT_EQ(solve.exitCode(), 1) << "one combination overflows";
    // Columns padded to the widest cell: the cells and their order are what must agree.
    QStringList printed;
    for (const QString& line : QString::fromUtf8(solve.readAllStandardOutput()).split(u'\n'))
        printed << line.split(QRegularExpression(QStringLiteral("  +"))).join(QStringLiteral("  "));

    EnvelopeView view;
    view.show_project(std::get<load_case::Project>(load_case::read_case_file(kProject)));
    const QStringList members = rows_of(*view.findChild<QTableWidget*>(QStringLiteral("EnvelopeMembers")));
    const QStringList reactions = rows_of(*view.findChild<QTableWidget*>(QStringLiteral("EnvelopeReactions")));
    const QString status = view.status();
    const QStringList expected = members + QStringList{QString()} + reactions + QStringList{QString()} +
                                 QStringList{status.left(status.indexOf(u'.') + 1)};
    EXPECT_EQ(printed.mid(0, expected.size()).join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    for (const char* note : {"reverses", "uplift: hold down L0", "uplift: hold down L6", "acts both ways"})
        EXPECT_TRUE(expected.join(u'\n').contains(QString::fromUtf8(note))) << note;
}

TEST(EnvelopeReport, RepeatsTheMembersHeadingAtTheTopOfEachPageTheTableRunsOnto) {
    auto project = std::get<load_case::Project>(load_case::read_case_file(kProject));
    for (int c = 0; c < 10; ++c) project.combinations.push_back({"C" + std::to_string(c), {{"Dead", "1"}}});
    EnvelopeView view;
    view.show_project(project);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("envelope.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(envelope_report_pdf(project, *view.shown(), QDateTime(QDate(2026, 1, 2), QTime(3, 4))));
    file.close();
    const QRegularExpression member_row(QStringLiteral("^[LU]\\d[LU]\\d\\s+-?\\d"),
                                        QRegularExpression::MultilineOption);
    const QRegularExpression heading(QStringLiteral("^Member\\s+Max\\s+Max by\\s+Min\\s+Min by\\s+Note"),
                                     QRegularExpression::MultilineOption);
    int pages_with_members = 0;
    for (const QString& page :
         poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}).split(u'\f')) {
        const auto first_member = page.indexOf(member_row);
        if (first_member < 0) continue;
        ++pages_with_members;
        const auto first_heading = page.indexOf(heading);
        EXPECT_TRUE(first_heading >= 0 && first_heading < first_member) << page.toStdString();
    }
    EXPECT_GE(pages_with_members, 2) << "the table runs onto a second page";
}

}  // namespace
}  // namespace korvel::ui::testing
