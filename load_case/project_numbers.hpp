#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/exact_decimal.hpp"
#include "load_case/project.hpp"

namespace korvel::load_case {

// A load or factor text, with its value where the text is short.
struct ReadNumber {
    std::string_view text;  // empty: no load
    std::optional<engine::SmallDecimal> small;
};

struct ReadFactor {
    std::size_t case_index;
    ReadNumber value;
};

// A usable project's numbers, each text read once; the texts stay the project's.
struct ProjectNumbers {
    std::vector<std::array<ReadNumber, engine::kLoadCount>> case_loads;  // in the project's order of cases
    std::vector<ReadFactor> factors;                                     // every combination's, in order
    std::vector<std::size_t> factor_ends;  // where each combination's factors end in `factors`
};

// The numbers of a project that passes check_project, or the fault check_project gives.
std::variant<ProjectNumbers, ProjectError> read_project_numbers(const Project& project);

}  // namespace korvel::load_case
