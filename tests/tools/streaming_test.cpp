// korvel-solve --batch as a coprocess and in a pipeline: answers arrive as
// their lines are read, and a failed write ends the run at once.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::SolveCoprocess;

const std::string kGood = R"({"span": "10", "loads": {"U4.V": "10"}})";

class Streaming : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Streaming, EachAnswerComesBeforeTheNextLineIsWritten) {
    SolveCoprocess solve(GetParam());
    const std::vector<std::pair<std::string, std::string>> exchanges{
        {kGood + "\n", R"("L0U1":"-11.1814")"},
        {"oops\n", "line 2: not valid JSON"},
        {"\n", "line 3: the line is blank"},
        {R"({"span": "0.1", "loads": {"U2.V": "1000"}})"
         "\n",
         R"(,"warnings":["A span of 0.1 )"},
        // A line that arrives in two pieces is answered once it is whole.
        {R"({"span": )", ""},
        {"\"abc\"}\n", R"("kind":"type-mismatch")"},
    };
    for (const auto& [line, answer_has] : exchanges) {
        ASSERT_TRUE(solve.write(line));
        if (*answer_has.data() == '\0') continue;
        const std::string answer = solve.read_line();
        EXPECT_NE(answer.find(answer_has), std::string::npos) << "answer to " << line << ": " << answer;
    }
    // The last line needs no line break: the end of the input ends it.
    ASSERT_TRUE(solve.write(kGood));
    solve.close_input();
    EXPECT_NE(solve.read_line().find(R"("L0U1":"-11.1814")"), std::string::npos);
    EXPECT_EQ(solve.read_line(1), "(none)");
    EXPECT_EQ(solve.wait(), 1);
}

INSTANTIATE_TEST_SUITE_P(Jobs, Streaming,
                         testing::Values(std::vector<std::string>{"--batch"},
                                         std::vector<std::string>{"--batch", "--jobs", "1"},
                                         std::vector<std::string>{"--batch", "--jobs", "3", "-"}),
                         [](const testing::TestParamInfo<std::vector<std::string>>& arguments) {
                             return "Arguments" + std::to_string(arguments.index);
                         });

// Feeds cases until the program stops taking them.
void feed_endlessly(SolveCoprocess& solve) {
    std::string block;
    for (int i = 0; i < 1000; ++i) block += kGood + "\n";
    while (solve.write(block)) {}
}

struct FailedOutput {
    const char* name;
    const char* path;  // standard output; none for a pipe nobody reads
    const char* err_has;
};

class FailedWrite : public testing::TestWithParam<FailedOutput> {};

TEST_P(FailedWrite, StopsTheBatchAtOnceWithStatusOne) {
    // A test run ignores SIGPIPE, so a closed pipe shows as a failed write, as in
    // a program started with SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_IGN);
    int out_fd = -1;
    int pipe_ends[2] = {-1, -1};
    if (GetParam().path != nullptr) {
        out_fd = open(GetParam().path, O_WRONLY | O_CLOEXEC);
    } else {
        ASSERT_EQ(pipe2(pipe_ends, O_CLOEXEC), 0);
        out_fd = pipe_ends[1];
    }
    SolveCoprocess solve({"--batch"}, out_fd);
    close(out_fd);
    if (pipe_ends[0] >= 0) close(pipe_ends[0]);  // nobody reads the answers

    std::thread feeder([&] { feed_endlessly(solve); });
    const int status = solve.wait(30);
    solve.close_input();
    feeder.join();
    EXPECT_EQ(status, 1);
    EXPECT_NE(solve.error_output().find(GetParam().err_has), std::string::npos) << solve.error_output();
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, FailedWrite,
    testing::Values(FailedOutput{"FullDisk", "/dev/full", "could not write the results: No space left"},
                    FailedOutput{"ClosedPipe", nullptr, "could not write the results: Broken pipe"}),
    [](const testing::TestParamInfo<FailedOutput>& output) { return std::string(output.param.name); });

// AddressSanitizer reserves more address space than the limit below allows.
#ifndef __SANITIZE_ADDRESS__
TEST(OutOfMemory, OnOneLineAnswersThatLineAndKeepsTheOthers) {
    // The program may hold 160 MB; the line would need 256 MB of buffer.
    rlimit original{};
    getrlimit(RLIMIT_AS, &original);
    rlimit limited = original;
    limited.rlim_cur = 160u << 20;
    setrlimit(RLIMIT_AS, &limited);
    SolveCoprocess solve({"--batch", "--jobs", "1", "--max-line-bytes", "1000000000"});
    setrlimit(RLIMIT_AS, &original);

    std::thread feeder([&] {
        solve.write(kGood + "\n{\"span\": \"");
        const std::string block(1 << 20, '7');
        for (int i = 0; i < 200; ++i) solve.write(block);
        solve.write("\"}\n" + kGood + "\n");
        solve.close_input();
    });
    EXPECT_NE(solve.read_line(60).find("L0U1"), std::string::npos);
    const std::string refused = solve.read_line(60);
    EXPECT_NE(refused.find("line 2: the line is 209715212 bytes long, more than there is memory for"),
              std::string::npos)
        << refused;
    EXPECT_NE(solve.read_line(60).find("L0U1"), std::string::npos);
    feeder.join();
    EXPECT_EQ(solve.wait(), 1);
}
#endif

TEST(ClosedPipe, EndsTheProgramQuietlyBySigpipeAsInAPipeline) {
    std::signal(SIGPIPE, SIG_DFL);
    int pipe_ends[2];
    ASSERT_EQ(pipe2(pipe_ends, O_CLOEXEC), 0);
    SolveCoprocess solve({"--batch"}, pipe_ends[1]);
    std::signal(SIGPIPE, SIG_IGN);
    close(pipe_ends[1]);
    close(pipe_ends[0]);
    std::thread feeder([&] { feed_endlessly(solve); });
    EXPECT_EQ(solve.wait(30), 128 + SIGPIPE);
    solve.close_input();
    feeder.join();
    EXPECT_EQ(solve.error_output(), "");
}

struct ResourceLimit {
    const char* name;
    int resource;
    rlim_t limit;
    std::vector<std::string> arguments;
    const char* err_has;
};

class LimitedBatch : public testing::TestWithParam<ResourceLimit> {};

// AddressSanitizer reserves more address space than a memory limit allows.
TEST_P(LimitedBatch, StopsWithASentenceStatusOneAndWholeLines) {
#ifdef __SANITIZE_ADDRESS__
    if (GetParam().resource == RLIMIT_AS) GTEST_SKIP();
#endif
    std::signal(SIGPIPE, SIG_IGN);  // the program may stop before it has read every line
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    rlimit original{};
    getrlimit(GetParam().resource, &original);
    rlimit limited = original;
    limited.rlim_cur = GetParam().limit;
    setrlimit(GetParam().resource, &limited);
    SolveCoprocess solve(GetParam().arguments, fileno(out));
    setrlimit(GetParam().resource, &original);
    std::thread feeder([&] {
        std::string block;
        for (int i = 0; i < 20000; ++i) block += kGood + "\n";
        solve.write(block);
        solve.close_input();
    });
    const int status = solve.wait(60);
    feeder.join();
    EXPECT_EQ(status, 1);
    EXPECT_NE(solve.error_output().find(GetParam().err_has), std::string::npos) << solve.error_output();
    EXPECT_EQ(solve.error_output().find("bad_alloc"), std::string::npos);
    EXPECT_NE(std::fseek(out, -1, SEEK_END), -1) << "some answers are out";
    EXPECT_EQ(std::fgetc(out), '\n') << "the last line is whole";
    std::fclose(out);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LimitedBatch,
    testing::Values(ResourceLimit{"Memory", RLIMIT_AS, 40u << 20, {"--batch", "--jobs", "8"}, "not enough memory"},
                    ResourceLimit{"FileSize", RLIMIT_FSIZE, 100000, {"--batch"}, "largest size allowed (ulimit -f)"}),
    [](const testing::TestParamInfo<ResourceLimit>& limit) { return std::string(limit.param.name); });

TEST(Interruption, WritesEveryAnswerComputedThenEndsByTheSignal) {
    SolveCoprocess solve({"--batch"});
    ASSERT_TRUE(solve.write(kGood + "\n" + kGood + "\n"));
    EXPECT_NE(solve.read_line().find("L0U1"), std::string::npos);
    EXPECT_NE(solve.read_line().find("L0U1"), std::string::npos);
    kill(solve.pid(), SIGTERM);
    EXPECT_EQ(solve.wait(), 128 + SIGTERM);
}

}  // namespace

namespace {

// A FIFO later in the list that nobody writes to yet does not hold up the first:
// opening it does not wait for a writer.
TEST(FifoInputs, AreOpenedWithoutWaitingForAWriter) {
    const std::string base = testing::TempDir() + "korvel-fifo-" + std::to_string(getpid());
    const std::string first = base + "-first", second = base + "-second";
    ASSERT_EQ(mkfifo(first.c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(second.c_str(), 0600), 0);
    SolveCoprocess solve({"--batch", first, second});
    // The program's open for reading lets this open for writing succeed at once.
    int writer = -1;
    for (int tries = 0; tries < 500 && writer < 0; ++tries) {
        writer = open(first.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GE(writer, 0);
    fcntl(writer, F_SETFL, 0);
    const std::string line = kGood + "\n";
    ASSERT_EQ(write(writer, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    EXPECT_NE(solve.read_line(5).find(R"("L0U1":"-11.1814")"), std::string::npos);
    close(writer);
    ASSERT_EQ(kill(solve.pid(), SIGTERM), 0);
    EXPECT_EQ(solve.wait(5), 128 + SIGTERM);
    std::remove(first.c_str());
    std::remove(second.c_str());
}

}  // namespace

namespace {

using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

// Runs korvel-solve with every write to its standard output cut short.
Outcome run_with_short_writes(const std::vector<std::string>& arguments, const std::string& input) {
    const char* const sanitizer_options = std::getenv("ASAN_OPTIONS");
    const std::string saved = sanitizer_options ? sanitizer_options : "";
    setenv("LD_PRELOAD", KORVEL_SHORT_WRITE_PATH, 1);
    // The sanitizers' runtime would otherwise refuse a library loaded before it.
    setenv("ASAN_OPTIONS", (saved + ":verify_asan_link_order=0").c_str(), 1);
    Outcome outcome = run_solve(arguments, input);
    unsetenv("LD_PRELOAD");
    if (sanitizer_options) {
        setenv("ASAN_OPTIONS", saved.c_str(), 1);
    } else {
        unsetenv("ASAN_OPTIONS");
    }
    return outcome;
}

TEST(ShortWrites, GoOnFromWhereTheyStoppedSoTheOutputIsTheSameByteForByte) {
    std::string lines;
    for (int i = 0; i < 300; ++i) lines += i % 7 == 3 ? "oops\n" : kGood + "\n";
    lines += R"({"span": "12", "cases": [{"name": "D", "loads": {"U4.V": "10"}}], )"
             R"("combinations": [{"name": "c", "factors": {"D": "1.5"}}]})"
             "\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> runs{
        {{"--batch", "--jobs", "2"}, lines},
        {{"--span", "16", "--load", "U4.V=10"}, ""},
        {{"--span", "16", "--load", "U4.V=10", "--working"}, ""},
    };
    for (const auto& [arguments, input] : runs) {
        SCOPED_TRACE(arguments.front());
        const Outcome whole = run_solve(arguments, input);
        const Outcome cut = run_with_short_writes(arguments, input);
        EXPECT_EQ(cut.status, whole.status) << cut.err;
        EXPECT_EQ(cut.out, whole.out);
        EXPECT_GT(whole.out.size(), 100u);
    }
}

}  // namespace
