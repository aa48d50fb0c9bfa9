#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "engine/result_table.hpp"
#include "engine/span_accuracy.hpp"
#include "korvel/project.hpp"
#include "tests/ui/analysis_records.hpp"
#include "tests/ui/poppler.hpp"
#include "tests/ui/scripted_dialogs.hpp"
#include "tests/ui/window_control.hpp"
#include "ui/report/report_page.hpp"
#include "ui/report/report_pdf.hpp"
#include "ui/report/report_texts.hpp"
#include "ui/report/report_words.hpp"
#include "ui/report/results_export.hpp"
#include "ui/results_window/results_window.hpp"
#include "ui/results_window/results_window_layout.hpp"
#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

using testing::mixed_loads;
using testing::poppler;

class ReportPdfTest : public ::testing::Test {
protected:
    ReportPdfTest() {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) throw std::runtime_error("cannot write");
    }

    AnalysisRecord record = mixed_loads();
    QByteArray pdf = report_pdf(record, QDateTime(QDate(2026, 3, 14), QTime(9, 26)));
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("report.pdf"));
};

TEST_F(ReportPdfTest, IsOneA4PageOfVectorsAndText) {
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size:\\s+59[56](\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))))
        << info.toStdString();
    // A vector page carries no pictures.
    const QString images = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    EXPECT_EQ(images.split(u'\n', Qt::SkipEmptyParts).size(), 2) << images.toStdString();  // the heading only
}

// Every member row and reaction of `record` stands whole in the report's text layer.
void expect_every_result_whole(const AnalysisRecord& record, const QString& path) {
    const QString text = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const engine::Member member : engine::kMembers) {
        const QString name = to_qstring(engine::member_name(member));
        SCOPED_TRACE(name.toStdString());
        const engine::Fixed4 force = record.result.force(member);
        const QString row =
            QStringLiteral("%1\\s+%2\\s+%3\\s+%4(\\s|$)")
                .arg(name, QRegularExpression::escape(to_qstring(record.result.length(member).to_text())),
                     QRegularExpression::escape(to_qstring(force.to_text())), force_word(force));
        EXPECT_TRUE(text.contains(QRegularExpression(row, QRegularExpression::MultilineOption))) << row.toStdString();
    }
    for (const engine::Reaction reaction : engine::kReactions) {
        const engine::Fixed4 value = record.result.reaction(reaction);
        const QString row = QStringLiteral("%1\\s+%2\\s+%3(\\s|$)")
                                .arg(to_qstring(engine::reaction_name(reaction)),
                                     QRegularExpression::escape(to_qstring(value.to_text())),
                                     QRegularExpression::escape(reaction_direction(reaction, value)));
        EXPECT_TRUE(text.contains(QRegularExpression(row, QRegularExpression::MultilineOption))) << row.toStdString();
    }
}

TEST_F(ReportPdfTest, TextLayerHoldsEveryMemberRowAndReactionAsTheExactResultTexts) {
    expect_every_result_whole(record, path);
}

// Results of many digits are never cut: the columns grow, and the tables take more pages if they must.
TEST(ReportPdf, ResultsOfManyDigitsStandWhole) {
    const AnalysisRecord record = testing::large_results();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.pdf"));
    QFile file(path);
    const QByteArray pdf = report_pdf(record, QDateTime(QDate(2026, 3, 14), QTime(9, 26)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    expect_every_result_whole(record, path);
}

TEST(ReportAccuracy, ASmallSpanCarriesTheBoundAndWhatToDoALargerOneNothing) {
    for (const char* span : {"0.01", "16"}) {
        SCOPED_TRACE(span);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.pdf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(report_pdf(testing::analysed(span, {{"U2.V", "1000"}}), QDateTime::currentDateTime()));
        file.close();
        const QString text = poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        const auto warning = engine::span_accuracy_warning(span);
        EXPECT_EQ(text.contains(QStringLiteral("Accuracy: ")), warning.has_value());
        EXPECT_TRUE(!warning || text.contains(QString::fromStdString(warning->percent() + " of the largest load")));
        EXPECT_EQ(text.contains(QStringLiteral("Enter the span in a smaller unit")), warning.has_value());
    }
}

TEST_F(ReportPdfTest, TextLayerHoldsTitleSpanAndEveryLoadAsTyped) {
    const QString text = poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(to_qstring(kReportTitle)));
    EXPECT_TRUE(text.contains(span_line(record.input.span)));
    const struct {
        const char* name;
        const char* key;
    } loads[] = {
        {"U1 vertical", "U1.V"}, {"L0 horizontal", "L0.H"}, {"U3 vertical", "U3.V"}, {"U2 horizontal", "U2.H"}};
    for (const auto& load : loads) {
        const std::string& typed = record.input.loads[*engine::load_index_by_key(load.key)];
        EXPECT_TRUE(text.contains(QStringLiteral("%1: %2").arg(QLatin1String(load.name), to_qstring(typed))))
            << load.name;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("U4 vertical")));  // an empty load is left out
}

// A force's word follows its sign; a reaction's word agrees with the direction
// its results window caption calls positive, and names the opposite for a negative one.
TEST(ReportWords, ForcesAndReactionsAreSaidInWordsByTheirSign) {
    const struct {
        std::int64_t count;
        ForceSign sign;
    } forces[] = {{-1, ForceSign::Compression},
                  {0, ForceSign::Zero},
                  {1, ForceSign::Tension},
                  {std::numeric_limits<std::int64_t>::min(), ForceSign::Compression}};
    for (const auto& c : forces) {
        const auto row =
            std::find_if(kForceWords.begin(), kForceWords.end(), [&](const ForceWord& w) { return w.sign == c.sign; });
        EXPECT_EQ(force_word(engine::Fixed4::from_count(c.count)), to_qstring(row->word)) << c.count;
    }
    const struct {
        const char* positive;
        const char* negative;
    } opposites[] = {{"up", "down"}, {"left", "right"}};
    for (const engine::ReactionRow& row : engine::kReactionRows) {
        const QString caption = to_qstring(row.caption);
        const QString positive = caption.section(u'(', 1).section(u')', 0, 0).toLower();
        const auto opposite = std::find_if(std::begin(opposites), std::end(opposites),
                                           [&](const auto& o) { return positive == QLatin1String(o.positive); });
        ASSERT_NE(opposite, std::end(opposites)) << caption.toStdString();
        SCOPED_TRACE(caption.toStdString());
        const auto word = [&](std::int64_t count) {
            return reaction_direction(row.reaction, engine::Fixed4::from_count(count));
        };
        EXPECT_TRUE(word(1).contains(positive) && !word(1).contains(QLatin1String(opposite->negative)));
        EXPECT_TRUE(word(-123456789).contains(QLatin1String(opposite->negative)));
        EXPECT_EQ(word(0), to_qstring(kNoReaction));
    }
}

TEST(ReportWords, TheSpanIsShownAsTypedAndAsUsedWhereTheyDiffer) {
    const struct {
        const char* typed;
        const char* used;  // null: the same as typed
    } cases[] = {{"16", nullptr},     {"-16", "16"},        {"16.00004", "16"}, {"16.0", "16"},
                 {"0.0003", nullptr}, {"letters", nullptr}, {"-0.5", "0.5"}};
    for (const auto& c : cases) {
        const QString typed = QLatin1String(c.typed);
        EXPECT_EQ(span_line(c.typed), c.used ? to_qstring(kSpanTypedAndUsedLine).arg(typed, QLatin1String(c.used))
                                             : to_qstring(kSpanLine).arg(typed));
    }
}

// The text of each page of a PDF file.
QStringList page_texts(const QString& path) {
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    QStringList texts;
    for (int page = 1; page <= pages; ++page) {
        const QString number = QString::number(page);
        texts << poppler(QStringLiteral("pdftotext"),
                         {QStringLiteral("-f"), number, QStringLiteral("-l"), number, path, QStringLiteral("-")});
    }
    return texts;
}

QString written(const QTemporaryDir& folder, const QByteArray& pdf) {
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) ADD_FAILURE() << "cannot write";
    return path;
}

// Every page starts with the whole title block and its own number of the pages, and the page's own
// contents come below it.
TEST(ReportTitleBlock, EveryPageCarriesTheFieldsTrussDateProgramAndPageOfPages) {
    const QDateTime made_at(QDate(2026, 3, 14), QTime(9, 26));
    const TitleFields signed_fields{QStringLiteral("Hall roof, bay 3"), QStringLiteral("A. Engineer"),
                                    QStringLiteral("B. Checker")};
    const AnalysisRecord record = testing::analysed("-16", {{"U2.V", "1000"}});
    const TitleBlock block{signed_fields, truss_description(record.input.span), made_at};
    const struct {
        const char* name;
        QByteArray pdf;
        QString body;  // the first text of each page's contents
    } documents[] = {
        {"report", report_pdf(record, made_at, signed_fields), to_qstring(kReportTitle)},
        {"three pages",
         report_document(QStringLiteral("t"), block,
                         [](QPdfWriter& writer, QPainter& painter) {
                             for (int page = 0; page < 3; ++page) {
                                 if (page > 0) writer.newPage();
                                 painter.drawText(painter.viewport().topLeft() + QPoint(0, 200),
                                                  QStringLiteral("contents"));
                             }
                         }),
         QStringLiteral("contents")},
    };
    const QString program = to_qstring(project::kApplicationName) + u' ' + to_qstring(project::kDisplayVersion);
    for (const auto& document : documents) {
        SCOPED_TRACE(document.name);
        QTemporaryDir folder;
        const QStringList pages = page_texts(written(folder, document.pdf));
        ASSERT_FALSE(pages.isEmpty());
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const QString& text = pages[i];
            const QString page_of = to_qstring(kPageOfPages).arg(i + 1).arg(pages.size());
            for (const QString& expected :
                 {to_qstring(kProjectCaption), signed_fields.project, to_qstring(kEngineerCaption),
                  signed_fields.engineer, to_qstring(kCheckedByCaption), signed_fields.checked_by,
                  to_qstring(kTrussCaption), to_qstring(kTrussDescription).arg(16), to_qstring(kDateCaption),
                  report_date(made_at), program, page_of})
                EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " on page " << i + 1;
            EXPECT_GT(text.indexOf(document.body), text.indexOf(page_of));
        }
    }
}

// Splits RFC 4180 text into records of fields.
std::vector<QStringList> parse_csv(const QString& csv) {
    std::vector<QStringList> records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (quoted) {
            if (c == u'"' && i + 1 < csv.size() && csv[i + 1] == u'"')
                field += csv[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            records.back().append(std::exchange(field, {}));
        } else if (c == u'\r' && i + 1 < csv.size() && csv[i + 1] == u'\n') {
            records.back().append(std::exchange(field, {}));
            records.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    if (records.back().isEmpty() && field.isEmpty()) records.pop_back();
    return records;
}

TEST(ResultsCsv, ParsesBackToTheValuesTheResultsWindowShows) {
    const AnalysisRecord record = mixed_loads();
    testing::ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    window.show_results(record.result);
    const auto shown = [&](std::string_view name) { return testing::window_control<QLabel>(window, name).text(); };

    const std::vector<QStringList> rows = parse_csv(QString::fromStdString(engine::results_csv(record.result)));
    ASSERT_EQ(rows.size(), 1 + engine::kMemberCount + engine::kReactionCount);
    EXPECT_EQ(rows[0], QStringList({QStringLiteral("item"), QStringLiteral("length"), QStringLiteral("axial_force"),
                                    QStringLiteral("reaction")}));
    std::size_t r = 1;
    results_layout::for_each_member_row(
        [&](const results_layout::MemberRow& row, results_layout::BlockColumns, engine::Member member) {
            EXPECT_EQ(rows[r++], (QStringList{to_qstring(engine::member_name(member)), shown(row.length_label),
                                              shown(row.force_label), QString()}));
        });
    for (std::size_t i = 0; i < engine::kReactionCount; ++i) {
        EXPECT_EQ(rows[r++], (QStringList{to_qstring(engine::reaction_name(engine::kReactionRows[i].reaction)),
                                          QString(), QString(), shown(results_layout::kReactionRows[i].result_label)}));
    }
}

TEST(ResultsCsv, QuotesOnlyTheFieldsThatNeedIt) {
    const std::vector<QStringList> parsed =
        parse_csv(QStringLiteral("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",,x\r\n"));
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0], (QStringList{QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("say \"hi\"")}));
    EXPECT_EQ(parsed[1], (QStringList{QStringLiteral("two\r\nlines"), QString(), QStringLiteral("x")}));
}

TEST(ResultsCsv, TheWindowAndTheCommandLineWriteTheSameBytes) {
    const AnalysisRecord record = mixed_loads();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("r.csv"));
    testing::ScriptedDialogs dialogs;
    dialogs.answer_file_name(path);
    ResultsExport(dialogs).save_csv(record);

    QStringList arguments{QStringLiteral("--span"), to_qstring(record.input.span), QStringLiteral("--format"),
                          QStringLiteral("csv")};
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (record.input.loads[i].empty()) continue;
        arguments << QStringLiteral("--load")
                  << to_qstring(engine::load_key(engine::kLoadMap[i]) + "=" + record.input.loads[i]);
    }
    QProcess solve;
    solve.start(QStringLiteral(KORVEL_SOLVE_PATH), arguments);
    ASSERT_TRUE(solve.waitForFinished(30000));
    ASSERT_EQ(solve.exitCode(), 0) << solve.readAllStandardError().toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), solve.readAllStandardOutput());
}

struct SaveCommand {
    const char* name;
    void (ResultsExport::*save)(const AnalysisRecord&);
    const char* title;
    const char* default_name;
    const char* file_name;
    QByteArray starts_with;
};

const SaveCommand kSaveCommands[] = {
    {"report", &ResultsExport::save_report, "Save report as PDF", "korvel-report.pdf", "r.pdf", "%PDF-"},
    {"csv", &ResultsExport::save_csv, "Save results as CSV", "korvel-results.csv", "r.csv",
     "item,length,axial_force,reaction\r\n"},
    {"svg", &ResultsExport::save_diagram, "Save diagram as SVG or PNG", "korvel-forces.svg", "r.svg", "<?xml"},
    {"png", &ResultsExport::save_diagram, "Save diagram as SVG or PNG", "korvel-forces.svg", "r.PNG", "\x89PNG\r\n"},
};

// One save command run against scripted dialogs in a fresh folder.
struct ExportRun {
    explicit ExportRun(const SaveCommand& c) : command(c) {}

    QString in_folder(const QString& name) const { return folder.filePath(name); }
    QString file_path() const { return in_folder(QString::fromLatin1(command.file_name)); }
    void save_as(const QString& answer) {
        dialogs.answer_file_name(answer);
        (exporter.*command.save)(record);
        // The report's title block question is tested on its own.
        std::erase_if(dialogs.calls, [](const testing::ScriptedDialogs::Call& call) {
            return call.kind == testing::ScriptedDialogs::Call::Kind::TitleFields;
        });
    }

    const SaveCommand& command;
    AnalysisRecord record = mixed_loads();
    QTemporaryDir folder;
    testing::ScriptedDialogs dialogs;
    ResultsExport exporter{dialogs};
};

QByteArray contents_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ResultsExport, AFileGetsItsExtensionItsFormatFromItAndAnUnknownOneIsAskedAbout) {
    struct Case {
        std::size_t command;  // in kSaveCommands
        const char* answer;
        std::optional<Answer> question_answer;  // none: no question expected
        const char* saved_as;                   // "" when nothing is saved
        QByteArray starts_with;
    };
    const Case cases[] = {
        {0, "r", {}, "r.pdf", "%PDF-"},
        {1, "r", {}, "r.csv", "item,"},
        {2, "r", {}, "r.svg", "<?xml"},
        {2, "r.jpg", {}, "r.jpg", "\xFF\xD8\xFF"},
        {2, "r.JPEG", {}, "r.JPEG", "\xFF\xD8\xFF"},
        {2, "r.txt", Answer::Yes, "r.txt", "<?xml"},
        {0, "r.txt", Answer::No, "", ""},
        {1, "r.svg", Answer::No, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kSaveCommands[c.command].name) + " as " + c.answer);
        ExportRun run(kSaveCommands[c.command]);
        if (c.question_answer) run.dialogs.answer_message(*c.question_answer);
        run.save_as(run.in_folder(QString::fromLatin1(c.answer)));
        EXPECT_EQ(run.dialogs.calls.size(), c.question_answer ? 2u : 1u);
        const QStringList files = QDir(run.folder.path()).entryList(QDir::Files);
        EXPECT_EQ(files, *c.saved_as == '\0' ? QStringList() : QStringList{QString::fromLatin1(c.saved_as)});
        EXPECT_TRUE(contents_of(run.in_folder(QString::fromLatin1(c.saved_as))).startsWith(c.starts_with));
    }
}

TEST(ResultsExport, EachSaveAsksForANameThenWritesItsFileInPlaceOfAnOldOne) {
    for (const SaveCommand& command : kSaveCommands) {
        SCOPED_TRACE(command.name);
        ExportRun run(command);
        {
            QFile old(run.file_path());
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(100000, 'x'));
        }
        run.save_as(run.file_path());

        ASSERT_EQ(run.dialogs.calls.size(), 1u);
        EXPECT_EQ(run.dialogs.calls[0].kind, testing::ScriptedDialogs::Call::Kind::SaveFile);
        EXPECT_EQ(run.dialogs.calls[0].title, QString::fromLatin1(command.title));
        EXPECT_EQ(run.dialogs.calls[0].default_text, QString::fromLatin1(command.default_name));
        const QByteArray written = contents_of(run.file_path());
        EXPECT_TRUE(written.startsWith(command.starts_with));
        EXPECT_FALSE(written.contains(QByteArray(64, 'x'))) << "nothing of the old file";
        EXPECT_EQ(QDir(run.folder.path()).entryList(QDir::Files).size(), 1);  // no temporary file left behind
    }
}

TEST(ResultsExport, TheReportAsksForItsTitleBlockBeforeItsNameOfferingTheLastFieldsAndCancelSavesNothing) {
    QSettings().remove(QStringLiteral("report"));
    const TitleFields fields{QStringLiteral("Barn"), QStringLiteral("A. Engineer"), QString()};
    ExportRun first(kSaveCommands[0]);
    first.dialogs.answer_title_fields(fields);
    first.dialogs.answer_file_name(first.file_path());
    first.exporter.save_report(first.record);
    ASSERT_EQ(first.dialogs.calls.size(), 2u);
    EXPECT_EQ(first.dialogs.calls[0].kind, testing::ScriptedDialogs::Call::Kind::TitleFields);
    EXPECT_EQ(first.dialogs.calls[1].kind, testing::ScriptedDialogs::Call::Kind::SaveFile);
    EXPECT_EQ(first.dialogs.title_fields_offered, std::vector<TitleFields>{TitleFields{}});
    const QString text = poppler(QStringLiteral("pdftotext"), {first.file_path(), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(fields.project) && text.contains(fields.engineer)) << text.toStdString();

    // The next save, even of another window, offers them again; Cancel there asks nothing more.
    ExportRun next(kSaveCommands[0]);
    next.dialogs.answer_title_fields(std::nullopt);
    next.exporter.save_report(next.record);
    EXPECT_EQ(next.dialogs.title_fields_offered, std::vector<TitleFields>{fields});
    EXPECT_EQ(next.dialogs.calls.size(), 1u);
    EXPECT_TRUE(QDir(next.folder.path()).isEmpty());
}

TEST(ResultsExport, CancellingWritesNothingAndSaysNothing) {
    for (const SaveCommand& command : kSaveCommands) {
        SCOPED_TRACE(command.name);
        ExportRun run(command);
        run.save_as(QString());
        EXPECT_EQ(run.dialogs.calls.size(), 1u);
        EXPECT_TRUE(QDir(run.folder.path()).isEmpty());
    }
}

TEST(ResultsExport, AFailedWriteNamesTheFileAndChangesNothing) {
    for (const SaveCommand& command : kSaveCommands) {
        SCOPED_TRACE(command.name);
        ExportRun run(command);
        // A folder of that name stands where the file should go, and a folder that does not exist.
        ASSERT_TRUE(QDir().mkpath(run.file_path() + QStringLiteral("/kept")));
        const QString missing =
            run.in_folder(QStringLiteral("no such folder/") + QString::fromLatin1(command.file_name));
        for (const QString& path : {run.file_path(), missing}) {
            run.dialogs.calls.clear();
            run.save_as(path);
            ASSERT_EQ(run.dialogs.calls.size(), 2u);
            EXPECT_EQ(run.dialogs.calls[1].kind, testing::ScriptedDialogs::Call::Kind::Message);
            EXPECT_EQ(run.dialogs.calls[1].style, MessageStyle::OkExclamation);
            EXPECT_TRUE(run.dialogs.calls[1].text.contains(QDir::toNativeSeparators(path)))
                << run.dialogs.calls[1].text.toStdString();
        }
        EXPECT_TRUE(QFileInfo(run.file_path() + QStringLiteral("/kept")).isDir());
        EXPECT_FALSE(QFileInfo::exists(missing));
        EXPECT_EQ(QDir(run.folder.path()).entryList(QDir::Files).size(), 0);
    }
}

}  // namespace
}  // namespace korvel::ui
