#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>
#include <span>
#include <string>
#include <vector>

#include "design/deflection_table.hpp"
#include "design/design_table.hpp"
#include "tests/ui/poppler.hpp"
#include "ui/design_window/design_report.hpp"
#include "ui/design_window/design_report_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

using testing::poppler;

// A 9 m C24 roof in kN and m with an ultimate and a serviceability combination.
load_case::Project roof(const std::string& top_chord) {
    return std::get<load_case::Project>(load_case::read_case_file(
        R"({"span": "9", "cases": [{"name": "Dead", "kind": "dead", "loads": {"U2.V": "0.6", "U4.V": "0.6", "U6.V": "0.6"}},
 {"name": "Snow", "kind": "snow", "loads": {"U4.V": "1.8"}}],
 "combinations": [{"name": "1.35D + 1.5S", "factors": {"Dead": "1.35", "Snow": "1.5"}}, {"name": "D + S", "factors": {"Dead": "1", "Snow": "1"}}],
 "units": {"force": "kN", "length": "m"},
 "design": {"code": "EN 1995-1-1", "service_class": "2", "material": "C24", "sections": {"top chord": ")" +
        top_chord + R"(", "bottom chord": "47x150", "webs": "47x100"},
 "serviceability": ["D + S"], "deflection_limit": "300"}})"));
}

// The PDF's text with every run of blanks and line ends as one space, so that wrapped lines
// read on: in reading order (a wrapped heading reads whole) or laid out as on the page (a
// table's row reads across).
QString text_of(const QString& pdf, const QStringList& options) {
    return poppler(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")}).simplified();
}

struct ReportRow {
    std::string top_chord;
    std::vector<std::string> also;  // besides what every report prints
};

TEST(DesignReport, PrintsTheConditionsEveryMemberTheVerdictAndTheDeflection) {
    const ReportRow reports[]{
        {"47x150", {}},
        {"22x25", {std::string(kDesignFailingLead) + "L0U1", std::string(design::kFailsWords)}},
    };
    for (const ReportRow& report : reports) {
        const load_case::Project project = roof(report.top_chord);
        const auto answer = std::get<design::ProjectDesign>(design::design_project(project));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("design.pdf"));
        ASSERT_EQ(write_design_report(path, project, answer, {}, QDateTime(QDate(2026, 12, 10), QTime(9, 26))),
                  std::nullopt);
        std::vector<std::string> expected{std::string(kDesignReportTitle), design::design_verdict(answer.result),
                                          std::string(design::kDesignLimits), std::string(design::kJointSlipNote),
                                          design::deflection_caption(*answer.deflection, "m")};
        expected.insert(expected.end(), report.also.begin(), report.also.end());
        for (const design::DesignCondition& condition : design::design_conditions(answer.design))
            expected.push_back(condition.label + ": " + condition.text);
        // Warnings, the last column, only where a member has one; these roofs have none. A
        // heading may wrap between its words, which then read in no certain order.
        std::vector<std::string> headings;
        for (const design::DesignColumnRow& column : std::span(design::kDesignColumns).first(9))
            headings.push_back(design::design_heading(column, design::ForceUnit::kN));
        for (const design::DeflectionColumnRow& column : design::kDeflectionColumns)
            headings.push_back(design::deflection_heading(column, "m"));
        for (const std::string& heading : headings)
            for (const QString& word : QString::fromStdString(heading).split(u' '))
                expected.push_back(word.toStdString());
        const QString text = text_of(path, {});
        for (const std::string& words : expected)
            EXPECT_TRUE(text.contains(QString::fromStdString(words))) << words << "\nnot in\n" << text.toStdString();
        // A member's row reads across in the columns' order, its result in words.
        const auto table = design::design_table(answer.result, answer.design, design::DesignOrder::Members);
        std::string row;
        for (const std::string& cell : table.at(engine::to_index(engine::Member::L0L1)).cells)
            row += (row.empty() || cell.empty() ? "" : " ") + cell;
        const QString laid_out = text_of(path, {QStringLiteral("-layout")});
        EXPECT_TRUE(laid_out.contains(QString::fromStdString(row))) << row;
        // The rows start with the failing members, then the rest in the members' order.
        qsizetype from = laid_out.indexOf(to_qstring(kDesignMembersHeading));
        for (const auto& member :
             design::design_table(answer.result, answer.design, design::DesignOrder::FailuresThenMembers)) {
            const std::string& group = member.cells[static_cast<std::size_t>(design::DesignColumn::Group)];
            const std::string start =
                std::string(engine::member_name(member.member)) + " " + group.substr(0, group.find(' '));
            from = laid_out.indexOf(QString::fromStdString(start), from);
            ASSERT_GE(from, 0) << start;
        }
    }
}

TEST(DesignReport, AFailedWriteNamesTheFile) {
    const load_case::Project project = roof("47x150");
    const auto answer = std::get<design::ProjectDesign>(design::design_project(project));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no such folder/design.pdf"));
    const std::optional<WriteFailure> failure = write_design_report(path, project, answer, {}, QDateTime());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, path);
    EXPECT_FALSE(failure->reason.isEmpty());
}

}  // namespace
}  // namespace korvel::ui
