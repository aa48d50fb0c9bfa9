#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "engine/envelope.hpp"
#include "load_case/project.hpp"

namespace korvel::load_case {

// Asked between combinations and between long exact products, so that a caller
// can give up a project whose loads have a thousand digits; true gives it up.
using StopRequested = bool (*)();

// Thrown when a StopRequested said to stop: the work was given up, not failed.
class WorkStopped : public std::exception {
public:
    const char* what() const noexcept override { return "the combinations were given up before they were done"; }
};

// The input of each combination, in the project's order: the project's span and
// 23 load texts, each the exact decimal sum over the combination's factors of
// factor × that case's load (never through a double), so that its analysis is to
// the digit the analysis of those texts typed into the main window. A load no
// factored case has, or whose sum is zero, is empty. A project that fails
// check_project gives its fault instead.
std::variant<std::vector<engine::AnalysisInput>, ProjectError> combined_inputs(const Project& project,
                                                                               StopRequested stop = nullptr);

// One ordinary analysis per combination, in the project's order.
std::variant<std::vector<engine::AnalysisOutcome>, ProjectError> analyse_combinations(const Project& project,
                                                                                      StopRequested stop = nullptr);

// The analysis of the combination at `index` alone, the same as analyse_combinations
// gives it; an index past the last combination is a fault of the caller (std::out_of_range).
std::variant<engine::AnalysisOutcome, ProjectError> analyse_combination(const Project& project, std::size_t index);

// A project's combinations analysed, and their envelope: what the command line
// prints and the load cases window shows.
struct ProjectEnvelope {
    std::string span;
    engine::RoofPitch pitch;
    std::vector<std::string> names;  // the combinations', in the project's order
    std::vector<engine::AnalysisOutcome> outcomes;
    engine::Envelope envelope;
};

// Analyses every combination; a project that fails check_project gives its fault.
// Throws WorkStopped when `stop` says so.
std::variant<ProjectEnvelope, ProjectError> envelope_of(const Project& project, StopRequested stop = nullptr);

// The position of the combination called `name`, compared as name_key gives names.
std::optional<std::size_t> combination_index(const Project& project, std::string_view name);

}  // namespace korvel::load_case
