#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "load_case/load_case.hpp"
#include "tools/korvel_solve/result_values.hpp"

namespace korvel::solve {

// One input of a batch: an open file descriptor and how messages call it
// (empty for standard input, whose lines are numbered without a name).
struct BatchInput {
    int fd;
    std::string name;
};

inline constexpr std::size_t kDefaultMaxLineBytes = load_case::kLargestCaseBytes;

struct BatchOptions {
    std::size_t jobs = 1;  // threads analysing lines at once
    std::size_t max_line_bytes = kDefaultMaxLineBytes;
    ResultValues values = ResultValues::Strings;
    std::optional<engine::RoofPitch> pitch;  // --pitch: in place of each line's pitch
};

struct BatchSummary {
    std::size_t lines = 0;   // every line answered, blank ones included
    std::size_t errors = 0;  // lines answered with an error object
};

// Answers every JSON Lines case of the inputs, in order, with one JSON line on
// `out_fd`: the results, the analysis error, or a bad-request error for a line
// that is not a case. Line n of the output answers line n of the input. The
// answers are written whenever the next line is not already at hand, and at
// the end; an interruption (see catch_interruptions) ends the run after
// writing what was computed. Throws IoError when an input cannot be read (after
// writing every answer before it) or the output cannot be written.
BatchSummary run_batch(std::span<const BatchInput> inputs, int out_fd, const BatchOptions& options);

}  // namespace korvel::solve
