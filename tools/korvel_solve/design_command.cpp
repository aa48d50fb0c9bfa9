#include "tools/korvel_solve/design_command.hpp"

#include <cmath>

#include "design/check_working.hpp"
#include "design/design_table.hpp"
#include "engine/quoted_text.hpp"
#include "load_case/combination.hpp"
#include "tools/korvel_solve/deflection_output.hpp"
#include "tools/korvel_solve/envelope_output.hpp"
#include "tools/korvel_solve/output_sink.hpp"
#include "tools/korvel_solve/solve_command.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {
namespace {

using design::DesignColumn;

std::string design_text(const design::ProjectDesign& answer) {
    std::string out;
    std::vector<std::vector<std::string>> conditions;
    for (const design::DesignCondition& condition : design::design_conditions(answer.design)) {
        conditions.push_back({condition.label + ":", engine::escaped_controls(condition.text)});
    }
    out += aligned(conditions) + '\n';
    std::vector<std::vector<std::string>> rows(1);
    for (const design::DesignColumnRow& column : design::kDesignColumns) {
        rows[0].push_back(design::design_heading(column, answer.design.units.force));
    }
    for (const design::DesignTableRow& row :
         design::design_table(answer.result, answer.design, design::DesignOrder::Members)) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (const std::string& cell : row.cells) cells.push_back(engine::escaped_controls(cell));
    }
    out += aligned(rows) + '\n';
    std::vector<std::vector<std::string>> lightest;
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        lightest.push_back(
            {"Lightest, " + std::string(design::kGroupKeys[g]) + ":", design::lightest_words(answer, g)});
    }
    out += aligned(lightest) + '\n';
    for (const std::size_t c : answer.result.failed_combinations) {
        out += "Not analysed: " + engine::escaped_controls(answer.result.combinations[c]) + '\n';
    }
    out += design::design_verdict(answer.result) + '\n';
    return out;
}

Json section_json(const design::Design& d, const design::Section& section) {
    Json json;
    json["name"] = design::section_title(d, section);
    json["A"] = design::design_number(section.area, 2);
    json["i_y"] = design::design_number(section.radius_in_plane, 2);
    json["i_z"] = design::design_number(section.radius_out_of_plane, 2);
    json["unit"] = std::string(design::unit_key(section.unit));
    return json;
}

// The virtual-work table of each serviceability combination at `node` ("L3",
// "L6.H"), or at the node of its largest deflection, N from the combination's
// own analysis.
std::string deflection_working(const load_case::Project& project, const design::ProjectDesign& answer,
                               const std::string& node) {
    if (!answer.deflection) {
        throw UsageError(
            "the project's design names no \"serviceability\" combinations, so there is no deflection "
            "to work out");
    }
    std::optional<std::size_t> chosen;
    if (!node.empty()) {
        chosen = design::deflection_point_named(node);
        if (!chosen) {
            throw UsageError("--virtual-work " + engine::quoted_text(node) +
                             ": the deflection is worked out at L0..L6 and U1..U7, or L6.H for the supports' "
                             "spread; U8 and U9 take no load");
        }
    }
    std::string out;
    for (const design::CombinationVirtualWork& entry : design::virtual_work_tables(project, answer, chosen))
        out += "# " + engine::escaped_controls(entry.combination) + "\n\n" + virtual_work_markdown(entry.table) + "\n";
    return out;
}

}  // namespace

design::ProjectDesign design_answer(const load_case::Project& project) {
    auto answer = design::design_project(project);
    if (auto* error = std::get_if<design::DesignError>(&answer)) throw UsageError(error->message);
    return std::get<design::ProjectDesign>(std::move(answer));
}

Json design_json(const design::ProjectDesign& answer) {
    const design::Design& d = answer.design;
    const design::DesignResult& result = answer.result;
    Json json;
    json["units"] = {{"force", std::string(design::unit_key(d.units.force))},
                     {"length", std::string(design::unit_key(d.units.length))}};
    json["code"] = std::string(design::code_row(d.code).key);
    json["edition"] = std::string(design::code_row(d.code).edition);
    json["material"] = {{"name", std::string(d.material.name)}, {"standard", std::string(d.material.standard)}};
    Json sections = Json::object();
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        sections[std::string(design::kGroupKeys[g])] = section_json(d, d.sections[g]);
    }
    json["sections"] = std::move(sections);
    const std::string length_unit(design::unit_key(d.units.length));
    Json members = Json::object();
    for (const design::MemberDesign& m : result.members) {
        Json member;
        member["group"] = std::string(design::group_key(m.group));
        member["section"] = design::section_title(d, d.section_of(m.member));
        member["length"] = design::design_number(m.length, 4);
        member["buckling_length_in_plane"] = design::design_number(m.buckling_in_plane, 4);
        member["buckling_length_out_of_plane"] = design::design_number(m.buckling_out_of_plane, 4);
        // A member not checked has no utilisation; one without force has no governing check.
        member["utilisation"] = m.checked ? Json(design::design_number(m.utilisation, 3)) : Json(nullptr);
        member["governing"] = m.governing ? Json(result.combinations[*m.governing]) : Json(nullptr);
        member["check"] = m.checked && m.governing ? Json(std::string(design::check_words(m.check))) : Json(nullptr);
        const bool governed = m.checked && m.governing;
        member["design_force"] = governed ? Json(design::design_number(m.design_force, 3)) : Json(nullptr);
        member["resistance"] = governed ? Json(design::design_number(m.resistance, 3)) : Json(nullptr);
        member["passes"] = m.passes;
        member["checked"] = m.checked;
        member["warnings"] = m.warnings;
        members[std::string(engine::member_name(m.member))] = std::move(member);
    }
    json["members"] = std::move(members);
    Json lightest = Json::object();
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        const design::GroupChoice& choice = answer.lightest[g];
        lightest[std::string(design::kGroupKeys[g])] = {
            {"section",
             choice.candidate ? Json(design::section_title(d, d.candidates[g][*choice.candidate])) : Json(nullptr)},
            {"utilisation",
             std::isinf(choice.utilisation) ? Json(nullptr) : Json(design::design_number(choice.utilisation, 3))},
            {"governing", std::string(engine::member_name(choice.governing))}};
    }
    json["lightest"] = std::move(lightest);
    json["not_checked"] = std::string(design::kDesignLimits);
    Json failed = Json::array();
    for (const std::size_t c : result.failed_combinations) failed.push_back(result.combinations[c]);
    json["failed_combinations"] = std::move(failed);
    if (answer.deflection) json["deflection"] = deflection_json(*answer.deflection);
    json["passes"] = result.passes && (!answer.deflection || answer.deflection->passes);
    json["complete"] = result.complete;
    return json;
}

int run_design(const load_case::Project& project, const SingleRun& run, int out_fd, std::ostream& err) {
    if (run.values == ResultValues::Numbers) throw UsageError("--numbers applies to results, not to a design");
    const design::ProjectDesign answer = design_answer(project);
    if (run.working && !run.member.empty()) {
        const auto member = engine::member_from_name(run.member);
        if (!member) {
            throw UsageError("--member " + engine::quoted_text(run.member) +
                             " is no member of the truss; members are named by their nodes, as L0U1");
        }
        const std::string text = design::check_working_text(design::check_working(answer, *member));
        write_all(out_fd, text.data(), text.size());
        return kExitSuccess;
    }
    if (run.working) {
        const std::string text = deflection_working(project, answer, run.deflection_node);
        write_all(out_fd, text.data(), text.size());
        return kExitSuccess;
    }
    std::string text;
    switch (run.format) {
        case OutputFormat::Table:
            text = design_text(answer);
            if (answer.deflection) {
                text += '\n' + deflection_text(*answer.deflection, design::unit_key(answer.design.units.length));
            }
            break;
        case OutputFormat::Csv: text = design::design_csv(answer, design::DesignOrder::Members); break;
        case OutputFormat::Json: append_json_line(text, design_json(answer)); break;
    }
    write_all(out_fd, text.data(), text.size());
    for (const std::size_t c : answer.result.failed_combinations) {
        err << "korvel-solve: combination "
            << engine::escaped_controls(engine::quoted_text(answer.result.combinations[c]))
            << " could not be analysed; the design leaves it out\n";
    }
    const bool deflection_passes = !answer.deflection || answer.deflection->passes;
    return answer.result.passes && deflection_passes ? kExitSuccess : kExitFailure;
}

}  // namespace korvel::solve
