#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "engine/analysis.hpp"

namespace korvel::engine::testing {

using Loads = std::initializer_list<std::pair<const char*, const char*>>;

// Builds the inputs of a run from a span text and loads keyed "U4.V", "L0.H", ...
inline AnalysisInput make_input(const std::string& span, Loads loads = {}) {
    AnalysisInput input;
    input.span = span;
    for (const auto& [key, text] : loads) {
        const auto index = load_index_by_key(key);
        if (!index) throw std::invalid_argument(std::string("no such load: ") + key);
        input.loads[*index] = text;
    }
    return input;
}

inline AnalysisResult analyse(const std::string& span, Loads loads = {}) {
    AnalysisOutcome outcome = run_analysis(make_input(span, loads));
    if (const auto* error = std::get_if<AnalysisError>(&outcome)) {
        ADD_FAILURE() << "analysis failed: " << error->message();
        return {};
    }
    return std::get<AnalysisResult>(std::move(outcome));
}

}  // namespace korvel::engine::testing
