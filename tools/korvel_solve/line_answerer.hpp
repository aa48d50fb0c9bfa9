#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis.hpp"
#include "tools/korvel_solve/line_source.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

// Answers batch lines, one JSON line each: the results, the analysis error, or
// a bad-request error naming the line. One answerer per thread: it keeps its
// input texts from line to line so that a case costs no allocation.
// Adds a "warnings" list to the JSON results line that ends `out` (an object and
// a line break) when the span's rounding makes the results unsure.
void add_span_warnings(std::string& out, std::string_view span_text);

// Adds "pitch": the pitch's text to the JSON object line that ends `out`, for a roof that is not 6:12.
void add_pitch(std::string& out, const engine::RoofPitch& pitch);

class LineAnswerer {
public:
    // `pitch`, when given, stands in for the pitch of every line.
    LineAnswerer(ResultValues values, const std::optional<engine::RoofPitch>& pitch)
        : writer_(values), values_(values), pitch_(pitch) {}

    // Appends the answer to `line` of the input called `source` (empty for
    // standard input); true when the answer is an error. Throws
    // load_case::WorkStopped, having appended nothing, when an interruption
    // stops the combinations of a project line.
    bool answer(const InputLine& line, std::string_view source, std::string& out);

private:
    // Answers a line that may be a project: its envelope, or the case it is after all.
    bool answer_case_file(const InputLine& line, std::string_view source, std::string& out);
    // Analyses the case just read into input_.
    bool answer_case(std::string& out);

    engine::AnalysisInput input_;
    ResultLineWriter writer_;
    ResultValues values_;
    std::optional<engine::RoofPitch> pitch_;
};

}  // namespace korvel::solve
