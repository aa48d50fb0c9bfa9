#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui::testing {

// A completed analysis of a span and loads keyed "U4.V", "L0.H", ...
inline AnalysisRecord analysed(const std::string& span, const std::vector<std::pair<std::string, std::string>>& loads) {
    AnalysisRecord record;
    record.input.span = span;
    for (const auto& [key, text] : loads) {
        const auto index = engine::load_index_by_key(key);
        if (!index) throw std::invalid_argument("no such load: " + key);
        record.input.loads[*index] = text;
    }
    engine::AnalysisOutcome outcome = engine::run_analysis(record.input);
    if (!std::holds_alternative<engine::AnalysisResult>(outcome)) throw std::runtime_error("the analysis failed");
    record.result = std::get<engine::AnalysisResult>(outcome);
    return record;
}

// Span 16 with 10 down at the apex: the chords carry the largest forces, several webs none.
inline AnalysisRecord apex_load() { return analysed("16", {{"U4.V", "10"}}); }

// Loads of both signs in both directions at most of the nodes that take them.
inline AnalysisRecord mixed_loads() {
    return analysed("10", {{"U1.V", "10"},
                           {"L0.H", "-2.5"},
                           {"U6.H", "3"},
                           {"L2.V", "4"},
                           {"U3.V", "-7.25"},
                           {"U5.V", "12.125"},
                           {"L6.H", "1"},
                           {"L4.V", "-1.5"},
                           {"U7.H", "-0.75"},
                           {"L0.V", "2"},
                           {"L6.V", "2"},
                           {"U2.H", "123456.789"}});
}

// Results of up to nineteen digits, far wider than the usual ones.
inline AnalysisRecord large_results() {
    return analysed("24.5", {{"L1.V", "100"}, {"L4.V", "99999999999.9999"}, {"U2.V", "12345678.9012"}});
}

}  // namespace korvel::ui::testing
