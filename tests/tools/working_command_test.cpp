// korvel-solve --working: the same working as the windows, or the analysis's own error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/working.hpp"
#include "engine/working_text.hpp"
#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

TEST(WorkingCommand, WritesTheWorkingOfTheSameInputsAsAnOrdinaryRun) {
    const Outcome outcome = run_solve({"--working", "--span", "10", "--load", "U4.V=10", "--load", "U1.H=-2.5"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    korvel::engine::AnalysisInput input;
    input.span = "10";
    input.set_load(korvel::engine::Node::U4, korvel::engine::Component::Vertical, "10");
    input.set_load(korvel::engine::Node::U1, korvel::engine::Component::Horizontal, "-2.5");
    const auto working = korvel::engine::work_out(input);
    EXPECT_EQ(outcome.out, korvel::engine::working_markdown(std::get<korvel::engine::Working>(working)));
    EXPECT_TRUE(outcome.out.starts_with("# Working\n"));
    // Headings and lists only: every line is empty, a heading, a list item or a list item's continuation.
    std::size_t begin = 0;
    while (begin < outcome.out.size()) {
        const std::size_t end = outcome.out.find('\n', begin);
        const std::string line = outcome.out.substr(begin, end - begin);
        EXPECT_TRUE(line.empty() || line.starts_with("#") || line.starts_with("- ") || line.starts_with("  - ") ||
                    line.ends_with("."))
            << line;
        begin = end + 1;
    }
}

TEST(WorkingCommand, WritesTheWorkingAtThePitchGiven) {
    for (const char* pitch : {"30", "4:12", "rise 2.5"}) {
        const Outcome outcome = run_solve({"--working", "--pitch", pitch, "--span", "12", "--load", "U4.V=10"});
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        korvel::engine::AnalysisInput input;
        input.span = "12";
        input.pitch = std::get<korvel::engine::RoofPitch>(korvel::engine::parse_pitch(pitch));
        input.set_load(korvel::engine::Node::U4, korvel::engine::Component::Vertical, "10");
        EXPECT_EQ(outcome.out,
                  korvel::engine::working_markdown(std::get<korvel::engine::Working>(korvel::engine::work_out(input))));
    }
}

TEST(WorkingCommand, AllDigitsWritesEveryDigitAndNeedsTheWorking) {
    const Outcome outcome = run_solve({"--working", "--all-digits", "--span", "12", "--load", "U2.H=5"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    korvel::engine::AnalysisInput input;
    input.span = "12";
    input.set_load(korvel::engine::Node::U2, korvel::engine::Component::Horizontal, "5");
    const auto outcome_of_input = korvel::engine::work_out(input);
    const auto& working = std::get<korvel::engine::Working>(outcome_of_input);
    EXPECT_EQ(outcome.out, korvel::engine::working_markdown(working, korvel::engine::Precision::Full));
    EXPECT_NE(outcome.out, korvel::engine::working_markdown(working));
    EXPECT_EQ(run_solve({"--all-digits", "--span", "12"}).status, 2);
}

TEST(WorkingCommand, AnInputThatCannotBeAnalysedGivesTheAnalysisErrorAndStatus) {
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--span", "10", "--load", "U4.V=ten"}, std::vector<std::string>{"--span", "0.0001"},
          std::vector<std::string>{"--span", ""}}) {
        std::vector<std::string> with_working = bad;
        with_working.emplace_back("--working");
        const Outcome ordinary = run_solve(bad);
        const Outcome working = run_solve(with_working);
        EXPECT_EQ(working.status, ordinary.status);
        EXPECT_EQ(working.status, 1);
        EXPECT_EQ(working.err, ordinary.err);
        EXPECT_EQ(working.out, "");
    }
    EXPECT_EQ(run_solve({"--working", "--span", "10", "--format", "csv"}).status, 2);
    EXPECT_EQ(run_solve({"--working", "--batch"}).status, 2);
}

}  // namespace
