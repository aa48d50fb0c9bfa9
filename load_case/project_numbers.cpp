#include "load_case/project_numbers.hpp"

#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "engine/quoted_text.hpp"
#include "load_case/unicode_text.hpp"

namespace korvel::load_case {

namespace {

ProjectError fault_in(ProjectFault fault, const std::string& part, const std::string& what) {
    return {fault, part, part.empty() ? what : part + ": " + what};
}

// Reads `text`, the load or factor `what()`, into `number`; or why it is not a number a combination computes with.
template <typename Part, typename What>
std::optional<ProjectError> read_number(const Part& part, const What& what, std::string_view text, ReadNumber& number) {
    number.text = text;
    number.small = engine::SmallDecimal::read(text);
    if (number.small) return std::nullopt;
    const auto read = engine::ExactDecimal::read(text);
    const auto* fault = std::get_if<engine::ExactDecimal::ReadFault>(&read);
    if (!fault) return std::nullopt;
    const std::string quoted = engine::quoted_text(text);
    if (*fault == engine::ExactDecimal::ReadFault::NotANumber) {
        return fault_in(ProjectFault::NotANumber, part(),
                        what() + " is not a number: " + quoted + "; enter a number such as 1.2 or -0.9");
    }
    return fault_in(ProjectFault::OutOfRange, part(),
                    what() + " has more than " + std::to_string(engine::ExactDecimal::kDigitLimit) +
                        " digits before or after the point: " + quoted + "; enter a shorter number");
}

std::optional<ProjectError> check_count(std::size_t count, std::string_view what) {
    if (count <= kProjectPartLimit) return std::nullopt;
    return fault_in(ProjectFault::TooMany, "",
                    "the project has " + std::to_string(count) + " " + std::string(what) + "; it may have at most " +
                        std::to_string(kProjectPartLimit));
}

}  // namespace

namespace {

// The name's name_key, kept in `keys` when it is not the name itself (nearly
// every name is its own key, and is then used without a copy).
std::string_view key_of(const std::string& name, std::deque<std::string>& keys) {
    if (is_own_name_key(name)) return name;
    return keys.emplace_back(name_key(name));
}

}  // namespace

std::variant<ProjectNumbers, ProjectError> read_project_numbers(const Project& project) {
    if (auto error = check_count(project.cases.size(), "load cases")) return std::move(*error);
    if (auto error = check_count(project.combinations.size(), "combinations")) return std::move(*error);

    ProjectNumbers numbers;
    numbers.case_loads.resize(project.cases.size());
    // Names are compared as name_key gives them: "Å" in either Unicode form, "A " and "A" are one name.
    std::deque<std::string> keys;
    std::unordered_map<std::string_view, std::size_t> case_indices;
    case_indices.reserve(project.cases.size());
    for (std::size_t i = 0; i < project.cases.size(); ++i) {
        const LoadCase& load_case = project.cases[i];
        // Messages are made only for a fault: a usable project is read without building any text.
        const auto part = [&] { return part_name("case", load_case.name, i); };
        const std::string_view key = key_of(load_case.name, keys);
        if (key.empty()) {
            return fault_in(ProjectFault::EmptyName, part(), "it has no name; give every case a name");
        }
        if (!case_indices.emplace(key, i).second) {
            return fault_in(ProjectFault::RepeatedName, part(), "two cases have this name; give each its own");
        }
        for (std::size_t load = 0; load < engine::kLoadCount; ++load) {
            if (load_case.loads[load].empty()) continue;
            const auto what = [&] { return "load " + engine::load_key(engine::kLoadMap[load]); };
            if (auto error = read_number(part, what, load_case.loads[load], numbers.case_loads[i][load])) {
                return std::move(*error);
            }
        }
    }

    std::unordered_set<std::string_view> combination_names;
    combination_names.reserve(project.combinations.size());
    // The combination that last gave each case a factor, to find a factor given twice.
    std::vector<std::size_t> factored_by(project.cases.size(), project.combinations.size());
    numbers.factor_ends.reserve(project.combinations.size());
    for (std::size_t i = 0; i < project.combinations.size(); ++i) {
        const Combination& combination = project.combinations[i];
        const auto part = [&] { return part_name("combination", combination.name, i); };
        const std::string_view key = key_of(combination.name, keys);
        if (key.empty()) {
            return fault_in(ProjectFault::EmptyName, part(), "it has no name; give every combination a name");
        }
        if (!combination_names.insert(key).second) {
            return fault_in(ProjectFault::RepeatedName, part(), "two combinations have this name; give each its own");
        }
        if (combination.factors.empty()) {
            return fault_in(ProjectFault::NoFactor, part(), "it has no factor; give it a factor of at least one case");
        }
        for (const Factor& factor : combination.factors) {
            const auto what = [&] { return "the factor of " + engine::quoted_text(factor.case_name); };
            const auto found = case_indices.find(key_of(factor.case_name, keys));
            if (found == case_indices.end()) {
                return fault_in(ProjectFault::UnknownCase, part(),
                                what() + " names no case of the project; factors name cases exactly as they are named");
            }
            if (std::exchange(factored_by[found->second], i) == i) {
                return fault_in(ProjectFault::RepeatedName, part(), what() + " is given twice");
            }
            ReadFactor& read = numbers.factors.emplace_back(ReadFactor{found->second, {}});
            if (auto error = read_number(part, what, factor.text, read.value)) return std::move(*error);
        }
        numbers.factor_ends.push_back(numbers.factors.size());
    }
    if (project.combinations.empty()) {
        return fault_in(ProjectFault::NoCombination, "",
                        "the project has no combination; add one, such as a factor of 1 for each case");
    }
    return numbers;
}

}  // namespace korvel::load_case
