#include "design/design_table.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "design/deflection_table.hpp"
#include "load_case/envelope_csv.hpp"

namespace korvel::design {

std::string design_heading(const DesignColumnRow& column, ForceUnit force) {
    if (!column.in_force_unit) return std::string(column.heading);
    return std::string(column.heading) + " (" + std::string(unit_key(force)) + ")";
}

std::string section_title(const Design& design, const Section& section) {
    return std::string(design.material.name) + " " + section.name;
}

std::string design_number(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    return text;
}

std::vector<DesignTableRow> design_table(const DesignResult& result, const Design& design, DesignOrder order) {
    std::vector<DesignTableRow> rows;
    rows.reserve(engine::kMemberCount);
    for (const MemberDesign& m : result.members) {
        DesignTableRow row{m.member, {}};
        const auto cell = [&](DesignColumn column) -> std::string& {
            return row.cells[static_cast<std::size_t>(column)];
        };
        cell(DesignColumn::Member) = std::string(engine::member_name(m.member));
        cell(DesignColumn::Group) = std::string(group_key(m.group));
        cell(DesignColumn::Section) = section_title(design, design.section_of(m.member));
        if (m.checked && m.governing) {
            cell(DesignColumn::Combination) = result.combinations[*m.governing];
            cell(DesignColumn::Force) = design_number(m.design_force, 3);
            cell(DesignColumn::Check) = std::string(check_words(m.check));
            cell(DesignColumn::Resistance) = design_number(m.resistance, 3);
            cell(DesignColumn::Utilisation) = design_number(m.utilisation, 3);
        } else if (m.checked) {
            cell(DesignColumn::Check) = std::string(kNoForceWords);
            cell(DesignColumn::Utilisation) = design_number(0, 3);
        }
        cell(DesignColumn::Result) = std::string(!m.checked ? kNotCheckedWords : m.passes ? kPassesWords : kFailsWords);
        std::string warnings;
        for (const std::string& warning : m.warnings) warnings += (warnings.empty() ? "" : "; ") + warning;
        cell(DesignColumn::Warnings) = warnings;
        rows.push_back(std::move(row));
    }
    if (order != DesignOrder::Members) {
        const bool rest_in_order = order == DesignOrder::FailuresThenMembers;
        const auto rank = [&](const DesignTableRow& row) {
            const MemberDesign& m = result.members[engine::to_index(row.member)];
            const double within = !m.checked ? -INFINITY : m.passes && rest_in_order ? 0 : -m.utilisation;
            return std::pair{m.passes ? 1 : 0, within};
        };
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const DesignTableRow& a, const DesignTableRow& b) { return rank(a) < rank(b); });
    }
    return rows;
}

namespace {

template <typename Cells>
void csv_line(std::string& out, const Cells& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) out += (i > 0 ? "," : "") + load_case::csv_field(cells[i]);
    out += "\r\n";
}

}  // namespace

std::string design_csv(const ProjectDesign& answer, DesignOrder order) {
    std::string out;
    std::vector<std::string> headings;
    for (const DesignColumnRow& column : kDesignColumns)
        headings.push_back(design_heading(column, answer.design.units.force));
    csv_line(out, headings);
    for (const DesignTableRow& row : design_table(answer.result, answer.design, order)) csv_line(out, row.cells);
    if (!answer.deflection) return out;
    out += "\r\n";
    headings.clear();
    for (const DeflectionColumnRow& column : kDeflectionColumns)
        headings.push_back(deflection_heading(column, unit_key(answer.design.units.length)));
    csv_line(out, headings);
    for (const DeflectionTableRow& row : deflection_table(*answer.deflection)) csv_line(out, row.cells);
    return out;
}

std::vector<DesignCondition> design_conditions(const Design& design) {
    const DesignCodeRow& code = code_row(design.code);
    const std::string length_unit(unit_key(design.units.length));
    const std::string section_unit(unit_key(base_length_unit(code.system)));
    std::vector<DesignCondition> conditions;
    conditions.push_back({"Units", "forces in " + std::string(unit_key(design.units.force)) + ", lengths in " +
                                       length_unit + ", sections in " + section_unit});
    conditions.push_back({"Code", std::string(code.edition)});
    const Material& m = design.material;
    std::string material = std::string(m.name) + " (" + std::string(m.standard) + "): ";
    if (is_timber(m.kind)) {
        material += "tension " + design_number(m.tension, m.stress_unit == "psi" ? 0 : 1) + ", compression " +
                    design_number(m.compression, m.stress_unit == "psi" ? 0 : 1) + ", E " + design_number(m.e_mean, 0) +
                    (design.code == DesignCode::Nds2018Asd ? ", E_min " : ", E_0,05 ") +
                    design_number(m.e_stability, 0) + " " + std::string(m.stress_unit);
    } else {
        material +=
            "yield " + design_number(m.compression, 0) +
            (m.compression_round != m.compression ? " (round " + design_number(m.compression_round, 0) + ")" : "") +
            ", E " + design_number(m.e_mean, 0) + " " + std::string(m.stress_unit);
    }
    conditions.push_back({"Material", material});
    if (design.code == DesignCode::En1995) {
        conditions.push_back({"Service class", std::to_string(design.service_class)});
    }
    if (design.code == DesignCode::En1993) {
        conditions.push_back({"Partial factors", "gamma_M0 " + design_number(design.gamma_m0, 2) + ", gamma_M1 " +
                                                     design_number(design.gamma_m1, 2)});
    }
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const Section& s = design.sections[g];
        conditions.push_back({"Section, " + std::string(kGroupKeys[g]),
                              section_title(design, s) + ": A " + design_number(s.area, 2) + " " + section_unit +
                                  "², i_y " + design_number(s.radius_in_plane, 2) + ", i_z " +
                                  design_number(s.radius_out_of_plane, 2) + " " + section_unit});
    }
    for (const engine::Member member : engine::kMembers) {
        if (const auto& own = design.overrides[engine::to_index(member)]) {
            conditions.push_back({"Section, " + std::string(engine::member_name(member)), section_title(design, *own)});
        }
    }
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const std::string out_of_plane = g == 2              ? "its own length"
                                         : design.bracing[g] ? design_number(*design.bracing[g], 3) + " " + length_unit
                                                             : "braced at every node";
        conditions.push_back({"Buckling lengths, " + std::string(kGroupKeys[g]),
                              "in plane " + design_number(design.buckling_factors[g], 2) +
                                  " × member length; out of plane " + out_of_plane});
    }
    if (code.timber) {
        std::string durations;
        for (std::size_t k = 0; k < kCaseKindCount; ++k) {
            durations += (durations.empty() ? "" : ", ") + std::string(load_case::kCaseKinds[k].key) + " " +
                         std::string(duration_words(design.code, design.durations[k]));
            if (design.code == DesignCode::Nds2018Asd) {
                durations += " (C_D " +
                             design_number(kLoadDurationFactors[static_cast<std::size_t>(design.durations[k])], 2) +
                             ")";
            }
        }
        conditions.push_back({"Load duration", durations});
        if (design.code == DesignCode::Nds2018Asd)
            conditions.push_back({"Adjustment factors", std::string(kNdsUnitFactors)});
    }
    conditions.push_back({"Not checked", std::string(kDesignLimits)});
    return conditions;
}

}  // namespace korvel::design
