#include "load_case/project.hpp"

#include <algorithm>
#include <unordered_set>

#include "engine/exact_decimal.hpp"
#include "engine/quoted_text.hpp"

namespace korvel::load_case {
namespace {

std::string part_of(std::string_view what, const std::string& name, std::size_t index) {
    return std::string(what) + " " + (name.empty() ? std::to_string(index + 1) : engine::quoted_text(name));
}

ProjectError fault_in(ProjectFault fault, const std::string& part, const std::string& what) {
    return {fault, part, part.empty() ? what : part + ": " + what};
}

// Why `text`, the load or factor `what`, is not a number a combination computes with.
std::optional<ProjectError> check_number(const std::string& part, const std::string& what, const std::string& text) {
    const auto read = engine::ExactDecimal::read(text);
    const auto* fault = std::get_if<engine::ExactDecimal::ReadFault>(&read);
    if (!fault) return std::nullopt;
    if (*fault == engine::ExactDecimal::ReadFault::NotANumber) {
        return fault_in(
            ProjectFault::NotANumber, part,
            what + " is not a number: " + engine::quoted_text(text) + "; enter a number such as 1.2 or -0.9");
    }
    return fault_in(ProjectFault::OutOfRange, part,
                    what + " has more than " + std::to_string(engine::ExactDecimal::kDigitLimit) +
                        " digits before or after the point: " + engine::quoted_text(text) + "; enter a shorter number");
}

std::optional<ProjectError> check_count(std::size_t count, std::string_view what) {
    if (count <= kProjectPartLimit) return std::nullopt;
    return fault_in(ProjectFault::TooMany, "",
                    "the project has " + std::to_string(count) + " " + std::string(what) + "; it may have at most " +
                        std::to_string(kProjectPartLimit));
}

}  // namespace

std::string_view case_kind_key(CaseKind kind) {
    const auto row =
        std::find_if(kCaseKinds.begin(), kCaseKinds.end(), [&](const CaseKindKey& k) { return k.kind == kind; });
    return row == kCaseKinds.end() ? "other" : row->key;
}

std::optional<CaseKind> case_kind_from_key(std::string_view key) {
    const auto row =
        std::find_if(kCaseKinds.begin(), kCaseKinds.end(), [&](const CaseKindKey& k) { return k.key == key; });
    if (row == kCaseKinds.end()) return std::nullopt;
    return row->kind;
}

std::optional<ProjectError> check_project(const Project& project) {
    if (auto error = check_count(project.cases.size(), "load cases")) return error;
    if (auto error = check_count(project.combinations.size(), "combinations")) return error;

    std::unordered_set<std::string_view> case_names;
    for (std::size_t i = 0; i < project.cases.size(); ++i) {
        const LoadCase& load_case = project.cases[i];
        const std::string part = part_of("case", load_case.name, i);
        if (load_case.name.empty()) {
            return fault_in(ProjectFault::EmptyName, part, "it has no name; give every case a name");
        }
        if (!case_names.insert(load_case.name).second) {
            return fault_in(ProjectFault::RepeatedName, part, "two cases have this name; give each its own");
        }
        for (std::size_t load = 0; load < engine::kLoadCount; ++load) {
            if (load_case.loads[load].empty()) continue;
            const std::string what = "load " + engine::load_key(engine::kLoadMap[load]);
            if (auto error = check_number(part, what, load_case.loads[load])) return error;
        }
    }

    std::unordered_set<std::string_view> combination_names;
    for (std::size_t i = 0; i < project.combinations.size(); ++i) {
        const Combination& combination = project.combinations[i];
        const std::string part = part_of("combination", combination.name, i);
        if (combination.name.empty()) {
            return fault_in(ProjectFault::EmptyName, part, "it has no name; give every combination a name");
        }
        if (!combination_names.insert(combination.name).second) {
            return fault_in(ProjectFault::RepeatedName, part, "two combinations have this name; give each its own");
        }
        if (combination.factors.empty()) {
            return fault_in(ProjectFault::NoFactor, part, "it has no factor; give it a factor of at least one case");
        }
        std::unordered_set<std::string_view> factored;
        for (const Factor& factor : combination.factors) {
            const std::string what = "the factor of " + engine::quoted_text(factor.case_name);
            if (!case_names.contains(factor.case_name)) {
                return fault_in(ProjectFault::UnknownCase, part,
                                what + " names no case of the project; factors name cases exactly as they are named");
            }
            if (!factored.insert(factor.case_name).second) {
                return fault_in(ProjectFault::RepeatedName, part, what + " is given twice");
            }
            if (auto error = check_number(part, what, factor.text)) return error;
        }
    }
    if (project.combinations.empty()) {
        return fault_in(ProjectFault::NoCombination, "",
                        "the project has no combination; add one, such as a factor of 1 for each case");
    }
    return std::nullopt;
}

}  // namespace korvel::load_case
