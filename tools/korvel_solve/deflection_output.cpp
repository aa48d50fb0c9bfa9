#include "tools/korvel_solve/deflection_output.hpp"

#include <cmath>

namespace korvel::solve {
namespace {

using engine::significant_text;

std::string length_text(double value) { return significant_text(value, engine::kDeflectionDigits); }

// The span over a deflection as a whole number, as "span/780" quotes it.
std::string span_over_text(double span, double deflection) {
    return std::to_string(std::llround(design::span_over(span, deflection)));
}

Json nodes_json(const engine::Deflections& deflections) {
    Json nodes = Json::object();
    for (std::size_t p = 0; p < engine::kDeflectionPointCount; ++p) {
        const engine::DeflectionPoint& point = engine::kDeflectionPoints[p];
        const char* direction = point.component == engine::Component::Vertical ? "vertical" : "horizontal";
        nodes[std::string(engine::node_name(point.node))][direction] = length_text(deflections[p]);
    }
    return nodes;
}

Json largest_json(const design::DeflectionCheck& check, const engine::LargestDeflection& largest) {
    Json json = Json::object();
    json["node"] = std::string(engine::node_name(engine::kDeflectionPoints[largest.point].node));
    json["value"] = length_text(largest.value);
    json["limit"] = length_text(check.limit);
    json["span_over"] = span_over_text(check.span, largest.value);
    json["passes"] = std::fabs(largest.value) <= check.limit;
    return json;
}

std::string_view creep_rule(const load_case::Creep& creep) {
    switch (creep.rule) {
        case load_case::Creep::Rule::En1995: return "EN 1995-1-1 2.3.2.2, k_def of Table 3.2";
        case load_case::Creep::Rule::Nds: return "NDS 2018 3.5.2, K_cr";
        case load_case::Creep::Rule::None: break;
    }
    return "none";
}

std::string verdict(bool passes) { return passes ? "passes" : "FAILS"; }

}  // namespace

Json deflection_json(const design::DeflectionCheck& check) {
    Json json = Json::object();
    json["span"] = length_text(check.span);
    json["limit_divisor"] = significant_text(check.divisor, 15);
    json["creep"] = {{"rule", creep_rule(check.creep)}, {"factor", significant_text(check.creep.factor, 15)}};
    Json combinations = Json::object();
    for (const design::CombinationDeflection& entry : check.combinations) {
        Json combination = Json::object();
        combination["nodes"] = nodes_json(entry.deflections.instantaneous);
        combination["largest"] = largest_json(check, entry.largest);
        if (entry.deflections.final) {
            combination["final"] = {{"nodes", nodes_json(*entry.deflections.final)},
                                    {"largest", largest_json(check, *entry.largest_final)}};
        }
        combination["passes"] = entry.passes;
        combinations[entry.name] = std::move(combination);
    }
    json["combinations"] = std::move(combinations);
    json["passes"] = check.passes;
    json["note"] = kJointSlipNote;
    return json;
}

std::string deflection_text(const design::DeflectionCheck& check, std::string_view length_unit) {
    const std::string unit = length_unit.empty() ? std::string() : " " + std::string(length_unit);
    std::string out = "Deflection by virtual work (vertical positive downward), limit span/" +
                      significant_text(check.divisor, 15) + " = " + length_text(check.limit) + unit +
                      "; creep: " + std::string(creep_rule(check.creep)) + "\n";
    const auto line = [&](std::string_view what, const engine::LargestDeflection& largest) {
        return "  " + std::string(what) + " " + length_text(largest.value) + unit + " at " +
               std::string(engine::node_name(engine::kDeflectionPoints[largest.point].node)) + " (span/" +
               span_over_text(check.span, largest.value) + "): " + verdict(std::fabs(largest.value) <= check.limit) +
               "\n";
    };
    for (const design::CombinationDeflection& entry : check.combinations) {
        out += entry.name + "\n";
        out += line("largest instantaneous", entry.largest);
        if (entry.largest_final) out += line("largest final", *entry.largest_final);
        out += "  spread of the supports (L6 to the right) " +
               length_text(entry.deflections.instantaneous[engine::kRollerSpreadPoint]) + unit + "\n";
    }
    out += std::string(kJointSlipNote) + "\n";
    return out;
}

std::string virtual_work_markdown(const engine::VirtualWorkTable& table) {
    std::string out = "## " + table.title + "\n\n|";
    for (const std::string& heading : table.headings) out += " " + heading + " |";
    out += "\n|";
    for (std::size_t i = 0; i < table.headings.size(); ++i) out += i == 0 ? "---|" : "---:|";
    out += "\n";
    for (const auto& row : table.rows) {
        out += "|";
        for (const std::string& cell : row) out += " " + cell + " |";
        out += "\n";
    }
    out += "\n" + table.sum + "\n\n" + std::string(kJointSlipNote) + "\n";
    return out;
}

}  // namespace korvel::solve
