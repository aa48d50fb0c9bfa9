#include "engine/truss_model.hpp"
#include "load_case/json_text.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"

namespace korvel::load_case {
namespace {

// {"U4.V": TEXT, ...}: the loads that are not empty, in load-map order.
void append_loads(std::string& out, const std::array<std::string, engine::kLoadCount>& loads) {
    out += '{';
    bool first = true;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (loads[i].empty()) continue;
        if (!first) out += ", ";
        first = false;
        append_json_string(out, engine::load_key(engine::kLoadMap[i]));
        out += ": ";
        append_json_string(out, loads[i]);
    }
    out += '}';
}

// , "pitch": TEXT (or "rise": TEXT) after the span, for a roof that is not 6:12.
void append_pitch(std::string& out, const engine::RoofPitch& pitch) {
    if (pitch.is_default()) return;
    if (pitch.form == engine::PitchForm::Rise) {
        out += ", \"rise\": ";
        append_json_string(out, pitch.rise.to_text());
        return;
    }
    out += ", \"pitch\": ";
    append_json_string(out, pitch.text);
}

// Separates the entries of an array, each on its own line under the first.
void append_separator(std::string& out, std::size_t index, std::string_view indent) {
    if (index == 0) return;
    out += ",\n";
    out += indent;
}

}  // namespace

std::string write_load_case(const engine::AnalysisInput& input) {
    std::string out = "{\"span\": ";
    append_json_string(out, input.span);
    append_pitch(out, input.pitch);
    out += ", \"loads\": ";
    append_loads(out, input.loads);
    out += '}';
    return out;
}

std::string write_project(const Project& project) {
    std::string out = "{\"span\": ";
    append_json_string(out, project.span);
    append_pitch(out, project.pitch);
    out += ",\n \"cases\": [";
    for (std::size_t i = 0; i < project.cases.size(); ++i) {
        const LoadCase& load_case = project.cases[i];
        append_separator(out, i, "           ");
        out += "{\"name\": ";
        append_json_string(out, load_case.name);
        out += ", \"kind\": ";
        append_json_string(out, case_kind_key(load_case.kind));
        out += ", \"loads\": ";
        append_loads(out, load_case.loads);
        out += '}';
    }
    out += "],\n \"combinations\": [";
    for (std::size_t i = 0; i < project.combinations.size(); ++i) {
        const Combination& combination = project.combinations[i];
        append_separator(out, i, "                  ");
        out += "{\"name\": ";
        append_json_string(out, combination.name);
        out += ", \"factors\": {";
        for (std::size_t f = 0; f < combination.factors.size(); ++f) {
            if (f > 0) out += ", ";
            append_json_string(out, combination.factors[f].case_name);
            out += ": ";
            append_json_string(out, combination.factors[f].text);
        }
        out += "}}";
    }
    out += "]}";
    return out;
}

}  // namespace korvel::load_case
