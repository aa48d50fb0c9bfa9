#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "tools/korvel_solve/batch.hpp"
#include "tools/korvel_solve/result_values.hpp"

namespace korvel::solve {

enum class OutputFormat { Table, Csv, Json };

// One analysis, from --span and --load or from a case file.
struct SingleRun {
    engine::AnalysisInput input;
    std::optional<std::string> case_file;    // when given, the case is read from it ("-": standard input)
    bool envelope = false;                   // --envelope: the case file is a project, its envelope the output
    bool design = false;                     // --design: the case file is a project, its member design the output
    std::optional<std::string> combination;  // --combination: the results of this combination of the project
    OutputFormat format = OutputFormat::Table;
    ResultValues values = ResultValues::Strings;
    bool working = false;     // --working: the hand solution instead of the results
    bool all_digits = false;  // --all-digits: the working's doubles with every digit
    // --virtual-work with --design --working: where the virtual-work table is for ("L3", or "L6.H" for the
    // supports' spread); empty: the node of each combination's largest deflection.
    std::string deflection_node;
    // --member with --design --working: the member whose checks are worked out ("L0U1").
    std::string member;
    std::optional<engine::RoofPitch> pitch;  // --pitch: in place of the case file's or project's pitch
};

// --batch: the cases come as JSON Lines from the files, in order (none: standard input).
struct BatchRun {
    std::vector<std::string> files;
    BatchOptions options;
};

// --help or --version: the text to print before ending successfully.
struct InfoText {
    std::string text;
};

using CommandLine = std::variant<SingleRun, BatchRun, InfoText>;

// The program's version as it is shown: "2.01.0001" for file version 2.1.0.1.
std::string displayed_version();

// Throws UsageError, whose message names the argument at fault.
CommandLine parse_command_line(int argc, const char* const* argv);

}  // namespace korvel::solve
