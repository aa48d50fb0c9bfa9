#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/korvel_solve/batch.hpp"
#include "tools/korvel_solve/input_files.hpp"
#include "tools/korvel_solve/output_sink.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {
namespace {

// An in-memory file holding `text`, read from its start.
class MemoryFile {
public:
    explicit MemoryFile(const std::string& text = "") : fd_(memfd_create("batch-test", MFD_CLOEXEC)) {
        write_all(fd_, text.data(), text.size());
        lseek(fd_, 0, SEEK_SET);
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    int fd() const { return fd_; }
    std::string text() const {
        std::string text;
        char block[1 << 16];
        lseek(fd_, 0, SEEK_SET);
        for (ssize_t n; (n = read(fd_, block, sizeof block)) > 0;) text.append(block, static_cast<std::size_t>(n));
        return text;
    }

private:
    int fd_;
};

struct BatchRunOutput {
    BatchSummary summary;
    std::vector<std::string> lines;
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every answer ends with a line break";
    return lines;
}

BatchRunOutput run_on(const std::vector<std::string>& texts, BatchOptions options = {},
                      const std::vector<std::string>& names = {}) {
    std::vector<std::unique_ptr<MemoryFile>> files;
    std::vector<BatchInput> inputs;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        files.push_back(std::make_unique<MemoryFile>(texts[i]));
        inputs.push_back({files.back()->fd(), i < names.size() ? names[i] : ""});
    }
    MemoryFile out;
    BatchRunOutput result;
    result.summary = run_batch(inputs, out.fd(), options);
    result.lines = lines_of(out.text());
    return result;
}

std::string answer_to(const std::string& line, BatchOptions options = {}) {
    const BatchRunOutput run = run_on({line + "\n"}, options);
    EXPECT_EQ(run.lines.size(), 1u);
    return run.lines.empty() ? "" : run.lines[0];
}

std::string error_kind(const std::string& answer) {
    const Json document = Json::parse(answer);
    return document.contains("error") ? document["error"]["kind"].get<std::string>() : "";
}

std::string error_message(const std::string& answer) {
    return Json::parse(answer)["error"]["message"].get<std::string>();
}

struct LineCase {
    std::string input;               // the whole input
    std::vector<std::string> kinds;  // per output line: error kind, or "" for results
    std::vector<std::string> says;   // per output line: part of the error message, or ""
};

class BatchAnswers : public testing::TestWithParam<LineCase> {};

TEST_P(BatchAnswers, OneAnswerPerInputLineInOrder) {
    const LineCase& c = GetParam();
    const BatchRunOutput run = run_on({c.input});
    ASSERT_EQ(run.lines.size(), c.kinds.size());
    std::size_t errors = 0;
    for (std::size_t i = 0; i < run.lines.size(); ++i) {
        EXPECT_EQ(error_kind(run.lines[i]), c.kinds[i]) << "line " << i + 1 << ": " << run.lines[i];
        if (!c.kinds[i].empty()) {
            ++errors;
            EXPECT_NE(error_message(run.lines[i]).find(c.says[i]), std::string::npos) << run.lines[i];
            EXPECT_EQ(run.lines[i].find("json.exception"), std::string::npos) << run.lines[i];
        }
    }
    EXPECT_EQ(run.summary.lines, c.kinds.size());
    EXPECT_EQ(run.summary.errors, errors);
}

const std::string kGood = R"({"span": "10", "loads": {"U4.V": "10"}})";

INSTANTIATE_TEST_SUITE_P(
    Inputs, BatchAnswers,
    testing::Values(
        LineCase{"", {}, {}}, LineCase{kGood, {""}, {""}},  // the last line without a line break
        LineCase{kGood + "\n", {""}, {""}}, LineCase{"\n", {"bad-request"}, {"line 1: the line is blank"}},
        LineCase{kGood + "\n\n \t\r\n" + kGood,
                 {"", "bad-request", "bad-request", ""},
                 {"", "line 2: the line is blank", "line 3: the line is blank", ""}},
        LineCase{kGood + "\r\n" + kGood + "\r\n", {"", ""}, {"", ""}},
        LineCase{"not json\n{\"span\": \"10\", \"extra\": \"1\"}\n" + kGood,
                 {"bad-request", "bad-request", ""},
                 {"line 1: not valid JSON: unexpected \"n\" at column 1", "line 2: unknown key \"extra\"", ""}},
        LineCase{"{\"span\": \"abc\"}\n{\"loads\": {\"U4.V\": \"10\"}}\n{\"span\": \"0\"}\n{\"span\": \"1e300\"}",
                 {"type-mismatch", "missing-span", "division-by-zero", "overflow"},
                 {"abc", "span", "span", "span"}},
        // A NUL byte makes the line a bad request, wherever it is.
        LineCase{std::string("{\"span\": \"10\"}\0 trailing\n", 25) + kGood,
                 {"bad-request", ""},
                 {"line 1: not valid JSON: unexpected \"\\u0000\" at column 15", ""}},
        LineCase{std::string("{\"span\": \"1\0\"}\n", 15), {"bad-request"}, {"control character \"\\u0000\""}},
        LineCase{"{\"span\": true}\n{\"span\": 16, \"loads\": {\"U4.V\": null}}\n",
                 {"bad-request", "bad-request"},
                 {"\"span\" must be a text", "\"U4.V\" must be a text"}}));

TEST(Batch, ALineIsAProjectWhereItNamesCasesOrCombinations) {
    const std::vector<std::pair<std::string_view, bool>> lines{
        {R"({"span": "1", "cases": []})", true},    {R"({"combinations": [], "span": "1"})", true},
        {R"({"span": "c", "pitch": "30"})", false}, {R"({"span": "1", "xcases": 1, "case": 2})", false},
        {R"(cases" combinations")", false},         {R"({"span": "1", "loads": {"cases": 1}})", true},
    };
    for (const auto& [line, project] : lines) EXPECT_EQ(names_project_parts(line), project) << line;
}

TEST(Batch, AnswersAJsonNumberAsItsTextExactly) {
    // The same case with a text and with the number written the same way gives the same answer.
    const char* numbers[] = {"16",      "-2.5",
                             "0.00005", "1e-400",
                             "1E+2",    "123456789012345678901234567890",
                             "-0",      "12.50000000000000000000000000001"};
    for (const char* number : numbers) {
        const std::string as_number = answer_to(std::string(R"({"span": 16, "loads": {"U4.V": )") + number + "}}");
        const std::string as_text = answer_to(std::string(R"({"span": "16", "loads": {"U4.V": ")") + number + "\"}}");
        EXPECT_EQ(as_number, as_text) << number;
    }
    // A huge number is not rounded to a double: the error quotes it digit for digit.
    const std::string huge = answer_to(R"({"span": 16, "loads": {"U4.V": 123456789012345678901234567890}})");
    EXPECT_EQ(Json::parse(huge)["error"]["text"], "123456789012345678901234567890");
}

TEST(Batch, NumbersWritesResultsUnquoted) {
    BatchOptions options;
    options.values = ResultValues::Numbers;
    const Json numbers = Json::parse(answer_to(kGood, options));
    const Json strings = Json::parse(answer_to(kGood));
    EXPECT_TRUE(numbers["forces"]["L0U1"].is_number());
    EXPECT_EQ(numbers["forces"]["L0U1"].dump(), strings["forces"]["L0U1"].get<std::string>());
    EXPECT_EQ(numbers["reactions"]["RL0"].dump(), strings["reactions"]["RL0"].get<std::string>());
}

TEST(Batch, AnOverLongLineIsAnsweredWithoutStoppingTheOthers) {
    BatchOptions options;
    options.max_line_bytes = 1000;
    const std::string long_text = "{\"span\": \"" + std::string(2000, '1') + "\"}";
    // Longer than one read, so the line is passed over in pieces.
    const std::string very_long = "{\"span\": \"" + std::string(3 << 20, '2') + "\"}";
    const std::string at_limit = "{\"span\": \"10\"" + std::string(1000 - 14, ' ') + "}";
    ASSERT_EQ(at_limit.size(), 1000u);

    const BatchRunOutput run = run_on(
        {kGood + "\n" + long_text + "\n" + kGood + "\n" + very_long + "\n" + at_limit + "\n" + very_long}, options);
    ASSERT_EQ(run.lines.size(), 6u);
    EXPECT_EQ(error_kind(run.lines[0]), "");
    EXPECT_NE(error_message(run.lines[1]).find("line 2: the line is 2012 bytes long"), std::string::npos);
    EXPECT_EQ(error_kind(run.lines[2]), "");
    EXPECT_NE(error_message(run.lines[3]).find("line 4: the line is 3145740 bytes long"), std::string::npos);
    EXPECT_EQ(error_kind(run.lines[4]), "");
    EXPECT_NE(error_message(run.lines[5]).find("line 6: the line is 3145740 bytes long"), std::string::npos);
    EXPECT_EQ(run.summary.errors, 3u);
}

TEST(Batch, ALongLineWithinTheLimitIsReadWhole) {
    // Longer than the first buffer, so the buffer has to grow for it, also up to the largest limit.
    const std::string padded = "{\"span\": \"10\"" + std::string(1 << 20, ' ') + "}";
    for (const std::size_t limit : {kDefaultMaxLineBytes, std::size_t{(1 << 20) + 14}, SIZE_MAX}) {
        BatchOptions options;
        options.max_line_bytes = limit;
        const BatchRunOutput run = run_on({padded + "\n" + kGood}, options);
        ASSERT_EQ(run.lines.size(), 2u);
        EXPECT_EQ(run.lines[0], answer_to(R"({"span": "10"})")) << limit;
        EXPECT_EQ(run.lines[1], answer_to(kGood));
    }
}

TEST(Batch, SeveralInputsInOrderWithTheirNamesInMessages) {
    const BatchRunOutput run = run_on({kGood + "\noops", "oops\n", kGood}, {}, {"first.jsonl", "", "third.jsonl"});
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_EQ(error_kind(run.lines[0]), "");
    EXPECT_EQ(error_message(run.lines[1]).rfind("\"first.jsonl\", line 2: not valid JSON", 0), 0u);
    EXPECT_EQ(error_message(run.lines[2]).rfind("line 1: not valid JSON", 0), 0u);
    EXPECT_EQ(error_kind(run.lines[3]), "");
}

TEST(Batch, SeveralJobsAnswerInInputOrder) {
    // A thousand lines, good and bad mixed; every answer must be the one its own line gets alone.
    std::vector<std::string> texts;
    std::string input;
    for (int i = 1; i <= 1000; ++i) {
        if (i % 7 == 0) {
            texts.push_back("bad " + std::to_string(i));
        } else if (i % 11 == 0) {
            texts.push_back("");
        } else {
            texts.push_back(R"({"span": ")" + std::to_string(i) + R"(", "loads": {"U4.V": ")" + std::to_string(i % 13) +
                            "\"}}");
        }
        input += texts.back() + "\n";
    }
    for (const std::size_t jobs : {1u, 2u, 3u, 8u}) {
        BatchOptions options;
        options.jobs = jobs;
        const BatchRunOutput run = run_on({input}, options);
        ASSERT_EQ(run.lines.size(), texts.size()) << jobs << " jobs";
        std::size_t errors = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::size_t line = i + 1;
            if (line % 7 == 0 || line % 11 == 0) {
                ++errors;
                EXPECT_EQ(error_message(run.lines[i]).rfind("line " + std::to_string(line) + ": ", 0), 0u);
            } else {
                EXPECT_EQ(run.lines[i], answer_to(texts[i])) << jobs << " jobs, line " << line;
            }
        }
        EXPECT_EQ(run.summary.errors, errors);
    }
}

TEST(Batch, SeveralJobsWriteLongRunsInInputOrder) {
    // Enough answers per read for the shares to go out as separate writes.
    std::string input;
    for (int i = 1; i <= 6000; ++i) {
        input += i % 97 == 0 ? "bad\n"
                             : R"({"span": ")" + std::to_string(i % 89 + 1) + R"(", "loads": {"U2.V": ")" +
                                   std::to_string(i) + "\"}}\n";
    }
    const BatchRunOutput serial = run_on({input});
    ASSERT_EQ(serial.lines.size(), 6000u);
    for (const std::size_t jobs : {2u, 3u}) {
        BatchOptions options;
        options.jobs = jobs;
        const BatchRunOutput parallel = run_on({input}, options);
        EXPECT_TRUE(parallel.lines == serial.lines) << jobs << " jobs";
        EXPECT_EQ(parallel.summary.errors, 61u);
    }
}

}  // namespace
}  // namespace korvel::solve
