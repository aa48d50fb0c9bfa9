#include <string_view>
#include <utility>
#include <vector>

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

namespace {

void append_named_texts(std::string& out, std::string_view key, const std::vector<NamedText>& texts, bool& first) {
    if (texts.empty()) return;
    if (!std::exchange(first, false)) out += ", ";
    append_json_string(out, key);
    out += ": {";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) out += ", ";
        append_json_string(out, texts[i].name);
        out += ": ";
        append_json_string(out, texts[i].text);
    }
    out += '}';
}

void append_text(std::string& out, std::string_view key, const std::string& text, bool& first) {
    if (text.empty()) return;
    if (!std::exchange(first, false)) out += ", ";
    append_json_string(out, key);
    out += ": ";
    append_json_string(out, text);
}

// The units and the design, a line each, only where the project has them.
void append_design(std::string& out, const Project& project) {
    if (project.units) {
        out += ",\n \"units\": {\"force\": ";
        append_json_string(out, project.units->force);
        out += ", \"length\": ";
        append_json_string(out, project.units->length);
        out += '}';
    }
    if (!project.design) return;
    const DesignSettings& design = *project.design;
    out += ",\n \"design\": {";
    bool first = true;
    append_text(out, "code", design.code, first);
    append_text(out, "service_class", design.service_class, first);
    append_text(out, "material", design.material, first);
    append_named_texts(out, "sections", design.sections, first);
    append_named_texts(out, "bracing", design.bracing, first);
    append_named_texts(out, "members", design.members, first);
    append_named_texts(out, "buckling_factors", design.buckling_factors, first);
    append_named_texts(out, "load_duration", design.load_duration, first);
    append_named_texts(out, "partial_factors", design.partial_factors, first);
    append_named_texts(out, "candidates", design.candidates, first);
    if (!design.serviceability.empty()) {
        if (!std::exchange(first, false)) out += ", ";
        out += "\"serviceability\": [";
        for (std::size_t i = 0; i < design.serviceability.size(); ++i) {
            if (i > 0) out += ", ";
            append_json_string(out, design.serviceability[i]);
        }
        out += ']';
    }
    append_text(out, "deflection_limit", design.deflection_limit, first);
    append_named_texts(out, "deflection_limits", design.deflection_limits, first);
    out += '}';
}

}  // namespace

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
    out += ']';
    append_design(out, project);
    out += '}';
    return out;
}

}  // namespace korvel::load_case
