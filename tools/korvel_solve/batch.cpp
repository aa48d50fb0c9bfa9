#include "tools/korvel_solve/batch.hpp"

#include <string>
#include <string_view>
#include <variant>

#include "engine/analysis.hpp"
#include "tools/korvel_solve/batch_request.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

namespace {

// Output goes out in blocks: a result line is about a kilobyte, and handing each
// one to the stream on its own would cost a system call per case.
constexpr std::size_t kOutputBlock = 1 << 16;

bool is_blank(std::string_view line) {
    return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

}  // namespace

std::size_t run_batch(std::istream& in, std::ostream& out) {
    // Buffers live across cases: the line, the input texts and the output block.
    std::string line;
    std::string block;
    block.reserve(2 * kOutputBlock);
    engine::AnalysisInput input;
    const ResultLineWriter writer;
    std::size_t line_number = 0;
    std::size_t answered = 0;

    while (std::getline(in, line)) {
        ++line_number;
        if (is_blank(line)) continue;
        ++answered;
        if (const auto bad = read_batch_case(line, input)) {
            append_json_line(block, bad_request_json("line " + std::to_string(line_number) + ": " + bad->message));
        } else {
            const engine::AnalysisOutcome outcome = engine::run_analysis(input);
            if (const auto* result = std::get_if<engine::AnalysisResult>(&outcome)) {
                writer.append(block, *result);
            } else {
                append_json_line(block, error_json(std::get<engine::AnalysisError>(outcome)));
            }
        }
        if (block.size() >= kOutputBlock) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            block.clear();
        }
    }
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
    out.flush();
    return answered;
}

}  // namespace korvel::solve
