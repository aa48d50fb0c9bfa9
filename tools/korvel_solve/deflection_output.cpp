#include "tools/korvel_solve/deflection_output.hpp"

#include <cmath>

#include "design/design_table.hpp"

namespace korvel::solve {
namespace {

using design::deflection_length_text;
using design::span_over_text;
using engine::significant_text;

Json nodes_json(const engine::Deflections& deflections) {
    Json nodes = Json::object();
    for (std::size_t p = 0; p < engine::kDeflectionPointCount; ++p) {
        const engine::DeflectionPoint& point = engine::kDeflectionPoints[p];
        const char* direction = point.component == engine::Component::Vertical ? "vertical" : "horizontal";
        nodes[std::string(engine::node_name(point.node))][direction] = deflection_length_text(deflections[p]);
    }
    return nodes;
}

Json largest_json(const design::DeflectionCheck& check, const design::CombinationDeflection& entry,
                  const engine::LargestDeflection& largest) {
    Json json = Json::object();
    json["node"] = std::string(engine::node_name(engine::kDeflectionPoints[largest.point].node));
    json["value"] = deflection_length_text(largest.value);
    json["limit"] = deflection_length_text(entry.limit);
    json["span_over"] = span_over_text(check.span, largest.value);
    json["passes"] = std::fabs(largest.value) <= entry.limit;
    return json;
}

}  // namespace

Json deflection_json(const design::DeflectionCheck& check) {
    Json json = Json::object();
    json["span"] = deflection_length_text(check.span);
    json["limit_divisor"] = significant_text(check.divisor, 15);
    json["creep"] = {{"rule", design::creep_rule(check.creep)}, {"factor", significant_text(check.creep.factor, 15)}};
    for (const design::CreepFactorRow& row : design::creep_factor_table(check.creep))
        json["creep"]["psi"][row.cells[0]] = {
            {"category", row.cells[1]}, {"psi0", row.cells[2]}, {"psi2", row.cells[3]}};
    Json combinations = Json::object();
    for (const design::CombinationDeflection& entry : check.combinations) {
        Json combination = Json::object();
        combination["nodes"] = nodes_json(entry.deflections.instantaneous);
        combination["largest"] = largest_json(check, entry, entry.largest);
        if (entry.deflections.final) {
            combination["final"] = {{"nodes", nodes_json(*entry.deflections.final)},
                                    {"largest", largest_json(check, entry, *entry.largest_final)}};
        }
        if (entry.own_limit) combination["limit_divisor"] = significant_text(entry.divisor, 15);
        combination["passes"] = entry.passes;
        combinations[entry.name] = std::move(combination);
    }
    json["combinations"] = std::move(combinations);
    json["passes"] = check.passes;
    json["note"] = design::kJointSlipNote;
    return json;
}

std::string deflection_text(const design::DeflectionCheck& check, std::string_view length_unit) {
    const std::string unit = length_unit.empty() ? std::string() : " " + std::string(length_unit);
    std::string out = design::deflection_caption(check, length_unit) + "\n";
    const auto line = [&](const design::CombinationDeflection& entry, std::string_view what,
                          const engine::LargestDeflection& largest) {
        return "  " + std::string(what) + " " + deflection_length_text(largest.value) + unit + " at " +
               std::string(engine::node_name(engine::kDeflectionPoints[largest.point].node)) + " (span/" +
               span_over_text(check.span, largest.value) + "): " +
               std::string(std::fabs(largest.value) <= entry.limit ? design::kPassesWords : design::kFailsWords) + "\n";
    };
    for (const design::CombinationDeflection& entry : check.combinations) {
        out += entry.name + "\n";
        if (entry.own_limit) {
            out += "  its own limit span/" + significant_text(entry.divisor, 15) + " = " +
                   deflection_length_text(entry.limit) + unit + "\n";
        }
        out += line(entry, "largest instantaneous", entry.largest);
        if (entry.largest_final) out += line(entry, "largest final", *entry.largest_final);
        out += "  spread of the supports (L6 to the right) " +
               deflection_length_text(entry.deflections.instantaneous[engine::kRollerSpreadPoint]) + unit + "\n";
    }
    out += std::string(design::kJointSlipNote) + "\n";
    if (const std::string creep = design::creep_factors_caption(check.creep); !creep.empty()) out += creep + "\n";
    for (const design::CreepFactorRow& row : design::creep_factor_table(check.creep)) {
        out += "  " + row.cells[0] + " (" + row.cells[1] + "): ψ0 " + row.cells[2] + ", ψ2 " + row.cells[3] + "\n";
    }
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
    out += "\n" + table.sum + "\n\n" + std::string(design::kJointSlipNote) + "\n";
    return out;
}

}  // namespace korvel::solve
