#include "design/deflection_table.hpp"

#include <algorithm>
#include <cmath>

#include "design/design_table.hpp"
#include "engine/deflection.hpp"

namespace korvel::design {

std::string deflection_length_text(double value) { return engine::significant_text(value, engine::kDeflectionDigits); }

std::string span_over_text(double span, double deflection) {
    return std::to_string(std::llround(span_over(span, deflection)));
}

std::string_view creep_rule(const load_case::Creep& creep) {
    switch (creep.rule) {
        case load_case::Creep::Rule::En1995: return "EN 1995-1-1 2.3.2.2, k_def of Table 3.2";
        case load_case::Creep::Rule::Nds: return "NDS 2018 3.5.2, K_cr";
        case load_case::Creep::Rule::None: break;
    }
    return "none";
}

std::string creep_factors_caption(const load_case::Creep& creep) {
    const std::string factor = engine::significant_text(creep.factor, 15);
    switch (creep.rule) {
        case load_case::Creep::Rule::En1995:
            return "Creep, EN 1995-1-1 2.3.2.2: u_fin = u_inst,G·(1 + k_def) + u_inst,Q1·(1 + ψ2,1·k_def) + "
                   "Σ u_inst,Qi·(ψ0,i + ψ2,i·k_def), k_def = " +
                   factor + " (Table 3.2), ψ by kind of case:";
        case load_case::Creep::Rule::Nds:
            return "Creep, NDS 2018 3.5.2: Δ_T = K_cr·Δ_LT + Δ_ST, K_cr = " + factor +
                   " (seasoned lumber in dry service), the dead cases' deflection long-term.";
        case load_case::Creep::Rule::None: break;
    }
    return {};
}

std::vector<CreepFactorRow> creep_factor_table(const load_case::Creep& creep) {
    std::vector<CreepFactorRow> rows;
    if (creep.rule != load_case::Creep::Rule::En1995) return rows;
    for (const load_case::PsiRow& psi : load_case::kPsiFactors) {
        rows.push_back({{std::string(load_case::case_kind_key(psi.kind)), std::string(psi.category),
                         engine::significant_text(psi.psi0, 15), engine::significant_text(psi.psi2, 15)}});
    }
    return rows;
}

std::string deflection_heading(const DeflectionColumnRow& column, std::string_view length_unit) {
    std::string heading(column.heading);
    if (column.in_length_unit && !length_unit.empty()) heading += " (" + std::string(length_unit) + ")";
    return heading;
}

std::vector<DeflectionTableRow> deflection_table(const DeflectionCheck& check) {
    std::vector<DeflectionTableRow> rows;
    const auto add = [&](const CombinationDeflection& entry, std::string_view what,
                         const engine::LargestDeflection& largest, const engine::Deflections& deflections) {
        DeflectionTableRow& row = rows.emplace_back();
        row.passes = std::fabs(largest.value) <= entry.limit;
        for (std::size_t c = 0; c < kDeflectionColumnCount; ++c) {
            std::string& cell = row.cells[c];
            switch (kDeflectionColumns[c].column) {
                case DeflectionColumn::Combination: cell = entry.name; break;
                case DeflectionColumn::Deflection: cell = what; break;
                case DeflectionColumn::Largest: cell = deflection_length_text(largest.value); break;
                case DeflectionColumn::Node:
                    cell = engine::node_name(engine::kDeflectionPoints[largest.point].node);
                    break;
                case DeflectionColumn::SpanOver: cell = span_over_text(check.span, largest.value); break;
                case DeflectionColumn::Limit:
                    cell = deflection_length_text(entry.limit);
                    if (entry.own_limit) cell += " (span/" + engine::significant_text(entry.divisor, 15) + ")";
                    break;
                case DeflectionColumn::Result: cell = row.passes ? kPassesWords : kFailsWords; break;
                case DeflectionColumn::Spread:
                    cell = deflection_length_text(deflections[engine::kRollerSpreadPoint]);
                    break;
            }
        }
    };
    for (const CombinationDeflection& entry : check.combinations) {
        add(entry, kInstantaneousWords, entry.largest, entry.deflections.instantaneous);
        if (entry.largest_final && entry.deflections.final)
            add(entry, kFinalWords, *entry.largest_final, *entry.deflections.final);
    }
    return rows;
}

std::string deflection_caption(const DeflectionCheck& check, std::string_view length_unit) {
    const std::string unit = length_unit.empty() ? std::string() : " " + std::string(length_unit);
    const bool own_limits = std::any_of(check.combinations.begin(), check.combinations.end(),
                                        [](const CombinationDeflection& entry) { return entry.own_limit; });
    return "Deflection by virtual work (vertical positive downward), limit span/" +
           engine::significant_text(check.divisor, 15) + " = " + deflection_length_text(check.limit) + unit +
           (own_limits ? std::string(kOwnLimitsWords) : std::string()) +
           "; creep: " + std::string(creep_rule(check.creep));
}

}  // namespace korvel::design
