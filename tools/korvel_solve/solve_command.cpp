#include "tools/korvel_solve/solve_command.hpp"

#include <string>
#include <variant>

#include "engine/analysis.hpp"
#include "tools/korvel_solve/batch.hpp"
#include "tools/korvel_solve/command_line.hpp"
#include "tools/korvel_solve/result_json.hpp"
#include "tools/korvel_solve/result_text_formats.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {

namespace {

constexpr const char* kProgram = "korvel-solve: ";

void write_result(std::ostream& out, const engine::AnalysisResult& result, OutputFormat format) {
    switch (format) {
        case OutputFormat::Table: write_table(out, result); break;
        case OutputFormat::Csv: write_csv(out, result); break;
        case OutputFormat::Json: {
            std::string line;
            ResultLineWriter().append(line, result);
            out << line;
            break;
        }
    }
}

int run_single(const SingleRun& run, std::ostream& out, std::ostream& err) {
    const engine::AnalysisOutcome outcome = engine::run_analysis(run.input);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        err << kProgram << error->message() << '\n';
        if (run.format == OutputFormat::Json) {
            std::string line;
            append_json_line(line, error_json(*error));
            out << line;
        }
        return kExitFailure;
    }
    write_result(out, std::get<engine::AnalysisResult>(outcome), run.format);
    return kExitSuccess;
}

// Output that could not be written must not end as a success.
int checked(int status, std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return status;
    err << kProgram << "could not write to standard output\n";
    return kExitFailure;
}

}  // namespace

int run_solve(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    CommandLine command;
    try {
        command = parse_command_line(argc, argv);
    } catch (const UsageError& error) {
        err << kProgram << error.what() << "\nRun with --help for more information.\n";
        return kExitUsage;
    }

    if (const auto* info = std::get_if<InfoText>(&command)) {
        out << info->text;
        return checked(kExitSuccess, out, err);
    }
    if (std::holds_alternative<BatchRun>(command)) {
        run_batch(in, out);
        if (in.bad()) {
            err << kProgram << "could not read standard input to its end\n";
            return checked(kExitFailure, out, err);
        }
        return checked(kExitSuccess, out, err);
    }
    return checked(run_single(std::get<SingleRun>(command), out, err), out, err);
}

}  // namespace korvel::solve
