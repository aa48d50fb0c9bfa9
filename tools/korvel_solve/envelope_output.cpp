#include "tools/korvel_solve/envelope_output.hpp"

#include <algorithm>

#include "engine/quoted_text.hpp"
#include "engine/result_table.hpp"

namespace korvel::solve {
namespace {

using engine::Extremes;

// One line of the envelope: a member or a reaction with its extremes.
struct EnvelopeLine {
    std::string_view item;
    const Extremes* extremes;
    std::string_view note;  // "reverses" or the uplift in words, or empty
};

constexpr std::string_view kUpliftNote = "uplift: hold the support down";

std::vector<EnvelopeLine> member_lines(const engine::Envelope& envelope) {
    std::vector<EnvelopeLine> lines;
    for (const engine::Member member : engine::kMembersInTableOrder) {
        const Extremes& e = envelope.force(member);
        lines.push_back({engine::member_name(member), &e, e.reverses() ? "reverses" : ""});
    }
    return lines;
}

std::vector<EnvelopeLine> reaction_lines(const engine::Envelope& envelope) {
    std::vector<EnvelopeLine> lines;
    for (const engine::ReactionRow& row : engine::kReactionRows) {
        lines.push_back({engine::reaction_name(row.reaction), &envelope.reaction(row.reaction),
                         envelope.uplifts(row.reaction) ? kUpliftNote : ""});
    }
    return lines;
}

Json extremes_json(const Extremes& e, const std::vector<std::string>& names) {
    Json json = Json::object();
    json["max"] = e.max.value.to_text();
    json["max_by"] = names[e.max.by];
    json["min"] = e.min.value.to_text();
    json["min_by"] = names[e.min.by];
    return json;
}

}  // namespace

// Pads each column to its widest cell, two blanks between columns.
std::string aligned(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    const auto width_of = [](const std::string& text) {
        return static_cast<std::size_t>(std::count_if(
            text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    };
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

Json project_json(const load_case::ProjectEnvelope& answer) {
    // Each object is filled before it is put in place: an ordered object moves its members as it grows.
    Json combinations = Json::object();
    for (std::size_t c = 0; c < answer.outcomes.size(); ++c) {
        const auto* result = std::get_if<engine::AnalysisResult>(&answer.outcomes[c]);
        combinations[answer.names[c]] =
            result ? result_json(*result) : error_json(std::get<engine::AnalysisError>(answer.outcomes[c]));
    }
    Json forces = Json::object();
    Json reactions = Json::object();
    if (answer.envelope.has_values()) {
        for (const EnvelopeLine& line : member_lines(answer.envelope)) {
            Json json = extremes_json(*line.extremes, answer.names);
            json["reverses"] = line.extremes->reverses();
            forces[std::string(line.item)] = std::move(json);
        }
        for (const EnvelopeLine& line : reaction_lines(answer.envelope)) {
            reactions[std::string(line.item)] = extremes_json(*line.extremes, answer.names);
        }
    }
    Json envelope = Json::object();
    envelope["complete"] = answer.envelope.complete();
    envelope["forces"] = std::move(forces);
    envelope["reactions"] = std::move(reactions);
    Json document = Json::object();
    document["combinations"] = std::move(combinations);
    document["envelope"] = std::move(envelope);
    return document;
}

std::string envelope_table(const load_case::ProjectEnvelope& answer) {
    std::string out;
    if (answer.envelope.has_values()) {
        const auto name = [&](std::size_t c) { return engine::escaped_controls(answer.names[c]); };
        for (const auto& [heading, lines] : {std::pair{"Member", member_lines(answer.envelope)},
                                             std::pair{"Reaction", reaction_lines(answer.envelope)}}) {
            std::vector<std::vector<std::string>> rows{{heading, "Max", "Max by", "Min", "Min by", "Note"}};
            for (const EnvelopeLine& line : lines) {
                const Extremes& e = *line.extremes;
                rows.push_back({std::string(line.item), e.max.value.to_text(), name(e.max.by), e.min.value.to_text(),
                                name(e.min.by), std::string(line.note)});
            }
            if (!out.empty()) out += '\n';
            out += aligned(rows);
        }
    }
    if (!answer.envelope.complete()) {
        if (!out.empty()) out += '\n';
        out += answer.envelope.has_values() ? "Incomplete: the envelope leaves out\n"
                                            : "No combination could be analysed:\n";
        for (const engine::FailedCombination& failed : answer.envelope.failed()) {
            out += "  " + engine::escaped_controls(answer.names[failed.combination]) + ": " +
                   engine::escaped_controls(failed.error.message()) + '\n';
        }
    }
    return out;
}

}  // namespace korvel::solve
