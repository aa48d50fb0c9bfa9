#include "load_case/project.hpp"

#include <algorithm>
#include <utility>

#include "engine/quoted_text.hpp"
#include "load_case/project_numbers.hpp"

namespace korvel::load_case {

std::string part_name(std::string_view what, std::string_view name, std::size_t index) {
    return std::string(what) + " " + (name.empty() ? std::to_string(index + 1) : engine::quoted_text(name));
}

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
    auto numbers = read_project_numbers(project);
    if (auto* error = std::get_if<ProjectError>(&numbers)) return std::move(*error);
    return std::nullopt;
}

}  // namespace korvel::load_case
