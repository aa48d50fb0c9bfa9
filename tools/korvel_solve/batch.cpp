#include "tools/korvel_solve/batch.hpp"

#include <string>
#include <string_view>
#include <variant>

#include "engine/analysis.hpp"
#include "tools/korvel_solve/batch_request.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

namespace {

bool is_blank(std::string_view line) {
    return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

}  // namespace

std::size_t run_batch(std::istream& in, std::ostream& out) {
    // Buffers live across cases: the line, the input texts and the result document.
    std::string line;
    engine::AnalysisInput input;
    ResultLineWriter writer;
    std::size_t line_number = 0;
    std::size_t answered = 0;

    while (std::getline(in, line)) {
        ++line_number;
        if (is_blank(line)) continue;
        ++answered;
        if (const auto bad = read_batch_case(line, input)) {
            write_json_line(out, bad_request_json("line " + std::to_string(line_number) + ": " + bad->message));
            continue;
        }
        const engine::AnalysisOutcome outcome = engine::run_analysis(input);
        if (const auto* result = std::get_if<engine::AnalysisResult>(&outcome)) {
            writer.write(out, *result);
        } else {
            write_json_line(out, error_json(std::get<engine::AnalysisError>(outcome)));
        }
    }
    out.flush();
    return answered;
}

}  // namespace korvel::solve
