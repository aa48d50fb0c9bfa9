// korvel-solve --batch ends soon on SIGINT, SIGTERM and SIGHUP whatever it is
// doing, and what it wrote ends with a whole line.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::SolveCoprocess;

const std::string kGood = R"({"span": "10", "loads": {"U4.V": "10"}})";

// Far more cases than the program answers before the signal comes.
std::string many_cases_file() {
    // One file per test process: tests run side by side must not rewrite each other's.
    const std::string path = testing::TempDir() + "korvel-interruption-cases-" + std::to_string(getpid()) + ".jsonl";
    std::string block;
    for (int i = 0; i < 10000; ++i) block += kGood + "\n";
    std::FILE* file = std::fopen(path.c_str(), "w");
    for (int i = 0; i < 100 && file != nullptr; ++i) std::fwrite(block.data(), 1, block.size(), file);
    if (file != nullptr) std::fclose(file);
    return path;
}

// One batch line: a project of 14 cases and 100 combinations whose loads and
// factors all have a thousand digits, seconds of exact products in all.
std::string heavy_project_file() {
    const std::string path = testing::TempDir() + "korvel-interruption-heavy-" + std::to_string(getpid()) + ".jsonl";
    const std::string digits = "\"0." + std::string(1000, '7') + "\"";
    std::string line = R"({"span": "16", "cases": [)";
    for (int c = 0; c < 14; ++c) {
        line += (c == 0 ? "" : ",") + std::string(R"({"name": "C)") + std::to_string(c) + R"(", "loads": {"U4.V": )" +
                digits + R"(, "L2.V": )" + digits + "}}";
    }
    line += R"(], "combinations": [)";
    for (int m = 0; m < 100; ++m) {
        line += (m == 0 ? "" : ",") + std::string(R"({"name": "M)") + std::to_string(m) + R"(", "factors": {)";
        for (int c = 0; c < 14; ++c) line += (c == 0 ? "\"C" : ", \"C") + std::to_string(c) + "\": " + digits;
        line += "}}";
    }
    line += "]}\n";
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file != nullptr) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fclose(file);
    }
    return path;
}

// Lines far longer than a pipe holds: a project of 1,000 combinations, 200 times over.
std::string long_answers_file() {
    const std::string path = testing::TempDir() + "korvel-interruption-long-" + std::to_string(getpid()) + ".jsonl";
    std::string line = R"({"span": "16", "cases": [{"name": "D", "loads": {"U4.V": "10", "L2.V": "3.5"}}], )"
                       R"("combinations": [)";
    for (int m = 0; m < 1000; ++m) {
        line += (m == 0 ? "" : ",") + std::string(R"({"name": "M)") + std::to_string(m) + R"(", "factors": {"D": ")" +
                std::to_string(m + 1) + "\"}}";
    }
    line += "]}\n";
    std::FILE* file = std::fopen(path.c_str(), "w");
    for (int i = 0; i < 200 && file != nullptr; ++i) std::fwrite(line.data(), 1, line.size(), file);
    if (file != nullptr) std::fclose(file);
    return path;
}

std::string all_of(int fd) {
    std::string text;
    char buffer[1 << 16];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

enum class Input { EndlessZeros, EndlessPipe, LargeFile, HeavyProject, LongAnswers };
enum class Output { File, PipeNobodyReads, PipeReadOn };

struct State {
    const char* name;
    Input input;
    Output output;
    bool answers_written;  // some answers are out before the signal
};

class InterruptedBatch : public testing::TestWithParam<std::tuple<State, int>> {};

TEST_P(InterruptedBatch, EndsTheBatchSoonByTheSignalWithWholeLines) {
    const auto& [state, signal_number] = GetParam();
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> arguments{"--batch", "--jobs", "2"};
    if (state.input == Input::EndlessZeros) arguments.emplace_back("/dev/zero");
    if (state.input == Input::LargeFile) arguments.push_back(many_cases_file());
    if (state.input == Input::HeavyProject) arguments.push_back(heavy_project_file());
    if (state.input == Input::LongAnswers) arguments.push_back(long_answers_file());
    const bool into_pipe = state.output != Output::File;

    int out_fds[2] = {-1, -1};
    std::FILE* out_file = std::tmpfile();
    ASSERT_NE(out_file, nullptr);
    if (into_pipe) {
        ASSERT_EQ(pipe2(out_fds, O_CLOEXEC), 0);
    } else {
        out_fds[0] = fileno(out_file);
        out_fds[1] = fileno(out_file);
    }
    SolveCoprocess solve(arguments, out_fds[1]);
    std::string read_on;
    std::thread reader;
    if (state.output == Output::PipeReadOn) {
        // As `| cat > out`: everything the program writes is taken at once.
        reader = std::thread([&read_on, fd = out_fds[0]] {
            char buffer[1 << 16];
            for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
                read_on.append(buffer, static_cast<std::size_t>(n));
        });
    }
    std::thread feeder;
    if (state.input == Input::EndlessPipe) {
        // As `yes |`: lines that are not cases, for as long as the program takes them.
        feeder = std::thread([&solve] {
            std::string block;
            for (int i = 0; i < 1 << 15; ++i) block += "y\n";
            while (solve.write(block)) {}
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const auto signalled = std::chrono::steady_clock::now();
    ASSERT_EQ(kill(solve.pid(), signal_number), 0);
    const int status = solve.wait(20);
    const auto took = std::chrono::steady_clock::now() - signalled;
    solve.close_input();
    if (feeder.joinable()) feeder.join();

    EXPECT_EQ(status, 128 + signal_number);
    // As a shell or a supervisor sees it: ended by the signal, not by an exit status that looks like it.
    EXPECT_TRUE(WIFSIGNALED(solve.wait_status()));
    EXPECT_EQ(WTERMSIG(solve.wait_status()), signal_number);
    EXPECT_LT(took, std::chrono::milliseconds(500));
    if (into_pipe) close(out_fds[1]);
    if (reader.joinable()) reader.join();
    const std::string out = state.output == Output::PipeReadOn ? read_on : all_of(out_fds[0]);
    if (into_pipe) close(out_fds[0]);
    std::fclose(out_file);
    if (state.input != Input::EndlessZeros && state.input != Input::EndlessPipe) std::remove(arguments.back().c_str());
    EXPECT_EQ(!out.empty(), state.answers_written);
    EXPECT_TRUE(out.empty() || out.back() == '\n') << "the last line is whole";
}

INSTANTIATE_TEST_SUITE_P(
    States, InterruptedBatch,
    testing::Combine(testing::Values(State{"ReadingEndlessZeros", Input::EndlessZeros, Output::File, false},
                                     State{"ReadingAnEndlessPipe", Input::EndlessPipe, Output::File, true},
                                     State{"ComputingAFile", Input::LargeFile, Output::File, true},
                                     State{"BlockedInAWrite", Input::LargeFile, Output::PipeNobodyReads, true},
                                     State{"ComputingAHeavyProject", Input::HeavyProject, Output::File, false},
                                     State{"WritingLongLinesIntoAPipe", Input::LongAnswers, Output::PipeReadOn, true}),
                     testing::Values(SIGINT, SIGTERM, SIGHUP)),
    [](const testing::TestParamInfo<std::tuple<State, int>>& param) {
        return std::string(std::get<0>(param.param).name) + "Signal" + std::to_string(std::get<1>(param.param));
    });

}  // namespace
