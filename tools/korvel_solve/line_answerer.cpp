#include "tools/korvel_solve/line_answerer.hpp"

#include <new>
#include <variant>

#include "engine/quoted_text.hpp"
#include "engine/span_accuracy.hpp"
#include "load_case/combination.hpp"
#include "load_case/json_text.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"
#include "tools/korvel_solve/envelope_output.hpp"
#include "tools/korvel_solve/input_files.hpp"
#include "tools/korvel_solve/interruption.hpp"

namespace korvel::solve {

namespace {

bool is_blank(std::string_view text) { return text.find_first_not_of(" \t\r") == std::string_view::npos; }

// Why the line is not a case, without saying where: the caller adds that.
std::string line_problem(const InputLine& line, std::string_view text_problem) {
    switch (line.kind) {
        case InputLine::Kind::TooLong:
            return "the line is " + std::to_string(line.length) +
                   " bytes long, longer than allowed; split it, or allow more with --max-line-bytes";
        case InputLine::Kind::OutOfMemory:
            return "the line is " + std::to_string(line.length) + " bytes long, more than there is memory for";
        case InputLine::Kind::Text: break;
    }
    if (is_blank(line.text)) {
        return R"(the line is blank; expected one JSON object {"span": TEXT, "loads": {"U4.V": TEXT, ...}})";
    }
    return std::string(text_problem);
}

std::string located(std::string_view source, const InputLine& line, std::string_view problem) {
    std::string where = source.empty() ? "" : engine::quoted_text(source) + ", ";
    return where + "line " + std::to_string(line.number) + ": " + line_problem(line, problem);
}

void append_bad_request(std::string& out, std::string_view source, const InputLine& line, std::string_view problem) {
    append_json_line(out, bad_request_json(located(source, line, problem)));
}

// The same answer as append_bad_request, written without building a JSON
// document: short of memory, the document's library cannot fail in order.
void append_out_of_memory(std::string& out, std::string_view source, const InputLine& line) {
    InputLine too_large = line;
    too_large.kind = InputLine::Kind::OutOfMemory;
    out += R"({"error":{"kind":"bad-request","message":)";
    load_case::append_json_string(out, located(source, too_large, ""));
    out += "}}\n";
}

}  // namespace

void add_pitch(std::string& out, const engine::RoofPitch& pitch) {
    if (pitch.is_default() || !out.ends_with("}\n")) return;
    out.resize(out.size() - 2);
    out += R"(,"pitch":)";
    load_case::append_json_string(out, pitch.text);
    out += "}\n";
}

void add_span_warnings(std::string& out, std::string_view span_text) {
    const auto warning = engine::span_accuracy_warning(span_text);
    if (!warning || !out.ends_with("}\n")) return;
    out.resize(out.size() - 2);
    out += R"(,"warnings":[)";
    load_case::append_json_string(out, warning->message());
    out += "]}\n";
}

bool LineAnswerer::answer(const InputLine& line, std::string_view source, std::string& out) {
    const std::size_t answer_start = out.size();
    try {
        if (line.kind != InputLine::Kind::Text || is_blank(line.text)) {
            append_bad_request(out, source, line, "");
            return true;
        }
        // Only a line that names cases or combinations can be a project; the others take the fast road.
        if (names_project_parts(line.text)) {
            return answer_case_file(line, source, out);
        }
        if (const auto bad = load_case::read_load_case(line.text, input_)) {
            append_bad_request(out, source, line, bad->message);
            return true;
        }
        if (pitch_) input_.pitch = *pitch_;
        return answer_case(out);
    } catch (const std::bad_alloc&) {
        // The line's texts did not fit in memory: its answer says so, and the batch goes on.
        out.resize(answer_start);
        append_out_of_memory(out, source, line);
        return true;
    }
}

bool LineAnswerer::answer_case_file(const InputLine& line, std::string_view source, std::string& out) {
    auto read = load_case::read_case_file(line.text);
    if (const auto* bad = std::get_if<load_case::FormatError>(&read)) {
        append_bad_request(out, source, line, bad->message);
        return true;
    }
    if (const auto* bad = std::get_if<load_case::ProjectError>(&read)) {
        append_bad_request(out, source, line, bad->message);
        return true;
    }
    if (auto* input = std::get_if<engine::AnalysisInput>(&read)) {
        input_ = std::move(*input);
        if (pitch_) input_.pitch = *pitch_;
        return answer_case(out);
    }
    if (values_ == ResultValues::Numbers) {
        append_bad_request(out, source, line, kNumbersNotForEnvelope);
        return true;
    }
    // The reader has checked the project, so every combination is analysed, unless an interruption stops it.
    auto& project = std::get<load_case::Project>(read);
    if (pitch_) project.pitch = *pitch_;
    const auto answer = std::get<load_case::ProjectEnvelope>(load_case::envelope_of(project, interruption_pending));
    append_project_json(out, answer);
    add_pitch(out, project.pitch);
    add_span_warnings(out, project.span);
    return !answer.envelope.complete();
}

bool LineAnswerer::answer_case(std::string& out) {
    const engine::AnalysisOutcome outcome = engine::run_analysis(input_);
    if (const auto* result = std::get_if<engine::AnalysisResult>(&outcome)) {
        writer_.append(out, *result);
        add_pitch(out, input_.pitch);
        add_span_warnings(out, input_.span);
        return false;
    }
    append_json_line(out, error_json(std::get<engine::AnalysisError>(outcome)));
    return true;
}

}  // namespace korvel::solve
