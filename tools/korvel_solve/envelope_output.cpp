#include "tools/korvel_solve/envelope_output.hpp"

#include <algorithm>
#include <array>

#include "engine/envelope_table.hpp"
#include "engine/quoted_text.hpp"
#include "engine/result_table.hpp"
#include "load_case/json_text.hpp"
#include "load_case/unicode_text.hpp"

namespace korvel::solve {
namespace {

using engine::EnvelopeRow;

// "KEY":{"max":"…","max_by":…,"min":"…","min_by":…[,"reverses":BOOL]}
void append_row_json(std::string& out, const EnvelopeRow& row, bool with_reverses) {
    load_case::append_json_string(out, row.item);
    out.append(R"(:{"max":")").append(row.max).append(R"(","max_by":)");
    load_case::append_json_string(out, row.max_by);
    out.append(R"(,"min":")").append(row.min).append(R"(","min_by":)");
    load_case::append_json_string(out, row.min_by);
    if (with_reverses) out.append(R"(,"reverses":)").append(row.reverses ? "true" : "false");
    out += '}';
}

void append_rows_json(std::string& out, const std::vector<EnvelopeRow>& rows, bool with_reverses) {
    out += '{';
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) out += ',';
        append_row_json(out, rows[r], with_reverses);
    }
    out += '}';
}

void append_notes_json(std::string& out, const engine::EnvelopeTable& table) {
    out += '{';
    bool first = true;
    for (const auto* rows : {&table.members, &table.reactions}) {
        for (const EnvelopeRow& row : *rows) {
            if (row.note.empty()) continue;
            if (!first) out += ',';
            first = false;
            load_case::append_json_string(out, row.item);
            out += ':';
            load_case::append_json_string(out, row.note);
        }
    }
    out += '}';
}

}  // namespace

// Pads each column to its widest cell, two blanks between columns.
std::string aligned(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    const auto width_of = [](const std::string& text) { return load_case::display_width(text); };
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], width_of(row[i]));
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line.append(widths[i] - width_of(row[i]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + '\n';
    }
    return out;
}

namespace {

std::string block_text(std::string_view heading, const std::vector<EnvelopeRow>& rows) {
    std::vector<std::vector<std::string>> lines{{std::string(heading)}};
    lines[0].insert(lines[0].end(), engine::kEnvelopeValueHeadings.begin(), engine::kEnvelopeValueHeadings.end());
    for (const EnvelopeRow& row : rows) {
        std::vector<std::string>& line = lines.emplace_back();
        for (const auto& cell : row.cells()) line.push_back(engine::escaped_controls(cell));
    }
    return aligned(lines);
}

}  // namespace

void append_project_json(std::string& out, const load_case::ProjectEnvelope& answer) {
    static const ResultLineWriter results;
    out += R"({"combinations":{)";
    for (std::size_t c = 0; c < answer.outcomes.size(); ++c) {
        if (c > 0) out += ',';
        load_case::append_json_string(out, answer.names[c]);
        out += ':';
        if (const auto* result = std::get_if<engine::AnalysisResult>(&answer.outcomes[c])) {
            results.append(out, *result);
        } else {
            append_json_line(out, error_json(std::get<engine::AnalysisError>(answer.outcomes[c])));
        }
        out.pop_back();  // each was written as a line of its own
    }
    const engine::EnvelopeTable table = engine::envelope_table(answer.envelope, answer.names);
    out.append(R"(},"envelope":{"complete":)").append(table.complete ? "true" : "false");
    out += R"(,"forces":)";
    append_rows_json(out, table.members, true);
    out += R"(,"reactions":)";
    append_rows_json(out, table.reactions, false);
    out += R"(,"notes":)";
    append_notes_json(out, table);
    out += R"(,"status":)";
    load_case::append_json_string(out, table.status);
    out += "}}\n";
}

std::string envelope_text(const load_case::ProjectEnvelope& answer) {
    const engine::EnvelopeTable table = engine::envelope_table(answer.envelope, answer.names);
    std::string out;
    if (!table.members.empty()) {
        out += block_text(engine::kMemberHeading, table.members);
        out += '\n';
        out += block_text(engine::kReactionsHeading, table.reactions);
        out += '\n';
    }
    out += table.status + '\n';
    for (const engine::EnvelopeFailure& failure : table.failures)
        out += "  " + engine::escaped_controls(failure.name) + ": " + engine::escaped_controls(failure.message) + '\n';
    return out;
}

}  // namespace korvel::solve
