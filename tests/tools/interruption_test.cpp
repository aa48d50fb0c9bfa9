// korvel-solve --batch ends soon on SIGINT, SIGTERM and SIGHUP whatever it is
// doing, and what it wrote ends with a whole line.
#include <gtest/gtest.h>

#include <fcntl.h>
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

std::string all_of(int fd) {
    std::string text;
    char buffer[1 << 16];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

enum class Input { EndlessZeros, EndlessPipe, LargeFile };
enum class Output { File, PipeNobodyReads };

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

    int out_fds[2] = {-1, -1};
    std::FILE* out_file = std::tmpfile();
    ASSERT_NE(out_file, nullptr);
    if (state.output == Output::PipeNobodyReads) {
        ASSERT_EQ(pipe2(out_fds, O_CLOEXEC), 0);
    } else {
        out_fds[0] = fileno(out_file);
        out_fds[1] = fileno(out_file);
    }
    SolveCoprocess solve(arguments, out_fds[1]);
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
    EXPECT_LT(took, std::chrono::milliseconds(500));
    if (state.output == Output::PipeNobodyReads) close(out_fds[1]);
    const std::string out = all_of(out_fds[0]);
    if (state.output == Output::PipeNobodyReads) close(out_fds[0]);
    std::fclose(out_file);
    if (state.input == Input::LargeFile) std::remove(arguments.back().c_str());
    EXPECT_EQ(!out.empty(), state.answers_written);
    EXPECT_TRUE(out.empty() || out.back() == '\n') << "the last line is whole";
}

INSTANTIATE_TEST_SUITE_P(
    States, InterruptedBatch,
    testing::Combine(testing::Values(State{"ReadingEndlessZeros", Input::EndlessZeros, Output::File, false},
                                     State{"ReadingAnEndlessPipe", Input::EndlessPipe, Output::File, true},
                                     State{"ComputingAFile", Input::LargeFile, Output::File, true},
                                     State{"BlockedInAWrite", Input::LargeFile, Output::PipeNobodyReads, true}),
                     testing::Values(SIGINT, SIGTERM, SIGHUP)),
    [](const testing::TestParamInfo<std::tuple<State, int>>& param) {
        return std::string(std::get<0>(param.param).name) + "Signal" + std::to_string(std::get<1>(param.param));
    });

}  // namespace
