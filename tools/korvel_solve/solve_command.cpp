#include "tools/korvel_solve/solve_command.hpp"

#include <unistd.h>

#include <new>
#include <sstream>
#include <string>
#include <variant>

#include "engine/analysis.hpp"
#include "engine/quoted_text.hpp"
#include "engine/result_table.hpp"
#include "engine/span_accuracy.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"
#include "tools/korvel_solve/batch.hpp"
#include "tools/korvel_solve/command_line.hpp"
#include "tools/korvel_solve/design_command.hpp"
#include "tools/korvel_solve/envelope_command.hpp"
#include "tools/korvel_solve/input_files.hpp"
#include "tools/korvel_solve/interruption.hpp"
#include "tools/korvel_solve/io_error.hpp"
#include "tools/korvel_solve/line_answerer.hpp"
#include "tools/korvel_solve/output_sink.hpp"
#include "tools/korvel_solve/result_json.hpp"
#include "tools/korvel_solve/result_text_formats.hpp"
#include "tools/korvel_solve/usage_error.hpp"
#include "tools/korvel_solve/working_command.hpp"

namespace korvel::solve {

namespace {

constexpr const char* kProgram = "korvel-solve: ";

std::string formatted_result(const engine::AnalysisResult& result, const SingleRun& run) {
    std::ostringstream out;
    switch (run.format) {
        case OutputFormat::Table:
            if (!run.input.pitch.is_default()) out << "Roof pitch " << run.input.pitch.text << "\n";
            write_table(out, result);
            break;
        case OutputFormat::Csv: return engine::results_csv(result, run.input.pitch);
        case OutputFormat::Json: {
            std::string line;
            ResultLineWriter(run.values).append(line, result);
            add_pitch(line, run.input.pitch);
            return line;
        }
    }
    return out.str();
}

// The case or project of a case file, or a UsageError naming the file and what is wrong in it.
load_case::CaseFile read_case_file(const std::string& name, int in_fd) {
    const InputFiles files({name});
    const BatchInput& input = files.inputs().front();
    const std::string text = read_case_text(input.name.empty() ? BatchInput{in_fd, ""} : input);
    auto read = load_case::read_case_file(text);
    if (auto* error = std::get_if<load_case::FormatError>(&read)) {
        throw InputError(input_description(input) +
                         (names_project_parts(text) ? " is not a usable project: " : " is not a load case: ") +
                         error->message);
    }
    if (auto* error = std::get_if<load_case::ProjectError>(&read)) {
        throw InputError(input_description(input) + " is not a usable project: " + error->message);
    }
    if (auto* project = std::get_if<load_case::Project>(&read)) return std::move(*project);
    return std::get<engine::AnalysisInput>(std::move(read));
}

int run_single(SingleRun run, int in_fd, int out_fd, std::ostream& err) {
    if (run.case_file) {
        load_case::CaseFile file = read_case_file(*run.case_file, in_fd);
        if (auto* project = std::get_if<load_case::Project>(&file)) {
            if (run.pitch) project->pitch = *run.pitch;
            if (run.design) return run_design(*project, run, out_fd, err);
            if (!run.combination && run.working) {
                throw UsageError("--working writes the working of one case, and " +
                                 engine::quoted_text(*run.case_file) +
                                 " is a project: add --combination NAME for the working of one of its combinations");
            }
            if (!run.combination) return run_envelope(*project, run, out_fd, err);
            run.input = combination_input(*project, *run.combination);
        } else if (run.envelope || run.combination || run.design) {
            throw UsageError(engine::quoted_text(*run.case_file) +
                             " holds one case, not a project with combinations; analyse it without " +
                             (run.envelope ? "--envelope"
                              : run.design ? "--design"
                                           : "--combination"));
        } else {
            run.input = std::get<engine::AnalysisInput>(std::move(file));
            if (run.pitch) run.input.pitch = *run.pitch;
        }
    }
    const engine::AnalysisOutcome outcome = engine::run_analysis(run.input);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        err << kProgram << engine::escaped_controls(error->message()) << '\n';
        if (run.format == OutputFormat::Json) {
            std::string line;
            append_json_line(line, error_json(*error));
            write_all(out_fd, line.data(), line.size());
        }
        return kExitFailure;
    }
    std::string text = run.working ? working_text(run.input, run.all_digits)
                                   : formatted_result(std::get<engine::AnalysisResult>(outcome), run);
    if (const auto warning = engine::span_accuracy_warning(run.input.span)) {
        err << kProgram << "warning: " << warning->message() << '\n';
        if (run.format == OutputFormat::Json && !run.working) add_span_warnings(text, run.input.span);
    }
    write_all(out_fd, text.data(), text.size());
    return kExitSuccess;
}

int run_batch_command(const BatchRun& run, int in_fd, std::ostream& err, int out_fd, bool catch_signals) {
    const InputFiles files(run.files);
    std::vector<BatchInput> inputs = files.inputs();
    for (BatchInput& input : inputs) {
        if (input.name.empty()) input.fd = in_fd;
    }
    if (catch_signals) catch_interruptions();
    BatchSummary summary;
    try {
        summary = run_batch(inputs, out_fd, run.options);
    } catch (const IoError&) {
        if (interruption_signal() != 0) end_by_interruption();
        throw;
    }
    if (interruption_signal() != 0) end_by_interruption();
    if (summary.errors == 0) return kExitSuccess;
    err << kProgram << summary.errors << " of " << summary.lines << " lines answered with an error\n";
    return kExitFailure;
}

}  // namespace

int run_solve(int argc, const char* const* argv, int in_fd, int out_fd, std::ostream& err, bool catch_signals) {
    try {
        const CommandLine command = parse_command_line(argc, argv);
        if (const auto* info = std::get_if<InfoText>(&command)) {
            write_all(out_fd, info->text.data(), info->text.size());
            return kExitSuccess;
        }
        if (const auto* batch = std::get_if<BatchRun>(&command)) {
            return run_batch_command(*batch, in_fd, err, out_fd, catch_signals);
        }
        return run_single(std::get<SingleRun>(command), in_fd, out_fd, err);
    } catch (const InputError& error) {
        err << kProgram << engine::escaped_controls(error.what()) << '\n';
        return kExitUsage;
    } catch (const UsageError& error) {
        err << kProgram << engine::escaped_controls(error.what()) << "\nRun with --help for more information.\n";
        return kExitUsage;
    } catch (const IoError& error) {
        err << kProgram << engine::escaped_controls(error.what()) << '\n';
        return kExitFailure;
    } catch (const std::bad_alloc&) {
        err << kProgram
            << "stopped: there is not enough memory; allow the program more (ulimit -v) or run with fewer --jobs\n";
        return kExitFailure;
    } catch (const std::exception& error) {
        // Anything else that stops a run (memory) is still reported, never a crash.
        err << kProgram << "stopped: " << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace korvel::solve
