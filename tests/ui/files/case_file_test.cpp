#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ui/files/case_file.hpp"

namespace korvel::ui {
namespace {

engine::AnalysisInput case_of(std::string span, std::vector<std::pair<const char*, std::string>> loads) {
    engine::AnalysisInput input;
    input.span = std::move(span);
    for (auto& [key, text] : loads) input.loads[*engine::load_index_by_key(key)] = std::move(text);
    return input;
}

QByteArray contents_of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class CaseFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QTemporaryDir folder;
};

TEST_F(CaseFileTest, WrittenCasesReadBackByteForByte) {
    struct Case {
        const char* what;
        engine::AnalysisInput input;
    };
    const std::vector<Case> cases{
        {"empty", {}},
        {"plain", case_of("16", {{"U4.V", "10"}, {"L0.H", "-2.5"}})},
        {"blanks kept", case_of(" 16 ", {{"U1.V", "  "}, {"L3.V", "\t1\t"}})},
        {"non-ASCII", case_of("16 m", {{"U2.H", "ä–5 kN ✓"}, {"L6.V", "𝟙𝟘"}})},
        {"quotes, backslashes and line breaks", case_of("1\"6", {{"U7.V", "a\\b\r\nc"}, {"L5.V", "\x01"}})},
        {"every load",
         [] {
             engine::AnalysisInput input = case_of("20", {});
             for (std::size_t i = 0; i < engine::kLoadCount; ++i) input.loads[i] = std::to_string(i + 1);
             return input;
         }()},
        {"a megabyte", case_of(std::string(1 << 20, '9'), {{"U4.V", std::string(1 << 20, '1')}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path("case.korvel.json");
        ASSERT_FALSE(write_case_file(file, c.input).has_value());
        const QByteArray bytes = contents_of(file);
        EXPECT_TRUE(bytes.endsWith('\n'));
        EXPECT_EQ(bytes.count('\n'), 1) << "one line";
        const auto read = read_case_file(file);
        ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read));
        const auto& input = std::get<engine::AnalysisInput>(read);
        EXPECT_EQ(input.span, c.input.span);
        EXPECT_EQ(input.loads, c.input.loads);
    }
}

TEST_F(CaseFileTest, EveryKindOfBadFileIsAnErrorNamingTheProblem) {
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* problem;  // a part of the problem's description
    };
    const std::vector<Case> cases{
        {"empty file", "", "not a load case"},
        {"not JSON", "span=16\n", "not valid JSON"},
        {"cut short", R"({"span": "16", "loads": {"U4.V": "1")", "not valid JSON"},
        {"not an object", R"(["16"])", "not a load case"},
        {"unknown key", R"({"span": "16", "width": "3"})", "unknown key"},
        {"duplicate span", R"({"span": "16", "span": "17"})", "twice"},
        {"duplicate load", R"({"loads": {"U4.V": "1", "U4.V": "2"}})", "twice"},
        {"load on a node that takes none", R"({"loads": {"L1.H": "1"}})", "L1.H"},
        {"no such node", R"({"loads": {"U9.V": "1"}})", "U9.V"},
        {"not a text", R"({"span": true})", "span"},
        {"a list for a load", R"({"loads": {"U4.V": ["1"]}})", "U4.V"},
        {"not UTF-8", "{\"span\": \"\xff\"}", "UTF-8"},
        {"two cases", "{\"span\": \"1\"}\n{\"span\": \"2\"}\n", "not valid JSON"},
        {"over 64 MiB", QByteArray(kCaseFileSizeLimit + 1, ' '), "larger than 64 MiB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path("bad.korvel.json");
        write_bytes(file, c.bytes);
        const auto read = read_case_file(file);
        ASSERT_TRUE(std::holds_alternative<CaseFileError>(read));
        const auto& error = std::get<CaseFileError>(read);
        EXPECT_EQ(error.path, file);
        EXPECT_TRUE(error.problem.contains(QString::fromUtf8(c.problem))) << error.problem.toStdString();
    }
}

TEST_F(CaseFileTest, AProjectIsWrittenAndReadBackAsAProject) {
    load_case::Project project{"14.4", {{"Dead", load_case::CaseKind::Dead, {}}}, {{"D", {{"Dead", "1.4"}}}}};
    project.cases[0].loads[0] = "0.85";
    ASSERT_FALSE(write_project_file(path("roof.korvel.json"), project).has_value());
    const auto read = read_case_file(path("roof.korvel.json"));
    ASSERT_TRUE(std::holds_alternative<load_case::Project>(read));
    EXPECT_EQ(std::get<load_case::Project>(read), project);

    write_bytes(path("bad.korvel.json"), R"({"span": "1", "cases": [], "combinations": []})");
    const auto bad = read_case_file(path("bad.korvel.json"));
    ASSERT_TRUE(std::holds_alternative<CaseFileError>(bad));
    EXPECT_TRUE(std::get<CaseFileError>(bad).problem.startsWith(QStringLiteral("it is not a usable project")));
}

TEST_F(CaseFileTest, AFileExactlyAtTheLimitIsStillRead) {
    QByteArray bytes = R"({"span": "16"})";
    bytes.append(QByteArray(kCaseFileSizeLimit - bytes.size(), ' '));
    write_bytes(path("big.korvel.json"), bytes);
    const auto read = read_case_file(path("big.korvel.json"));
    ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read));
    EXPECT_EQ(std::get<engine::AnalysisInput>(read).span, "16");
}

TEST_F(CaseFileTest, WhatIsNotAReadableFileIsAnError) {
    struct Case {
        QString path;
        const char* problem;
    };
    ASSERT_TRUE(QFile::link(path("loop-b.korvel.json"), path("loop-a.korvel.json")));
    ASSERT_TRUE(QFile::link(path("loop-a.korvel.json"), path("loop-b.korvel.json")));
    ASSERT_TRUE(QFile::link(path("missing.korvel.json"), path("dangling.korvel.json")));
    const std::vector<Case> cases{
        {path("missing.korvel.json"), "no such file"},
        {path("loop-a.korvel.json"), "symbolic links lead round in a loop"},
        {path("dangling.korvel.json"), "symbolic link to a file that does not exist"},
        {folder.path(), "not a file"},
        {QStringLiteral("/dev/zero"), "not a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const auto read = read_case_file(c.path);
        ASSERT_TRUE(std::holds_alternative<CaseFileError>(read));
        EXPECT_TRUE(std::get<CaseFileError>(read).problem.contains(QString::fromUtf8(c.problem)));
    }
}

TEST_F(CaseFileTest, AFailedSaveIsAnErrorAndLeavesTheOldFileWhole) {
    const QString old_file = path("old.korvel.json");
    write_bytes(old_file, "{\"span\": \"12\"}\n");
    struct Case {
        const char* what;
        QString target;
    };
    const std::vector<Case> cases{
        {"into a missing folder", path("no folder/case.korvel.json")},
        {"onto a folder", folder.path()},
        {"into a device", QStringLiteral("/proc/version")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto error = write_case_file(c.target, case_of("16", {}));
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->path, c.target);
        EXPECT_FALSE(error->problem.isEmpty());
    }
    EXPECT_EQ(contents_of(old_file), QByteArray("{\"span\": \"12\"}\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.korvel.json")})
        << "no temporary file is left behind";
}

TEST(CaseFileName, TheExtensionIsAddedWhenMissing) {
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("/a/case"), QStringLiteral("/a/case.korvel.json")},
        {QStringLiteral("/a/case.korvel.json"), QStringLiteral("/a/case.korvel.json")},
        {QStringLiteral("/a/case.KORVEL.JSON"), QStringLiteral("/a/case.KORVEL.JSON")},
        {QStringLiteral("/a/case.json"), QStringLiteral("/a/case.json.korvel.json")},
        {QStringLiteral("/a.korvel.json/case"), QStringLiteral("/a.korvel.json/case.korvel.json")},
    };
    for (const auto& [given, expected] : cases) EXPECT_EQ(with_case_extension(given), expected);
}

}  // namespace
}  // namespace korvel::ui
