#include "tools/korvel_solve/command_line.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {
namespace {

CommandLine parse(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv{"korvel-solve"};
    argv.insert(argv.end(), arguments);
    return parse_command_line(static_cast<int>(argv.size()), argv.data());
}

std::string text_of(const SingleRun& run, const char* key) { return run.input.loads[*engine::load_index_by_key(key)]; }

TEST(CommandLine, SingleRunTakesSpanLoadsAndFormatAsTyped) {
    const auto run =
        std::get<SingleRun>(parse({"--span", " 16 ", "--load", "U4.V=10", "--load", "L0.H=-2.5", "--format", "csv"}));
    EXPECT_EQ(run.input.span, " 16 ");
    EXPECT_EQ(text_of(run, "U4.V"), "10");
    EXPECT_EQ(text_of(run, "L0.H"), "-2.5");
    EXPECT_EQ(text_of(run, "U1.V"), "");
    EXPECT_EQ(run.format, OutputFormat::Csv);
}

TEST(CommandLine, FormatDefaultsToTable) {
    EXPECT_EQ(std::get<SingleRun>(parse({"--span", "10"})).format, OutputFormat::Table);
    EXPECT_EQ(std::get<SingleRun>(parse({"--span", "10", "--format", "json"})).format, OutputFormat::Json);
}

TEST(CommandLine, EmptyAndNegativeSpansReachTheAnalysis) {
    // The analysis, not the command line, answers an empty span box.
    EXPECT_EQ(std::get<SingleRun>(parse({"--span", ""})).input.span, "");
    EXPECT_EQ(std::get<SingleRun>(parse({"--span", "-10"})).input.span, "-10");
}

TEST(CommandLine, BatchAndInformation) {
    EXPECT_TRUE(std::holds_alternative<BatchRun>(parse({"--batch"})));
    EXPECT_EQ(std::get<InfoText>(parse({"--version"})).text, "korvel-solve 2.01.0001\n");
    const std::string help = std::get<InfoText>(parse({"--help"})).text;
    for (const char* option : {"--span", "--load", "--format", "--batch", "--version"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

TEST(CommandLine, DisplayedVersionPadsMinorAndRevision) { EXPECT_EQ(displayed_version(), "2.01.0001"); }

struct UsageCase {
    std::vector<const char*> arguments;
    const char* named;  // the message must name the argument at fault
};

class CommandLineRefuses : public testing::TestWithParam<UsageCase> {};

TEST_P(CommandLineRefuses, NamingTheBadArgument) {
    const UsageCase& c = GetParam();
    std::vector<const char*> argv{"korvel-solve"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    try {
        parse_command_line(static_cast<int>(argv.size()), argv.data());
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineRefuses,
                         testing::Values(UsageCase{{}, "--span"}, UsageCase{{"--load", "U4.V=1"}, "--span"},
                                         UsageCase{{"--span", "10", "--format", "xml"}, "xml"},
                                         UsageCase{{"--span", "10", "--load", "U8.V=1"}, "U8.V"},
                                         UsageCase{{"--span", "10", "--load", "L3.H=1"}, "L3.H"},
                                         UsageCase{{"--span", "10", "--load", "U4.V=1", "--load", "U4.V=2"}, "U4.V"},
                                         UsageCase{{"--span", "10", "--span", "12"}, "--span"},
                                         UsageCase{{"--span", "10", "--bogus"}, "--bogus"},
                                         UsageCase{{"--span", "10", "extra"}, "extra"},
                                         UsageCase{{"--batch", "--span", "10"}, "--batch"},
                                         UsageCase{{"--batch", "--load", "U4.V=1"}, "--batch"},
                                         UsageCase{{"--batch", "--format", "json"}, "--batch"}));

}  // namespace
}  // namespace korvel::solve
