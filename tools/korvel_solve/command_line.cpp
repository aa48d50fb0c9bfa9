#include "tools/korvel_solve/command_line.hpp"

#include <array>
#include <map>
#include <vector>

#include <CLI/CLI.hpp>

#include "korvel/project.hpp"
#include "tools/korvel_solve/load_argument.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {

std::string displayed_version() { return std::string(project::kDisplayVersion); }

CommandLine parse_command_line(int argc, const char* const* argv) {
    CLI::App app{"Solves the Fink roof truss: member lengths, axial forces (tension positive) and the "
                 "support reactions RL0, RL6 (upward) and HL0 (to the left).",
                 "korvel-solve"};
    app.set_version_flag("--version", displayed_version());

    std::string span;
    std::vector<std::string> loads;
    bool batch = false;

    auto* span_option =
        app.add_option("--span", span, "Span length, as it would be typed into the span box")
            ->type_name("TEXT");
    auto* load_option = app.add_option("--load", loads,
                                       "Load component C (H positive right, V positive "
                                       "down) at NODE; H only at L0, U1..U7 and L6")
                            ->allow_extra_args(false)
                            ->type_name("NODE.C=TEXT");
    std::string format_name = "table";
    auto* format_option = app.add_option("--format", format_name, "Output: table (default), csv or json")
                              ->check(CLI::IsMember({"table", "csv", "json"}))
                              ->type_name("FORMAT");
    app.add_flag("--batch", batch,
                 "Read JSON Lines {\"span\": TEXT, \"loads\": {\"U4.V\": TEXT, ...}} from standard input "
                 "and write one JSON result line per case")
        ->excludes(span_option)
        ->excludes(load_option)
        ->excludes(format_option);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return InfoText{app.help()};
    } catch (const CLI::CallForVersion& version) {
        return InfoText{std::string(version.what()) + "\n"};
    } catch (const CLI::ParseError& error) {
        throw UsageError(error.what());
    }

    if (batch) return BatchRun{};
    if (span_option->count() == 0) {
        throw UsageError("--span is required (or --batch to read the cases from standard input)");
    }
    SingleRun run;
    run.input.span = std::move(span);
    const std::map<std::string, OutputFormat, std::less<>> formats{
        {"table", OutputFormat::Table}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}};
    run.format = formats.find(format_name)->second;
    std::array<bool, engine::kLoadCount> given{};
    for (const std::string& argument : loads) {
        LoadAssignment load = parse_load_argument(argument);
        if (given[load.load_index]) {
            // A second value for the same component would silently replace the first.
            throw UsageError("--load " + argument + ": " +
                             engine::load_key(engine::kLoadMap[load.load_index]) + " is given twice");
        }
        given[load.load_index] = true;
        run.input.loads[load.load_index] = std::move(load.text);
    }
    return run;
}

}  // namespace korvel::solve
