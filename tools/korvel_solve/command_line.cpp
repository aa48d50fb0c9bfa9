#include "tools/korvel_solve/command_line.hpp"

#include <array>
#include <charconv>
#include <limits>
#include <map>

#include <CLI/CLI.hpp>

#include "engine/quoted_text.hpp"
#include "korvel/project.hpp"
#include "tools/korvel_solve/help_text.hpp"
#include "tools/korvel_solve/load_argument.hpp"
#include "tools/korvel_solve/usage_error.hpp"
#include "tools/korvel_solve/worker_pool.hpp"

namespace korvel::solve {

std::string displayed_version() { return std::string(project::kDisplayVersion); }

namespace {

// The most threads --jobs takes: far beyond any gain, short of exhausting the system.
constexpr std::size_t kMaxJobs = 256;

// The parser's message quotes the arguments whole; a message stops after the first few hundred characters.
std::string shortened(std::string_view message) {
    constexpr std::size_t kLimit = 300;
    if (message.size() <= kLimit) return std::string(message);
    std::size_t cut = kLimit;
    while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80) --cut;
    return std::string(message.substr(0, cut)) + "...";
}

// Why a --max-line-bytes value is no line length, or "" when it is one.
std::string line_limit_problem(std::string& text) {
    std::size_t bytes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bytes);
    if (error == std::errc() && end == text.data() + text.size() && bytes > 0) return "";
    return engine::quoted_text(text) +
           " is not a line length; give the longest line to read in bytes, a whole number from 1 to " +
           std::to_string(std::numeric_limits<std::size_t>::max()) + " (the default is " +
           std::to_string(kDefaultMaxLineBytes) + ", 16 MiB)";
}

void fill_loads(const std::vector<std::string>& loads, engine::AnalysisInput& input) {
    std::array<bool, engine::kLoadCount> given{};
    for (const std::string& argument : loads) {
        LoadAssignment load = parse_load_argument(argument);
        if (given[load.load_index]) {
            // A second value for the same component would silently replace the first.
            throw UsageError("--load " + argument + ": " + engine::load_key(engine::kLoadMap[load.load_index]) +
                             " is given twice");
        }
        given[load.load_index] = true;
        input.loads[load.load_index] = std::move(load.text);
    }
}

// An option given more than once would otherwise keep one of its values unsaid.
void refuse_repeated(std::string_view option, const std::vector<std::string>& values, std::string_view what) {
    if (values.size() < 2) return;
    throw UsageError(std::string(option) + " is given " + std::to_string(values.size()) + " times (" +
                     engine::quoted_text(values[0]) + ", " + engine::quoted_text(values[1]) + "); give one " +
                     std::string(what));
}

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
    CLI::App app{"", "korvel-solve"};
    app.set_help_flag("-h,--help");
    app.set_version_flag("--version", displayed_version());

    std::string span;
    std::string pitch_text;
    std::vector<std::string> loads;
    std::vector<std::string> files;
    std::vector<std::string> envelope_files;
    std::vector<std::string> design_files;
    std::vector<std::string> combinations;
    bool batch = false;
    bool numbers = false;
    bool working = false;
    bool all_digits = false;
    std::string format_name = "table";
    BatchOptions options;
    options.jobs = std::min(available_processors(), kMaxJobs);

    auto* span_option = app.add_option("--span", span);
    auto* pitch_option = app.add_option("--pitch", pitch_text);
    auto* load_option = app.add_option("--load", loads)->allow_extra_args(false);
    auto* format_option = app.add_option("--format", format_name)->check(CLI::IsMember({"table", "csv", "json"}));
    auto* batch_flag = app.add_flag("--batch", batch);
    auto* jobs_option = app.add_option("--jobs", options.jobs)->check(CLI::Range(std::size_t{1}, kMaxJobs));
    auto* max_line_option =
        app.add_option("--max-line-bytes", options.max_line_bytes)->check(CLI::Validator(line_limit_problem, "BYTES"));
    auto* numbers_flag = app.add_flag("--numbers", numbers);
    auto* working_flag =
        app.add_flag("--working", working)->excludes(format_option)->excludes(numbers_flag)->excludes(batch_flag);
    app.add_flag("--all-digits", all_digits)->needs(working_flag);
    // Taken as lists, so that a repeated option is refused in the program's own words.
    auto* envelope_option = app.add_option("--envelope", envelope_files)->allow_extra_args(false);
    auto* combination_option = app.add_option("--combination", combinations)->allow_extra_args(false);
    auto* design_option = app.add_option("--design", design_files)->allow_extra_args(false);
    std::string deflection_node;
    auto* node_option = app.add_option("--virtual-work", deflection_node)->needs(design_option);
    std::string member;
    auto* member_option = app.add_option("--member", member)->needs(design_option)->excludes(node_option);
    app.add_option("files", files);
    batch_flag->excludes(span_option)->excludes(load_option)->excludes(format_option);
    batch_flag->excludes(envelope_option)->excludes(combination_option);
    envelope_option->excludes(span_option)->excludes(load_option);
    combination_option->excludes(span_option)->excludes(load_option);
    jobs_option->needs(batch_flag);
    max_line_option->needs(batch_flag);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return InfoText{std::string(kHelpText)};
    } catch (const CLI::CallForVersion& version) {
        return InfoText{"korvel-solve " + std::string(version.what()) + "\n"};
    } catch (const CLI::ParseError& error) {
        throw UsageError(shortened(error.what()));
    }

    if (design_option->count() > 0) {
        refuse_repeated("--design", design_files, "project file");
        // The design is the whole output of a project: other inputs or outputs would go unanswered.
        const std::array<std::pair<const CLI::Option*, std::string_view>, 5> clashes{{
            {batch_flag, "--batch answers one case per line"},
            {envelope_option, "--envelope writes the envelope of every combination"},
            {combination_option, "--combination the results of one combination"},
            {span_option, "--span gives a case, and the project holds its span"},
            {load_option, "--load gives a case, and the project holds its loads"},
        }};
        for (const auto& [option, what] : clashes) {
            if (option->count() == 0) continue;
            throw UsageError("--design and " + option->get_name() +
                             " cannot be combined: --design writes the design of a project's members, " +
                             std::string(what) + "; give one of them");
        }
    }

    std::optional<engine::RoofPitch> pitch;
    if (pitch_option->count() > 0) {
        auto read = engine::parse_pitch(pitch_text);
        if (const auto* error = std::get_if<engine::PitchError>(&read))
            throw UsageError("--pitch: " + error->message());
        pitch = std::get<engine::RoofPitch>(std::move(read));
    }
    const ResultValues values = numbers ? ResultValues::Numbers : ResultValues::Strings;
    if (batch) {
        options.values = values;
        options.pitch = pitch;
        return BatchRun{std::move(files), options};
    }

    refuse_repeated("--envelope", envelope_files, "project file");
    refuse_repeated("--combination", combinations, "combination");
    if (envelope_option->count() > 0 && working) {
        throw UsageError(
            "--envelope and --working cannot be combined: --envelope writes the envelope of every combination, "
            "--working the working of one case; for one combination's working, give --combination NAME --working "
            "PROJECT.json");
    }
    if (envelope_option->count() > 0 && combination_option->count() > 0) {
        throw UsageError(
            "--envelope and --combination cannot be combined: --envelope writes the envelope of every "
            "combination, --combination the results of one; give one of them");
    }

    SingleRun run;
    const std::map<std::string, OutputFormat, std::less<>> formats{
        {"table", OutputFormat::Table}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}};
    run.format = formats.find(format_name)->second;
    if (numbers_flag->count() > 0 && run.format != OutputFormat::Json) {
        throw UsageError("--numbers applies to JSON results: add --format json, or use --batch");
    }
    run.values = values;
    run.working = working;
    run.all_digits = all_digits;
    run.pitch = pitch;
    if (envelope_option->count() > 0) {
        if (!files.empty()) {
            throw UsageError("--envelope names the project; leave out " + engine::quoted_text(files[0]));
        }
        files.push_back(std::move(envelope_files.front()));
        run.envelope = true;
    }
    if (design_option->count() > 0) {
        if (!files.empty()) throw UsageError("--design names the project; leave out " + engine::quoted_text(files[0]));
        if (node_option->count() > 0 && !working) throw UsageError("--virtual-work chooses the node of --working");
        if (member_option->count() > 0 && !working) throw UsageError("--member chooses the member of --working");
        run.deflection_node = std::move(deflection_node);
        run.member = std::move(member);
        files.push_back(std::move(design_files.front()));
        run.design = true;
    }
    if (combination_option->count() > 0) {
        if (files.empty()) throw UsageError("--combination needs the project file it is a combination of");
        run.combination = std::move(combinations.front());
    }
    if (files.size() > 1) {
        throw UsageError("give one case file to analyse, or --batch to answer each line of " +
                         engine::quoted_text(files[1]) + " and the others");
    }
    if (files.size() == 1) {
        if (span_option->count() > 0 || load_option->count() > 0) {
            throw UsageError(engine::quoted_text(files[0]) +
                             ": a case file holds the span and loads; leave out --span and --load");
        }
        run.case_file = files[0];
        return run;
    }
    if (span_option->count() == 0) {
        throw UsageError("--span is required (or a case file, or --batch to read one case per line)");
    }
    run.input.span = std::move(span);
    if (pitch) run.input.pitch = *pitch;
    fill_loads(loads, run.input);
    return run;
}

}  // namespace korvel::solve
