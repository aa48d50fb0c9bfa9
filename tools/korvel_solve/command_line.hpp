#pragma once

#include <string>
#include <variant>

#include "engine/analysis.hpp"

namespace korvel::solve {

enum class OutputFormat { Table, Csv, Json };

// One analysis from --span and --load.
struct SingleRun {
    engine::AnalysisInput input;
    OutputFormat format = OutputFormat::Table;
};

// --batch: the cases come as JSON Lines on standard input.
struct BatchRun {};

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
