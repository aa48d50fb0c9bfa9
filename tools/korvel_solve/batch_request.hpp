#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis.hpp"

namespace korvel::solve {

// Why a batch line is not a case the program can run.
struct BadRequest {
    std::string message;
};

// Reads one JSON line {"span": TEXT, "loads": {"U4.V": TEXT, ...}} into `input`,
// overwriting all of it: a missing span or load is empty. The line must be one
// object with no other keys, only load keys the main window takes, each at most
// once, and only string values.
std::optional<BadRequest> read_batch_case(std::string_view line, engine::AnalysisInput& input);

}  // namespace korvel::solve
