// korvel-solve --pitch: the same roof in every mode, named in the results, and
// every bad pitch a usage error that names it.
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/case_file.hpp"
#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::CaseFile;
using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

constexpr const char* kCase = R"({"span": "12", "loads": {"U2.V": "10", "U4.V": "10", "U6.V": "10"}})";

TEST(PitchOption, EveryModeAnalysesTheSameRoofAndNamesItsPitch) {
    const Outcome json = run_solve({"--span", "12", "--load", "U2.V=10", "--load", "U4.V=10", "--load", "U6.V=10",
                                    "--pitch", "30", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find(R"("pitch":"30°")"), std::string::npos) << json.out;

    const CaseFile file("thirty.korvel.json", kCase);
    EXPECT_EQ(run_solve({file.path(), "--pitch", "30°", "--format", "json"}).out, json.out);
    // A batch line answers with the same line.
    EXPECT_EQ(run_solve({"--batch", "--pitch", "30 deg"}, std::string(kCase) + "\n").out, json.out);
    // The file's own pitch is the same roof.
    const CaseFile own("own.korvel.json",
                       R"({"span": "12", "pitch": "30", "loads": {"U2.V": "10", "U4.V": "10", "U6.V": "10"}})");
    EXPECT_EQ(run_solve({own.path(), "--format", "json"}).out, json.out);

    const Outcome csv = run_solve({file.path(), "--pitch", "30", "--format", "csv"});
    EXPECT_TRUE(csv.out.ends_with("pitch,30°,,\r\n")) << csv.out;
    // 6:12 is the default, named nowhere.
    EXPECT_EQ(run_solve({file.path(), "--pitch", "6:12", "--format", "csv"}).out,
              run_solve({file.path(), "--format", "csv"}).out);
}

TEST(PitchOption, EveryBadPitchIsAUsageErrorNamingIt) {
    for (const char* pitch : {"", "steep", "0", "45°", "90", "-30", "7:0", "1e400"}) {
        const Outcome outcome = run_solve({"--span", "12", "--pitch", pitch});
        EXPECT_EQ(outcome.status, 2) << pitch;
        EXPECT_NE(outcome.err.find("--pitch"), std::string::npos) << outcome.err;
        if (*pitch) {
            EXPECT_NE(outcome.err.find('"' + std::string(pitch) + '"'), std::string::npos) << outcome.err;
        }
        EXPECT_TRUE(outcome.out.empty());
    }
}

}  // namespace
