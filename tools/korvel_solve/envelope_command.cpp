#include "tools/korvel_solve/envelope_command.hpp"

#include "engine/quoted_text.hpp"
#include "engine/span_accuracy.hpp"
#include "load_case/combination.hpp"
#include "load_case/envelope_csv.hpp"
#include "tools/korvel_solve/envelope_output.hpp"
#include "tools/korvel_solve/line_answerer.hpp"
#include "tools/korvel_solve/output_sink.hpp"
#include "tools/korvel_solve/solve_command.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {

engine::AnalysisInput combination_input(const load_case::Project& project, std::string_view name) {
    const std::optional<std::size_t> index = load_case::combination_index(project, name);
    if (!index) {
        std::string names;
        for (const load_case::Combination& combination : project.combinations) {
            names += (names.empty() ? "" : ", ") + engine::quoted_text(combination.name);
        }
        throw UsageError("--combination " + engine::quoted_text(name) +
                         ": the project has no combination of that name; it has " + names);
    }
    auto inputs = load_case::combined_inputs(project);
    return std::move(std::get<std::vector<engine::AnalysisInput>>(inputs)[*index]);
}

int run_envelope(const load_case::Project& project, const SingleRun& run, int out_fd, std::ostream& err) {
    if (run.values == ResultValues::Numbers) {
        throw UsageError(std::string(kNumbersNotForEnvelope));
    }
    const auto answer = std::get<load_case::ProjectEnvelope>(load_case::envelope_of(project));
    std::string text;
    switch (run.format) {
        case OutputFormat::Table: text = envelope_text(answer); break;
        case OutputFormat::Csv: text = load_case::envelope_csv(answer.envelope, answer.names, project.pitch); break;
        case OutputFormat::Json:
            append_project_json(text, answer);
            add_pitch(text, project.pitch);
            break;
    }
    if (const auto warning = engine::span_accuracy_warning(project.span)) {
        err << "korvel-solve: warning: " << warning->message() << '\n';
        if (run.format == OutputFormat::Json) add_span_warnings(text, project.span);
    }
    write_all(out_fd, text.data(), text.size());
    for (const engine::FailedCombination& failed : answer.envelope.failed()) {
        err << "korvel-solve: combination "
            << engine::escaped_controls(engine::quoted_text(answer.names[failed.combination])) << ": "
            << engine::escaped_controls(failed.error.message()) << '\n';
    }
    return answer.envelope.complete() ? kExitSuccess : kExitFailure;
}

}  // namespace korvel::solve
